#include "Book.h"
#include "CourseSource.h"
#include "WordLists.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {
CourseSource demo() {
    QFile f(QStringLiteral(SPOKEN_SOURCE_DIR "/course/demo.course"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const ParsedSource parsed = parseCourseSource(f.readAll());
    EXPECT_TRUE(parsed.ok()) << parsed.errors.value(0).text("demo.course").toStdString();
    return parsed.course;
}

QList<SourceSentence> allSentences(const CourseSource& c) {
    QList<SourceSentence> out;
    for (const SourceBook& b : c.books)
        for (const SourceLesson& l : b.lessons)
            out += l.sentences;
    return out;
}
} // namespace

TEST(DemoCourse, HoldsTheThreeStudyBooksWithFullLessons) {
    const CourseSource c = demo();
    QStringList names;
    for (const SourceBook& b : c.books)
        names.append(b.name);
    EXPECT_EQ(names, studyBooks());
    int oneSentenceLessons = 0;
    for (const SourceBook& b : c.books) {
        int full = 0;
        for (const SourceLesson& l : b.lessons) {
            const auto n = l.sentences.size();
            if (n == 1)
                ++oneSentenceLessons;
            else if (n >= 8 && n <= 15)
                ++full;
            else
                ADD_FAILURE() << l.title.toStdString() << " has " << n << " sentences";
        }
        EXPECT_GE(full, 4) << b.name.toStdString();
    }
    EXPECT_EQ(oneSentenceLessons, 1);
    int notes = 0;
    bool longSentence = false;
    for (const SourceSentence& s : allSentences(c)) {
        notes += s.note.isEmpty() ? 0 : 1;
        longSentence = longSentence || s.english.size() > 120; // wraps in the sentence panel
    }
    EXPECT_GT(notes, 10);
    EXPECT_TRUE(longSentence);
}

TEST(DemoCourse, EveryWordButOneIsInTheDictionary) {
    const CourseSource c = demo();
    const QString dictionary = dictionaryText(c.entries, {});
    const QString phrases = phraseListText(c.entries);
    EXPECT_TRUE(phrases.contains("$look at$"));
    QSet<QString> missing;
    QSet<QString> throughEndings;
    bool chain = false;
    for (const SourceSentence& s : allSentences(c)) {
        for (const QString& word : clickableWords(s.english, phrases)) {
            bool viaEnding = false;
            if (lookUpWord(dictionary, word, &viaEnding).isEmpty()) missing.insert(word);
            if (viaEnding) throughEndings.insert(word);
        }
        // A chain: "get out" and "out of" both listed and "get out of" in a sentence.
        for (const SourceEntry& a : c.entries) {
            for (const SourceEntry& b : c.entries) {
                const QStringList first = a.headword.split(u' ');
                const QStringList second = b.headword.split(u' ');
                if (first.size() == 2 && second.size() == 2 && first[1] == second[0] &&
                    s.english.contains(a.headword + u' ' + second[1], Qt::CaseInsensitive))
                    chain = true;
            }
        }
    }
    EXPECT_EQ(missing, QSet<QString>({"Hangzhou"}));
    for (const char* word : {"studies", "running", "happier"})
        EXPECT_TRUE(throughEndings.contains(word)) << word;
    EXPECT_TRUE(chain);
}
