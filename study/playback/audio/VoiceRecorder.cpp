#include "VoiceRecorder.h"

#include "AudioEngine.h"
#include "WavFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

namespace {

constexpr qint64 kFragmentUSecs = 20'000;

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
        // Small fragments: the server hands audio over sooner, so less of a
        // take is still on its way when the learner stops.
        input_->setBufferSize(format_.bytesForDuration(kFragmentUSecs));
        io_ = input_->start();
        if (!io_ || input_->error() != QAudio::NoError) {
            delete input_;
            input_ = nullptr;
            io_ = nullptr;
            return false;
        }
        clock_.start();
        return true;
    }

    qint64 capturedUSecs() const override {
        if (!input_ || !clock_.isValid()) return -1;
        const qint64 wall = clock_.nsecsElapsed() / 1000;
        // The stream's own clock counts what the device captured, and not
        // the time it took to get going: a take whose start the device missed
        // is not padded with what followed the press. A backend that keeps
        // no such clock reports 0, and the wall clock stands in.
        const qint64 device = input_->processedUSecs();
        return device > 0 ? std::min(device, wall) : wall;
    }

    QByteArray readAll() override {
        QByteArray data = std::move(tail_);
        tail_.clear();
        if (io_) data += io_->readAll();
        return data;
    }

    void stop() override {
        if (!input_) return;
        // What the source still holds is read before it is closed; the
        // recorder has already waited for the rest of the take.
        if (io_) tail_ += io_->readAll();
        clock_.invalidate();
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
    QElapsedTimer clock_;
};

} // namespace

std::unique_ptr<VoiceSource> createMicrophoneSource(QObject* parent) {
    return std::make_unique<MicrophoneSource>(parent);
}

VoiceRecorder::VoiceRecorder(VoiceSource* source, AudioEngine* engine, QString wavPath,
                             QObject* parent)
    : QObject(parent), source_(source), engine_(engine), wavPath_(std::move(wavPath)) {
    pullTimer_ = new QTimer(this);
    pullTimer_->setInterval(kPullIntervalMs);
    connect(pullTimer_, &QTimer::timeout, this, &VoiceRecorder::pull);
    if (engine_) {
        connect(engine_, &AudioEngine::finished, this, [this](bool) {
            // The end of an earlier playback is not the end of one that is
            // still waiting for its file.
            if (!playing_ || playWaits_) return;
            playing_ = false;
            emit done();
        });
    }
}

VoiceRecorder::~VoiceRecorder() {
    // The window is closing: the take is kept, but nothing is played and no
    // one is told, as the engine and the listeners may be gone already.
    blockSignals(true);
    playWaits_ = false;
    completeTake();
}

bool VoiceRecorder::deviceAvailable() const {
    return source_ && source_->available();
}

void VoiceRecorder::record() {
    if (!deviceAvailable()) return;
    stop();
    // A take still being finished is replaced by this one anyway; the device
    // is free for it now rather than after the wait.
    completeTake();
    pcm_.clear();
    if (!source_->start()) return;
    rate_ = source_->sampleRate();
    channels_ = source_->channels();
    recording_ = true;
    pullTimer_->start();
}

void VoiceRecorder::pull() {
    if (!source_ || (!recording_ && !finishing_)) return;
    pcm_ += source_->readAll();
    if (finishing_ && (takeComplete() || ++tailTicks_ >= kMaxTailMs / kPullIntervalMs))
        completeTake();
}

bool VoiceRecorder::takeComplete() const {
    return wantedBytes_ < 0 || pcm_.size() >= wantedBytes_;
}

void VoiceRecorder::stop() {
    if (recording_) {
        recording_ = false;
        finishing_ = true;
        tailTicks_ = 0;
        // What the learner said up to this press is still partly in the
        // sound server's and Qt's buffers; the device keeps running until as
        // much as it had captured by the press has come in.
        const qint64 usecs = source_ ? source_->capturedUSecs() : -1;
        wantedBytes_ = -1;
        if (usecs >= 0) wantedBytes_ = usecs * rate_ / 1'000'000 * channels_ * 2;
        if (source_) pcm_ += source_->readAll();
        if (takeComplete()) completeTake();
    }
    if (playing_) {
        playing_ = false;
        if (playWaits_)
            playWaits_ = false;
        else if (engine_)
            engine_->pause();
    }
}

void VoiceRecorder::completeTake() {
    if (!finishing_) return;
    finishing_ = false;
    pullTimer_->stop();
    if (source_) {
        pcm_ += source_->readAll();
        source_->stop();
        pcm_ += source_->readAll();
    }
    // Reading on after the press brings in a little of what followed it.
    if (wantedBytes_ >= 0 && pcm_.size() > wantedBytes_) pcm_.truncate(wantedBytes_);
    WavFile::Pcm pcm;
    pcm.sampleRate = rate_;
    pcm.channels = channels_;
    pcm.samples = std::move(pcm_);
    pcm_.clear();
    recorded_ = WavFile::write(wavPath_, pcm);
    emit saved(recorded_);
    if (playWaits_) {
        playWaits_ = false;
        playing_ = false;
        startPlayback();
    }
}

void VoiceRecorder::play() {
    stop();
    if (finishing_) {
        // Playing now would open the previous take: the engine starts once
        // this one is in the file.
        if (engine_) playing_ = playWaits_ = true;
        return;
    }
    startPlayback();
}

void VoiceRecorder::startPlayback() {
    // Only a recording made here is played: an old file from an earlier
    // session (or a failed write) is not the learner's current attempt.
    if (!engine_ || !recorded_ || !QFileInfo::exists(wavPath_)) return;
    playing_ = true;
    engine_->open(wavPath_);
    engine_->play();
}
