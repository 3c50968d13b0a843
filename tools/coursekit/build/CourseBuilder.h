#pragma once

#include "CourseSource.h"
#include "ProgramFolder.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct BuildStats {
    int books = 0;
    int lessons = 0;
    int sentences = 0;
    int words = 0;
    double audioSeconds = 0; // lesson audio, all lessons
    qint64 bytes = 0;        // all generated files
    int written = 0;
    int unchanged = 0;
};

// Builds a program folder's content in two steps: prepare() validates and
// renders every file in memory (speech, MP3, WAV, pictures, store texts)
// without touching the folder; write() then replaces only the files whose
// bytes differ. A course that fails in prepare() leaves the folder as it was.
class CourseBuilder {
public:
    explicit CourseBuilder(ProgramFolder folder) : folder_(std::move(folder)) {}

    // False (with errors) when the course cannot be built. Warnings name the
    // lesson words a click would not find in the dictionary.
    bool prepare(const CourseSource& course, QList<SourceError>* errors,
                 QList<SourceError>* warnings);
    // False with a message when a file could not be written.
    bool write(QString* error);

    const BuildStats& stats() const { return stats_; }

    struct File {
        QString path;      // absolute
        QByteArray bytes;  // what ends up on disk
        QString storeText; // for text files: the text given to the store
        bool isStoreText = false;
    };
    const QList<File>& files() const { return files_; }

private:
    void addText(const QString& path, const QString& text);
    void addBinary(const QString& path, const QByteArray& bytes);
    bool prepareLessons(const CourseSource& course, QList<SourceError>* errors);
    bool prepareDictionary(const CourseSource& course, QList<SourceError>* errors,
                           QList<SourceError>* warnings);
    bool prepareInterface(QList<SourceError>* errors);
    void prepareStarterSettings(const CourseSource& course);

    ProgramFolder folder_;
    QList<File> files_;
    BuildStats stats_;
};

// The settings a first start uses when the folder has none: lesson 1 of
// `book` (the study window's own default book has no content here).
QString starterSettingsText(const QString& book);
