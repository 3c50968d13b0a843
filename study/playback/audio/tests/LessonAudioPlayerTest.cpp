#include "LessonAudioPlayer.h"
#include "FakeAudioEngine.h"
#include "WordPlayer.h"

#include <gtest/gtest.h>

namespace {

struct UnitCase {
    int kind;
    double startSeconds, endSeconds;
    double start, end; // in the player's unit
};

class PlayerUnits : public ::testing::TestWithParam<UnitCase> {};

TEST_P(PlayerUnits, SentenceTimesUseThePlayersUnit) {
    const UnitCase c = GetParam();
    FakeAudioEngine engine;
    LessonAudioPlayer player(&engine, c.kind);
    player.setSentenceTimes(c.startSeconds, c.endSeconds);
    EXPECT_EQ(player.SentenceStart, c.start);
    EXPECT_EQ(player.SentenceEnd, c.end);
    EXPECT_EQ(player.SentenceLength, c.end - c.start);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PlayerUnits,
                         ::testing::Values(UnitCase{1, 12.34, 15.5, 12340, 15500},
                                           UnitCase{1, 0.0005, 1.0004, 1, 1000},
                                           UnitCase{1, 4.35, 4.36, 4350, 4360},
                                           UnitCase{2, 12.34, 15.5, 12.34, 15.5}));

TEST(LessonAudioPlayer, KindOneSeeksWholeMillisecondsAndReadsThem) {
    FakeAudioEngine engine;
    LessonAudioPlayer player(&engine, 1);
    player.setSentenceTimes(12.34, 13);
    player.VoiceSetPosition();
    EXPECT_EQ(engine.calls.last(), "seek:12.34");
    engine.setPosition(12.3456);
    player.VoiceGetPosition();
    EXPECT_EQ(player.PlayerPosition, 12346);
}

TEST(LessonAudioPlayer, KindTwoWorksInSeconds) {
    FakeAudioEngine engine;
    LessonAudioPlayer player(&engine, 2);
    player.setSentenceTimes(1.25, 2.5);
    player.VoiceSetPosition();
    EXPECT_EQ(engine.calls.last(), "seek:1.25");
    engine.setPosition(2.4999);
    player.VoiceGetPosition();
    EXPECT_DOUBLE_EQ(player.PlayerPosition, 2.4999);
}

TEST(LessonAudioPlayer, OpenLoadsWithoutPlayingAndAppliesTheRate) {
    FakeAudioEngine engine;
    LessonAudioPlayer player(&engine, 2);
    player.setSpeed(LessonAudioPlayer::Speed::Slow);
    player.LessonAudioPath = "/x/1.mp3";
    player.VoiceSet();
    player.VoiceOpen();
    EXPECT_EQ(engine.calls, QStringList({"volume:100", "open:/x/1.mp3", "rate:0.5"}));
    EXPECT_FALSE(engine.isPlaying());
}

TEST(LessonAudioPlayer, SpeedChangesTheRateOnlyOnKindTwo) {
    for (const int kind : {1, 2}) {
        FakeAudioEngine engine;
        LessonAudioPlayer player(&engine, kind);
        for (const auto speed : {LessonAudioPlayer::Speed::Fast, LessonAudioPlayer::Speed::Normal,
                                 LessonAudioPlayer::Speed::Slow}) {
            player.setSpeed(speed);
            player.SetSoundRate();
        }
        const QStringList expected =
            kind == 2 ? QStringList{"rate:2", "rate:1", "rate:0.5"} : QStringList{};
        EXPECT_EQ(engine.calls, expected) << "kind " << kind;
    }
}

TEST(LessonAudioPlayer, KindOneResetClosesTheDevice) {
    FakeAudioEngine engine;
    LessonAudioPlayer player(&engine, 1);
    player.LessonAudioPath = "/x/2.wmv";
    player.VoiceSet();
    player.VoiceOpen();
    player.VoicePlay();
    player.VoicePause();
    EXPECT_EQ(engine.calls, QStringList({"close", "open:/x/2.wmv", "play", "pause"}));
}

TEST(LessonAudioPlayer, ResetSetsTheWordPlayersVolume) {
    FakeAudioEngine lesson, word;
    WordPlayer wordPlayer(&word);
    LessonAudioPlayer player(&lesson, 2);
    player.setWordPlayer(&wordPlayer);
    player.VoiceSet();
    EXPECT_EQ(word.volume, LessonAudioPlayer::kWordVolume);
    EXPECT_EQ(lesson.volume, 100);
}

TEST(LessonAudioPlayer, WithoutAnEngineEverythingIsHarmless) {
    EXPECT_EQ(LessonAudioPlayer::kindFor(nullptr), 1);
    LessonAudioPlayer player(nullptr, LessonAudioPlayer::kindFor(nullptr));
    EXPECT_EQ(player.PlayerKind(), 1);
    player.LessonAudioPath = "/nowhere.mp3";
    player.setSentenceTimes(1, 2);
    player.VoiceSet();
    player.VoiceOpen();
    player.VoiceSetPosition();
    player.VoicePlay();
    player.VoiceGetPosition();
    player.SetSoundRate();
    player.VoicePause();
    EXPECT_EQ(player.PlayerPosition, 0);
}

TEST(LessonAudioPlayer, ForwardsTheEnginesEnd) {
    FakeAudioEngine engine;
    LessonAudioPlayer player(&engine, 2);
    int ends = 0;
    QObject::connect(&player, &LessonAudioPlayer::fileFinished, [&](bool failed) {
        EXPECT_TRUE(failed);
        ++ends;
    });
    engine.finish(true);
    EXPECT_EQ(ends, 1);
}

} // namespace
