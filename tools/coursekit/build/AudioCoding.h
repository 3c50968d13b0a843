#pragma once

#include "Speech.h"

#include <QByteArray>

// A 16-bit mono PCM WAVE file.
QByteArray encodeWav(const Samples& samples, int sampleRate);

// A constant-bit-rate MP3 whose first frame is a LAME/Info tag carrying the
// encoder delay and padding. Decoders that honour the tag (ffmpeg, hence
// libmpv) trim both, so sample k of the input is heard exactly at k / rate
// seconds and the sentence times computed from sample counts hold.
// The tag needs a frame of at least 64 kbps at these rates. Empty when encoding
// fails.
QByteArray encodeMp3(const Samples& samples, int sampleRate, int kbps = 64);
