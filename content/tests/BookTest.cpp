#include "Book.h"
#include "TextFileStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}
} // namespace

TEST(CaretList, FillsEntriesFromACaretText) {
    struct Case {
        const char* text;
        QStringList entries;
        bool valid;
    };
    const Case cases[] = {
        {"^a^b^c^", {"a", "b", "c"}, true},
        {"^a^^c^", {"a", "", "c"}, true},
        {"^ spaced ^", {" spaced "}, true},
        {"^a^b^\r\n", {"a", "b"}, true},
        {"^a^b^ \t\r\n ", {"a", "b"}, true},
        {"^", {}, true},
        {"^^", {""}, true},
        {"", {}, false},
        {"a^b^", {}, false},
        {"^a^b", {}, false},
        {"\r\n^a^", {}, false},
    };
    for (const Case& c : cases) {
        bool valid = !c.valid;
        EXPECT_EQ(CaretList::parse(u(c.text), &valid), c.entries) << c.text;
        EXPECT_EQ(valid, c.valid) << c.text;
    }
    EXPECT_EQ(CaretList::join({"a", "", "c"}), "^a^^c^");
    EXPECT_EQ(CaretList::join({}), "^");
}

TEST(Book, MarkPassedChangesOnlyTheWholeEntry) {
    Book book;
    book.resultsText = u("^☆Lesson 1^☆Lesson 10^☆Lesson 1^★Lesson 2^");
    EXPECT_TRUE(book.markPassed("Lesson 1"));
    EXPECT_EQ(book.resultsText, u("^★Lesson 1^☆Lesson 10^★Lesson 1^★Lesson 2^"));
    EXPECT_FALSE(book.markPassed("Lesson 1"));
    EXPECT_FALSE(book.markPassed("Lesson 3"));
    EXPECT_FALSE(book.markPassed(""));
    EXPECT_EQ(book.resultsText, u("^★Lesson 1^☆Lesson 10^★Lesson 1^★Lesson 2^"));
}

TEST(Book, ClearResultsTurnsEveryFilledStarOpen) {
    Book book;
    book.resultsText = u("^★a^☆b^★★c^x★^");
    book.clearResults();
    EXPECT_EQ(book.resultsText, u("^☆a^☆b^☆☆c^x☆^"));
}

TEST(Book, MissingFilesGiveAnEmptyBook) {
    QTemporaryDir dir;
    const Book book = Book::load(ProgramFolder(dir.path()), u("英语900句"));
    EXPECT_EQ(book.name, u("英语900句"));
    EXPECT_TRUE(book.lessonTitles.isEmpty());
    EXPECT_TRUE(book.resultsText.isEmpty());
    EXPECT_TRUE(book.resultEntries().isEmpty());
}

TEST(Book, LoadsMarksAndSavesThroughTheStore) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    const QString name = u("新英语900句");
    ASSERT_TRUE(TextFileStore::Save(folder.bookListPath(name), u("^问候^购物^\r\n")));
    ASSERT_TRUE(TextFileStore::Save(folder.resultsPath(name), u("^☆问候^☆购物^")));

    Book book = Book::load(folder, name);
    EXPECT_EQ(book.lessonTitles, (QStringList{u("问候"), u("购物")}));
    EXPECT_TRUE(book.markPassed(u("购物")));
    ASSERT_TRUE(book.saveResults(folder));

    QFile file(folder.resultsPath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("^\\'a1\\'ee\\'ce\\'ca\\'ba\\'f2^\\'a1\\'ef")) << bytes.constData();
    EXPECT_EQ(Book::load(folder, name).resultEntries(), (QStringList{u("☆问候"), u("★购物")}));
}

TEST(Book, AnUnsafeNameReadsAndWritesNothing) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.filePath("app"));
    // A results file one level above the program folder must stay out of reach.
    ASSERT_TRUE(TextFileStore::Save(dir.filePath("SETTING/Results/x.dat"), u("^★x^")));
    Book book = Book::load(folder, "../x");
    EXPECT_TRUE(book.resultsText.isEmpty());
    book.resultsText = u("^☆x^");
    EXPECT_FALSE(book.saveResults(folder));
    EXPECT_EQ(TextFileStore::Load(dir.filePath("SETTING/Results/x.dat")), u("^★x^"));
}

TEST(Book, StudyBooksInChooserOrder) {
    EXPECT_EQ(studyBooks(), (QStringList{u("英语900句"), u("新英语900句"), u("英语口语900句")}));
}
