#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The teacher's course source: a plain UTF-8 text of books, lessons, sentence
// lines "English | Chinese | note" and dictionary lines "headword | meaning".
// The parser validates everything a build later relies on, so that a source
// with a fault is refused before any file of the program folder is touched.

struct SpeechSettings {
    QString voice = QStringLiteral("en-us"); // espeak-ng voice name
    int rate = 160;                          // words per minute
    int gapMs = 800;                         // silence between sentences
    int voiceLine = 0;                       // where the voice was chosen (0: default)
};

struct SourceSentence {
    QString english;
    QString chinese;
    QString note;
    int line = 0;
};

struct SourceLesson {
    QString title;
    int line = 0;
    SpeechSettings speech; // the settings in force where the lesson starts
    QList<SourceSentence> sentences;
};

struct SourceBook {
    QString name;
    int line = 0;
    QList<SourceLesson> lessons;
};

struct SourceEntry {
    QString headword; // a word, or two words joined by one blank (a phrase)
    QString meaning;
    int line = 0;
    bool isPhrase() const { return headword.contains(u' '); }
};

struct CourseSource {
    QList<SourceBook> books;
    QList<SourceEntry> entries;
    SpeechSettings wordSpeech; // the settings in force at the "dictionary:" line
};

struct SourceError {
    int line = 0; // 1-based; 0 for a problem of the whole source
    QString reason;
    QString text(const QString& sourceName) const;
};

struct ParsedSource {
    CourseSource course;
    QList<SourceError> errors;
    bool ok() const { return errors.isEmpty(); }
};

ParsedSource parseCourseSource(const QByteArray& utf8);
