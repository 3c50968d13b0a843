#include "SentenceTokens.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(Tokenize, LettersAndNonLettersAlternate) {
    struct Row {
        QString sentence;
        QStringList tokens;
    } rows[] = {
        {"I'm here, too.", {"I", "'", "m", " ", "here", ", ", "too", "."}},
        {"in 1990", {"in", " 1990"}},
        {"Good morning, Tom.", {"Good", " ", "morning", ", ", "Tom", "."}},
        {"", {""}},
        {"1990.", {"1990."}},
        {QStringLiteral("你好 Tom"), {QStringLiteral("你好 "), "Tom"}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(tokenizeSentence(r.sentence), r.tokens) << r.sentence.toStdString();
}

TEST(Tokenize, WordTokensAreClickable) {
    const auto tokens = classifyTokens(tokenizeSentence(u"Good morning, Tom."));
    int clickable = 0;
    for (const auto& t : tokens)
        clickable += t.clickable;
    EXPECT_EQ(clickable, 3);
    EXPECT_FALSE(classifyTokens({""})[0].clickable);
    EXPECT_FALSE(classifyTokens({" 1990"})[0].underlineVisible);
}

struct MergeRow {
    QString sentence;
    QString phrases;
    QStringList visibleCaptions; // captions of the labels left visible
    QList<int> merged;
};

TEST(MergePhrases, Table) {
    const MergeRow rows[] = {
        {"Look at this.", "$look at$", {"Look at", " ", "this", "."}, {0}},
        {"look after it", "$look at$look after$", {"look after", " ", "it"}, {0}},
        // The chain: ‘at’ is hidden after the first merge, yet its own test
        // still matches ‘at the’ and hides ‘the’ too.
        {"look at the book", "$look at$at the$", {"look at", " ", "book"}, {0, 2}},
        // Three-word phrases never merge: only three tokens are tested.
        {"in front of you", "$in front of$", {"in", " ", "front", " ", "of", " ", "you"}, {}},
        // Text outside "$" pairs and different separators do not count.
        {"look, at", "$look at$", {"look", ", ", "at"}, {}},
        {"look at", "look at", {"look", " ", "at"}, {}},
        // A "$" in the sentence cannot glue two phrases together.
        {"a$b", "$a$b$", {"a", "$", "b"}, {}},
    };
    for (const MergeRow& r : rows) {
        auto tokens = classifyTokens(tokenizeSentence(r.sentence));
        const qsizetype count = tokens.size();
        const QList<int> merged = mergePhrases(tokens, r.phrases);
        EXPECT_EQ(tokens.size(), count) << "hidden labels keep their indexes";
        QStringList visible;
        for (const auto& t : tokens)
            if (!t.hidden) visible << t.caption;
        EXPECT_EQ(visible, r.visibleCaptions) << r.sentence.toStdString();
        EXPECT_EQ(merged, r.merged) << r.sentence.toStdString();
    }
}

TEST(MergePhrases, ChainDetails) {
    auto tokens = classifyTokens(tokenizeSentence(u"look at the book"));
    mergePhrases(tokens, u"$LOOK AT$At The$");
    ASSERT_EQ(tokens.size(), 7);
    EXPECT_TRUE(tokens[0].clickable);
    EXPECT_EQ(tokens[2].caption, "at the");
    EXPECT_TRUE(tokens[2].hidden);
    EXPECT_FALSE(tokens[2].underlineVisible);
    EXPECT_TRUE(tokens[4].hidden);
    EXPECT_FALSE(tokens[4].underlineVisible);
    EXPECT_TRUE(tokens[6].clickable);
}

TEST(Layout, WrapsWordsAtTheMargin) {
    // Each token 100 twips per character, 200 high; template "w" 150 wide.
    const QStringList tokens = tokenizeSentence(u"aaaa bbbb, cc");
    QList<QSize> sizes;
    for (const QString& t : tokens)
        sizes << QSize(100 * int(t.size()), 200);
    const TwipsBox templ{0, 105, 150, 200};
    // Panel 1300 wide: margin at 1000.
    const auto boxes = layOutTokens(tokens, sizes, templ, 1300);
    ASSERT_EQ(boxes.size(), 5);
    EXPECT_EQ(boxes[0].left, 150);
    EXPECT_EQ(boxes[0].top, 105);
    EXPECT_EQ(boxes[1].left, 550);
    // ‘bbbb’ would end at 1050 > 1000: new line under the previous label.
    EXPECT_EQ(boxes[2].left, 150);
    EXPECT_EQ(boxes[2].top, 105 + 200 + 45);
    // The separator ‘, ’ may pass the margin.
    EXPECT_EQ(boxes[3].left, 550);
    EXPECT_EQ(boxes[3].top, 350);
    EXPECT_EQ(boxes[4].left, 750);
    EXPECT_EQ(tipPanelTop(boxes, templ), 350 + 200 + 90);

    // A wider panel keeps everything on one line.
    const auto wide = layOutTokens(tokens, sizes, templ, 5000);
    for (const auto& b : wide)
        EXPECT_EQ(b.top, 105);
    EXPECT_EQ(tipPanelTop(wide, templ), 105 + 200 + 90);
}

TEST(Layout, FirstTooWideTokenMovesDownKeepingItsLeft) {
    const QStringList tokens{"enormous"};
    const auto boxes = layOutTokens(tokens, {QSize(2000, 200)}, TwipsBox{0, 105, 150, 200}, 1000);
    EXPECT_EQ(boxes[0].left, 150);
    EXPECT_EQ(boxes[0].top, 105 + 200 + 45);
}

TEST(Layout, SeparatorsNeverWrap) {
    const QStringList tokens{"ab", " 1990 1991 1992"};
    const auto boxes =
        layOutTokens(tokens, {QSize(200, 200), QSize(1600, 200)}, TwipsBox{0, 105, 150, 200}, 1000);
    EXPECT_EQ(boxes[1].top, 105);
    EXPECT_EQ(boxes[1].left, 350);
}
