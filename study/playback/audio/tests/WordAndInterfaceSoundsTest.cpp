#include "FakeAudioEngine.h"
#include "InterfaceSounds.h"
#include "TestTone.h"
#include "WordPlayer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SoundFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        longSound = dir.filePath("MouDown.wav");
        shortSound = dir.filePath("MouUp.wav");
        ASSERT_TRUE(writeTone(longSound, 3.0, 440));
        ASSERT_TRUE(writeTone(shortSound, 0.3, 880));
    }
    QTemporaryDir dir;
    QString longSound, shortSound;
};

using WordPlayerTest = SoundFiles;

TEST_F(WordPlayerTest, PlayReplacesAndStopPauses) {
    FakeAudioEngine engine;
    WordPlayer words(&engine);
    words.play(longSound);
    words.play(shortSound);
    EXPECT_EQ(engine.file, shortSound);
    EXPECT_TRUE(engine.isPlaying());
    words.stop();
    EXPECT_FALSE(engine.isPlaying());
}

TEST_F(WordPlayerTest, MissingFileIsSilentAndEndsThePreviousWord) {
    FakeAudioEngine engine;
    WordPlayer words(&engine);
    words.play(longSound);
    words.play(dir.filePath("x/xyz.wav"));
    EXPECT_FALSE(engine.isPlaying());
    EXPECT_FALSE(engine.hasFile());
    EXPECT_EQ(engine.count("open:" + dir.filePath("x/xyz.wav")), 0);
    WordPlayer none(nullptr);
    none.play(longSound); // no engine: nothing happens
    none.stop();
}

using InterfaceSoundsTest = SoundFiles;

TEST_F(InterfaceSoundsTest, NewSoundCutsOffTheOldOne) {
    FakeAudioEngine engine;
    InterfaceSounds sounds(&engine);
    sounds.play(longSound);
    EXPECT_EQ(sounds.last(), InterfaceSounds::Last::File);
    sounds.play(shortSound);
    EXPECT_EQ(engine.file, shortSound);
    EXPECT_TRUE(engine.isPlaying());
    EXPECT_EQ(engine.calls,
              QStringList({"open:" + longSound, "play", "open:" + shortSound, "play"}));
}

TEST_F(InterfaceSoundsTest, MissingFileOrNoEngineBeeps) {
    FakeAudioEngine engine;
    InterfaceSounds sounds(&engine);
    sounds.play(longSound);
    sounds.play(dir.filePath("wrong.wav"));
    EXPECT_EQ(sounds.last(), InterfaceSounds::Last::Beep);
    EXPECT_FALSE(engine.isPlaying()) << "the beep also cuts the old sound off";
    InterfaceSounds silent(nullptr);
    silent.play(longSound);
    EXPECT_EQ(silent.last(), InterfaceSounds::Last::Beep);
}

TEST_F(InterfaceSoundsTest, UndecodableFileBeepsWhenTheEngineGivesUp) {
    FakeAudioEngine engine;
    InterfaceSounds sounds(&engine);
    sounds.play(longSound);
    engine.finish(true);
    EXPECT_EQ(sounds.last(), InterfaceSounds::Last::Beep);
}

TEST_F(InterfaceSoundsTest, PlayReturnsAtOnceAndTheNewSoundCutsOffOnARealEngine) {
    auto engine = nullOutputEngine();
    ASSERT_NE(engine, nullptr);
    InterfaceSounds sounds(engine.get());
    QSignalSpy ends(engine.get(), &AudioEngine::finished);
    QElapsedTimer clock;
    clock.start();
    sounds.play(longSound);
    EXPECT_LT(clock.elapsed(), 500) << "asynchronous";
    ASSERT_TRUE(waitFor([&] { return engine->position() > 0.1; }));
    clock.restart();
    sounds.play(shortSound);
    // The 0.3 s sound ends long before the 3 s one would have.
    ASSERT_TRUE(waitFor([&] { return ends.count() > 0; }));
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_FALSE(ends.at(0).at(0).toBool());
    EXPECT_NEAR(engine->position(), 0.3, 0.06);
}

} // namespace
