#pragma once

#include <QString>

// The program folder: the folder of the running executable. Paths inside it
// are written the way the content refers to them, "\SETTING\set.dat", and map
// to <folder>/SETTING/set.dat.
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);
    // The folder of the running executable (QCoreApplication must exist).
    static ProgramFolder ofExecutable();

    const QString& root() const { return root_; }
    // "\a\b" -> <root>/a/b. The relative path is taken as it stands.
    QString path(const QString& backslashPath) const;

    // A book name is usable in a path only when it cannot leave the folder:
    // no path separator, no "..", no control character, not empty.
    static bool isSafeBookName(const QString& book);

    // Empty when the book name is unsafe, so nothing is read or written.
    QString lessonTextPath(const QString& book, int number) const; // \book\<book>\<n>.dat
    QString
    lessonAudioPath(const QString& book, int number,
                    const QString& fileName = {}) const; // \Sound\<book>\<n>.mp3 or <fileName>
    QString bookListPath(const QString& book) const;     // \SETTING\BookList\<book>.dat
    QString resultsPath(const QString& book) const;      // \SETTING\Results\<book>.dat

    QString settingsPath() const { return path("\\SETTING\\set.dat"); }
    QString launchCounterPath() const { return path("\\SETTING\\load.dat"); }
    QString companionSettingsPath() const { return path("\\SETTING\\vocaset.dat"); }
    QString dictionaryPath() const { return path("\\Lib.dll"); }
    QString phraseListPath() const { return path("\\wg.dll"); }
    QString recordingPath() const { return path("\\Recorder.wav"); }
    QString bitmapPath(const QString& name) const { return path("\\bitmap\\" + name); }
    QString interfaceSoundPath(const QString& name) const {
        return path("\\SETTING\\Sound\\" + name);
    }
    // \Word\<first character>\<word>.wav; empty for an unsafe word.
    QString wordAudioPath(const QString& word) const;

private:
    QString root_;
};
