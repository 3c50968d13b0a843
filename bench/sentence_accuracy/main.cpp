// sentence_accuracy: how exactly a learner hears a sentence through the real
// lesson-audio player and the 30 ms end watch. See docs/sound.md.
#include "HeardPlays.h"
#include "LessonAudioPlayer.h"
#include "MpvEngine.h"
#include "PulseSandbox.h"
#include "SentenceCycle.h"
#include "ToneLesson.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>

namespace {

struct Stats {
    QVector<double> values;
    void add(double v) { values << v; }
    QString line() const {
        if (values.isEmpty()) return "   (none)";
        QVector<double> v = values;
        std::sort(v.begin(), v.end());
        double sum = 0;
        for (double x : v)
            sum += x;
        const double mean = sum / v.size();
        return QString("%1 %2 %3 %4")
            .arg(mean, 8, 'f', 1)
            .arg(v[v.size() / 2], 8, 'f', 1)
            .arg(v.first(), 8, 'f', 1)
            .arg(v.last(), 8, 'f', 1);
    }
};

struct FormatResult {
    QString format;
    int plays = 0, heard = 0, blips = 0;
    Stats start, leak, silence;
    QString error;
};

bool waitFor(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

QVector<qint16> readRaw(const QString& path) {
    QFile f(path);
    QVector<qint16> out;
    if (!f.open(QIODevice::ReadOnly)) return out;
    const QByteArray bytes = f.readAll();
    out.resize(bytes.size() / 2);
    memcpy(out.data(), bytes.constData(), size_t(out.size()) * 2);
    return out;
}

FormatResult measureFormat(const QString& format, const ToneLesson& lesson, PulseSandbox& pulse,
                           LessonAudioPlayer& player, const QVector<int>& chosen, int repeats,
                           double pauseSeconds, const QString& folder) {
    FormatResult r;
    r.format = format;
    const QString raw = QDir(folder).filePath("heard-" + format + ".raw");
    if (auto e = pulse.startRecording(raw); !e.isEmpty()) {
        r.error = e;
        return r;
    }
    player.LessonAudioPath = lesson.pathFor(format);
    player.VoiceSet();
    player.VoiceOpen();
    QTest::qWait(500);

    QVector<SentenceCycle::Play> plays;
    for (int s : chosen)
        plays << SentenceCycle::Play{s, lesson.sentences[s].startSeconds(),
                                     lesson.sentences[s].endSeconds()};
    SentenceCycle cycle(&player, repeats, pauseSeconds);
    cycle.run(plays);
    const int budget = int(plays.size() * repeats * (3 + pauseSeconds) * 1000) + 10000;
    const bool finished = waitFor([&] { return !cycle.running(); }, budget);
    QTest::qWait(400);
    pulse.stopRecording();
    if (!finished) r.error = "the cycle did not finish";

    const auto bursts = HeardPlays::find(readRaw(raw));
    r.plays = int(plays.size()) * repeats;
    r.heard = int(bursts.size());
    if (bursts.size() != r.plays) {
        r.error += QString(" heard %1 plays, expected %2").arg(bursts.size()).arg(r.plays);
        return r;
    }
    const double ms = ToneLesson::kRate / 1000.0;
    const double chosenPause = pauseSeconds * 1000 + 10;
    for (int k = 0; k < bursts.size(); ++k) {
        const auto& s = lesson.sentences[chosen[k / repeats]];
        const auto& b = bursts[k];
        if (b.marker < 0) {
            r.error += QString(" play %1 without marker").arg(k + 1);
            continue;
        }
        const auto m = HeardPlays::measure(b, s.markerCenter(), s.start, s.end);
        if (b.blip) ++r.blips;
        r.start.add(m.startOffset / ms);
        r.leak.add(m.leak / ms);
        if (k % repeats != 0) r.silence.add((b.onset - bursts[k - 1].offset) / ms - chosenPause);
    }
    return r;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser cli;
    cli.setApplicationDescription("Measures heard sentence boundaries through the lesson player.");
    cli.addHelpOption();
    cli.addOption({"formats", "Comma-separated formats (wav,mp3,wmv).", "list", "wav,mp3,wmv"});
    cli.addOption({"sentences", "Comma-separated sentence numbers 1-6.", "list", "2,3,4,5,6"});
    cli.addOption({"repeats", "Plays of each sentence.", "n", "5"});
    cli.addOption({"pause", "Pause between plays in seconds (>= 0.2).", "s", "0.5"});
    cli.addOption({"keep", "Keep the lesson, recordings and server log in this folder.", "dir"});
    cli.process(app);

    QVector<int> chosen;
    for (const QString& s : cli.value("sentences").split(',', Qt::SkipEmptyParts)) {
        const int n = s.toInt();
        if (n < 1 || n > 6) {
            std::fprintf(stderr, "sentence numbers are 1 to 6\n");
            return 2;
        }
        chosen << n - 1;
    }
    const int repeats = qMax(1, cli.value("repeats").toInt());
    const double pause = qMax(0.2, cli.value("pause").toDouble());

    QTemporaryDir temp;
    QString folder = temp.path();
    if (cli.isSet("keep")) {
        folder = QDir(cli.value("keep")).absolutePath();
        QDir().mkpath(folder);
    }

    ToneLesson lesson;
    if (auto e = lesson.build(folder); !e.isEmpty()) {
        std::fprintf(stderr, "making the lesson: %s\n", qPrintable(e));
        return 1;
    }
    PulseSandbox pulse(folder);
    if (auto e = pulse.start(); !e.isEmpty()) {
        std::fprintf(stderr, "sound server: %s\n", qPrintable(e));
        return 1;
    }
    qputenv("PULSE_SERVER", pulse.serverAddress().toUtf8());
    MpvEngineOptions options;
    options.audioOutput = "pulse";
    options.clientName = "sentence_accuracy";
    auto engine = createMpvEngine(options);
    if (!engine) {
        std::fprintf(stderr, "libmpv did not start\n");
        return 1;
    }
    LessonAudioPlayer player(engine.get(), 2);

    std::printf("sentence_accuracy: %lld plays per format (%lld sentences x %d), pause %.2f s "
                "(+10 ms), end watch 30 ms\n",
                (long long)chosen.size() * repeats, (long long)chosen.size(), repeats, pause);
    std::printf("positive start = steady sound begins after Start, negative = early; leak = heard "
                "past End; "
                "silence = heard gap - chosen pause. ms: mean median min max\n");
    int failures = 0;
    for (const QString& format : cli.value("formats").split(',', Qt::SkipEmptyParts)) {
        const auto r = measureFormat(format, lesson, pulse, player, chosen, repeats, pause, folder);
        std::printf("\n%s: %d plays, %d heard, %d began with a blip and a break%s\n",
                    qPrintable(r.format), r.plays, r.heard, r.blips,
                    r.error.isEmpty() ? "" : qPrintable("  ERROR:" + r.error));
        std::printf("  start offset  %s\n", qPrintable(r.start.line()));
        std::printf("  leak after End%s\n", qPrintable(r.leak.line()));
        std::printf("  silence error %s\n", qPrintable(r.silence.line()));
        std::fflush(stdout);
        if (!r.error.isEmpty()) ++failures;
    }
    engine.reset();
    pulse.stop();
    return failures ? 1 : 0;
}
