#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QMessageBox;
class QWidget;

// The companion's message boxes: information icon, one OK button. They are
// shown without blocking, because the play loop keeps running for hours and
// must neither stall nor pile up boxes behind a notice nobody is reading; a
// new message replaces the text of a box that is still open.
class Notifier : public QObject {
    Q_OBJECT
public:
    explicit Notifier(QObject* parent = nullptr);

    // Tests keep boxes from appearing and read what would have been shown.
    void setQuiet(bool quiet) { quiet_ = quiet; }
    QStringList shown; // "title|text", in order

public slots:
    void inform(const QString& title, const QString& text);

private:
    bool quiet_ = false;
    QPointer<QMessageBox> box_;
};
