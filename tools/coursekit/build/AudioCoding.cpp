#include "AudioCoding.h"

#include <lame/lame.h>

#include <QtEndian>
#include <algorithm>
#include <memory>

namespace {
void appendLe32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
void appendLe16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
} // namespace

QByteArray encodeWav(const Samples& samples, int sampleRate) {
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    appendLe32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    appendLe32(out, 16);
    appendLe16(out, 1); // PCM
    appendLe16(out, 1); // mono
    appendLe32(out, quint32(sampleRate));
    appendLe32(out, quint32(sampleRate) * 2);
    appendLe16(out, 2);
    appendLe16(out, 16);
    out.append("data");
    appendLe32(out, dataBytes);
    for (int16_t s : samples)
        appendLe16(out, quint16(s));
    return out;
}

QByteArray encodeMp3(const Samples& samples, int sampleRate, int kbps) {
    std::unique_ptr<lame_global_flags, decltype(&lame_close)> lame(lame_init(), lame_close);
    if (!lame) return {};
    lame_global_flags* gf = lame.get();
    lame_set_in_samplerate(gf, sampleRate);
    lame_set_out_samplerate(gf, sampleRate);
    lame_set_num_channels(gf, 1);
    lame_set_mode(gf, MONO);
    lame_set_VBR(gf, vbr_off);
    lame_set_brate(gf, kbps);
    lame_set_quality(gf, 5);
    lame_set_bWriteVbrTag(gf, 1); // reserves the first frame for the LAME/Info tag
    if (lame_init_params(gf) < 0) return {};

    QByteArray out;
    const size_t chunk = 8192;
    std::vector<unsigned char> buffer(chunk * 5 / 4 + 7200);
    std::vector<short> pcm(chunk);
    for (size_t pos = 0; pos < samples.size(); pos += chunk) {
        const size_t n = std::min(chunk, samples.size() - pos);
        std::copy_n(samples.begin() + std::ptrdiff_t(pos), n, pcm.begin());
        const int written =
            lame_encode_buffer(gf, pcm.data(), nullptr, int(n), buffer.data(), int(buffer.size()));
        if (written < 0) return {};
        out.append(reinterpret_cast<const char*>(buffer.data()), written);
    }
    const int flushed = lame_encode_flush(gf, buffer.data(), int(buffer.size()));
    if (flushed < 0) return {};
    out.append(reinterpret_cast<const char*>(buffer.data()), flushed);

    // The placeholder frame at the start becomes the finished tag.
    std::vector<unsigned char> tag(4096);
    const size_t tagSize = lame_get_lametag_frame(gf, tag.data(), tag.size());
    if (tagSize == 0 || tagSize > tag.size() || qsizetype(tagSize) > out.size()) return {};
    std::copy_n(tag.data(), tagSize, reinterpret_cast<unsigned char*>(out.data()));
    return out;
}
