#include "WordPlayer.h"

#include <QFileInfo>

WordPlayer::WordPlayer(AudioEngine* engine, QObject* parent) : QObject(parent), engine_(engine) {}

void WordPlayer::play(const QString& path) {
    if (!engine_) return;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        // A word without a recording is silent, and so is the one before it.
        engine_->close();
        return;
    }
    engine_->open(path);
    engine_->play();
}

void WordPlayer::stop() {
    if (engine_) engine_->pause();
}

void WordPlayer::setVolume(int volume) {
    if (engine_) engine_->setVolume(volume);
}
