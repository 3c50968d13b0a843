#pragma once

#include <QString>
#include <cstdint>
#include <vector>

using Samples = std::vector<int16_t>;

// Speech from libespeak-ng in synchronous mode: the synthesiser runs inside
// the call and hands its 16-bit mono samples to a callback. espeak-ng keeps
// global state, so there is one synthesiser per process and it is not
// thread-safe.
class Speech {
public:
    static Speech& instance();

    bool isAvailable() const { return sampleRate_ > 0; }
    int sampleRate() const { return sampleRate_; }

    // False when espeak-ng does not know the voice.
    bool use(const QString& voice, int wordsPerMinute);
    // The samples exactly as espeak-ng produced them, leading and trailing
    // silence included.
    Samples speak(const QString& text);
    // The IPA transcription espeak-ng gives for the text, words separated by
    // one blank.
    QString ipa(const QString& text);

private:
    Speech();
    int sampleRate_ = 0;
    QString voice_;
    int rate_ = 0;
};

// The part of a synthesised utterance that holds speech.
struct SpeechSpan {
    size_t begin = 0; // first sample of speech (inclusive)
    size_t end = 0;   // one past the last sample of speech
    bool empty() const { return end <= begin; }
};

// Finds speech by amplitude: the first and last sample louder than
// `threshold`, widened by a short margin so that soft onsets and decays
// stay whole.
SpeechSpan findSpeech(const Samples& samples, int sampleRate, int threshold = 250);
