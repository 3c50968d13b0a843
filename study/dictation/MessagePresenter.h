#pragma once

#include <QString>

class QWidget;

// Shows the learner a modal message with an OK button and returns when it
// has been closed, so whatever follows a message runs only after it. The
// window uses message boxes; tests answer the messages themselves.
class MessagePresenter {
public:
    enum class Icon { None, Information };
    virtual ~MessagePresenter() = default;
    // An empty title means the program's own title.
    virtual void showMessage(const QString& title, const QString& text, Icon icon) = 0;
};

class MessageBoxPresenter : public MessagePresenter {
public:
    explicit MessageBoxPresenter(QWidget* parent = nullptr) : parent_(parent) {}
    void showMessage(const QString& title, const QString& text, Icon icon) override;

private:
    QWidget* parent_;
};
