#pragma once

#include "ResultsKeeper.h"

#include <QObject>
#include <QString>

class Notifier;
class QListWidget;
class QPushButton;
class QWidget;

// The book's dictation results in the panel Picture8: title "本册听写成绩",
// the list List2 with one entry per lesson and its star, the legend, the
// buttons "清除" (Command26), "关闭" (Command27) and the panel's own close
// button (Command17_3). Passing a lesson stars it and writes the file.
class BookResultsPanel : public QObject {
    Q_OBJECT
public:
    // `notifier` tells the learner when the results cannot be written; it
    // may be null. Not owned.
    BookResultsPanel(QWidget* picture8, ProgramFolder folder, Notifier* notifier,
                     QObject* parent = nullptr);

    const ResultsKeeper& results() const { return keeper_; }
    QWidget* panel() const { return picture8_; }
    QListWidget* list() const { return list2_; }

public slots:
    // A book was chosen: its name (Combo1) and the text of its results file.
    void setBook(const QString& bookName, const QString& resultsText);
    // "☆" + title becomes "★" + title; the panel shows; the file is written.
    void MarkLessonPassed(const QString& lessonTitle);
    // "成绩(&G)" (Command28): fill List2 and show the panel.
    void ShowBookResults();
    void Command26_Click();   // clear: every "★" becomes "☆"; show; write
    void Command27_Click();   // close
    void Command17_3_Click(); // close

signals:
    // The keyboard focus goes back to the typing box Text2.
    void focusTypingBoxRequested();

private:
    void save();
    void build();

    QWidget* picture8_;
    Notifier* notifier_;
    ResultsKeeper keeper_;
    QListWidget* list2_ = nullptr;
    QPushButton* command26_ = nullptr;
    QPushButton* command27_ = nullptr;
    QPushButton* command17_3_ = nullptr;
};
