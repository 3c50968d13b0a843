#pragma once

#include "DictationCheck.h"
#include "ProgramFolder.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class BookResultsPanel;
class DictationProgress;
class InterfaceSounds;
class Notifier;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// The window's controls the dictation works with. Text2 is a QLineEdit,
// QPlainTextEdit or QTextEdit. A frame's named controls are used when the
// frame holds them and made when it does not; a null frame gets hidden ones.
struct DictationWidgets {
    QWidget* text2 = nullptr;  // the typing box
    QLabel* label1 = nullptr;  // the sentence (its caption is the sentence checked)
    QLabel* label39 = nullptr; // the sentence's letter mask
    QWidget* frame11 =
        nullptr; // Command22 复读, Command23 提示, Command25 重做, Command24, Command28
    QWidget* frame12 = nullptr; // Label27 提示, Label28 错误, Label29 复读, Label30 score
    QWidget* frame13 = nullptr; // "过关分数：" Combo5 "分", Command29
    // Read live when given: the next-sentence button (Command1), enabled
    // except on the lesson's last sentence, and the lesson list (List1),
    // whose current entry is the title starred when the lesson is passed.
    QWidget* nextSentenceButton = nullptr;
    QListWidget* lessonList = nullptr;
    // Read live when given: the window's StudyMode, so that a tab click
    // needs no call of setStudyMode.
    std::function<int()> studyMode = nullptr;
    // Read live when given, before the next-sentence button: whether the
    // current sentence is not the lesson's last. The button is enabled on
    // the last sentence too after a restart at sentence 1, which would keep
    // a one-sentence lesson from ever being passed.
    std::function<bool()> moreSentences = nullptr;
};

// The dictation test and the spelling check of sentence study: Enter in
// Text2 compares the letters of the entry with the sentence, selects the
// first wrong letter, scores hints, wrong checks and replays against the
// pass mark, and moves on once the learner has closed the result message.
class DictationController : public QObject {
    Q_OBJECT
public:
    // progress and results are the dictation's own parts; sounds and the
    // notifier may be null. None is owned.
    DictationController(const DictationWidgets& widgets, ProgramFolder folder,
                        InterfaceSounds* sounds, Notifier* notifier, DictationProgress* progress,
                        BookResultsPanel* results, QObject* parent = nullptr);
    ~DictationController() override;

    // The counters as their labels show them.
    DictationCounters counters() const;
    QString passMark() const;
    QComboBox* passMarkBox() const { return combo5_; }
    QPushButton* button(int commandNumber) const; // 22 .. 25, 28
    int studyMode() const { return w_.studyMode ? w_.studyMode() : studyMode_; }
    bool hasNextSentence() const;
    QString lessonTitle() const;

public slots:
    // StudyMode: 1 sentence study, 8 dictation; other modes only check.
    void setStudyMode(int studyMode);
    // Without a next-sentence button: false exactly on the lesson's last sentence.
    void setHasNextSentence(bool enabled);
    // Without a lesson list: the title starred when the lesson is passed.
    void setLessonTitle(const QString& title);
    // Every presented sentence: counters 0, 0, 0, 100; Text2 emptied and focused.
    void sentencePresented();

    // A character typed into Text2 (13 is Enter).
    void Text2_KeyPress(int keyAscii);
    void CheckTyping();
    void Command22_Click(); // replay (F7)
    void Command23_Click(); // hint (F8)
    void Command25_Click(); // redo (F12)

    // The pass mark restored from the settings file; the rule applies to it.
    void setPassMarkText(const QString& text);
    void Combo5_Change(const QString& text);
    void Combo5_Click();

signals:
    void playSentenceRequested(); // PlaySentence
    void nextSentenceRequested(); // NextSentence

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void writeCounters(const DictationCounters& c);
    void focusTyping();
    QString typedText() const;
    void clearTyped();
    void selectTyped(int start, int length);
    void playSound(const QString& name);
    // Scores the sentence against the pass mark. A fail is shown and the
    // sentence is redone; a pass gives the score for the caller's message.
    std::optional<QString> scorePassedSentence();
    void showResult(const QString& text);
    // The window the typing box sits in owns the messages.
    QWidget* messageParent() const;

    DictationWidgets w_;
    ProgramFolder folder_;
    InterfaceSounds* sounds_;
    Notifier* notifier_;
    DictationProgress* progress_;
    BookResultsPanel* results_;
    QWidget* holder_ = nullptr; // parent of the controls of missing frames
    QPushButton* command22_;
    QPushButton* command23_;
    QPushButton* command24_;
    QPushButton* command25_;
    QPushButton* command28_;
    QLabel* label27_;
    QLabel* label28_;
    QLabel* label29_;
    QLabel* label30_;
    QComboBox* combo5_;
    int studyMode_ = 1;
    bool hasNext_ = true;
    QString lessonTitle_;
};
