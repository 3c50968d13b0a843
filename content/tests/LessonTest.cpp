#include "Lesson.h"
#include "TextFileStore.h"

#include <QLocale>
#include <QTemporaryDir>

#include <clocale>
#include <gtest/gtest.h>

namespace {
QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

Lesson parsed(const QString& text) {
    auto result = Lesson::parse(text, "1.dat");
    if (auto* problem = std::get_if<LessonProblem>(&result)) {
        ADD_FAILURE() << problem->message().toStdString();
        return {};
    }
    return std::get<Lesson>(result);
}
} // namespace

TEST(SentenceRecord, CountsAndFindsRecords) {
    const QString text = u("*a#b#1#2##*c#d#3#4##*");
    EXPECT_EQ(SentenceRecord::count(text), 2);
    EXPECT_EQ(SentenceRecord::count(u("no stars")), 0);
    EXPECT_EQ(SentenceRecord::count(u("*")), 0);
    // Record 1 is the text between the first and the second "*".
    const qsizetype second = SentenceRecord::nextStar(text, 0);
    EXPECT_EQ(second, 10);
    EXPECT_EQ(SentenceRecord::between(text, 0, second), u("a#b#1#2##"));
    const qsizetype third = SentenceRecord::nextStar(text, second);
    EXPECT_EQ(third, text.size() - 1);
    EXPECT_EQ(SentenceRecord::nextStar(text, third), -1);
    EXPECT_EQ(SentenceRecord::previousStar(text, third), second);
    EXPECT_EQ(SentenceRecord::previousStar(text, second), 0);
    EXPECT_EQ(SentenceRecord::previousStar(text, 0), -1);
    // Out-of-range positions answer "none" instead of reading outside the text.
    EXPECT_EQ(SentenceRecord::nextStar(text, 1000), -1);
    EXPECT_EQ(SentenceRecord::previousStar(text, 1000), third);
    EXPECT_EQ(SentenceRecord::between(text, 5, 2), QStringView());
}

TEST(SentenceRecord, SplitsFieldsWithTheSpaceOnlyTrimRule) {
    struct Case {
        const char* what;
        QString record;
        QString english, chinese;
        double start, end;
        QString note;
        bool complete;
    };
    const Case cases[] = {
        {"plain", u("Hello.#你好。#1.5#2.75#note#"), u("Hello."), u("你好。"), 1.5, 2.75, u("note"),
         true},
        {"spaces around a word", u("  word  #  词  # 0.5 # 1 #  #"), u("word"), u("词"), 0.5, 1,
         u(""), true},
        {"a line break after the fifth # is ignored", u("a#b#1#2#n#\r\n"), u("a"), u("b"), 1, 2,
         u("n"), true},
        {"a leading line break stays", u("\r\nHi#b#1#2##"), u("\r\nHi"), u("b"), 1, 2, u(""), true},
        {"tabs and full-width spaces stay", u("\tHi\t#　中　#1#2##"), u("\tHi\t"), u("　中　"), 1,
         2, u(""), true},
        {"missing marks leave later fields empty", u("a#b#3"), u("a"), u("b"), 0, 0, u(""), false},
        {"four marks: no note", u("a#b#1#2#tail"), u("a"), u("b"), 1, 2, u(""), false},
        {"lenient times", u("a#b#12.34s#x#n#"), u("a"), u("b"), 12.34, 0, u("n"), true},
    };
    for (const Case& c : cases) {
        bool complete = !c.complete;
        const Sentence s = SentenceRecord::split(c.record, &complete);
        EXPECT_EQ(s.English, c.english) << c.what;
        EXPECT_EQ(s.Chinese, c.chinese) << c.what;
        EXPECT_DOUBLE_EQ(s.Start, c.start) << c.what;
        EXPECT_DOUBLE_EQ(s.End, c.end) << c.what;
        EXPECT_EQ(s.Note, c.note) << c.what;
        EXPECT_EQ(s.RecordText, c.record) << c.what;
        EXPECT_EQ(complete, c.complete) << c.what;
    }
}

TEST(SentenceRecord, MilliSecondsForTheMciEngine) {
    EXPECT_EQ(SentenceRecord::toMilliseconds(12.34), 12340);
    EXPECT_EQ(SentenceRecord::toMilliseconds(0), 0);
    EXPECT_EQ(SentenceRecord::toMilliseconds(0.0005), 1);
    EXPECT_EQ(SentenceRecord::toMilliseconds(1e300), 9000000000000000000LL);
}

TEST(Lesson, ParsesWellFormedTexts) {
    const Lesson lesson =
        parsed(u("*Good morning.#早上好。#0#1.8##\r\n*How are you?#你好吗？#1.8#3.2#问候#\r\n*"));
    ASSERT_EQ(lesson.sentenceCount(), 2);
    EXPECT_EQ(lesson.sentences[0].English, u("Good morning."));
    EXPECT_EQ(lesson.sentences[1].Chinese, u("你好吗？"));
    EXPECT_EQ(lesson.sentences[1].Note, u("问候"));
    EXPECT_DOUBLE_EQ(lesson.sentences[1].length(), 1.4);
    // The record of sentence 2 begins with the line break after sentence 1's fifth "#".
    EXPECT_EQ(lesson.sentences[1].RecordText, u("How are you?#你好吗？#1.8#3.2#问候#\r\n"));
}

TEST(Lesson, AcceptsWhiteSpaceAroundTheRecords) {
    for (const char* text : {"*a#b#1#2##*\r\n", "*a#b#1#2##*  \t\r\n\r\n", "\r\n*a#b#1#2##*"}) {
        const Lesson lesson = parsed(u(text));
        EXPECT_EQ(lesson.sentenceCount(), 1) << text;
        // The text keeps what follows the last "*" but always starts at the first.
        EXPECT_EQ(lesson.text, u(text).mid(u(text).indexOf('*')));
        EXPECT_EQ(SentenceRecord::nextStar(lesson.text, 0), 10);
    }
}

TEST(Lesson, NamesTheFileAndWhatIsWrong) {
    struct Case {
        const char* text;
        LessonProblem::Kind kind;
        int record;
        const char* says;
    };
    const Case cases[] = {
        {"", LessonProblem::NoRecord, 0, "没有句子"},
        {"  \r\n", LessonProblem::NoRecord, 0, "没有句子"},
        {"*", LessonProblem::NoRecord, 0, "没有句子"},
        {"***", LessonProblem::ShortRecord, 1, "第 1 句"},
        {"*a#b#1#2##*c#d#3#4#*", LessonProblem::ShortRecord, 2, "第 2 句"},
        {"*a#b#1#2##*trailing", LessonProblem::TextAfterLastStar, 0, "最后一个“*”"},
        {"*a#b#1#2##", LessonProblem::TextAfterLastStar, 0, "最后一个“*”"},
        {"title\r\n*a#b#1#2##*", LessonProblem::NoLeadingStar, 0, "开头"},
    };
    for (const Case& c : cases) {
        auto result = Lesson::parse(u(c.text), "/course/book/b/3.dat");
        ASSERT_TRUE(std::holds_alternative<LessonProblem>(result)) << c.text;
        const LessonProblem& p = std::get<LessonProblem>(result);
        EXPECT_EQ(p.kind, c.kind) << c.text;
        EXPECT_EQ(p.record, c.record) << c.text;
        EXPECT_TRUE(p.message().contains("/course/book/b/3.dat")) << p.message().toStdString();
        EXPECT_TRUE(p.message().contains(u(c.says))) << p.message().toStdString();
    }
}

TEST(Lesson, LoadReportsAMissingFileAndReadsRtfAndPlainText) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("9.dat");
    auto result = Lesson::load(missing);
    ASSERT_TRUE(std::holds_alternative<LessonProblem>(result));
    EXPECT_EQ(std::get<LessonProblem>(result).kind, LessonProblem::MissingFile);
    EXPECT_TRUE(std::get<LessonProblem>(result).message().contains(missing));

    const QString path = dir.filePath("1.dat");
    ASSERT_TRUE(TextFileStore::Save(path, u("*Hi#嗨#0.25#1##\r\n*")));
    result = Lesson::load(path);
    ASSERT_TRUE(std::holds_alternative<Lesson>(result));
    EXPECT_EQ(std::get<Lesson>(result).sentences[0].Chinese, u("嗨"));
}

TEST(Lesson, ReadsTimesWithADotWhateverTheLocale) {
    // Locales whose decimal separator is "," must not change how "1.5" reads:
    // neither the C library's nor Qt's default locale.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) break;
    }
    const QLocale savedQt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const Lesson lesson = parsed(u("*a#b#1.5#2.25##*"));
    QLocale::setDefault(savedQt);
    std::setlocale(LC_NUMERIC, saved.c_str());
    ASSERT_EQ(lesson.sentenceCount(), 1);
    EXPECT_DOUBLE_EQ(lesson.sentences[0].Start, 1.5);
    EXPECT_DOUBLE_EQ(lesson.sentences[0].End, 2.25);
}
