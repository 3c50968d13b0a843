#include "FirstLaunchTip.h"

#include "Numbers.h"
#include "TextFileStore.h"
#include "Ui.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

FirstLaunchTip::FirstLaunchTip(QWidget* tip, QLabel* sentence, QObject* parent)
    : QObject(parent), tip_(tip), sentence_(sentence) {
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
    // Under the last line of the sentence, inside the word strip.
    const QWidget* strip = tip_->parentWidget();
    const int lines = sentence_->heightForWidth(sentence_->width());
    const int below = Ui::top(sentence_) - (strip ? Ui::top(strip) : 0) +
                      twips(lines > 0 ? lines : sentence_->sizeHint().height()) + 90;
    Ui::move(tip_, 150, below);
    tip_->show();
    tip_->raise();
    timer4_->start();
}

void FirstLaunchTip::Timer4_Timer() {
    timer4_->stop();
    Ui::setLeft(tip_, kHiddenLeft);
}
