#pragma once

#include "AudioEngine.h"

#include <QString>
#include <QStringList>

// An engine for tests: nothing plays; the test sets the position and reads
// the calls the engine received, in order ("open:<path>", "play", "pause",
// "seek:<s>", "rate:<r>", "volume:<v>", "close").
class FakeAudioEngine : public AudioEngine {
    Q_OBJECT
public:
    using AudioEngine::AudioEngine;

    void open(const QString& path) override {
        calls << "open:" + path;
        file = path;
        pos = 0;
        playing = false;
    }
    void close() override {
        calls << "close";
        file.clear();
        playing = false;
    }
    void play() override {
        calls << "play";
        playing = !file.isEmpty();
    }
    void pause() override {
        calls << "pause";
        playing = false;
    }
    void seek(double seconds) override {
        calls << "seek:" + QString::number(seconds);
        pos = seconds;
    }
    double position() const override { return pos; }
    bool isPlaying() const override { return playing; }
    bool hasFile() const override { return !file.isEmpty(); }
    void setRate(double r) override {
        calls << "rate:" + QString::number(r);
        rate = r;
    }
    void setVolume(int v) override {
        calls << "volume:" + QString::number(v);
        volume = v;
    }

    // Test controls.
    void setPosition(double seconds) { pos = seconds; }
    void finish(bool failed = false) {
        playing = false;
        emit finished(failed);
    }
    int count(const QString& call) const { return int(calls.count(call)); }

    QStringList calls;
    QString file;
    double pos = 0;
    double rate = 1.0;
    int volume = 100;
    bool playing = false;
};
