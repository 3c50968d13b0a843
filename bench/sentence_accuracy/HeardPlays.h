#pragma once

#include <QVector>
#include <QtGlobal>

// Finds the plays in a recording of the null sink's monitor and measures
// each against the lesson position it was meant to cover.
namespace HeardPlays {

struct Burst {
    qint64 onset = 0;     // first sample above the threshold
    qint64 offset = 0;    // last sample above it
    double marker = -1;   // centre of the silent marker inside, -1 if none
    qint64 sustained = 0; // where steady sound begins (after any blip)
    bool blip = false;    // a short sound, then silence, before the steady sound
};

struct Options {
    int threshold = 2000;     // sample magnitude that counts as sound
    qint64 minSilence = 2646; // 60 ms at 44.1 kHz: shorter gaps stay inside a play
    qint64 minGap = 176;      // 4 ms: shorter quiet runs are the tone's own zero crossings
    qint64 maxGap = 1764;     // 40 ms
    qint64 markerLength = 441;
};

QVector<Burst> find(const QVector<qint16>& samples, const Options& options = {});

// Where the heard audio began and ended relative to the sentence, in
// samples of the lesson: positive start = clipped, positive end = leak.
struct Measure {
    double startOffset = 0;
    double leak = 0;
};
// `markerCenter`, `start` and `end` are lesson sample positions.
Measure measure(const Burst& burst, double markerCenter, qint64 start, qint64 end);

} // namespace HeardPlays
