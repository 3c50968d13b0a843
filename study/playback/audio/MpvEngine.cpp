#include "MpvEngine.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <clocale>
#include <cstdint>
#include <mpv/client.h>

namespace {

enum ObservedProperty : uint64_t { kEofReached = 1 };

class MpvEngine : public AudioEngine {
public:
    MpvEngine(mpv_handle* handle, QObject* parent) : AudioEngine(parent), mpv_(handle) {
        clock_.start();
        mpv_observe_property(mpv_, kEofReached, "eof-reached", MPV_FORMAT_FLAG);
        // The callback runs on an mpv thread: it only schedules a drain on
        // ours, and at most one at a time.
        mpv_set_wakeup_callback(mpv_, &MpvEngine::wakeup, this);
    }

    ~MpvEngine() override {
        mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
        mpv_terminate_destroy(mpv_);
    }

    void open(const QString& path) override {
        resetFileState();
        ++openGeneration_;
        const QFileInfo info(path);
        if (path.isEmpty() || !info.isFile() || !info.isReadable()) {
            stopCore();
            reportFailureLater();
            return;
        }
        setFlag("pause", true);
        const QByteArray file = QFile::encodeName(info.absoluteFilePath());
        const char* cmd[] = {"loadfile", file.constData(), "replace", nullptr};
        if (mpv_command(mpv_, cmd) < 0) {
            reportFailureLater();
            return;
        }
        // After a replace the playlist holds just this file; its id tells
        // this file's events from those of the one it replaced.
        int64_t id = -1;
        if (mpv_get_property(mpv_, "playlist/0/id", MPV_FORMAT_INT64, &id) < 0) id = -1;
        entryId_ = id;
        hasFile_ = true;
    }

    void close() override {
        resetFileState();
        ++openGeneration_;
        stopCore();
    }

    void play() override {
        if (!hasFile_) return;
        forgetSteps();
        wantPlay_ = true;
        if (loaded_) setFlag("pause", false);
    }

    void pause() override {
        forgetSteps();
        wantPlay_ = false;
        if (hasFile_) setFlag("pause", true);
    }

    void seek(double seconds) override {
        if (!hasFile_) return;
        if (seconds < 0) seconds = 0;
        forgetSteps();
        endReported_ = false;
        atEnd_ = false;
        seekTarget_ = seconds;
        if (!loaded_) {
            pendingSeek_ = true;
            return;
        }
        issueSeek(seconds);
    }

    double position() const override {
        if (!hasFile_) return 0;
        if (!loaded_) return pendingSeek_ ? seekTarget_ : 0;
        // time-pos reads the old position until the seek has been carried
        // out; an end watch would take that for the end of the sentence.
        if (seeking_) return seekTarget_;
        double pos = 0;
        if (mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &pos) < 0) return lastPosition_;
        lastPosition_ = pos;
        return pos + sinceLastStep(pos);
    }

    // time-pos moves in steps of 10 to 60 ms, whenever the audio output takes
    // more data; each step is exact for the moment it is taken. Between
    // steps playback goes on at the rate, so the time since the last step is
    // added — but only once the position has been seen moving since the
    // last play or seek (the output may take a while to start) and never
    // more than one step's worth.
    double sinceLastStep(double raw) const {
        const qint64 now = clock_.nsecsElapsed();
        if (!stepSeen_ || raw != stepPosition_) {
            stepMoving_ = stepSeen_ && raw != stepPosition_;
            stepSeen_ = true;
            stepPosition_ = raw;
            stepAt_ = now;
            return 0;
        }
        if (!stepMoving_ || !isPlaying()) return 0;
        return qMin((now - stepAt_) / 1e9, kMaxStep) * rate_;
    }

    void forgetSteps() {
        stepSeen_ = false;
        stepMoving_ = false;
    }

    bool isPlaying() const override { return hasFile_ && wantPlay_ && !atEnd_; }
    bool hasFile() const override { return hasFile_; }

    void setRate(double rate) override {
        if (rate <= 0) return;
        rate_ = rate;
        forgetSteps();
        setDouble("speed", rate);
    }

    void setVolume(int volume) override { setDouble("volume", qBound(0, volume, 100)); }

private:
    static void wakeup(void* self) {
        auto* engine = static_cast<MpvEngine*>(self);
        if (engine->drainQueued_.exchange(true)) return;
        QMetaObject::invokeMethod(
            engine, [engine] { engine->drain(); }, Qt::QueuedConnection);
    }

    void drain() {
        drainQueued_ = false;
        for (;;) {
            mpv_event* ev = mpv_wait_event(mpv_, 0);
            if (ev->event_id == MPV_EVENT_NONE) break;
            handle(*ev);
        }
    }

    void handle(const mpv_event& ev) {
        switch (ev.event_id) {
        case MPV_EVENT_START_FILE: {
            const auto* start = static_cast<const mpv_event_start_file*>(ev.data);
            startedId_ = start->playlist_entry_id;
            break;
        }
        case MPV_EVENT_FILE_LOADED:
            if (!hasFile_ || startedId_ != entryId_) break;
            loaded_ = true;
            if (pendingSeek_) {
                pendingSeek_ = false;
                issueSeek(seekTarget_);
            }
            if (wantPlay_) setFlag("pause", false);
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            if (seeking_ && seekReplied_) seeking_ = false;
            break;
        case MPV_EVENT_COMMAND_REPLY:
            if (ev.reply_userdata == seekGeneration_) {
                seekReplied_ = true;
                if (ev.error < 0) seeking_ = false; // nothing will restart
            }
            break;
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<const mpv_event_end_file*>(ev.data);
            if (!hasFile_ || end->playlist_entry_id != entryId_) break;
            if (end->reason == MPV_END_FILE_REASON_ERROR ||
                end->reason == MPV_END_FILE_REASON_EOF) {
                // Undecodable, or no audio at all (keep-open holds a good
                // file at its end instead of ending it).
                const bool failed = !loaded_ || end->reason == MPV_END_FILE_REASON_ERROR;
                const bool alreadyReported = endReported_;
                const double keep = lastPosition_;
                resetFileState();
                lastPosition_ = failed ? 0 : keep;
                if (failed || !alreadyReported) report(failed);
            }
            break;
        }
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto* prop = static_cast<const mpv_event_property*>(ev.data);
            if (ev.reply_userdata == kEofReached && prop->format == MPV_FORMAT_FLAG) {
                const bool eof = *static_cast<int*>(prop->data) != 0;
                if (eof && hasFile_ && loaded_ && !seeking_) {
                    atEnd_ = true;
                    wantPlay_ = false;
                    if (!endReported_) {
                        endReported_ = true;
                        report(false);
                    }
                }
            }
            break;
        }
        default:
            break;
        }
    }

    void report(bool failed) { emit finished(failed); }

    void reportFailureLater() {
        const quint64 generation = openGeneration_;
        QPointer<MpvEngine> self(this);
        QTimer::singleShot(0, this, [self, generation] {
            if (self && self->openGeneration_ == generation) emit self->finished(true);
        });
    }

    void issueSeek(double seconds) {
        const QByteArray target = QByteArray::number(seconds, 'f', 6);
        const char* cmd[] = {"seek", target.constData(), "absolute+exact", nullptr};
        ++seekGeneration_;
        seeking_ = true;
        seekReplied_ = false;
        if (mpv_command_async(mpv_, seekGeneration_, cmd) < 0) seeking_ = false;
    }

    void stopCore() {
        const char* cmd[] = {"stop", nullptr};
        mpv_command_async(mpv_, 0, cmd);
    }

    void resetFileState() {
        hasFile_ = false;
        loaded_ = false;
        wantPlay_ = false;
        atEnd_ = false;
        seeking_ = false;
        pendingSeek_ = false;
        endReported_ = false;
        seekTarget_ = 0;
        lastPosition_ = 0;
        forgetSteps();
        entryId_ = -1;
    }

    void setFlag(const char* name, bool on) {
        int value = on ? 1 : 0;
        mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_FLAG, &value);
    }

    void setDouble(const char* name, double value) {
        mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_DOUBLE, &value);
    }

    mpv_handle* mpv_;
    std::atomic<bool> drainQueued_{false};
    bool hasFile_ = false;
    bool loaded_ = false;
    bool wantPlay_ = false;
    bool atEnd_ = false;
    bool seeking_ = false;
    bool seekReplied_ = false;
    bool pendingSeek_ = false;
    bool endReported_ = false;
    double seekTarget_ = 0;
    mutable double lastPosition_ = 0;
    static constexpr double kMaxStep = 0.06;
    QElapsedTimer clock_;
    double rate_ = 1.0;
    mutable bool stepSeen_ = false;
    mutable bool stepMoving_ = false;
    mutable double stepPosition_ = 0;
    mutable qint64 stepAt_ = 0;
    int64_t entryId_ = -1;
    int64_t startedId_ = -2;
    uint64_t seekGeneration_ = 1000;
    quint64 openGeneration_ = 0;
};

bool setOption(mpv_handle* h, const char* name, const char* value) {
    return mpv_set_option_string(h, name, value) >= 0;
}

} // namespace

std::unique_ptr<AudioEngine> createMpvEngine(const MpvEngineOptions& options, QObject* parent) {
    // libmpv refuses to start with a locale whose decimal point is not '.'.
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle* h = mpv_create();
    if (!h) return nullptr;
    const QByteArray ao = options.audioOutput.toUtf8();
    const QByteArray name = options.clientName.toUtf8();
    // Sound only, never a window; exact seeks; a file stays open (and the
    // position at its end) when it has played out; nothing starts by itself.
    static const char* const kOptions[][2] = {
        {"config", "no"},
        {"terminal", "no"},
        {"idle", "yes"},
        {"vid", "no"},
        {"vo", "null"},
        {"audio-display", "no"},
        {"sid", "no"},
        {"ytdl", "no"},
        {"load-scripts", "no"},
        {"input-default-bindings", "no"},
        // With no sound device, play into nothing rather than not at all:
        // otherwise the position never moves and no sentence ever ends.
        {"audio-fallback-to-null", "yes"},
        {"hr-seek", "yes"},
        // An MP3 frame needs the frames before it (bit reservoir): seeking
        // the demuxer straight to the target gives a click and ~25 ms of
        // silence at the start of a sentence. Decode from a second earlier.
        {"hr-seek-demuxer-offset", "1.0"},
        {"keep-open", "yes"},
        {"keep-open-pause", "yes"},
        {"pause", "yes"},
        {"audio-pitch-correction", "yes"},
        {"gapless-audio", "no"},
    };
    bool ok = true;
    for (const auto& option : kOptions)
        ok = ok && setOption(h, option[0], option[1]);
    ok = ok && setOption(h, "audio-client-name", name.constData());
    if (!ao.isEmpty()) ok = ok && setOption(h, "ao", ao.constData());
    if (!ok || mpv_initialize(h) < 0) {
        mpv_terminate_destroy(h);
        return nullptr;
    }
    return std::make_unique<MpvEngine>(h, parent);
}

std::unique_ptr<AudioEngine> createMpvEngine(QObject* parent) {
    return createMpvEngine(MpvEngineOptions{}, parent);
}
