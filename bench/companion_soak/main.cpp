// Soak run of vocadesk's play loop: a window on the fake engine plays
// thousands of sentences across a range of lessons, its timers ticked by
// hand, and the resident set size is compared before and after.
//
//   companion_soak [sentences]   (default 2000)
#include "CompanionWindow.h"
#include "FakeAudioEngine.h"
#include "Notifier.h"
#include "SentencePlayer.h"
#include "TextFileStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

long rssKiB() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void makeCourse(const ProgramFolder& folder, const QString& book, int lessons, int sentences) {
    QStringList titles;
    for (int n = 1; n <= lessons; ++n) {
        titles << QStringLiteral("第%1课 Lesson %1").arg(n);
        QString text = "*";
        for (int k = 1; k <= sentences; ++k)
            text += QStringLiteral("Sentence %1 of lesson %2, spoken slowly and clearly.#"
                                   "第%2课第%1句，慢慢地清楚地说。#%3#%4##*")
                        .arg(k)
                        .arg(n)
                        .arg(3 * k)
                        .arg(3 * k + 2.5);
        QDir().mkpath(QFileInfo(folder.lessonTextPath(book, n)).path());
        TextFileStore::Save(folder.lessonTextPath(book, n), text);
        const QString audio = folder.lessonAudioPath(book, n);
        QDir().mkpath(QFileInfo(audio).path());
        QFile(audio).open(QIODevice::WriteOnly);
    }
    TextFileStore::Save(folder.bookListPath(book), "^" + titles.join("^") + "^");
    QDir().mkpath(folder.path("\\SETTING"));
    TextFileStore::Save(folder.companionSettingsPath(),
                        QStringLiteral("0\\1\\1\\2\\1\\1\\0\\%1\\0\\%2\\12615808\\16777215\\")
                            .arg(titles.last(), book));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int total = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;

    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    const QString book = QStringLiteral("英语900句");
    makeCourse(folder, book, 12, 15);

    FakeAudioEngine engine;
    FakeAudioEngine sounds;
    Notifier notifier;
    notifier.setQuiet(true);
    CompanionWindow window(folder, &engine, &sounds, &notifier);
    window.startUp();
    SentencePlayer& player = window.player();

    int sentences = 0;
    int lessonsLoaded = 0;
    QObject::connect(&player, &SentencePlayer::lessonLoaded, [&] { ++lessonsLoaded; });
    QObject::connect(&player, &SentencePlayer::presented, [&] { ++sentences; });

    // One sentence: its plays end one after another, the pause after each
    // is ticked, and the loop presents the next sentence.
    auto playOne = [&] {
        const int before = sentences;
        for (int guard = 0; guard < 100 && sentences == before; ++guard) {
            engine.setPosition(player.audio().SentenceEnd);
            player.EndWatchTimer_Timer();
            player.PauseTimer_Timer();
        }
    };
    auto settle = [] {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    // Warm-up: one pass through the range so fonts, caches and the first
    // allocations are in place before the baseline.
    for (int i = 0; i < 200; ++i)
        playOne();
    settle();
    engine.calls.clear();
    const long before = rssKiB();
    QElapsedTimer clock;
    clock.start();
    sentences = 0;
    lessonsLoaded = 0;
    long peak = before;
    while (sentences < total) {
        playOne();
        if (sentences % 100 == 0) {
            settle();
            engine.calls.clear(); // the fake keeps a log of every call
            peak = std::max(peak, rssKiB());
        }
    }
    settle();
    engine.calls.clear();
    const long after = rssKiB();
    std::printf("companion_soak: %d sentences, %d lesson loads, %.1f ms\n", sentences,
                lessonsLoaded, double(clock.nsecsElapsed()) / 1e6);
    std::printf("RSS before %ld KiB, after %ld KiB, peak %ld KiB, growth %ld KiB\n", before, after,
                peak, after - before);
    window.close();
    return 0;
}
