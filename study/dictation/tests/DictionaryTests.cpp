#include "Dictionary.h"

#include "TextFileStore.h"

#include "QtPrinters.h"
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QString entry(const QString& head, const QString& pron, const QString& meaning) {
    return "$" + head + "[" + pron + "]" + meaning;
}

// A small dictionary with the words the fallbacks need, a phrase, a
// capitalised headword and a headword listed twice.
QString sampleText() {
    QString t;
    t += entry("hello", QStringLiteral("hə'ləʊ"), QStringLiteral("int. 喂；你好\r\n"));
    t += entry("study", "'stʌdi", QStringLiteral("v. 学习"));
    t += entry("run", "rʌn", QStringLiteral("v. 跑"));
    t += entry("happy", "'hæpi", QStringLiteral("adj. 快乐的"));
    t += entry("late", "leit", QStringLiteral("adj. 晚的"));
    t += entry("stop", "stɔp", QStringLiteral("v. 停止"));
    t += entry("look at", "", QStringLiteral("看"));
    t += entry("Tom", "tɔm", QStringLiteral("汤姆"));
    t += entry("book", "buk", QStringLiteral("n. 书（第一条）"));
    t += entry("BOOK", "buk", QStringLiteral("n. 书（第二条）"));
    t += entry("box", "bɔks", QStringLiteral("n. 盒子"));
    t += entry("city", "'siti", QStringLiteral("n. 城市"));
    t += entry("teach", "ti:tʃ", QStringLiteral("v. 教"));
    t += entry("make", "meik", QStringLiteral("v. 做"));
    t += entry("like", "laik", QStringLiteral("v. 喜欢"));
    t += entry("big", "big", QStringLiteral("adj. 大的"));
    t += "$";
    return t;
}

} // namespace

TEST(Dictionary, FindsEntryAndShowsItsOwnHeadword) {
    Dictionary d(sampleText());
    const WordLookup r = LookUpWord(d, "Hello");
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.headword, "hello");
    EXPECT_EQ(r.phonetic, QStringLiteral("hə'ləʊ"));
    EXPECT_EQ(r.meaning, QStringLiteral("int. 喂；你好\r\n"));
    EXPECT_EQ(r.linkGapTwips, 90);
    const WordLookup phrase = LookUpWord(d, "Look At");
    EXPECT_EQ(phrase.headword, "look at");
}

TEST(Dictionary, StemFallbacks) {
    Dictionary d(sampleText());
    struct Row {
        const char* word;
        const char* headword;
        bool found;
        int gap;
    } rows[] = {
        {"studies", "study", true, 110}, // studie, studi missed; (w-3)+y
        {"running", "run", true, 110},   // runn, runne missed; w-4
        {"happier", "happy", true, 110},
        {"latest", "late", true, 110},  // w-2
        {"stopped", "stop", true, 110}, // w-3
        {"making", "make", true, 110},
        {"books", "book", true, 110},
        {"boxes", "box", true, 110},
        {"cities", "city", true, 110},
        {"teacher", "teach", true, 110},
        {"bigger", "big", true, 110},
        {"liked", "like", true, 110},
        {"RUNNING", "RUNNING", false, 90}, // endings compare case-sensitively
        {"made", "made", false, 90},
        {"s", "s", false, 90}, // candidates longer than the word end normally
        {"er", "er", false, 90},
        {"ed", "ed", false, 90},
        {"ing", "ing", false, 90},
        {"est", "est", false, 90},
        {"as", "as", false, 90},
        {"", "", false, 90},
        {"xyz", "xyz", false, 90},
    };
    for (const Row& r : rows) {
        for (SearchMode mode : {SearchMode::Linear, SearchMode::Indexed}) {
            const WordLookup w = LookUpWord(d, r.word, mode);
            EXPECT_EQ(w.found, r.found) << r.word;
            EXPECT_EQ(w.headword, r.headword) << r.word;
            EXPECT_EQ(w.linkGapTwips, r.gap) << r.word;
            if (!r.found) {
                EXPECT_EQ(w.meaning, kNotFoundMeaning) << r.word;
                EXPECT_TRUE(w.phonetic.isEmpty()) << r.word;
            }
        }
    }
}

TEST(Dictionary, CandidateOrder) {
    EXPECT_EQ(stemCandidates("running"), QStringList({"runn", "runne", "run"}));
    EXPECT_EQ(stemCandidates("happier"), QStringList({"happi", "happie", "happy", "happ"}));
    EXPECT_EQ(stemCandidates("latest"), QStringList({"lat", "late", "lay"}));
    EXPECT_EQ(stemCandidates("cities"), QStringList({"citie", "citi", "city"}));
    EXPECT_EQ(stemCandidates("stopped"), QStringList({"stopp", "stoppe", "stopy", "stop"}));
    EXPECT_EQ(stemCandidates("is"), QStringList({"i"}));
    EXPECT_EQ(stemCandidates("s"), QStringList());
    EXPECT_EQ(stemCandidates("er"), QStringList());
    EXPECT_EQ(stemCandidates("RUNNING"), QStringList());
    EXPECT_EQ(stemCandidates("made"), QStringList());
}

TEST(Dictionary, FirstEntryInTextOrderWins) {
    Dictionary d(sampleText());
    EXPECT_EQ(LookUpWord(d, "BOOK", SearchMode::Indexed).meaning,
              QStringLiteral("n. 书（第一条）"));
    EXPECT_EQ(LookUpWord(d, "BOOK", SearchMode::Linear).meaning, QStringLiteral("n. 书（第一条）"));
}

TEST(Dictionary, EmptyOrMissingDictionaryFindsNothing) {
    Dictionary d;
    EXPECT_FALSE(LookUpWord(d, "hello").found);
    EXPECT_EQ(LookUpWord(d, "hello").meaning, kNotFoundMeaning);
}

TEST(Dictionary, MalformedEntriesEndNormally) {
    // Entry without "]", entry without "[", no trailing "$".
    Dictionary d("$one[wʌn$two]no bracket$three[θri:]three");
    const WordLookup one = LookUpWord(d, "one");
    EXPECT_EQ(one.phonetic, QStringLiteral("wʌn"));
    EXPECT_TRUE(one.meaning.isEmpty());
    EXPECT_FALSE(LookUpWord(d, "two").found);
    EXPECT_EQ(LookUpWord(d, "three").meaning, "three");
    for (const char* key : {"one", "two", "three", "no bracket", "two]no bracket"})
        EXPECT_EQ(d.findIndexed(QString(key)), d.findLinear(QString(key))) << key;
}

// Keys and texts made to probe the agreement of the index with the linear
// search, including keys that straddle entries.
TEST(Dictionary, IndexAgreesWithLinearSearch) {
    QString text = sampleText();
    text += QStringLiteral("$Straße[s]街$ÄRGER[a]生气$a b[x]$[empty]$x$y[z]$$double[d]d$");
    Dictionary d(text);
    QStringList keys;
    for (const QString& part : text.split('$')) {
        const QString head = part.section('[', 0, 0);
        keys << head << head.toUpper() << head.toLower();
        for (const QString& c : stemCandidates(head + "s"))
            keys << c;
        for (const QString& c : stemCandidates(head + "ing"))
            keys << c;
        for (const QString& c : stemCandidates(head + "ed"))
            keys << c;
    }
    keys << ""
         << "straSSe" << QStringLiteral("STRASSE") << QStringLiteral("ärger") << "x$y"
         << "hello[h"
         << "y"
         << "double"
         << "missing"
         << "look"
         << "at";
    for (const QString& k : keys)
        EXPECT_EQ(d.findIndexed(k), d.findLinear(k)) << k.toStdString();
}

// The demo course's dictionary, when the build has put one into the program
// folder: every headword and its fallback candidates agree.
TEST(Dictionary, IndexAgreesOnDemoDictionary) {
    QString text =
        TextFileStore::Load(QStringLiteral(SPOKEN_APP_DIR) + "/Lib.dll").value_or(QString());
    if (!text.contains('$')) text = sampleText();
    Dictionary d(text);
    d.startIndexing();
    int checked = 0;
    for (const QString& part : text.split('$')) {
        const QString head = part.section('[', 0, 0);
        QStringList keys{head, head.toUpper()};
        for (const char* ending : {"s", "es", "ing", "er", "est", "ed"})
            keys << stemCandidates(head + ending);
        for (const QString& k : keys) {
            ASSERT_EQ(d.findIndexed(k), d.findLinear(k)) << k.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(Dictionary, BackgroundIndexAnswersLikeLinearWhileBuilding) {
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += "$w" + QString::number(i) + "[p]m";
    text += "$";
    Dictionary d(text);
    d.startIndexing();
    // Whether or not the build has finished, the answers are the same.
    EXPECT_EQ(d.find(u"W19999"), d.findLinear(u"W19999"));
    d.buildIndex();
    EXPECT_TRUE(d.indexReady());
    EXPECT_EQ(d.indexedEntries(), 20000u);
    EXPECT_EQ(d.find(u"w5"), d.findLinear(u"w5"));
}
