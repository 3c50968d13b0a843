#pragma once

#include "Book.h"
#include "ProgramFolder.h"
#include "StudyState.h"

#include <QObject>
#include <QString>

class LessonAudioPlayer;
class Notifier;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QTimer;
class QWidget;
class SentencePlayback;
class SentencePresenter;
class StudyModes;
class StudyPanels;

// The book chooser Combo1, the lesson list List1 and the lesson loader
// loadlesson: choosing a book lists its lessons and loads the first one 10 ms
// later; picking a lesson loads it.
class LessonChooser : public QObject {
    Q_OBJECT
public:
    LessonChooser(QWidget* form, const ProgramFolder& folder, StudyState* state,
                  LessonAudioPlayer* player, SentencePresenter* presenter, StudyModes* modes,
                  StudyPanels* panels, QLabel* lessonTitle, Notifier* notifier);

    QComboBox* Combo1() const { return combo1_; }
    QListWidget* List1() const { return list1_; }
    QTimer* Timer3() const { return timer3_; }
    const Book& book() const { return book_; }
    QString bookName() const;
    int LessonIndex = -1;

    // Fills the chooser with the study books.
    void fillBooks();
    // Start-up: the stored book and lesson. A book that is not in the chooser
    // or has no lessons gives way to the first book that has lessons; a stored
    // lesson that selects nothing gives the first lesson.
    void restore(const QString& storedBook, int storedLesson);
    // Loads a book's lesson list and results into the list (no lesson load).
    void showBook(const QString& name);

public slots:
    void loadlesson();
    void Combo1_Click();
    void List1_MouseUp();
    void Timer3_Timer();

signals:
    // A lesson has been loaded: the whole-text rows can be rebuilt.
    void lessonLoaded();
    void listPointerMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* form_;
    ProgramFolder folder_;
    StudyState* state_;
    LessonAudioPlayer* player_;
    SentencePresenter* presenter_;
    StudyModes* modes_;
    StudyPanels* panels_;
    QLabel* lessonTitle_;
    Notifier* notifier_;
    QComboBox* combo1_;
    QFrame* picture6_;
    QListWidget* list1_;
    QTimer* timer3_;
    Book book_;
};
