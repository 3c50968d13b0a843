#include "CourseSource.h"

#include <gtest/gtest.h>

namespace {
const char kGood[] = "voice: en-us\n"
                     "rate: 150\n"
                     "gap: 1.2\n"
                     "book: 英语900句\n"
                     "# a comment\n"
                     "lesson: 问候\n"
                     "Hello! | 你好！\n"
                     "  How are you? | 你好吗？ | 见面时的问候  \n"
                     "\n"
                     "dictionary:\n"
                     "hello | int. 你好\n"
                     "look  at | 看\n";
} // namespace

TEST(CourseSource, ReadsBooksLessonsSentencesAndEntries) {
    const ParsedSource parsed = parseCourseSource(kGood);
    ASSERT_TRUE(parsed.ok()) << parsed.errors.value(0).text("x").toStdString();
    const CourseSource& c = parsed.course;
    ASSERT_EQ(c.books.size(), 1);
    EXPECT_EQ(c.books[0].name, QString("英语900句"));
    ASSERT_EQ(c.books[0].lessons.size(), 1);
    const SourceLesson& l = c.books[0].lessons[0];
    EXPECT_EQ(l.title, QString("问候"));
    EXPECT_EQ(l.speech.rate, 150);
    EXPECT_EQ(l.speech.gapMs, 1200);
    ASSERT_EQ(l.sentences.size(), 2);
    EXPECT_EQ(l.sentences[1].english, QString("How are you?"));
    EXPECT_EQ(l.sentences[1].chinese, QString("你好吗？"));
    EXPECT_EQ(l.sentences[1].note, QString("见面时的问候"));
    EXPECT_EQ(l.sentences[1].line, 8);
    ASSERT_EQ(c.entries.size(), 2);
    EXPECT_EQ(c.entries[1].headword, QString("look at")); // blanks collapse to one
    EXPECT_TRUE(c.entries[1].isPhrase());
}

TEST(CourseSource, AcceptsByteOrderMarkAndCrLf) {
    const QByteArray text = QByteArray("\xEF\xBB\xBF") + QByteArray(kGood).replace("\n", "\r\n");
    EXPECT_TRUE(parseCourseSource(text).ok());
}

TEST(CourseSource, ReportsEveryFaultInLineOrderWithoutFollowUps) {
    const ParsedSource parsed = parseCourseSource("book: 英语900句\n"
                                                  "lesson: a\n"
                                                  "Hello 你好\n"
                                                  "lesson: a\n"
                                                  "Hi | 嗨\n"
                                                  "OK | 好 ☕\n");
    QList<int> lines;
    for (const SourceError& e : parsed.errors)
        lines.append(e.line);
    // The first lesson lost its only sentence: no extra "has no sentence".
    EXPECT_EQ(lines, QList<int>({3, 4, 6}));
}

struct BadSource {
    const char* name;
    const char* text;
    int line;
    const char* reason; // a part of the message
};

class CourseSourceErrors : public ::testing::TestWithParam<BadSource> {};

TEST_P(CourseSourceErrors, AreRefusedWithLineAndReason) {
    const BadSource& bad = GetParam();
    const ParsedSource parsed = parseCourseSource(bad.text);
    ASSERT_FALSE(parsed.ok());
    const SourceError& e = parsed.errors.first();
    EXPECT_EQ(e.line, bad.line) << e.reason.toStdString();
    EXPECT_TRUE(e.reason.contains(QString::fromUtf8(bad.reason))) << e.reason.toStdString();
    if (bad.line > 0) {
        EXPECT_TRUE(e.text("demo.course").startsWith(QString("demo.course:%1: ").arg(bad.line)));
    }
}

const BadSource kBadSources[] = {
    {"MissingBar", "book: b\nlesson: t\nHello 你好\n", 3, "missing \"|\""},
    {"TooManyBars", "book: b\nlesson: t\nA | 甲 | 注 | 多\n", 3, "too many"},
    {"DuplicateTitle", "book: b\nlesson: t\nA | 甲\nlesson: t\nB | 乙\n", 4,
     "already used on line 2"},
    {"NotInGbk", "book: b\nlesson: t\nCafé ☕ | 咖啡\n", 3, "cannot be stored in GBK"},
    {"StarInSentence", "book: b\nlesson: t\nA * B | 甲\n", 3, "\"*\""},
    {"HashInNote", "book: b\nlesson: t\nA | 甲 | #1\n", 3, "\"#\""},
    {"CaretInTitle", "book: b\nlesson: a^b\nA | 甲\n", 2, "\"^\""},
    {"EmptyLesson", "book: b\nlesson: t\nlesson: u\nA | 甲\n", 2, "has no sentence"},
    {"EmptyBook", "book: b\nbook: c\nlesson: t\nA | 甲\n", 1, "has no lesson"},
    {"LessonBeforeBook", "lesson: t\nA | 甲\n", 1, "must follow"},
    {"TextOutside", "book: b\nHello | 你好\n", 2, "outside"},
    {"UnsafeBook", "book: ../x\nlesson: t\nA | 甲\n", 1, "cannot name a folder"},
    {"DuplicateBook", "book: b\nlesson: t\nA | 甲\nbook: b\nlesson: t\nA | 甲\n", 4,
     "already given"},
    {"BadRate", "rate: fast\nbook: b\nlesson: t\nA | 甲\n", 1, "words per minute"},
    {"BadGap", "gap: 0\nbook: b\nlesson: t\nA | 甲\n", 1, "seconds"},
    {"NothingToSay", "book: b\nlesson: t\n... | 甲\n", 3, "nothing to speak"},
    {"EmptyChinese", "book: b\nlesson: t\nHello | \n", 3, "Chinese sentence is empty"},
    {"BadHeadword", "book: b\nlesson: t\nA | 甲\ndictionary:\ndon't | 不\n", 5, "headword"},
    {"ThreeWordPhrase", "book: b\nlesson: t\nA | 甲\ndictionary:\nlook at it | 看\n", 5,
     "headword"},
    {"DollarInMeaning", "book: b\nlesson: t\nA | 甲\ndictionary:\nbuck | $1\n", 5, "\"$\""},
    {"DuplicateHeadword", "book: b\nlesson: t\nA | 甲\ndictionary:\nMay | 五月\nmay | 可以\n", 6,
     "line 5"},
    {"EntryWithoutMeaning", "book: b\nlesson: t\nA | 甲\ndictionary:\nhello\n", 5, "missing \"|\""},
    {"InvalidUtf8", "book: b\nlesson: t\nA | \xff\xfe\n", 3, "UTF-8"},
    {"NoBook", "# nothing\n", 0, "no book"},
};

INSTANTIATE_TEST_SUITE_P(Table, CourseSourceErrors, ::testing::ValuesIn(kBadSources),
                         [](const auto& info) { return std::string(info.param.name); });
