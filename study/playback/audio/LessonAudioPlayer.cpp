#include "LessonAudioPlayer.h"

#include "WordPlayer.h"

#include <cmath>

LessonAudioPlayer::LessonAudioPlayer(AudioEngine* engine, int playerKind, QObject* parent)
    : QObject(parent), engine_(engine), playerKind_(playerKind == 1 ? 1 : 2) {
    if (engine_) connect(engine_, &AudioEngine::finished, this, &LessonAudioPlayer::fileFinished);
}

double LessonAudioPlayer::toPlayerUnits(double seconds) const {
    // Rounded, not truncated: 12.34 * 1000 is 12339.999... in binary.
    if (playerKind_ == 1) return double(std::llround(seconds * 1000.0));
    return seconds;
}

void LessonAudioPlayer::setSentenceTimes(double startSeconds, double endSeconds) {
    SentenceStart = toPlayerUnits(startSeconds);
    SentenceEnd = toPlayerUnits(endSeconds);
    SentenceLength = SentenceEnd - SentenceStart;
}

void LessonAudioPlayer::VoiceSet() {
    if (playerKind_ == 1) {
        // The MCI device is closed and ready for a new file.
        if (engine_) engine_->close();
        return;
    }
    if (wordPlayer_) wordPlayer_->setVolume(kWordVolume);
    if (engine_) engine_->setVolume(100);
}

void LessonAudioPlayer::VoiceOpen() {
    if (engine_) engine_->open(LessonAudioPath);
    if (playerKind_ == 2) SetSoundRate();
}

void LessonAudioPlayer::VoicePlay() {
    if (engine_) engine_->play();
}

void LessonAudioPlayer::VoicePause() {
    if (engine_) engine_->pause();
}

void LessonAudioPlayer::VoiceSetPosition() {
    if (!engine_) return;
    if (playerKind_ == 1)
        engine_->seek(double(std::llround(SentenceStart)) / 1000.0);
    else
        engine_->seek(SentenceStart);
}

void LessonAudioPlayer::VoiceGetPosition() {
    if (!engine_) return;
    const double seconds = engine_->position();
    PlayerPosition = playerKind_ == 1 ? double(std::llround(seconds * 1000.0)) : seconds;
}

void LessonAudioPlayer::SetSoundRate() {
    if (playerKind_ == 1 || !engine_) return;
    // Three independent tests in this order, as the speed options are read.
    double rate = 1.0;
    if (speed_ == Speed::Normal) rate = 1.0;
    if (speed_ == Speed::Slow) rate = 0.5;
    if (speed_ == Speed::Fast) rate = 2.0;
    engine_->setRate(rate);
}
