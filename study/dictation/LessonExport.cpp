#include "LessonExport.h"

#include "TextFileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString lessonExportText(const QStringList& english, const QStringList& chinese) {
    QString text;
    for (qsizetype i = 0; i < english.size(); ++i)
        text += english[i] + QLatin1Char('*') + chinese.value(i) + QStringLiteral("\r\n");
    return text;
}

QString lessonExportPath(int listPosition, const QString& folder) {
    return QDir(folder).filePath(QString::number(listPosition + 1) + QStringLiteral(".txt"));
}

QString lessonExportPath(int listPosition) {
#ifdef Q_OS_WIN
    return lessonExportPath(listPosition, QStringLiteral("D:/"));
#else
    // No drive D here; the documents folder is the learner's own place.
    return lessonExportPath(listPosition,
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
#endif
}

bool exportLessonText(const QString& path, const QStringList& english, const QStringList& chinese) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return TextFileStore::Save(path, lessonExportText(english, chinese));
}
