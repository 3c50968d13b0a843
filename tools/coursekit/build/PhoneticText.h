#pragma once

#include <QString>

// The dictionary is a GBK file, and GBK holds only a few IPA symbols (ɑ, ɡ,
// θ). The phonetic text is therefore written with GBK characters that look
// like the IPA ones (ʃ -> ∫, ŋ -> η, ʊ -> υ, ə -> э, ...), ASCII ' , : for
// the stress and length marks, and the stress moved to the start of its
// syllable as learners' dictionaries print it (and left off words of one
// syllable).
QString storablePhonetics(const QString& ipa);

// Moves each stress mark from before the stressed vowel (where espeak-ng puts
// it) to the start of the syllable: before the longest onset the consonants
// in front of the vowel can form.
QString stressAtSyllableStart(const QString& ipa);

// Drops the stress marks of one-syllable words: a dictionary shows none there.
QString withoutMonosyllableStress(const QString& ipa);
