#include "CompanionFixture.h"
#include "CompanionMenu.h"
#include "SentenceView.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace {

// Book "英语900句" with three lessons of two sentences.
struct LoopTest : ::testing::Test {
    TestCourse course;
    std::unique_ptr<CompanionHarness> h;

    void start(const QString& settings) {
        course.addBook(QStringLiteral("英语900句"), {"Greetings", "Weather", "Travel"});
        course.writeSettings(settings);
        h = std::make_unique<CompanionHarness>(course.folder);
        h->window->startUp();
    }
    QString where() const {
        return QString("%1/%2")
            .arg(h->window->course().currentLesson + 1)
            .arg(h->player().SentenceNo());
    }
};

} // namespace

TEST_F(LoopTest, PlaysARangeOfTwoLessonsAndStartsAgainAtHN) {
    start(QStringLiteral("1\\1\\1\\1\\0\\1\\0\\Travel\\1\\英语900句\\12615808\\0\\"));
    QStringList visited{where()};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(h->playThrough(), 1);
        visited << where();
    }
    EXPECT_EQ(visited.join(' '), "2/1 2/2 3/1 3/2 2/1 2/2");
    QStringList opened;
    for (const QString& c : h->engine.calls)
        if (c.startsWith("open:")) opened << QFileInfo(c.mid(5)).fileName();
    EXPECT_EQ(opened.join(' '), "2.mp3 3.mp3 2.mp3"); // start-up, then the loop
    // Each new lesson plays its first sentence at once.
    EXPECT_TRUE(h->engine.playing);
    EXPECT_TRUE(h->player().endWatchTimer().isActive());
}

TEST_F(LoopTest, TheBooksLastLessonWrapsToHNWhenTheEndLessonIsNotInTheList) {
    start(QStringLiteral("2\\1\\1\\1\\0\\1\\0\\No such lesson\\1\\英语900句\\12615808\\0\\"));
    h->playThrough();
    h->playThrough();
    EXPECT_EQ(where(), "2/1");
}

TEST_F(LoopTest, RepeatThreeWithPauseTwo) {
    start(QStringLiteral("0\\1\\1\\3\\2\\1\\0\\Travel\\0\\英语900句\\12615808\\0\\"));
    EXPECT_EQ(h->player().pauseTimer().interval(), 2010);
    EXPECT_EQ(h->engine.count("play"), 1);
    for (int play = 1; play <= 3; ++play) {
        EXPECT_EQ(h->player().SentenceNo(), 1);
        h->finishPlay();
        EXPECT_EQ(h->player().PlayCount, play);
        EXPECT_FALSE(h->player().endWatchTimer().isActive());
        EXPECT_TRUE(h->player().pauseTimer().isActive());
        EXPECT_FALSE(h->engine.playing);
        h->player().PauseTimer_Timer();
    }
    // Three plays, each from the sentence's start, a pause after each, then
    // sentence 2 begins.
    EXPECT_EQ(h->player().SentenceNo(), 2);
    EXPECT_EQ(h->engine.count("seek:10"), 3);
    EXPECT_EQ(h->engine.count("play"), 4);
    EXPECT_EQ(h->player().PlayCount, 0);
}

TEST_F(LoopTest, RepeatZeroPlaysOnlyOnF8ThenMovesOnSilently) {
    start(QStringLiteral("0\\1\\1\\0\\0\\1\\0\\Travel\\0\\英语900句\\12615808\\0\\"));
    EXPECT_EQ(h->engine.count("play"), 0);
    EXPECT_FALSE(h->player().endWatchTimer().isActive());
    QTest::keyClick(h->window.get(), Qt::Key_F8);
    EXPECT_EQ(h->engine.count("play"), 1);
    EXPECT_TRUE(h->player().endWatchTimer().isActive());
    h->finishPlay();
    ASSERT_TRUE(h->player().pauseTimer().isActive());
    h->player().PauseTimer_Timer();
    EXPECT_EQ(h->player().SentenceNo(), 2);
    EXPECT_EQ(h->engine.count("play"), 1);
    EXPECT_FALSE(h->player().endWatchTimer().isActive());
    EXPECT_FALSE(h->player().pauseTimer().isActive());
}

TEST_F(LoopTest, PauseDuringThePauseTimerDoesNotStopIt) {
    start(QStringLiteral("0\\1\\1\\2\\1\\1\\0\\Travel\\0\\英语900句\\12615808\\0\\"));
    h->finishPlay();
    h->window->menu().AR10->trigger();
    EXPECT_EQ(h->window->menu().AR10->text(), QStringLiteral("继续"));
    EXPECT_TRUE(h->player().pauseTimer().isActive());
    h->player().PauseTimer_Timer(); // the second play starts anyway
    EXPECT_TRUE(h->engine.playing);
    EXPECT_EQ(h->window->menu().AR10->text(), QStringLiteral("继续"));
    h->window->menu().AR10->trigger(); // only sets the caption back
    EXPECT_EQ(h->window->menu().AR10->text(), QStringLiteral("暂停"));
    EXPECT_TRUE(h->engine.playing);
}

TEST_F(LoopTest, PauseAndContinueResumeWithoutSeeking) {
    start(QStringLiteral("0\\1\\1\\1\\0\\1\\0\\Travel\\0\\英语900句\\12615808\\0\\"));
    h->engine.setPosition(11.0);
    h->window->menu().AR10->trigger();
    EXPECT_FALSE(h->engine.playing);
    EXPECT_FALSE(h->player().endWatchTimer().isActive());
    const int seeks = int(h->engine.calls.filter("seek:").size());
    h->window->menu().AR10->trigger();
    EXPECT_TRUE(h->engine.playing);
    EXPECT_TRUE(h->player().endWatchTimer().isActive());
    EXPECT_EQ(h->engine.calls.filter("seek:").size(), seeks);
}

TEST_F(LoopTest, RepeatChosenDuringThePauseStartsTheCountAgain) {
    start(QStringLiteral("0\\1\\1\\1\\0\\1\\0\\Travel\\0\\英语900句\\12615808\\0\\"));
    h->finishPlay();
    h->window->setnum("5");
    EXPECT_EQ(h->player().PlayCount, 0);
    int plays = 0;
    while (h->player().SentenceNo() == 1 && plays < 20) {
        h->player().PauseTimer_Timer();
        if (h->player().SentenceNo() != 1) break;
        h->finishPlay();
        ++plays;
    }
    EXPECT_EQ(plays, 5);
}

TEST_F(LoopTest, NavigationKeysMenuItemsAndTooltip) {
    start(QStringLiteral("0\\1\\1\\0\\0\\1\\0\\Travel\\0\\英语900句\\12615808\\0\\"));
    CompanionMenu& m = h->window->menu();
    EXPECT_FALSE(m.AR2->isEnabled());
    EXPECT_TRUE(m.AR3->isEnabled());
    QTest::keyClick(h->window.get(), Qt::Key_PageDown);
    EXPECT_EQ(h->player().SentenceNo(), 2);
    EXPECT_TRUE(m.AR2->isEnabled());
    EXPECT_FALSE(m.AR3->isEnabled());
    QTest::keyClick(h->window.get(), Qt::Key_PageDown); // unavailable: nothing
    EXPECT_EQ(h->player().SentenceNo(), 2);
    EXPECT_EQ(h->window->view().EnglishLine()->toolTip(),
              QStringLiteral("Greetings 本课共有2句，当前是第2句"));
    QTest::keyClick(h->window.get(), Qt::Key_F1);
    EXPECT_EQ(h->player().SentenceNo(), 1);
    EXPECT_EQ(h->window->view().ChineseLine()->toolTip(),
              QStringLiteral("Greetings 本课共有2句，当前是第1句"));
    EXPECT_FALSE(m.AR2->isEnabled());
    QTest::keyClick(h->window.get(), Qt::Key_PageDown);
    QTest::keyClick(h->window.get(), Qt::Key_PageUp);
    EXPECT_EQ(h->player().SentenceNo(), 1);
    EXPECT_EQ(h->engine.count("play"), 0); // repeat 0: stepping never plays
}

TEST(PlayerLoop, TooltipOfSentenceFourOfTwelve) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"At the bank"}, 12);
    course.writeSettings(QStringLiteral("0\\1\\1\\0\\0\\1\\0\\At the bank\\0\\英语900句\\0\\0\\"));
    CompanionHarness h(course.folder);
    h.window->startUp();
    for (int i = 0; i < 3; ++i)
        h.player().NextSentence();
    EXPECT_EQ(h.player().tooltip(), QStringLiteral("At the bank 本课共有12句，当前是第4句"));
}

TEST(PlayerLoop, AOneSentenceLessonLeavesNextUnavailable) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Short"}, 1);
    CompanionHarness h(course.folder);
    h.window->startUp();
    EXPECT_FALSE(h.player().nextAvailable());
    EXPECT_FALSE(h.window->menu().AR3->isEnabled());
}

TEST(PlayerLoop, UnopenableAudioMovesOnOnceTheSentencesLengthHasPassed) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Quiet", "Next"}, 2, /*withAudio*/ false);
    course.writeSettings(QStringLiteral("0\\1\\1\\1\\0\\1\\0\\Next\\0\\英语900句\\0\\0\\"));
    CompanionHarness h(course.folder);
    h.window->startUp();
    EXPECT_EQ(h.notifier.shown.size(), 1);
    EXPECT_FALSE(h.player().audioUsable());
    h.now = 1990;
    h.player().EndWatchTimer_Timer();
    EXPECT_TRUE(h.player().endWatchTimer().isActive()); // 2 s sentence: not yet
    h.now = 2000;
    h.player().EndWatchTimer_Timer();
    EXPECT_FALSE(h.player().endWatchTimer().isActive());
    h.player().PauseTimer_Timer();
    EXPECT_EQ(h.player().SentenceNo(), 2);
}

TEST(PlayerLoop, SlowSpeedHalvesTheRateKeepsPitchAndDoublesTheTimedLength) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Quiet"}, 2, false);
    CompanionHarness h(course.folder);
    h.window->startUp();
    ASSERT_TRUE(h.window->menu().playRateMenu()->menuAction()->isVisible());
    h.window->menu().SlowPlay->trigger();
    EXPECT_EQ(h.engine.rate, 0.5);
    EXPECT_TRUE(h.window->menu().SlowPlay->isChecked());
    EXPECT_FALSE(h.window->menu().NormalPlay->isChecked());
    h.player().PlaySentence();
    h.now = 3000;
    h.player().EndWatchTimer_Timer();
    EXPECT_TRUE(h.player().endWatchTimer().isActive());
    h.now = 4000;
    h.player().EndWatchTimer_Timer();
    EXPECT_FALSE(h.player().endWatchTimer().isActive());
    h.window->menu().NormalPlay->trigger();
    EXPECT_EQ(h.engine.rate, 1.0);
}

TEST(PlayerLoop, PlayableAudioIsNeverCutShortByTheClock) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Loud"}, 2, true);
    CompanionHarness h(course.folder);
    h.window->startUp();
    ASSERT_TRUE(h.player().audioUsable());
    h.now = 60000;
    h.player().EndWatchTimer_Timer();
    EXPECT_TRUE(h.player().endWatchTimer().isActive());
    // The file's end counts as the end of a sentence that lies beyond it.
    h.engine.finish(false);
    h.player().EndWatchTimer_Timer();
    EXPECT_FALSE(h.player().endWatchTimer().isActive());
    EXPECT_EQ(h.player().PlayCount, 1);
}

TEST(PlayerLoop, AnEngineThatFailsToOpenFallsBackToTheClock) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Broken"}, 2, true);
    CompanionHarness h(course.folder);
    h.window->startUp();
    h.engine.finish(true); // exists but cannot be decoded
    EXPECT_FALSE(h.player().audioUsable());
    h.now = 2000;
    h.player().EndWatchTimer_Timer();
    EXPECT_FALSE(h.player().endWatchTimer().isActive());
}

TEST(PlayerLoop, ReloadTimerLoadsTheCurrentLessonAgain) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"A", "B"}, 3);
    CompanionHarness h(course.folder);
    h.window->startUp();
    h.player().NextSentence();
    h.player().startReload();
    EXPECT_TRUE(h.player().reloadTimer().isActive());
    EXPECT_EQ(h.player().reloadTimer().interval(), 10);
    h.player().ReloadTimer_Timer();
    EXPECT_FALSE(h.player().reloadTimer().isActive());
    EXPECT_EQ(h.player().SentenceNo(), 1);
}

TEST(PlayerLoop, AMalformedLessonIsShownAsAProblemAndDoesNotPlay) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Bad"}, 1);
    course.saveLesson(QStringLiteral("英语900句"), 1, "*only#two#*");
    CompanionHarness h(course.folder);
    h.window->startUp();
    EXPECT_FALSE(h.player().problem().isEmpty());
    EXPECT_EQ(h.engine.count("play"), 0);
    EXPECT_FALSE(h.window->menu().AR3->isEnabled());
}
