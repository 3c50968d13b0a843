#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;

// The companion's own title strip: icon, the title "Parlodesk", minimise and
// close buttons, and dragging the window by the strip.
class TitleStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 345;
    static constexpr int kButtonSize = 285;
    static constexpr int kButtonTop = 30;

    explicit TitleStrip(QWidget* window);

    QLabel* title() const { return title_; }
    QLabel* closeButton() const { return close_; }
    QLabel* minimiseButton() const { return minimise_; }
    // The pointer position (pixels) when the left button went down, or (0, 0).
    QPoint drag() const { return drag_; }

public slots:
    // The strip is as wide as the window; the buttons sit at its right end.
    void setWindowWidth(int widthTwips);
    void resetDrag() { drag_ = {}; }

signals:
    void closeClicked();
    void minimiseClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* icon_;
    QLabel* title_;
    QLabel* minimise_;
    QLabel* close_;
    QPoint drag_;
};
