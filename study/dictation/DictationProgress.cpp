#include "DictationProgress.h"

#include "Numbers.h"
#include "Twips.h"
#include "WidgetAdoption.h"

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
    // The window's own controls are used when the frame holds them.
    bool made = false;
    label33_ = adoptOrMake<QLabel>(
        frame, QStringLiteral("Label33"),
        [](QWidget* p) { return makeLabel(QStringLiteral("0"), QStringLiteral("Label33"), p); },
        &made);
    if (made) {
        auto* caption = makeLabel(QStringLiteral("听写进度："), QStringLiteral("Label35"), frame);
        caption->move(0, 0);
        label33_->move(caption->x() + caption->width(), 0);
    }
    auto label = [&](const char* name, const char* text) {
        return adoptOrMake<QLabel>(frame, QLatin1String(name), [&](QWidget* p) {
            return makeLabel(QLatin1String(text), QLatin1String(name), p);
        });
    };
    slash_ = label("Label7_36", "/");
    label34_ = label("Label34", "0");
    label32_ = label("Label32", "0");
    label32_->hide();

    picture9_ = adoptOrMake<QWidget>(frame, QStringLiteral("Picture9"), [&](QWidget* p) {
        auto* w = new QWidget(p);
        fill(w, Qt::white);
        w->setGeometry(0, label33_->y() + label33_->height() + 4, px(kBarFrameWidthTwips), px(195));
        return w;
    });
    picture10_ = adoptOrMake<QWidget>(picture9_, QStringLiteral("Picture10"), [&](QWidget* p) {
        auto* w = new QWidget(p);
        fill(w, QColor(0, 0, 192));
        w->setGeometry(-px(kBarWidthTwips), 0, px(kBarWidthTwips), p->height());
        return w;
    });
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
    const int count = sentenceCount();
    const double ratio = count > 0 ? leadingNumber(label33_->text()) / double(count) : 0.0;
    label32_->setText(plainDecimal(ratio));
    const int left = int(twips(picture9_->width()) * ratio) - twips(picture10_->width());
    picture10_->move(px(left), 0);
}
