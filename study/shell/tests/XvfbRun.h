#pragma once

// Runs the real study window under a virtual display and drives it with
// xdotool: the program is started, the test's steps run once its window is
// up and focused, and then the window is closed with its own close button.
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

inline bool haveXvfbTools() {
    return !QStandardPaths::findExecutable("xvfb-run").isEmpty() &&
           !QStandardPaths::findExecutable("xdotool").isEmpty();
}

struct XvfbResult {
    bool finished = false;
    int exitCode = -1;
    QString output;
};

// `steps` is bash run with "$win" set to the window id. `displayBase` keeps
// tests that ctest runs side by side on different displays.
inline XvfbResult runSpokenUnderXvfb(const QString& program, const QString& steps, int displayBase,
                                     int timeoutMs) {
    const QString script = QStringLiteral(R"(
set -e
"$1" &
pid=$!
for i in $(seq 1 100); do
  win=$(xdotool search --name '^Lingotra$' 2>/dev/null | head -n1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { kill $pid; exit 3; }
sleep 1
xdotool windowfocus --sync "$win" || true
%1
# Close button Command17(0): Left = W - 420 twips, 60 twips down.
eval $(xdotool getwindowgeometry --shell "$win")
xdotool mousemove --window "$win" $((WIDTH - 28 + 9)) 12 click 1
for i in $(seq 1 50); do kill -0 $pid 2>/dev/null || exit 0; sleep 0.1; done
kill $pid; exit 4
)")
                               .arg(steps);
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    run.setProcessEnvironment(env);
    const QString firstDisplay =
        QString::number(displayBase + QCoreApplication::applicationPid() % 3000);
    run.start("xvfb-run", {"-a", "-n", firstDisplay, "-s", "-screen 0 1280x800x24 -dpi 96", "bash",
                           "-c", script, "e2e", program});
    XvfbResult result;
    result.finished = run.waitForFinished(timeoutMs);
    result.exitCode = run.exitCode();
    result.output = QString::fromLocal8Bit(run.readAll());
    return result;
}
