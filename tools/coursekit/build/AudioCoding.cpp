#include "AudioCoding.h"

#include "WavFile.h"

#include <lame/lame.h>

#include <QtEndian>
#include <algorithm>
#include <memory>

QByteArray encodeWav(const Samples& samples, int sampleRate) {
    WavFile::Pcm pcm;
    pcm.sampleRate = sampleRate;
    pcm.channels = 1;
    pcm.samples.reserve(qsizetype(samples.size() * 2));
    for (int16_t s : samples) {
        char b[2];
        qToLittleEndian(quint16(s), b);
        pcm.samples.append(b, 2);
    }
    return WavFile::encode(pcm);
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
