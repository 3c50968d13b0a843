#include "SentenceCycle.h"

SentenceCycle::SentenceCycle(LessonAudioPlayer* player, int repeats, double pauseSeconds,
                             QObject* parent)
    : QObject(parent), player_(player), repeats_(repeats) {
    endWatch_.setInterval(30);
    pause_.setInterval(int(pauseSeconds * 1000 + 10));
    connect(&endWatch_, &QTimer::timeout, this, &SentenceCycle::EndWatchTimer);
    connect(&pause_, &QTimer::timeout, this, &SentenceCycle::PauseTimer);
}

void SentenceCycle::run(const QVector<Play>& plays) {
    plays_ = plays;
    index_ = 0;
    playCount_ = 0;
    running_ = !plays_.isEmpty();
    if (running_) startPlay();
}

void SentenceCycle::startPlay() {
    const Play& p = plays_[index_];
    player_->setSentenceTimes(p.start, p.end);
    endWatch_.start();
    pause_.stop();
    player_->VoiceSetPosition();
    player_->VoicePlay();
}

void SentenceCycle::EndWatchTimer() {
    player_->VoiceGetPosition();
    if (player_->PlayerPosition < player_->SentenceEnd) return;
    endWatch_.stop();
    player_->VoicePause();
    ++playCount_;
    pause_.start();
}

void SentenceCycle::PauseTimer() {
    pause_.stop();
    if (playCount_ >= repeats_) {
        playCount_ = 0;
        if (++index_ >= plays_.size()) {
            running_ = false;
            return;
        }
    }
    startPlay();
}
