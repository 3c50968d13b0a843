#include "DictationController.h"

#include "BookResultsPanel.h"
#include "DictationProgress.h"
#include "InterfaceSounds.h"
#include "MessagePresenter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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
                                         InterfaceSounds* sounds, MessagePresenter* presenter,
                                         DictationProgress* progress, BookResultsPanel* results,
                                         QObject* parent)
    : QObject(parent), w_(widgets), folder_(std::move(folder)), sounds_(sounds),
      presenter_(presenter), progress_(progress), results_(results) {
    auto frameOr = [this](QWidget* frame) {
        if (frame) return frame;
        if (!holder_) holder_ = new QWidget;
        return new QWidget(holder_);
    };

    QWidget* buttons = frameOr(w_.frame11);
    auto* buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    command22_ = makeButton(QStringLiteral("复读(&R)"), QStringLiteral("Command22"), buttons);
    command23_ = makeButton(QStringLiteral("提示(&H)"), QStringLiteral("Command23"), buttons);
    command24_ = makeButton(QStringLiteral("首句(&F)"), QStringLiteral("Command24"), buttons);
    command25_ = makeButton(QStringLiteral("重做(&N)"), QStringLiteral("Command25"), buttons);
    for (QPushButton* b : {command22_, command23_, command24_, command25_})
        buttonRow->addWidget(b);
    connect(command22_, &QPushButton::clicked, this, &DictationController::Command22_Click);
    connect(command23_, &QPushButton::clicked, this, &DictationController::Command23_Click);
    connect(command25_, &QPushButton::clicked, this, &DictationController::Command25_Click);
    if (progress_)
        connect(command24_, &QPushButton::clicked, progress_, &DictationProgress::Command24_Click);

    QWidget* counters = frameOr(w_.frame12);
    auto* counterRow = new QHBoxLayout(counters);
    counterRow->setContentsMargins(0, 0, 0, 0);
    label27_ = makeLabel(QStringLiteral("0"), QStringLiteral("Label27"), counters);
    label28_ = makeLabel(QStringLiteral("0"), QStringLiteral("Label28"), counters);
    label29_ = makeLabel(QStringLiteral("0"), QStringLiteral("Label29"), counters);
    label30_ = makeLabel(QStringLiteral("100"), QStringLiteral("Label30"), counters);
    label30_->hide();
    const std::pair<const char16_t*, QLabel*> shown[] = {
        {u"提示：", label27_}, {u"错误：", label28_}, {u"复读：", label29_}};
    for (const auto& [caption, label] : shown) {
        counterRow->addWidget(new QLabel(QString::fromUtf16(caption), counters));
        counterRow->addWidget(label);
    }
    counterRow->addStretch();

    QWidget* passMark = frameOr(w_.frame13);
    auto* passRow = new QHBoxLayout(passMark);
    passRow->setContentsMargins(0, 0, 0, 0);
    combo5_ = new QComboBox(passMark);
    combo5_->setObjectName(QStringLiteral("Combo5"));
    combo5_->setEditable(true);
    combo5_->setInsertPolicy(QComboBox::NoInsert);
    combo5_->addItems({"60", "70", "80", "90", "100"});
    command29_ = makeButton(QStringLiteral("▼"), QStringLiteral("Command29"), passMark);
    passRow->addWidget(new QLabel(QStringLiteral("过关分数："), passMark));
    passRow->addWidget(combo5_);
    passRow->addWidget(new QLabel(QStringLiteral("分"), passMark));
    passRow->addWidget(command29_);
    connect(combo5_, &QComboBox::editTextChanged, this, &DictationController::Combo5_Change);
    connect(combo5_, &QComboBox::activated, this, &DictationController::Combo5_Click);
    connect(command29_, &QPushButton::clicked, combo5_, &QComboBox::showPopup);

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

void DictationController::showResult(const QString& text) {
    if (presenter_)
        presenter_->showMessage(kResultTitle, text, MessagePresenter::Icon::Information);
}

void DictationController::Text2_KeyPress(int keyAscii) {
    if (studyMode_ == 8) {
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
        if (studyMode_ == 8) {
            DictationCounters c = counters();
            c.addError();
            writeCounters(c);
        }
        return;
    }

    if (hasNext_) {
        if (studyMode_ == 1) {
            emit nextSentenceRequested();
            return;
        }
        if (studyMode_ != 8) return;
        const SentenceVerdict verdict = judgeSentence(label30_->text(), passMark());
        label30_->setText(verdict.score);
        if (!verdict.passed) {
            showResult(failMessage(verdict.score));
            Command25_Click();
            return;
        }
        showResult(passMessage(verdict.score));
        emit nextSentenceRequested();
        if (progress_) progress_->MarkSentencePassed();
        return;
    }

    if (studyMode_ == 1) {
        if (presenter_)
            presenter_->showMessage(kFinishedTitle, kFinishedMessage,
                                    MessagePresenter::Icon::Information);
        return;
    }
    if (studyMode_ != 8) return;
    // Once the lesson is complete, its last sentence counts no more.
    if (!progress_ || progress_->sentenceCount() <= progress_->done()) return;
    const SentenceVerdict verdict = judgeSentence(label30_->text(), passMark());
    label30_->setText(verdict.score);
    if (!verdict.passed) {
        showResult(failMessage(verdict.score));
        Command25_Click();
        return;
    }
    progress_->MarkSentencePassed();
    showResult(lessonPassedMessage(verdict.score));
    if (results_) results_->MarkLessonPassed(lessonTitle_);
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
    if (presenter_)
        presenter_->showMessage(QString(), kPassMarkTooLowMessage, MessagePresenter::Icon::None);
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
