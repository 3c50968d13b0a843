#pragma once

#include "StudyState.h"

#include <QObject>
#include <QString>

class DrawnToggle;
class Notifier;
class QLabel;
class QPushButton;
class QWidget;
class SentencePlayback;
class StudyPanels;
class VoiceRecorder;

// The compare mode's panel Picture4 at work: the learner records himself after
// the current sentence, hears the recording and lets sentence and recording
// alternate until he stops. The panel's widgets are laid out by StudyPanels
// and its texts Label10/Label11 are placed by the sentence presentation; this
// class gives the eight buttons and the Chinese-line toggle their behaviour.
//
// The button states are the state of the mode:
//   no recording  循环对比 off, 停止 off, 您的发音 off
//   recording     循环对比 off, 停止 on,  您的发音 off
//   recorded      循环对比 on,  停止 off, 您的发音 on
//   looping       循环对比 off, 停止 on,  您的发音 on
// The loop is active exactly while Command9 is disabled and Command12 enabled.
class ComparePanel : public QObject {
    Q_OBJECT
public:
    // None of the pointers is owned. The previous/next/first buttons are
    // already connected to the sentence navigation; the handlers here run
    // after it, as they are connected later.
    ComparePanel(QWidget* form, StudyState* state, StudyPanels* panels, SentencePlayback* playback,
                 VoiceRecorder* recorder, Notifier* notifier);

    bool loopActive() const;
    VoiceRecorder* recorder() const { return recorder_; }

    QPushButton* Command8 = nullptr;  // 录音
    QPushButton* Command9 = nullptr;  // 循环对比
    QPushButton* Command10 = nullptr; // 停止
    QPushButton* Command11 = nullptr; // 标准发音
    QPushButton* Command12 = nullptr; // 您的发音
    QPushButton* Command13 = nullptr; // 上一句
    QPushButton* Command14 = nullptr; // 下一句
    QPushButton* Command15 = nullptr; // 首句
    QLabel* Label11 = nullptr;
    DrawnToggle* Check4 = nullptr; // "句子中文提示", drawn by Label24 and Image13

    static QString noDeviceTitle();
    static QString noDeviceMessage();

public slots:
    void Command8_Click();  // record
    void Command9_Click();  // start the compare loop
    void Command10_Click(); // stop recording, playing and the loop
    void Command11_Click(); // the lesson's sentence
    void Command12_Click(); // the recording, from its start
    // After the sentence navigation has moved: a new sentence needs a new
    // recording before it can be compared.
    void Command13_Click();
    void Command14_Click();
    // Another lesson was loaded (its audio is already stopped): a recording
    // of the old sentence is not compared with the new one.
    void lessonLoaded();
    // The playback cycle reached the sentence's end in this mode.
    void sentenceEnded();
    // The recorder's completion event: the recording has played to its end.
    void MMControl1_Done();
    // Check4 changed: Label11 shown while it is on.
    void Check4_Change(bool on);

private:
    void forgetRecording();
    void endComparing();

    QWidget* form_;
    StudyState* state_;
    SentencePlayback* playback_;
    VoiceRecorder* recorder_;
    Notifier* notifier_;
    bool toldNoDevice_ = false;
};
