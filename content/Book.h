#pragma once

#include "ProgramFolder.h"

#include <QString>
#include <QStringList>

// "^" title "^" title "^" ... "^" texts: lesson lists and results.
namespace CaretList {
// The entries of a "^" text in order, untrimmed, empty entries kept. Trailing
// white space after the final "^" is accepted. A text that does not begin and
// end with "^" gives no entries and sets *valid to false.
QStringList parse(const QString& text, bool* valid = nullptr);
QString join(const QStringList& entries); // "^a^b^"
} // namespace CaretList

inline const QChar kNotPassedMark = QChar(0x2606); // ☆ (GBK A1 EE)
inline const QChar kPassedMark = QChar(0x2605);    // ★ (GBK A1 EF)

// The three books of the study window's chooser, in order.
QStringList studyBooks();

class Book {
public:
    QString name;
    QStringList lessonTitles; // entry i is lesson number i + 1
    QString bookListText;     // BookListText
    QString resultsText;      // ResultsText

    // Loads the lesson list and the results. Missing files (or an unsafe name)
    // give an empty book, not a failure.
    static Book load(const ProgramFolder& folder, const QString& name);

    QStringList resultEntries() const { return CaretList::parse(resultsText); }
    // Every "☆" + title becomes "★" + title. Returns whether anything changed.
    bool markPassed(const QString& title);
    // Every "★" becomes "☆".
    void clearResults();
    // Writes ResultsText through the store; false when the save failed.
    bool saveResults(const ProgramFolder& folder) const;
};
