#include "SentencePlayer.h"

#include "AudioEngine.h"
#include "AudioLayout.h"
#include "Numbers.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

// The companion uses the engine with a playback rate: PlayerKind 2, seconds.
constexpr int kPlayerKind = 2;
constexpr int kEndWatchMs = 30;
constexpr int kReloadMs = 10;

int pauseInterval(const QString& pauseSecs) {
    const double secs = std::clamp(leadingNumber(pauseSecs), 0.0, 24.0 * 3600.0);
    return int(std::lround(secs * 1000.0)) + 10;
}

qint64 monotonicMs() {
    static QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

} // namespace

SentencePlayer::SentencePlayer(ProgramFolder folder, CompanionCourse& course, AudioEngine* engine,
                               QObject* parent)
    : QObject(parent), folder_(std::move(folder)), course_(course),
      audio_(engine, kPlayerKind, this), clock_(monotonicMs) {
    endWatch_.setInterval(kEndWatchMs);
    pause_.setInterval(pauseInterval(PauseSecs));
    reload_.setInterval(kReloadMs);
    reload_.setSingleShot(true);
    connect(&endWatch_, &QTimer::timeout, this, &SentencePlayer::EndWatchTimer_Timer);
    connect(&pause_, &QTimer::timeout, this, &SentencePlayer::PauseTimer_Timer);
    connect(&reload_, &QTimer::timeout, this, &SentencePlayer::ReloadTimer_Timer);
    connect(&audio_, &LessonAudioPlayer::fileFinished, this, &SentencePlayer::onFileFinished);
}

const Sentence* SentencePlayer::current() const {
    if (sentenceNo_ < 1 || sentenceNo_ > lesson_.sentenceCount()) return nullptr;
    return &lesson_.sentences.at(sentenceNo_ - 1);
}

QString SentencePlayer::tooltip() const {
    return course_.currentTitle() + QStringLiteral(" 本课共有") + QString::number(SentenceCount()) +
           QStringLiteral("句，当前是第") + QString::number(sentenceNo_) + QStringLiteral("句");
}

QString SentencePlayer::pauseCaption() const {
    return paused_ ? QStringLiteral("继续") : QStringLiteral("暂停");
}

qint64 SentencePlayer::now() const {
    return clock_ ? clock_() : monotonicMs();
}

qint64 SentencePlayer::playedMs() const {
    return playedBefore_ + (runningSince_ >= 0 ? now() - runningSince_ : 0);
}

void SentencePlayer::loadlesson() {
    endWatch_.stop();
    pause_.stop();
    const QString& book = course_.book;
    const int n = course_.lessonNumber();

    audio_.VoiceSet();
    if (AudioEngine* e = audio_.engine()) e->setVolume(AudioLayout::volumeFor(book));
    const QString file = AudioLayout::fileName(book, n);
    // Outside a shared-file book's ranges the previous lesson's file stays.
    if (!file.isEmpty()) audio_.LessonAudioPath = folder_.lessonAudioPath(book, n, file);
    fileEnded_ = false;
    const bool audioExists =
        !audio_.LessonAudioPath.isEmpty() && QFileInfo(audio_.LessonAudioPath).isFile();
    audioUnavailable_ = !audioExists || !audio_.engine();
    if (!audio_.LessonAudioPath.isEmpty()) audio_.VoiceOpen();
    if (AudioLayout::noticeWhenMissing(book) && !audioExists)
        emit notice(QStringLiteral("提示"),
                    QStringLiteral("本课的录音没有安装，这一课只能看，没有声音。"));

    // The repeat and pause choices take sentence study's values before the
    // first sentence is presented, so that it plays right away at start-up.
    PlayCount = 0;
    RepeatCount = ReadTimesStudy;
    PauseSecs = PauseSecsStudy;
    pause_.setInterval(pauseInterval(PauseSecs));

    lesson_ = Lesson{};
    problem_.clear();
    sentenceNo_ = 0;
    const QString textPath = folder_.lessonTextPath(book, n);
    if (!course_.hasLessons() || textPath.isEmpty()) {
        problem_ = book.isEmpty()
                       ? QStringLiteral("没有找到课程。请在“选课/设置”中选择书本和课文。")
                       : QStringLiteral("“%1”没有课文。").arg(book);
    } else {
        auto loaded = Lesson::load(textPath);
        if (auto* l = std::get_if<Lesson>(&loaded))
            lesson_ = std::move(*l);
        else
            problem_ = std::get<LessonProblem>(loaded).message();
    }
    if (!problem_.isEmpty() || lesson_.sentenceCount() == 0) {
        if (problem_.isEmpty()) problem_ = QStringLiteral("这一课没有句子。");
        setNavigation(false, false);
        emit presented();
        emit lessonLoaded();
        return;
    }
    NextSentence();
    setNavigation(false, lesson_.sentenceCount() > 1);
    emit lessonLoaded();
}

void SentencePlayer::present() {
    PlayCount = 0;
    if (const Sentence* s = current()) audio_.setSentenceTimes(s->Start, s->End);
    emit presented();
}

void SentencePlayer::setNavigation(bool previous, bool next) {
    previousAvailable_ = previous;
    nextAvailable_ = next;
    emit navigationChanged(previous, next);
}

void SentencePlayer::NextSentence() {
    if (sentenceNo_ >= lesson_.sentenceCount()) return;
    ++sentenceNo_;
    present();
    setNavigation(sentenceNo_ > 1, sentenceNo_ < lesson_.sentenceCount());
    if (StudyMode == 1 && leadingNumber(RepeatCount) > 0) PlaySentence();
}

void SentencePlayer::PrevSentence() {
    if (sentenceNo_ <= 1) return;
    --sentenceNo_;
    present();
    setNavigation(sentenceNo_ > 1, true);
    if (StudyMode == 1 && leadingNumber(RepeatCount) > 0) PlaySentence();
}

void SentencePlayer::FirstSentence() {
    if (lesson_.sentenceCount() == 0) return;
    sentenceNo_ = 0;
    NextSentence();
    setNavigation(false, lesson_.sentenceCount() > 1);
}

void SentencePlayer::startPlayFromStart() {
    fileEnded_ = false;
    playedBefore_ = 0;
    runningSince_ = now();
    endWatch_.start();
    audio_.VoiceSetPosition();
    audio_.VoicePlay();
}

void SentencePlayer::PlaySentence() {
    if (!current()) return;
    pause_.stop();
    startPlayFromStart();
}

void SentencePlayer::EndWatchTimer_Timer() {
    audio_.VoiceGetPosition();
    bool ended = audio_.PlayerPosition >= audio_.SentenceEnd || fileEnded_;
    if (!ended && audioUnavailable_) {
        const double rate = slow_ ? 0.5 : 1.0;
        const double lengthMs = std::max(0.0, audio_.SentenceLength) * 1000.0 / rate;
        ended = double(playedMs()) >= lengthMs;
    }
    if (!ended) return;
    endWatch_.stop();
    audio_.VoicePause();
    runningSince_ = -1;
    ++PlayCount;
    pause_.start();
}

void SentencePlayer::PauseTimer_Timer() {
    pause_.stop();
    if (PlayCount < leadingNumber(RepeatCount)) {
        startPlayFromStart();
        return;
    }
    if (nextAvailable_) {
        NextSentence();
        return;
    }
    if (!course_.hasLessons()) return;
    course_.currentLesson = course_.nextInRange();
    loadlesson();
}

void SentencePlayer::ReloadTimer_Timer() {
    reload_.stop();
    loadlesson();
}

void SentencePlayer::startReload() {
    reload_.start();
}

void SentencePlayer::AR10_Click() {
    if (!paused_) {
        paused_ = true;
        endWatch_.stop();
        audio_.VoicePause();
        if (runningSince_ >= 0) {
            playedBefore_ += now() - runningSince_;
            runningSince_ = -1;
        }
    } else {
        // A pause given while PauseTimer ran did not stop it: playback went on
        // by itself and continuing only sets the caption back.
        paused_ = false;
        endWatch_.start();
        pause_.stop();
        if (runningSince_ < 0) runningSince_ = now();
        audio_.VoicePlay();
    }
    emit pauseCaptionChanged(pauseCaption());
}

void SentencePlayer::setnum(const QString& value) {
    RepeatCount = value;
    ReadTimesStudy = value;
    PlayCount = 0;
}

void SentencePlayer::settime(const QString& value) {
    PauseSecs = value;
    PauseSecsStudy = value;
    pause_.setInterval(pauseInterval(value));
}

void SentencePlayer::setSlow(bool slow) {
    slow_ = slow;
    audio_.setSpeed(slow ? LessonAudioPlayer::Speed::Slow : LessonAudioPlayer::Speed::Normal);
    audio_.SetSoundRate();
}

void SentencePlayer::onFileFinished(bool failed) {
    if (failed)
        audioUnavailable_ = true;
    else if (endWatch_.isActive())
        fileEnded_ = true;
}
