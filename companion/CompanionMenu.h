#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QMenu;

// The companion's popup menu, in its display order, with check marks and
// captions that follow the window's state.
class CompanionMenu : public QObject {
    Q_OBJECT
public:
    explicit CompanionMenu(QObject* parent = nullptr);
    ~CompanionMenu() override;

    QMenu* menu() const { return AR1; }
    QMenu* playRateMenu() const { return PlayRate; }

    QMenu* AR1;      // the container
    QAction* AR2;    // "上一句(&B)"
    QAction* AR3;    // "下一句(&N)"
    QAction* AR6;    // "朗读(&R)"
    QMenu* PlayRate; // "播放速度"
    QAction* NormalPlay;
    QAction* SlowPlay;
    QAction* AR10;    // "暂停" / "继续"
    QAction* AR9;     // "中文(&C)"
    QAction* AR5;     // "选课/设置(&S)"
    QAction* BigFont; // "放大字体"
    QAction* SmallFont;
    QAction* AR4; // "退出(&E)"

public slots:
    // Opens the menu at a screen position without blocking.
    void popupAt(const QPoint& globalPos);
    void setNavigation(bool previous, bool next);
    void setPauseCaption(const QString& caption);
    void setChineseChecked(bool checked);

signals:
    void closed();
    void speedChosen(bool slow);

private:
    QAction* addAction(const QString& objectName, const QString& caption);
};
