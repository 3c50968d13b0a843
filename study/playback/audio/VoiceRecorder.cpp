#include "VoiceRecorder.h"

#include "AudioEngine.h"
#include "WavFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QFileInfo>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

namespace {

// The microphone in pull mode: Qt hands us an I/O device that we read on our
// own timer, so nothing depends on Qt's notification interval.
class MicrophoneSource : public VoiceSource {
public:
    explicit MicrophoneSource(QObject* parent) : VoiceSource(parent) {
        device_ = QMediaDevices::defaultAudioInput();
        if (device_.isNull()) return;
        QAudioFormat format;
        format.setSampleRate(44100);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device_.isFormatSupported(format)) {
            format = device_.preferredFormat();
            format.setSampleFormat(QAudioFormat::Int16);
        }
        if (device_.isFormatSupported(format)) format_ = format;
    }

    bool available() const override { return !device_.isNull() && format_.isValid(); }

    bool start() override {
        if (!available()) return false;
        stop();
        tail_.clear();
        input_ = new QAudioSource(device_, format_, this);
        io_ = input_->start();
        if (!io_ || input_->error() != QAudio::NoError) {
            delete input_;
            input_ = nullptr;
            io_ = nullptr;
            return false;
        }
        return true;
    }

    QByteArray readAll() override {
        QByteArray data = std::move(tail_);
        tail_.clear();
        if (io_) data += io_->readAll();
        return data;
    }

    void stop() override {
        if (!input_) return;
        // What the source still holds is read before it is closed; what
        // arrives after stop is not waited for.
        if (io_) tail_ += io_->readAll();
        input_->stop();
        delete input_;
        input_ = nullptr;
        io_ = nullptr;
    }

    int sampleRate() const override { return format_.sampleRate(); }
    int channels() const override { return format_.channelCount(); }

private:
    QAudioDevice device_;
    QAudioFormat format_;
    QAudioSource* input_ = nullptr;
    QIODevice* io_ = nullptr;
    QByteArray tail_;
};

} // namespace

std::unique_ptr<VoiceSource> createMicrophoneSource(QObject* parent) {
    return std::make_unique<MicrophoneSource>(parent);
}

VoiceRecorder::VoiceRecorder(VoiceSource* source, AudioEngine* engine, QString wavPath,
                             QObject* parent)
    : QObject(parent), source_(source), engine_(engine), wavPath_(std::move(wavPath)) {
    pullTimer_ = new QTimer(this);
    pullTimer_->setInterval(50);
    connect(pullTimer_, &QTimer::timeout, this, &VoiceRecorder::pull);
    if (engine_) {
        connect(engine_, &AudioEngine::finished, this, [this](bool) {
            if (!playing_) return;
            playing_ = false;
            emit done();
        });
    }
}

bool VoiceRecorder::deviceAvailable() const {
    return source_ && source_->available();
}

void VoiceRecorder::record() {
    if (!deviceAvailable()) return;
    stop();
    pcm_.clear();
    if (!source_->start()) return;
    recording_ = true;
    pullTimer_->start();
}

void VoiceRecorder::pull() {
    if (recording_) pcm_ += source_->readAll();
}

void VoiceRecorder::stop() {
    if (recording_) {
        pullTimer_->stop();
        pcm_ += source_->readAll();
        source_->stop();
        pcm_ += source_->readAll();
        recording_ = false;
        WavFile::Pcm pcm;
        pcm.sampleRate = source_->sampleRate();
        pcm.channels = source_->channels();
        pcm.samples = std::move(pcm_);
        pcm_.clear();
        recorded_ = WavFile::write(wavPath_, pcm);
    }
    if (playing_) {
        playing_ = false;
        if (engine_) engine_->pause();
    }
}

void VoiceRecorder::play() {
    stop();
    // Only a recording made here is played: an old file from an earlier
    // session (or a failed write) is not the learner's current attempt.
    if (!engine_ || !recorded_ || !QFileInfo::exists(wavPath_)) return;
    playing_ = true;
    engine_->open(wavPath_);
    engine_->play();
}
