#include "Speech.h"

#include <espeak-ng/speak_lib.h>

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {
Samples* g_collect = nullptr;

int collectSamples(short* wav, int count, espeak_EVENT*) {
    if (wav && count > 0 && g_collect) g_collect->insert(g_collect->end(), wav, wav + count);
    return 0;
}
} // namespace

Speech& Speech::instance() {
    static Speech speech;
    return speech;
}

Speech::Speech() {
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) return;
    sampleRate_ = rate;
    espeak_SetSynthCallback(collectSamples);
}

bool Speech::use(const QString& voice, int wordsPerMinute) {
    if (!isAvailable()) return false;
    if (voice != voice_) {
        if (espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK) return false;
        voice_ = voice;
        rate_ = 0;
    }
    if (wordsPerMinute != rate_) {
        espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
        rate_ = wordsPerMinute;
    }
    return true;
}

Samples Speech::speak(const QString& text) {
    Samples out;
    if (!isAvailable()) return out;
    const QByteArray utf8 = text.toUtf8();
    g_collect = &out;
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    espeak_Synchronize();
    g_collect = nullptr;
    return out;
}

QString Speech::ipa(const QString& text) {
    if (!isAvailable()) return {};
    const QByteArray utf8 = text.toUtf8();
    const void* pos = utf8.constData();
    QStringList parts;
    while (pos) {
        const char* phonemes = espeak_TextToPhonemes(&pos, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (phonemes && *phonemes) parts.append(QString::fromUtf8(phonemes).trimmed());
    }
    return parts.join(u' ');
}

SpeechSpan findSpeech(const Samples& samples, int sampleRate, int threshold) {
    SpeechSpan span;
    const auto loud = [threshold](int16_t s) { return std::abs(int(s)) > threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) return span;
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
    // A quiet consonant ("h", "f") starts before the first loud sample, and a
    // decay outlasts the last one.
    const size_t onsetMargin = size_t(sampleRate) * 15 / 1000;
    const size_t decayMargin = size_t(sampleRate) * 30 / 1000;
    const size_t begin = size_t(first - samples.begin());
    const size_t end = samples.size() - size_t(last - samples.rbegin());
    span.begin = begin > onsetMargin ? begin - onsetMargin : 0;
    span.end = std::min(samples.size(), end + decayMargin);
    return span;
}
