#pragma once

#include <QObject>
#include <QString>

class ClickLabel;
class Pictures;
class QCheckBox;
class QLabel;
class QWidget;

// An on/off choice drawn by a caption label and a picture, with a check box
// holding the state underneath (Check1 with Label21 and Image10, ...).
// A click on the caption flips the state; every change of the state (by a
// click or by the program) shows the matching picture and emits changed().
class DrawnToggle : public QObject {
    Q_OBJECT
public:
    struct Names {
        QString check, checkCaption, label, caption, image, onPicture;
    };
    // The caption label and picture go into `captionParent`, the check box
    // into `holderParent` (placed under the caption when both are the same).
    DrawnToggle(QWidget* holderParent, QWidget* captionParent, const Names& names,
                Pictures* pictures, bool initiallyOn);

    bool isOn() const;
    // Sets the state; changing it runs the change handling.
    void setOn(bool on);

    QCheckBox* check() const { return check_; }
    ClickLabel* caption() const { return label_; }
    QLabel* image() const { return image_; }

    // Places caption (with the picture in its leading blanks) in twips.
    void place(int left, int top, int width, int height);

public slots:
    // The caption click: flips the state.
    void Label_Click();

signals:
    void changed(bool on);

private:
    void showPicture();
    QCheckBox* check_;
    ClickLabel* label_;
    QLabel* image_;
    Pictures* pictures_;
    QString onPicture_;
};
