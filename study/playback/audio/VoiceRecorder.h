#pragma once

#include <QByteArray>
#include <QObject>
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
};

// The default microphone through Qt Multimedia; available() is false when
// the system has no input device.
std::unique_ptr<VoiceSource> createMicrophoneSource(QObject* parent = nullptr);

// Records the learner's voice to a WAV file and plays it back through an
// engine. done() is the completion event: it fires once when the recording's
// playback has ended.
class VoiceRecorder : public QObject {
    Q_OBJECT
public:
    // Neither pointer is owned; `engine` may be null (then play finds nothing).
    VoiceRecorder(VoiceSource* source, AudioEngine* engine, QString wavPath,
                  QObject* parent = nullptr);

    bool deviceAvailable() const;
    bool isRecording() const { return recording_; }
    bool isPlaying() const { return playing_; }
    // A recording was made and written by this recorder.
    bool hasRecording() const { return recorded_; }
    const QString& wavPath() const { return wavPath_; }

public slots:
    void record();
    void stop(); // stops recording (writing the file) or playback
    void play(); // from the start

signals:
    void done();

private:
    void pull();
    VoiceSource* source_;
    AudioEngine* engine_;
    QString wavPath_;
    bool recording_ = false;
    bool playing_ = false;
    bool recorded_ = false;
    QByteArray pcm_;
    class QTimer* pullTimer_ = nullptr;
};
