// One click on a word looks it up in the dictionary, up to five keys when
// the stem fallbacks run. This measures a click with the headword index and
// with the plain linear search over the same synthetic dictionary, and the
// index's build time and size.
#include "Dictionary.h"

#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr int kEntries = 200000;

// Deterministic made-up headwords: syllables, a number-free letter tail.
QString makeHeadword(std::mt19937& rng, int i) {
    static const char* syllables[] = {"ba", "ce", "di",  "fo", "gu", "ha", "je", "ki", "lo", "mu",
                                      "na", "pe", "qui", "ro", "su", "ta", "ve", "wo", "xa", "yo"};
    QString w;
    const int parts = 2 + int(rng() % 3);
    for (int p = 0; p < parts; ++p)
        w += QLatin1String(syllables[rng() % 20]);
    // A letter code of the index keeps the headwords distinct.
    for (int v = i; v > 0; v /= 26)
        w += QChar('a' + v % 26);
    if (i % 7 == 0) w[0] = w[0].toUpper();
    return w;
}

struct Fixture {
    QString text;
    std::size_t gbkBytes = 0;
    QStringList sampleHeadwords;
};

const Fixture& fixture() {
    static const Fixture f = [] {
        Fixture f;
        std::mt19937 rng(42);
        QString meaning;
        for (int i = 0; i < 56; ++i)
            meaning += QChar(0x4e00 + int(rng() % 2000));
        f.text.reserve(std::size_t(kEntries) * 72);
        for (int i = 0; i < kEntries; ++i) {
            QString head = makeHeadword(rng, i);
            // The words the clicks below look for, placed late in the text
            // so the linear search pays nearly a full pass.
            if (i == kEntries * 3 / 4) head = QStringLiteral("study");
            if (i == kEntries * 9 / 10) head = QStringLiteral("window");
            if (i % 997 == 0) f.sampleHeadwords << head;
            f.text += QLatin1Char('$') + head + QStringLiteral("[ˈsæm.pəl]n. ") +
                      meaning.mid(int(rng() % 8)) + QStringLiteral("\r\n");
        }
        f.text += QLatin1Char('$');
        for (QChar c : f.text)
            f.gbkBytes += c.unicode() < 0x80 ? 1 : 2;
        return f;
    }();
    return f;
}

const Dictionary& indexedDictionary() {
    static Dictionary d(fixture().text);
    d.buildIndex();
    return d;
}

const char* const kClicks[] = {"Window", "studies", "xyzzier"};

void BM_Click(benchmark::State& state, SearchMode mode) {
    const Dictionary& d = indexedDictionary();
    const QString word = QString::fromLatin1(kClicks[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(LookUpWord(d, word, mode));
    state.SetLabel(word.toStdString());
}
void BM_ClickIndexed(benchmark::State& state) {
    BM_Click(state, SearchMode::Indexed);
}
void BM_ClickLinear(benchmark::State& state) {
    BM_Click(state, SearchMode::Linear);
}

void BM_BuildIndex(benchmark::State& state) {
    for (auto _ : state) {
        Dictionary d(fixture().text);
        d.buildIndex();
        state.counters["index_MB"] = double(d.indexBytes()) / (1024.0 * 1024.0);
        state.counters["entries"] = double(d.indexedEntries());
    }
    state.counters["text_GBK_MB"] = double(fixture().gbkBytes) / (1024.0 * 1024.0);
}

// Every click word, every sampled headword and its fallback candidates must
// be answered identically by both searches.
bool checkAgreement() {
    const Dictionary& d = indexedDictionary();
    QStringList keys;
    for (const char* w : kClicks)
        keys << QString::fromLatin1(w);
    for (const QString& h : fixture().sampleHeadwords) {
        keys << h << h.toUpper() << h + "s";
        keys << stemCandidates(h + "ing") << stemCandidates(h + "er");
    }
    int agreed = 0;
    for (const QString& k : keys) {
        if (d.findIndexed(k) != d.findLinear(k)) {
            std::fprintf(stderr, "disagreement on %s\n", qPrintable(k));
            return false;
        }
        const WordLookup a = LookUpWord(d, k, SearchMode::Indexed);
        const WordLookup b = LookUpWord(d, k, SearchMode::Linear);
        if (a.entryStart != b.entryStart || a.headword != b.headword) {
            std::fprintf(stderr, "lookup disagreement on %s\n", qPrintable(k));
            return false;
        }
        ++agreed;
    }
    std::printf("agreement: %d keys answered identically by index and linear search\n", agreed);
    return true;
}

} // namespace

BENCHMARK(BM_ClickIndexed)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickLinear)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    std::printf("dictionary: %d entries, %.1f MB as GBK text\n", kEntries,
                double(fixture().gbkBytes) / (1024.0 * 1024.0));
    if (!checkAgreement()) return EXIT_FAILURE;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
