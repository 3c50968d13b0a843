#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The dictation check compares letters only: the 52 ASCII letters, case
// ignored. Blanks, punctuation, digits and any other character do not count.
bool isAsciiLetter(QChar c);

// The ASCII letters of `text` in order, lower-cased (LetterKey).
QString LetterKey(QStringView text);

// The outcome of comparing a typed entry with the sentence (CheckTyping).
struct TypingCheck {
    bool correct = false;
    // 0-based position in the typed text to select. With selectLength 0 the
    // caret simply goes there (the end of the entry when nothing was wrong).
    int selectStart = 0;
    int selectLength = 0;
};

// Walks the typed text letter by letter and stops at the first letter that
// differs from the sentence's letter at the same index (or has no partner).
TypingCheck CheckTyping(QStringView sentence, QStringView typed);

// The counters of the current sentence, kept as decimal text the way the
// window shows them; every step reads them leniently.
struct DictationCounters {
    QString HintCount = "0";
    QString ErrorCount = "0";
    QString ReplayCount = "0";
    QString SentenceScore = "100";

    void reset() { *this = DictationCounters{}; }
    void addHint();   // +1 hint, -20 points
    void addError();  // +1 wrong check, -10 points
    void addReplay(); // +1 replay, -5 points
};

constexpr int kHintCost = 20;
constexpr int kErrorCost = 10;
constexpr int kReplayCost = 5;
constexpr int kLowestPassMark = 60;

// Adds `delta` to a counter held as text.
QString addToCounter(const QString& counter, double delta);

// Judges a correctly typed sentence: a negative score is raised to "0";
// the sentence passes when the score is at least the pass mark.
struct SentenceVerdict {
    QString score;
    bool passed = false;
};
SentenceVerdict judgeSentence(const QString& sentenceScore, const QString& passMark);

// The pass-mark rule: a text that reads below 60 is replaced by "60".
// nullopt when the text stands.
std::optional<QString> correctedPassMark(const QString& passMarkText);

inline const QString kPassMarkTooLowMessage = QStringLiteral("最低值不能低于60分！");
inline const QString kResultTitle = QStringLiteral("本句成绩");
inline const QString kScoringRule = QStringLiteral(
    "（评分标准：每提示1次扣20分，错误1次扣10分，复读1次扣5分，得分高于过关分数即可过关）");
inline const QString kFinishedTitle = QStringLiteral("提示");
inline const QString kFinishedMessage = QStringLiteral("已完成！");

QString failMessage(const QString& score);
QString passMessage(const QString& score);
QString lessonPassedMessage(const QString& score);
