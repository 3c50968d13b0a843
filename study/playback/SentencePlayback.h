#pragma once

#include "StudyState.h"

#include <QObject>
#include <QString>
#include <array>

class LessonAudioPlayer;
class Pictures;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;
class ClickLabel;

// The playback cycle of the current sentence: play from its start, stop at its
// end (EndWatchTimer, 30 ms), wait the pause (PauseTimer) and repeat until the
// read count is reached. Owns the repeat settings strip Frame2 (read count
// Combo2, pause Combo3) and the speed choice Frame4.
class SentencePlayback : public QObject {
    Q_OBJECT
public:
    SentencePlayback(QWidget* form, LessonAudioPlayer* player, StudyState* state,
                     Pictures* pictures);

    LessonAudioPlayer* player() const { return player_; }
    QTimer* EndWatchTimer() const { return endWatch_; }
    QTimer* PauseTimer() const { return pause_; }
    QComboBox* Combo2() const { return combo2_; }
    QComboBox* Combo3() const { return combo3_; }
    QFrame* Frame2() const { return frame2_; }
    QFrame* Frame4() const { return frame4_; }

    // How often the current sentence has finished playing since it was chosen.
    int PlayCount = 0;
    // The per-mode repeat memories (settings fields 4 to 7), kept as text.
    QString ReadTimesStudy, PauseSecsStudy, ReadTimesBrowse, PauseSecsBrowse;

    double readCount() const; // Combo2, read leniently
    double pauseSecs() const; // Combo3, read leniently
    // Puts texts into the selectors without counting as the learner's choice.
    void setRepeatTexts(const QString& readTimes, const QString& pauseSecs);
    // PauseTimer interval <- Combo3 x 1000 + 10 ms.
    void applyPauseInterval();
    // Which speed is chosen: 0 slow, 1 normal, 2 fast.
    int speedChoice() const;

public slots:
    // Starts one play of the current sentence (button 朗读, F7).
    void PlaySentence();
    // Plays SentenceStart..SentenceEnd: the start step of the cycle.
    void startPlay();
    // Any stop: EndWatchTimer off and the audio paused. PauseTimer keeps
    // running, so a stop during the pause still lets the repeats follow.
    void Stop();
    void EndWatchTimer_Timer();
    void PauseTimer_Timer();
    void Combo2_Click();
    void Combo3_Click();
    void Command30_Click();
    void Command31_Click();
    void Label20_Click(int k);

signals:
    void focusTypingBox();
    void focusKeySink();
    // A play reached the sentence's end (the compare hook listens in mode 5).
    void sentenceEnded();
    // The pause after the last repeat ended while in whole-text mode: the
    // reading of the whole lesson may move on.
    void readCountReached();

private:
    void buildRepeatStrip(QWidget* form);
    void buildSpeedChoice(QWidget* form);
    void focusAfterChoice();

    LessonAudioPlayer* player_;
    StudyState* state_;
    Pictures* pictures_;
    QTimer* endWatch_;
    QTimer* pause_;
    QFrame* frame2_ = nullptr;
    QFrame* frame4_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QPushButton* command30_ = nullptr;
    QPushButton* command31_ = nullptr;
    std::array<QRadioButton*, 3> options_{};
    std::array<ClickLabel*, 3> speedLabels_{};
    std::array<QLabel*, 3> speedMarks_{};
};
