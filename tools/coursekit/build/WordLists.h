#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

struct SourceEntry;

// \Lib.dll: "$headword[phonetics]meaning" ... "$", entries in alphabetical
// order. `phonetics` maps each headword to its storable phonetic text.
QString dictionaryText(const QList<SourceEntry>& entries, const QMap<QString, QString>& phonetics);

// \wg.dll: every two-word phrase between "$" marks, "$look at$get up$".
QString phraseListText(const QList<SourceEntry>& entries);

// The texts a learner can click in a sentence, as the word display builds
// them: runs of ASCII letters, with two words merged into one label when the
// phrase list holds them (a merged label hides the two tokens after it).
QStringList clickableWords(const QString& english, const QString& phraseList);

// The dictionary lookup of a clicked text, with the fallback through the
// common endings. Returns the headword found (the dictionary's own form) or
// an empty string; `viaEnding` tells whether only an ending rule reached it.
QString lookUpWord(const QString& dictionary, const QString& word, bool* viaEnding = nullptr);
