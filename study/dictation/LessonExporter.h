#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QPushButton;
class QWidget;

// The button Command35 (caption "Command35", at its design place) that writes
// the current lesson's sentence pairs to "<n>.txt" (ExportLessonText).
class LessonExporter : public QObject {
    Q_OBJECT
public:
    // The button is created in `window`; null creates none.
    explicit LessonExporter(QWidget* window, QObject* parent = nullptr);

    QPushButton* button() const { return command35_; }
    // Where the files go; the system's place (drive D: or documents) by default.
    void setExportFolder(const QString& folder) { folder_ = folder; }
    QString exportPath() const;

public slots:
    // The rows of the whole-text panel (trimmed English and Chinese, lesson
    // order) and the lesson's position in the lesson list (-1 without one).
    void setLesson(const QStringList& english, const QStringList& chinese, int listPosition);
    void ExportLessonText();

private:
    QPushButton* command35_ = nullptr;
    QString folder_;
    QStringList english_;
    QStringList chinese_;
    int listPosition_ = -1;
};
