#include "Ui.h"

#include <QMouseEvent>
#include <QPainter>

namespace Ui {

QString arrayName(const QString& base, int index) {
    return base + '_' + QString::number(index);
}

void place(QWidget* w, int l, int t, int wd, int ht) {
    w->setGeometry(px(l), px(t), std::max(0, px(wd)), std::max(0, px(ht)));
}
void move(QWidget* w, int l, int t) {
    w->move(px(l), px(t));
}
void resize(QWidget* w, int wd, int ht) {
    w->resize(std::max(0, px(wd)), std::max(0, px(ht)));
}
void setLeft(QWidget* w, int l) {
    w->move(px(l), w->y());
}
void setTop(QWidget* w, int t) {
    w->move(w->x(), px(t));
}
void setWidth(QWidget* w, int wd) {
    w->resize(std::max(0, px(wd)), w->height());
}
void setHeight(QWidget* w, int ht) {
    w->resize(w->width(), std::max(0, px(ht)));
}
int left(const QWidget* w) {
    return twips(w->x());
}
int top(const QWidget* w) {
    return twips(w->y());
}
int width(const QWidget* w) {
    return twips(w->width());
}
int height(const QWidget* w) {
    return twips(w->height());
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
