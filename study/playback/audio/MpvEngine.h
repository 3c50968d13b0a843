#pragma once

#include "AudioEngine.h"

#include <QString>
#include <memory>

// Options of the libmpv engine beyond the defaults every program uses.
struct MpvEngineOptions {
    // The audio output driver ("null", "pulse", ...); empty means mpv's own
    // choice, which falls back to the null output when no device works.
    QString audioOutput;
    // Client name shown by the sound server (PulseAudio stream name).
    QString clientName = QStringLiteral("spoken");
};

// As createMpvEngine(), with explicit options (tests use the null output,
// the accuracy bench a private PulseAudio server).
std::unique_ptr<AudioEngine> createMpvEngine(const MpvEngineOptions& options,
                                             QObject* parent = nullptr);
