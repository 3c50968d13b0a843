#include "WindowChrome.h"

#include "Design.h"
#include "Pictures.h"
#include "Ui.h"

#include <QPushButton>

WindowChrome::WindowChrome(QWidget* form) : QObject(form) {
    using namespace Design;
    auto* header = Ui::label(form, "Image8", {}, kClientWidth - 2400, 0, 2400, kHeaderHeight);
    header->setProperty("role", "headerCorner");

    auto* line1 = new LineWidget(form, "Line1", QColor(206, 214, 214));
    line1->setLine(0, kHeaderHeight, kClientWidth, kHeaderHeight);

    // Product emblem and name; a click opens the homepage like "更多软件".
    auto* icon = new ClickLabel(form);
    icon->setObjectName("Image21");
    Ui::place(icon, 7740, 255, 510, 510);
    icon->setPixmap(Pictures::emblem(QSize(px(510), px(510))));
    auto* name = new ClickLabel(form);
    name->setObjectName("Image22");
    Ui::place(name, 8340, 285, 2400, 450);
    name->setPixmap(Pictures::wordmark(QSize(px(2400), px(450))));
    for (ClickLabel* l : {icon, name}) {
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &ClickLabel::released, this, [this](Qt::MouseButton b) {
            if (b == Qt::LeftButton) emit homepageRequested();
        });
    }

    minimise_ = new QPushButton(QString::fromUtf8("\u2013"), form);
    minimise_->setObjectName("Command17_1");
    Ui::place(minimise_, kClientWidth - 715, 60, 285, 255);
    close_ = new QPushButton(QString::fromUtf8("\u00D7"), form);
    close_->setObjectName("Command17_0");
    Ui::place(close_, kClientWidth - 420, 60, 285, 255);
    for (QPushButton* b : {minimise_, close_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty("role", "windowButton");
    }
    minimise_->setToolTip(QString::fromUtf8("最小化"));
    close_->setToolTip(QString::fromUtf8("关闭"));
    connect(close_, &QPushButton::clicked, this, &WindowChrome::closeRequested);
    connect(minimise_, &QPushButton::clicked, this, &WindowChrome::minimiseRequested);

    auto* emblem = Ui::label(form, "Image4", {}, kClientWidth - 705, 390, 570, 510);
    emblem->setProperty("role", "emblem");

    const int stripTop = kHeaderHeight + 15;
    auto* ornament = Ui::label(form, "Image7", {}, kClientWidth - 1200, stripTop, 1200, 390);
    ornament->setProperty("role", "stripOrnament");
    auto* frame6 = Ui::frame(form, "Frame6", 0, stripTop, kClientWidth - 1200 - 90, 390);
    frame6->setProperty("role", "lessonStrip");
    auto* caption =
        Ui::label(frame6, "Label47", QString::fromUtf8("当前课程"), kContentLeft, 0, 1050, 390);
    caption->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    caption->setProperty("role", "stripCaption");
    lessonTitle_ = Ui::label(frame6, "Label7_20", {}, kContentLeft + 1080, 0, 9000, 390);
    lessonTitle_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    lessonTitle_->setProperty("role", "lessonTitle");
    auto* rule = new LineWidget(frame6, "Line32", QColor(220, 226, 226));
    rule->setLine(120, 375, kClientWidth - 1200 - 90 - 80, 375);
}
