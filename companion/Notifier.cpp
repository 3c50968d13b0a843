#include "Notifier.h"

#include <QMessageBox>

Notifier::Notifier(QObject* parent) : QObject(parent) {}

void Notifier::inform(const QString& title, const QString& text) {
    shown << title + QLatin1Char('|') + text;
    if (quiet_) return;
    if (!box_) {
        box_ = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok);
        box_->setAttribute(Qt::WA_DeleteOnClose);
        // A message box is application-modal unless told otherwise, which
        // would lock the companion's menu while the notice is open.
        box_->setWindowModality(Qt::NonModal);
        // Above the always-on-top companion, or it would hide behind it.
        box_->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    box_->setWindowTitle(title);
    box_->setText(text);
    box_->show();
    box_->raise();
}
