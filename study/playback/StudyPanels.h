#pragma once

#include <QObject>

class ClickLabel;
class DrawnToggle;
class Pictures;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The panels that the whole-text, compare and dictation work fill, placed
// where they belong in the study window, with the named controls that the
// sentence presentation, the modes and the settings already use. Their own
// behaviour is built on top of these widgets.
class StudyPanels : public QObject {
    Q_OBJECT
public:
    StudyPanels(QWidget* form, Pictures* pictures);

    // Sentence-study input band.
    QFrame* Shape3;
    QPlainTextEdit* Text2; // the typing box
    QLabel* Label7_2;      // "请在此拼写，按回车键检查："
    QLabel* Image18;
    QLabel* Label26;

    // Word strip over the English band, with the first-launch tip inside.
    QFrame* Picture12;
    QFrame* Picture14;
    QFrame* WordPicture;

    // Whole-text panel and its tool strip.
    QFrame* Picture5;
    QFrame* Picture2;
    QPushButton* Command32;
    QPushButton* Command33;
    QLabel* Image32;
    QLabel* Image33;
    QComboBox* Combo4; // the hidden key sink
    QFrame* Frame3;
    QPushButton* Command34;
    QPushButton* Command6;
    QPushButton* Command7;
    DrawnToggle* wholeTextChinese; // Check3
    DrawnToggle* wholeTextEnglish; // Check5
    QFrame* Picture11;
    QPushButton* Command16; // reset of the recall modes

    // Compare panel.
    QFrame* Picture4;
    QLabel* Label7_11;
    QLabel* Label10;
    QLabel* Label11;
    DrawnToggle* compareChinese; // Check4
    QPushButton* Command13;
    QPushButton* Command14;
    QPushButton* Command15;
    QLabel* Label13;

    // Dictation frames.
    QFrame* Frame11;
    QFrame* Frame12;
    QFrame* Frame13;
    QFrame* Frame14;
    QFrame* Frame21;
    QComboBox* Combo5;
    QLabel* Label27;
    QLabel* Label28;
    QLabel* Label29;
    QLabel* Label30;
    QLabel* Label32;
    QLabel* Label33;
    QLabel* Label34;
    QLabel* Label7_36;
    QFrame* Picture9;
    QFrame* Picture10;

    // Results panel.
    QFrame* Picture8;
    QListWidget* List2;

    // HintCount, ErrorCount, ReplayCount, SentenceScore <- 0, 0, 0, 100.
    void resetDictationCounters();
    // DictationDone <- 0 and the progress line and bar redrawn for `total`.
    void resetDictationProgress(int sentenceCount);

private:
    void buildInputBand(QWidget* form);
    void buildWholeText(QWidget* form, Pictures* pictures);
    void buildCompare(QWidget* form, Pictures* pictures);
    void buildDictation(QWidget* form);
    void buildResults(QWidget* form);
};
