#include "SentenceView.h"

#include "CompanionSettings.h"
#include "Twips.h"

#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace {

QFont englishFont(double points) {
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    f.setPointSizeF(points);
    return f;
}

QFont chineseFont(double points) {
    QFont f;
    f.setFamilies({QStringLiteral("新宋体"), QStringLiteral("NSimSun"), QStringLiteral("SimSun"),
                   QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    f.setPointSizeF(points);
    return f;
}

} // namespace

SentenceView::SentenceView(QWidget* host) : QObject(host), host_(host) {
    english_ = new QLabel(host);
    english_->setObjectName("EnglishLine");
    english_->setFont(englishFont(englishPoints_));
    english_->setTextFormat(Qt::PlainText);
    chinese_ = new QLabel(host);
    chinese_->setObjectName("ChineseLine");
    chinese_->setFont(chineseFont(chinesePoints_));
    chinese_->setTextFormat(Qt::PlainText);
}

int SentenceView::screenWidth() const {
    if (screenWidth_ > 0) return screenWidth_;
    const QScreen* s = host_->screen();
    return s ? twips(s->geometry().width()) : twips(1024);
}

void SentenceView::setShowEnglish(bool show) {
    showEnglish_ = show;
    english_->setVisible(show);
}

void SentenceView::setShowChinese(bool show) {
    showChinese_ = show;
    englishTop_ = show ? kEnglishTopWithChinese : kEnglishTopAlone;
    chinese_->setVisible(show);
    place();
    emit chineseShownChanged(show);
}

void SentenceView::setTextColour(quint32 colour) {
    const QColor c(ColourValue::red(colour), ColourValue::green(colour), ColourValue::blue(colour));
    for (QLabel* l : {english_, chinese_}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, c);
        l->setPalette(p);
    }
}

void SentenceView::ty(const QString& english, const QString& chinese, const QString& tooltip) {
    englishText_ = english;
    chineseText_ = chinese;
    tooltip_ = tooltip;
    layout();
}

void SentenceView::layout() {
    // Each line sizes itself to its text on one line.
    english_->setWordWrap(false);
    english_->setText(englishText_.trimmed());
    english_->adjustSize();
    chinese_->setText(chineseText_.trimmed());
    chinese_->adjustSize();
    englishWidth_ = twips(english_->sizeHint().width());
    englishHeight_ = twips(english_->sizeHint().height());
    chineseWidth_ = twips(chinese_->sizeHint().width());
    chineseHeight_ = twips(chinese_->sizeHint().height());

    english_->setVisible(showEnglish_);

    windowWidth_ = chineseWidth_ > englishWidth_ ? chineseLeft_ + chineseWidth_ + 150
                                                 : englishLeft_ + englishWidth_ + 150;
    if (windowWidth_ < kMinWindowWidth) windowWidth_ = kMinWindowWidth;

    english_->setToolTip(tooltip_);
    chinese_->setToolTip(tooltip_);

    wraps_ = windowWidth_ > screenWidth();
    if (wraps_) {
        windowWidth_ = screenWidth() - 300;
        english_->setWordWrap(true);
        englishHeight_ *= 2;
        englishWidth_ = windowWidth_ - 150;
        emit leftEdgeForced(150);
    }

    chineseTop_ = englishTop_ + englishHeight_ + 50;
    if (showChinese_) {
        windowHeight_ = chineseTop_ + chineseHeight_ + 110;
        chinese_->show();
    } else {
        windowHeight_ = englishTop_ + englishHeight_ + 130;
        chinese_->hide();
    }
    place();
    emit windowSized(windowWidth_, windowHeight_);
}

void SentenceView::place() {
    english_->setGeometry(px(englishLeft_), px(englishTop_), px(englishWidth_), px(englishHeight_));
    chinese_->setGeometry(px(chineseLeft_), px(chineseTop_), px(chineseWidth_), px(chineseHeight_));
}

void SentenceView::AR9_Click() {
    // The Chinese line keeps the top of the last presentation; the next one
    // lays both lines out again.
    if (showChinese_) {
        showChinese_ = false;
        englishTop_ = kEnglishTopAlone;
        windowHeight_ = englishTop_ + englishHeight_ + 130;
        chinese_->hide();
    } else {
        showChinese_ = true;
        englishTop_ = kEnglishTopWithChinese;
        windowHeight_ = chineseTop_ + chineseHeight_ + 110;
        chinese_->show();
    }
    place();
    emit chineseShownChanged(showChinese_);
    emit windowSized(windowWidth_, windowHeight_);
}

bool SentenceView::changeFont(double step) {
    const double e = englishPoints_ + step;
    const double c = chinesePoints_ + step;
    if (e <= 0 || c <= 0 || e > kMaxEnglishPoints) return false;
    englishPoints_ = e;
    chinesePoints_ = c;
    english_->setFont(englishFont(e));
    chinese_->setFont(chineseFont(c));
    chineseLeft_ = englishLeft_;
    layout();
    return true;
}

bool SentenceView::BigFont_Click() {
    return changeFont(kFontStep);
}
bool SentenceView::SmallFont_Click() {
    return changeFont(-kFontStep);
}

void SentenceView::revealEnglish() {
    english_->setVisible(true);
}
