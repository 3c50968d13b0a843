#include "Ui.h"

#include <QMouseEvent>
#include <QPainter>

namespace Ui {

QString arrayName(const QString& base, int index) {
    return base + '_' + QString::number(index);
}

// Pixels cannot hold every twips value (15 twips per pixel), so the twips
// a part was given are kept beside the pixel geometry and read back while the
// pixels still match them.
namespace {
const char* const kTwips = "twipsGeometry";

QRect twipsRect(const QWidget* w) {
    const QRect stored = w->property(kTwips).toRect();
    const QRect g = w->geometry();
    QRect r(twips(g.x()), twips(g.y()), twips(g.width()), twips(g.height()));
    if (!w->property(kTwips).isValid()) return r;
    if (px(stored.x()) == g.x()) r.moveLeft(stored.x());
    if (px(stored.y()) == g.y()) r.moveTop(stored.y());
    if (std::max(0, px(stored.width())) == g.width()) r.setWidth(stored.width());
    if (std::max(0, px(stored.height())) == g.height()) r.setHeight(stored.height());
    return r;
}

void setTwips(QWidget* w, const QRect& r) {
    w->setProperty(kTwips, r);
    w->setGeometry(px(r.x()), px(r.y()), std::max(0, px(r.width())), std::max(0, px(r.height())));
}
} // namespace

void place(QWidget* w, int l, int t, int wd, int ht) {
    setTwips(w, QRect(l, t, wd, ht));
}
void move(QWidget* w, int l, int t) {
    QRect r = twipsRect(w);
    r.moveTo(l, t);
    setTwips(w, r);
}
void resize(QWidget* w, int wd, int ht) {
    QRect r = twipsRect(w);
    r.setSize(QSize(wd, ht));
    setTwips(w, r);
}
void setLeft(QWidget* w, int l) {
    move(w, l, top(w));
}
void setTop(QWidget* w, int t) {
    move(w, left(w), t);
}
void setWidth(QWidget* w, int wd) {
    resize(w, wd, height(w));
}
void setHeight(QWidget* w, int ht) {
    resize(w, width(w), ht);
}
int left(const QWidget* w) {
    return twipsRect(w).x();
}
int top(const QWidget* w) {
    return twipsRect(w).y();
}
int width(const QWidget* w) {
    return twipsRect(w).width();
}
int height(const QWidget* w) {
    return twipsRect(w).height();
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int l, int t, int wd,
              int ht) {
    auto* lb = new QLabel(caption, parent);
    lb->setObjectName(name);
    place(lb, l, t, wd, ht);
    return lb;
}

QLabel* autoLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t) {
    auto* lb = new QLabel(caption, parent);
    lb->setObjectName(name);
    lb->setProperty("autoSize", true);
    move(lb, l, t);
    fitToText(lb);
    return lb;
}

void fitToText(QLabel* lb) {
    lb->setWordWrap(false);
    lb->resize(lb->sizeHint());
}

QFrame* frame(QWidget* parent, const QString& name, int l, int t, int wd, int ht) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    place(f, l, t, wd, ht);
    return f;
}

void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    w->setPalette(p);
}

void setBackground(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace Ui

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    emit pressed(e->button(),
                 QPoint(twips(e->position().toPoint().x()), twips(e->position().toPoint().y())));
}
void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    emit released(e->button(),
                  QPoint(twips(e->position().toPoint().x()), twips(e->position().toPoint().y())));
}
void ClickLabel::mouseMoveEvent(QMouseEvent* e) {
    emit moved(e->buttons(),
               QPoint(twips(e->position().toPoint().x()), twips(e->position().toPoint().y())));
}
void ClickLabel::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}

LineWidget::LineWidget(QWidget* parent, const QString& name, const QColor& color)
    : QWidget(parent), color_(color) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setLine(int x1, int y1, int x2, int y2) {
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
    const int l = px(std::min(x1, x2)), t = px(std::min(y1, y2));
    const int r = px(std::max(x1, x2)), b = px(std::max(y1, y2));
    setGeometry(l, t, std::max(1, r - l + (r > l ? 0 : 1)), std::max(1, b - t + (b > t ? 0 : 1)));
    update();
}

void LineWidget::setColor(const QColor& color) {
    color_ = color;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
}
