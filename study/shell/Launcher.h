#pragma once

#include <QString>
#include <QUrl>

// Starting the companion program and opening web pages: the window asks,
// the desktop does it. Tests record the requests instead.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program without waiting for it.
    virtual void startDetached(const QString& program, const QString& workingDirectory) = 0;
    virtual void openUrl(const QUrl& url) = 0;
};

class DesktopLauncher : public Launcher {
public:
    void startDetached(const QString& program, const QString& workingDirectory) override;
    void openUrl(const QUrl& url) override;
};
