#include "InterfaceArt.h"

#include "AudioCoding.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

const QColor kPaper(255, 255, 255);
const QColor kFrame(122, 134, 148);
const QColor kBlue(36, 104, 180);
const QColor kPaleBlue(226, 238, 251);

// Drawn four times larger and scaled down, so the small picture is smoothly
// anti-aliased whatever the raster engine does with thin lines.
constexpr int kOversample = 4;

QByteArray jpeg(const QImage& big, int size) {
    const QImage small = big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!small.save(&buffer, "JPG", 95)) return {};
    return bytes;
}

QImage canvas(int size) {
    QImage image(size * kOversample, size * kOversample, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPaper);
    return image;
}

QPainterPath checkMark(double s) {
    QPainterPath path;
    path.moveTo(0.24 * s, 0.52 * s);
    path.lineTo(0.42 * s, 0.70 * s);
    path.lineTo(0.76 * s, 0.30 * s);
    return path;
}

QByteArray checkBox(bool on, bool filled) {
    const int size = 13;
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size * kOversample;
    const QRectF box(0.08 * s, 0.08 * s, 0.84 * s, 0.84 * s);
    p.setPen(QPen(on ? kBlue : kFrame, kOversample * 1.0));
    p.setBrush(filled ? kBlue : (on ? kPaleBlue : kPaper));
    p.drawRoundedRect(box, 0.14 * s, 0.14 * s);
    if (on) {
        p.setPen(QPen(filled ? kPaper : kBlue, kOversample * 1.7, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(checkMark(s));
    }
    p.end();
    return jpeg(image, size);
}

QByteArray speedMark(bool selected) {
    const int size = 12;
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size * kOversample;
    p.setPen(QPen(selected ? kBlue : kFrame, kOversample * 1.0));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(0.1 * s, 0.1 * s, 0.8 * s, 0.8 * s));
    if (selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(0.3 * s, 0.3 * s, 0.4 * s, 0.4 * s));
    }
    p.end();
    return jpeg(image, size);
}

// Sounds ------------------------------------------------------------------

constexpr int kRate = 44100;

struct Partial {
    double hz;
    double level;
};

// Struck partials with an exponential decay: a soft wooden tick.
Samples tick(double seconds, double decaySeconds, const QList<Partial>& partials, double level,
             double noise = 0) {
    const int n = int(seconds * kRate);
    Samples out(size_t(n), 0);
    quint32 seed = 0x2545F491u; // fixed: every build gives the same bytes
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (const Partial& p : partials)
            v += p.level * std::sin(2 * std::numbers::pi * p.hz * t);
        seed = seed * 1664525u + 1013904223u;
        v += noise * (double(seed >> 8) / double(1u << 24) - 0.5);
        const double attack = std::min(1.0, t / 0.0015);
        const double release = std::min(1.0, (seconds - t) / 0.004);
        v *= level * attack * release * std::exp(-t / decaySeconds);
        out[size_t(i)] = int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
    }
    return out;
}

Samples tone(double hz, double seconds, double level) {
    return tick(seconds, seconds * 0.7, {{hz, 1.0}, {hz * 2, 0.35}, {hz * 3, 0.15}}, level);
}

Samples wrongSound() {
    Samples out = tone(392.0, 0.11, 0.30);
    out.resize(out.size() + size_t(kRate * 0.02), 0);
    const Samples second = tone(293.7, 0.20, 0.30);
    out.insert(out.end(), second.begin(), second.end());
    return out;
}

} // namespace

QList<ArtFile> drawPictures() {
    QList<ArtFile> files = {
        {QStringLiteral("0.jpg"), checkBox(false, false)},
        {QStringLiteral("1.jpg"), checkBox(true, false)},
        {QStringLiteral("a1.jpg"), checkBox(true, true)},
        {QStringLiteral("f.jpg"), speedMark(false)},
        {QStringLiteral("t.jpg"), speedMark(true)},
    };
    for (const ArtFile& f : files)
        if (f.bytes.isEmpty()) return {};
    return files;
}

QList<ArtFile> synthesiseInterfaceSounds() {
    return {
        {QStringLiteral("MouDown.wav"),
         encodeWav(tick(0.045, 0.008, {{1400, 0.7}, {2950, 0.3}}, 0.45), kRate)},
        {QStringLiteral("MouUp.wav"),
         encodeWav(tick(0.035, 0.006, {{1900, 0.7}, {3900, 0.3}}, 0.35), kRate)},
        {QStringLiteral("wrong.wav"), encodeWav(wrongSound(), kRate)},
        {QStringLiteral("type.wav"),
         encodeWav(tick(0.025, 0.004, {{2600, 0.5}}, 0.35, 0.6), kRate)},
    };
}
