#include "Notifier.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxNotifier::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void MessageBoxNotifier::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}
