#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

// F9: type the sentence just heard; Enter compares its letters with the
// English line's, selects the first wrong character and moves on when all
// letters match. The input sits outside the window's visible area.
class SpellingCheck : public QObject {
    Q_OBJECT
public:
    explicit SpellingCheck(QWidget* host);

    QLineEdit* input() const { return input_; }

    // The lower-case ASCII letters of a text, in order.
    static QString letters(const QString& text);
    struct Result {
        bool correct;
        int selectionStart; // the input character where the check stopped
    };
    // Compares typed input with the target sentence by the check's rules.
    static Result check(const QString& input, const QString& english);

public slots:
    // F9. `showEnglish` is the "句子英文提示" choice; the check is meant for
    // the hidden English line, so with the line shown it first says so.
    void start(bool showEnglish);
    void clear();
    void setSentence(const QString& english) { english_ = english; }

signals:
    void message(const QString& title, const QString& text);
    void revealEnglish();
    void sound(const QString& name); // "type.wav" or "wrong.wav" under \SETTING\Sound
    void passed();                   // the letters all match

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter();
    QLineEdit* input_;
    QString english_;
};
