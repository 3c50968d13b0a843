#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <variant>

// One sentence record of a lesson text: English#Chinese#Start#End#Note#
struct Sentence {
    QString English;
    QString Chinese;
    double Start = 0; // seconds into the lesson audio
    double End = 0;
    QString Note;
    QString RecordText; // the untrimmed text between the two "*"

    double length() const { return End - Start; }
};

// Text operations on a lesson text "*" record "*" ... record "*".
// Positions are 0-based indexes into the text.
namespace SentenceRecord {
// Number of records: the number of "*" minus one (0 for a text without "*").
int count(QStringView lessonText);
// Position of the "*" that closes the record after the "*" at `starPos`, or -1.
qsizetype nextStar(QStringView lessonText, qsizetype starPos);
// Position of the "*" that opens the record before the "*" at `starPos`, or -1.
qsizetype previousStar(QStringView lessonText, qsizetype starPos);
// The text strictly between two "*" positions.
QStringView between(QStringView lessonText, qsizetype openStar, qsizetype closeStar);
// Trims spaces only (tabs, line breaks and full-width spaces stay).
QString trimSpaces(QStringView text);
// Splits a record by its first five "#". Missing "#" leave the later fields
// empty (and times 0); `complete` tells whether all five were there.
Sentence split(QStringView record, bool* complete = nullptr);
// Start/End as PlayerKind 1 uses them: whole milliseconds.
long long toMilliseconds(double seconds);
} // namespace SentenceRecord

// Why a lesson file cannot be studied; message() is shown to the learner.
struct LessonProblem {
    enum Kind { MissingFile, NoRecord, ShortRecord, TextAfterLastStar, NoLeadingStar };
    Kind kind;
    QString file;   // the lesson file's path
    int record = 0; // 1-based record number for ShortRecord
    QString message() const;
};

struct Lesson {
    QString text; // LessonText
    QList<Sentence> sentences;

    int sentenceCount() const { return int(sentences.size()); }

    // Parses a lesson text. White space after the final "*" is accepted
    // (and kept in `text`); white space before the first "*" is accepted and
    // dropped, so `text` always begins with the leading "*" (position 0).
    // Anything else that breaks the grammar is a problem.
    static std::variant<Lesson, LessonProblem> parse(const QString& text, const QString& file = {});
    // Loads through the TextFileStore and parses.
    static std::variant<Lesson, LessonProblem> load(const QString& path);
};
