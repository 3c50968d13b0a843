#include "ComparePanel.h"
#include "PlaybackRig.h"
#include "Ui.h"
#include "VoiceRecorder.h"
#include "WavFile.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A microphone the test speaks into: `pending` is what has been captured.
class FakeVoiceSource : public VoiceSource {
public:
    bool present = true;
    bool capturing = false;
    QByteArray pending;

    bool available() const override { return present; }
    bool start() override { return capturing = present; }
    QByteArray readAll() override { return std::exchange(pending, {}); }
    void stop() override { capturing = false; }
    int sampleRate() const override { return 16000; }
    int channels() const override { return 1; }
};

QByteArray samples(int count, qint16 first) {
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        const qint16 v = qint16(first + i);
        out.append(reinterpret_cast<const char*>(&v), 2);
    }
    return out;
}

// The playback rig with the compare panel on a fake microphone; the
// recording plays through an engine of its own.
struct CompareTest : ::testing::Test {
    PlaybackRig rig;
    FakeVoiceSource source;
    FakeAudioEngine recordingEngine;
    std::unique_ptr<VoiceRecorder> recorder;
    ComparePanel* panel = nullptr;

    QString wav() const { return rig.dir.filePath("Recorder.wav"); }

    void SetUp() override {
        recorder = std::make_unique<VoiceRecorder>(&source, &recordingEngine, wav());
        panel = new ComparePanel(rig.form.get(), &rig.state, rig.panels, rig.playback,
                                 recorder.get(), &rig.notifier);
        rig.presenter->beginLesson(lessonOf(5), 5);
        rig.modes->cc();
        clickTab(5);
        rig.engine.calls.clear();
    }
    void clickTab(int k) { QTest::mouseClick(rig.modes->tab(k), Qt::LeftButton); }
    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    // 循环对比, 停止, 您的发音 as "on"/"off" letters: "010" is recording.
    std::string buttons() const {
        std::string s;
        for (auto* b : {panel->Command9, panel->Command10, panel->Command12})
            s += b->isEnabled() ? '1' : '0';
        return s;
    }
    void record(const QByteArray& voice) {
        click(panel->Command8);
        source.pending = voice;
        click(panel->Command10);
    }
    // The lesson's sentence n reaches its end (sentence n lasts n .. n + 0.5 s).
    void sentenceReachesEnd(int n = 1) {
        rig.engine.setPosition(n + 0.5);
        rig.playback->EndWatchTimer_Timer();
    }
    bool sentencePlaying() const { return rig.playback->EndWatchTimer()->isActive(); }
    int sentencePlays() const { return rig.engine.count("play"); }
    int recordingPlays() const { return recordingEngine.count("play"); }
};

TEST_F(CompareTest, ButtonsCaptionsAndTheirStatesAtStart) {
    const std::pair<QPushButton*, const char*> captions[] = {
        {panel->Command8, "录音"},      {panel->Command9, "循环对比"},
        {panel->Command10, "停止"},     {panel->Command11, "标准发音"},
        {panel->Command12, "您的发音"}, {panel->Command13, "上一句"},
        {panel->Command14, "下一句"},   {panel->Command15, "首句"}};
    for (auto [button, caption] : captions) {
        ASSERT_NE(button, nullptr) << caption;
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        EXPECT_EQ(button->parentWidget(), rig.panels->Picture4);
    }
    EXPECT_EQ(buttons(), "000") << "an earlier run's recording cannot be played first";
    EXPECT_TRUE(panel->Command8->isEnabled());
    EXPECT_TRUE(panel->Command11->isEnabled());
    EXPECT_TRUE(panel->Command15->isEnabled());
    EXPECT_FALSE(panel->Command13->isEnabled()); // on sentence 1
    EXPECT_TRUE(panel->Command14->isEnabled());
    EXPECT_TRUE(Ui::shown(rig.panels->Picture4));
    EXPECT_TRUE(Ui::shown(rig.panels->Label13));
}

// Each step of the learner and the states of 循环对比, 停止, 您的发音 after it.
TEST_F(CompareTest, TheStateTable) {
    struct Step {
        const char* press;
        std::string after;
    };
    const Step steps[] = {
        {"Command8", "010"},  // no recording -> recording
        {"Command10", "101"}, // recording -> recorded
        {"Command8", "111"}, // recorded -> recording: 循环对比 and 您的发音 keep their states
        {"Command10", "101"}, //
        {"Command9", "011"},  // recorded -> looping
        {"Command10", "101"}, // looping -> recorded
        {"Command15", "101"}, // 首句 keeps the recording buttons
        {"Command14", "000"}, // a sentence change -> no recording
        {"Command8", "010"},  //
        {"Command10", "101"}, //
        {"Command9", "011"},  //
        {"Command13", "000"}, // from looping too
        {"Command8", "010"},  //
        {"Command13", "000"}, // and from recording, which it ends
        {"Command11", "000"}, // the sentence plays in any state
        {"Command8", "010"},  //
        {"Command11", "010"}, //
        {"Command10", "101"}, //
        {"Command12", "101"}, // hearing oneself changes nothing
        {"Command11", "101"}, //
        {"Command15", "101"}, //
    };
    rig.presenter->NextSentence(); // sentence 2, so that 上一句 can be pressed
    for (const Step& s : steps) {
        auto* b = rig.panels->Picture4->findChild<QPushButton*>(s.press);
        if (b == panel->Command13 && rig.presenter->SentenceNo() == 1)
            rig.presenter->NextSentence(); // moves without touching the recording buttons
        ASSERT_TRUE(b->isEnabled()) << s.press;
        click(b);
        EXPECT_EQ(buttons(), s.after) << "after " << s.press;
        EXPECT_EQ(panel->loopActive(), s.after == "011") << s.press;
    }
    EXPECT_TRUE(rig.notifier.shown.isEmpty());
}

TEST_F(CompareTest, EachRecordingReplacesTheFile) {
    // A file of an earlier run is there but is never played.
    ASSERT_TRUE(WavFile::write(wav(), {16000, 1, samples(50, 7)}));
    click(panel->Command12);
    EXPECT_EQ(recordingPlays(), 0);

    record(samples(400, 0));
    EXPECT_FALSE(recorder->isRecording());
    auto pcm = WavFile::read(wav());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->samples, samples(400, 0));

    record(samples(200, 1000));
    pcm = WavFile::read(wav());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->samples, samples(200, 1000));

    click(panel->Command12);
    EXPECT_EQ(recordingEngine.calls.mid(recordingEngine.calls.size() - 2),
              QStringList({"open:" + wav(), "play"}));
}

TEST_F(CompareTest, ThreeTurnsOfTheLoop) {
    record(samples(800, 0));
    recordingEngine.calls.clear();
    click(panel->Command9);
    for (int turn = 1; turn <= 3; ++turn) {
        // The sentence plays from its start ...
        EXPECT_TRUE(sentencePlaying()) << "turn " << turn;
        EXPECT_EQ(sentencePlays(), turn);
        EXPECT_EQ(rig.engine.count("seek:1"), turn);
        EXPECT_EQ(recordingPlays(), turn - 1);
        // ... then the recording, from its start ...
        sentenceReachesEnd();
        EXPECT_FALSE(sentencePlaying());
        ASSERT_EQ(recordingPlays(), turn);
        EXPECT_EQ(recordingEngine.calls.last(2).first(), "open:" + wav());
        EXPECT_TRUE(recorder->isPlaying());
        // ... and the recording's end brings the sentence back.
        rig.playback->PauseTimer_Timer(); // the pause after the play adds no repeat
        EXPECT_EQ(sentencePlays(), turn);
        recordingEngine.finish();
    }
    EXPECT_EQ(sentencePlays(), 4);
    EXPECT_EQ(buttons(), "011");

    click(panel->Command10);
    EXPECT_EQ(buttons(), "101");
    EXPECT_FALSE(sentencePlaying());
    EXPECT_EQ(rig.engine.calls.last(), "pause");
    // Nothing goes on by itself once stopped.
    sentenceReachesEnd();
    recordingEngine.finish();
    EXPECT_EQ(sentencePlays(), 4);
    EXPECT_EQ(recordingPlays(), 3);
}

TEST_F(CompareTest, StopDuringTheRecordingsTurnEndsTheLoop) {
    record(samples(800, 0));
    click(panel->Command9);
    sentenceReachesEnd();
    ASSERT_TRUE(recorder->isPlaying());
    click(panel->Command10);
    EXPECT_FALSE(recorder->isPlaying());
    EXPECT_EQ(recordingEngine.calls.last(), "pause");
    recordingEngine.finish();
    EXPECT_EQ(sentencePlays(), 1);
    EXPECT_FALSE(sentencePlaying());
}

TEST_F(CompareTest, NextSentenceDuringTheLoop) {
    record(samples(800, 0));
    click(panel->Command9);
    sentenceReachesEnd();
    recordingEngine.finish(); // second turn: the sentence plays again
    ASSERT_TRUE(sentencePlaying());

    click(panel->Command14);
    EXPECT_EQ(rig.presenter->SentenceNo(), 2) << "one step, not two";
    EXPECT_EQ(rig.panels->Label10->text(), "Sentence 2 here.");
    EXPECT_EQ(buttons(), "000");
    EXPECT_FALSE(panel->loopActive());
    EXPECT_FALSE(sentencePlaying());
    EXPECT_EQ(rig.engine.calls.last(), "pause");
    EXPECT_TRUE(panel->Command8->isEnabled());

    // The loop is over: neither end starts the other.
    const int plays = sentencePlays();
    sentenceReachesEnd(2);
    recordingEngine.finish();
    EXPECT_EQ(sentencePlays(), plays);
    EXPECT_EQ(recordingPlays(), 1);
}

TEST_F(CompareTest, NextSentenceWhileTheRecordingPlaysStopsIt) {
    record(samples(800, 0));
    click(panel->Command9);
    sentenceReachesEnd();
    ASSERT_TRUE(recorder->isPlaying());
    click(panel->Command14);
    EXPECT_FALSE(recorder->isPlaying());
    recordingEngine.finish();
    EXPECT_EQ(sentencePlays(), 1);
}

TEST_F(CompareTest, AnotherLessonEndsTheLoopLikeASentenceChange) {
    record(samples(800, 0));
    click(panel->Command9);
    sentenceReachesEnd();
    ASSERT_TRUE(recorder->isPlaying());
    rig.presenter->beginLesson(lessonOf(4), 4);
    panel->lessonLoaded();
    EXPECT_EQ(buttons(), "000");
    EXPECT_FALSE(recorder->isPlaying());
    recordingEngine.finish();
    EXPECT_EQ(sentencePlays(), 1) << "the old recording starts nothing in the new lesson";
}

TEST_F(CompareTest, StandardPronunciationDuringTheLoop) {
    record(samples(800, 0));
    click(panel->Command9);
    // While the sentence plays: it starts again from its start.
    click(panel->Command11);
    EXPECT_EQ(sentencePlays(), 2);
    EXPECT_EQ(rig.engine.count("seek:1"), 2);
    EXPECT_EQ(buttons(), "011");
    sentenceReachesEnd();
    EXPECT_EQ(recordingPlays(), 1) << "the loop goes on at the sentence's end";

    // While the recording plays: the recording gives way and the sentence is
    // heard once more; the loop goes on from its end.
    click(panel->Command11);
    EXPECT_FALSE(recorder->isPlaying());
    EXPECT_TRUE(sentencePlaying());
    EXPECT_EQ(sentencePlays(), 3);
    recordingEngine.finish(); // a late end of the stopped playback starts nothing
    EXPECT_EQ(sentencePlays(), 3);
    sentenceReachesEnd();
    EXPECT_EQ(recordingPlays(), 2);
    recordingEngine.finish();
    EXPECT_EQ(sentencePlays(), 4);
    EXPECT_EQ(buttons(), "011");
}

TEST_F(CompareTest, OnceWithoutTheLoop) {
    record(samples(800, 0));
    click(panel->Command11);
    sentenceReachesEnd();
    EXPECT_EQ(recordingPlays(), 0) << "no loop: the sentence plays alone";
    click(panel->Command12);
    EXPECT_EQ(recordingPlays(), 1);
    recordingEngine.finish();
    EXPECT_EQ(sentencePlays(), 1) << "no loop: the recording plays alone";
}

TEST_F(CompareTest, FirstSentenceKeepsTheLoopButtons) {
    rig.presenter->NextSentence();
    rig.presenter->NextSentence();
    record(samples(800, 0));
    click(panel->Command9);
    click(panel->Command15);
    EXPECT_EQ(rig.presenter->SentenceNo(), 1);
    EXPECT_EQ(buttons(), "011");
    EXPECT_FALSE(panel->Command13->isEnabled());
    EXPECT_TRUE(panel->Command14->isEnabled());
}

TEST_F(CompareTest, LeavingTheModeDoesNotStopTheRecorder) {
    click(panel->Command8);
    source.pending = samples(300, 5);
    clickTab(1);
    EXPECT_TRUE(recorder->isRecording());
    clickTab(5);
    EXPECT_EQ(buttons(), "010") << "the buttons keep their states for the next visit";
    click(panel->Command10);
    const auto pcm = WavFile::read(wav());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->samples, samples(300, 5));

    // A loop left behind: the recording plays out, but does not start the
    // sentence in another mode.
    click(panel->Command9);
    sentenceReachesEnd();
    ASSERT_TRUE(recorder->isPlaying());
    clickTab(1);
    EXPECT_TRUE(recorder->isPlaying());
    const int plays = sentencePlays();
    recordingEngine.finish();
    EXPECT_EQ(sentencePlays(), plays);
    clickTab(5);
    EXPECT_EQ(buttons(), "011");
}

TEST_F(CompareTest, WithoutAMicrophoneTheLearnerIsToldOnce) {
    source.present = false;
    click(panel->Command8);
    ASSERT_EQ(rig.notifier.shown.size(), 1);
    EXPECT_EQ(rig.notifier.shown[0],
              ComparePanel::noDeviceTitle() + "|" + ComparePanel::noDeviceMessage());
    EXPECT_TRUE(rig.notifier.shown[0].contains(QString::fromUtf8("没有找到")));
    EXPECT_EQ(buttons(), "010");
    click(panel->Command10);
    EXPECT_EQ(buttons(), "101");
    click(panel->Command8);
    EXPECT_EQ(rig.notifier.shown.size(), 1) << "told once";
    click(panel->Command10);
    EXPECT_FALSE(QFileInfo::exists(wav()));

    // Nothing to hear and nothing waits for it.
    click(panel->Command12);
    EXPECT_EQ(recordingPlays(), 0);
    click(panel->Command9);
    sentenceReachesEnd();
    EXPECT_EQ(recordingPlays(), 0);
    EXPECT_FALSE(sentencePlaying());
    click(panel->Command10);
    EXPECT_EQ(buttons(), "101");
}

TEST_F(CompareTest, ARecorderThatCannotStartIsToldToo) {
    struct BusySource : FakeVoiceSource {
        bool start() override { return false; }
    } busy;
    VoiceRecorder busyRecorder(&busy, &recordingEngine, wav());
    ComparePanel other(rig.form.get(), &rig.state, rig.panels, rig.playback, &busyRecorder,
                       &rig.notifier);
    other.Command8_Click();
    EXPECT_EQ(rig.notifier.shown.size(), 1);
}

TEST_F(CompareTest, TheChineseLineFollowsTheToggle) {
    auto* english = rig.panels->Label10;
    auto* chinese = rig.panels->Label11;
    EXPECT_EQ(english->text(), "Sentence 1 here.");
    EXPECT_EQ(chinese->text(), QString::fromUtf8("句子1。"));
    EXPECT_FALSE(panel->Check4->isOn());
    EXPECT_TRUE(Ui::shown(english));
    EXPECT_FALSE(Ui::shown(chinese)) << "with the toggle off only the English shows";

    auto* caption = rig.panels->Picture4->findChild<QLabel*>("Label24");
    auto* image = rig.panels->Picture4->findChild<QLabel*>("Image13");
    ASSERT_NE(caption, nullptr);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(caption->text(), QString::fromUtf8("    句子中文提示"));
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_TRUE(panel->Check4->isOn());
    EXPECT_TRUE(Ui::shown(chinese));
    EXPECT_EQ(image->pixmap().toImage(), rig.pictures.bitmap("1.jpg").toImage());
    EXPECT_GE(Ui::top(chinese), Ui::top(english) + Ui::height(english) + 200);
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_FALSE(Ui::shown(chinese));
    EXPECT_EQ(image->pixmap().toImage(), rig.pictures.bitmap("0.jpg").toImage());
}

} // namespace
