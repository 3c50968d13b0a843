#pragma once

#include "MpvEngine.h"
#include "WavFile.h"

#include <QFile>
#include <QTest>
#include <cmath>
#include <functional>

// A mono 16-bit sine tone of `seconds` as a WAVE file.
inline bool writeTone(const QString& path, double seconds, double hz = 440, int rate = 16000) {
    WavFile::Pcm pcm;
    pcm.sampleRate = rate;
    pcm.channels = 1;
    const int n = int(seconds * rate);
    pcm.samples.resize(qsizetype(n) * 2);
    auto* s = reinterpret_cast<qint16*>(pcm.samples.data());
    for (int i = 0; i < n; ++i)
        s[i] = qint16(8000 * std::sin(2 * M_PI * hz * i / rate));
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(WavFile::encode(pcm)) > 0;
}

// Real engines in tests play into the null output: no device needed.
inline std::unique_ptr<AudioEngine> nullOutputEngine() {
    MpvEngineOptions options;
    options.audioOutput = QStringLiteral("null");
    return createMpvEngine(options);
}

// Generous deadlines: the machine may be busy; a pass returns early.
inline bool waitFor(const std::function<bool()>& done, int ms = 5000) {
    return QTest::qWaitFor(done, ms);
}
