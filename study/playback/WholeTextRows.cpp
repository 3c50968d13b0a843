#include "WholeTextRows.h"

#include "Lesson.h"
#include "Twips.h"
#include "Ui.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {
// Design of the template row inside Picture2 (twips).
constexpr int kNumberLeft = 120;
constexpr int kIconLeft = 300;
constexpr int kIconSize = 255;
constexpr int kLineLeft = 660;
constexpr int kBandLeft = 600;
constexpr int kChineseTemplateTop = -200;
constexpr int kWrapMargin = 1100;
constexpr int kFontPoints = 13;

const QColor kEnglishText(28, 42, 47);
const QColor kChineseText(74, 96, 102);
const QColor kBack(255, 255, 255);
const QColor kUnderline(214, 130, 64);

QString elementName(const char* base, int i) {
    return QLatin1String(base) + QLatin1Char('_') + QString::number(i);
}

QPixmap drawPlayIcon(int sizePx) {
    QPixmap pm(sizePx, sizePx);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 110, 122));
    p.drawEllipse(QRectF(0.5, 0.5, sizePx - 1.0, sizePx - 1.0));
    QPainterPath tri;
    const double s = sizePx;
    tri.moveTo(s * 0.38, s * 0.27);
    tri.lineTo(s * 0.38, s * 0.73);
    tri.lineTo(s * 0.75, s * 0.5);
    tri.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(tri);
    return pm;
}
} // namespace

WholeTextRows::WholeTextRows(QWidget* picture2) : QObject(picture2), picture2_(picture2) {
    QFont font("Times New Roman", kFontPoints);
    font.setStyleHint(QFont::Serif);
    englishFont_ = chineseFont_ = numberFont_ = font;
    // Every row element inherits the list's font: one font for the whole
    // list, the Chinese glyphs coming from the font's fallback.
    picture2_->setFont(font);
    Ui::setBackground(picture2_, kBack);
    back_ = kBack;
    englishShown_ = chineseShown_ = englishHidden_ = chineseHidden_ = picture2_->palette();
    englishShown_.setColor(QPalette::WindowText, kEnglishText);
    chineseShown_.setColor(QPalette::WindowText, kChineseText);
    englishHidden_.setColor(QPalette::WindowText, kBack);
    chineseHidden_.setColor(QPalette::WindowText, kBack);
    icon_ = drawPlayIcon(px(kIconSize));
    buildTemplates();
}

WholeTextRows::~WholeTextRows() = default;

// The rows keep their own twips, so the widgets take plain pixel geometry.
void WholeTextRows::put(QWidget* w, const TwipsBox& b) {
    w->setGeometry(px(b.left), px(b.top), std::max(0, px(b.width)), std::max(0, px(b.height)));
}

void WholeTextRows::buildTemplates() {
    const QFontMetrics fm(englishFont_);
    // The Chinese line is as tall as a line of the CJK fallback font.
    QFont cjk(QStringLiteral("Noto Sans CJK SC"), kFontPoints);
    const int englishLine = twips(fm.height() + 2);
    const int chineseLine = std::max(englishLine, twips(QFontMetrics(cjk).height() + 2));

    WholeTextRow t;
    t.english = {kLineLeft, 0, 600, englishLine};
    t.chinese = {kLineLeft, kChineseTemplateTop, 600, chineseLine};
    t.number = {kNumberLeft, 0, 480, englishLine};
    t.icon = {kIconLeft, 30, kIconSize, kIconSize};
    t.band18 = {kBandLeft, -100, 600, englishLine + 200};
    t.band17 = {kBandLeft, englishLine, 600, chineseLine + 270};
    auto label = [&](const char* base, const TwipsBox& box) {
        auto* l = new QLabel(picture2_);
        l->setObjectName(elementName(base, 0));
        put(l, box);
        l->hide();
        return l;
    };
    t.Label5 = label("Label5", {});
    t.Label6 = label("Label6", t.english);
    t.Label8 = label("Label8", t.chinese);
    t.Label12 = label("Label12", t.number);
    t.Label17 = label("Label17", t.band17);
    t.Label18 = label("Label18", t.band18);
    t.Image2 = label("Image2", t.icon);
    t.Image2->setPixmap(icon_);
    t.Line3 = new LineWidget(picture2_, elementName("Line3", 0), kUnderline);
    t.Line3->hide();
    t.Label6->setPalette(englishShown_);
    t.Label8->setPalette(chineseShown_);
    setClickPointer(t.Label6, true);
    rows_ = {t};
}

int WholeTextRows::wrapWidth() const {
    return Ui::width(picture2_) - kWrapMargin;
}

int WholeTextRows::wrappedHeight(int naturalWidth, int w, int lineHeight) {
    if (w <= 0 || naturalWidth <= w) return lineHeight;
    return (naturalWidth / w + 1) * lineHeight;
}

void WholeTextRows::clear() {
    // Deleting a hidden list repaints nothing row by row.
    const bool onScreen = picture2_->isVisible();
    if (onScreen) picture2_->hide();
    for (int i = int(rows_.size()) - 1; i >= 1; --i) {
        WholeTextRow& r = rows_[i];
        for (QWidget* w : {static_cast<QWidget*>(r.Label5), static_cast<QWidget*>(r.Label6),
                           static_cast<QWidget*>(r.Label12), static_cast<QWidget*>(r.Label8),
                           static_cast<QWidget*>(r.Line3), static_cast<QWidget*>(r.Image2),
                           static_cast<QWidget*>(r.Label17), static_cast<QWidget*>(r.Label18)})
            delete w;
    }
    rows_.resize(1);
    if (onScreen) picture2_->show();
}

int WholeTextRows::build(QStringView text) {
    const bool onScreen = picture2_->isVisible();
    if (onScreen) picture2_->hide();
    clear();
    qsizetype open = text.indexOf(QLatin1Char('*'));
    int i = 0;
    while (open >= 0) {
        const qsizetype close = SentenceRecord::nextStar(text, open);
        if (close < 0) break;
        addRow(++i, SentenceRecord::between(text, open, close));
        open = close;
    }
    const WholeTextRow& last = rows_.back();
    const int height = i > 0 ? last.chinese.bottom() + 130 : 0;
    if (onScreen) picture2_->show();
    emit rebuilt(i);
    return height;
}

void WholeTextRows::addRow(int i, QStringView record) {
    const WholeTextRow& t = rows_[0];
    const WholeTextRow& prev = rows_[i - 1];
    const int w = wrapWidth();
    const QFontMetrics fm(picture2_->font());
    const Sentence s = SentenceRecord::split(record);
    WholeTextRow r;

    // 1. The record holder.
    r.Label5 = new QLabel(picture2_);
    r.Label5->setObjectName(elementName("Label5", i));
    r.Label5->setText(record.toString());
    r.Label5->setTextFormat(Qt::PlainText);
    r.Label5->hide();

    // 2. The English line, wrapped when wider than W.
    auto line = [&](const char* base, const QString& caption, const TwipsBox& tpl,
                    const QPalette& palette) {
        auto* l = new QLabel(picture2_);
        l->setObjectName(elementName(base, i));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setText(caption);
        l->setPalette(palette);
        const int natural = twips(fm.horizontalAdvance(caption) + 2);
        TwipsBox box = tpl;
        if (natural > w) {
            box.height = wrappedHeight(natural, w, tpl.height);
            box.width = w;
            l->setWordWrap(true);
        } else {
            box.width = natural;
        }
        return std::pair{l, box};
    };
    std::tie(r.Label6, r.english) = line("Label6", s.English, t.english, englishShown_);
    r.english.top = prev.chinese.bottom() + 100;
    put(r.Label6, r.english);
    setClickPointer(r.Label6, true);

    // 3. The band around the English line.
    r.Label18 = new QLabel(picture2_);
    r.Label18->setObjectName(elementName("Label18", i));
    r.band18 = {t.band18.left, r.english.top - 100, w, r.english.height + 200};
    put(r.Label18, r.band18);
    setClickPointer(r.Label18, true);

    // 4. The row number; two digits reach further left.
    r.Label12 = new QLabel(picture2_);
    r.Label12->setObjectName(elementName("Label12", i));
    r.Label12->setText(QString::number(i) + QLatin1Char('.'));
    r.number = t.number;
    r.number.top = r.english.top;
    if (i > 9) r.number.left = t.number.left - 135;
    put(r.Label12, r.number);
    r.Label12->hide();

    // 5. The underline.
    r.Line3 = new LineWidget(picture2_, elementName("Line3", i), rows_[0].Line3->color());
    r.Line3->hide();

    // 6. The play icon.
    r.Image2 = new QLabel(picture2_);
    r.Image2->setObjectName(elementName("Image2", i));
    r.Image2->setPixmap(icon_);
    r.icon = t.icon;
    r.icon.top = r.english.top + 30;
    put(r.Image2, r.icon);
    setClickPointer(r.Image2, true);

    // 7. The Chinese line under the English.
    std::tie(r.Label8, r.chinese) = line("Label8", s.Chinese, t.chinese, chineseShown_);
    r.chinese.top = r.english.bottom() + 100;
    put(r.Label8, r.chinese);

    // 8. The band from the English line's bottom over the Chinese.
    r.Label17 = new QLabel(picture2_);
    r.Label17->setObjectName(elementName("Label17", i));
    r.band17 = {t.band17.left, r.english.bottom(), w, r.chinese.height + 270};
    put(r.Label17, r.band17);
    setClickPointer(r.Label17, true);

    rows_.append(r);
    placeUnderline(i);
}

void WholeTextRows::placeEnglish(int i, int left, int top) {
    WholeTextRow& r = rows_[i];
    r.english.left = left;
    r.english.top = top;
    r.Label6->move(px(left), px(top));
}

void WholeTextRows::placeUnderline(int i) {
    WholeTextRow& r = rows_[i];
    const int y = r.english.bottom() + 30;
    r.Line3->setLine(r.english.left, y, r.english.left + r.english.width, y);
}

void WholeTextRows::placeNumber(int i, int top) {
    WholeTextRow& r = rows_[i];
    r.number.top = top;
    r.Label12->move(px(r.number.left), px(top));
}

QColor WholeTextRows::textColour(const QLabel* line) const {
    return line->objectName().startsWith(QLatin1String("Label8_")) ? kChineseText : kEnglishText;
}

bool WholeTextRows::isHiddenByColour(const QLabel* line) const {
    return line->palette().color(QPalette::WindowText) == back_;
}

void WholeTextRows::setHiddenByColour(QLabel* line, bool hidden) {
    const bool chinese = line->objectName().startsWith(QLatin1String("Label8_"));
    if (hidden)
        line->setPalette(chinese ? chineseHidden_ : englishHidden_);
    else
        line->setPalette(chinese ? chineseShown_ : englishShown_);
}

void WholeTextRows::toggleByColour(QLabel* line) {
    setHiddenByColour(line, !isHiddenByColour(line));
}

void WholeTextRows::setClickPointer(QWidget* w, bool clickable) {
    if (clickable)
        w->setCursor(Qt::PointingHandCursor);
    else
        w->unsetCursor();
}
