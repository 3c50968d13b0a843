#include "HeardPlays.h"

#include <cmath>
#include <cstdlib>

namespace HeardPlays {

namespace {
struct Gap {
    qint64 first, last; // quiet samples first..last
    qint64 length() const { return last - first + 1; }
};
} // namespace

QVector<Burst> find(const QVector<qint16>& samples, const Options& options) {
    QVector<Burst> bursts;
    const qint64 n = samples.size();
    auto loud = [&](qint64 i) { return std::abs(int(samples[i])) > options.threshold; };
    qint64 i = 0;
    while (i < n) {
        while (i < n && !loud(i))
            ++i;
        if (i >= n) break;
        Burst b;
        b.onset = i;
        qint64 last = i;
        QVector<Gap> gaps;
        for (++i; i < n; ++i) {
            if (!loud(i)) {
                if (i - last > options.minSilence) break;
                continue;
            }
            if (i - last - 1 >= options.minGap && i - last - 1 <= options.maxGap)
                gaps << Gap{last + 1, i - 1};
            last = i;
        }
        b.offset = last;
        // The marker is the quiet run closest in length to it; a quiet run
        // before it is a break in the sound right after the start.
        int markerAt = -1;
        for (int g = 0; g < gaps.size(); ++g) {
            const auto d = std::llabs(gaps[g].length() - options.markerLength);
            if (markerAt < 0 || d < std::llabs(gaps[markerAt].length() - options.markerLength))
                markerAt = g;
        }
        b.sustained = b.onset;
        if (markerAt >= 0) {
            b.marker = (gaps[markerAt].first + gaps[markerAt].last) / 2.0;
            if (markerAt > 0) {
                b.sustained = gaps[markerAt - 1].last + 1;
                b.blip = true;
            }
        }
        bursts << b;
        i = last + 1;
    }
    return bursts;
}

Measure measure(const Burst& burst, double markerCenter, qint64 start, qint64 end) {
    // The marker ties the recording to the lesson: a heard sample h lies at
    // lesson position markerCenter + (h - burst.marker).
    Measure m;
    const double heardStart = markerCenter + (double(burst.sustained) - burst.marker);
    const double heardEnd = markerCenter + (double(burst.offset) + 1 - burst.marker);
    m.startOffset = heardStart - double(start);
    m.leak = heardEnd - double(end);
    return m;
}

} // namespace HeardPlays
