#include "SpellingCheck.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}
} // namespace

SpellingCheck::SpellingCheck(QWidget* host) : QObject(host) {
    input_ = new QLineEdit(host);
    input_->setObjectName("SpellingInput");
    // Focusable but outside what the window shows.
    input_->setGeometry(-400, -100, 300, 24);
    input_->installEventFilter(this);
}

QString SpellingCheck::letters(const QString& text) {
    QString out;
    for (QChar c : text)
        if (isAsciiLetter(c)) out += c.toLower();
    return out;
}

SpellingCheck::Result SpellingCheck::check(const QString& input, const QString& english) {
    const QString target = letters(english);
    QString typed;
    int stop = int(input.size());
    for (int i = 0; i < input.size(); ++i) {
        if (isAsciiLetter(input[i])) typed += input[i].toLower();
        if (typed.isEmpty()) continue;
        const qsizetype at = typed.size() - 1;
        if (at >= target.size() || typed[at] != target[at]) {
            stop = i;
            break;
        }
    }
    return {typed == target, stop};
}

void SpellingCheck::start(bool showEnglish) {
    if (showEnglish)
        emit message(QStringLiteral("Lingotra"),
                     QStringLiteral("请在“显示英文句子”处于未选中状态时使用此功能（快捷键F9）。"));
    emit revealEnglish();
    input_->setFocus(Qt::OtherFocusReason);
}

void SpellingCheck::clear() {
    input_->clear();
}

void SpellingCheck::enter() {
    const Result r = check(input_->text(), english_);
    input_->setSelection(r.selectionStart, 1);
    if (!r.correct) {
        emit sound(QStringLiteral("wrong.wav"));
        return;
    }
    emit passed();
}

bool SpellingCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched == input_ && event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            enter();
            return true;
        }
        if (!ke->text().isEmpty() || ke->key() == Qt::Key_Backspace)
            emit sound(QStringLiteral("type.wav"));
    }
    return QObject::eventFilter(watched, event);
}
