#pragma once

#include "ProgramFolder.h"

#include <QObject>
#include <QString>

class QLabel;
class QTimer;
class QWidget;

// The launch counter \SETTING\load.dat and the tip shown on the very first
// launch: on the first pointer event over the next-sentence button the tip
// "点击句中单词可以查词并朗读" appears for 10 seconds.
class FirstLaunchTip : public QObject {
    Q_OBJECT
public:
    // `sentence` is the English line the tip is shown under.
    FirstLaunchTip(QWidget* tip, QLabel* sentence, QObject* parent);

    // Reads the counter, adds this launch and writes it back.
    void countLaunch(const ProgramFolder& folder);
    const QString& LaunchCount() const { return launchCount_; }
    QTimer* Timer4() const { return timer4_; }

    static constexpr int kHiddenLeft = -3890; // twips

public slots:
    void Command1_PointerEvent();
    void Timer4_Timer();

private:
    QWidget* tip_;
    QLabel* sentence_;
    QTimer* timer4_;
    QString launchCount_;
    bool seen_ = false;
};
