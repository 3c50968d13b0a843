#include "TitleStrip.h"

#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QColor kStripTop(88, 88, 150);
constexpr QColor kStripBottom(64, 64, 118);

QPixmap iconPixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A speech bubble: the companion talks.
    const qreal s = size;
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(0.5, 0.5, s - 1, s * 0.72), s * 0.22, s * 0.22);
    QPainterPath tail;
    tail.moveTo(s * 0.22, s * 0.70);
    tail.lineTo(s * 0.16, s - 0.5);
    tail.lineTo(s * 0.48, s * 0.70);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 255));
    p.drawPath(bubble.united(tail));
    p.setBrush(kStripBottom);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(s * (0.28 + 0.22 * i), s * 0.36), s * 0.07, s * 0.07);
    return pm;
}

QPixmap buttonPixmap(int size, bool close) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(235, 235, 250), 1.6, Qt::SolidLine, Qt::RoundCap));
    const qreal m = size * 0.32;
    if (close) {
        p.drawLine(QPointF(m, m), QPointF(size - m, size - m));
        p.drawLine(QPointF(size - m, m), QPointF(m, size - m));
    } else {
        p.drawLine(QPointF(m, size * 0.62), QPointF(size - m, size * 0.62));
    }
    return pm;
}

} // namespace

TitleStrip::TitleStrip(QWidget* window) : QWidget(window) {
    setObjectName("TitleStrip");
    setGeometry(0, 0, window->width(), px(kHeight));

    icon_ = new QLabel(this);
    icon_->setObjectName("TitleIcon");
    icon_->setGeometry(px(75), px(75), px(240), px(240));
    icon_->setPixmap(iconPixmap(px(240)));

    title_ = new QLabel(QStringLiteral("Parlodesk"), this);
    title_->setObjectName("TitleText");
    QFont f;
    f.setFamilies(
        {QStringLiteral("新宋体"), QStringLiteral("NSimSun"), QStringLiteral("Noto Sans CJK SC")});
    f.setPointSizeF(9);
    f.setBold(true);
    title_->setFont(f);
    QPalette pal = title_->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    title_->setPalette(pal);
    title_->move(px(360), px(90));
    title_->adjustSize();

    minimise_ = new QLabel(this);
    minimise_->setObjectName("MinimiseButton");
    minimise_->setPixmap(buttonPixmap(px(kButtonSize), false));
    minimise_->setToolTip(QStringLiteral("最小化"));
    close_ = new QLabel(this);
    close_->setObjectName("CloseButton");
    close_->setPixmap(buttonPixmap(px(kButtonSize), true));
    close_->setToolTip(QStringLiteral("退出"));
    for (QLabel* l : {icon_, title_, minimise_, close_})
        l->installEventFilter(this);
    installEventFilter(this);
    setWindowWidth(twips(window->width()));
}

void TitleStrip::setWindowWidth(int widthTwips) {
    resize(px(widthTwips), px(kHeight));
    const int closeLeft = widthTwips - 375;
    // The two buttons overlap by 30 twips.
    const int minimiseLeft = closeLeft - kButtonSize + 30;
    close_->setGeometry(px(closeLeft), px(kButtonTop), px(kButtonSize), px(kButtonSize));
    minimise_->setGeometry(px(minimiseLeft), px(kButtonTop), px(kButtonSize), px(kButtonSize));
}

bool TitleStrip::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* me = static_cast<QMouseEvent*>(event);
    if (watched == close_ || watched == minimise_) {
        if (type == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(me->position().toPoint())) {
            if (watched == close_)
                emit closeClicked();
            else
                emit minimiseClicked();
        }
        return true;
    }
    // The strip's picture and its title drag the window.
    if (type == QEvent::MouseButtonPress && me->button() == Qt::LeftButton) {
        drag_ = me->position().toPoint();
        return true;
    }
    if (type == QEvent::MouseMove && (me->buttons() & Qt::LeftButton)) {
        QWidget* w = window();
        w->move(w->pos() + me->position().toPoint() - drag_);
        return true;
    }
    return true; // the strip opens no menu
}

void TitleStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, kStripTop);
    g.setColorAt(1, kStripBottom);
    p.fillRect(rect(), g);
}
