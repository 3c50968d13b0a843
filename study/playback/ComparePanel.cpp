#include "ComparePanel.h"

#include "DrawnToggle.h"
#include "Notifier.h"
#include "SentencePlayback.h"
#include "StudyPanels.h"
#include "VoiceRecorder.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kCompareMode = 5;
} // namespace

QString ComparePanel::noDeviceTitle() {
    return QString::fromUtf8("使用提示");
}

QString ComparePanel::noDeviceMessage() {
    return QString::fromUtf8("没有找到可用的录音设备，无法录音。请连接麦克风后重新打开本软件。");
}

ComparePanel::ComparePanel(QWidget* form, StudyState* state, StudyPanels* panels,
                           SentencePlayback* playback, VoiceRecorder* recorder, Notifier* notifier)
    : QObject(form), form_(form), state_(state), playback_(playback), recorder_(recorder),
      notifier_(notifier) {
    setObjectName("ComparePanel");
    auto button = [panels](const char* name) {
        return panels->Picture4->findChild<QPushButton*>(QString::fromLatin1(name));
    };
    Command8 = button("Command8");
    Command9 = button("Command9");
    Command10 = button("Command10");
    Command11 = button("Command11");
    Command12 = button("Command12");
    Command13 = panels->Command13;
    Command14 = panels->Command14;
    Command15 = panels->Command15;
    Label11 = panels->Label11;
    Check4 = panels->compareChinese;

    // The file may hold a recording of an earlier run: nothing can be
    // compared or played until this run has made one.
    Command9->setEnabled(false);
    Command10->setEnabled(false);
    Command12->setEnabled(false);

    connect(Command8, &QPushButton::clicked, this, &ComparePanel::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &ComparePanel::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &ComparePanel::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &ComparePanel::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &ComparePanel::Command12_Click);
    // Connected after the sentence navigation, so these run once it has moved.
    connect(Command13, &QPushButton::clicked, this, &ComparePanel::Command13_Click);
    connect(Command14, &QPushButton::clicked, this, &ComparePanel::Command14_Click);
    // 首句 only moves: the recording buttons keep their states.
    connect(playback_, &SentencePlayback::sentenceEnded, this, &ComparePanel::sentenceEnded);
    if (recorder_) connect(recorder_, &VoiceRecorder::done, this, &ComparePanel::MMControl1_Done);
    connect(Check4, &DrawnToggle::changed, this, &ComparePanel::Check4_Change);
    Check4_Change(Check4->isOn());
}

bool ComparePanel::loopActive() const {
    return !Command9->isEnabled() && Command12->isEnabled();
}

void ComparePanel::Command8_Click() {
    if (recorder_) recorder_->record();
    // A recording that silently never happens would look like one that did:
    // say so, once, and leave the buttons as a recording press leaves them.
    if ((!recorder_ || !recorder_->isRecording()) && !toldNoDevice_) {
        toldNoDevice_ = true;
        notifier_->information(form_, noDeviceTitle(), noDeviceMessage());
    }
    Command10->setEnabled(true);
}

void ComparePanel::Command10_Click() {
    Command10->setEnabled(false);
    Command9->setEnabled(true);
    Command12->setEnabled(true);
    if (recorder_) recorder_->stop();
    playback_->Stop();
}

void ComparePanel::Command9_Click() {
    Command9->setEnabled(false);
    Command10->setEnabled(true);
    Command11_Click();
}

void ComparePanel::Command11_Click() {
    // One voice at a time: the recording, if it is playing, gives way to the
    // sentence, and the loop goes on from the sentence's end. A recording in
    // progress is left running.
    if (recorder_ && recorder_->isPlaying()) recorder_->stop();
    playback_->PlaySentence();
}

void ComparePanel::Command12_Click() {
    // The sentence gives way to the recording likewise; in the loop the
    // recording's end brings the sentence back.
    playback_->Stop();
    if (recorder_) recorder_->play();
}

void ComparePanel::Command13_Click() {
    endComparing();
}

void ComparePanel::Command14_Click() {
    endComparing();
}

void ComparePanel::lessonLoaded() {
    forgetRecording();
}

void ComparePanel::forgetRecording() {
    Command9->setEnabled(false);
    Command10->setEnabled(false);
    Command12->setEnabled(false);
    if (recorder_) recorder_->stop();
}

void ComparePanel::endComparing() {
    forgetRecording();
    playback_->Stop();
}

void ComparePanel::sentenceEnded() {
    if (state_->StudyMode == kCompareMode && loopActive() && recorder_) recorder_->play();
}

void ComparePanel::MMControl1_Done() {
    // Only in this mode: after the learner has moved to another mode, a
    // recording still playing out must not start the sentence there.
    if (state_->StudyMode == kCompareMode && loopActive()) playback_->PlaySentence();
}

void ComparePanel::Check4_Change(bool on) {
    Label11->setVisible(on);
}
