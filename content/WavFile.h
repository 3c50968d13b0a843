#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// 16-bit PCM WAVE files: the learner's recording, word recordings and the
// interface sounds.
namespace WavFile {

struct Pcm {
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples; // signed 16-bit little-endian, interleaved
};

// The 44-byte canonical RIFF/WAVE form of `pcm`.
QByteArray encode(const Pcm& pcm);
// Replaces `path` atomically; false when it cannot be written.
bool write(const QString& path, const Pcm& pcm);
// Reads a 16-bit PCM WAVE file; nullopt when the file is not one.
std::optional<Pcm> read(const QString& path);

} // namespace WavFile
