// Loading a lesson in the study window: the audio opened, the text read and
// counted, sentence 1 presented, the whole-text rows of the previous lesson
// removed and the new ones built, and the mode applied (cc). Lessons of 10,
// 100 and 1,000 sentences, with the whole-text panel hidden (sentence study)
// and on screen (whole text), under the window's style sheet. The baseline in
// the same run is reading and parsing the same lesson file alone.
//
// A load counts until the event loop is idle again, so the polishing and
// painting that the new widgets cause are part of it. What keeps a long
// lesson cheap: the row elements are plain painted widgets that skip the
// style sheet's polish, they live in layers of 32 rows (one delete per layer,
// and painting compares siblings within a layer only), the layers fill while
// hidden and show once, and styling a row touches only what changes.
#include "Book.h"
#include "FakeAudioEngine.h"
#include "Form1.h"
#include "Lesson.h"
#include "LessonChooser.h"
#include "Notifier.h"
#include "ProgramFolder.h"
#include "StudyModes.h"
#include "TextFileStore.h"
#include "Theme.h"
#include "WholeText.h"
#include "WholeTextRows.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const int kSizes[] = {10, 100, 1000};

struct SilentNotifier : Notifier {
    void information(QWidget*, const QString&, const QString&) override {}
    void message(QWidget*, const QString&) override {}
};

// A sentence of ordinary length: eight to fourteen words and a translation.
QString lessonText(int sentences) {
    static const char* words[] = {"could",  "you", "tell",  "me",   "the", "way", "to", "station",
                                  "please", "I",   "would", "like", "a",   "cup", "of", "tea"};
    QString text = "*";
    for (int i = 0; i < sentences; ++i) {
        QString english;
        const int n = 8 + i % 7;
        for (int w = 0; w < n; ++w)
            english += QLatin1String(words[(i + w * 3) % 16]) + QLatin1Char(w + 1 < n ? ' ' : '.');
        english[0] = english[0].toUpper();
        const QString chinese =
            QString::fromUtf8("请问去车站怎么走？我想要一杯茶。").left(6 + i % 10);
        text += QString("%1#%2#%3#%4##*")
                    .arg(english, chinese)
                    .arg(i * 2.5, 0, 'f', 2)
                    .arg(i * 2.5 + 2.2, 0, 'f', 2);
    }
    return text;
}

struct Course {
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    QString book = studyBooks().first();
    Course() {
        QString list = "^";
        for (int k = 0; k < 3; ++k) {
            list += QString("Lesson of %1^").arg(kSizes[k]);
            QDir().mkpath(QFileInfo(folder.lessonTextPath(book, k + 1)).path());
            TextFileStore::Save(folder.lessonTextPath(book, k + 1), lessonText(kSizes[k]));
        }
        QDir().mkpath(QFileInfo(folder.bookListPath(book)).path());
        TextFileStore::Save(folder.bookListPath(book), list);
    }
};

Course& course() {
    static Course c;
    return c;
}

struct Window {
    SilentNotifier notifier;
    std::unique_ptr<Form1> form;
    explicit Window(int mode) {
        Form1::Environment env;
        env.folder = course().folder;
        env.engine = std::make_unique<FakeAudioEngine>();
        env.notifier = &notifier;
        form = std::make_unique<Form1>(std::move(env));
        form->chooser()->fillBooks();
        form->chooser()->showBook(course().book);
        form->show();
        if (mode != 1) form->modes()->Label14_MouseUp(mode);
        QApplication::processEvents();
    }
    // A load as the learner meets it: the loader, then the window's posted
    // work (polishing the new widgets) until the event loop is idle again.
    void load(int listRow) {
        form->chooser()->List1()->setCurrentRow(listRow);
        form->chooser()->loadlesson();
        QApplication::processEvents();
    }
};

int rowOf(int sentences) {
    for (int k = 0; k < 3; ++k)
        if (kSizes[k] == sentences) return k;
    return 0;
}

void BM_LoadLesson(benchmark::State& state, int mode) {
    Window w(mode);
    const int sentences = int(state.range(0));
    const int row = rowOf(sentences);
    // Every load replaces the rows of a lesson of the same size.
    w.load(row);
    for (auto _ : state) {
        w.load(row);
        benchmark::ClobberMemory();
    }
    if (w.form->wholeText()->rows()->count() != sentences) state.SkipWithError("wrong row count");
    state.SetComplexityN(sentences);
    state.counters["us_per_sentence"] =
        benchmark::Counter(double(sentences), benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
}

void BM_ParseOnly(benchmark::State& state) {
    const int sentences = int(state.range(0));
    const QString path = course().folder.lessonTextPath(course().book, rowOf(sentences) + 1);
    for (auto _ : state) {
        auto lesson = Lesson::load(path);
        benchmark::DoNotOptimize(lesson);
    }
    state.SetComplexityN(sentences);
}

BENCHMARK(BM_ParseOnly)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadLesson, sentence_study, 1)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadLesson, whole_text, 2)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Theme::apply(app);
    app.setStyleSheet(Theme::styleSheet());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
