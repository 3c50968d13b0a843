#include "Launcher.h"

#include <QDesktopServices>
#include <QProcess>

void DesktopLauncher::startDetached(const QString& program, const QString& workingDirectory) {
    QProcess::startDetached(program, {}, workingDirectory);
}

void DesktopLauncher::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}
