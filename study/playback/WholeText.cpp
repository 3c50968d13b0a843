#include "WholeText.h"

#include "StudyModes.h"
#include "StudyPanels.h"
#include "WholeTextAutoRead.h"
#include "WholeTextPanel.h"
#include "WholeTextRows.h"
#include "WholeTextScroll.h"

#include <QComboBox>
#include <QFrame>

WholeText::WholeText(StudyState* state, StudyPanels* panels, SentencePlayback* playback,
                     StudyModes* modes, Notifier* notifier, InterfaceSounds* sounds,
                     ProgramFolder folder)
    : QObject(panels) {
    rows_ = new WholeTextRows(panels->Picture2);
    scroll_ = new WholeTextScroll(panels);
    panel_ = new WholeTextPanel(state, panels, playback, rows_, scroll_, notifier, sounds,
                                std::move(folder));
    reader_ = new AutoRead(state, panels, playback, panel_, scroll_);
    if (modes) connect(modes, &StudyModes::rowStyleRequested, panel_, &WholeTextPanel::applyStyle);
    if (modes)
        connect(panel_, &WholeTextPanel::pointerOverList, modes, &StudyModes::hideHoverLines);
    connect(scroll_, &WholeTextScroll::focusKeySink, panels->Combo4,
            [c = panels->Combo4] { c->setFocus(); });
}

void WholeText::loadRows(QStringView lessonText) {
    panel_->ReadRow = 0;
    scroll_->setListHeight(rows_->build(lessonText));
}
