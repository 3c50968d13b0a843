#pragma once

#include "CompanionWindow.h"
#include "FakeAudioEngine.h"
#include "Notifier.h"
#include "ProgramFolder.h"
#include "SentencePlayer.h"
#include "TextFileStore.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A program folder in a temporary directory, filled with small books.
struct TestCourse {
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};

    // Lesson n of `book` gets `sentences` sentences "B<n> sentence <k>",
    // each 2 s long starting at 10 s.
    void addBook(const QString& book, const QStringList& titles, int sentences = 2,
                 bool withAudio = true) {
        TextFileStore::Save(folder.bookListPath(book), "^" + titles.join("^") + "^");
        for (int n = 1; n <= titles.size(); ++n) {
            QString text = "*";
            for (int k = 1; k <= sentences; ++k) {
                const int start = 10 * k;
                text += QStringLiteral("L%1 sentence %2.#第%1课第%2句#%3#%4##*")
                            .arg(n)
                            .arg(k)
                            .arg(start)
                            .arg(start + 2);
            }
            saveLesson(book, n, text);
            if (withAudio) touch(folder.lessonAudioPath(book, n));
        }
    }
    void saveLesson(const QString& book, int n, const QString& text) {
        QDir().mkpath(QFileInfo(folder.lessonTextPath(book, n)).path());
        TextFileStore::Save(folder.lessonTextPath(book, n), text);
    }
    static void touch(const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    void writeSettings(const QString& text) {
        QDir().mkpath(folder.path("\\SETTING"));
        ASSERT_TRUE(TextFileStore::Save(folder.companionSettingsPath(), text));
    }
    QString settingsText() const {
        return TextFileStore::Load(folder.companionSettingsPath()).value_or("<missing>");
    }
};

// A companion window on the fake engine with a hand-driven clock, timers
// ticked by calling their handlers.
struct CompanionHarness {
    FakeAudioEngine engine;
    FakeAudioEngine sounds;
    Notifier notifier;
    std::unique_ptr<CompanionWindow> window;
    qint64 now = 0;

    explicit CompanionHarness(const ProgramFolder& folder) {
        notifier.setQuiet(true);
        window = std::make_unique<CompanionWindow>(folder, &engine, &sounds, &notifier);
        window->player().setClock([this] { return now; });
    }
    SentencePlayer& player() { return window->player(); }

    // One play of the current sentence reaches its end.
    void finishPlay() {
        engine.setPosition(player().audio().SentenceEnd);
        player().EndWatchTimer_Timer();
    }
    // Plays until the loop presents another sentence; returns how many
    // plays of the sentence ended on the way.
    int playThrough() {
        const int no = player().SentenceNo();
        const int lesson = window->course().currentLesson;
        int plays = 0;
        for (int guard = 0; guard < 100; ++guard) {
            finishPlay();
            ++plays;
            player().PauseTimer_Timer();
            if (player().SentenceNo() != no || window->course().currentLesson != lesson) break;
        }
        return plays;
    }
    QString english() const { return player().current() ? player().current()->English : ""; }
    SentencePlayer& player() const { return window->player(); }
};
