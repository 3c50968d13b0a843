#pragma once

#include "LessonAudioPlayer.h"

#include <QObject>
#include <QTimer>
#include <QVector>

// The study window's playback cycle, reduced to what decides what is heard:
// seek to Start and play; every 30 ms read the position and pause once it is
// at or past End; wait the pause (seconds x 1000 + 10 ms); repeat.
class SentenceCycle : public QObject {
    Q_OBJECT
public:
    struct Play {
        int sentence;
        double start, end; // seconds
    };

    SentenceCycle(LessonAudioPlayer* player, int repeats, double pauseSeconds,
                  QObject* parent = nullptr);
    // Plays every entry `repeats` times, one after the other.
    void run(const QVector<Play>& plays);
    bool running() const { return running_; }

private slots:
    void EndWatchTimer();
    void PauseTimer();

private:
    void startPlay();
    LessonAudioPlayer* player_;
    int repeats_;
    QTimer endWatch_, pause_;
    QVector<Play> plays_;
    int index_ = 0;
    int playCount_ = 0;
    bool running_ = false;
};
