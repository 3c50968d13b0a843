#include "SentencePlayback.h"

#include "Design.h"
#include "LessonAudioPlayer.h"
#include "Numbers.h"
#include "Pictures.h"
#include "Ui.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
constexpr int kEndWatchMs = 30;

QComboBox* makeSelector(QWidget* parent, const QString& name, const QStringList& items,
                        const QString& initial) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setEditText(initial);
    c->lineEdit()->setAlignment(Qt::AlignCenter);
    // The arrow button beside the field opens the list; the field shows none.
    c->setStyleSheet("QComboBox::drop-down { width: 0px; border: 0px; }");
    return c;
}

QPushButton* makeArrow(QWidget* parent, const QString& name) {
    auto* b = new QPushButton(QString::fromUtf8("\u25BE"), parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
} // namespace

SentencePlayback::SentencePlayback(QWidget* form, LessonAudioPlayer* player, StudyState* state,
                                   Pictures* pictures)
    : QObject(form), player_(player), state_(state), pictures_(pictures) {
    endWatch_ = new QTimer(this);
    endWatch_->setObjectName("Timer1");
    endWatch_->setInterval(kEndWatchMs);
    pause_ = new QTimer(this);
    pause_->setObjectName("Timer2");
    pause_->setInterval(10);
    connect(endWatch_, &QTimer::timeout, this, &SentencePlayback::EndWatchTimer_Timer);
    connect(pause_, &QTimer::timeout, this, &SentencePlayback::PauseTimer_Timer);
    buildRepeatStrip(form);
    buildSpeedChoice(form);
}

void SentencePlayback::buildRepeatStrip(QWidget* form) {
    using namespace Design;
    const int w = 3420, h = 330;
    frame2_ = Ui::frame(form, "Frame2", kBandLeft + kBandWidth - w, kContentTop + 60, w, h);
    auto caption = [&](const QString& name, const QString& text, int left) {
        auto* l = Ui::label(frame2_, name, text, left, 0, 420, h);
        l->setAlignment(Qt::AlignCenter);
        l->setProperty("role", "stripCaption");
    };
    QStringList counts;
    for (int i = 0; i <= 10; ++i)
        counts << QString::number(i);
    QStringList pauses = counts;
    pauses << "20"
           << "30"
           << "60";
    caption("ReadTimesCaption", QString::fromUtf8("朗读"), 0);
    combo2_ = makeSelector(frame2_, "Combo2", counts, "1");
    Ui::place(combo2_, 420, 15, 540, h - 30);
    command30_ = makeArrow(frame2_, "Command30");
    Ui::place(command30_, 960, 15, 240, h - 30);
    caption("ReadTimesUnit", QString::fromUtf8("次"), 1200);
    caption("PauseSecsCaption", QString::fromUtf8("间隔"), 1800);
    combo3_ = makeSelector(frame2_, "Combo3", pauses, "0");
    Ui::place(combo3_, 2220, 15, 540, h - 30);
    command31_ = makeArrow(frame2_, "Command31");
    Ui::place(command31_, 2760, 15, 240, h - 30);
    caption("PauseSecsUnit", QString::fromUtf8("秒"), 3000);

    connect(combo2_, &QComboBox::activated, this, &SentencePlayback::Combo2_Click);
    connect(combo3_, &QComboBox::activated, this, &SentencePlayback::Combo3_Click);
    // A typed value confirmed with Enter is a choice as well.
    connect(combo2_->lineEdit(), &QLineEdit::returnPressed, this, &SentencePlayback::Combo2_Click);
    connect(combo3_->lineEdit(), &QLineEdit::returnPressed, this, &SentencePlayback::Combo3_Click);
    connect(command30_, &QPushButton::clicked, this, &SentencePlayback::Command30_Click);
    connect(command31_, &QPushButton::clicked, this, &SentencePlayback::Command31_Click);
}

void SentencePlayback::buildSpeedChoice(QWidget* form) {
    using namespace Design;
    const int w = 3240, h = Design::kBottomRowHeight;
    frame4_ = Ui::frame(form, "Frame4", kClientWidth - w - 250, kBottomRowTop, w, h);
    const QStringList captions = {QString::fromUtf8("    慢速"), QString::fromUtf8("    常速"),
                                  QString::fromUtf8("    快速")};
    const QStringList optionTexts = {QString::fromUtf8("慢速"), QString::fromUtf8("常速"),
                                     QString::fromUtf8("快速")};
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(optionTexts[k], frame4_);
        option->setObjectName(QString("Option%1").arg(k + 1));
        option->setChecked(k == 1);
        option->hide(); // the state holder; the caption and mark draw it
        options_[k] = option;
        auto* lb = new ClickLabel(frame4_);
        lb->setObjectName(Ui::arrayName("Label20", k));
        lb->setText(captions[k]);
        lb->setCursor(Qt::PointingHandCursor);
        Ui::place(lb, k * 1080 + 75, 0, 1005, h);
        speedLabels_[k] = lb;
        auto* mark = new QLabel(frame4_);
        mark->setObjectName(Ui::arrayName("Image9", k));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->setPixmap(pictures_->bitmap(k == 1 ? "t.jpg" : "f.jpg"));
        Ui::place(mark, k * 1080 + 15, (h - 195) / 2, 195, 195);
        mark->setAlignment(Qt::AlignCenter);
        speedMarks_[k] = mark;
        connect(lb, &ClickLabel::released, this, [this, k](Qt::MouseButton b) {
            if (b == Qt::LeftButton) Label20_Click(k);
        });
    }
}

double SentencePlayback::readCount() const {
    return leadingNumber(combo2_->currentText());
}
double SentencePlayback::pauseSecs() const {
    return leadingNumber(combo3_->currentText());
}

void SentencePlayback::setRepeatTexts(const QString& readTimes, const QString& pauseSecs) {
    combo2_->setEditText(readTimes);
    combo3_->setEditText(pauseSecs);
}

void SentencePlayback::applyPauseInterval() {
    const double ms = pauseSecs() * 1000.0 + 10.0;
    pause_->setInterval(int(std::clamp(ms, 10.0, 86400000.0)));
}

int SentencePlayback::speedChoice() const {
    for (int k = 0; k < 3; ++k)
        if (options_[k]->isChecked()) return k;
    return 1;
}

void SentencePlayback::startPlay() {
    endWatch_->start();
    pause_->stop();
    player_->VoiceSetPosition();
    player_->VoicePlay();
}

void SentencePlayback::PlaySentence() {
    startPlay();
    emit focusTypingBox();
}

void SentencePlayback::Stop() {
    endWatch_->stop();
    player_->VoicePause();
}

void SentencePlayback::EndWatchTimer_Timer() {
    player_->VoiceGetPosition();
    if (player_->PlayerPosition < player_->SentenceEnd) return;
    endWatch_->stop();
    player_->VoicePause();
    ++PlayCount;
    pause_->start();
    if (state_->StudyMode == 5) emit sentenceEnded();
}

void SentencePlayback::PauseTimer_Timer() {
    pause_->stop();
    if (PlayCount < readCount()) {
        startPlay();
        return;
    }
    if (state_->StudyMode == 2) emit readCountReached();
}

void SentencePlayback::focusAfterChoice() {
    if (state_->StudyMode == 1)
        emit focusTypingBox();
    else
        emit focusKeySink();
}

void SentencePlayback::Combo2_Click() {
    PlayCount = 0;
    if (state_->StudyMode == 1) ReadTimesStudy = combo2_->currentText();
    if (state_->StudyMode == 2) ReadTimesBrowse = combo2_->currentText();
    focusAfterChoice();
}

void SentencePlayback::Combo3_Click() {
    if (state_->StudyMode == 1) PauseSecsStudy = combo3_->currentText();
    if (state_->StudyMode == 2) PauseSecsBrowse = combo3_->currentText();
    applyPauseInterval();
    focusAfterChoice();
}

void SentencePlayback::Command30_Click() {
    combo2_->showPopup();
}
void SentencePlayback::Command31_Click() {
    combo3_->showPopup();
}

void SentencePlayback::Label20_Click(int k) {
    if (k < 0 || k > 2) return;
    for (auto* mark : speedMarks_)
        mark->setPixmap(pictures_->bitmap("f.jpg"));
    speedMarks_[k]->setPixmap(pictures_->bitmap("t.jpg"));
    options_[k]->setChecked(true);
    player_->setSpeed(k == 0   ? LessonAudioPlayer::Speed::Slow
                      : k == 2 ? LessonAudioPlayer::Speed::Fast
                               : LessonAudioPlayer::Speed::Normal);
    player_->SetSoundRate();
}
