#pragma once

#include <QObject>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class StudyPanels;

// The scroll bar of the whole-text panel: the list picture Picture2 moves
// inside the viewport Picture5 by the up and down buttons Command32 and
// Command33, the arrow keys of the key sink Combo4 and by dragging the thumb
// Image33 along its track Image32. The list's top and height are kept in
// twips here; the widgets get their pixel form.
class WholeTextScroll : public QObject {
    Q_OBJECT
public:
    static constexpr int kStep = 500;        // one press
    static constexpr int kTrackOffset = 255; // the track begins under the up button

    explicit WholeTextScroll(StudyPanels* panels);

    int listTop() const { return top_; }       // Picture2.Top, 0 or negative
    int listHeight() const { return height_; } // Picture2.Height
    int viewportHeight() const;                // Picture5.Height
    int thumbTop() const { return thumbTop_; } // Image33.Top
    int travel() const;                        // T of the thumb formula
    bool barShown() const;

    // After the rows are built: the list's height, the list at its top and
    // the bar shown only when the list is taller than the viewport.
    void setListHeight(int height);
    // Picture2.Top <- top.
    void setListTop(int top);
    // The thumb placed for the list's position, in whole percents.
    void placeThumb();
    // Picture2.Top <- 0 and the thumb at the track's top.
    void toTop();

public slots:
    void Command32_Click(); // up
    void Command33_Click(); // down
    // Arrow keys while Combo4 has the focus; true when the key was used.
    bool Combo4_KeyDown(int key);
    void Image33_MouseDown(int y);
    void Image33_MouseMove(Qt::MouseButtons buttons, int y);

signals:
    void focusKeySink();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void up();
    void down();
    void setThumbTop(int top);

    StudyPanels* panels_;
    int top_ = 0;
    int height_ = 0;
    int thumbTop_ = kTrackOffset;
    int grip_ = 0; // pointer y within the thumb when it was pressed
};
