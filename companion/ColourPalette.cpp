#include "ColourPalette.h"

#include "CompanionSettings.h"
#include "Twips.h"

#include <QEvent>
#include <QLabel>

namespace {
constexpr int kCellLefts[] = {120, 480, 855, 1215};
constexpr int kCellTops[] = {120, 405, 690, 975};
constexpr int kCellWidth = 315;
constexpr int kCellHeight = 225;
} // namespace

QList<quint32> ColourPalette::colours() {
    using ColourValue::fromRgb;
    return {fromRgb(0, 0, 0),       fromRgb(255, 255, 255), fromRgb(128, 128, 0),
            fromRgb(192, 0, 0),     fromRgb(0, 0, 128),     fromRgb(29, 56, 91),
            fromRgb(128, 128, 128), fromRgb(255, 255, 0),   fromRgb(240, 247, 255),
            fromRgb(128, 128, 192), fromRgb(255, 0, 255),   fromRgb(192, 192, 192),
            fromRgb(255, 0, 0),     fromRgb(0, 0, 255),     fromRgb(0, 128, 128),
            fromRgb(0, 255, 0)};
}

ColourPalette::ColourPalette(QWidget* dialog) : QFrame(dialog) {
    setObjectName("Palette");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    resize(px(kWidth), px(kHeight));

    hover_ = new QFrame(this);
    hover_->setObjectName("HoverFrame");
    hover_->setStyleSheet("background: #3c3c78;");
    hover_->resize(px(360), px(270));
    hover_->hide();

    const QList<quint32> values = colours();
    for (int i = 0; i < values.size(); ++i) {
        auto* cell = new QLabel(this);
        cell->setObjectName(QStringLiteral("Cell_%1").arg(i));
        cell->setGeometry(px(kCellLefts[i % 4]), px(kCellTops[i / 4]), px(kCellWidth),
                          px(kCellHeight));
        const quint32 v = values[i];
        cell->setStyleSheet(QStringLiteral("background: rgb(%1,%2,%3); border: 1px solid #808080;")
                                .arg(ColourValue::red(v))
                                .arg(ColourValue::green(v))
                                .arg(ColourValue::blue(v)));
        cell->setMouseTracking(true);
        cell->installEventFilter(this);
        cells_ << cell;
    }
    hide();
}

void ColourPalette::Cell_MouseMove(int i) {
    const QLabel* c = cells_.at(i);
    hover_->move(c->x() - px(30), c->y() - px(30));
    hover_->show();
    hover_->lower();
}

void ColourPalette::Cell_MouseDown(int i) {
    hover_->hide();
    hide();
    emit chosen(colours().at(i));
}

bool ColourPalette::eventFilter(QObject* watched, QEvent* event) {
    const qsizetype i = cells_.indexOf(static_cast<QLabel*>(watched));
    if (i >= 0) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            Cell_MouseMove(int(i));
        } else if (event->type() == QEvent::MouseButtonPress) {
            Cell_MouseDown(int(i));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
