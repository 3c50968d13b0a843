#pragma once

#include <QObject>
#include <QString>
#include <memory>

// One audio player: a file opened paused, played, paused, positioned exactly.
// Positions are seconds. All calls are made on the GUI thread and return at
// once; the end of a file is the one thing the engine reports by itself.
class AudioEngine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~AudioEngine() override = default;

    // Loads `path` without playing, at position 0. A missing or unreadable
    // file leaves the engine with nothing to play (play() then does nothing,
    // position() stays 0) and is reported once through finished(true).
    virtual void open(const QString& path) = 0;
    // Drops the current file.
    virtual void close() = 0;
    virtual void play() = 0;
    // Pauses, keeping the position.
    virtual void pause() = 0;
    // Exact seek; position() reads `seconds` right after it.
    virtual void seek(double seconds) = 0;
    virtual double position() const = 0;
    virtual bool isPlaying() const = 0;
    virtual bool hasFile() const = 0;
    // 0.5, 1.0 or 2.0; the pitch is kept.
    virtual void setRate(double rate) = 0;
    // 0 .. 100
    virtual void setVolume(int volume) = 0;

signals:
    // Once per opened file: it played to its end (failed = false) or it could
    // not be opened or decoded (failed = true).
    void finished(bool failed);
};

// The libmpv engine; nullptr when libmpv cannot start at all.
// QApplication must exist (libmpv needs LC_NUMERIC "C", which this sets).
std::unique_ptr<AudioEngine> createMpvEngine(QObject* parent = nullptr);
