#include "PulseSandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>

PulseSandbox::PulseSandbox(QString folder) : folder_(std::move(folder)) {
    socket_ = QDir(folder_).filePath("pulse.sock");
}

PulseSandbox::~PulseSandbox() {
    stopRecording();
    stop();
}

QProcessEnvironment PulseSandbox::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString run = QDir(folder_).filePath("run");
    env.insert("XDG_RUNTIME_DIR", run);
    env.insert("PULSE_RUNTIME_PATH", run);
    env.insert("PULSE_STATE_PATH", QDir(folder_).filePath("state"));
    env.insert("HOME", folder_);
    env.insert("PULSE_SERVER", serverAddress());
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    return env;
}

QString PulseSandbox::start() {
    QDir(folder_).mkpath("run");
    QDir(folder_).mkpath("state");
    const QString script = QDir(folder_).filePath("server.pa");
    QFile f(script);
    if (!f.open(QIODevice::WriteOnly)) return "cannot write " + script;
    f.write(QString("load-module module-native-protocol-unix socket=%1 auth-anonymous=1\n"
                    "load-module module-null-sink sink_name=%2 rate=44100 channels=2\n"
                    "set-default-sink %2\n")
                .arg(socket_, sinkName())
                .toUtf8());
    f.close();

    server_.setProcessEnvironment(environment());
    server_.setStandardOutputFile(QDir(folder_).filePath("server.log"));
    server_.setStandardErrorFile(QDir(folder_).filePath("server.log"), QIODevice::Append);
    server_.start("pulseaudio", {"-n", "-F", script, "--daemonize=no", "--exit-idle-time=-1",
                                 "--use-pid-file=no", "--system=no", "--log-target=stderr"});
    if (!server_.waitForStarted(10000)) return "pulseaudio: cannot start";

    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QProcess info;
        info.setProcessEnvironment(environment());
        info.start("pactl", {"info"});
        if (info.waitForFinished(3000) && info.exitCode() == 0) return {};
        if (server_.state() != QProcess::Running) return "pulseaudio exited; see server.log";
        QThread::msleep(100);
    }
    return "pulseaudio does not answer";
}

void PulseSandbox::stopProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    const qint64 pid = process.processId();
    if (pid > 0) ::kill(pid_t(pid), SIGTERM);
    if (!process.waitForFinished(5000) && pid > 0) {
        ::kill(pid_t(pid), SIGKILL);
        process.waitForFinished(2000);
    }
}

void PulseSandbox::stop() {
    stopProcess(server_);
}

QString PulseSandbox::startRecording(const QString& path) {
    recorder_.setProcessEnvironment(environment());
    recorder_.setStandardOutputFile(path);
    recorder_.setStandardErrorFile(path + ".log");
    recorder_.start("parec", {"--latency-msec=10", "-d", sinkName() + ".monitor", "--raw",
                              "--format=s16le", "--rate=44100", "--channels=1"});
    if (!recorder_.waitForStarted(5000)) return "parec: cannot start";
    QThread::msleep(300); // let the stream connect before anything plays
    return {};
}

void PulseSandbox::stopRecording() {
    stopProcess(recorder_);
}
