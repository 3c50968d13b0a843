#include "WavFile.h"

#include "TextFileStore.h"

#include <QFile>
#include <QtEndian>

namespace WavFile {
namespace {

void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

quint16 get16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 get32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

} // namespace

QByteArray encode(const Pcm& pcm) {
    const int channels = pcm.channels > 0 ? pcm.channels : 1;
    const int blockAlign = channels * 2;
    // Whole sample frames only: a torn last frame would make some players
    // reject the file.
    const qsizetype dataSize = pcm.samples.size() - pcm.samples.size() % blockAlign;
    QByteArray out;
    out.reserve(44 + dataSize);
    out.append("RIFF", 4);
    put32(out, quint32(36 + dataSize));
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, quint16(channels));
    put32(out, quint32(pcm.sampleRate));
    put32(out, quint32(pcm.sampleRate * blockAlign));
    put16(out, quint16(blockAlign));
    put16(out, 16);
    out.append("data", 4);
    put32(out, quint32(dataSize));
    out.append(pcm.samples.constData(), dataSize);
    return out;
}

bool write(const QString& path, const Pcm& pcm) {
    if (pcm.sampleRate <= 0) return false;
    return writeFileAtomically(path, encode(pcm));
}

std::optional<Pcm> read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    Pcm pcm;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = get32(bytes.constData() + at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body) {
            if (id != "data") return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16) return std::nullopt;
            const char* f = bytes.constData() + body;
            if (get16(f) != 1 || get16(f + 14) != 16) return std::nullopt;
            pcm.channels = get16(f + 2);
            pcm.sampleRate = int(get32(f + 4));
            haveFormat = pcm.channels > 0 && pcm.sampleRate > 0;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            pcm.samples = bytes.mid(body, qMin(size, bytes.size() - body));
            return pcm;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace WavFile
