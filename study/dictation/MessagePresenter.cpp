#include "MessagePresenter.h"

#include <QGuiApplication>
#include <QMessageBox>

void MessageBoxPresenter::showMessage(const QString& title, const QString& text, Icon icon) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    title.isEmpty() ? QGuiApplication::applicationDisplayName() : title, text,
                    QMessageBox::Ok, parent_);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}
