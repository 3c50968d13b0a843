#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class AudioEngine;

// Where recorded PCM comes from: the microphone, or a fake in tests.
class VoiceSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool available() const = 0;
    virtual bool start() = 0;         // begin capturing
    virtual QByteArray readAll() = 0; // PCM captured since the last read
    virtual void stop() = 0;          // stop capturing; readAll() still drains
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0; // 16-bit signed samples
    // How much audio the device has captured since start(), handed over by
    // readAll() or not, or -1 when the source cannot tell. A live device
    // hands its audio over late (the sound server and Qt buffer it), so what
    // has arrived when the learner stops falls short of what he said; this
    // is how much there is to wait for. A source that cannot tell is taken to
    // have handed over everything by stop().
    virtual qint64 capturedUSecs() const { return -1; }
};

// The default microphone through Qt Multimedia; available() is false when
// the system has no input device.
std::unique_ptr<VoiceSource> createMicrophoneSource(QObject* parent = nullptr);

// Records the learner's voice to a WAV file and plays it back through an
// engine. done() is the completion event: it fires once when the recording's
// playback has ended.
//
// Stopping a recording does not close the device at once: the device is read
// on until the take holds all it had captured by the press (or kMaxTailMs
// have passed), and only then is the file written. A play() asked for meanwhile starts once
// the file is written; a record() ends the unfinished take with what it has.
class VoiceRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr int kPullIntervalMs = 50;
    // How long after stop the last part of a take is waited for at most.
    static constexpr int kMaxTailMs = 600;

    // Neither pointer is owned; `engine` may be null (then play finds nothing).
    VoiceRecorder(VoiceSource* source, AudioEngine* engine, QString wavPath,
                  QObject* parent = nullptr);
    // A take still being finished is written with what has arrived.
    ~VoiceRecorder() override;

    bool deviceAvailable() const;
    bool isRecording() const { return recording_; }
    // Stopped by the learner, but the device's last part is still read in
    // and the file not yet written.
    bool isFinishing() const { return finishing_; }
    // True from play() until the playback ends or is stopped, including
    // while the play waits for the take to be written.
    bool isPlaying() const { return playing_; }
    // A recording was made and written by this recorder.
    bool hasRecording() const { return recorded_; }
    const QString& wavPath() const { return wavPath_; }

public slots:
    void record();
    void stop(); // stops recording (the file follows shortly) or playback
    void play(); // from the start
    // The pull timer's tick: takes what the device captured, and ends a
    // stopped take once it is complete or has been waited for long enough.
    void pull();

signals:
    void done();
    // The stopped take is in the file (ok) or could not be written.
    void saved(bool ok);

private:
    bool takeComplete() const;
    void completeTake();
    void startPlayback();

    QPointer<VoiceSource> source_;
    AudioEngine* engine_;
    QString wavPath_;
    bool recording_ = false;
    bool finishing_ = false;
    bool playing_ = false;
    bool playWaits_ = false; // playing_, but the engine not yet started
    bool recorded_ = false;
    QByteArray pcm_;
    int rate_ = 0;
    int channels_ = 0;
    qint64 wantedBytes_ = -1; // what was captured by the press; -1 unknown
    int tailTicks_ = 0;
    class QTimer* pullTimer_ = nullptr;
};
