#include "Commands.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
void usage() {
    std::fputs("usage: coursekit cat FILE\n"
               "       coursekit save FILE          (UTF-8 text on standard input)\n"
               "       coursekit check FOLDER\n"
               "       coursekit build SOURCE FOLDER\n",
               stderr);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == "cat") return runCat(args);
    if (command == "save") return runSave(args);
    if (command == "check") return runCheck(args);
    if (command == "build") return runBuild(args);
    usage();
    return 2;
}
