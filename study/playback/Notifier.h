#pragma once

#include <QString>

class QWidget;

// The modal messages of the study window. The window shows them in message
// boxes; tests record them instead of blocking.
class Notifier {
public:
    virtual ~Notifier() = default;
    // Information icon and an OK button.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK button only, the application's default title.
    virtual void message(QWidget* parent, const QString& text) = 0;
};

class MessageBoxNotifier : public Notifier {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void message(QWidget* parent, const QString& text) override;
};
