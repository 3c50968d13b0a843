#include "AudioEngine.h"
#include "Form1.h"
#include "ProgramFolder.h"
#include "Theme.h"

#include <QApplication>
#include <QSocketNotifier>
#include <clocale>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] auto n = ::write(signalPipe[1], &c, 1);
}

// A terminate or hang-up from the session closes the window like any other
// close, so the settings are written.
void closeOnSignals(QWidget* window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char c;
        [[maybe_unused]] auto n = ::read(signalPipe[0], &c, 1);
        window->close();
        QCoreApplication::quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lingotra");
    // libmpv refuses to start under any other numeric locale.
    std::setlocale(LC_NUMERIC, "C");
    Theme::apply(app);
    app.setStyleSheet(Theme::styleSheet());

    Form1::Environment env;
    env.folder = ProgramFolder::ofExecutable();
    env.engine = createMpvEngine();
    // The press and release clicks play on a player of their own.
    env.soundEngine = createMpvEngine();
    // The learner's recording plays on a player of its own, beside the lesson.
    env.recordingEngine = createMpvEngine();
    // A clicked word's recording plays on a player of its own.
    env.wordEngine = createMpvEngine();
    // Without libmpv the window still works, silently, on the other engine.
    env.playerKind = env.engine ? 2 : 1;
    Form1 form(std::move(env));
    closeOnSignals(&form);
    form.startUp();
    return app.exec();
}
