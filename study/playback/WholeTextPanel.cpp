#include "WholeTextPanel.h"

#include "DrawnToggle.h"
#include "InterfaceSounds.h"
#include "Lesson.h"
#include "LessonAudioPlayer.h"
#include "Notifier.h"
#include "SentencePlayback.h"
#include "StudyPanels.h"
#include "Ui.h"
#include "WholeTextRows.h"
#include "WholeTextScroll.h"

#include <QComboBox>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {
const char* const kHideChinese = " 隐藏中文(&C)";
const char* const kShowChinese = " 显示中文(&C)";
// Where the English lines go when the Chinese is hidden.
constexpr int kModeShift = 240;
constexpr int kToggleShift = 150;
constexpr int kHiddenTemplateTop = -260;
constexpr int kIconPress = 15;

// Showing or hiding a widget that already is so still costs events; a long
// lesson has thousands of elements to style.
void setShown(QWidget* w, bool on) {
    if (w->isHidden() == on) w->setVisible(on);
}
} // namespace

WholeTextPanel::WholeTextPanel(StudyState* state, StudyPanels* panels, SentencePlayback* playback,
                               WholeTextRows* rows, WholeTextScroll* scroll, Notifier* notifier,
                               InterfaceSounds* sounds, ProgramFolder folder)
    : QObject(rows), state_(state), panels_(panels), playback_(playback), rows_(rows),
      scroll_(scroll), notifier_(notifier), sounds_(sounds), folder_(std::move(folder)) {
    panels_->Picture2->setMouseTracking(true);
    panels_->Picture2->installEventFilter(this);
    panels_->Picture5->installEventFilter(this);
    connect(panels_->wholeTextChinese, &DrawnToggle::changed, this, &WholeTextPanel::Check3_Click);
    connect(panels_->wholeTextEnglish, &DrawnToggle::changed, this, &WholeTextPanel::Check5_Click);
    connect(panels_->Command34, &QPushButton::clicked, this, &WholeTextPanel::Command34_Click);
    connect(panels_->Command16, &QPushButton::clicked, this, &WholeTextPanel::Command16_Click);
    // The translation tip looks like the window's other tips and keeps to the
    // top right of the list, clear of the lines.
    panels_->Picture11->setProperty("role", "tip");
    panels_->Picture11->style()->unpolish(panels_->Picture11);
    panels_->Picture11->style()->polish(panels_->Picture11);
    Ui::setLeft(panels_->Picture11,
                Ui::width(panels_->Picture5) - 280 - Ui::width(panels_->Picture11) - 240);
    Ui::setTop(panels_->Picture11, 120);
}

void WholeTextPanel::sound(const char* name) {
    if (sounds_) sounds_->play(folder_.interfaceSoundPath(QString::fromLatin1(name)));
}

void WholeTextPanel::focusKeySink() {
    panels_->Combo4->setFocus();
}

// ---- Styles ---------------------------------------------------------------

void WholeTextPanel::applyStyle(int mode) {
    if (mode == 2)
        styleWholeText();
    else if (mode == 3 || mode == 4)
        styleRecall(mode);
}

void WholeTextPanel::flowChinese(bool shown, int englishShift) {
    if (!shown) rows_->placeEnglish(0, rows_->row(0).english.left, kHiddenTemplateTop);
    const int left = rows_->row(0).english.left;
    for (int i = 1; i <= rows_->count(); ++i) {
        WholeTextRow& r = rows_->row(i);
        const WholeTextRow& prev = rows_->row(i - 1);
        if (shown) {
            rows_->setHiddenByColour(r.Label8, false);
            setShown(r.Label8, true);
            rows_->placeEnglish(i, left, prev.chinese.bottom() + 100);
            setShown(r.Image2, true);
        } else {
            rows_->setHiddenByColour(r.Label8, true);
            setShown(r.Label8, false);
            rows_->placeEnglish(i, left - englishShift, prev.english.bottom() + 150);
            setShown(r.Image2, false);
        }
        // A shown underline follows its line.
        rows_->placeUnderline(i);
    }
}

void WholeTextPanel::styleWholeText() {
    const bool chinese = panels_->wholeTextChinese->isOn();
    const bool english = panels_->wholeTextEnglish->isOn();
    panels_->Command34->setText(QString::fromUtf8(chinese ? kHideChinese : kShowChinese));
    flowChinese(chinese, kModeShift);
    for (int i = 1; i <= rows_->count(); ++i) {
        WholeTextRow& r = rows_->row(i);
        setShown(r.Label12, false);
        rows_->placeNumber(i, r.english.top);
        rows_->setHiddenByColour(r.Label6, !english);
        rows_->setPointer(i, true, true);
        rows_->setPointer(i, false, false);
        setShown(r.Label17, false);
        setShown(r.Label18, false);
        setShown(r.Line3, false);
    }
    panels_->Picture12->hide();
}

void WholeTextPanel::styleRecall(int mode) {
    const bool recallChinese = mode == 3;
    const int left = rows_->row(0).english.left;
    for (int i = 1; i <= rows_->count(); ++i) {
        WholeTextRow& r = rows_->row(i);
        rows_->setHiddenByColour(r.Label6, !recallChinese);
        rows_->setHiddenByColour(r.Label8, recallChinese);
        setShown(r.Label8, true);
        rows_->placeEnglish(i, left, rows_->row(i - 1).chinese.bottom() + 100);
        setShown(r.Image2, true);
        setShown(r.Label12, false);
        rows_->placeNumber(i, r.english.top);
        rows_->placeUnderline(i);
        setShown(r.Line3, false);
        rows_->setPointer(i, true, !recallChinese);
        rows_->setPointer(i, false, recallChinese);
        setShown(r.Label17, recallChinese);
        setShown(r.Label18, !recallChinese);
    }
    panels_->Picture12->hide();
}

// ---- Toggles and buttons --------------------------------------------------

void WholeTextPanel::Check3_Click(bool on) {
    flowChinese(on, kToggleShift);
    focusKeySink();
}

void WholeTextPanel::Check5_Click(bool on) {
    for (int i = 1; i <= rows_->count(); ++i)
        rows_->setHiddenByColour(rows_->row(i).Label6, !on);
    focusKeySink();
}

void WholeTextPanel::Command34_Click() {
    if (panels_->Command34->text() != QString::fromUtf8(kHideChinese)) {
        panels_->Command34->setText(QString::fromUtf8(kHideChinese));
        panels_->wholeTextChinese->setOn(true);
        panels_->Picture11->hide();
    } else {
        panels_->Command34->setText(QString::fromUtf8(kShowChinese));
        panels_->wholeTextChinese->setOn(false);
        panels_->Picture11->show();
        panels_->Picture11->raise();
    }
}

void WholeTextPanel::Command16_Click() {
    const int mode = state_->StudyMode;
    if (mode == 3 || mode == 4) {
        const bool recallChinese = mode == 3;
        for (int i = 1; i <= rows_->count(); ++i) {
            WholeTextRow& r = rows_->row(i);
            rows_->setHiddenByColour(r.Label6, !recallChinese);
            rows_->setHiddenByColour(r.Label8, recallChinese);
            rows_->setPointer(i, true, !recallChinese);
            rows_->setPointer(i, false, recallChinese);
            if (!recallChinese) setShown(r.Image2, true);
        }
    }
    focusKeySink();
    playback_->Stop();
    scroll_->toTop();
}

// ---- Rows -----------------------------------------------------------------

void WholeTextPanel::rowPlay(int i) {
    if (i < 1 || i > rows_->count()) return;
    const Sentence s = SentenceRecord::split(rows_->row(i).Label5->text());
    playback_->player()->setSentenceTimes(s.Start, s.End);
    playback_->startPlay();
}

void WholeTextPanel::hideUnderlines() {
    for (int i = 1; i <= rows_->count(); ++i)
        setShown(rows_->row(i).Line3, false);
}

void WholeTextPanel::showUnderline(int i) {
    if (i < 1 || i > rows_->count()) return;
    rows_->row(i).Line3->show();
    rows_->row(i).Line3->raise();
}

void WholeTextPanel::Label6_MouseDown(int) {
    if (state_->StudyMode == 4) sound("MouDown.wav");
}

void WholeTextPanel::Label6_MouseUp(int i) {
    const int mode = state_->StudyMode;
    hideUnderlines();
    if (mode == 2) {
        playback_->PlayCount = 0;
        ReadRow = i;
        rowPlay(i);
        showUnderline(i);
        focusKeySink();
    } else if (mode == 3) {
        focusKeySink();
    } else if (mode == 4) {
        focusKeySink();
        sound("MouUp.wav");
        rows_->toggleByColour(rows_->row(i).Label6);
        showUnderline(i);
    }
}

void WholeTextPanel::Label6_DblClick(int i) {
    if (panels_->wholeTextChinese->isOn()) return;
    playback_->player()->VoicePause();
    notifier_->information(panels_->Picture5->window(), QString::fromUtf8("中文"),
                           rows_->row(i).Label8->text());
}

void WholeTextPanel::Label8_MouseDown(int) {
    if (state_->StudyMode == 3) sound("MouDown.wav");
}

void WholeTextPanel::Label8_MouseUp(int i) {
    if (state_->StudyMode != 3) return;
    sound("MouUp.wav");
    rows_->toggleByColour(rows_->row(i).Label8);
}

void WholeTextPanel::Label17_MouseDown(int i) {
    Label8_MouseDown(i);
}

void WholeTextPanel::Label17_MouseUp(int i) {
    Label8_MouseUp(i);
}

void WholeTextPanel::Label18_MouseDown(int) {
    if (state_->StudyMode == 4) sound("MouDown.wav");
}

void WholeTextPanel::Label18_MouseUp(int i) {
    if (state_->StudyMode != 4) return;
    sound("MouUp.wav");
    hideUnderlines();
    rows_->toggleByColour(rows_->row(i).Label6);
    showUnderline(i);
}

void WholeTextPanel::Image2_MouseDown(int i) {
    WholeTextRow& r = rows_->row(i);
    r.icon.left += kIconPress;
    r.icon.top += kIconPress;
    r.Image2->move(px(r.icon.left), px(r.icon.top));
    sound("MouDown.wav");
}

void WholeTextPanel::Image2_MouseUp(int i) {
    WholeTextRow& r = rows_->row(i);
    r.icon.left -= kIconPress;
    r.icon.top -= kIconPress;
    r.Image2->move(px(r.icon.left), px(r.icon.top));
    sound("MouUp.wav");
    playback_->PlayCount = 0;
    rowPlay(i);
    hideUnderlines();
    showUnderline(i);
}

void WholeTextPanel::Picture2_MouseMove() {
    emit pointerOverList();
    if (Ui::shown(panels_->Picture11)) panels_->Picture11->hide();
}

// ---- Mouse routing ----------------------------------------------------------
// The row elements take no mouse events of their own: the events reach the
// list picture, which finds the element under the pointer. No row carries
// connections, so building a long lesson stays cheap.

WholeTextPanel::Hit WholeTextPanel::hitAt(QPoint pixelPos) const {
    QWidget* child = rows_->elementAt(pixelPos);
    if (!child) return {};
    const QString name = child->objectName();
    const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
    if (cut <= 0) return {};
    const QString base = name.left(cut);
    if (base != QLatin1String("Label6") && base != QLatin1String("Label8") &&
        base != QLatin1String("Label17") && base != QLatin1String("Label18") &&
        base != QLatin1String("Image2"))
        return {};
    const int row = name.mid(cut + 1).toInt();
    if (row < 1 || row > rows_->count()) return {};
    return {base, row};
}

void WholeTextPanel::dispatch(const Hit& hit, QEvent::Type type) {
    const QString& e = hit.element;
    const int i = hit.row;
    const bool down = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (e == QLatin1String("Label6")) {
        if (type == QEvent::MouseButtonDblClick) Label6_DblClick(i);
        down ? Label6_MouseDown(i) : Label6_MouseUp(i);
    } else if (e == QLatin1String("Label8")) {
        down ? Label8_MouseDown(i) : Label8_MouseUp(i);
    } else if (e == QLatin1String("Label17")) {
        down ? Label17_MouseDown(i) : Label17_MouseUp(i);
    } else if (e == QLatin1String("Label18")) {
        down ? Label18_MouseDown(i) : Label18_MouseUp(i);
    } else if (e == QLatin1String("Image2")) {
        down ? Image2_MouseDown(i) : Image2_MouseUp(i);
    }
}

bool WholeTextPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
    if (!mouse) return QObject::eventFilter(watched, event);
    auto* m = static_cast<QMouseEvent*>(event);
    const QPoint pos = m->position().toPoint();

    if (watched == panels_->Picture5) {
        // Only the viewport's own background: a press that came up from the
        // list or a control inside it is not a click on the viewport.
        if (panels_->Picture5->childAt(pos)) return false;
        if (type == QEvent::MouseButtonRelease && m->button() == Qt::LeftButton)
            emit listBackgroundClicked();
        return true;
    }
    if (watched != panels_->Picture2) return QObject::eventFilter(watched, event);

    if (type == QEvent::MouseMove) {
        // The elements carry no pointer of their own: the list shows the one
        // of the element under the mouse.
        QWidget* under = rows_->elementAt(pos);
        const bool hand = under && rows_->pointerOf(under) == 99;
        if (hand != (panels_->Picture2->cursor().shape() == Qt::PointingHandCursor))
            hand ? panels_->Picture2->setCursor(Qt::PointingHandCursor)
                 : panels_->Picture2->unsetCursor();
        Picture2_MouseMove();
        return true;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        pressed_ = hitAt(pos);
        if (!pressed_.element.isEmpty()) dispatch(pressed_, type);
        return true;
    }
    // The release belongs to the element that was pressed, as its mouse-up.
    const Hit hit = pressed_;
    pressed_ = {};
    if (!hit.element.isEmpty())
        dispatch(hit, type);
    else if (m->button() == Qt::LeftButton && hitAt(pos).element.isEmpty())
        emit listBackgroundClicked();
    return true;
}
