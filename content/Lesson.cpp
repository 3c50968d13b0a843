#include "Lesson.h"

#include "Numbers.h"
#include "TextFileStore.h"

#include <cmath>
#include <limits>

namespace SentenceRecord {

int count(QStringView lessonText) {
    const qsizetype stars = lessonText.count(u'*');
    if (stars <= 1) return 0;
    return stars - 1 > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                       : int(stars - 1);
}

qsizetype nextStar(QStringView lessonText, qsizetype starPos) {
    if (starPos < -1 || starPos + 1 >= lessonText.size()) return -1;
    return lessonText.indexOf(u'*', starPos + 1);
}

qsizetype previousStar(QStringView lessonText, qsizetype starPos) {
    if (starPos <= 0) return -1;
    const qsizetype from = std::min(starPos - 1, lessonText.size() - 1);
    if (from < 0) return -1;
    return lessonText.lastIndexOf(u'*', from);
}

QStringView between(QStringView lessonText, qsizetype openStar, qsizetype closeStar) {
    const qsizetype from = std::max<qsizetype>(openStar + 1, 0);
    const qsizetype to = std::min(closeStar, lessonText.size());
    if (to <= from) return {};
    return lessonText.sliced(from, to - from);
}

QString trimSpaces(QStringView text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.sliced(from, to - from).toString();
}

Sentence split(QStringView record, bool* complete) {
    Sentence s;
    s.RecordText = record.toString();
    qsizetype marks[5];
    int found = 0;
    for (qsizetype i = 0; i < record.size() && found < 5; ++i) {
        if (record[i] == u'#') marks[found++] = i;
    }
    if (complete) *complete = found == 5;
    // Field k (0-based) runs from just after mark k - 1 to mark k.
    auto field = [&](int k) -> QStringView {
        if (k >= found) return {};
        const qsizetype from = k == 0 ? 0 : marks[k - 1] + 1;
        return record.sliced(from, marks[k] - from);
    };
    s.English = trimSpaces(field(0));
    s.Chinese = trimSpaces(field(1));
    s.Start = leadingNumber(field(2));
    s.End = leadingNumber(field(3));
    s.Note = trimSpaces(field(4));
    return s;
}

long long toMilliseconds(double seconds) {
    if (!std::isfinite(seconds)) return 0;
    const double ms = std::round(seconds * 1000.0);
    constexpr double limit = 9.0e18;
    if (ms >= limit) return static_cast<long long>(limit);
    if (ms <= -limit) return -static_cast<long long>(limit);
    return static_cast<long long>(ms);
}

} // namespace SentenceRecord

QString LessonProblem::message() const {
    const QString name = file.isEmpty() ? QStringLiteral("课文") : file;
    switch (kind) {
    case MissingFile:
        return QStringLiteral("无法读取课文文件：%1").arg(name);
    case NoRecord:
        return QStringLiteral("课文文件 %1 中没有句子。").arg(name);
    case ShortRecord:
        return QStringLiteral("课文文件 %1 的第 %2 句不完整：每句应有五个“#”。")
            .arg(name)
            .arg(record);
    case TextAfterLastStar:
        return QStringLiteral("课文文件 %1 的最后一个“*”之后还有多余的文字。").arg(name);
    case NoLeadingStar:
        return QStringLiteral("课文文件 %1 没有以“*”开头。").arg(name);
    }
    return name;
}

std::variant<Lesson, LessonProblem> Lesson::parse(const QString& text, const QString& file) {
    // A text editor's final line break (or any white space) after the last "*"
    // is harmless; the record boundaries are found in the text without it.
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    qsizetype begin = 0;
    while (begin < end && text[begin].isSpace())
        ++begin;
    const QStringView body = QStringView(text).sliced(begin, end - begin);

    if (body.isEmpty()) return LessonProblem{LessonProblem::NoRecord, file};
    if (body.front() != u'*') return LessonProblem{LessonProblem::NoLeadingStar, file};
    if (body.back() != u'*') return LessonProblem{LessonProblem::TextAfterLastStar, file};
    if (SentenceRecord::count(body) < 1) return LessonProblem{LessonProblem::NoRecord, file};

    Lesson lesson;
    lesson.text = text.mid(begin);
    qsizetype open = 0;
    int number = 0;
    for (;;) {
        const qsizetype close = SentenceRecord::nextStar(body, open);
        if (close < 0) break;
        ++number;
        bool complete = false;
        Sentence s = SentenceRecord::split(SentenceRecord::between(body, open, close), &complete);
        if (!complete) return LessonProblem{LessonProblem::ShortRecord, file, number};
        lesson.sentences.append(std::move(s));
        open = close;
    }
    return lesson;
}

std::variant<Lesson, LessonProblem> Lesson::load(const QString& path) {
    const std::optional<QString> text = TextFileStore::Load(path);
    if (!text) return LessonProblem{LessonProblem::MissingFile, path};
    return parse(*text, path);
}
