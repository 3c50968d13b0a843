#include "SettingsDialog.h"

#include "ColourPalette.h"
#include "CompanionCourse.h"
#include "CompanionSettings.h"
#include "Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kFrameLeft = 150;
constexpr int kFrameWidth = 4950;
constexpr int kTitleBand = 540;

QStringList repeatChoices() {
    QStringList l;
    for (int i = 0; i <= 10; ++i)
        l << QString::number(i);
    return l;
}

QStringList pauseChoices() {
    return repeatChoices() << "20"
                           << "30"
                           << "60";
}

QLabel* caption(const QString& text, QWidget* parent, int left, int top) {
    auto* l = new QLabel(text, parent);
    l->move(px(left), px(top));
    l->adjustSize();
    return l;
}

QComboBox* list(const QString& name, QWidget* parent, int left, int top, int width) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(px(left), px(top - 45), px(width), px(330));
    return c;
}

void selectText(QComboBox* c, const QString& text) {
    int i = c->findText(text);
    if (i < 0 && !text.isEmpty()) {
        // A value typed into the settings file by hand still shows.
        c->addItem(text);
        i = c->count() - 1;
    }
    c->setCurrentIndex(i);
}

} // namespace

Form2::Form2(CompanionControl& control, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      control_(control) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("设置"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(px(kWidth), px(kHeight));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(238, 238, 246));
    setPalette(pal);

    auto* title = new QLabel(QStringLiteral("设置"), this);
    title->setObjectName("Form2Title");
    QFont tf = title->font();
    tf.setBold(true);
    title->setFont(tf);
    QPalette tp = title->palette();
    tp.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(tp);
    title->move(px(645), px(150));
    title->adjustSize();

    close_ = new QLabel(QStringLiteral("✕"), this);
    close_->setObjectName("Form2Close");
    close_->setAlignment(Qt::AlignCenter);
    close_->setPalette(tp);
    close_->setGeometry(px(4800), px(90), px(300), px(300));
    close_->setToolTip(QStringLiteral("关闭"));
    close_->installEventFilter(this);

    courseGroup_ = new QGroupBox(QStringLiteral("课程设置"), this);
    courseGroup_->setGeometry(px(kFrameLeft), px(600), px(kFrameWidth), px(1650));
    caption(QStringLiteral("书本"), courseGroup_, 240, 390);
    books_ = list("BookList", courseGroup_, 1200, 390, 3500);
    caption(QStringLiteral("起始课文"), courseGroup_, 240, 840);
    starts_ = list("StartList", courseGroup_, 1200, 840, 3500);
    caption(QStringLiteral("结束课文"), courseGroup_, 240, 1290);
    ends_ = list("EndList", courseGroup_, 1200, 1290, 3500);

    playGroup_ = new QGroupBox(QStringLiteral("播放设置"), this);
    playGroup_->setGeometry(px(kFrameLeft), px(2370), px(kFrameWidth), px(900));
    caption(QStringLiteral("每句朗读"), playGroup_, 240, 420);
    repeats_ = list("RepeatList", playGroup_, 1200, 420, 900);
    caption(QStringLiteral("次"), playGroup_, 2160, 420);
    caption(QStringLiteral("间隔"), playGroup_, 2700, 420);
    pauses_ = list("PauseList", playGroup_, 3300, 420, 900);
    caption(QStringLiteral("秒"), playGroup_, 4260, 420);

    lookGroup_ = new QGroupBox(QStringLiteral("界面设置"), this);
    lookGroup_->setGeometry(px(kFrameLeft), px(3405), px(kFrameWidth), px(960));
    caption(QStringLiteral("背景颜色"), lookGroup_, 240, 420);
    backSwatch_ = new QLabel(lookGroup_);
    backSwatch_->setObjectName("BackgroundSwatch");
    backSwatch_->setGeometry(px(1200), px(360), px(840), px(330));
    caption(QStringLiteral("字体颜色"), lookGroup_, 2400, 420);
    textSwatch_ = new QLabel(lookGroup_);
    textSwatch_->setObjectName("TextSwatch");
    textSwatch_->setGeometry(px(3360), px(360), px(840), px(330));
    for (QWidget* w : {static_cast<QWidget*>(backSwatch_), static_cast<QWidget*>(textSwatch_),
                       static_cast<QWidget*>(courseGroup_), static_cast<QWidget*>(playGroup_),
                       static_cast<QWidget*>(lookGroup_)})
        w->installEventFilter(this);

    ok_ = new QPushButton(QStringLiteral("确定"), this);
    ok_->setObjectName("OKButton");
    ok_->setGeometry(px(2400), px(4500), px(1200), px(420));
    cancel_ = new QPushButton(QStringLiteral("取消"), this);
    cancel_->setObjectName("CancelButton");
    cancel_->setGeometry(px(3780), px(4500), px(1200), px(420));

    palette_ = new ColourPalette(this);
    palette_->move(0, px(ColourPalette::kTop));
    connect(palette_, &ColourPalette::chosen, this, &Form2::colourChosen);

    // Opening: the companion's current choices.
    background_ = control_.backgroundColour();
    text_ = control_.textColour();
    paintSwatch(backSwatch_, background_);
    paintSwatch(textSwatch_, text_);
    books_->addItems(CompanionCourse::books());
    selectText(books_, control_.book());
    repeats_->addItems(repeatChoices());
    selectText(repeats_, control_.repeatValue());
    pauses_->addItems(pauseChoices());
    selectText(pauses_, control_.pauseValue());
    fillLessons(control_.lessonTitles());
    if (control_.startLesson() < starts_->count()) starts_->setCurrentIndex(control_.startLesson());
    ends_->setCurrentIndex(ends_->findText(control_.endLesson()));

    connect(books_, &QComboBox::activated, this, &Form2::BookList_Click);
    connect(starts_, &QComboBox::activated, this, &Form2::StartList_Click);
    connect(ends_, &QComboBox::activated, this, &Form2::EndList_Click);
    connect(repeats_, &QComboBox::activated, this, &Form2::RepeatList_Click);
    connect(pauses_, &QComboBox::activated, this, &Form2::PauseList_Click);
    connect(ok_, &QPushButton::clicked, this, &Form2::OK_Click);
    connect(cancel_, &QPushButton::clicked, this, &Form2::Cancel_Click);
}

void Form2::fillLessons(const QStringList& titles) {
    starts_->clear();
    ends_->clear();
    starts_->addItems(titles);
    ends_->addItems(titles);
}

void Form2::paintSwatch(QLabel* swatch, quint32 colour) {
    swatch->setStyleSheet(QStringLiteral("background: rgb(%1,%2,%3); border: 1px solid #606060;")
                              .arg(ColourValue::red(colour))
                              .arg(ColourValue::green(colour))
                              .arg(ColourValue::blue(colour)));
}

void Form2::BookList_Click(int index) {
    if (index < 0) return;
    control_.fwa(books_->itemText(index));
    fillLessons(control_.lessonTitles());
    starts_->setCurrentIndex(starts_->count() ? 0 : -1);
    ends_->setCurrentIndex(ends_->count() ? 0 : -1);
}

void Form2::StartList_Click(int index) {
    ends_->setCurrentIndex(index);
}

void Form2::EndList_Click(int index) {
    if (index < starts_->currentIndex()) ends_->setCurrentIndex(starts_->currentIndex());
}

void Form2::RepeatList_Click(int index) {
    if (index >= 0) control_.setnum(repeats_->itemText(index));
}

void Form2::PauseList_Click(int index) {
    if (index >= 0) control_.settime(pauses_->itemText(index));
}

void Form2::Swatch_Click(int target) {
    paletteTarget_ = target == 2 ? 2 : 1;
    const QLabel* swatch = paletteTarget_ == 1 ? backSwatch_ : textSwatch_;
    palette_->move(lookGroup_->x() + swatch->x(), px(ColourPalette::kTop));
    palette_->hoverFrame()->hide();
    palette_->show();
    palette_->raise();
}

void Form2::colourChosen(quint32 colour) {
    if (paletteTarget_ == 1) {
        background_ = colour;
        paintSwatch(backSwatch_, colour);
    } else {
        text_ = colour;
        paintSwatch(textSwatch_, colour);
    }
}

void Form2::OK_Click() {
    control_.setBook(books_->currentText());
    if (starts_->currentIndex() >= 0) {
        const int start = starts_->currentIndex();
        control_.loadLessonAt(start);
        control_.startReload();
        control_.setEndLesson(ends_->currentText());
        control_.setStartLesson(start);
    }
    control_.setColours(background_, text_);
    close();
}

void Form2::Cancel_Click() {
    close();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == backSwatch_) {
            Swatch_Click(1);
            return true;
        }
        if (watched == textSwatch_) {
            Swatch_Click(2);
            return true;
        }
        if (watched == close_) {
            Cancel_Click();
            return true;
        }
        if (watched == courseGroup_ || watched == playGroup_ || watched == lookGroup_)
            palette_->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::mousePressEvent(QMouseEvent* event) {
    palette_->hide();
    if (event->button() == Qt::LeftButton) drag_ = event->position().toPoint();
}

void Form2::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) move(pos() + event->position().toPoint() - drag_);
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(0, 0, width(), px(kTitleBand), QColor(72, 72, 132));
    p.setPen(QColor(200, 200, 220));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
