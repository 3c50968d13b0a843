#include "WholeTextRig.h"

#include <QComboBox>
#include <QPushButton>

namespace {

struct ReadingTest : ::testing::Test {
    WholeTextRig rig;
    QPushButton* command6 = rig.panels->Command6;
    QPushButton* command7 = rig.panels->Command7;
    void start(int sentences, const char* readTimes, const char* pauseSecs) {
        rig.load(lessonOf(sentences), sentences);
        rig.playback->ReadTimesBrowse = readTimes;
        rig.playback->PauseSecsBrowse = pauseSecs;
        rig.tab(2);
    }
    int underlined() const {
        int row = 0, n = 0;
        for (int i = 1; i <= rig.rows()->count(); ++i)
            if (Ui::shown(rig.rows()->row(i).Line3)) row = i, ++n;
        return n == 1 ? row : (n == 0 ? 0 : -1);
    }
    // One play of the current row to its end, then its pause.
    void playThrough() {
        ASSERT_TRUE(rig.playback->EndWatchTimer()->isActive());
        rig.reachEnd();
        ASSERT_TRUE(rig.playback->PauseTimer()->isActive());
        rig.pauseEnds();
    }
    QString caption(const char* utf8) const { return QString::fromUtf8(utf8); }
};

TEST_F(ReadingTest, TheWholeLessonIsReadWithItsRepeatsThenIdle) {
    start(3, "2", "1");
    EXPECT_EQ(rig.playback->PauseTimer()->interval(), 1010);
    rig.click(command6);
    EXPECT_EQ(command6->text(), caption(" 停止朗读(&S)"));
    EXPECT_TRUE(command7->isEnabled());
    EXPECT_EQ(rig.reader()->readingState(), AutoRead::State::Reading);
    QStringList starts;
    for (int row = 1; row <= 3; ++row) {
        for (int play = 1; play <= 2; ++play) {
            SCOPED_TRACE(QString("row %1 play %2").arg(row).arg(play).toStdString());
            EXPECT_EQ(rig.panel()->ReadRow, row);
            EXPECT_EQ(underlined(), row);
            EXPECT_DOUBLE_EQ(rig.player.SentenceStart, row);
            starts << QString::number(rig.player.SentenceStart);
            playThrough();
        }
    }
    EXPECT_EQ(starts, QStringList({"1", "1", "2", "2", "3", "3"}));
    EXPECT_EQ(rig.engine.count("play"), 6);
    EXPECT_EQ(command6->text(), caption(" 全文朗读(&R)"));
    EXPECT_FALSE(command7->isEnabled());
    EXPECT_EQ(underlined(), 0);
    EXPECT_TRUE(rig.idle());
    EXPECT_EQ(rig.reader()->readingState(), AutoRead::State::Idle);
    // The next press starts again at row 1.
    rig.click(command6);
    EXPECT_EQ(rig.panel()->ReadRow, 1);
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 1.0);
}

TEST_F(ReadingTest, ReadCountZeroReadsEveryRowOnce) {
    start(3, "0", "0");
    rig.click(command6);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(rig.panel()->ReadRow, row);
        playThrough();
    }
    EXPECT_EQ(rig.engine.count("play"), 3);
    EXPECT_EQ(command6->text(), caption(" 全文朗读(&R)"));
}

TEST_F(ReadingTest, PauseStopStartBeginsAtRowOneStillSayingContinue) {
    start(5, "1", "0");
    rig.click(command6);
    playThrough(); // row 2 now
    ASSERT_EQ(rig.panel()->ReadRow, 2);
    rig.click(command7);
    EXPECT_EQ(command7->text(), caption(" 继续朗读(&A)"));
    EXPECT_FALSE(rig.engine.playing);
    EXPECT_EQ(rig.reader()->readingState(), AutoRead::State::Paused);
    rig.click(command6); // stop
    EXPECT_EQ(command6->text(), caption(" 全文朗读(&R)"));
    EXPECT_FALSE(command7->isEnabled());
    EXPECT_EQ(command7->text(), caption(" 继续朗读(&A)"));
    EXPECT_FALSE(rig.playback->EndWatchTimer()->isActive());
    EXPECT_EQ(underlined(), 0);
    rig.click(command6); // start
    EXPECT_EQ(rig.panel()->ReadRow, 1);
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 1.0);
    EXPECT_TRUE(command7->isEnabled());
    EXPECT_EQ(command7->text(), caption(" 继续朗读(&A)"));
    EXPECT_EQ(rig.scroll()->listTop(), 0);
    rig.engine.calls.clear();
    rig.click(command7);
    EXPECT_EQ(command7->text(), caption(" 暂停朗读(&P)"));
    EXPECT_EQ(rig.engine.calls, QStringList({"play"}));
}

TEST_F(ReadingTest, APlayIconClickPlaysThatRowAndTheReadingGoesOnFromItsOwnRow) {
    start(6, "1", "0");
    rig.click(command6);
    playThrough();
    ASSERT_EQ(rig.panel()->ReadRow, 2);
    rig.click(rig.element("Image2", 5));
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 5.0);
    EXPECT_EQ(underlined(), 5);
    EXPECT_EQ(rig.panel()->ReadRow, 2);
    playThrough();
    EXPECT_EQ(rig.panel()->ReadRow, 3);
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 3.0);
    EXPECT_EQ(underlined(), 3);
}

TEST_F(ReadingTest, AnEnglishLineClickMakesTheReadingContinueAfterThatRow) {
    start(6, "1", "0");
    rig.click(command6);
    rig.click(rig.element("Label6", 4));
    EXPECT_EQ(rig.panel()->ReadRow, 4);
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 4.0);
    playThrough();
    EXPECT_EQ(rig.panel()->ReadRow, 5);
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 5.0);
}

TEST_F(ReadingTest, AClickOnTheListBackgroundStops) {
    start(4, "1", "0");
    rig.click(command6);
    rig.click(command7);
    QTest::mouseClick(rig.panels->Picture2, Qt::LeftButton, {},
                      QPoint(2, px(rig.rows()->row(2).english.top) + 2));
    EXPECT_EQ(command6->text(), caption(" 全文朗读(&R)"));
    EXPECT_EQ(command7->text(), caption(" 暂停朗读(&P)"));
    EXPECT_FALSE(command7->isEnabled());
    EXPECT_FALSE(rig.playback->EndWatchTimer()->isActive());
    EXPECT_EQ(underlined(), 0);
}

TEST_F(ReadingTest, AStopDuringThePauseLetsTheRepeatsSoundButNotTheNextRow) {
    start(3, "2", "1");
    rig.click(command6);
    rig.reachEnd(); // pause after the first play of row 1
    rig.click(command6);
    rig.pauseEnds();
    EXPECT_TRUE(rig.playback->EndWatchTimer()->isActive()); // second play of row 1
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 1.0);
    playThrough();
    EXPECT_TRUE(rig.idle());
    EXPECT_EQ(rig.engine.count("play"), 2);
}

TEST_F(ReadingTest, AnyTabChangeStops) {
    for (int k : {1, 3, 4, 5, 8}) {
        start(4, "1", "0");
        rig.click(command6);
        rig.tab(k);
        EXPECT_EQ(command6->text(), caption(" 全文朗读(&R)")) << k;
        EXPECT_FALSE(command7->isEnabled()) << k;
        rig.tab(2);
        EXPECT_EQ(command6->text(), caption(" 全文朗读(&R)")) << k;
        EXPECT_FALSE(rig.playback->PauseTimer()->isActive());
    }
}

TEST_F(ReadingTest, TheRowBeingReadIsKeptInViewByHalfViewports) {
    start(60, "1", "0");
    WholeTextScroll* scroll = rig.scroll();
    const int vh = scroll->viewportHeight();
    rig.click(command6);
    int expectedTop = 0;
    for (int row = 1; row <= 60; ++row) {
        ASSERT_EQ(rig.panel()->ReadRow, row);
        ASSERT_EQ(scroll->listTop(), expectedTop) << row;
        playThrough();
        if (row == 60) break;
        const TwipsBox& next = rig.rows()->row(row + 1).english;
        if (next.top + expectedTop + next.height > vh) {
            const int rest = scroll->listHeight() - vh + expectedTop;
            expectedTop = rest >= vh / 2 ? expectedTop - vh / 2 : vh - scroll->listHeight();
        }
    }
    EXPECT_LT(scroll->listTop(), -vh); // it did move, by more than one viewport
    const TwipsBox& last = rig.rows()->row(60).english;
    EXPECT_LE(last.top + scroll->listTop() + last.height, vh); // the last row in view
    const int range = scroll->listHeight() - vh;
    EXPECT_EQ(scroll->thumbTop(),
              int(-double(scroll->listTop()) / range * 100.0) * scroll->travel() / 100 + 255);
}

} // namespace
