#include "Pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kInk(46, 110, 122);
const QColor kInkSoft(46, 110, 122, 60);
const QColor kWarm(214, 130, 64);

QPixmap canvas(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}
} // namespace

QPixmap Pictures::bitmap(const QString& name) {
    auto it = cache_.find(name);
    if (it != cache_.end()) return *it;
    QPixmap pm(folder_.bitmapPath(name));
    if (pm.isNull()) pm = drawnBitmap(name);
    cache_.insert(name, pm);
    return pm;
}

// Stand-ins for the folder's pictures: 13 x 13 check boxes, a speed mark.
QPixmap Pictures::drawnBitmap(const QString& name) {
    QPixmap pm(13, 13);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (name == "f.jpg" || name == "t.jpg") {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(name == "t.jpg" ? kInk : QColor(Qt::white));
        p.drawEllipse(QRectF(2, 2, 9, 9));
        return pm;
    }
    p.setPen(QPen(QColor(120, 130, 140), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 12, 12));
    if (name != "0.jpg") {
        p.setPen(QPen(name == "a1.jpg" ? kWarm : kInk, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(3, 6.5), QPointF(5.5, 9.5), QPointF(10, 3.5)}));
    }
    return pm;
}

QPixmap Pictures::tabPicture(int position, QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const qreal s = std::min(w, h);
    p.translate((w - s) / 2, (h - s) / 2);
    p.scale(s / 32.0, s / 32.0);
    QPen pen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QFont f;
    f.setBold(true);
    switch (position) {
    case 0: { // sentence study: a speech bubble with one line of text
        QPainterPath path;
        path.addRoundedRect(QRectF(4, 6, 24, 16), 4, 4);
        p.fillPath(path, kInkSoft);
        p.drawPath(path);
        p.drawPolyline(QPolygonF({QPointF(10, 22), QPointF(9, 27), QPointF(15, 22)}));
        p.drawLine(QPointF(9, 14), QPointF(23, 14));
        break;
    }
    case 1: // whole text: a page of lines
        p.fillRect(QRectF(7, 4, 18, 24), kInkSoft);
        p.drawRoundedRect(QRectF(7, 4, 18, 24), 2, 2);
        for (int y = 10; y <= 22; y += 4)
            p.drawLine(QPointF(11, y), QPointF(21, y));
        break;
    case 2:   // recall Chinese
    case 3: { // recall English
        p.fillRect(QRectF(5, 6, 22, 20), kInkSoft);
        p.drawRoundedRect(QRectF(5, 6, 22, 20), 3, 3);
        f.setPixelSize(position == 2 ? 13 : 14);
        f.setFamily(position == 2 ? "Noto Serif CJK SC" : "Liberation Serif");
        p.setFont(f);
        p.drawText(QRectF(5, 6, 22, 18), Qt::AlignCenter, position == 2 ? "中" : "A");
        p.setPen(QPen(kWarm, 2, Qt::DotLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 23), QPointF(22, 23));
        break;
    }
    case 4: // compare: a microphone
        p.fillRect(QRectF(12, 4, 8, 14), kInkSoft);
        p.drawRoundedRect(QRectF(12, 4, 8, 14), 4, 4);
        p.drawArc(QRectF(8, 8, 16, 15), 180 * 16, 180 * 16);
        p.drawLine(QPointF(16, 23), QPointF(16, 28));
        p.drawLine(QPointF(11, 28), QPointF(21, 28));
        break;
    case 5: // dictation: a pencil over a line
        p.save();
        p.translate(16, 15);
        p.rotate(-45);
        p.fillRect(QRectF(-10, -3, 17, 6), kInkSoft);
        p.drawRect(QRectF(-10, -3, 17, 6));
        p.drawPolygon(QPolygonF({QPointF(7, -3), QPointF(12, 0), QPointF(7, 3)}));
        p.restore();
        p.setPen(QPen(kWarm, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 28), QPointF(27, 28));
        break;
    case 6: // mini mode: a small window on top of a larger one
        p.drawRoundedRect(QRectF(4, 6, 20, 16), 2, 2);
        p.fillRect(QRectF(14, 15, 14, 11), QColor(255, 255, 255));
        p.fillRect(QRectF(14, 15, 14, 11), kInkSoft);
        p.drawRoundedRect(QRectF(14, 15, 14, 11), 2, 2);
        p.drawLine(QPointF(14, 18.5), QPointF(28, 18.5));
        break;
    default: // more: four tiles
        for (int i = 0; i < 4; ++i) {
            QRectF r(6 + (i % 2) * 11, 6 + (i / 2) * 11, 9, 9);
            p.fillRect(r, i == 3 ? QColor(kWarm.red(), kWarm.green(), kWarm.blue(), 90) : kInkSoft);
            p.drawRoundedRect(r, 2, 2);
        }
        break;
    }
    return pm;
}

QPixmap Pictures::emblem(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = std::min(size.width(), size.height()) - 2;
    QRectF r((size.width() - s) / 2, (size.height() - s) / 2, s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(r);
    QFont f("Liberation Serif");
    f.setBold(true);
    f.setPixelSize(int(s * 0.62));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, "L");
    return pm;
}

QPixmap Pictures::wordmark(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f("Liberation Serif");
    f.setPixelSize(int(size.height() * 0.72));
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignLeft | Qt::AlignVCenter,
               "Lingotra");
    return pm;
}

QPixmap Pictures::typingIcon(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.4));
    p.drawRoundedRect(QRectF(1.5, 3.5, size.width() - 3, size.height() - 7), 2, 2);
    for (int i = 0; i < 3; ++i)
        p.drawPoint(QPointF(4.5 + i * (size.width() - 8) / 2.0, size.height() / 2.0));
    return pm;
}
