// Process start until sentence 1 of the stored lesson is presented, for the
// study program on the demo course (as it is, and with a 200,000-entry
// dictionary) and for a bare Qt window that opens and quits, in the same run.
// Every probe runs headless (QT_QPA_PLATFORM=offscreen) on a temporary copy
// of the program folder.
#include "TextFileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

bool copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(file, target)) return false;
    }
    return true;
}

// The demo course in a folder of our own: the build's program folder when the
// course is there, otherwise built with coursekit.
bool prepareDemoCourse(const QString& folder) {
    const QString app = QStringLiteral(SPOKEN_APP_DIR);
    if (QFileInfo::exists(app + "/Lib.dll") && QFileInfo::exists(app + "/book")) {
        for (const char* part : {"book", "Sound", "SETTING", "bitmap", "Word"})
            if (QFileInfo::exists(app + "/" + part) &&
                !copyTree(app + "/" + part, folder + "/" + part))
                return false;
        return QFile::copy(app + "/Lib.dll", folder + "/Lib.dll") &&
               QFile::copy(app + "/wg.dll", folder + "/wg.dll");
    }
#ifdef COURSEKIT
    return QProcess::execute(COURSEKIT, {"build", DEMO_COURSE, folder}) == 0;
#else
    return false;
#endif
}

// The demo dictionary followed by synthetic entries up to `entries`.
bool growDictionary(const QString& folder, int entries) {
    const QString path = folder + "/Lib.dll";
    QString text = TextFileStore::Load(path).value_or("$");
    const int existing = int(text.count('$')) - 1;
    text.reserve(text.size() + qsizetype(entries) * 40);
    for (int i = std::max(0, existing); i < entries; ++i)
        text += QString("word%1[w\u025C\u02D0d]n. \u8BCD\u4E49%1\r\n$").arg(i);
    return TextFileStore::Save(path, text);
}

// Milliseconds from spawning `program` until it prints its line.
double timeToPresented(const char* program, const QByteArray& folder) {
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(folder.constData()), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        return -1;
    }
    char buffer[64];
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    const auto end = Clock::now();
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (n <= 0) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

struct Courses {
    QTemporaryDir demo, big;
    bool ready = false;
    Courses() {
        ready = prepareDemoCourse(demo.path()) && prepareDemoCourse(big.path()) &&
                growDictionary(big.path(), 200000);
    }
};

Courses& courses() {
    static Courses c;
    return c;
}

void measure(benchmark::State& state, const QString& folder) {
    if (!courses().ready) {
        state.SkipWithError("the demo course could not be prepared");
        return;
    }
    const QByteArray path = QFile::encodeName(folder);
    double spoken = 0, bare = 0;
    int runs = 0;
    for (auto _ : state) {
        const double s = timeToPresented(PROBE_SPOKEN, path);
        const double b = timeToPresented(PROBE_BARE, path);
        if (s < 0 || b < 0) {
            state.SkipWithError("a probe did not report");
            return;
        }
        state.SetIterationTime(s / 1000.0);
        spoken += s;
        bare += b;
        ++runs;
    }
    state.counters["spoken_ms"] = spoken / runs;
    state.counters["bare_qt_ms"] = bare / runs;
    state.counters["ratio"] = spoken / bare;
}

void BM_StartupDemoCourse(benchmark::State& state) {
    measure(state, courses().demo.path());
}
void BM_StartupDictionary200k(benchmark::State& state) {
    measure(state, courses().big.path());
}

void BM_BareQtWindow(benchmark::State& state) {
    for (auto _ : state) {
        const double b = timeToPresented(PROBE_BARE, QByteArray("."));
        if (b < 0) {
            state.SkipWithError("the probe did not report");
            return;
        }
        state.SetIterationTime(b / 1000.0);
    }
}

BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupDemoCourse)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupDictionary200k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
