#include "WholeTextScroll.h"

#include "StudyPanels.h"
#include "Twips.h"
#include "Ui.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>

WholeTextScroll::WholeTextScroll(StudyPanels* panels) : QObject(panels), panels_(panels) {
    height_ = Ui::height(panels_->Picture2);
    connect(panels_->Command32, &QPushButton::clicked, this, &WholeTextScroll::Command32_Click);
    connect(panels_->Command33, &QPushButton::clicked, this, &WholeTextScroll::Command33_Click);
    // The buttons hand the focus back to the key sink; they never keep it.
    panels_->Command32->setFocusPolicy(Qt::NoFocus);
    panels_->Command33->setFocusPolicy(Qt::NoFocus);
    panels_->Combo4->installEventFilter(this);
    panels_->Image33->installEventFilter(this);
    panels_->Image32->installEventFilter(this);
    panels_->Image33->setCursor(Qt::PointingHandCursor);
    // Arrow buttons of 17 pixels have no room for the window's button padding.
    for (QPushButton* b : {panels_->Command32, panels_->Command33})
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; border-radius: 2px; }"));
    Ui::setBackground(panels_->Image32, QColor(236, 240, 240));
    Ui::setBackground(panels_->Image33, QColor(160, 178, 182));
}

int WholeTextScroll::viewportHeight() const {
    return Ui::height(panels_->Picture5);
}

int WholeTextScroll::travel() const {
    return Ui::top(panels_->Command33) - Ui::top(panels_->Command32) -
           Ui::height(panels_->Image33) - kTrackOffset;
}

bool WholeTextScroll::barShown() const {
    return Ui::shown(panels_->Image33);
}

void WholeTextScroll::setListHeight(int height) {
    height_ = height;
    Ui::setHeight(panels_->Picture2, height);
    toTop();
    const bool taller = height_ > viewportHeight();
    for (QWidget* w :
         {static_cast<QWidget*>(panels_->Command32), static_cast<QWidget*>(panels_->Command33),
          static_cast<QWidget*>(panels_->Image32), static_cast<QWidget*>(panels_->Image33)})
        w->setVisible(taller);
}

void WholeTextScroll::setListTop(int top) {
    top_ = top;
    Ui::setTop(panels_->Picture2, top);
}

void WholeTextScroll::setThumbTop(int top) {
    thumbTop_ = top;
    Ui::setTop(panels_->Image33, top);
}

void WholeTextScroll::toTop() {
    setListTop(0);
    setThumbTop(kTrackOffset);
}

void WholeTextScroll::placeThumb() {
    const int range = height_ - viewportHeight();
    const int percent = range > 0 ? int(-double(top_) / range * 100.0) : 0;
    setThumbTop(percent * travel() / 100 + kTrackOffset);
}

void WholeTextScroll::up() {
    if (top_ > -kStep)
        setListTop(0);
    else
        setListTop(top_ + kStep);
    placeThumb();
}

void WholeTextScroll::down() {
    if (top_ + height_ - viewportHeight() >= kStep)
        setListTop(top_ - kStep);
    else
        setListTop(viewportHeight() - height_);
    placeThumb();
}

void WholeTextScroll::Command32_Click() {
    up();
    emit focusKeySink();
}

void WholeTextScroll::Command33_Click() {
    down();
    emit focusKeySink();
}

bool WholeTextScroll::Combo4_KeyDown(int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    // The keys scroll only a list that is taller than its viewport.
    if (barShown()) key == Qt::Key_Up ? up() : down();
    return true;
}

void WholeTextScroll::Image33_MouseDown(int y) {
    grip_ = y;
}

void WholeTextScroll::Image33_MouseMove(Qt::MouseButtons buttons, int y) {
    if (!(buttons & Qt::LeftButton)) return;
    int top = thumbTop_ + y - grip_;
    const int lowest = Ui::top(panels_->Command33) - Ui::height(panels_->Image33);
    if (top < kTrackOffset) top = kTrackOffset;
    if (top > lowest) top = lowest;
    setThumbTop(top);
    const int t = travel();
    const int percent = t > 0 ? int(double(thumbTop_ - kTrackOffset) / t * 100.0) : 0;
    setListTop(int(std::lround(percent * double(viewportHeight() - height_) / 100.0)));
}

bool WholeTextScroll::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panels_->Combo4 && event->type() == QEvent::KeyPress) {
        if (Combo4_KeyDown(static_cast<QKeyEvent*>(event)->key())) return true;
    } else if (watched == panels_->Image33) {
        // Only mouse events may be read as such.
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove &&
            event->type() != QEvent::MouseButtonRelease)
            return QObject::eventFilter(watched, event);
        auto* m = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress && m->button() == Qt::LeftButton) {
            Image33_MouseDown(twips(m->position().toPoint().y()));
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            Image33_MouseMove(m->buttons(), twips(m->position().toPoint().y()));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) return true;
    } else if (watched == panels_->Image32) {
        // The track has no click of its own; it is not the list background.
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonRelease)
            return true;
    }
    return QObject::eventFilter(watched, event);
}
