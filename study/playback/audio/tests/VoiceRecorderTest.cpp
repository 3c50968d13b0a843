#include "VoiceRecorder.h"
#include "FakeAudioEngine.h"
#include "WavFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kRate = 22050;
constexpr int ms(int n) {
    return kRate * n / 1000;
} // samples in n ms

// A microphone the test speaks into: `pending` is what has been captured.
class FakeVoiceSource : public VoiceSource {
public:
    bool present = true;
    bool capturing = false;
    QByteArray pending;
    QByteArray afterStop; // what the device still held when stopped
    qint64 captured = -1; // what the device has captured; -1: cannot tell
    int stops = 0;

    bool available() const override { return present; }
    bool start() override { return capturing = present; }
    QByteArray readAll() override { return std::exchange(pending, {}); }
    void stop() override {
        capturing = false;
        ++stops;
        pending += std::exchange(afterStop, {});
    }
    int sampleRate() const override { return kRate; }
    int channels() const override { return 1; }
    qint64 capturedUSecs() const override { return captured; }
};

// A ramp that wraps around: each sample tells where it was in the take.
QByteArray samples(int count, int first) {
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        const qint16 v = qint16(first + i);
        out.append(reinterpret_cast<const char*>(&v), 2);
    }
    return out;
}

class VoiceRecorderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
    QString wav() const { return dir.filePath("Recorder.wav"); }
    FakeVoiceSource source;
    FakeAudioEngine engine;
};

TEST_F(VoiceRecorderTest, WritesAReadableWavIncludingWhatWasHeldAtStop) {
    VoiceRecorder recorder(&source, &engine, wav());
    recorder.record();
    ASSERT_TRUE(recorder.isRecording());
    source.pending = samples(1000, 0);
    recorder.stop();
    ASSERT_TRUE(WavFile::read(wav()).has_value());
    recorder.record();
    source.pending = samples(300, 100);
    source.afterStop = samples(200, 400);
    recorder.stop();
    EXPECT_FALSE(recorder.isRecording());

    const auto pcm = WavFile::read(wav());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->sampleRate, 22050);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_EQ(pcm->samples, samples(300, 100) + samples(200, 400))
        << "a new recording replaces the old one, and the tail is kept";
    QFile f(wav());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(44);
    EXPECT_TRUE(head.startsWith("RIFF"));
    EXPECT_EQ(head.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(f.size(), 44 + 1000);
}

TEST_F(VoiceRecorderTest, PlaysTheRecordingAndSignalsDoneOnce) {
    VoiceRecorder recorder(&source, &engine, wav());
    int done = 0;
    QObject::connect(&recorder, &VoiceRecorder::done, [&] { ++done; });
    recorder.record();
    source.pending = samples(500, 0);
    recorder.stop();
    recorder.play();
    EXPECT_EQ(engine.calls.mid(0, 2), QStringList({"open:" + wav(), "play"}));
    engine.finish();
    engine.finish();
    EXPECT_EQ(done, 1);
    recorder.play();
    recorder.stop(); // a stopped playback is not a completed one
    engine.finish();
    EXPECT_EQ(done, 1);
}

TEST_F(VoiceRecorderTest, WithoutAnInputDeviceNothingIsRecordedOrPlayed) {
    // A recording of an earlier session must not pass for the learner's.
    QFile old(wav());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    source.present = false;
    VoiceRecorder recorder(&source, &engine, wav());
    EXPECT_FALSE(recorder.deviceAvailable());
    recorder.record();
    EXPECT_FALSE(recorder.isRecording());
    recorder.stop();
    recorder.play();
    EXPECT_TRUE(engine.calls.isEmpty());
    EXPECT_FALSE(recorder.hasRecording());

    VoiceRecorder noSource(nullptr, nullptr, wav());
    noSource.record();
    noSource.stop();
    noSource.play();
}

// A live device hands its audio over late: when the learner presses stop
// after 2 s, only 1.6 s has arrived. The rest comes on the next reads, with
// some of what followed the press; the take is the 2 s of the press.
TEST_F(VoiceRecorderTest, TheTailArrivingAfterStopIsKept) {
    VoiceRecorder recorder(&source, &engine, wav());
    int saved = 0;
    QObject::connect(&recorder, &VoiceRecorder::saved, [&](bool ok) { saved += ok; });
    recorder.record();
    source.captured = 2'000'000;
    source.pending = samples(ms(1600), 0);
    recorder.stop();
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_TRUE(recorder.isFinishing());
    EXPECT_TRUE(source.capturing) << "the device runs on until the tail is in";
    EXPECT_FALSE(QFile::exists(wav())) << "nothing is written before the take is complete";

    recorder.pull(); // nothing new yet
    source.pending = samples(ms(300), ms(1600));
    recorder.pull();
    EXPECT_TRUE(recorder.isFinishing());
    source.pending = samples(ms(150), ms(1900)); // 50 ms past the press
    recorder.pull();
    EXPECT_FALSE(recorder.isFinishing());
    EXPECT_FALSE(source.capturing);
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(recorder.hasRecording());
    const auto pcm = WavFile::read(wav());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->samples, samples(ms(2000), 0));
}

// However late the device is, the take is written within a bounded time,
// with what has come in by then.
TEST_F(VoiceRecorderTest, TheTailIsWaitedForABoundedTime) {
    VoiceRecorder recorder(&source, &engine, wav());
    recorder.record();
    source.captured = 2'000'000;
    source.pending = samples(ms(1000), 0);
    recorder.stop();
    const int ticks = VoiceRecorder::kMaxTailMs / VoiceRecorder::kPullIntervalMs;
    EXPECT_EQ(ticks, 12);
    for (int i = 1; i < ticks; ++i) {
        source.pending = samples(ms(10), ms(1000) + ms(10) * (i - 1));
        recorder.pull();
        ASSERT_TRUE(recorder.isFinishing()) << "tick " << i;
    }
    source.afterStop = samples(ms(20), 5);
    recorder.pull();
    EXPECT_FALSE(recorder.isFinishing());
    const auto pcm = WavFile::read(wav());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->samples, samples(ms(1000) + ms(10) * (ticks - 1), 0) + samples(ms(20), 5));
}

// Requests while the take is being finished: play waits for the file (it
// must not open the previous take); stop cancels that play but not the take;
// record ends the take with what it has, as the new take replaces it.
TEST_F(VoiceRecorderTest, RequestsWhileFinishing) {
    ASSERT_TRUE(WavFile::write(wav(), {kRate, 1, samples(50, 7)})); // an earlier take
    VoiceRecorder recorder(&source, &engine, wav());
    int done = 0;
    QObject::connect(&recorder, &VoiceRecorder::done, [&] { ++done; });
    recorder.record();
    source.captured = 1'000'000;
    source.pending = samples(ms(700), 0);
    recorder.play(); // stops the recording and asks to hear it
    EXPECT_TRUE(recorder.isFinishing());
    EXPECT_TRUE(recorder.isPlaying());
    EXPECT_TRUE(engine.calls.isEmpty()) << "the previous take is not opened";
    engine.finish(); // an earlier playback's end is not this one's
    EXPECT_EQ(done, 0);
    source.pending = samples(ms(300), ms(700));
    recorder.pull();
    EXPECT_EQ(engine.calls, QStringList({"open:" + wav(), "play"}));
    EXPECT_EQ(WavFile::read(wav())->samples, samples(ms(1000), 0));
    engine.finish();
    EXPECT_EQ(done, 1);

    engine.calls.clear();
    recorder.record();
    source.pending = samples(ms(500), 1);
    recorder.play();
    recorder.stop();
    EXPECT_FALSE(recorder.isPlaying());
    EXPECT_TRUE(recorder.isFinishing());
    source.pending = samples(ms(500), 1 + ms(500));
    recorder.pull();
    EXPECT_FALSE(recorder.isFinishing());
    EXPECT_TRUE(engine.calls.isEmpty()) << "the cancelled play stays cancelled";
    EXPECT_EQ(WavFile::read(wav())->samples, samples(ms(1000), 1));

    recorder.record();
    source.pending = samples(ms(400), 2);
    recorder.stop();
    ASSERT_TRUE(recorder.isFinishing());
    recorder.record(); // at once: the unfinished take is written as it is
    EXPECT_TRUE(recorder.isRecording());
    EXPECT_FALSE(recorder.isFinishing());
    EXPECT_TRUE(source.capturing);
    EXPECT_EQ(WavFile::read(wav())->samples, samples(ms(400), 2));
}

// Closing the window while a take is being finished still writes it; a
// source destroyed first leaves what had arrived.
TEST_F(VoiceRecorderTest, AnUnfinishedTakeIsWrittenOnDestruction) {
    {
        VoiceRecorder recorder(&source, &engine, wav());
        recorder.record();
        source.captured = 1'000'000;
        source.pending = samples(ms(600), 0);
        recorder.play(); // waits for the file, which comes too late for it
        source.afterStop = samples(ms(100), 3);
    }
    EXPECT_EQ(WavFile::read(wav())->samples, samples(ms(600), 0) + samples(ms(100), 3));
    EXPECT_EQ(source.stops, 1);
    EXPECT_TRUE(engine.calls.isEmpty()) << "a closing window plays nothing";

    auto gone = std::make_unique<FakeVoiceSource>();
    {
        VoiceRecorder recorder(gone.get(), &engine, wav());
        recorder.record();
        gone->captured = 1'000'000;
        gone->pending = samples(ms(300), 9);
        recorder.stop();
        gone.reset();
    }
    const auto pcm = WavFile::read(wav());
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->sampleRate, kRate);
    EXPECT_EQ(pcm->samples, samples(ms(300), 9));
}

TEST(WavFile, RejectsWhatIsNotSixteenBitPcm) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.wav");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("RIFF\x04\0\0\0WAVE", 12));
    f.close();
    EXPECT_FALSE(WavFile::read(path).has_value());
    EXPECT_FALSE(WavFile::read(dir.filePath("none.wav")).has_value());
}

} // namespace

namespace {

// Whatever this machine has: with a microphone a short recording is a
// readable WAV; without one, record does nothing. Neither crashes or hangs.
TEST(MicrophoneSource, RecordsOrDoesNothing) {
    QTemporaryDir dir;
    auto mic = createMicrophoneSource();
    FakeAudioEngine engine;
    VoiceRecorder recorder(mic.get(), &engine, dir.filePath("Recorder.wav"));
    recorder.record();
    EXPECT_EQ(recorder.isRecording(), recorder.deviceAvailable());
    QTest::qWait(300);
    recorder.stop();
    // The device's last part is read in before the file is written.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !recorder.isFinishing(); }, VoiceRecorder::kMaxTailMs + 1000));
    EXPECT_EQ(recorder.hasRecording(), recorder.deviceAvailable());
    if (recorder.hasRecording()) {
        EXPECT_TRUE(WavFile::read(dir.filePath("Recorder.wav")));
    }
    recorder.play();
    EXPECT_EQ(engine.isPlaying(), recorder.hasRecording());
}

} // namespace
