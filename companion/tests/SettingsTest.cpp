#include "CompanionFixture.h"
#include "CompanionMenu.h"
#include "CompanionSettings.h"
#include "SentenceView.h"
#include "Twips.h"

#include <QAction>
#include <QLabel>

TEST(CompanionSettings, RoundTripsEveryField) {
    const QString text =
        QStringLiteral("3\\1\\0\\5\\2\\7\\30\\第五课\\1\\新英语900句\\12615808\\255\\");
    int found = 0;
    const CompanionSettings s = CompanionSettings::parse(text, &found);
    EXPECT_EQ(found, 12);
    EXPECT_EQ(s.currentLesson, 3);
    EXPECT_TRUE(s.showEnglish);
    EXPECT_FALSE(s.showChinese);
    EXPECT_EQ(s.readTimesStudy, "5");
    EXPECT_EQ(s.pauseSecsStudy, "2");
    EXPECT_EQ(s.readTimesBrowse, "7");
    EXPECT_EQ(s.pauseSecsBrowse, "30");
    EXPECT_EQ(s.endLesson, QStringLiteral("第五课"));
    EXPECT_EQ(s.hn, 1);
    EXPECT_EQ(s.book, QStringLiteral("新英语900句"));
    EXPECT_EQ(s.background, CompanionSettings::kLavender);
    EXPECT_EQ(s.textColour, 255u);
    EXPECT_EQ(s.toText(), text);
    EXPECT_EQ(text.count('\\'), 12);
}

TEST(CompanionSettings, ReadsLenientlyAndFillsMissingFieldsWithNothing) {
    struct Case {
        QString text;
        int found;
        int lesson;
        QString book;
        quint32 background;
    } cases[] = {
        {"", 0, 0, "", 0},
        {" 2x\\1\\1\\", 3, 2, "", 0},
        {"abc\\1\\1\\1\\0\\1\\0\\End\\0\\英语900句\\ 0\\0\\", 12, 0, QStringLiteral("英语900句"),
         0},
        {"-4\\1\\1\\1\\0\\1\\0\\End\\-2\\b\\99999999999\\0\\trailing", 12, 0, "b", 0xFFFFFF},
    };
    for (const Case& c : cases) {
        int found = -1;
        const CompanionSettings s = CompanionSettings::parse(c.text, &found);
        EXPECT_EQ(found, c.found) << c.text.toStdString();
        EXPECT_EQ(s.currentLesson, c.lesson) << c.text.toStdString();
        EXPECT_EQ(s.book, c.book) << c.text.toStdString();
        EXPECT_EQ(s.background, c.background) << c.text.toStdString();
        EXPECT_GE(s.hn, 0);
        EXPECT_EQ(s.toText().count('\\'), 12);
    }
}

TEST(CompanionSettings, ABackslashInANameCannotShiftLaterFields) {
    CompanionSettings s;
    s.endLesson = "a\\b";
    s.book = "x\\y";
    const CompanionSettings back = CompanionSettings::parse(s.toText());
    EXPECT_EQ(back.endLesson, "ab");
    EXPECT_EQ(back.book, "xy");
    EXPECT_EQ(back.background, s.background);
}

TEST(CompanionSettings, TheFileIsRichTextAndReadsBackAsTheTwelveFields) {
    TestCourse course;
    CompanionSettings s;
    s.book = QStringLiteral("英语900句");
    s.endLesson = QStringLiteral("{问候}");
    course.writeSettings(s.toText());
    QFile f(course.folder.companionSettingsPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("{\\rtf"));
    EXPECT_EQ(CompanionSettings::parse(course.settingsText()), s);
}

TEST(CompanionStartUp, ExitRightAfterStartWritesTheWholeTextWithTheBrowseFieldsAsRead) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Greetings", "Weather", "Travel"});
    const QString text =
        QStringLiteral("1\\1\\0\\3\\2\\07\\2.50\\Travel\\1\\英语900句\\0\\16777215\\");
    course.writeSettings(text);
    {
        CompanionHarness h(course.folder);
        h.window->startUp();
        EXPECT_EQ(h.window->course().currentTitle(), "Weather");
        EXPECT_EQ(h.player().RepeatCount, "3");
        EXPECT_EQ(h.player().pauseTimer().interval(), 2010);
        EXPECT_TRUE(h.window->startUpChoice().isEmpty());
        h.window->close();
    }
    EXPECT_EQ(course.settingsText(), text);
}

TEST(CompanionStartUp, EnglishOnlyChoiceStartsWithTheLineLowerAndChineseUnchecked) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Greetings"});
    course.writeSettings(
        QStringLiteral("0\\1\\0\\0\\0\\1\\0\\Greetings\\0\\英语900句\\12615808\\0\\"));
    CompanionHarness h(course.folder);
    h.window->startUp();
    EXPECT_EQ(h.window->view().englishTop(), 450);
    EXPECT_EQ(h.window->view().EnglishLine()->y(), px(450));
    EXPECT_FALSE(h.window->view().ChineseLine()->isVisible());
    EXPECT_TRUE(h.window->view().EnglishLine()->isVisible());
    EXPECT_FALSE(h.window->menu().AR9->isChecked());
    // Repeat "0": the first sentence is shown, not played.
    EXPECT_EQ(h.english(), "L1 sentence 1.");
    EXPECT_EQ(h.engine.count("play"), 0);
}

TEST(CompanionStartUp, TopmostFramelessWindowAtItsCorner) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Greetings"});
    CompanionHarness h(course.folder);
    h.window->startUp();
    EXPECT_TRUE(h.window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(h.window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(h.window->pos(), QPoint(px(90), px(60)));
    EXPECT_EQ(h.window->windowTitle(), "Parlodesk");
}

TEST(CompanionStartUp, MissingSettingsOpenTheFirstLessonOfTheFirstBookWithContent) {
    TestCourse course;
    // The first book of the list has no lessons here; the second has.
    course.addBook(QStringLiteral("新英语900句"), {"One", "Two"});
    course.addBook(QStringLiteral("英语口语900句"), {"Other"});
    {
        CompanionHarness h(course.folder);
        h.window->startUp();
        EXPECT_EQ(h.window->course().book, QStringLiteral("新英语900句"));
        EXPECT_EQ(h.window->course().currentLesson, 0);
        EXPECT_EQ(h.window->course().EndLesson, "Two");
        EXPECT_EQ(h.english(), "L1 sentence 1.");
        EXPECT_TRUE(h.window->view().EnglishLine()->isVisible());
        EXPECT_TRUE(h.window->view().ChineseLine()->isVisible());
        EXPECT_EQ(h.window->backgroundColour(), CompanionSettings::kLavender);
        EXPECT_FALSE(h.window->startUpChoice().isEmpty());
        // It plays by itself.
        EXPECT_EQ(h.engine.count("play"), 1);
        h.window->close();
    }
    int found = 0;
    const CompanionSettings s = CompanionSettings::parse(course.settingsText(), &found);
    EXPECT_EQ(found, 12);
    EXPECT_EQ(s.book, QStringLiteral("新英语900句"));
    EXPECT_EQ(s.endLesson, "Two");
}

TEST(CompanionStartUp, NoContentAtAllSaysSoInsteadOfAnEmptyWindow) {
    TestCourse course;
    CompanionHarness h(course.folder);
    h.window->startUp();
    EXPECT_FALSE(h.player().problem().isEmpty());
    EXPECT_EQ(h.window->view().EnglishLine()->text(), h.player().problem());
    EXPECT_FALSE(h.window->menu().AR3->isEnabled());
    EXPECT_EQ(h.engine.count("play"), 0);
}
