#pragma once

#include "Twips.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QString>
#include <QWidget>

// Small widget helpers shared by the study window's parts. Every position is
// given in twips and converted once through px().
namespace Ui {

// "Label7" + 12 -> "Label7_12": the object name of a control-array element.
QString arrayName(const QString& base, int index);

void place(QWidget* w, int left, int top, int width, int height);
void move(QWidget* w, int left, int top);
void resize(QWidget* w, int width, int height);
void setLeft(QWidget* w, int left);
void setTop(QWidget* w, int top);
void setWidth(QWidget* w, int width);
void setHeight(QWidget* w, int height);
int left(const QWidget* w);
int top(const QWidget* w);
int width(const QWidget* w);
int height(const QWidget* w);

// A plain caption label with its object name.
QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
              int width, int height);
// A label that sizes itself to its text (the AutoSize of the window design).
QLabel* autoLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top);
// Resizes an auto-sizing label to its caption's natural size.
void fitToText(QLabel* label);

QFrame* frame(QWidget* parent, const QString& name, int left, int top, int width, int height);

void setTextColor(QWidget* w, const QColor& color);
void setBackground(QWidget* w, const QColor& color);

// Shown state as the window design sees it: the control's own Visible flag,
// independent of whether its parents are on screen.
inline bool shown(const QWidget* w) {
    return w && !w->isHidden();
}

} // namespace Ui

// A label that reports the mouse like the window's click areas do: press,
// release and move with the button and the position in twips.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void pressed(Qt::MouseButton button, QPoint twipsPos);
    void released(Qt::MouseButton button, QPoint twipsPos);
    void moved(Qt::MouseButtons buttons, QPoint twipsPos);
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// A straight line between two points of its parent, in twips. Horizontal and
// vertical lines are what the window draws; both are one pixel thick.
class LineWidget : public QWidget {
    Q_OBJECT
public:
    LineWidget(QWidget* parent, const QString& name, const QColor& color);
    void setLine(int x1, int y1, int x2, int y2);
    void setColor(const QColor& color);
    QColor color() const { return color_; }
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_;
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};
