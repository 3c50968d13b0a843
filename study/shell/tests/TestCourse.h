#pragma once

#include "FakeAudioEngine.h"
#include "Form1.h"
#include "Launcher.h"
#include "Notifier.h"
#include "TextFileStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

inline QApplication* shellTestApp() {
    static int argc = 1;
    static char name[] = "shell_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return app;
}

struct RecordingNotifier : Notifier {
    QStringList shown; // "title|text"
    void information(QWidget*, const QString& title, const QString& text) override {
        shown << title + "|" + text;
    }
    void message(QWidget*, const QString& text) override { shown << "|" + text; }
};

struct RecordingLauncher : Launcher {
    QStringList started;
    QList<QUrl> opened;
    void startDetached(const QString& program, const QString&) override { started << program; }
    void openUrl(const QUrl& url) override { opened << url; }
};

// A small course in a temporary program folder: "新英语900句" with three
// lessons (lesson 2 has no audio, lesson 3 has twelve sentences) and
// "英语口语900句" with one malformed lesson. "英语900句" has no lessons.
struct TestCourse {
    QTemporaryDir dir;
    const QString book = QString::fromUtf8("新英语900句");
    const QString spokenBook = QString::fromUtf8("英语口语900句");

    TestCourse() {
        shellTestApp();
        write("\\SETTING\\BookList\\" + book + ".dat",
              QString::fromUtf8("^第1课 问候^第2课 介绍^第3课 天气^"));
        write("\\SETTING\\Results\\" + book + ".dat",
              QString::fromUtf8("^☆第1课 问候^☆第2课 介绍^☆第3课 天气^"));
        write("\\book\\" + book + "\\1.dat", lesson(1, 3));
        write("\\book\\" + book + "\\2.dat", lesson(2, 2));
        write("\\book\\" + book + "\\3.dat", lesson(3, 12));
        touch("\\Sound\\" + book + "\\1.mp3");
        touch("\\Sound\\" + book + "\\3.mp3");
        write("\\SETTING\\BookList\\" + spokenBook + ".dat", QString::fromUtf8("^坏的一课^"));
        write("\\book\\" + spokenBook + "\\1.dat", "*Hello.#你好。#1#2#*trailing");
        touch("\\Sound\\" + spokenBook + "\\1.mp3");
    }

    // Lesson `n`: sentences "L<n> sentence <i>." at i .. i + 0.5 seconds.
    static QString lesson(int n, int sentences) {
        QString text = "*";
        for (int i = 1; i <= sentences; ++i)
            text += QString("L%1 sentence %2.#第%2句。#%2#%3##\r\n*").arg(n).arg(i).arg(i + 0.5);
        return text;
    }
    QString path(const QString& backslashPath) const {
        return ProgramFolder(dir.path()).path(backslashPath);
    }
    void write(const QString& backslashPath, const QString& text) const {
        const QString p = path(backslashPath);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(Gbk::encode(text));
    }
    void touch(const QString& backslashPath) const { write(backslashPath, "ID3"); }
    QString read(const QString& backslashPath) const {
        return TextFileStore::Load(path(backslashPath)).value_or("<missing>");
    }
};

// A study window on a test course with a fake engine, started.
struct Window {
    RecordingNotifier notifier;
    RecordingLauncher launcher;
    FakeAudioEngine* engine = nullptr;
    std::unique_ptr<Form1> form;

    explicit Window(const TestCourse& course, int dpi = 96) {
        Form1::Environment env;
        env.folder = ProgramFolder(course.dir.path());
        auto fake = std::make_unique<FakeAudioEngine>();
        engine = fake.get();
        env.engine = std::move(fake);
        env.playerKind = 2;
        env.notifier = &notifier;
        env.launcher = &launcher;
        env.logicalDpi = [dpi] { return dpi; };
        form = std::make_unique<Form1>(std::move(env));
        form->startUp();
    }
    template <typename T = QWidget> T* named(const QString& name) const {
        return form->findChild<T*>(name);
    }
};
