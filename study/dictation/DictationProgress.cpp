#include "DictationProgress.h"

#include "Numbers.h"
#include "Twips.h"

#include <QLabel>
#include <QWidget>

namespace {
QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->adjustSize();
    return l;
}

void fill(QWidget* w, const QColor& c) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}
} // namespace

DictationProgress::DictationProgress(QWidget* frame21, QObject* parent) : QObject(parent) {
    QWidget* frame = frame21;
    if (!frame) frame = holder_ = new QWidget;
    caption_ =
        makeLabel(QStringLiteral("听写进度："), QStringLiteral("DictationProgressCaption"), frame);
    caption_->move(0, 0);
    label33_ = makeLabel(QStringLiteral("0"), QStringLiteral("Label33"), frame);
    label33_->move(caption_->x() + caption_->width(), 0);
    slash_ = makeLabel(QStringLiteral("/"), QStringLiteral("Label7_36"), frame);
    label34_ = makeLabel(QStringLiteral("0"), QStringLiteral("Label34"), frame);
    label32_ = makeLabel(QStringLiteral("0"), QStringLiteral("Label32"), frame);
    label32_->hide();

    picture9_ = new QWidget(frame);
    picture9_->setObjectName(QStringLiteral("Picture9"));
    fill(picture9_, Qt::white);
    picture9_->setGeometry(0, caption_->height() + 4, px(kBarFrameWidthTwips), px(195));
    picture10_ = new QWidget(picture9_);
    picture10_->setObjectName(QStringLiteral("Picture10"));
    fill(picture10_, QColor(0, 0, 192));
    picture10_->setGeometry(-px(kBarWidthTwips), 0, px(kBarWidthTwips), picture9_->height());
    redraw();
}

DictationProgress::~DictationProgress() {
    delete holder_;
}

int DictationProgress::done() const {
    return leadingInt(label33_->text());
}
int DictationProgress::total() const {
    return leadingInt(label34_->text());
}
double DictationProgress::ratio() const {
    return leadingNumber(label32_->text());
}

void DictationProgress::setSentenceCount(int sentenceCount) {
    sentenceCount_ = sentenceCount;
    label34_->setText(QString::number(sentenceCount));
    label34_->adjustSize();
    resetProgress();
}

void DictationProgress::resetProgress() {
    label33_->setText(QStringLiteral("0"));
    redraw();
}

void DictationProgress::MarkSentencePassed() {
    label33_->setText(plainDecimal(leadingNumber(label33_->text()) + 1));
    redraw();
}

void DictationProgress::Command24_Click() {
    resetProgress();
    emit firstSentenceRequested();
}

void DictationProgress::redraw() {
    label33_->adjustSize();
    slash_->move(label33_->x() + label33_->width() + px(kLabelGapTwips), label33_->y());
    label34_->move(slash_->x() + slash_->width() + px(kLabelGapTwips), label33_->y());
    // A lesson without sentences has no ratio; its bar stays empty.
    const double ratio =
        sentenceCount_ > 0 ? leadingNumber(label33_->text()) / double(sentenceCount_) : 0.0;
    label32_->setText(plainDecimal(ratio));
    const int left = int(twips(picture9_->width()) * ratio) - kBarWidthTwips;
    picture10_->move(px(left), 0);
}
