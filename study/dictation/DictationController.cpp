#include "DictationController.h"

#include "BookResultsPanel.h"
#include "DictationProgress.h"
#include "InterfaceSounds.h"
#include "Notifier.h"
#include "WidgetAdoption.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus); // the typing box keeps the keyboard
    return b;
}

QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

DictationController::DictationController(const DictationWidgets& widgets, ProgramFolder folder,
                                         InterfaceSounds* sounds, Notifier* notifier,
                                         DictationProgress* progress, BookResultsPanel* results,
                                         QObject* parent)
    : QObject(parent), w_(widgets), folder_(std::move(folder)), sounds_(sounds),
      notifier_(notifier), progress_(progress), results_(results) {
    auto frameOr = [this](QWidget* frame) {
        if (frame) return frame;
        if (!holder_) holder_ = new QWidget;
        return new QWidget(holder_);
    };

    // Controls the window already holds are used as they are; missing ones
    // are made here and lined up in their frame.
    auto row = [](QWidget* frame) {
        auto* layout = qobject_cast<QHBoxLayout*>(frame->layout());
        if (!layout && !frame->layout()) {
            layout = new QHBoxLayout(frame);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        return layout;
    };
    auto addMade = [&](QWidget* frame, QWidget* w, bool made) {
        if (!made) return;
        if (QHBoxLayout* layout = row(frame)) layout->addWidget(w);
    };

    QWidget* buttons = frameOr(w_.frame11);
    auto button = [&](const QString& name, const QString& caption) {
        bool made = false;
        auto* b = adoptOrMake<QPushButton>(
            buttons, name, [&](QWidget* p) { return makeButton(caption, name, p); }, &made);
        addMade(buttons, b, made);
        return b;
    };
    command22_ = button(QStringLiteral("Command22"), QStringLiteral("复读(&R)"));
    command23_ = button(QStringLiteral("Command23"), QStringLiteral("提示(&H)"));
    command25_ = button(QStringLiteral("Command25"), QStringLiteral("重做(&N)"));
    command24_ = button(QStringLiteral("Command24"), QStringLiteral("首句(&F)"));
    command28_ = button(QStringLiteral("Command28"), QStringLiteral("成绩(&G)"));
    connect(command22_, &QPushButton::clicked, this, &DictationController::Command22_Click);
    connect(command23_, &QPushButton::clicked, this, &DictationController::Command23_Click);
    connect(command25_, &QPushButton::clicked, this, &DictationController::Command25_Click);
    if (progress_)
        connect(command24_, &QPushButton::clicked, progress_, &DictationProgress::Command24_Click);
    if (results_)
        connect(command28_, &QPushButton::clicked, results_, &BookResultsPanel::ShowBookResults);

    QWidget* counters = frameOr(w_.frame12);
    auto counter = [&](const QString& name, const QString& caption, const QString& value) {
        bool made = false;
        auto* l = adoptOrMake<QLabel>(
            counters, name, [&](QWidget* p) { return makeLabel(value, name, p); }, &made);
        if (made && !caption.isEmpty())
            addMade(counters, makeLabel(caption, name + QStringLiteral("Caption"), counters), true);
        addMade(counters, l, made);
        return l;
    };
    label27_ = counter(QStringLiteral("Label27"), QStringLiteral("提示："), QStringLiteral("0"));
    label28_ = counter(QStringLiteral("Label28"), QStringLiteral("错误："), QStringLiteral("0"));
    label29_ = counter(QStringLiteral("Label29"), QStringLiteral("复读："), QStringLiteral("0"));
    label30_ = counter(QStringLiteral("Label30"), QString(), QStringLiteral("100"));
    label30_->hide(); // the score has no place of its own; the messages show it

    QWidget* passMark = frameOr(w_.frame13);
    bool madeCombo = false;
    combo5_ = adoptOrMake<QComboBox>(
        passMark, QStringLiteral("Combo5"),
        [](QWidget* p) {
            auto* c = new QComboBox(p);
            c->setEditable(true);
            c->setInsertPolicy(QComboBox::NoInsert);
            c->addItems({"60", "70", "80", "90", "100"});
            return c;
        },
        &madeCombo);
    if (madeCombo) {
        addMade(passMark,
                makeLabel(QStringLiteral("过关分数："), QStringLiteral("Label42"), passMark), true);
        addMade(passMark, combo5_, true);
        addMade(passMark, makeLabel(QStringLiteral("分"), QStringLiteral("Label43"), passMark),
                true);
        auto* command29 = makeButton(QStringLiteral("▼"), QStringLiteral("Command29"), passMark);
        addMade(passMark, command29, true);
        connect(command29, &QPushButton::clicked, combo5_, &QComboBox::showPopup);
    }
    connect(combo5_, &QComboBox::editTextChanged, this, &DictationController::Combo5_Change);
    connect(combo5_, &QComboBox::activated, this, &DictationController::Combo5_Click);

    if (w_.text2) w_.text2->installEventFilter(this);
}

DictationController::~DictationController() {
    delete holder_;
}

QPushButton* DictationController::button(int commandNumber) const {
    switch (commandNumber) {
    case 22:
        return command22_;
    case 23:
        return command23_;
    case 24:
        return command24_;
    case 25:
        return command25_;
    case 28:
        return command28_;
    default:
        return nullptr;
    }
}

DictationCounters DictationController::counters() const {
    DictationCounters c;
    c.HintCount = label27_->text();
    c.ErrorCount = label28_->text();
    c.ReplayCount = label29_->text();
    c.SentenceScore = label30_->text();
    return c;
}

void DictationController::writeCounters(const DictationCounters& c) {
    label27_->setText(c.HintCount);
    label28_->setText(c.ErrorCount);
    label29_->setText(c.ReplayCount);
    label30_->setText(c.SentenceScore);
}

QString DictationController::passMark() const {
    return combo5_->currentText();
}

void DictationController::setStudyMode(int studyMode) {
    studyMode_ = studyMode;
}
void DictationController::setHasNextSentence(bool enabled) {
    hasNext_ = enabled;
}
void DictationController::setLessonTitle(const QString& title) {
    lessonTitle_ = title;
}

bool DictationController::hasNextSentence() const {
    if (w_.moreSentences) return w_.moreSentences();
    return w_.nextSentenceButton ? w_.nextSentenceButton->isEnabled() : hasNext_;
}

QString DictationController::lessonTitle() const {
    if (w_.lessonList) {
        const QListWidgetItem* item = w_.lessonList->currentItem();
        return item ? item->text() : QString();
    }
    return lessonTitle_;
}

void DictationController::sentencePresented() {
    writeCounters(DictationCounters{});
    clearTyped();
    focusTyping();
}

QString DictationController::typedText() const {
    if (auto* line = qobject_cast<QLineEdit*>(w_.text2)) return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w_.text2)) return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(w_.text2)) return rich->toPlainText();
    return {};
}

void DictationController::clearTyped() {
    if (auto* line = qobject_cast<QLineEdit*>(w_.text2)) line->clear();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w_.text2)) plain->clear();
    if (auto* rich = qobject_cast<QTextEdit*>(w_.text2)) rich->clear();
}

void DictationController::selectTyped(int start, int length) {
    if (auto* line = qobject_cast<QLineEdit*>(w_.text2)) {
        if (length > 0)
            line->setSelection(start, length);
        else
            line->setCursorPosition(start);
        return;
    }
    auto apply = [&](QTextCursor cursor) {
        cursor.setPosition(start);
        if (length > 0) cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        return cursor;
    };
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w_.text2))
        plain->setTextCursor(apply(plain->textCursor()));
    if (auto* rich = qobject_cast<QTextEdit*>(w_.text2))
        rich->setTextCursor(apply(rich->textCursor()));
}

void DictationController::focusTyping() {
    if (w_.text2) w_.text2->setFocus();
}

void DictationController::playSound(const QString& name) {
    if (sounds_) sounds_->play(folder_.interfaceSoundPath(name));
}

QWidget* DictationController::messageParent() const {
    return w_.text2 ? w_.text2->window() : nullptr;
}

std::optional<QString> DictationController::scorePassedSentence() {
    const SentenceVerdict verdict = judgeSentence(label30_->text(), passMark());
    label30_->setText(verdict.score);
    if (verdict.passed) return verdict.score;
    showResult(failMessage(verdict.score));
    Command25_Click();
    return std::nullopt;
}

void DictationController::showResult(const QString& text) {
    if (notifier_) notifier_->information(messageParent(), kResultTitle, text);
}

void DictationController::Text2_KeyPress(int keyAscii) {
    if (studyMode() == 8) {
        // A hint lasts until the next key.
        if (w_.label1) w_.label1->hide();
        if (w_.label39) w_.label39->show();
    }
    if (keyAscii != 13) {
        playSound(QStringLiteral("type.wav"));
        return;
    }
    CheckTyping();
}

void DictationController::CheckTyping() {
    const QString sentence = w_.label1 ? w_.label1->text() : QString();
    const TypingCheck check = ::CheckTyping(sentence, typedText());
    selectTyped(check.selectStart, check.selectLength);

    if (!check.correct) {
        playSound(QStringLiteral("wrong.wav"));
        if (studyMode() == 8) {
            DictationCounters c = counters();
            c.addError();
            writeCounters(c);
        }
        return;
    }

    if (hasNextSentence()) {
        if (studyMode() == 1) {
            emit nextSentenceRequested();
            return;
        }
        if (studyMode() != 8) return;
        const std::optional<QString> score = scorePassedSentence();
        if (!score) return;
        showResult(passMessage(*score));
        emit nextSentenceRequested();
        if (progress_) progress_->MarkSentencePassed();
        return;
    }

    if (studyMode() == 1) {
        if (notifier_) notifier_->information(messageParent(), kFinishedTitle, kFinishedMessage);
        return;
    }
    if (studyMode() != 8) return;
    // Once the lesson is complete, its last sentence counts no more.
    if (!progress_ || progress_->sentenceCount() <= progress_->done()) return;
    const std::optional<QString> score = scorePassedSentence();
    if (!score) return;
    progress_->MarkSentencePassed();
    showResult(lessonPassedMessage(*score));
    if (results_) results_->MarkLessonPassed(lessonTitle());
}

void DictationController::Command22_Click() {
    emit playSentenceRequested();
    DictationCounters c = counters();
    c.addReplay();
    writeCounters(c);
    focusTyping();
}

void DictationController::Command23_Click() {
    if (w_.label1) w_.label1->show();
    if (w_.label39) w_.label39->hide();
    DictationCounters c = counters();
    c.addHint();
    writeCounters(c);
    focusTyping();
}

void DictationController::Command25_Click() {
    writeCounters(DictationCounters{});
    emit playSentenceRequested();
    clearTyped();
    focusTyping();
}

void DictationController::setPassMarkText(const QString& text) {
    // Restoring the same text is still a change the rule must see.
    if (combo5_->currentText() == text)
        Combo5_Change(text);
    else
        combo5_->setEditText(text);
}

void DictationController::Combo5_Change(const QString& text) {
    const auto corrected = correctedPassMark(text);
    if (!corrected) return;
    if (notifier_) notifier_->message(messageParent(), kPassMarkTooLowMessage);
    combo5_->setEditText(*corrected);
}

void DictationController::Combo5_Click() {
    focusTyping();
}

bool DictationController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.text2 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Swallowed: no line break, no beep.
            Text2_KeyPress(13);
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            Text2_KeyPress(text.at(0).unicode());
    }
    return QObject::eventFilter(watched, event);
}
