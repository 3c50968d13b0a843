#include "DrawnToggle.h"

#include "Pictures.h"
#include "Ui.h"

#include <QCheckBox>

DrawnToggle::DrawnToggle(QWidget* holderParent, QWidget* captionParent, const Names& names,
                         Pictures* pictures, bool initiallyOn)
    : QObject(captionParent), pictures_(pictures), onPicture_(names.onPicture) {
    check_ = new QCheckBox(names.checkCaption, holderParent);
    check_->setObjectName(names.check);
    check_->setChecked(initiallyOn);
    check_->setFocusPolicy(Qt::NoFocus);
    label_ = new ClickLabel(captionParent);
    label_->setObjectName(names.label);
    label_->setText(names.caption);
    label_->setCursor(Qt::PointingHandCursor);
    image_ = new QLabel(captionParent);
    image_->setObjectName(names.image);
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    image_->setAlignment(Qt::AlignCenter);
    showPicture();
    connect(label_, &ClickLabel::released, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) Label_Click();
    });
    connect(check_, &QCheckBox::toggled, this, [this](bool on) {
        showPicture();
        emit changed(on);
    });
}

bool DrawnToggle::isOn() const {
    return check_->isChecked();
}

void DrawnToggle::setOn(bool on) {
    check_->setChecked(on);
}

void DrawnToggle::Label_Click() {
    setOn(!isOn());
}

void DrawnToggle::showPicture() {
    image_->setPixmap(pictures_->bitmap(isOn() ? onPicture_ : "0.jpg"));
}

void DrawnToggle::place(int left, int top, int width, int height) {
    // The caption's leading blanks leave room for the picture; a little more
    // keeps the picture clear of the first character.
    Ui::place(label_, left + 60, top, width - 60, height);
    Ui::place(image_, left, top + (height - 195) / 2, 195, 195);
    image_->raise();
    // The state holder takes no room: the caption and picture draw it.
    if (check_->parentWidget() == label_->parentWidget()) Ui::place(check_, left, top, 0, 0);
}
