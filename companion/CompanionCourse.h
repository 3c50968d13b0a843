#pragma once

#include "ProgramFolder.h"

#include <QString>
#include <QStringList>

// The book the companion plays from, its lesson list, the current lesson and
// the play range HN .. EndLesson.
struct CompanionCourse {
    QString book;
    QStringList titles;   // lesson list, entry i is lesson number i + 1
    QString bookListText; // the "^" text the list came from
    int currentLesson = 0;
    int HN = 0;
    QString EndLesson;

    // The books the settings dialog offers, in this order.
    static QStringList books();

    // Reads the book's lesson list; a missing list leaves it empty.
    void loadBook(const ProgramFolder& folder, const QString& name);

    QString currentTitle() const;
    int lessonNumber() const { return currentLesson + 1; }
    bool hasLessons() const { return !titles.isEmpty(); }

    // The lesson the loop moves to after the current one: the following one,
    // or HN after EndLesson. A range whose end lies beyond the list's last
    // lesson also starts again at HN instead of stepping off the list.
    int nextInRange() const;
    // HN when it names a lesson of the list, otherwise the first lesson.
    int startOfRange() const;

    // The first of books() whose lesson list has entries and whose first
    // lesson text exists; empty when no book has content.
    static QString firstBookWithContent(const ProgramFolder& folder);
};
