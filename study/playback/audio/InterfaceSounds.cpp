#include "InterfaceSounds.h"

#include "AudioEngine.h"

#include <QApplication>
#include <QFileInfo>

namespace {
// The desktop's default beep; only a widget application has one.
void beep() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}
} // namespace

InterfaceSounds::InterfaceSounds(AudioEngine* engine, QObject* parent)
    : QObject(parent), engine_(engine) {
    if (engine_) {
        // A file that exists but cannot be decoded is found out only by the
        // engine; it beeps like a missing one.
        connect(engine_, &AudioEngine::finished, this, [this](bool failed) {
            if (failed && last_ == Last::File) {
                last_ = Last::Beep;
                beep();
            }
        });
    }
}

void InterfaceSounds::play(const QString& path) {
    const QFileInfo info(path);
    if (!engine_ || !info.isFile() || !info.isReadable()) {
        if (engine_) engine_->close(); // the new sound still cuts the old one off
        last_ = Last::Beep;
        beep();
        return;
    }
    // Opening replaces whatever was playing, so a new sound cuts off the old.
    engine_->open(path);
    engine_->play();
    last_ = Last::File;
}
