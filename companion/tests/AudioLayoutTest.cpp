#include "AudioLayout.h"
#include "CompanionFixture.h"

TEST(AudioLayout, FileByBookAndLessonNumber) {
    struct Case {
        const char* book;
        int lesson;
        const char* file;
    } cases[] = {
        {"雅思口语900句", 1, "1.mp3"},    {"雅思口语900句", 10, "1.mp3"},
        {"雅思口语900句", 11, "2.mp3"},   {"雅思口语900句", 25, "3.mp3"},
        {"雅思口语900句", 50, "5.mp3"},   {"雅思口语900句", 51, "6.mp3"},
        {"雅思口语900句", 65, "6.mp3"},   {"雅思口语900句", 66, "7.mp3"},
        {"雅思口语900句", 75, "7.mp3"},   {"雅思口语900句", 76, ""},
        {"雅思口语900句", 0, ""},         {"常用会话900句", 18, "1.mp3"},
        {"常用会话900句", 19, "2.mp3"},   {"常用会话900句", 54, "3.mp3"},
        {"常用会话900句", 55, "4.mp3"},   {"常用会话900句", 72, "5.mp3"},
        {"常用会话900句", 87, "5.mp3"},   {"常用会话900句", 88, "6.mp3"},
        {"常用会话900句", 105, "6.mp3"},  {"常用会话900句", 106, ""},
        {"新概念英语第二册", 3, "3.wmv"}, {"走遍美国", 12, "12.wmv"},
        {"英语900句视频版", 1, "1.wmv"},  {"英语900句", 12, "12.mp3"},
        {"英语900句经典版", 7, "7.mp3"},  {"新英语900句", 100, "100.mp3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AudioLayout::fileName(QString::fromUtf8(c.book), c.lesson),
                  QString::fromUtf8(c.file))
            << c.book << " " << c.lesson;
}

TEST(AudioLayout, OnlyOneFilePerLessonBooksWarnAndVolumesFollowTheBook) {
    EXPECT_TRUE(AudioLayout::noticeWhenMissing(QStringLiteral("英语900句")));
    EXPECT_FALSE(AudioLayout::noticeWhenMissing(QStringLiteral("雅思口语900句")));
    EXPECT_FALSE(AudioLayout::noticeWhenMissing(QStringLiteral("常用会话900句")));
    EXPECT_FALSE(AudioLayout::noticeWhenMissing(QStringLiteral("新概念英语第一册")));
    EXPECT_EQ(AudioLayout::volumeFor(QStringLiteral("英语900句经典版")), 70);
    EXPECT_EQ(AudioLayout::volumeFor(QStringLiteral("英语900句视频版")), 50);
    EXPECT_EQ(AudioLayout::volumeFor(QStringLiteral("英语900句")), 100);
}

TEST(AudioLayout, LoaderOpensTheSharedFileAndKeepsItOutsideTheRanges) {
    TestCourse course;
    const QString book = QStringLiteral("雅思口语900句");
    QStringList titles;
    for (int i = 1; i <= 77; ++i)
        titles << QString("Unit %1").arg(i);
    course.addBook(book, titles, 1, false);
    CompanionHarness h(course.folder);
    h.window->course().loadBook(course.folder, book);
    h.window->course().currentLesson = 24; // lesson 25
    h.player().loadlesson();
    EXPECT_EQ(h.engine.file, course.folder.lessonAudioPath(book, 25, "3.mp3"));
    h.window->course().currentLesson = 76; // lesson 77: no range, keep lesson 25's file
    h.player().loadlesson();
    EXPECT_EQ(h.engine.file, course.folder.lessonAudioPath(book, 25, "3.mp3"));
    EXPECT_TRUE(h.notifier.shown.isEmpty()); // shared-file books give no notice
}

TEST(AudioLayout, AMissingMp3GivesOneNoticeThenSentenceOne) {
    TestCourse course;
    const QString book = QStringLiteral("英语900句");
    QStringList titles;
    for (int i = 1; i <= 12; ++i)
        titles << QString("Lesson %1").arg(i);
    course.addBook(book, titles, 2, false);
    CompanionHarness h(course.folder);
    h.window->course().loadBook(course.folder, book);
    h.window->course().currentLesson = 11;
    h.player().loadlesson();
    EXPECT_EQ(h.engine.file, course.folder.lessonAudioPath(book, 12));
    ASSERT_EQ(h.notifier.shown.size(), 1);
    EXPECT_TRUE(h.notifier.shown[0].startsWith(QStringLiteral("提示|")));
    EXPECT_EQ(h.english(), "L12 sentence 1.");
}
