// coursekit cat, save and check.

#include "Commands.h"

#include "Book.h"
#include "Lesson.h"
#include "ProgramFolder.h"
#include "TextFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>

namespace {

void printError(const QString& text) {
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

bool writeStdout(const QByteArray& bytes) {
    if (!bytes.isEmpty() &&
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        return false;
    return std::fflush(stdout) == 0;
}

// ------------------------------------------------------------------ check

// Collects "<file>: <what is wrong>" lines, with files named relative to the
// program folder the way the content refers to them.
class ProblemList {
public:
    explicit ProblemList(QString root) : root_(std::move(root)) {}

    void add(const QString& path, const QString& what) {
        QString shown = QDir(root_).relativeFilePath(path);
        if (shown.isEmpty() || shown.startsWith("..")) shown = path;
        lines_.append(shown + QStringLiteral(": ") + what);
    }
    // A file whose problems are all alike reports the first few and a count.
    void addCapped(const QString& path, const QStringList& whats, int cap = 10) {
        for (qsizetype i = 0; i < whats.size() && i < cap; ++i)
            add(path, whats[i]);
        if (whats.size() > cap)
            add(path, QStringLiteral("%1 more problems like these").arg(whats.size() - cap));
    }
    const QStringList& lines() const { return lines_; }

private:
    QString root_;
    QStringList lines_;
};

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace("\r", "\\r").replace("\n", "\\n").replace("\t", "\\t");
    if (shown.size() > 40) shown = shown.left(37) + "...";
    return u'"' + shown + u'"';
}

QString lessonProblemText(const LessonProblem& p) {
    switch (p.kind) {
    case LessonProblem::MissingFile:
        return QStringLiteral("lesson file is missing or unreadable");
    case LessonProblem::NoRecord:
        return QStringLiteral("lesson holds no sentence record");
    case LessonProblem::ShortRecord:
        return QStringLiteral("sentence %1 has fewer than five \"#\"").arg(p.record);
    case LessonProblem::TextAfterLastStar:
        return QStringLiteral("text after the final \"*\" (the lesson must end with \"*\")");
    case LessonProblem::NoLeadingStar:
        return QStringLiteral("text before the first \"*\" (the lesson must begin with \"*\")");
    }
    return p.message();
}

// Book names found in the folder: lesson lists, results files and lesson folders.
QStringList booksIn(const QString& root) {
    QSet<QString> names;
    for (const char* sub : {"SETTING/BookList", "SETTING/Results"}) {
        const QDir dir(root + u'/' + QLatin1String(sub));
        for (const QFileInfo& f : dir.entryInfoList({"*.dat"}, QDir::Files))
            names.insert(f.completeBaseName());
    }
    for (const QString& d : QDir(root + "/book").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        names.insert(d);
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}

// Loads a "^" file; nullopt (with a problem) when it is missing or malformed.
std::optional<QStringList> loadCaretFile(const QString& path, const QString& kind,
                                         ProblemList& problems) {
    const std::optional<QString> text = TextFileStore::Load(path);
    if (!text) {
        problems.add(path, kind + QStringLiteral(" is missing or unreadable"));
        return std::nullopt;
    }
    bool valid = false;
    QStringList entries = CaretList::parse(*text, &valid);
    if (!valid) {
        problems.add(path, kind + QStringLiteral(" must begin and end with \"^\""));
        return std::nullopt;
    }
    return entries;
}

void checkLesson(const ProgramFolder& folder, const QString& book, int number,
                 ProblemList& problems) {
    const QString textPath = folder.lessonTextPath(book, number);
    const auto result = Lesson::load(textPath);
    if (const auto* problem = std::get_if<LessonProblem>(&result)) {
        problems.add(textPath, lessonProblemText(*problem));
    } else {
        const Lesson& lesson = std::get<Lesson>(result);
        QStringList timing;
        for (int k = 0; k < lesson.sentenceCount(); ++k) {
            const Sentence& s = lesson.sentences[k];
            if (!(s.Start < s.End))
                timing << QStringLiteral("sentence %1: Start %2 is not before End %3")
                              .arg(k + 1)
                              .arg(s.Start)
                              .arg(s.End);
        }
        problems.addCapped(textPath, timing);
    }
    const QString audioPath = folder.lessonAudioPath(book, number);
    if (!QFileInfo(audioPath).isFile())
        problems.add(audioPath, QStringLiteral("lesson audio is missing"));
}

void checkBook(const ProgramFolder& folder, const QString& book, ProblemList& problems) {
    if (!ProgramFolder::isSafeBookName(book)) {
        problems.add(folder.path("\\book\\" + book),
                     QStringLiteral("book name %1 cannot be used in a path").arg(quoted(book)));
        return;
    }
    const QString listPath = folder.bookListPath(book);
    const QString resultsPath = folder.resultsPath(book);
    const auto titles = loadCaretFile(listPath, QStringLiteral("lesson list"), problems);
    const auto results = loadCaretFile(resultsPath, QStringLiteral("results file"), problems);

    if (titles && results) {
        if (titles->size() != results->size())
            problems.add(resultsPath, QStringLiteral("holds %1 entries but the lesson list has %2")
                                          .arg(results->size())
                                          .arg(titles->size()));
        const qsizetype n = std::min(titles->size(), results->size());
        QStringList entryProblems;
        for (qsizetype i = 0; i < n; ++i) {
            const QString& entry = results->at(i);
            if (entry.isEmpty() || (entry[0] != kNotPassedMark && entry[0] != kPassedMark)) {
                entryProblems << QStringLiteral("entry %1 %2 is not marked \"☆\" or \"★\"")
                                     .arg(i + 1)
                                     .arg(quoted(entry));
            } else if (entry.mid(1) != titles->at(i)) {
                entryProblems << QStringLiteral("entry %1 %2 does not match lesson %1 %3")
                                     .arg(i + 1)
                                     .arg(quoted(entry.mid(1)), quoted(titles->at(i)));
            }
        }
        problems.addCapped(resultsPath, entryProblems);
    }
    if (titles) {
        if (titles->isEmpty()) problems.add(listPath, QStringLiteral("lists no lesson"));
        for (int number = 1; number <= titles->size(); ++number)
            checkLesson(folder, book, number, problems);
    }
}

// "$" headword "[" phonetics "]" meaning ... "$"
void checkDictionary(const QString& path, ProblemList& problems) {
    const std::optional<QString> loaded = TextFileStore::Load(path);
    if (!loaded) {
        problems.add(path, QStringLiteral("dictionary is missing or unreadable"));
        return;
    }
    QString text = *loaded;
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    if (text.isEmpty()) {
        problems.add(path, QStringLiteral("dictionary holds no entry"));
        return;
    }
    if (text.front() != u'$')
        problems.add(path, QStringLiteral("dictionary must begin with \"$\""));
    if (text.back() != u'$') problems.add(path, QStringLiteral("dictionary must end with \"$\""));
    const QStringList entries = text.split(u'$');
    QStringList entryProblems;
    // The piece before the first "$" and the one after the last are not entries.
    for (qsizetype i = 1; i + 1 < entries.size(); ++i) {
        const QString& e = entries[i];
        const qsizetype open = e.indexOf(u'[');
        const qsizetype close = e.indexOf(u']');
        const QString where = QStringLiteral("entry %1 %2").arg(i).arg(quoted(e));
        if (open < 0 || close < 0 || close < open)
            entryProblems << where + QStringLiteral(" lacks \"[\" phonetics \"]\"");
        else if (open == 0)
            entryProblems << where + QStringLiteral(" has no headword");
    }
    problems.addCapped(path, entryProblems);
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Word, separator, word: the only shape the sentence layout can merge.
bool isTwoWordPhrase(const QString& phrase) {
    qsizetype i = 0;
    const qsizetype n = phrase.size();
    auto run = [&](bool letters) {
        const qsizetype from = i;
        while (i < n && isAsciiLetter(phrase[i]) == letters)
            ++i;
        return i > from;
    };
    return run(true) && run(false) && run(true) && i == n;
}

void checkPhraseList(const QString& path, ProblemList& problems) {
    const std::optional<QString> loaded = TextFileStore::Load(path);
    if (!loaded) {
        problems.add(path, QStringLiteral("phrase list is missing or unreadable"));
        return;
    }
    QString text = *loaded;
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    if (text.isEmpty()) return; // no phrases is a valid list
    if (text.front() != u'$')
        problems.add(path, QStringLiteral("phrase list must begin with \"$\""));
    if (text.back() != u'$') problems.add(path, QStringLiteral("phrase list must end with \"$\""));
    const QStringList phrases = text.split(u'$');
    QStringList phraseProblems;
    for (qsizetype i = 1; i + 1 < phrases.size(); ++i) {
        const QString& p = phrases[i];
        if (p.trimmed().isEmpty()) continue; // line breaks between "$" pairs
        if (!isTwoWordPhrase(p))
            phraseProblems << QStringLiteral("phrase %1 is not two words with a separator between "
                                             "them; it can never match")
                                  .arg(quoted(p));
    }
    problems.addCapped(path, phraseProblems);
}

} // namespace

int runCat(const QStringList& args) {
    if (args.size() != 1) {
        printError(QStringLiteral("usage: coursekit cat FILE"));
        return 2;
    }
    const std::optional<QString> text = TextFileStore::Load(args[0]);
    if (!text) {
        printError(QStringLiteral("coursekit cat: cannot read %1").arg(args[0]));
        return 1;
    }
    if (!writeStdout(text->toUtf8())) {
        printError(QStringLiteral("coursekit cat: cannot write to standard output"));
        return 1;
    }
    return 0;
}

int runSave(const QStringList& args) {
    if (args.size() != 1) {
        printError(QStringLiteral("usage: coursekit save FILE   (UTF-8 text on standard input)"));
        return 2;
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        printError(QStringLiteral("coursekit save: cannot read standard input"));
        return 1;
    }
    const QByteArray bytes = in.readAll();
    // Refuse what is not UTF-8 rather than store replacement characters.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        printError(
            QStringLiteral("coursekit save: standard input is not valid UTF-8; %1 is unchanged")
                .arg(args[0]));
        return 1;
    }
    if (!TextFileStore::Save(args[0], text)) {
        printError(QStringLiteral("coursekit save: cannot write %1").arg(args[0]));
        return 1;
    }
    return 0;
}

int runCheck(const QStringList& args) {
    if (args.size() != 1) {
        printError(QStringLiteral("usage: coursekit check FOLDER"));
        return 2;
    }
    const QString root = QDir(args[0]).absolutePath();
    if (!QFileInfo(root).isDir()) {
        printError(QStringLiteral("coursekit check: %1 is not a folder").arg(args[0]));
        return 1;
    }
    const ProgramFolder folder(root);
    ProblemList problems(root);
    for (const QString& book : booksIn(root))
        checkBook(folder, book, problems);
    checkDictionary(folder.dictionaryPath(), problems);
    checkPhraseList(folder.phraseListPath(), problems);

    QByteArray out;
    for (const QString& line : problems.lines())
        out += line.toUtf8() + '\n';
    writeStdout(out);
    return problems.lines().isEmpty() ? 0 : 1;
}
