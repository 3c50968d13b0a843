#pragma once

#include "StudyState.h"

#include <QObject>

class SentencePlayback;
class StudyPanels;
class WholeTextPanel;
class WholeTextScroll;

// Reading the whole lesson aloud in the whole-text mode: autoread plays the
// rows one after the other, each with the read count and pause of the mode,
// underlines the row being read and scrolls it into view. The state lives in
// the captions of the read-all button Command6 and the pause button Command7.
class AutoRead : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Reading, Paused };

    AutoRead(StudyState* state, StudyPanels* panels, SentencePlayback* playback,
             WholeTextPanel* panel, WholeTextScroll* scroll);

    // Read from the captions, the only place the state is kept.
    State readingState() const;

    static QString readAllCaption();  // " 全文朗读(&R)"
    static QString stopCaption();     // " 停止朗读(&S)"
    static QString pauseCaption();    // " 暂停朗读(&P)"
    static QString continueCaption(); // " 继续朗读(&A)"

public slots:
    void autoread();
    void Command6_Click();
    void Command7_Click();
    // A click on the list background or its viewport stops the reading.
    void Picture2_Click();
    // The pause after a row's last play has ended (playback cycle step 4).
    void readCountReached();

private:
    void keepInView(int row);

    StudyState* state_;
    StudyPanels* panels_;
    SentencePlayback* playback_;
    WholeTextPanel* panel_;
    WholeTextScroll* scroll_;
};
