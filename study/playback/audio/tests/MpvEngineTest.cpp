#include "TestTone.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MpvEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        tone = dir.filePath("tone.wav");
        ASSERT_TRUE(writeTone(tone, 2.0));
        engine = nullOutputEngine();
        ASSERT_NE(engine, nullptr);
    }

    QTemporaryDir dir;
    QString tone;
    std::unique_ptr<AudioEngine> engine;
};

TEST_F(MpvEngineTest, OpenDoesNotPlay) {
    engine->open(tone);
    EXPECT_TRUE(engine->hasFile());
    EXPECT_FALSE(engine->isPlaying());
    QTest::qWait(300);
    EXPECT_EQ(engine->position(), 0.0);
    EXPECT_FALSE(engine->isPlaying());
}

TEST_F(MpvEngineTest, SeekPlayPauseAndPosition) {
    engine->open(tone);
    engine->seek(0.5); // before the file has finished loading
    EXPECT_DOUBLE_EQ(engine->position(), 0.5);
    QTest::qWait(200);
    EXPECT_NEAR(engine->position(), 0.5, 0.001) << "exact seek, still paused";

    engine->play();
    EXPECT_TRUE(engine->isPlaying());
    ASSERT_TRUE(waitFor([&] { return engine->position() > 0.7; }));
    engine->pause();
    EXPECT_FALSE(engine->isPlaying());
    QTest::qWait(100);
    const double paused = engine->position();
    QTest::qWait(250);
    EXPECT_NEAR(engine->position(), paused, 0.001) << "pause keeps the position";

    // Right after a seek back the position is the target, never the old
    // (later) position: an end watch would otherwise stop at once.
    engine->seek(0.1);
    EXPECT_DOUBLE_EQ(engine->position(), 0.1);
    engine->play();
    for (int i = 0; i < 10; ++i) {
        EXPECT_LT(engine->position(), paused);
        QTest::qWait(10);
    }
    engine->pause();
}

// What the study window's end watch does: seek back to a sentence's start
// from later in the file, play, and poll until the position reaches its end.
// The sentence must not end before its length has been played.
TEST_F(MpvEngineTest, AnEndWatchNeverEndsASentenceEarly) {
    engine->open(tone);
    engine->seek(1.6);
    engine->play();
    ASSERT_TRUE(waitFor([&] { return engine->position() > 1.7; }));
    for (int round = 0; round < 2; ++round) {
        engine->pause();
        engine->seek(0.2);
        engine->play();
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(waitFor([&] { return engine->position() >= 0.6; }));
        EXPECT_GE(clock.elapsed(), 400 - 50) << "round " << round;
    }
    engine->pause();
}

TEST_F(MpvEngineTest, ReportsTheEndOnceAndStaysThere) {
    QSignalSpy spy(engine.get(), &AudioEngine::finished);
    engine->open(tone);
    engine->seek(1.7);
    engine->play();
    ASSERT_TRUE(waitFor([&] { return spy.count() > 0; }));
    EXPECT_FALSE(spy.at(0).at(0).toBool());
    EXPECT_FALSE(engine->isPlaying());
    EXPECT_GE(engine->position(), 1.9) << "the position stays at the end";
    QTest::qWait(200);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(MpvEngineTest, RateSpeedsUpPlayback) {
    engine->setRate(2.0);
    engine->open(tone);
    engine->play();
    ASSERT_TRUE(waitFor([&] { return engine->position() > 0.05; }));
    // Playback time against wall time: a busy machine stretches both.
    QElapsedTimer clock;
    clock.start();
    const double from = engine->position();
    QTest::qWait(600);
    const double ratio = (engine->position() - from) / (clock.elapsed() / 1000.0);
    EXPECT_GT(ratio, 1.5);
    EXPECT_LT(ratio, 2.5);
}

// A sentence whose times lie past the end of its audio (a faulty lesson):
// the position settles at the end of the file and the end is reported.
TEST_F(MpvEngineTest, SeekPastTheEndSettlesAtTheEnd) {
    QSignalSpy spy(engine.get(), &AudioEngine::finished);
    engine->open(tone);
    engine->seek(5.0);
    engine->play();
    ASSERT_TRUE(waitFor([&] { return spy.count() > 0; }));
    EXPECT_FALSE(spy.at(0).at(0).toBool());
    EXPECT_FALSE(engine->isPlaying());
    EXPECT_NEAR(engine->position(), 2.0, 0.05);
    engine->seek(0.5);
    EXPECT_DOUBLE_EQ(engine->position(), 0.5);
    engine->play();
    EXPECT_TRUE(waitFor([&] { return engine->position() > 0.6; }));
}

struct BadFile {
    const char* name;
    QByteArray bytes; // empty name and bytes: the file does not exist
};

class MpvEngineBadFile : public MpvEngineTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(MpvEngineBadFile, FailsOnceAndNeverPlays) {
    const BadFile bad = GetParam();
    const QString path = dir.filePath(bad.name);
    if (!bad.bytes.isNull()) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bad.bytes);
    }
    QSignalSpy spy(engine.get(), &AudioEngine::finished);
    engine->open(path);
    engine->seek(1.0);
    engine->play();
    ASSERT_TRUE(waitFor([&] { return spy.count() > 0; }));
    EXPECT_TRUE(spy.at(0).at(0).toBool());
    EXPECT_FALSE(engine->hasFile());
    EXPECT_FALSE(engine->isPlaying());
    EXPECT_EQ(engine->position(), 0.0);
    QTest::qWait(200);
    EXPECT_EQ(spy.count(), 1);

    // The engine still plays the next good file.
    engine->open(tone);
    engine->play();
    EXPECT_TRUE(waitFor([&] { return engine->position() > 0.1; }));
}

INSTANTIATE_TEST_SUITE_P(Files, MpvEngineBadFile,
                         ::testing::Values(BadFile{"missing.mp3", QByteArray()},
                                           BadFile{"garbage.mp3", QByteArray(4000, '\x7f')},
                                           BadFile{"empty.wav", QByteArray("")}),
                         [](const auto& info) {
                             return QString(info.param.name).section('.', 0, 0).toStdString();
                         });

TEST_F(MpvEngineTest, CloseDropsTheFile) {
    engine->open(tone);
    engine->play();
    engine->close();
    EXPECT_FALSE(engine->hasFile());
    EXPECT_FALSE(engine->isPlaying());
    engine->play();
    EXPECT_EQ(engine->position(), 0.0);
}

} // namespace
