// The study program as it starts, given its program folder: writes one line
// to stdout once the stored lesson's first sentence is presented and the
// window has been shown, then quits.
#include "AudioEngine.h"
#include "Form1.h"
#include "Theme.h"

#include <QApplication>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc < 2) return 2;
    Theme::apply(app);
    app.setStyleSheet(Theme::styleSheet());
    Form1::Environment env;
    env.folder = ProgramFolder(QString::fromLocal8Bit(argv[1]));
    env.engine = createMpvEngine();
    env.playerKind = env.engine ? 2 : 1;
    Form1 form(std::move(env));
    form.startUp();
    QCoreApplication::processEvents();
    std::printf("presented %d\n", form.findChild<QWidget*>("Label1") ? 1 : 0);
    std::fflush(stdout);
    return 0;
}
