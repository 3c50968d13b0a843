#include "CompanionMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

CompanionMenu::CompanionMenu(QObject* parent) : QObject(parent) {
    AR1 = new QMenu;
    AR1->setObjectName("AR1");
    AR2 = addAction("AR2", QStringLiteral("上一句(&B)"));
    AR3 = addAction("AR3", QStringLiteral("下一句(&N)"));
    AR6 = addAction("AR6", QStringLiteral("朗读(&R)"));

    PlayRate = AR1->addMenu(QStringLiteral("播放速度"));
    PlayRate->setObjectName("PlayRate");
    NormalPlay = PlayRate->addAction(QStringLiteral("常速"));
    NormalPlay->setObjectName("NormalPlay");
    SlowPlay = PlayRate->addAction(QStringLiteral("慢速"));
    SlowPlay->setObjectName("SlowPlay");
    auto* speeds = new QActionGroup(PlayRate);
    for (QAction* a : {NormalPlay, SlowPlay}) {
        a->setCheckable(true);
        speeds->addAction(a);
    }
    NormalPlay->setChecked(true);
    connect(speeds, &QActionGroup::triggered, this,
            [this](QAction* a) { emit speedChosen(a == SlowPlay); });

    AR10 = addAction("AR10", QStringLiteral("暂停"));
    AR1->addSeparator()->setObjectName("AR7");
    AR9 = addAction("AR9", QStringLiteral("中文(&C)"));
    AR9->setCheckable(true);
    AR5 = addAction("AR5", QStringLiteral("选课/设置(&S)"));
    AR1->addSeparator()->setObjectName("AR11");
    BigFont = addAction("BigFont", QStringLiteral("放大字体"));
    SmallFont = addAction("SmallFont", QStringLiteral("缩小字体"));
    AR1->addSeparator()->setObjectName("AR8");
    AR4 = addAction("AR4", QStringLiteral("退出(&E)"));

    connect(AR1, &QMenu::aboutToHide, this, &CompanionMenu::closed);
}

CompanionMenu::~CompanionMenu() {
    delete AR1;
}

QAction* CompanionMenu::addAction(const QString& objectName, const QString& caption) {
    QAction* a = AR1->addAction(caption);
    a->setObjectName(objectName);
    return a;
}

void CompanionMenu::popupAt(const QPoint& globalPos) {
    AR1->popup(globalPos);
}

void CompanionMenu::setNavigation(bool previous, bool next) {
    AR2->setEnabled(previous);
    AR3->setEnabled(next);
}

void CompanionMenu::setPauseCaption(const QString& caption) {
    AR10->setText(caption);
}

void CompanionMenu::setChineseChecked(bool checked) {
    AR9->setChecked(checked);
}
