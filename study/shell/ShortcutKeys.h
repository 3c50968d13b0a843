#pragma once

#include <QObject>

class QWidget;
class SentencePlayback;
class SentencePresenter;
struct StudyState;

// The window's shortcut keys, seen before the focused control sees them:
// PageUp/PageDown previous/next sentence, F1 first sentence, F7 read, F8
// English hint, F9 Chinese hint, and in dictation F7 replay, F8 hint, F12 redo.
class ShortcutKeys : public QObject {
    Q_OBJECT
public:
    ShortcutKeys(QWidget* form, StudyState* state, SentencePresenter* presenter,
                 SentencePlayback* playback);

    // Applies the table; true when the key had an action.
    bool handle(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const char* button);
    QWidget* form_;
    StudyState* state_;
    SentencePresenter* presenter_;
    SentencePlayback* playback_;
};
