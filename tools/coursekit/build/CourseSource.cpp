#include "CourseSource.h"

#include "ProgramFolder.h"
#include "TextFileStore.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

QString SourceError::text(const QString& sourceName) const {
    if (line <= 0) return sourceName + QStringLiteral(": ") + reason;
    return QStringLiteral("%1:%2: %3").arg(sourceName, QString::number(line), reason);
}

namespace {

enum class Section { None, Lesson, Dictionary };

QString describe(char32_t c) {
    return QStringLiteral("\"%1\" (U+%2)")
        .arg(QString::fromUcs4(&c, 1),
             QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
}

// Everything the source gives ends up in GBK files, so each character must
// exist there; control characters would break the record layouts.
QString unstorableCharacter(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    for (uint c : codePoints) {
        if (c < 0x20 || c == 0x7f) return QStringLiteral("a control character is not allowed");
        if (!Gbk::canEncode(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1)))
            return QStringLiteral("the character %1 cannot be stored in GBK")
                .arg(describe(char32_t(c)));
    }
    return {};
}

QString forbiddenMark(const QString& text, const QString& marks, const QString& where) {
    for (QChar m : marks)
        if (text.contains(m))
            return QStringLiteral("\"%1\" cannot be used in %2").arg(QString(m), where);
    return {};
}

bool hasLetterOrDigit(const QString& text) {
    for (QChar c : text)
        if (c.isLetterOrNumber()) return true;
    return false;
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A headword is what a click on the sentence can produce: one run of ASCII
// letters, or two such runs joined by one blank (a merged two-word phrase).
bool isValidHeadword(const QString& h) {
    const QStringList words = h.split(u' ');
    if (words.size() > 2) return false;
    for (const QString& w : words) {
        if (w.isEmpty()) return false;
        for (QChar c : w)
            if (!isAsciiLetter(c)) return false;
    }
    return true;
}

class Parser {
public:
    ParsedSource run(const QByteArray& bytes) {
        QByteArray data = bytes;
        if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
        const QList<QByteArray> lines = data.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            lineNo_ = i + 1;
            QByteArray raw = lines[i];
            if (raw.endsWith('\r')) raw.chop(1);
            QStringDecoder decoder(QStringDecoder::Utf8);
            const QString line = decoder(raw);
            if (decoder.hasError()) {
                error(QStringLiteral("the line is not valid UTF-8"));
                continue;
            }
            handle(line.trimmed());
        }
        finishLesson();
        finishBook();
        std::stable_sort(
            result_.errors.begin(), result_.errors.end(),
            [](const SourceError& a, const SourceError& b) { return a.line < b.line; });
        if (result_.course.books.isEmpty() && result_.errors.isEmpty())
            result_.errors.append({0, QStringLiteral("the source names no book (\"book: name\")")});
        return std::move(result_);
    }

private:
    void error(const QString& reason, int line = -1) {
        result_.errors.append({line < 0 ? lineNo_ : line, reason});
    }

    void handle(const QString& line) {
        if (line.isEmpty() || line.startsWith(u'#')) return;
        static const QRegularExpression keyword(
            QStringLiteral("^(book|lesson|voice|rate|gap|dictionary)\\s*:(.*)$"));
        const QRegularExpressionMatch m = keyword.match(line);
        if (!m.hasMatch()) {
            content(line);
            return;
        }
        const QString key = m.captured(1);
        const QString value = m.captured(2).trimmed();
        if (key == u"book")
            startBook(value);
        else if (key == u"lesson")
            startLesson(value);
        else if (key == u"dictionary")
            startDictionary(value);
        else
            setting(key, value);
    }

    void setting(const QString& key, const QString& value) {
        bool ok = false;
        if (key == u"voice") {
            static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9_+-]+$"));
            if (!name.match(value).hasMatch())
                return error(QStringLiteral("a voice is an espeak-ng voice name such as en-us"));
            speech_.voice = value;
            speech_.voiceLine = lineNo_;
        } else if (key == u"rate") {
            const int rate = value.toInt(&ok);
            if (!ok || rate < 80 || rate > 450)
                return error(QStringLiteral("the rate is words per minute, from 80 to 450"));
            speech_.rate = rate;
        } else {
            const double seconds = value.toDouble(&ok);
            if (!ok || seconds < 0.1 || seconds > 10)
                return error(QStringLiteral("the gap is seconds of silence, from 0.1 to 10"));
            speech_.gapMs = int(seconds * 1000 + 0.5);
        }
    }

    void startBook(const QString& name) {
        finishLesson();
        finishBook();
        section_ = Section::None;
        if (name.isEmpty()) return error(QStringLiteral("the book has no name"));
        if (!ProgramFolder::isSafeBookName(name) || name.contains(u'\\') || name.contains(u':'))
            return error(QStringLiteral("the book name \"%1\" cannot name a folder").arg(name));
        if (const QString bad = unstorableCharacter(name); !bad.isEmpty()) return error(bad);
        for (const SourceBook& b : result_.course.books)
            if (b.name == name)
                return error(QStringLiteral("the book \"%1\" is already given on line %2")
                                 .arg(name, QString::number(b.line)));
        book_ = SourceBook{name, lineNo_, {}};
        lessonLines_.clear();
        haveBook_ = true;
    }

    void startLesson(const QString& title) {
        finishLesson();
        // The sentences under a refused title are still checked, so that one
        // run reports every fault.
        lesson_ = SourceLesson{title, lineNo_, speech_, {}};
        lessonErrors_ = result_.errors.size();
        haveLesson_ = true;
        section_ = Section::Lesson;
        lessonRefused_ = true;
        if (const QString problem = lessonTitleProblem(title); !problem.isEmpty())
            return error(problem);
        lessonRefused_ = false;
        lessonLines_.insert(title, lineNo_);
    }

    QString lessonTitleProblem(const QString& title) const {
        if (!haveBook_) return QStringLiteral("a lesson must follow a \"book:\" line");
        if (title.isEmpty()) return QStringLiteral("the lesson has no title");
        if (const QString bad =
                forbiddenMark(title, QStringLiteral("^"), QStringLiteral("a title"));
            !bad.isEmpty())
            return bad;
        if (const QString bad = unstorableCharacter(title); !bad.isEmpty()) return bad;
        if (const auto seen = lessonLines_.constFind(title); seen != lessonLines_.constEnd())
            return QStringLiteral("the lesson title \"%1\" is already used on line %2 of this book")
                .arg(title, QString::number(*seen));
        return {};
    }

    void startDictionary(const QString& rest) {
        finishLesson();
        if (!rest.isEmpty()) return error(QStringLiteral("\"dictionary:\" stands on a line alone"));
        section_ = Section::Dictionary;
        result_.course.wordSpeech = speech_;
    }

    void content(const QString& line) {
        switch (section_) {
        case Section::Lesson:
            return sentence(line);
        case Section::Dictionary:
            return entry(line);
        case Section::None:
            return error(QStringLiteral("text outside a lesson or the dictionary (a line such as "
                                        "\"lesson: title\" or \"dictionary:\" must come first)"));
        }
    }

    void sentence(const QString& line) {
        const QStringList fields = line.split(u'|');
        if (fields.size() < 2)
            return error(QStringLiteral("missing \"|\" field: a sentence is "
                                        "\"English | Chinese\" or \"English | Chinese | note\""));
        if (fields.size() > 3)
            return error(QStringLiteral("too many \"|\" fields: a sentence is "
                                        "\"English | Chinese | note\""));
        SourceSentence s{fields[0].trimmed(), fields[1].trimmed(),
                         fields.size() > 2 ? fields[2].trimmed() : QString(), lineNo_};
        if (s.english.isEmpty()) return error(QStringLiteral("the English sentence is empty"));
        if (s.chinese.isEmpty()) return error(QStringLiteral("the Chinese sentence is empty"));
        if (!hasLetterOrDigit(s.english))
            return error(QStringLiteral("the English sentence has nothing to speak"));
        for (const QString& f : {s.english, s.chinese, s.note}) {
            if (const QString bad =
                    forbiddenMark(f, QStringLiteral("*#"), QStringLiteral("a sentence"));
                !bad.isEmpty())
                return error(bad);
            if (const QString bad = unstorableCharacter(f); !bad.isEmpty()) return error(bad);
        }
        lesson_.sentences.append(s);
    }

    void entry(const QString& line) {
        const QStringList fields = line.split(u'|');
        if (fields.size() < 2)
            return error(QStringLiteral("missing \"|\" field: a dictionary entry is "
                                        "\"headword | meaning\""));
        if (fields.size() > 2)
            return error(QStringLiteral("too many \"|\" fields: a dictionary entry is "
                                        "\"headword | meaning\""));
        SourceEntry e{fields[0].simplified(), fields[1].trimmed(), lineNo_};
        if (!isValidHeadword(e.headword))
            return error(QStringLiteral("the headword \"%1\" must be one word of the letters "
                                        "a-z, or two such words (a phrase)")
                             .arg(e.headword));
        if (e.meaning.isEmpty()) return error(QStringLiteral("the meaning is empty"));
        if (const QString bad =
                forbiddenMark(e.meaning, QStringLiteral("$"), QStringLiteral("a meaning"));
            !bad.isEmpty())
            return error(bad);
        if (const QString bad = unstorableCharacter(e.meaning); !bad.isEmpty()) return error(bad);
        // The lookup ignores case, so "May" and "may" would hide each other.
        const QString key = e.headword.toLower();
        if (headwordLines_.contains(key))
            return error(QStringLiteral("the headword \"%1\" is already given on line %2")
                             .arg(e.headword, QString::number(headwordLines_.value(key))));
        headwordLines_.insert(key, lineNo_);
        result_.course.entries.append(e);
    }

    void finishLesson() {
        if (!haveLesson_) return;
        haveLesson_ = false;
        if (lessonRefused_) return;
        // A lesson whose sentence lines were all refused is reported through them.
        if (lesson_.sentences.isEmpty() && result_.errors.size() == lessonErrors_)
            return error(QStringLiteral("the lesson \"%1\" has no sentence").arg(lesson_.title),
                         lesson_.line);
        book_.lessons.append(lesson_);
    }

    void finishBook() {
        if (!haveBook_) return;
        haveBook_ = false;
        if (book_.lessons.isEmpty() && !hasErrorAfter(book_.line))
            return error(QStringLiteral("the book \"%1\" has no lesson").arg(book_.name),
                         book_.line);
        result_.course.books.append(book_);
    }

    bool hasErrorAfter(int line) const {
        for (const SourceError& e : result_.errors)
            if (e.line >= line) return true;
        return false;
    }

    ParsedSource result_;
    int lineNo_ = 0;
    Section section_ = Section::None;
    SpeechSettings speech_;
    SourceBook book_;
    SourceLesson lesson_;
    bool haveBook_ = false;
    bool haveLesson_ = false;
    QHash<QString, int> headwordLines_;
    QHash<QString, int> lessonLines_; // titles of the current book, refused lessons included
    qsizetype lessonErrors_ = 0;
    bool lessonRefused_ = false;
};

} // namespace

ParsedSource parseCourseSource(const QByteArray& utf8) {
    return Parser().run(utf8);
}
