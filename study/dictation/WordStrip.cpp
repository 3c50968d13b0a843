#include "WordStrip.h"

#include "Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace {

// The word template's design place; its width is the first line's margin.
constexpr int kTemplateLeftTwips = 0;
constexpr int kTemplateTopTwips = 105;
// Clickable labels carry the custom cursor; that is what marks them.
constexpr Qt::CursorShape kWordCursor = Qt::PointingHandCursor;

QFont wordFont() {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(15.75);
    return f;
}

QFont gapFont() {
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(18);
    return f;
}

TwipsBox boxOf(const QWidget* w) {
    return TwipsBox{twips(w->x()), twips(w->y()), twips(w->width()), twips(w->height())};
}

void place(QWidget* w, const TwipsBox& b) {
    w->setGeometry(px(b.left), px(b.top), px(b.width), px(b.height));
}

} // namespace

WordStrip::WordStrip(QWidget* picture12, QWidget* picture14, QWidget* picture13, QObject* parent)
    : QObject(parent), picture12_(picture12), picture14_(picture14), picture13_(picture13) {
    // The word labels take clicks; a panel passing mouse events through
    // would hide them from the pointer.
    picture12_->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    QLabel* templ = makeWordLabel(QStringLiteral("w"), 0);
    templ->move(px(kTemplateLeftTwips), px(kTemplateTopTwips));
    templ->hide();
    words_ << templ;
    gaps_ << nullptr;
    lines_ << nullptr;
    if (picture13_) {
        auto* gap = new QLabel(QStringLiteral("w"), picture13_);
        gap->setObjectName(QStringLiteral("WriteWordLabel_0"));
        gap->setFont(gapFont());
        gap->hide();
        gaps_[0] = gap;
        auto* line = new QFrame(picture13_);
        line->setObjectName(QStringLiteral("WriteWordLine_0"));
        line->hide();
        lines_[0] = line;
    }
}

WordStrip::~WordStrip() = default;

void WordStrip::setWordFont(const QFont& font) {
    words_[0]->setFont(font);
    words_[0]->adjustSize();
}

QLabel* WordStrip::makeWordLabel(const QString& caption, int index) {
    auto* label = new QLabel(caption, picture12_);
    label->setObjectName(QStringLiteral("SenWordLabel_%1").arg(index));
    // New elements take their font from the template.
    label->setFont(words_.isEmpty() ? wordFont() : words_[0]->font());
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(0, 0, 0, 0);
    label->adjustSize();
    label->installEventFilter(this);
    return label;
}

bool WordStrip::isClickable(int index) const {
    QLabel* l = words_.value(index);
    return l && index > 0 && l->cursor().shape() == kWordCursor;
}

void WordStrip::clear() {
    // A layout may be asked for from within a label's own click, so the old
    // labels go once control is back in the event loop.
    for (int i = int(words_.size()) - 1; i >= 1; --i) {
        for (QWidget* w : {static_cast<QWidget*>(words_[i]), static_cast<QWidget*>(gaps_[i]),
                           static_cast<QWidget*>(lines_[i])}) {
            if (!w) continue;
            w->hide();
            w->removeEventFilter(this);
            w->deleteLater();
        }
    }
    words_.resize(1);
    gaps_.resize(1);
    lines_.resize(1);
}

void WordStrip::LayOutSentenceWords(const QString& sentence) {
    clear();
    const QStringList captions = tokenizeSentence(sentence);
    QList<StripToken> tokens = classifyTokens(captions);

    QList<QSize> sizes;
    for (int i = 0; i < captions.size(); ++i) {
        QLabel* label = makeWordLabel(captions[i], i + 1);
        sizes << QSize(twips(label->width()), twips(label->height()));
        words_ << label;
    }
    const QList<TwipsBox> boxes =
        layOutTokens(captions, sizes, boxOf(words_[0]), twips(picture12_->width()));

    for (int i = 0; i < captions.size(); ++i) {
        QLabel* label = words_[i + 1];
        place(label, boxes[i]);
        label->setCursor(tokens[i].clickable ? kWordCursor : Qt::ArrowCursor);
        label->show();
        label->raise();
        QLabel* gap = nullptr;
        QFrame* line = nullptr;
        if (picture13_) {
            gap = new QLabel(captions[i], picture13_);
            gap->setObjectName(QStringLiteral("WriteWordLabel_%1").arg(i + 1));
            gap->setFont(gapFont());
            gap->setTextFormat(Qt::PlainText);
            gap->setCursor(tokens[i].clickable ? kWordCursor : Qt::ArrowCursor);
            // Words are written white on the gap panel: only their gaps show.
            QPalette pal = gap->palette();
            pal.setColor(QPalette::WindowText, tokens[i].clickable ? Qt::white : Qt::black);
            gap->setPalette(pal);
            gap->setGeometry(label->geometry());
            gap->show();
            gap->raise();
            line = new QFrame(picture13_);
            line->setObjectName(QStringLiteral("WriteWordLine_%1").arg(i + 1));
            line->setFrameShape(QFrame::HLine);
            line->setGeometry(gap->x(), gap->y() + gap->height(), gap->width(), 1);
            line->setVisible(tokens[i].underlineVisible);
            line->raise();
        }
        gaps_ << gap;
        lines_ << line;
    }

    const QList<int> merged = mergePhrases(tokens, phraseList_);
    for (int i = 0; i < tokens.size(); ++i) {
        QLabel* label = words_[i + 1];
        const StripToken& t = tokens[i];
        if (label->text() != t.caption) {
            label->setText(t.caption);
            label->adjustSize();
            if (QLabel* gap = gaps_[i + 1]) {
                gap->setText(t.caption);
                gap->adjustSize();
            }
        }
        if (t.collapsed) {
            label->resize(1, label->height());
            label->hide();
            label->setCursor(Qt::ArrowCursor);
            if (QLabel* gap = gaps_[i + 1]) {
                gap->resize(1, gap->height());
                gap->hide();
            }
        }
        if (QFrame* line = lines_[i + 1]) line->setVisible(t.underlineVisible);
    }
    for (int k : merged) {
        // The merged label's underline reaches its new right edge.
        QLabel* label = words_[k + 1];
        if (QFrame* line = lines_[k + 1])
            line->resize(label->x() + label->width() - line->x(), line->height());
    }

    if (picture14_) picture14_->move(picture14_->x(), px(tipPanelTop(boxes, boxOf(words_[0]))));
}

void WordStrip::SenWordLabel_Click(int index, const QPoint& globalPos) {
    if (!isClickable(index)) return;
    if (picture14_) picture14_->move(px(kTipHiddenLeftTwips), picture14_->y());
    emit wordClicked(words_[index]->text(), globalPos);
}

bool WordStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const int index = int(words_.indexOf(label));
        auto* me = static_cast<QMouseEvent*>(event);
        if (index > 0 && me->button() == Qt::LeftButton &&
            label->rect().contains(me->position().toPoint())) {
            SenWordLabel_Click(index, me->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
