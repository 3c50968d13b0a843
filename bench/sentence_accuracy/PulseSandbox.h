#pragma once

#include <QProcess>
#include <QString>

// A PulseAudio server of our own: one null sink, reachable only through a
// unix socket in a private runtime folder. Everything started here is
// stopped again by its process id.
class PulseSandbox {
public:
    explicit PulseSandbox(QString folder);
    ~PulseSandbox();

    // Starts the server and waits until it answers; empty error on success.
    QString start();
    void stop();
    QString serverAddress() const { return "unix:" + socket_; }
    static QString sinkName() { return QStringLiteral("accuracy"); }

    // Records the sink's monitor (mono, 16-bit, 44.1 kHz raw) into `path`.
    QString startRecording(const QString& path);
    void stopRecording();

private:
    QProcessEnvironment environment() const;
    static void stopProcess(QProcess& process);
    QString folder_, socket_;
    QProcess server_, recorder_;
};
