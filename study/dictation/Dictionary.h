#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

// The built-in dictionary: one text of entries "$" headword "[" phonetics "]"
// meaning, each running up to the next "$". A key is found at the first
// "$" + key + "[" in text order, case ignored.
//
// A linear search over the whole text costs tens of milliseconds per try and
// one click tries up to five keys, so lookups go through an index of the
// headwords that answers exactly as the linear search does. The index is
// built in the background (startIndexing) or, failing that, on first use.
class Dictionary {
public:
    explicit Dictionary(QString text = {});
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    const QString& text() const { return text_; }

    // Position of the "$" of the first match, or -1.
    qsizetype findLinear(QStringView key) const;
    // The same answer through the index (built now if it is not ready).
    qsizetype findIndexed(QStringView key) const;
    // The index when it is ready; while a background build runs, the linear
    // search, so a click never waits for the build.
    qsizetype find(QStringView key) const;

    // Builds the index on a worker thread. The text never changes afterwards.
    void startIndexing();
    // Builds the index on the calling thread (waits for a running build).
    void buildIndex() const;
    bool indexReady() const { return ready_.load(std::memory_order_acquire); }
    // Bytes held by the index.
    std::size_t indexBytes() const;
    std::size_t indexedEntries() const;

    struct Entry {
        qsizetype start = -1; // EntryStart: the entry's "$"; -1 = not found
        qsizetype end = -1;   // EntryEnd: the next "$" (or the end of the text)
        QString headword;
        QString phonetic;
        QString meaning;
        bool found() const { return start >= 0; }
    };
    // The entry whose "$" stands at `start`.
    Entry entryAt(qsizetype start) const;

private:
    struct Slot {
        std::uint32_t hash;
        std::uint32_t pos;    // position of the "$"
        std::uint32_t length; // headword length
    };
    void build() const;
    qsizetype searchIndex(QStringView key) const;

    QString text_;
    mutable std::vector<Slot> table_;
    mutable std::atomic<bool> ready_{false};
    mutable std::thread worker_;
};

// Candidates tried, in order, when a word is not found as written: the
// first matching ending of "ing", "er", "est", "s", "ed" (case-sensitive)
// with its repairs. Candidates that would be empty are left out.
QStringList stemCandidates(const QString& word);

inline const QString kNotFoundMeaning = QStringLiteral("<没找到!>");

// What the word panel shows for a clicked word.
struct WordLookup {
    bool found = false;
    QString headword; // the dictionary's own form, or the word as clicked
    QString phonetic;
    QString meaning;       // "<没找到!>" when not found
    int linkGapTwips = 90; // 90 for a direct hit or a miss, 110 through a fallback
    qsizetype entryStart = -1;
};

enum class SearchMode { Auto, Linear, Indexed };
WordLookup LookUpWord(const Dictionary& dictionary, const QString& word,
                      SearchMode mode = SearchMode::Auto);
