#include "PlaybackRig.h"
#include "Ui.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

struct CycleTest : ::testing::Test {
    PlaybackRig rig;
    void SetUp() override {
        rig.player.LessonAudioPath = "lesson.mp3";
        rig.player.VoiceOpen();
        rig.player.setSentenceTimes(1.0, 2.5);
        rig.engine.calls.clear();
    }
    void setRepeats(const QString& count, const QString& pause) {
        rig.playback->setRepeatTexts(count, pause);
        rig.playback->applyPauseInterval();
    }
    // The engine passes the sentence's end and the 30 ms watch notices it.
    void reachEnd() {
        rig.engine.setPosition(2.5);
        rig.playback->EndWatchTimer_Timer();
    }
    bool idle() const {
        return !rig.playback->EndWatchTimer()->isActive() &&
               !rig.playback->PauseTimer()->isActive();
    }
};

TEST_F(CycleTest, ReadCountThreeWithPauseTwoPlaysThreeTimesThenIdles) {
    setRepeats("3", "2");
    QTest::mouseClick(rig.presenter->Command4, Qt::LeftButton);
    EXPECT_TRUE(rig.playback->EndWatchTimer()->isActive());
    EXPECT_EQ(rig.playback->EndWatchTimer()->interval(), 30);
    EXPECT_EQ(rig.engine.calls, QStringList({"seek:1", "play"}));

    for (int play = 1; play <= 3; ++play) {
        rig.engine.setPosition(2.4); // not there yet
        rig.playback->EndWatchTimer_Timer();
        ASSERT_TRUE(rig.playback->EndWatchTimer()->isActive());
        ASSERT_EQ(rig.playback->PlayCount, play - 1);

        reachEnd();
        EXPECT_EQ(rig.playback->PlayCount, play);
        EXPECT_FALSE(rig.playback->EndWatchTimer()->isActive());
        ASSERT_TRUE(rig.playback->PauseTimer()->isActive());
        EXPECT_EQ(rig.playback->PauseTimer()->interval(), 2010);
        EXPECT_FALSE(rig.engine.playing);
        rig.playback->PauseTimer_Timer();
    }
    EXPECT_TRUE(idle());
    EXPECT_EQ(rig.playback->PlayCount, 3);
    EXPECT_EQ(rig.engine.count("play"), 3);
    EXPECT_EQ(rig.engine.count("seek:1"), 3);

    // Pressing play again after the repeats plays once more, without repeats.
    rig.playback->PlaySentence();
    reachEnd();
    rig.playback->PauseTimer_Timer();
    EXPECT_TRUE(idle());
    EXPECT_EQ(rig.engine.count("play"), 4);
}

TEST_F(CycleTest, StopDuringThePauseLeavesTheRepeatsRunning) {
    setRepeats("3", "2");
    rig.playback->PlaySentence();
    reachEnd();
    ASSERT_TRUE(rig.playback->PauseTimer()->isActive());

    rig.playback->Stop();
    EXPECT_FALSE(rig.playback->EndWatchTimer()->isActive());
    EXPECT_TRUE(rig.playback->PauseTimer()->isActive()); // the documented quirk

    rig.playback->PauseTimer_Timer(); // the second play follows
    EXPECT_EQ(rig.engine.count("play"), 2);
    reachEnd();
    rig.playback->PauseTimer_Timer(); // and the third
    reachEnd();
    rig.playback->PauseTimer_Timer();
    EXPECT_EQ(rig.engine.count("play"), 3);
    EXPECT_TRUE(idle());
}

TEST_F(CycleTest, StopWhilePlayingEndsTheCycle) {
    setRepeats("3", "0");
    rig.playback->PlaySentence();
    rig.playback->Stop();
    EXPECT_TRUE(idle());
    EXPECT_EQ(rig.engine.calls.last(), "pause");
}

TEST_F(CycleTest, SelectorsAreReadLeniently) {
    struct Case {
        QString count, pause;
        int plays, intervalMs;
    };
    const Case cases[] = {{"0", "0", 1, 10},   {"", "", 1, 10},        {"2 ", "1", 2, 1010},
                          {"abc", "x", 1, 10}, {"2x", "0.5s", 2, 510}, {"1", "60", 1, 60010}};
    for (const Case& c : cases) {
        rig.engine.calls.clear();
        rig.playback->PlayCount = 0;
        setRepeats(c.count, c.pause);
        EXPECT_EQ(rig.playback->PauseTimer()->interval(), c.intervalMs) << c.pause.toStdString();
        rig.playback->PlaySentence();
        for (int i = 0; i < 5 && !idle(); ++i) {
            reachEnd();
            rig.playback->PauseTimer_Timer();
        }
        EXPECT_TRUE(idle());
        EXPECT_EQ(rig.engine.count("play"), c.plays) << c.count.toStdString();
    }
}

TEST_F(CycleTest, SpeedCaptionsSetTheRateAndOneMark) {
    auto* fast = rig.named<QLabel>("Label20_2");
    ASSERT_NE(fast, nullptr);
    QTest::mouseClick(fast, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(rig.engine.rate, 2.0);
    EXPECT_TRUE(rig.named<QRadioButton>("Option3")->isChecked());
    EXPECT_FALSE(rig.named<QRadioButton>("Option2")->isChecked());

    rig.playback->PlaySentence();
    rig.engine.calls.clear();
    QTest::mouseClick(rig.named<QLabel>("Label20_1"), Qt::LeftButton);
    QTest::mouseClick(rig.named<QLabel>("Label20_1"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(rig.engine.rate, 1.0);
    // The playing sentence is not restarted.
    EXPECT_EQ(rig.engine.count("seek:1"), 0);
    EXPECT_EQ(rig.engine.count("play"), 0);
    const QImage on = rig.pictures.bitmap("t.jpg").toImage();
    int marks = 0;
    for (int k = 0; k < 3; ++k)
        marks += rig.named<QLabel>(Ui::arrayName("Image9", k))->pixmap().toImage() == on;
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(rig.playback->speedChoice(), 1);

    QTest::mouseClick(rig.named<QLabel>("Label20_0"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(rig.engine.rate, 0.5);
}

TEST(CycleKindOne, TimesAreWholeMillisecondsAndSpeedIsIgnored) {
    PlaybackRig rig(1);
    rig.player.LessonAudioPath = "lesson.mp3";
    rig.player.VoiceOpen();
    rig.player.setSentenceTimes(12.34, 13.0);
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 12340);
    rig.engine.calls.clear();
    rig.playback->PlaySentence();
    EXPECT_EQ(rig.engine.calls, QStringList({"seek:12.34", "play"}));
    rig.engine.setPosition(12.999);
    rig.playback->EndWatchTimer_Timer();
    EXPECT_TRUE(rig.playback->EndWatchTimer()->isActive());
    rig.engine.setPosition(13.0);
    rig.playback->EndWatchTimer_Timer();
    EXPECT_EQ(rig.playback->PlayCount, 1);
    QTest::mouseClick(rig.named<QLabel>("Label20_2"), Qt::LeftButton);
    EXPECT_EQ(rig.engine.count("rate:2"), 0);
    EXPECT_TRUE(rig.named<QRadioButton>("Option3")->isChecked());
}

TEST_F(CycleTest, ChoicesAreRememberedPerMode) {
    auto* combo2 = rig.playback->Combo2();
    auto* combo3 = rig.playback->Combo3();
    struct Case {
        int mode;
        bool study, browse;
    };
    for (const Case c : {Case{1, true, false}, Case{2, false, true}, Case{5, false, false}}) {
        rig.state.StudyMode = c.mode;
        rig.playback->ReadTimesStudy = rig.playback->ReadTimesBrowse = "-";
        rig.playback->PauseSecsStudy = rig.playback->PauseSecsBrowse = "-";
        rig.playback->PlayCount = 2;
        combo2->setCurrentIndex(4);
        combo2->setFocus();
        QTest::keyClick(combo2, Qt::Key_Down); // the learner picks "5"
        EXPECT_EQ(combo2->currentText(), "5");
        EXPECT_EQ(rig.playback->PlayCount, 0);
        EXPECT_EQ(rig.playback->ReadTimesStudy, c.study ? "5" : "-");
        EXPECT_EQ(rig.playback->ReadTimesBrowse, c.browse ? "5" : "-");
        combo3->setCurrentIndex(11);
        combo3->setFocus();
        QTest::keyClick(combo3, Qt::Key_Down); // "30"
        EXPECT_EQ(rig.playback->PauseSecsStudy, c.study ? "30" : "-");
        EXPECT_EQ(rig.playback->PauseSecsBrowse, c.browse ? "30" : "-");
        EXPECT_EQ(rig.playback->PauseTimer()->interval(), 30010);
    }
}

TEST_F(CycleTest, ComparePlaysTheRecordingAtTheSentenceEndOnlyInModeFive) {
    int ended = 0;
    QObject::connect(rig.playback, &SentencePlayback::sentenceEnded, [&] { ++ended; });
    rig.state.StudyMode = 1;
    rig.playback->PlaySentence();
    reachEnd();
    EXPECT_EQ(ended, 0);
    rig.state.StudyMode = 5;
    rig.playback->PlaySentence();
    reachEnd();
    EXPECT_EQ(ended, 1);
}

} // namespace
