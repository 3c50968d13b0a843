// The baseline: a bare Qt window that opens and quits.
#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1032, 738);
    window.show();
    QCoreApplication::processEvents();
    std::printf("presented 1\n");
    std::fflush(stdout);
    return 0;
}
