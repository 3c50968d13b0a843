#include "ToneLesson.h"

#include <QDir>
#include <QProcess>
#include <QStringList>

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000)) return program + ": cannot start";
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return program + " failed: " + QString::fromLocal8Bit(p.readAll()).right(400);
    return {};
}

QString samples(qint64 n) {
    return QString::number(n) + "s";
}

} // namespace

QString ToneLesson::build(const QString& folder) {
    QDir dir(folder);
    // The null input runs at 48 kHz unless told otherwise, and a length in
    // samples counts input samples: both sides get the lesson's rate.
    const QStringList in = {"-r", QString::number(kRate), "-c", "1", "-n"};
    const QStringList rate = {"-r", QString::number(kRate), "-c", "1", "-b", "16"};
    QStringList parts;
    int partNo = 0;
    auto tone = [&](qint64 length, double hz) -> QString {
        const QString part = dir.filePath(QString("part%1.wav").arg(partNo++, 3, 10, QChar('0')));
        parts << part;
        return run("sox", in + rate +
                              QStringList{part, "synth", samples(length), "sine",
                                          QString::number(hz), "vol", "0.5"});
    };
    auto silence = [&](qint64 length) -> QString {
        const QString part = dir.filePath(QString("part%1.wav").arg(partNo++, 3, 10, QChar('0')));
        parts << part;
        return run("sox", in + rate + QStringList{part, "trim", "0", samples(length)});
    };

    // A lead-in tone, sentences of uneven length (times that are not round
    // numbers), and a tail tone so the last sentence has a next one.
    const double pitches[] = {440, 554, 659, 784, 880, 988};
    const qint64 lengths[] = {44687, 43528, 48510, 41895, 46305, 44100};
    qint64 at = 0;
    QString error = tone(23683, 330);
    at += 23683;
    sentences.clear();
    for (int i = 0; i < 6 && error.isEmpty(); ++i) {
        Sentence s;
        s.start = at;
        s.end = at + lengths[i];
        s.hz = pitches[i];
        error = tone(kMarkerOffset, s.hz);
        if (error.isEmpty()) error = silence(kMarkerLength);
        if (error.isEmpty()) error = tone(lengths[i] - kMarkerOffset - kMarkerLength, s.hz);
        at = s.end;
        sentences << s;
    }
    if (error.isEmpty()) error = tone(kRate, 1175);
    if (!error.isEmpty()) return error;

    wav = dir.filePath("lesson.wav");
    mp3 = dir.filePath("lesson.mp3");
    wmv = dir.filePath("lesson.wmv");
    if (auto e = run("sox", parts + QStringList{wav}); !e.isEmpty()) return e;
    if (auto e = run("lame", {"--quiet", "-b", "128", wav, mp3}); !e.isEmpty()) return e;
    return run("ffmpeg", {"-nostdin", "-loglevel", "error",     "-y",
                          "-f",       "lavfi",     "-i",        "color=c=black:s=160x120:r=15",
                          "-i",       wav,         "-shortest", "-c:v",
                          "wmv2",     "-c:a",      "wmav2",     "-b:a",
                          "128k",     "-f",        "asf",       wmv});
}

QString ToneLesson::pathFor(const QString& format) const {
    if (format == "mp3") return mp3;
    if (format == "wmv") return wmv;
    return wav;
}
