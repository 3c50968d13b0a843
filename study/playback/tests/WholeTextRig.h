#pragma once

#include "InterfaceSounds.h"
#include "PlaybackRig.h"
#include "Ui.h"
#include "WholeText.h"
#include "WholeTextAutoRead.h"
#include "WholeTextPanel.h"
#include "WholeTextRows.h"
#include "WholeTextScroll.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The playback rig with the whole-text panel on it. Interface sounds go to a
// second fake engine; the sound files exist, so every press and release
// opens one.
struct WholeTextRig : PlaybackRig {
    FakeAudioEngine soundEngine;
    InterfaceSounds sounds{&soundEngine};
    WholeText* wholeText = nullptr;

    WholeTextRig() {
        const ProgramFolder folder(dir.path());
        QDir().mkpath(dir.path() + "/SETTING/Sound");
        for (const char* name : {"MouDown.wav", "MouUp.wav"}) {
            QFile f(folder.interfaceSoundPath(name));
            f.open(QIODevice::WriteOnly);
            f.write("RIFF");
        }
        wholeText = new WholeText(&state, panels, playback, modes, &notifier, &sounds, folder);
        player.LessonAudioPath = "lesson.mp3";
        player.VoiceOpen();
    }

    WholeTextRows* rows() const { return wholeText->rows(); }
    WholeTextPanel* panel() const { return wholeText->panel(); }
    WholeTextScroll* scroll() const { return wholeText->scroll(); }
    AutoRead* reader() const { return wholeText->reader(); }

    // A loaded lesson: sentence 1 presented, rows built, the mode applied.
    void load(const QString& text, int count) {
        presenter->beginLesson(text, count);
        wholeText->loadRows(text);
        modes->cc();
        // Sentence study plays sentence 1 on a load; the tests start silent.
        playback->Stop();
        engine.calls.clear();
    }
    void tab(int k) { QTest::mouseClick(modes->tab(k), Qt::LeftButton); }

    RowElement* element(const char* base, int i) const {
        return named<RowElement>(Ui::arrayName(QString::fromLatin1(base), i));
    }
    int sounds_(const char* name) const {
        return soundEngine.count("open:" + ProgramFolder(dir.path()).interfaceSoundPath(name));
    }
    int downs() const { return sounds_("MouDown.wav"); }
    int ups() const { return sounds_("MouUp.wav"); }

    void press(QWidget* w) { QTest::mousePress(w, Qt::LeftButton); }
    void release(QWidget* w) { QTest::mouseRelease(w, Qt::LeftButton); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    // The row being played reaches its end; then its pause runs out.
    void reachEnd() {
        engine.setPosition(player.SentenceEnd);
        playback->EndWatchTimer_Timer();
    }
    void pauseEnds() { playback->PauseTimer_Timer(); }
    bool idle() const {
        return !playback->EndWatchTimer()->isActive() && !playback->PauseTimer()->isActive();
    }
};
