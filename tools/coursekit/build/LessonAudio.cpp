#include "LessonAudio.h"

#include <algorithm>
#include <numeric>

int millisecondGrid(int sampleRate) {
    return sampleRate / std::gcd(sampleRate, 1000);
}

namespace {
size_t gridSamples(long long ms, int sampleRate, bool roundUp) {
    const int grid = millisecondGrid(sampleRate);
    const long long gridMs = 1000LL * grid / sampleRate;
    long long steps = roundUp ? (ms + gridMs - 1) / gridMs : (ms + gridMs / 2) / gridMs;
    steps = std::max<long long>(steps, 1);
    return size_t(steps) * size_t(grid);
}

void fade(Samples& s, size_t from, size_t count, bool in) {
    for (size_t i = 0; i < count && from + i < s.size(); ++i) {
        const double k = double(i) / double(count);
        const double gain = in ? k : 1.0 - k;
        s[from + i] = int16_t(double(s[from + i]) * gain);
    }
}
} // namespace

LessonAudio layOutLesson(const std::vector<Samples>& utterances, int sampleRate, int gapMs,
                         int leadMs, int tailMs) {
    LessonAudio out;
    const size_t grid = size_t(millisecondGrid(sampleRate));
    const size_t gap = gridSamples(gapMs, sampleRate, false);
    const size_t fadeLength = size_t(sampleRate) * 3 / 1000;
    out.samples.assign(gridSamples(leadMs, sampleRate, true), 0);
    for (size_t u = 0; u < utterances.size(); ++u) {
        const Samples& raw = utterances[u];
        const SpeechSpan span = findSpeech(raw, sampleRate);
        const size_t start = out.samples.size();
        if (!span.empty()) {
            // Round the span up to the grid with the utterance's own quiet tail.
            const size_t length = (span.end - span.begin + grid - 1) / grid * grid;
            const size_t available = std::min(length, raw.size() - span.begin);
            out.samples.insert(out.samples.end(), raw.begin() + std::ptrdiff_t(span.begin),
                               raw.begin() + std::ptrdiff_t(span.begin + available));
            out.samples.resize(start + length, 0);
            fade(out.samples, start, fadeLength, true);
            fade(out.samples, start + length - fadeLength, fadeLength, false);
        }
        const size_t end = out.samples.size();
        out.times.append(
            {(long long)start * 1000 / sampleRate, (long long)end * 1000 / sampleRate});
        if (u + 1 < utterances.size()) out.samples.resize(end + gap, 0);
    }
    out.samples.resize(out.samples.size() + gridSamples(tailMs, sampleRate, true), 0);
    return out;
}

QString secondsText(long long ms) {
    QString text = QString::number(ms / 1000);
    const long long fraction = ms % 1000;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(3, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return text;
}
