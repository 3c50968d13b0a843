#pragma once

#include "CompanionCourse.h"
#include "Lesson.h"
#include "LessonAudioPlayer.h"
#include "ProgramFolder.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class AudioEngine;

// The companion's play loop: loads the current lesson, presents its sentences
// one by one, plays each RepeatCount times with a pause of PauseSecs after
// every play, moves on to the next sentence and lesson, and after EndLesson
// starts again at HN. Also the single-step commands of the menu and keys.
//
// Audio runs through the lesson-audio player with the engine that has a
// playback rate, so times are seconds and "慢速" halves the rate.
class SentencePlayer : public QObject {
    Q_OBJECT
public:
    // Neither `course` nor `engine` is owned; `engine` may be null (silent).
    SentencePlayer(ProgramFolder folder, CompanionCourse& course, AudioEngine* engine,
                   QObject* parent = nullptr);

    // Current values of the repeat and pause choices, as text.
    QString RepeatCount = "1";
    QString PauseSecs = "0";
    // Sentence study's own copies; a lesson load copies them into the above.
    QString ReadTimesStudy = "1";
    QString PauseSecsStudy = "0";
    int PlayCount = 0;
    static constexpr int StudyMode = 1; // the companion stays in sentence study

    int SentenceNo() const { return sentenceNo_; }
    int SentenceCount() const { return lesson_.sentenceCount(); }
    bool nextAvailable() const { return nextAvailable_; }
    bool previousAvailable() const { return previousAvailable_; }
    bool pausedByUser() const { return paused_; } // menu caption reads "继续"
    QString pauseCaption() const;
    bool slow() const { return slow_; }
    // Empty while a lesson is loaded; otherwise why nothing can be shown.
    const QString& problem() const { return problem_; }
    bool audioUsable() const { return !audioUnavailable_; }

    // The sentence on show, or null before any lesson loaded.
    const Sentence* current() const;
    // lesson name & " 本课共有" & count & "句，当前是第" & number & "句"
    QString tooltip() const;

    LessonAudioPlayer& audio() { return audio_; }
    QTimer& endWatchTimer() { return endWatch_; }
    QTimer& pauseTimer() { return pause_; }
    QTimer& reloadTimer() { return reload_; }

    // The clock that times a sentence whose audio cannot play (ms, monotonic).
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

public slots:
    void loadlesson();
    void NextSentence();
    void PrevSentence();
    void FirstSentence();
    void PlaySentence();
    void AR10_Click(); // pause / continue
    void setnum(const QString& value);
    void settime(const QString& value);
    void setSlow(bool slow);
    void startReload();

    void EndWatchTimer_Timer();
    void PauseTimer_Timer();
    void ReloadTimer_Timer();

signals:
    void presented();                                 // ty: the view lays out current()
    void navigationChanged(bool previous, bool next); // "上一句(&B)" / "下一句(&N)"
    void pauseCaptionChanged(const QString& caption); // "暂停" / "继续"
    void notice(const QString& title, const QString& text);
    void lessonLoaded();

private:
    void present();
    void setNavigation(bool previous, bool next);
    void startPlayFromStart();
    qint64 now() const;
    qint64 playedMs() const;
    void onFileFinished(bool failed);

    ProgramFolder folder_;
    CompanionCourse& course_;
    LessonAudioPlayer audio_;
    Lesson lesson_;
    QString problem_;
    int sentenceNo_ = 0;
    bool nextAvailable_ = false;
    bool previousAvailable_ = false;
    bool paused_ = false;
    bool slow_ = false;

    // Keeping the loop alive when the audio cannot deliver a position at the
    // sentence's end: an unopenable file is timed by the clock, and the end of
    // the file counts as the end of a sentence that lies beyond it.
    bool audioUnavailable_ = false;
    bool fileEnded_ = false;
    qint64 playedBefore_ = 0;
    qint64 runningSince_ = -1;
    std::function<qint64()> clock_;

    QTimer endWatch_;
    QTimer pause_;
    QTimer reload_;
};
