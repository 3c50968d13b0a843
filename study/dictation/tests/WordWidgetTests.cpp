#include "FakeAudioEngine.h"
#include "QtPrinters.h"
#include "Twips.h"
#include "WordPanel.h"
#include "WordPlayer.h"
#include "WordStrip.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct StripWindow {
    QWidget window;
    QWidget* picture12 = new QWidget(&window);
    QWidget* picture13 = new QWidget(&window);
    QWidget* picture14 = new QWidget(&window);
    WordStrip strip{picture12, picture14, picture13};

    explicit StripWindow(int panelWidthPx = 900) {
        window.resize(1200, 800);
        picture12->setGeometry(0, 0, panelWidthPx, 300);
        picture13->setGeometry(0, 400, 900, 300);
        picture14->setGeometry(40, 0, 200, 40);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

QStringList visibleCaptions(const WordStrip& strip) {
    QStringList out;
    for (int i = 1; i < strip.count(); ++i)
        if (strip.wordLabel(i)->isVisibleTo(strip.wordLabel(i)->parentWidget()))
            out << strip.wordLabel(i)->text();
    return out;
}

} // namespace

TEST(WordStrip, OneLabelPerTokenWithWindowNames) {
    StripWindow w;
    w.strip.LayOutSentenceWords("Good morning, Tom.");
    ASSERT_EQ(w.strip.count(), 7); // template + 6 tokens
    EXPECT_EQ(w.strip.wordLabel(0)->objectName(), "SenWordLabel_0");
    EXPECT_EQ(w.strip.wordLabel(3)->objectName(), "SenWordLabel_3");
    EXPECT_EQ(w.strip.gapLabel(3)->objectName(), "WriteWordLabel_3");
    EXPECT_EQ(w.strip.gapLine(3)->objectName(), "WriteWordLine_3");
    EXPECT_EQ(visibleCaptions(w.strip), QStringList({"Good", " ", "morning", ", ", "Tom", "."}));
    int clickable = 0;
    for (int i = 1; i < w.strip.count(); ++i)
        clickable += w.strip.isClickable(i);
    EXPECT_EQ(clickable, 3);
    // Left to right from the template's right edge, on one line.
    EXPECT_EQ(w.strip.wordLabel(1)->x(), w.strip.wordLabel(0)->x() + w.strip.wordLabel(0)->width());
    EXPECT_EQ(w.strip.wordLabel(2)->x(), w.strip.wordLabel(1)->geometry().right() + 1);
    EXPECT_FALSE(w.strip.gapLine(2)->isVisibleTo(w.picture13));
    EXPECT_TRUE(w.strip.gapLine(3)->isVisibleTo(w.picture13));

    // The next layout replaces every label.
    w.strip.LayOutSentenceWords("in 1990");
    EXPECT_EQ(w.strip.count(), 3);
    EXPECT_EQ(visibleCaptions(w.strip), QStringList({"in", " 1990"}));
    EXPECT_FALSE(w.strip.isClickable(2));
}

TEST(WordStrip, MergedPhraseKeepsIndexes) {
    StripWindow w;
    w.strip.setPhraseList("$look at$at the$");
    w.strip.LayOutSentenceWords("Look at this.");
    EXPECT_EQ(w.strip.count(), 7);
    EXPECT_EQ(visibleCaptions(w.strip), QStringList({"Look at", " ", "this", "."}));
    EXPECT_TRUE(w.strip.isClickable(1));
    EXPECT_EQ(w.strip.wordLabel(2)->width(), 1);
    EXPECT_FALSE(w.strip.isClickable(3));
    // The underline runs under the whole phrase.
    QLabel* merged = w.strip.wordLabel(1);
    EXPECT_EQ(w.strip.gapLine(1)->x() + w.strip.gapLine(1)->width(), merged->x() + merged->width());

    w.strip.LayOutSentenceWords("look at the book");
    EXPECT_EQ(visibleCaptions(w.strip), QStringList({"look at", " ", "book"}));
}

TEST(WordStrip, WrapsAtTheMarginAndPlacesTheTip) {
    for (int width : {900, 400, 200}) {
        StripWindow w(width);
        w.strip.LayOutSentenceWords(
            "The quick brown fox jumps over the lazy dog near the river bank.");
        int lines = 1;
        for (int i = 2; i < w.strip.count(); ++i) {
            QLabel* l = w.strip.wordLabel(i);
            if (l->y() > w.strip.wordLabel(i - 1)->y()) {
                ++lines;
                EXPECT_TRUE(w.strip.isClickable(i)) << "only words wrap";
                EXPECT_EQ(l->y(), w.strip.wordLabel(i - 1)->y() +
                                      w.strip.wordLabel(i - 1)->height() + px(45));
            }
        }
        if (width < 900) {
            EXPECT_GT(lines, 1) << width;
        }
        QLabel* last = w.strip.wordLabel(w.strip.count() - 1);
        EXPECT_EQ(w.picture14->y(), last->y() + last->height() + px(90)) << width;
        EXPECT_EQ(w.picture14->x(), 40);
    }
}

TEST(WordStrip, ClickOnWordAsksForLookupSeparatorIgnored) {
    StripWindow w;
    w.strip.LayOutSentenceWords("Good morning, Tom.");
    QSignalSpy spy(&w.strip, &WordStrip::wordClicked);
    QTest::mouseClick(w.strip.wordLabel(4), Qt::LeftButton); // ", "
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(w.picture14->x(), 40);
    QTest::mouseClick(w.strip.wordLabel(3), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), "morning");
    EXPECT_EQ(w.picture14->x(), px(WordStrip::kTipHiddenLeftTwips));
}

TEST(WordStrip, SentenceWithoutLettersHasNothingToClick) {
    StripWindow w;
    w.strip.LayOutSentenceWords("1990.");
    EXPECT_EQ(w.strip.count(), 2);
    EXPECT_FALSE(w.strip.isClickable(1));
    w.strip.LayOutSentenceWords("");
    EXPECT_EQ(w.strip.count(), 2);
    EXPECT_FALSE(w.strip.isClickable(1));
}

namespace {

struct PanelWindow {
    QTemporaryDir dir;
    QWidget window;
    QWidget* wordPicture = new QWidget(&window);
    FakeAudioEngine engine;
    WordPlayer player{&engine};
    Dictionary dictionary{"$hello[hə'ləʊ]int. 你好$run[rʌn]v. 跑$look at[]看$" +
                          QString("pneumonoultramicroscopicsilicovolcanoconiosisandmore") +
                          "[x]n. 长词$"};
    WordPanel panel{wordPicture, &dictionary, &player, ProgramFolder(dir.path())};
    QList<QUrl> opened;

    PanelWindow() {
        window.resize(1000, 700);
        panel.setUrlOpener([this](const QUrl& u) { opened << u; });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QPoint global(int x, int y) const { return window.mapToGlobal(QPoint(x, y)); }
    void addRecording(const QString& relative) {
        const QString path = dir.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

} // namespace

TEST(WordPanel, ShowsEntryInDictionaryForm) {
    PanelWindow w;
    w.panel.openForWord("Hello", w.global(100, 100));
    EXPECT_TRUE(w.wordPicture->isVisible());
    EXPECT_EQ(w.panel.headwordLabel()->text(), "hello");
    EXPECT_EQ(w.panel.phoneticLabel()->text(), QStringLiteral("hə'ləʊ"));
    EXPECT_EQ(w.panel.phoneticLabel()->font().family(), "DejaVu Sans");
    EXPECT_EQ(w.panel.meaningLabel()->text(), QStringLiteral("int. 你好"));
    EXPECT_EQ(w.panel.linkLabel()->text(), QStringLiteral("<词典>"));
    EXPECT_EQ(w.panel.linkLabel()->x(),
              px(twips(w.panel.headwordLabel()->x() + w.panel.headwordLabel()->width()) + 90));
}

TEST(WordPanel, PlacementNearTheEdges) {
    PanelWindow w;
    const int panelW = px(WordPanel::kDesignWidthTwips), panelH = px(WordPanel::kDesignHeightTwips);
    struct Row {
        int x, y;
        int left, top;
    } rows[] = {
        {100, 100, px(1500 + 230), px(1500 + 230)},           // right of and below the pointer
        {950, 100, px(14250 - 2295), px(1500 + 230)},         // opens to the left
        {100, 650, px(1500 + 230), px(9750 - 210 - 1350)},    // opens above
        {990, 690, px(14850 - 2295), px(10350 - 210 - 1350)}, // both
    };
    for (const Row& r : rows) {
        w.panel.LookUpWord("hello", w.global(r.x, r.y));
        EXPECT_EQ(w.wordPicture->pos(), QPoint(r.left, r.top)) << r.x << "," << r.y;
        EXPECT_EQ(w.wordPicture->size(), QSize(panelW, panelH));
    }
}

TEST(WordPanel, LongHeadwordWidensPanelShortOneRestoresIt) {
    PanelWindow w;
    w.panel.LookUpWord("pneumonoultramicroscopicsilicovolcanoconiosisandmore", w.global(10, 10));
    QLabel* link = w.panel.linkLabel();
    const int linkRight = twips(link->x() + link->width());
    ASSERT_GT(linkRight, WordPanel::kDesignWidthTwips - 75);
    EXPECT_EQ(w.wordPicture->width(), px(linkRight + 75));
    EXPECT_EQ(w.panel.frame()->width(), w.wordPicture->width());
    w.panel.LookUpWord("run", w.global(10, 10));
    EXPECT_EQ(w.wordPicture->width(), px(WordPanel::kDesignWidthTwips));
    EXPECT_EQ(w.panel.frame()->width(), w.wordPicture->width());
    EXPECT_LE(link->x() + link->width(), w.wordPicture->width());
}

TEST(WordPanel, FallbackPlaysBaseFormAndOpensItsPage) {
    PanelWindow w;
    w.addRecording("Word/r/run.wav");
    w.panel.openForWord("running", w.global(100, 100));
    EXPECT_EQ(w.panel.headwordLabel()->text(), "run");
    EXPECT_EQ(w.panel.linkLabel()->x(),
              px(twips(w.panel.headwordLabel()->x() + w.panel.headwordLabel()->width()) + 110));
    EXPECT_EQ(w.engine.calls, QStringList({"open:" + w.dir.path() + "/Word/r/run.wav", "play"}));

    const QPoint linkAt = w.panel.linkLabel()->pos();
    for (int i = 0; i < 2; ++i) {
        QTest::mousePress(w.panel.linkLabel(), Qt::LeftButton);
        EXPECT_EQ(w.panel.linkLabel()->pos(), linkAt + QPoint(1, 1));
        QTest::mouseRelease(w.panel.linkLabel(), Qt::LeftButton);
        EXPECT_EQ(w.panel.linkLabel()->pos(), linkAt);
    }
    ASSERT_EQ(w.opened.size(), 2);
    EXPECT_EQ(w.opened[0].toString(), WordPanel::onlineDictionaryBase() + "run");
}

TEST(WordPanel, NotFoundStopsPreviousSoundAndTriesItsOwnFile) {
    PanelWindow w;
    w.addRecording("Word/h/hello.wav");
    w.panel.openForWord("hello", w.global(100, 100));
    w.engine.calls.clear();
    w.panel.openForWord("xyz", w.global(100, 100));
    EXPECT_EQ(w.panel.headwordLabel()->text(), "xyz");
    EXPECT_EQ(w.panel.meaningLabel()->text(), QStringLiteral("<没找到!>"));
    EXPECT_TRUE(w.panel.phoneticLabel()->text().isEmpty());
    // Stopped, then the missing \Word\x\xyz.wav is silent.
    EXPECT_EQ(w.engine.calls, QStringList({"pause", "close"}));
}

TEST(WordPanel, FoundWordWithoutRecordingIsSilent) {
    PanelWindow w;
    w.panel.openForWord("hello", w.global(100, 100));
    EXPECT_EQ(w.engine.calls, QStringList({"close"}));
    EXPECT_FALSE(w.engine.playing);
}

TEST(WordPanel, PhraseAddressEscapesOnlyTheBlank) {
    PanelWindow w;
    w.panel.openForWord("look at", w.global(100, 100));
    EXPECT_EQ(w.panel.headwordLabel()->text(), "look at");
    w.panel.WebWordFindLabel_MouseDown();
    w.panel.WebWordFindLabel_MouseUp();
    ASSERT_EQ(w.opened.size(), 1);
    EXPECT_EQ(w.opened[0].toEncoded(), (WordPanel::onlineDictionaryBase() + "look%20at").toUtf8());
}
