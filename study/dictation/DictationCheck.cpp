#include "DictationCheck.h"

#include "Numbers.h"

bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

QString LetterKey(QStringView text) {
    QString key;
    key.reserve(text.size());
    for (QChar c : text) {
        if (isAsciiLetter(c)) key.append(QChar(c.unicode() | 0x20));
    }
    return key;
}

TypingCheck CheckTyping(QStringView sentence, QStringView typed) {
    const QString sentenceKey = LetterKey(sentence);
    qsizetype typedLetters = 0;
    qsizetype stop = typed.size(); // 0-based index of the character the walk stopped at
    bool stopped = false;
    for (qsizetype j = 0; j < typed.size(); ++j) {
        const QChar c = typed[j];
        if (!isAsciiLetter(c)) continue;
        const QChar lower(c.unicode() | 0x20);
        ++typedLetters;
        if (typedLetters > sentenceKey.size() || sentenceKey[typedLetters - 1] != lower) {
            stop = j;
            stopped = true;
            break;
        }
    }
    TypingCheck result;
    result.selectStart = int(stop);
    result.selectLength = stopped ? 1 : 0;
    // Not stopped means every typed letter matched; it is correct only when
    // the entry also reached the end of the sentence.
    result.correct = !stopped && typedLetters == sentenceKey.size();
    return result;
}

QString addToCounter(const QString& counter, double delta) {
    return plainDecimal(leadingNumber(counter) + delta);
}

void DictationCounters::addHint() {
    HintCount = addToCounter(HintCount, 1);
    SentenceScore = addToCounter(SentenceScore, -kHintCost);
}

void DictationCounters::addError() {
    ErrorCount = addToCounter(ErrorCount, 1);
    SentenceScore = addToCounter(SentenceScore, -kErrorCost);
}

void DictationCounters::addReplay() {
    ReplayCount = addToCounter(ReplayCount, 1);
    SentenceScore = addToCounter(SentenceScore, -kReplayCost);
}

SentenceVerdict judgeSentence(const QString& sentenceScore, const QString& passMark) {
    SentenceVerdict verdict;
    verdict.score = sentenceScore;
    if (leadingNumber(sentenceScore) < 0) verdict.score = QStringLiteral("0");
    verdict.passed = !(leadingNumber(passMark) > leadingNumber(verdict.score));
    return verdict;
}

std::optional<QString> correctedPassMark(const QString& passMarkText) {
    if (leadingNumber(passMarkText) < kLowestPassMark) return QString::number(kLowestPassMark);
    return std::nullopt;
}

static QString withRule(const QString& score, const QString& middle) {
    return QStringLiteral("本句得分：") + score + middle + QStringLiteral("\r\n\r\n") +
           kScoringRule;
}

QString failMessage(const QString& score) {
    return withRule(score, QStringLiteral("分，您未能过关，请按回车键重做当前句子。"));
}

QString passMessage(const QString& score) {
    return withRule(score, QStringLiteral("分，恭喜您已过关，请按回车键进入下一句。"));
}

QString lessonPassedMessage(const QString& score) {
    return withRule(score, QStringLiteral("分，恭喜您本课已过关，请按回车键查看本册成绩。"));
}
