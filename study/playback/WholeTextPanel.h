#pragma once

#include "ProgramFolder.h"
#include "StudyState.h"

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QString>

class InterfaceSounds;
class Notifier;
class QWidget;
class SentencePlayback;
class StudyPanels;
class WholeTextRows;
class WholeTextScroll;

// The whole-text panel in its three modes: the row styles of 全文浏览 (2),
// 回想中文 (3) and 回想英文 (4), the toggles 显示中文 (Check3) and 显示英文
// (Check5), the show/hide button Command34, the reset Command16 and the
// clicks on the rows: play a row, reveal or hide a line, the translation box
// and the press and release sounds.
class WholeTextPanel : public QObject {
    Q_OBJECT
public:
    WholeTextPanel(StudyState* state, StudyPanels* panels, SentencePlayback* playback,
                   WholeTextRows* rows, WholeTextScroll* scroll, Notifier* notifier,
                   InterfaceSounds* sounds, ProgramFolder folder);

    // The row last read aloud or chosen by a click on an English line; 0 none.
    int ReadRow = 0;

    // The style of `mode` (2, 3 or 4) applied to every row; cc calls it.
    void applyStyle(int mode);
    // Plays row i once: its record's Start and End, then the start step of
    // the playback cycle.
    void rowPlay(int i);
    void hideUnderlines();
    void showUnderline(int i);

    WholeTextRows* rows() const { return rows_; }

    // What lies under a point of the list: element base name and row.
    struct Hit {
        QString element; // "Label6", "Label8", "Label17", "Label18", "Image2" or empty
        int row = 0;
    };
    Hit hitAt(QPoint pixelPos) const;

public slots:
    void Check3_Click(bool on);
    void Check5_Click(bool on);
    void Command34_Click();
    void Command16_Click();
    void Label6_MouseDown(int i);
    void Label6_MouseUp(int i);
    void Label6_DblClick(int i);
    void Label8_MouseDown(int i);
    void Label8_MouseUp(int i);
    void Label17_MouseDown(int i);
    void Label17_MouseUp(int i);
    void Label18_MouseDown(int i);
    void Label18_MouseUp(int i);
    void Image2_MouseDown(int i);
    void Image2_MouseUp(int i);
    void Picture2_MouseMove();

signals:
    // The pointer is over the list: the tab bar's hover lines go.
    void pointerOverList();
    // A click on the list background or its viewport (not on a row).
    void listBackgroundClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void styleWholeText();
    void styleRecall(int mode);
    // The Chinese part of the whole-text style; `englishShift` is how far the
    // English lines move left when the Chinese is hidden.
    void flowChinese(bool shown, int englishShift);
    void sound(const char* name);
    void focusKeySink();
    void dispatch(const Hit& hit, QEvent::Type type);

    StudyState* state_;
    StudyPanels* panels_;
    SentencePlayback* playback_;
    WholeTextRows* rows_;
    WholeTextScroll* scroll_;
    Notifier* notifier_;
    InterfaceSounds* sounds_;
    ProgramFolder folder_;
    Hit pressed_; // the element a release belongs to
};
