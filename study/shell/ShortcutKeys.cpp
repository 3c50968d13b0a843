#include "ShortcutKeys.h"

#include "SentencePlayback.h"
#include "SentencePresenter.h"
#include "StudyState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

ShortcutKeys::ShortcutKeys(QWidget* form, StudyState* state, SentencePresenter* presenter,
                           SentencePlayback* playback)
    : QObject(form), form_(form), state_(state), presenter_(presenter), playback_(playback) {
    qApp->installEventFilter(this);
}

bool ShortcutKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != form_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    return handle(key->key());
}

void ShortcutKeys::press(const char* button) {
    if (auto* b = form_->findChild<QPushButton*>(QString::fromLatin1(button))) b->click();
}

bool ShortcutKeys::handle(int key) {
    const int mode = state_->StudyMode;
    switch (key) {
    case Qt::Key_PageUp:
        if (!presenter_->Command2->isEnabled()) return false;
        presenter_->PrevSentence();
        return true;
    case Qt::Key_PageDown:
        if (!presenter_->Command1->isEnabled() || mode != 1) return false;
        presenter_->NextSentence();
        return true;
    case Qt::Key_F1:
        presenter_->FirstSentence();
        return true;
    case Qt::Key_F7:
        if (mode == 1)
            playback_->PlaySentence();
        else if (mode == 8)
            press("Command22");
        else
            return false;
        return true;
    case Qt::Key_F8:
        if (mode == 1)
            presenter_->Command5_Click();
        else if (mode == 8)
            press("Command23");
        else
            return false;
        return true;
    case Qt::Key_F9:
        presenter_->Command36_Click();
        return true;
    case Qt::Key_F12:
        if (mode != 8) return false;
        press("Command25");
        return true;
    default:
        return false;
    }
}
