#include "FirstLaunchTip.h"

#include "Numbers.h"
#include "TextFileStore.h"
#include "Ui.h"

#include <QTimer>
#include <QWidget>

FirstLaunchTip::FirstLaunchTip(QWidget* tip, QObject* parent) : QObject(parent), tip_(tip) {
    timer4_ = new QTimer(this);
    timer4_->setObjectName("Timer4");
    timer4_->setSingleShot(true);
    timer4_->setInterval(10000);
    connect(timer4_, &QTimer::timeout, this, &FirstLaunchTip::Timer4_Timer);
}

void FirstLaunchTip::countLaunch(const ProgramFolder& folder) {
    const auto text = TextFileStore::Load(folder.launchCounterPath());
    const double previous = text ? leadingNumber(*text) : 0.0;
    launchCount_ = plainDecimal(previous + 1);
    TextFileStore::Save(folder.launchCounterPath(), launchCount_);
}

void FirstLaunchTip::Command1_PointerEvent() {
    if (seen_) return;
    seen_ = true;
    if (launchCount_ != "1") return;
    Ui::setLeft(tip_, 150);
    tip_->show();
    tip_->raise();
    timer4_->start();
}

void FirstLaunchTip::Timer4_Timer() {
    timer4_->stop();
    Ui::setLeft(tip_, kHiddenLeft);
}
