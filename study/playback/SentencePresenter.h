#pragma once

#include "StudyState.h"

#include <QObject>
#include <QString>

class DrawnToggle;
class Notifier;
class Pictures;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SentencePlayback;
class StudyPanels;
class QWidget;

// Moving through the lesson (NextSentence, PrevSentence, FirstSentence) and
// presenting the current record (ty): the English line and its letter mask,
// the translation and its mask, the note, the sentence counter, the compare
// panel's texts, the two display toggles and the one-off peeks. Owns the
// English and Chinese bands, the counter Frame1, the toggles Frame7/Frame8 and
// the sentence buttons Frame5.
class SentencePresenter : public QObject {
    Q_OBJECT
public:
    SentencePresenter(QWidget* form, StudyState* state, SentencePlayback* playback,
                      StudyPanels* panels, Pictures* pictures, Notifier* notifier);

    // Starts a lesson: the counter set from `sentenceCount` and sentence 1
    // presented (and played when the mode asks for it).
    void beginLesson(const QString& lessonText, int sentenceCount);
    // No lesson: empty lines, counter at 0, no button that moves.
    void clearLesson();

    int SentenceNo() const;       // Label3
    int SentenceCount() const;    // Label4
    qsizetype CurRecordStart = 0; // 0-based positions of the "*" around the record
    qsizetype CurRecordEnd = 0;
    const QString& LessonText() const { return lessonText_; }

    // Display choices and their controls.
    DrawnToggle* englishToggle() const { return english_; } // Check1
    DrawnToggle* chineseToggle() const { return chinese_; } // Check2
    // Label1/Picture12/Label39 and Label2/Label41/Label40 by the choices.
    void applyEnglishChoice();
    void applyChineseChoice();
    // Note line placed at the translation's left edge, or out of sight.
    void showNoteBesideTranslation(bool besideTranslation);

    QLabel* Label1 = nullptr;
    QLabel* Label39 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label40 = nullptr;
    QLabel* Label41 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Frame5 = nullptr;
    QFrame* Frame7 = nullptr;
    QFrame* Frame8 = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command36 = nullptr;

    // Letter mask: each of the 52 ASCII letters becomes "_".
    static QString englishMask(const QString& english);
    // Chinese mask: "■" for everything but "，", "。", "？", "！".
    static QString chineseMask(const QString& chinese);

public slots:
    void NextSentence();
    void PrevSentence();
    void FirstSentence();
    void ty();
    void Command5_Click();  // English peek
    void Command36_Click(); // Chinese peek

signals:
    // A sentence was presented: its words are laid out and the dictation
    // counters reset by their owners.
    void presented();
    // First pointer event over the next-sentence button.
    void nextButtonPointer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBands(QWidget* form, Pictures* pictures);
    void buildCounter(QWidget* form);
    void buildButtons(QWidget* form);
    void layOutCounter();
    void layOutCompareText();
    void setNextEnabled(bool on);
    void setPrevEnabled(bool on);

    StudyState* state_;
    SentencePlayback* playback_;
    StudyPanels* panels_;
    Notifier* notifier_;
    QWidget* form_;
    QString lessonText_;
    QLineEdit* text1_ = nullptr; // RecordText
    QLabel* counterCaption3_ = nullptr;
    QLabel* counterCaption4_ = nullptr;
    QLabel* counterCaption5_ = nullptr;
    DrawnToggle* english_ = nullptr;
    DrawnToggle* chinese_ = nullptr;
};
