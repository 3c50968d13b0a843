#pragma once

#include "AudioEngine.h"

#include <QObject>
#include <QString>

class WordPlayer;

// The lesson-audio player and its seven procedures. PlayerKind 2 works in
// seconds with a playback rate; PlayerKind 1 in whole milliseconds without.
// With no engine at all the player is silent and every procedure is harmless.
class LessonAudioPlayer : public QObject {
    Q_OBJECT
public:
    enum class Speed { Slow, Normal, Fast };

    // `engine` may be null (silent). The player does not own it.
    LessonAudioPlayer(AudioEngine* engine, int playerKind, QObject* parent = nullptr);

    // The kind a program uses with `engine`: 2 when it exists, else 1 (silent).
    static int kindFor(const AudioEngine* engine) { return engine ? 2 : 1; }

    int PlayerKind() const { return playerKind_; }
    AudioEngine* engine() const { return engine_; }

    // State the procedures read and write, in PlayerKind units.
    QString LessonAudioPath;
    double SentenceStart = 0;
    double SentenceEnd = 0;
    double SentenceLength = 0;
    double PlayerPosition = 0;

    // Sets SentenceStart/End/Length from record times in seconds.
    void setSentenceTimes(double startSeconds, double endSeconds);
    // Converts seconds to this player's unit (ms for kind 1, s for kind 2).
    double toPlayerUnits(double seconds) const;

    Speed speed() const { return speed_; }
    void setSpeed(Speed speed) { speed_ = speed; } // SetSoundRate applies it

    void VoiceSet();
    void VoiceOpen();
    void VoicePlay();
    void VoicePause();
    void VoiceSetPosition();
    void VoiceGetPosition();
    void SetSoundRate();

    // Volume of the word player that VoiceSet sets alongside (70).
    static constexpr int kWordVolume = 70;
    // The word player whose volume VoiceSet sets (PlayerKind 2); not owned.
    void setWordPlayer(WordPlayer* wordPlayer) { wordPlayer_ = wordPlayer; }

signals:
    // The engine reached the end of the file or could not open it.
    void fileFinished(bool failed);

private:
    AudioEngine* engine_;
    int playerKind_;
    Speed speed_ = Speed::Normal;
    WordPlayer* wordPlayer_ = nullptr;
};
