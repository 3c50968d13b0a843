#include "ProgramFolder.h"

#include <gtest/gtest.h>

namespace {
QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}
} // namespace

TEST(ProgramFolder, MapsBackslashPathsUnderTheRoot) {
    const ProgramFolder folder("/opt/app/");
    EXPECT_EQ(folder.root(), "/opt/app");
    EXPECT_EQ(folder.path("\\a\\b"), "/opt/app/a/b");
    EXPECT_EQ(folder.settingsPath(), "/opt/app/SETTING/set.dat");
    EXPECT_EQ(folder.dictionaryPath(), "/opt/app/Lib.dll");
    EXPECT_EQ(folder.phraseListPath(), "/opt/app/wg.dll");
    EXPECT_EQ(folder.lessonTextPath(u("新英语900句"), 10), u("/opt/app/book/新英语900句/10.dat"));
    EXPECT_EQ(folder.lessonAudioPath(u("新英语900句"), 10), u("/opt/app/Sound/新英语900句/10.mp3"));
    EXPECT_EQ(folder.lessonAudioPath(u("b"), 3, "1-10.mp3"), "/opt/app/Sound/b/1-10.mp3");
    EXPECT_EQ(folder.bookListPath(u("英语900句")), u("/opt/app/SETTING/BookList/英语900句.dat"));
    EXPECT_EQ(folder.resultsPath(u("英语900句")), u("/opt/app/SETTING/Results/英语900句.dat"));
    EXPECT_EQ(folder.wordAudioPath("hello"), "/opt/app/Word/h/hello.wav");
}

TEST(ProgramFolder, UnsafeBookNamesGiveNoPaths) {
    const ProgramFolder folder("/opt/app");
    const QString unsafe[] = {
        "",
        ".",
        "..",
        "../etc",
        "a/b",
        "a\\b",
        "x..y",
        "/abs",
        u("tab\there"),
        u("new\nline"),
        QString(QChar(0)) + "nul",
        QString(QChar(0x7F)),
        QString(QChar(0xD800)),
    };
    for (const QString& book : unsafe) {
        EXPECT_FALSE(ProgramFolder::isSafeBookName(book)) << book.toStdString();
        EXPECT_TRUE(folder.lessonTextPath(book, 1).isEmpty()) << book.toStdString();
        EXPECT_TRUE(folder.lessonAudioPath(book, 1).isEmpty());
        EXPECT_TRUE(folder.bookListPath(book).isEmpty());
        EXPECT_TRUE(folder.resultsPath(book).isEmpty());
    }
    for (const QString& book : {u("英语900句"), u("Book 1"), u("a.b"), u("😀")}) {
        EXPECT_TRUE(ProgramFolder::isSafeBookName(book)) << book.toStdString();
    }
    EXPECT_TRUE(folder.lessonAudioPath("b", 1, "../x.mp3").isEmpty());
    EXPECT_TRUE(folder.wordAudioPath("../x").isEmpty());
    EXPECT_TRUE(folder.wordAudioPath("").isEmpty());
}
