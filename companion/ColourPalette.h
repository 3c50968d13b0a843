#pragma once

#include <QFrame>
#include <QList>

class QLabel;

// The settings dialog's sixteen colours, four rows of four, with a frame that
// follows the mouse over the cells.
class ColourPalette : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 1680;
    static constexpr int kHeight = 1320;
    static constexpr int kTop = 2445;

    explicit ColourPalette(QWidget* dialog);

    // 0x00BBGGRR values, row by row from the top, left to right.
    static QList<quint32> colours();
    QLabel* cell(int i) const { return cells_.at(i); }
    QFrame* hoverFrame() const { return hover_; }

public slots:
    void Cell_MouseMove(int i);
    void Cell_MouseDown(int i);

signals:
    void chosen(quint32 colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLabel*> cells_;
    QFrame* hover_;
};
