#pragma once

#include <QObject>
#include <QString>
#include <memory>

class AudioEngine;

// Short interface sounds (MouDown, MouUp, wrong, type), played asynchronously.
// A new sound cuts off the one playing; a missing sound file gives the
// desktop's default beep.
class InterfaceSounds : public QObject {
    Q_OBJECT
public:
    // `engine` may be null (then every sound is the beep). Not owned.
    explicit InterfaceSounds(AudioEngine* engine, QObject* parent = nullptr);
    void play(const QString& path);

    // What the last play did, for tests.
    enum class Last { None, File, Beep };
    Last last() const { return last_; }

private:
    AudioEngine* engine_;
    Last last_ = Last::None;
};
