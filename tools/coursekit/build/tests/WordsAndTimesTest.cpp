#include "CourseSource.h"
#include "LessonAudio.h"
#include "PhoneticText.h"
#include "TextFileStore.h"
#include "WordLists.h"

#include <gtest/gtest.h>

TEST(Phonetics, StressMovesToTheStartOfItsSyllable) {
    const struct {
        const char* ipa;
        const char* expected;
    } cases[] = {
        {"həlˈoʊ", "həˈloʊ"},       // one consonant goes with the stressed vowel
        {"ɛkstɹˈiːm", "ɛkˈstɹiːm"}, // the longest legal onset
        {"kəmpjˈuːɾɚ", "kəmˈpjuːɾɚ"},   {"ɹˈʌnɪŋ", "ˈɹʌnɪŋ"}, // word start
        {"ˌɪntɹədˈuːs", "ˌɪntɹəˈduːs"}, {"lˈʊk æt", "ˈlʊk æt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stressAtSyllableStart(QString::fromUtf8(c.ipa)), QString::fromUtf8(c.expected))
            << c.ipa;
}

TEST(Phonetics, StoredTextFitsGbkAndLooksLikeIpa) {
    EXPECT_EQ(storablePhonetics(QString::fromUtf8("həlˈoʊ")), QString::fromUtf8("hэ'loυ"));
    EXPECT_EQ(storablePhonetics(QString::fromUtf8("bˈɛd")),
              QString::fromUtf8("bεd")); // one syllable
    EXPECT_EQ(storablePhonetics(QString::fromUtf8("θˈæŋk")), QString::fromUtf8("θaeηk"));
    const QString all = QString::fromUtf8("ˈˌːəɐɚɜɝɪᵻʊʌæɒɔɛʃʒŋðθɹɾɡɬɫʔʲ̩ɑ");
    const QString stored = storablePhonetics(all);
    EXPECT_TRUE(Gbk::canEncode(stored)) << stored.toStdString();
    EXPECT_FALSE(stored.contains(u'?'));
}

TEST(WordLists, ClickableWordsFollowTheTokensAndPhraseMerges) {
    const QString phrases = "$get out$look at$out of$";
    EXPECT_EQ(clickableWords("I'm here, too.", phrases), QStringList({"I", "m", "here", "too"}));
    EXPECT_EQ(clickableWords("Look at this.", phrases), QStringList({"Look at", "this"}));
    // A chain: "out of" merges into the hidden "out", so "of" is not shown.
    EXPECT_EQ(clickableWords("Get out of bed!", phrases), QStringList({"Get out", "bed"}));
    EXPECT_EQ(clickableWords("in 1990", phrases), QStringList({"in"}));
    EXPECT_EQ(clickableWords("look  at", phrases), QStringList({"look", "at"})); // two blanks
}

TEST(WordLists, DictionaryTextAndLookupWithEndings) {
    const QList<SourceEntry> entries = {
        {"study", "v. 学习", 1},   {"run", "v. 跑", 2},  {"happy", "adj. 快乐的", 3},
        {"Hello", "int. 你好", 4}, {"look at", "看", 5}, {"do", "v. 做", 6},
    };
    const QString dict = dictionaryText(entries, {{"run", "r∧n"}});
    EXPECT_EQ(dict, QString("$do[]v. 做$happy[]adj. 快乐的$Hello[]int. 你好$look at[]看"
                            "$run[r∧n]v. 跑$study[]v. 学习$"));
    EXPECT_EQ(phraseListText(entries), QString("$look at$"));

    const struct {
        const char* word;
        const char* headword;
        bool viaEnding;
    } cases[] = {
        {"hello", "Hello", false},  {"Look at", "look at", false},
        {"studies", "study", true}, {"running", "run", true},
        {"happier", "happy", true}, {"doing", "do", true},
        {"RUNNING", "", false},     {"s", "", false},
        {"Hangzhou", "", false},
    };
    for (const auto& c : cases) {
        bool via = false;
        EXPECT_EQ(lookUpWord(dict, c.word, &via), QString(c.headword)) << c.word;
        EXPECT_EQ(via, c.viaEnding) << c.word;
    }
}

TEST(LessonTimes, SentencesSitOnTheMillisecondGrid) {
    const int rate = 22050;
    EXPECT_EQ(millisecondGrid(rate), 441);
    EXPECT_EQ(millisecondGrid(16000), 16);
    // Two "utterances": silence, a burst of sound, silence.
    auto utterance = [](int quiet, int loud) {
        Samples s(size_t(quiet), 0);
        for (int i = 0; i < loud; ++i)
            s.push_back(int16_t(i % 2 ? 8000 : -8000));
        s.resize(s.size() + size_t(quiet), 0);
        return s;
    };
    const LessonAudio audio =
        layOutLesson({utterance(3000, 10000), utterance(500, 4410)}, rate, 700);
    ASSERT_EQ(audio.times.size(), 2);
    for (const SentenceTimes& t : audio.times) {
        EXPECT_EQ(t.startMs % 20, 0);
        EXPECT_EQ(t.endMs % 20, 0);
    }
    EXPECT_EQ(audio.times[0].startMs, 500);
    EXPECT_EQ(audio.times[1].startMs - audio.times[0].endMs, 700);
    // The burst lies inside [start, end] and everything outside is silence.
    for (size_t i = 0; i < audio.samples.size(); ++i) {
        const long long ms = (long long)i * 1000 / rate;
        const bool inside = (ms >= audio.times[0].startMs && ms < audio.times[0].endMs) ||
                            (ms >= audio.times[1].startMs && ms < audio.times[1].endMs);
        if (!inside) {
            ASSERT_EQ(audio.samples[i], 0) << i;
        }
    }
    EXPECT_EQ(secondsText(500), QString("0.5"));
    EXPECT_EQ(secondsText(12340), QString("12.34"));
    EXPECT_EQ(secondsText(3000), QString("3"));
    EXPECT_EQ(secondsText(20), QString("0.02"));
}
