#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// Dictation progress in the frame Frame21: "听写进度：" DictationDone (Label33)
// "/" (Label7_36) DictationTotal (Label34), and the bar Picture10 sliding in
// the white frame Picture9 so that its visible part ends at DictationRatio
// (Label32, hidden) of the frame's width.
class DictationProgress : public QObject {
    Q_OBJECT
public:
    explicit DictationProgress(QWidget* frame21, QObject* parent = nullptr);
    ~DictationProgress() override;

    int done() const;  // DictationDone
    int total() const; // DictationTotal
    // SentenceCount: DictationTotal is set to it with every lesson load, by
    // setSentenceCount or by the window writing Label34 itself.
    int sentenceCount() const { return total(); }
    double ratio() const; // DictationRatio
    QLabel* doneLabel() const { return label33_; }
    QLabel* slashLabel() const { return slash_; }
    QLabel* totalLabel() const { return label34_; }
    QWidget* barFrame() const { return picture9_; }
    QWidget* bar() const { return picture10_; }

    static constexpr int kBarFrameWidthTwips = 1650;
    static constexpr int kBarWidthTwips = 2685;
    static constexpr int kLabelGapTwips = 40;

public slots:
    // A lesson was loaded: SentenceCount and DictationTotal, DictationDone 0.
    void setSentenceCount(int sentenceCount);
    // DictationDone back to "0" (lesson load, entering the dictation mode).
    void resetProgress();
    void MarkSentencePassed();
    // Restart "首句(&F)": count to 0, then sentence 1.
    void Command24_Click();

signals:
    // FirstSentence: present sentence 1 (and play it in the dictation mode).
    void firstSentenceRequested();

private:
    void redraw();

    QWidget* holder_ = nullptr; // owned when no frame was given
    QLabel* label33_;
    QLabel* slash_;
    QLabel* label34_;
    QLabel* label32_;
    QWidget* picture9_;
    QWidget* picture10_;
};
