// The lesson parser and the record navigation the windows use on a loaded text.

#include "Lesson.h"
#include "TextFileStore.h"

#include <cstdint>
#include <cstdlib>

namespace {
void check(const QString& text) {
    const auto result = Lesson::parse(text, QStringLiteral("fuzz.dat"));
    if (const auto* problem = std::get_if<LessonProblem>(&result)) {
        if (!problem->message().contains(QStringLiteral("fuzz.dat"))) std::abort();
        return;
    }
    const Lesson& lesson = std::get<Lesson>(result);
    if (lesson.sentenceCount() < 1) std::abort();

    // Walking forward from the first "*" visits every record exactly once,
    // and walking back returns to the start.
    const qsizetype first = text.indexOf(u'*');
    qsizetype pos = first;
    int steps = 0;
    while (true) {
        const qsizetype next = SentenceRecord::nextStar(text, pos);
        if (next < 0) break;
        if (next <= pos) std::abort();
        const Sentence s = SentenceRecord::split(SentenceRecord::between(text, pos, next));
        if (steps < lesson.sentenceCount() && s.English != lesson.sentences[steps].English)
            std::abort();
        (void)SentenceRecord::toMilliseconds(s.Start);
        (void)SentenceRecord::toMilliseconds(s.End);
        pos = next;
        ++steps;
    }
    if (steps != lesson.sentenceCount()) std::abort();
    while (steps > 0) {
        pos = SentenceRecord::previousStar(text, pos);
        if (pos < 0) std::abort();
        --steps;
    }
    if (pos != first) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    check(QString::fromUtf8(bytes));
    check(Gbk::decode(bytes));
    return 0;
}
