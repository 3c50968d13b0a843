#include "WordLists.h"

#include "CourseSource.h"

#include <algorithm>

namespace {
bool isLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QList<SourceEntry> sorted(QList<SourceEntry> entries) {
    std::stable_sort(
        entries.begin(), entries.end(), [](const SourceEntry& a, const SourceEntry& b) {
            const int c = QString::compare(a.headword, b.headword, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a.headword < b.headword;
        });
    return entries;
}

// The entry's headword when "$" + key + "[" occurs, else empty.
QString findEntry(const QString& dictionary, const QString& key) {
    if (key.isEmpty()) return {};
    const qsizetype at = dictionary.indexOf(u'$' + key + u'[', 0, Qt::CaseInsensitive);
    if (at < 0) return {};
    const qsizetype bracket = dictionary.indexOf(u'[', at);
    return dictionary.mid(at + 1, bracket - at - 1);
}
} // namespace

QString dictionaryText(const QList<SourceEntry>& entries, const QMap<QString, QString>& phonetics) {
    QString text;
    for (const SourceEntry& e : sorted(entries))
        text += u'$' + e.headword + u'[' + phonetics.value(e.headword) + u']' + e.meaning;
    return text + u'$';
}

QString phraseListText(const QList<SourceEntry>& entries) {
    QString text;
    for (const SourceEntry& e : sorted(entries))
        if (e.isPhrase()) text += u'$' + e.headword;
    return text.isEmpty() ? text : text + u'$';
}

QStringList clickableWords(const QString& english, const QString& phraseList) {
    struct Label {
        QString caption;
        bool visible = true;
    };
    QList<Label> labels;
    qsizetype start = 0;
    while (start < english.size()) {
        const bool letter = isLetter(english[start]);
        qsizetype end = start + 1;
        while (end < english.size() && isLetter(english[end]) == letter)
            ++end;
        labels.append({english.mid(start, end - start)});
        start = end;
    }
    for (qsizetype k = 0; k + 2 < labels.size(); ++k) {
        const QString joined = labels[k].caption + labels[k + 1].caption + labels[k + 2].caption;
        if (!phraseList.contains(u'$' + joined + u'$', Qt::CaseInsensitive)) continue;
        labels[k].caption = joined;
        labels[k + 1].visible = false;
        labels[k + 2].visible = false;
    }
    QStringList words;
    for (const Label& l : labels)
        if (l.visible && !l.caption.isEmpty() && isLetter(l.caption[0])) words.append(l.caption);
    return words;
}

QString lookUpWord(const QString& dictionary, const QString& word, bool* viaEnding) {
    if (viaEnding) *viaEnding = false;
    if (QString found = findEntry(dictionary, word); !found.isEmpty()) return found;
    struct Rule {
        const char* ending;
        QList<QPair<int, const char*>> candidates; // drop n characters, then append
    };
    static const QList<Rule> rules = {
        {"ing", {{3, ""}, {3, "e"}, {4, ""}}},
        {"er", {{2, ""}, {2, "e"}, {3, "y"}, {3, ""}}},
        {"est", {{3, ""}, {2, ""}, {4, "y"}}},
        {"s", {{1, ""}, {2, ""}, {3, "y"}}},
        {"ed", {{2, ""}, {2, "e"}, {3, "y"}, {3, ""}}},
    };
    for (const Rule& rule : rules) {
        if (!word.endsWith(QLatin1String(rule.ending), Qt::CaseSensitive)) continue;
        for (const auto& [drop, append] : rule.candidates) {
            if (drop >= word.size()) continue;
            const QString candidate = word.left(word.size() - drop) + QLatin1String(append);
            if (QString found = findEntry(dictionary, candidate); !found.isEmpty()) {
                if (viaEnding) *viaEnding = true;
                return found;
            }
        }
        break;
    }
    return {};
}
