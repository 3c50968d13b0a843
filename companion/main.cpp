#include "AudioEngine.h"
#include "CompanionWindow.h"
#include "ProgramFolder.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("vocadesk"));
    app.setQuitOnLastWindowClosed(false);
    std::setlocale(LC_NUMERIC, "C"); // libmpv refuses to start without it

    // One engine for the lesson, one for the short interface sounds, so a
    // typing click never cuts the sentence off.
    std::unique_ptr<AudioEngine> lesson = createMpvEngine();
    std::unique_ptr<AudioEngine> sounds = createMpvEngine();

    CompanionWindow window(ProgramFolder::ofExecutable(), lesson.get(), sounds.get());
    QObject::connect(&window, &CompanionWindow::shutDown, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.startUp();
    return app.exec();
}
