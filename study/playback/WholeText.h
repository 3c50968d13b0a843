#pragma once

#include "ProgramFolder.h"
#include "StudyState.h"

#include <QObject>
#include <QStringView>

class AutoRead;
class InterfaceSounds;
class Notifier;
class SentencePlayback;
class StudyModes;
class StudyPanels;
class WholeTextPanel;
class WholeTextRows;
class WholeTextScroll;

// The whole-text work of the study window put together: the rows, their
// scrolling, the three row styles with their clicks, and the reading of the
// whole lesson aloud, hooked to the mode switch (cc) and to the playback
// cycle.
class WholeText : public QObject {
    Q_OBJECT
public:
    WholeText(StudyState* state, StudyPanels* panels, SentencePlayback* playback, StudyModes* modes,
              Notifier* notifier, InterfaceSounds* sounds, ProgramFolder folder);

    WholeTextRows* rows() const { return rows_; }
    WholeTextScroll* scroll() const { return scroll_; }
    WholeTextPanel* panel() const { return panel_; }
    AutoRead* reader() const { return reader_; }

public slots:
    // Loader steps 10 and 11: the previous lesson's rows removed, the rows of
    // `lessonText` built, the list at its top and the scroll bar shown only
    // for a list taller than its viewport.
    void loadRows(QStringView lessonText);

private:
    WholeTextRows* rows_;
    WholeTextScroll* scroll_;
    WholeTextPanel* panel_;
    AutoRead* reader_;
};
