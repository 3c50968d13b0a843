#include "DictationCheck.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(LetterKey, KeepsAsciiLettersLowerCased) {
    EXPECT_EQ(LetterKey(u"Hello, World! 2 ×Ää"), QString("helloworld"));
    EXPECT_EQ(LetterKey(u"1990."), QString());
    EXPECT_EQ(LetterKey(u"I'm"), QString("im"));
}

struct CheckCase {
    const char16_t* sentence;
    const char16_t* typed;
    bool correct;
    int selectStart;
    int selectLength;
};

class CheckTypingTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckTypingTable, ComparesLettersAndSelectsFirstWrongOne) {
    const CheckCase& c = GetParam();
    const TypingCheck r = CheckTyping(QString::fromUtf16(c.sentence), QString::fromUtf16(c.typed));
    EXPECT_EQ(r.correct, c.correct);
    EXPECT_EQ(r.selectStart, c.selectStart);
    EXPECT_EQ(r.selectLength, c.selectLength);
}

INSTANTIATE_TEST_SUITE_P(Entries, CheckTypingTable,
                         ::testing::Values(
                             // Correct entries leave the caret at the end.
                             CheckCase{u"Hello world!", u"hello world", true, 11, 0},
                             CheckCase{u"Hello world!", u"HELLO, WORLD", true, 12, 0},
                             CheckCase{u"Hello world!", u"Hello 2 world", true, 13, 0},
                             // The fourth typed character, ‘o’, is the first wrong letter.
                             CheckCase{u"Hello world!", u"helo world", false, 3, 1},
                             // The extra ‘s’ has no partner in the sentence.
                             CheckCase{u"Hello world!", u"hello worlds", false, 11, 1},
                             // A correct but incomplete prefix is wrong, caret at its end.
                             CheckCase{u"Hello world!", u"hello wor", false, 9, 0},
                             CheckCase{u"Hello world!", u"", false, 0, 0},
                             // Without letters any entry without letters is right.
                             CheckCase{u"1990.", u"", true, 0, 0},
                             CheckCase{u"1990.", u"1 9 9 0", true, 7, 0},
                             CheckCase{u"1990.", u"a", false, 0, 1}));

TEST(Counters, OneHintOneErrorTwoReplaysGiveSixty) {
    DictationCounters c;
    c.addHint();
    c.addError();
    c.addReplay();
    c.addReplay();
    EXPECT_EQ(c.HintCount, "1");
    EXPECT_EQ(c.ErrorCount, "1");
    EXPECT_EQ(c.ReplayCount, "2");
    EXPECT_EQ(c.SentenceScore, "60");
    EXPECT_TRUE(judgeSentence(c.SentenceScore, "60").passed);
    EXPECT_FALSE(judgeSentence(c.SentenceScore, "70").passed);
}

TEST(Counters, SixHintsScoreZeroAndFail) {
    DictationCounters c;
    for (int i = 0; i < 6; ++i)
        c.addHint();
    EXPECT_EQ(c.SentenceScore, "-20");
    const SentenceVerdict v = judgeSentence(c.SentenceScore, "60");
    EXPECT_EQ(v.score, "0");
    EXPECT_FALSE(v.passed);
}

TEST(Counters, ReadLenientlyFromText) {
    // Counters may have been edited into odd text; they read as numbers.
    EXPECT_EQ(addToCounter(" 7 hints", 1), "8");
    EXPECT_EQ(addToCounter("abc", -10), "-10");
    DictationCounters c;
    c.SentenceScore = "  95.0x";
    c.addReplay();
    EXPECT_EQ(c.SentenceScore, "90");
    c.reset();
    EXPECT_EQ(c.SentenceScore, "100");
    EXPECT_EQ(c.HintCount, "0");
}

TEST(PassMark, BelowSixtyBecomesSixty) {
    struct Row {
        const char* text;
        const char* corrected; // nullptr: stands
    } rows[] = {{"5", "60"},      {"", "60"},       {"abc", "60"},
                {"59.9", "60"},   {"60", nullptr},  {"75", nullptr},
                {"100", nullptr}, {" 80", nullptr}, {"-70", "60"}};
    for (const Row& r : rows) {
        const auto c = correctedPassMark(r.text);
        if (r.corrected) {
            ASSERT_TRUE(c.has_value()) << r.text;
            EXPECT_EQ(*c, r.corrected) << r.text;
        } else {
            EXPECT_FALSE(c.has_value()) << r.text;
        }
    }
}

TEST(Messages, CarryScoreAndScoringRule) {
    EXPECT_EQ(failMessage("0"),
              QStringLiteral("本句得分：0分，您未能过关，请按回车键重做当前句子。\r\n\r\n") +
                  kScoringRule);
    EXPECT_TRUE(passMessage("90").startsWith(
        QStringLiteral("本句得分：90分，恭喜您已过关，请按回车键进入下一句。")));
    EXPECT_TRUE(lessonPassedMessage("100").startsWith(QStringLiteral(
        "本句得分：100分，恭喜您本课已过关，请按回车键查看本册成绩。\r\n\r\n（评分标准")));
}
