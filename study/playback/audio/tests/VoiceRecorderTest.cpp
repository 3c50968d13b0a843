#include "VoiceRecorder.h"
#include "FakeAudioEngine.h"
#include "WavFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A microphone the test speaks into: `pending` is what has been captured.
class FakeVoiceSource : public VoiceSource {
public:
    bool present = true;
    bool capturing = false;
    QByteArray pending;
    QByteArray afterStop; // what the device still held when stopped

    bool available() const override { return present; }
    bool start() override { return capturing = present; }
    QByteArray readAll() override { return std::exchange(pending, {}); }
    void stop() override {
        capturing = false;
        pending += std::exchange(afterStop, {});
    }
    int sampleRate() const override { return 22050; }
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
    EXPECT_EQ(recorder.hasRecording(), recorder.deviceAvailable());
    if (recorder.hasRecording()) {
        EXPECT_TRUE(WavFile::read(dir.filePath("Recorder.wav")));
    }
    recorder.play();
    EXPECT_EQ(engine.isPlaying(), recorder.hasRecording());
}

} // namespace
