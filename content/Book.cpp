#include "Book.h"

#include "TextFileStore.h"

namespace CaretList {

QStringList parse(const QString& text, bool* valid) {
    // White space after the final "^" (a text editor's last line break) is accepted.
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    const QStringView body = QStringView(text).first(end);
    const bool ok = !body.isEmpty() && body.front() == u'^' && body.back() == u'^';
    if (valid) *valid = ok;
    QStringList entries;
    if (!ok) return entries;
    qsizetype prev = 0;
    while (prev < body.size() - 1) {
        const qsizetype next = body.indexOf(u'^', prev + 1);
        entries.append(body.sliced(prev + 1, next - prev - 1).toString());
        prev = next;
    }
    return entries;
}

QString join(const QStringList& entries) {
    QString text = QStringLiteral("^");
    for (const QString& entry : entries) {
        text += entry;
        text += u'^';
    }
    return text;
}

} // namespace CaretList

QStringList studyBooks() {
    return {QStringLiteral("英语900句"), QStringLiteral("新英语900句"),
            QStringLiteral("英语口语900句")};
}

Book Book::load(const ProgramFolder& folder, const QString& name) {
    Book book;
    book.name = name;
    if (!ProgramFolder::isSafeBookName(name)) return book;
    book.bookListText = TextFileStore::Load(folder.bookListPath(name)).value_or(QString());
    book.resultsText = TextFileStore::Load(folder.resultsPath(name)).value_or(QString());
    book.lessonTitles = CaretList::parse(book.bookListText);
    return book;
}

bool Book::markPassed(const QString& title) {
    // Only whole entries are marked: "☆Lesson 1" must not also mark "☆Lesson 10".
    const QString entry = kNotPassedMark + title;
    bool changed = false;
    qsizetype open = resultsText.indexOf(u'^');
    while (open >= 0) {
        const qsizetype close = resultsText.indexOf(u'^', open + 1);
        if (close < 0) break;
        if (QStringView(resultsText).sliced(open + 1, close - open - 1) == entry) {
            resultsText[open + 1] = kPassedMark;
            changed = true;
        }
        open = close;
    }
    return changed;
}

void Book::clearResults() {
    resultsText.replace(kPassedMark, kNotPassedMark);
}

bool Book::saveResults(const ProgramFolder& folder) const {
    const QString path = folder.resultsPath(name);
    if (path.isEmpty()) return false;
    return TextFileStore::Save(path, resultsText);
}
