#pragma once

#include <QString>
#include <QStringList>

// The lesson's sentence pairs as a text: English "*" Chinese CR LF per
// sentence, in lesson order, nothing escaped.
QString lessonExportText(const QStringList& english, const QStringList& chinese);

// Where the export of the lesson at list position `listPosition` (0-based,
// -1 without a lesson) goes: "<position + 1>.txt" on drive D: on Windows,
// in the user's documents folder elsewhere.
QString lessonExportPath(int listPosition);
QString lessonExportPath(int listPosition, const QString& folder);

// Writes the export through the text-file store, replacing an older file.
bool exportLessonText(const QString& path, const QStringList& english, const QStringList& chinese);
