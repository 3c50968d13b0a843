#include "WholeTextRows.h"

#include "Lesson.h"
#include "Twips.h"
#include "Ui.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

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
constexpr int kRowsPerLayer = 32;

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
    // One font for every row element, set on the layers: the Chinese glyphs
    // come from the font's fallback.
    font_ = QFont("Times New Roman", kFontPoints);
    font_.setStyleHint(QFont::Serif);
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
    const QFontMetrics fm(font_);
    // The Chinese line is as tall as a line of the CJK fallback font.
    QFont cjk(QStringLiteral("Noto Sans CJK SC"), kFontPoints);
    const int englishLine = twips(fm.height() + 2);
    const int chineseLine = std::max(englishLine, twips(QFontMetrics(cjk).height() + 8));

    WholeTextRow t;
    t.english = {kLineLeft, 0, 600, englishLine};
    t.chinese = {kLineLeft, kChineseTemplateTop, 600, chineseLine};
    t.number = {kNumberLeft, 0, 480, englishLine};
    t.icon = {kIconLeft, 30, kIconSize, kIconSize};
    t.band18 = {kBandLeft, -100, 600, englishLine + 200};
    t.band17 = {kBandLeft, englishLine, 600, chineseLine + 270};
    auto label = [&](const char* base, const TwipsBox& box) {
        auto* l = new RowElement(picture2_, elementName(base, 0));
        l->setFont(font_);
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
    t.Line3 = new RowLine(picture2_, elementName("Line3", 0), kUnderline);
    t.Line3->hide();
    t.Label6->setPalette(englishShown_);
    t.Label8->setPalette(chineseShown_);
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
    rows_.resize(1);
    qDeleteAll(layers_);
    layers_.clear();
    layer_ = nullptr;
}

int WholeTextRows::build(QStringView text) {
    clear();
    // The new layers stay hidden while they fill, so an element costs no
    // show of its own until its layer is shown.
    const QFontMetrics fm(font_);
    rows_.reserve(SentenceRecord::count(text) + 1);
    qsizetype open = text.indexOf(QLatin1Char('*'));
    int i = 0;
    while (open >= 0) {
        const qsizetype close = SentenceRecord::nextStar(text, open);
        if (close < 0) break;
        if (i % kRowsPerLayer == 0) {
            layer_ = new RowLayer(picture2_);
            layer_->setFont(font_);
            layer_->setObjectName(QStringLiteral("WholeTextLayer_%1").arg(layers_.size()));
            layer_->setPalette(englishShown_);
            layer_->setMouseTracking(true);
            layers_.append(layer_);
        }
        addRow(++i, SentenceRecord::between(text, open, close), fm);
        open = close;
    }
    const WholeTextRow& last = rows_.back();
    const int height = i > 0 ? last.chinese.bottom() + 130 : 0;
    for (QWidget* layer : std::as_const(layers_)) {
        layer->setGeometry(0, 0, picture2_->width(), px(std::max(height, 0)));
        layer->show();
    }
    emit rebuilt(i);
    return height;
}

RowElement* WholeTextRows::element(const char* base, int i) const {
    return new RowElement(layer_, elementName(base, i));
}

void WholeTextRows::addRow(int i, QStringView record, const QFontMetrics& fm) {
    const WholeTextRow& t = rows_[0];
    const WholeTextRow& prev = rows_[i - 1];
    const int w = wrapWidth();
    const Sentence s = SentenceRecord::split(record);
    WholeTextRow r;

    // 1. The record holder.
    r.Label5 = element("Label5", i);
    r.Label5->hide();
    r.Label5->setText(record.toString());

    // 2. The English line, wrapped when wider than W. Its colour and font
    // come from the layer.
    auto line = [&](RowElement* l, const QString& caption, const TwipsBox& tpl) {
        l->setText(caption);
        const int natural = twips(fm.horizontalAdvance(caption) + 2);
        TwipsBox box = tpl;
        if (natural > w) {
            box.height = wrappedHeight(natural, w, tpl.height);
            box.width = w;
            l->setWordWrap(true);
            l->setLinePitch(px(tpl.height));
        } else {
            box.width = natural;
        }
        return box;
    };
    r.Label6 = element("Label6", i);
    r.english = line(r.Label6, s.English, t.english);
    r.english.top = prev.chinese.bottom() + 100;
    put(r.Label6, r.english);

    // 3. The band around the English line.
    r.Label18 = element("Label18", i);
    r.band18 = {t.band18.left, r.english.top - 100, w, r.english.height + 200};
    put(r.Label18, r.band18);
    r.Label18->hide(); // the mode's style shows the bands it uses

    // 4. The row number; two digits reach further left.
    r.Label12 = element("Label12", i);
    r.Label12->hide();
    r.Label12->setText(QString::number(i) + QLatin1Char('.'));
    r.number = t.number;
    r.number.top = r.english.top;
    if (i > 9) r.number.left = t.number.left - 135;
    put(r.Label12, r.number);

    // 5. The underline.
    r.Line3 = new RowLine(layer_, elementName("Line3", i), t.Line3->color());
    r.Line3->hide();

    // 6. The play icon.
    r.Image2 = element("Image2", i);
    r.Image2->setPixmap(icon_);
    r.icon = t.icon;
    r.icon.top = r.english.top + 30;
    put(r.Image2, r.icon);

    // 7. The Chinese line under the English.
    r.Label8 = element("Label8", i);
    r.Label8->setPalette(chineseShown_);
    r.chinese = line(r.Label8, s.Chinese, t.chinese);
    r.chinese.top = r.english.bottom() + 100;
    put(r.Label8, r.chinese);

    // 8. The band from the English line's bottom over the Chinese.
    r.Label17 = element("Label17", i);
    r.band17 = {t.band17.left, r.english.bottom(), w, r.chinese.height + 270};
    put(r.Label17, r.band17);
    r.Label17->hide();

    rows_.append(r);
    placeUnderline(i);
}

void WholeTextRows::placeEnglish(int i, int left, int top) {
    WholeTextRow& r = rows_[i];
    if (r.english.left == left && r.english.top == top) return;
    r.english.left = left;
    r.english.top = top;
    r.Label6->move(px(left), px(top));
}

void WholeTextRows::placeUnderline(int i) {
    WholeTextRow& r = rows_[i];
    const int y = r.english.bottom() + 30;
    if (r.Line3->x1() == r.english.left && r.Line3->y1() == y &&
        r.Line3->x2() == r.english.left + r.english.width && r.Line3->y2() == y)
        return;
    r.Line3->setLine(r.english.left, y, r.english.left + r.english.width, y);
}

void WholeTextRows::placeNumber(int i, int top) {
    WholeTextRow& r = rows_[i];
    if (r.number.top == top) return;
    r.number.top = top;
    r.Label12->move(px(r.number.left), px(top));
}

QColor WholeTextRows::textColour(const RowElement* line) const {
    return line->objectName().startsWith(QLatin1String("Label8_")) ? kChineseText : kEnglishText;
}

bool WholeTextRows::isHiddenByColour(const RowElement* line) const {
    return line->palette().color(QPalette::WindowText) == back_;
}

void WholeTextRows::setHiddenByColour(RowElement* line, bool hidden) {
    if (isHiddenByColour(line) == hidden) return;
    const bool chinese = line->objectName().startsWith(QLatin1String("Label8_"));
    if (hidden)
        line->setPalette(chinese ? chineseHidden_ : englishHidden_);
    else
        line->setPalette(chinese ? chineseShown_ : englishShown_);
}

void WholeTextRows::toggleByColour(RowElement* line) {
    setHiddenByColour(line, !isHiddenByColour(line));
}

void WholeTextRows::setPointer(int i, bool english, bool clickable) {
    (english ? rows_[i].englishPointer : rows_[i].chinesePointer) = clickable ? 99 : 0;
}

RowElement* WholeTextRows::elementAt(QPoint p) const {
    // Later rows lie over earlier ones, and within a row the elements made
    // later lie over those made before.
    for (int i = count(); i >= 1; --i) {
        const WholeTextRow& r = rows_[i];
        for (RowElement* e : {r.Label17, r.Label8, r.Image2, r.Label18, r.Label6})
            if (!e->isHidden() && e->geometry().contains(p)) return e;
    }
    return nullptr;
}

int WholeTextRows::pointerOf(const QWidget* element) const {
    const QString name = element->objectName();
    const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
    if (cut <= 0) return 0;
    const int i = name.mid(cut + 1).toInt();
    if (i < 0 || i > count()) return 0;
    const QStringView base = QStringView(name).left(cut);
    if (base == QLatin1String("Label6")) return rows_[i].englishPointer;
    if (base == QLatin1String("Label8")) return rows_[i].chinesePointer;
    if (base == QLatin1String("Label17") || base == QLatin1String("Label18") ||
        base == QLatin1String("Image2"))
        return 99;
    return 0;
}

RowElement::RowElement(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    // Moves without a button reach the list only through widgets that track
    // the mouse; the list shows the pointer and hides the tips on them.
    setMouseTracking(true);
}

void RowElement::setText(const QString& text) {
    text_ = text;
    update();
}

void RowElement::setWordWrap(bool on) {
    wrap_ = on;
    update();
}

void RowElement::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    update();
}

void RowElement::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!pixmap_.isNull()) p.drawPixmap(0, 0, pixmap_);
    if (text_.isEmpty()) return;
    p.setPen(palette().color(QPalette::WindowText));
    if (!wrap_ || pitch_ <= 0) {
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, text_);
        return;
    }
    QTextLayout layout(text_, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int k = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++k) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, k * pitch_));
    }
    layout.endLayout();
    layout.draw(&p, QPointF(0, 0));
}

// A row element draws itself with a painter and inherits its font and colours
// from the list; the style sheet has nothing to say about it. Polishing it
// would still run every selector of the sheet over each of the thousands of
// elements of a long lesson, so the polish is left out.
bool RowElement::event(QEvent* event) {
    if (event->type() == QEvent::Polish) return true;
    return QWidget::event(event);
}

bool RowLine::event(QEvent* event) {
    if (event->type() == QEvent::Polish) return true;
    return LineWidget::event(event);
}

bool RowLayer::event(QEvent* event) {
    if (event->type() == QEvent::Polish) return true;
    return QWidget::event(event);
}
