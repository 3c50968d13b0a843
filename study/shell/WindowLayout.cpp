#include "WindowLayout.h"

#include "Design.h"
#include "Twips.h"
#include "Ui.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {
template <typename T = QWidget> T* child(QWidget* form, const char* name) {
    return form->findChild<T*>(QString::fromLatin1(name));
}
int bottom(const QWidget* w) {
    return Ui::top(w) + Ui::height(w);
}
int right(const QWidget* w) {
    return Ui::left(w) + Ui::width(w);
}
} // namespace

int GetTaskbarHeight(const QRect& screen, const QRect& workArea) {
    const int screenHeight = screen.height();
    const int workBottom = workArea.y() + workArea.height() - screen.y();
    return int(std::lround(double(screenHeight - workBottom)));
}

int GetTaskbarHeight(const QScreen* screen) {
    if (!screen) return 0;
    return GetTaskbarHeight(screen->geometry(), screen->availableGeometry());
}

QSize windowTwips(const QRect& screen, const QRect& workArea) {
    return QSize(twips(screen.width()),
                 twips(screen.height()) - 15 * GetTaskbarHeight(screen, workArea));
}

void tcp(QWidget* form, int W, int H) {
    form->resize(px(W), px(H));

    // The content frame and the rules.
    QWidget* C = child(form, "Label7_6");
    if (!C) return;
    Ui::resize(C, W - Ui::left(C) - 130, H - Ui::top(C) - 390);
    const int cl = Ui::left(C), ct = Ui::top(C), cw = Ui::width(C), ch = Ui::height(C);
    if (auto* line1 = child<LineWidget>(form, "Line1"))
        line1->setLine(line1->x1(), line1->y1(), W, line1->y2());
    auto* line2 = child<LineWidget>(form, "Line2");
    const int Y = line2 ? line2->y1() : Design::kRuleY;
    if (line2) line2->setLine(line2->x1(), Y, cl + cw - 15, Y);
    if (auto* strip = child(form, "Label36")) Ui::setWidth(strip, cw - 30);
    if (auto* hint = child(form, "Label7_13")) Ui::setWidth(hint, cw - (Ui::left(hint) - cl) - 30);

    // Window buttons and the right-hand pictures.
    if (auto* w = child(form, "Command17_0")) Ui::setLeft(w, W - 420);
    if (auto* w = child(form, "Command17_1")) Ui::setLeft(w, W - 715);
    if (auto* w = child(form, "Image4")) Ui::setLeft(w, W - 705);
    QWidget* image7 = child(form, "Image7");
    for (const char* name : {"Image7", "Image8"})
        if (auto* w = child(form, name)) Ui::setLeft(w, W - Ui::width(w));
    if (auto* frame6 = child(form, "Frame6")) {
        Ui::setWidth(frame6, W - (image7 ? Ui::width(image7) : 0) - 90);
        for (auto* rule : frame6->findChildren<LineWidget*>())
            rule->setLine(rule->x1(), rule->y1(), Ui::width(frame6) - 80, rule->y2());
    }

    // Side panels at the bottom right.
    QWidget* frame12 = child(form, "Frame12");
    for (const char* name : {"Frame4", "Frame12"})
        if (auto* w = child(form, name))
            Ui::move(w, W - Ui::width(w) - 250, H - Ui::height(w) - 530);
    if (auto* w = child(form, "Frame21"); w && frame12)
        Ui::move(w, Ui::left(frame12) - Ui::width(w) - 120, Ui::top(frame12) - 90);
    if (auto* w = child(form, "Frame13")) Ui::setLeft(w, W - Ui::width(w) - 400);
    if (auto* w = child(form, "Command16")) Ui::setLeft(w, cl + cw - 185 - Ui::width(w));
    // The button rows share the speed choice's line.
    if (auto* frame4 = child(form, "Frame4"))
        for (const char* name : {"Frame5", "Frame11", "Label13"})
            if (auto* w = child(form, name)) Ui::setTop(w, Ui::top(frame4));

    // The sentence-study area: three bands with proportional gaps.
    const double A = H - Y - 775;
    const double U = 0.0588 * A;
    const int B = int(0.2688 * A);
    const int bandWidth = cw - 370;
    QWidget* shape1 = child(form, "Shape1");
    QWidget* shape2 = child(form, "Shape2");
    QWidget* shape3 = child(form, "Shape3");
    if (!shape1 || !shape2 || !shape3) return;
    Ui::setTop(shape1, int(Y + U));
    Ui::resize(shape1, bandWidth, B);
    for (const char* name : {"Frame7", "Check1"})
        if (auto* w = child(form, name)) Ui::setTop(w, int(Y + 0.31 * U));
    QWidget* label1 = child(form, "Label1");
    const int textWidth = bandWidth - 300;
    if (label1) {
        Ui::setTop(label1, Ui::top(shape1) + 110);
        Ui::resize(label1, textWidth, B - 100);
    }
    if (auto* w = child(form, "Label39")) {
        Ui::setTop(w, Ui::top(shape1) + 110);
        Ui::resize(w, textWidth, B - 160);
    }
    if (auto* w = child(form, "Picture12")) {
        Ui::setTop(w, Ui::top(shape1) + 15);
        Ui::resize(w, bandWidth - 30, B - 30);
    }
    Ui::setTop(shape2, int(bottom(shape1) + U));
    Ui::resize(shape2, bandWidth, B);
    for (const char* name : {"Frame8", "Check2"})
        if (auto* w = child(form, name)) Ui::setTop(w, int(bottom(shape1) + 0.31 * U));
    QWidget* label2 = child(form, "Label2");
    if (label2) {
        Ui::setTop(label2, Ui::top(shape2) + 170);
        Ui::setWidth(label2, textWidth);
    }
    if (auto* w = child(form, "Label40"); w && label2) {
        Ui::setTop(w, Ui::top(shape2) + 170);
        Ui::resize(w, textWidth, Ui::height(label2));
    }
    if (auto* w = child(form, "Label41"); w && label2) {
        Ui::setTop(w, bottom(label2) + 105);
        Ui::setWidth(w, textWidth);
    }
    Ui::setTop(shape3, int(bottom(shape2) + U));
    Ui::resize(shape3, bandWidth, B);
    const int captionTop = int(bottom(shape2) + 0.3 * U);
    for (const char* name : {"Label7_2", "Image18"})
        if (auto* w = child(form, name)) Ui::setTop(w, captionTop);
    if (auto* w = child(form, "Label26")) Ui::setTop(w, captionTop - 45);
    if (auto* w = child(form, "Frame14")) Ui::move(w, right(shape1) - Ui::width(w), captionTop);
    if (auto* w = child(form, "Text2")) {
        Ui::setTop(w, Ui::top(shape3) + 60);
        Ui::resize(w, textWidth, B - 90);
    }
    if (auto* w = child(form, "Frame2")) Ui::setLeft(w, right(shape1) - Ui::width(w));

    // Whole-text viewport.
    if (auto* viewport = child(form, "Picture5")) {
        Ui::place(viewport, cl + 15, Y + 15, cw - 30, ch - 515);
        const int vw = Ui::width(viewport), vh = Ui::height(viewport);
        if (auto* w = child(viewport, "Picture2")) Ui::place(w, 0, 0, vw - 280, vh);
        if (auto* up = child(viewport, "Command32")) {
            Ui::setLeft(up, vw - 255);
            if (auto* thumb = child(viewport, "Image33")) Ui::setLeft(thumb, Ui::left(up));
            if (auto* track = child(viewport, "Image32")) {
                Ui::setLeft(track, Ui::left(up) - 15);
                Ui::setHeight(track, vh - 510);
            }
        }
        if (auto* down = child(viewport, "Command33")) Ui::move(down, vw - 255, vh - 255);
    }

    // Compare panel.
    if (auto* panel = child(form, "Picture4")) {
        Ui::place(panel, cl + 15, ct + 30, cw - 30, ch - 60);
        if (auto* frame = child(panel, "Label7_11")) {
            Ui::setWidth(frame, Ui::width(panel) - 250);
            const int toggleTop = bottom(frame) + 150;
            for (const char* name : {"Check4", "Label24"})
                if (auto* w = child(panel, name)) Ui::setTop(w, toggleTop);
            if (auto* w = child(panel, "Image13")) Ui::setTop(w, toggleTop + (300 - 195) / 2);
        }
    }

    // Lesson list down to the bottom of the content frame.
    if (auto* list = child(form, "Picture6")) {
        Ui::setHeight(list, ct + ch - Ui::top(list));
        if (auto* list1 = child(list, "List1")) Ui::setHeight(list1, Ui::height(list));
    }

    if (auto* results = child(form, "Picture8"))
        Ui::move(results, W / 2 - Ui::width(results) / 2, H / 2 - Ui::height(results) / 2);
}
