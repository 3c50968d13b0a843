#include "WholeTextAutoRead.h"

#include "LessonAudioPlayer.h"
#include "SentencePlayback.h"
#include "StudyPanels.h"
#include "WholeTextPanel.h"
#include "WholeTextRows.h"
#include "WholeTextScroll.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <cmath>

QString AutoRead::readAllCaption() {
    return QString::fromUtf8(" 全文朗读(&R)");
}
QString AutoRead::stopCaption() {
    return QString::fromUtf8(" 停止朗读(&S)");
}
QString AutoRead::pauseCaption() {
    return QString::fromUtf8(" 暂停朗读(&P)");
}
QString AutoRead::continueCaption() {
    return QString::fromUtf8(" 继续朗读(&A)");
}

AutoRead::AutoRead(StudyState* state, StudyPanels* panels, SentencePlayback* playback,
                   WholeTextPanel* panel, WholeTextScroll* scroll)
    : QObject(panel), state_(state), panels_(panels), playback_(playback), panel_(panel),
      scroll_(scroll) {
    connect(panels_->Command6, &QPushButton::clicked, this, &AutoRead::Command6_Click);
    connect(panels_->Command7, &QPushButton::clicked, this, &AutoRead::Command7_Click);
    connect(panel_, &WholeTextPanel::listBackgroundClicked, this, &AutoRead::Picture2_Click);
    connect(playback_, &SentencePlayback::readCountReached, this, &AutoRead::readCountReached);
}

AutoRead::State AutoRead::readingState() const {
    if (panels_->Command6->text() != stopCaption()) return State::Idle;
    return panels_->Command7->text() == continueCaption() ? State::Paused : State::Reading;
}

void AutoRead::autoread() {
    playback_->PlayCount = 0;
    panel_->hideUnderlines();
    WholeTextRows* rows = panel_->rows();
    if (panel_->ReadRow < rows->count()) {
        const int row = ++panel_->ReadRow;
        panel_->showUnderline(row);
        panel_->rowPlay(row);
        keepInView(row);
    } else {
        panels_->Command6->setText(readAllCaption());
        panels_->Command7->setEnabled(false);
    }
}

void AutoRead::keepInView(int row) {
    const TwipsBox& line = panel_->rows()->row(row).english;
    const int p = scroll_->listTop();
    const int lh = scroll_->listHeight();
    const int vh = scroll_->viewportHeight();
    if (line.top + p + line.height <= vh) return;
    const int rest = lh - vh + p;
    const int half = int(std::lround(double(vh))) / 2;
    scroll_->setListTop(rest >= half ? p - half : vh - lh);
    scroll_->placeThumb();
}

void AutoRead::Command6_Click() {
    panel_->ReadRow = 0;
    if (panels_->Command6->text() == readAllCaption()) {
        panels_->Command6->setText(stopCaption());
        panels_->Command7->setEnabled(true);
        autoread();
    } else {
        panel_->hideUnderlines();
        panels_->Command6->setText(readAllCaption());
        panels_->Command7->setEnabled(false);
        playback_->Stop();
    }
    scroll_->toTop();
    panels_->Combo4->setFocus();
}

void AutoRead::Command7_Click() {
    if (panels_->Command7->text() != pauseCaption()) {
        panels_->Command7->setText(pauseCaption());
        playback_->player()->VoicePlay();
    } else {
        panels_->Command7->setText(continueCaption());
        playback_->player()->VoicePause();
    }
    panels_->Combo4->setFocus();
}

void AutoRead::Picture2_Click() {
    panel_->hideUnderlines();
    playback_->Stop();
    panels_->Command6->setText(readAllCaption());
    panels_->Command7->setText(pauseCaption());
    panels_->Command7->setEnabled(false);
    panels_->Combo4->setFocus();
}

void AutoRead::readCountReached() {
    if (state_->StudyMode == 2 && panels_->Command6->text() == stopCaption()) autoread();
}
