#pragma once

#include "DrawnToggle.h"
#include "FakeAudioEngine.h"
#include "LessonAudioPlayer.h"
#include "Notifier.h"
#include "Pictures.h"
#include "SentencePlayback.h"
#include "SentencePresenter.h"
#include "StudyModes.h"
#include "StudyPanels.h"
#include "StudyState.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// Messages are recorded instead of shown.
struct RecordingNotifier : Notifier {
    QStringList shown; // "title|text"
    void information(QWidget*, const QString& title, const QString& text) override {
        shown << title + "|" + text;
    }
    void message(QWidget*, const QString& text) override { shown << "|" + text; }
};

inline int& testArgc() {
    static int argc = 1;
    return argc;
}

inline QApplication* testApp() {
    static char name[] = "playback_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(testArgc(), argv);
    return app;
}

// "*" record "*" ... for sentences "S1".."Sn" with times 1..n.
inline QString lessonOf(int n) {
    QString text = "*";
    for (int i = 1; i <= n; ++i)
        text += QString("Sentence %1 here.#句子%1。#%2#%3#note %1#*").arg(i).arg(i).arg(i + 0.5);
    return text;
}

// The study window's playback parts on a bare window with a fake engine.
struct PlaybackRig {
    explicit PlaybackRig(int playerKind = 2)
        : app(testApp()), pictures(ProgramFolder(dir.path())), player(&engine, playerKind) {
        state.PlayerKind = playerKind;
        form = std::make_unique<QWidget>();
        form->setObjectName("Form1");
        form->resize(1032, 738);
        panels = new StudyPanels(form.get(), &pictures);
        playback = new SentencePlayback(form.get(), &player, &state, &pictures);
        presenter =
            new SentencePresenter(form.get(), &state, playback, panels, &pictures, &notifier);
        modes = new StudyModes(form.get(), &state, presenter, playback, panels);
        playback->ReadTimesStudy = "1";
        playback->PauseSecsStudy = "0";
        playback->ReadTimesBrowse = "1";
        playback->PauseSecsBrowse = "0";
        form->show();
    }
    template <typename T = QWidget> T* named(const QString& name) const {
        return form->findChild<T*>(name);
    }

    QApplication* app;
    QTemporaryDir dir;
    Pictures pictures;
    FakeAudioEngine engine;
    LessonAudioPlayer player;
    StudyState state;
    RecordingNotifier notifier;
    std::unique_ptr<QWidget> form;
    StudyPanels* panels = nullptr;
    SentencePlayback* playback = nullptr;
    SentencePresenter* presenter = nullptr;
    StudyModes* modes = nullptr;
};
