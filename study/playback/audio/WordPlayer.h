#pragma once

#include "AudioEngine.h"

#include <QObject>
#include <QString>

// Plays one word's recording, replacing whatever it was playing.
// A missing file is silent.
class WordPlayer : public QObject {
    Q_OBJECT
public:
    WordPlayer(AudioEngine* engine, QObject* parent = nullptr);
    void play(const QString& path);
    void stop();
    void setVolume(int volume);

private:
    AudioEngine* engine_;
};
