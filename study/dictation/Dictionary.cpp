#include "Dictionary.h"

#include <algorithm>
#include <limits>

namespace {

// Case folding one code point at a time, as QString's case-insensitive
// search compares, so the index and the linear search agree.
template <typename F> void forEachFolded(QStringView s, F&& f) {
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = s[i].unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && s[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(s[i].unicode(), s[i + 1].unicode());
            ++i;
        }
        f(QChar::toCaseFolded(cp));
    }
}

std::uint32_t foldedHash(QStringView s) {
    std::uint32_t h = 2166136261u;
    forEachFolded(s, [&](char32_t cp) {
        h ^= cp;
        h *= 16777619u;
    });
    return h;
}

bool foldedEqual(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

Dictionary::Dictionary(QString text) : text_(std::move(text)) {}

Dictionary::~Dictionary() {
    if (worker_.joinable()) worker_.join();
}

qsizetype Dictionary::findLinear(QStringView key) const {
    QString needle;
    needle.reserve(key.size() + 2);
    needle.append(QLatin1Char('$')).append(key).append(QLatin1Char('['));
    return text_.indexOf(needle, 0, Qt::CaseInsensitive);
}

void Dictionary::startIndexing() {
    if (ready_ || worker_.joinable()) return;
    worker_ = std::thread([this] { build(); });
}

void Dictionary::buildIndex() const {
    if (ready_) return;
    if (worker_.joinable()) {
        worker_.join();
        return;
    }
    build();
}

void Dictionary::build() const {
    std::vector<Slot> table;
    // Positions are held in 32 bits; a larger text keeps the linear search.
    if (text_.size() < qsizetype(std::numeric_limits<std::uint32_t>::max())) {
        const QStringView text(text_);
        table.reserve(std::size_t(text.count(QLatin1Char('$'))));
        qsizetype dollar = text.indexOf(QLatin1Char('$'));
        while (dollar >= 0) {
            // The headword runs to the first "["; a "$" first means this "$"
            // has no "[" of its own and "$" + key + "[" cannot match here.
            qsizetype i = dollar + 1;
            while (i < text.size() && text[i] != QLatin1Char('[') && text[i] != QLatin1Char('$'))
                ++i;
            if (i < text.size() && text[i] == QLatin1Char('[')) {
                const QStringView head = text.mid(dollar + 1, i - dollar - 1);
                table.push_back(
                    {foldedHash(head), std::uint32_t(dollar), std::uint32_t(head.size())});
                dollar = text.indexOf(QLatin1Char('$'), i + 1);
            } else {
                dollar = i < text.size() ? i : -1;
            }
        }
        // Equal hashes keep text order, so the first match is the first entry.
        std::sort(table.begin(), table.end(), [](const Slot& a, const Slot& b) {
            return a.hash != b.hash ? a.hash < b.hash : a.pos < b.pos;
        });
        table.shrink_to_fit();
    }
    table_ = std::move(table);
    ready_.store(true, std::memory_order_release);
}

qsizetype Dictionary::searchIndex(QStringView key) const {
    // Keys holding "$" or "[" can match across entry boundaries; only the
    // linear search answers those exactly. So does an oversized text.
    if (key.contains(QLatin1Char('$')) || key.contains(QLatin1Char('[')) ||
        (table_.empty() && !text_.isEmpty() &&
         text_.size() >= qsizetype(std::numeric_limits<std::uint32_t>::max())))
        return findLinear(key);
    const std::uint32_t h = foldedHash(key);
    auto it = std::lower_bound(table_.begin(), table_.end(), h,
                               [](const Slot& s, std::uint32_t v) { return s.hash < v; });
    const QStringView text(text_);
    for (; it != table_.end() && it->hash == h; ++it) {
        if (foldedEqual(text.mid(it->pos + 1, it->length), key)) return it->pos;
    }
    return -1;
}

qsizetype Dictionary::findIndexed(QStringView key) const {
    buildIndex();
    return searchIndex(key);
}

qsizetype Dictionary::find(QStringView key) const {
    if (indexReady()) return searchIndex(key);
    if (worker_.joinable()) return findLinear(key);
    return findIndexed(key);
}

std::size_t Dictionary::indexBytes() const {
    return indexReady() ? table_.capacity() * sizeof(Slot) : 0;
}

std::size_t Dictionary::indexedEntries() const {
    return indexReady() ? table_.size() : 0;
}

Dictionary::Entry Dictionary::entryAt(qsizetype start) const {
    Entry e;
    if (start < 0 || start >= text_.size()) return e;
    e.start = start;
    e.end = text_.indexOf(QLatin1Char('$'), start + 1);
    if (e.end < 0) e.end = text_.size();
    const QStringView entry = QStringView(text_).mid(start, e.end - start);
    const qsizetype open = entry.indexOf(QLatin1Char('['));
    if (open < 0) {
        e.headword = entry.mid(1).toString();
        return e;
    }
    e.headword = entry.mid(1, open - 1).toString();
    const qsizetype close = entry.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0) {
        // No "]": everything after "[" is taken as phonetics.
        e.phonetic = entry.mid(open + 1).toString();
        return e;
    }
    e.phonetic = entry.mid(open + 1, close - open - 1).toString();
    e.meaning = entry.mid(close + 1).toString();
    return e;
}

QStringList stemCandidates(const QString& w) {
    struct Rule {
        const char* ending;
        // (characters removed, text appended)
        std::initializer_list<std::pair<int, const char*>> candidates;
    };
    static const Rule rules[] = {
        {"ing", {{3, ""}, {3, "e"}, {4, ""}}},
        {"er", {{2, ""}, {2, "e"}, {3, "y"}, {3, ""}}},
        {"est", {{3, ""}, {2, ""}, {4, "y"}}},
        {"s", {{1, ""}, {2, ""}, {3, "y"}}},
        {"ed", {{2, ""}, {2, "e"}, {3, "y"}, {3, ""}}},
    };
    QStringList result;
    for (const Rule& rule : rules) {
        if (!w.endsWith(QLatin1String(rule.ending), Qt::CaseSensitive)) continue;
        for (const auto& [cut, add] : rule.candidates) {
            // A cut longer than the word (‘s’, ‘er’) has no candidate; an
            // empty candidate would show an empty headword.
            if (cut >= w.size()) continue;
            result << w.left(w.size() - cut) + QLatin1String(add);
        }
        break; // a word ends with at most one of the endings
    }
    return result;
}

static qsizetype findBy(const Dictionary& d, QStringView key, SearchMode mode) {
    switch (mode) {
    case SearchMode::Linear:
        return d.findLinear(key);
    case SearchMode::Indexed:
        return d.findIndexed(key);
    case SearchMode::Auto:
        break;
    }
    return d.find(key);
}

WordLookup LookUpWord(const Dictionary& dictionary, const QString& word, SearchMode mode) {
    WordLookup result;
    int gap = 90;
    qsizetype start = findBy(dictionary, word, mode);
    if (start < 0) {
        for (const QString& candidate : stemCandidates(word)) {
            start = findBy(dictionary, candidate, mode);
            if (start >= 0) {
                gap = 110;
                break;
            }
        }
    }
    if (start < 0) {
        result.headword = word;
        result.meaning = kNotFoundMeaning;
        return result;
    }
    const Dictionary::Entry e = dictionary.entryAt(start);
    result.found = true;
    result.entryStart = start;
    result.headword = e.headword;
    result.phonetic = e.phonetic;
    result.meaning = e.meaning;
    result.linkGapTwips = gap;
    return result;
}
