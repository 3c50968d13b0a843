#include "BookResultsPanel.h"

#include "Notifier.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

BookResultsPanel::BookResultsPanel(QWidget* picture8, ProgramFolder folder, Notifier* notifier,
                                   QObject* parent)
    : QObject(parent), picture8_(picture8), notifier_(notifier), keeper_(std::move(folder)) {
    // The panel's controls are the window's when it has them; otherwise
    // the panel is built here.
    list2_ = picture8_->findChild<QListWidget*>(QStringLiteral("List2"));
    if (list2_) {
        command26_ = picture8_->findChild<QPushButton*>(QStringLiteral("Command26"));
        command27_ = picture8_->findChild<QPushButton*>(QStringLiteral("Command27"));
        command17_3_ = picture8_->findChild<QPushButton*>(QStringLiteral("Command17_3"));
    } else {
        build();
    }
    if (command26_)
        connect(command26_, &QPushButton::clicked, this, &BookResultsPanel::Command26_Click);
    if (command27_)
        connect(command27_, &QPushButton::clicked, this, &BookResultsPanel::Command27_Click);
    if (command17_3_)
        connect(command17_3_, &QPushButton::clicked, this, &BookResultsPanel::Command17_3_Click);
    picture8_->hide();
}

void BookResultsPanel::build() {
    auto* layout = new QVBoxLayout(picture8_);
    auto* top = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("本册听写成绩"), picture8_);
    title->setObjectName(QStringLiteral("Label45"));
    command17_3_ = new QPushButton(QStringLiteral("×"), picture8_);
    command17_3_->setObjectName(QStringLiteral("Command17_3"));
    command17_3_->setFlat(true);
    top->addWidget(title);
    top->addStretch();
    top->addWidget(command17_3_);
    layout->addLayout(top);

    list2_ = new QListWidget(picture8_);
    list2_->setObjectName(QStringLiteral("List2"));
    layout->addWidget(list2_);
    auto* legend =
        new QLabel(QStringLiteral("带☆号的为未过关课程，带★号的为已过关课程。"), picture8_);
    legend->setObjectName(QStringLiteral("Label46"));
    legend->setWordWrap(true);
    layout->addWidget(legend);

    auto* buttons = new QHBoxLayout;
    command26_ = new QPushButton(QStringLiteral("清除"), picture8_);
    command26_->setObjectName(QStringLiteral("Command26"));
    command27_ = new QPushButton(QStringLiteral("关闭"), picture8_);
    command27_->setObjectName(QStringLiteral("Command27"));
    buttons->addStretch();
    buttons->addWidget(command26_);
    buttons->addWidget(command27_);
    layout->addLayout(buttons);
}

void BookResultsPanel::setBook(const QString& bookName, const QString& resultsText) {
    keeper_.setBook(bookName, resultsText);
}

void BookResultsPanel::MarkLessonPassed(const QString& lessonTitle) {
    keeper_.markPassed(lessonTitle);
    ShowBookResults();
    save();
}

void BookResultsPanel::ShowBookResults() {
    list2_->clear();
    list2_->addItems(keeper_.entries());
    picture8_->show();
    picture8_->raise();
    emit focusTypingBoxRequested();
}

void BookResultsPanel::Command26_Click() {
    keeper_.clearResults();
    ShowBookResults();
    save();
}

void BookResultsPanel::Command27_Click() {
    picture8_->hide();
    emit focusTypingBoxRequested();
}

void BookResultsPanel::Command17_3_Click() {
    Command27_Click();
}

void BookResultsPanel::save() {
    if (keeper_.save() == ResultsKeeper::SaveOutcome::Failed && notifier_)
        notifier_->information(picture8_->window(), QCoreApplication::applicationName(),
                               kResultsSaveFailedMessage);
}
