#include "CompanionFixture.h"
#include "CompanionMenu.h"
#include "SentenceView.h"
#include "SpellingCheck.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

struct WindowTest : ::testing::Test {
    TestCourse course;
    std::unique_ptr<CompanionHarness> h;

    void start(const QString& settings, int sentences = 2) {
        course.addBook(QStringLiteral("英语900句"), {"Greetings", "Weather"}, sentences);
        course.writeSettings(settings);
        h = std::make_unique<CompanionHarness>(course.folder);
        h->window->startUp();
    }
    SentenceView& view() { return h->window->view(); }
};

const QString kBoth = QStringLiteral("0\\1\\1\\0\\0\\1\\0\\Weather\\0\\英语900句\\12615808\\0\\");
const QString kHidden = QStringLiteral("0\\0\\1\\0\\0\\1\\0\\Weather\\0\\英语900句\\12615808\\0\\");

} // namespace

TEST_F(WindowTest, ChineseLineToggleMovesTheEnglishLineAndResizesTheWindow) {
    start(kBoth);
    ASSERT_TRUE(view().ChineseLine()->isVisible());
    EXPECT_EQ(view().englishTop(), 405);
    EXPECT_EQ(view().chineseTop(), 405 + view().englishHeight() + 50);
    EXPECT_EQ(view().windowHeight(), view().chineseTop() + view().chineseHeight() + 110);
    EXPECT_EQ(h->window->height(), px(view().windowHeight()));
    EXPECT_TRUE(h->window->menu().AR9->isChecked());

    h->window->menu().AR9->trigger();
    EXPECT_FALSE(view().ShowChinese());
    EXPECT_FALSE(view().ChineseLine()->isVisible());
    EXPECT_EQ(view().englishTop(), 450);
    EXPECT_EQ(view().EnglishLine()->y(), px(450));
    EXPECT_EQ(view().windowHeight(), 450 + view().englishHeight() + 130);
    EXPECT_EQ(h->window->height(), px(450 + view().englishHeight() + 130));
    EXPECT_FALSE(h->window->menu().AR9->isChecked());

    const int chineseTop = view().chineseTop();
    h->window->menu().AR9->trigger();
    EXPECT_TRUE(view().ChineseLine()->isVisible());
    EXPECT_EQ(view().englishTop(), 405);
    EXPECT_EQ(view().chineseTop(), chineseTop); // kept until the next presentation
    EXPECT_EQ(view().windowHeight(), chineseTop + view().chineseHeight() + 110);
    EXPECT_TRUE(h->window->menu().AR9->isChecked());
    EXPECT_TRUE(h->window->currentSettings().showChinese);
}

TEST_F(WindowTest, WidthFollowsTheWiderLineWithAMinimumAndStripButtonsAtItsEnd) {
    start(kBoth);
    const int w = view().windowWidth();
    EXPECT_GE(w, 2500);
    EXPECT_EQ(h->window->width(), px(w));
    EXPECT_EQ(h->window->strip().width(), px(w));
    EXPECT_EQ(h->window->strip().closeButton()->x(), px(w - 375));
    EXPECT_EQ(h->window->strip().minimiseButton()->x(), px(w - 375 - 285 + 30));
    EXPECT_EQ(view().EnglishLine()->x(), px(165));
    EXPECT_EQ(view().ChineseLine()->x(), px(180));
}

TEST_F(WindowTest, ASentenceWiderThanTheScreenWrapsIntoTwoLines) {
    start(kBoth);
    view().setScreenWidth(6000);
    const int oneLine = view().englishHeight();
    view().ty(QString("A very long sentence ").repeated(20), QStringLiteral("很长"), "tip");
    EXPECT_TRUE(view().englishWraps());
    EXPECT_EQ(view().windowWidth(), 5700);
    EXPECT_EQ(h->window->x(), px(150));
    EXPECT_EQ(view().englishHeight(), 2 * oneLine);
    EXPECT_EQ(view().englishWidth(), 5700 - 150);
    EXPECT_TRUE(view().EnglishLine()->wordWrap());
    EXPECT_EQ(view().windowHeight(), 405 + 2 * oneLine + 50 + view().chineseHeight() + 110);
}

TEST_F(WindowTest, FontSizeStepsByThreeAndStopsAboveZero) {
    start(kBoth);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(view().SmallFont_Click());
    EXPECT_DOUBLE_EQ(view().englishPoints(), 5.25);
    EXPECT_DOUBLE_EQ(view().chinesePoints(), 1.5);
    EXPECT_EQ(view().chineseLeft(), view().englishLeft());
    EXPECT_EQ(view().ChineseLine()->x(), px(165));
    h->window->menu().SmallFont->trigger(); // would reach -1.5 points
    EXPECT_DOUBLE_EQ(view().englishPoints(), 5.25);
    EXPECT_DOUBLE_EQ(view().chinesePoints(), 1.5);
    EXPECT_GT(view().ChineseLine()->font().pointSizeF(), 0);
    h->window->menu().BigFont->trigger();
    EXPECT_DOUBLE_EQ(view().englishPoints(), 8.25);
    EXPECT_DOUBLE_EQ(view().EnglishLine()->font().pointSizeF(), 8.25);
}

TEST_F(WindowTest, LeftClickOnTheBackgroundOrALineOpensTheMenu) {
    start(kBoth);
    QMenu* m = h->window->menu().menu();
    for (QWidget* target :
         {static_cast<QWidget*>(h->window.get()), static_cast<QWidget*>(view().EnglishLine())}) {
        const QPoint at =
            target == h->window.get() ? QPoint(px(60), h->window->height() - 3) : QPoint(3, 3);
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        EXPECT_TRUE(m->isVisible());
        m->hide();
        EXPECT_EQ(h->window->strip().drag(), QPoint());
    }
}

TEST_F(WindowTest, DraggingTheStripMovesTheWindow) {
    start(kBoth);
    QWidget* title = h->window->strip().title();
    const QPoint start = h->window->pos();
    const QPoint local(5, 4);
    QMouseEvent press(QEvent::MouseButtonPress, local, title->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, {});
    QCoreApplication::sendEvent(title, &press);
    EXPECT_EQ(h->window->strip().drag(), local);
    const QPoint moved(45, 24);
    QMouseEvent move(QEvent::MouseMove, moved, title->mapToGlobal(moved), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(title, &move);
    EXPECT_EQ(h->window->pos(), start + QPoint(40, 20));
}

TEST_F(WindowTest, MenuItemsInTheirOrderWithTheSpeedSubmenuShown) {
    start(kBoth);
    QStringList items;
    for (QAction* a : h->window->menu().menu()->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items.join('|'),
              QStringLiteral("上一句(&B)|下一句(&N)|朗读(&R)|播放速度|暂停|-|中文(&C)|"
                             "选课/设置(&S)|-|放大字体|缩小字体|-|退出(&E)"));
    EXPECT_TRUE(h->window->menu().NormalPlay->isChecked());
    EXPECT_FALSE(h->window->menu().SlowPlay->isChecked());
}

TEST_F(WindowTest, ExitFromTheMenuSavesTheSettings) {
    start(kBoth);
    QSignalSpy closed(h->window.get(), &CompanionWindow::shutDown);
    h->window->menu().AR4->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(h->window->isVisible());
    EXPECT_EQ(course.settingsText(), kBoth);
}

// F9 spelling check: target "L1 sentence 1." has the letters "lsentence".
struct SpellingCase {
    const char* input;
    bool passes;
    int selection;
};

class SpellingCheckCases : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(SpellingCheckCases, SelectsWhereTheLettersPartAndMovesOnWhenTheyMatch) {
    const SpellingCase c = GetParam();
    const auto r = SpellingCheck::check(QString::fromUtf8(c.input), "L1 sentence 1.");
    EXPECT_EQ(r.correct, c.passes);
    EXPECT_EQ(r.selectionStart, c.selection);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpellingCheckCases,
    ::testing::Values(SpellingCase{"l SENTENCE!", true, 11}, // capitals, blanks, punctuation
                      SpellingCase{"lsentence", true, 9},
                      SpellingCase{"  ,lsentence", true, 12}, // non-letters before the first
                      SpellingCase{"lsntence", false, 2},     // a letter left out
                      SpellingCase{"lsent", false, 5},        // stops early
                      SpellingCase{"lsentencex", false, 9},   // one letter too many
                      SpellingCase{"", false, 0}),
    [](const ::testing::TestParamInfo<SpellingCase>& info) {
        return "case" + std::to_string(info.index);
    });

TEST_F(WindowTest, F9WithTheEnglishShownWarnsThenChecksTypedInput) {
    start(kBoth);
    QTest::keyClick(h->window.get(), Qt::Key_F9);
    ASSERT_EQ(h->notifier.shown.size(), 1);
    EXPECT_EQ(
        h->notifier.shown[0],
        QStringLiteral("Lingotra|请在“显示英文句子”处于未选中状态时使用此功能（快捷键F9）。"));
    QLineEdit* input = h->window->spelling().input();
    EXPECT_TRUE(input->hasFocus() || QApplication::focusWidget() == input ||
                h->window->focusWidget() == input);
    QStringList sounds;
    QObject::connect(&h->window->spelling(), &SpellingCheck::sound,
                     [&](const QString& s) { sounds << s; });
    QTest::keyClicks(input, "lsntence");
    EXPECT_EQ(sounds.count("type.wav"), 8);
    QTest::keyClick(input, Qt::Key_Backspace);
    EXPECT_EQ(sounds.count("type.wav"), 9);
    QTest::keyClick(input, Qt::Key_E);
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(sounds.count("type.wav"), 10); // Enter makes no typing sound
    EXPECT_EQ(sounds.count("wrong.wav"), 1);
    EXPECT_EQ(input->selectionStart(), 2);
    EXPECT_EQ(input->selectedText(), "n");
    EXPECT_EQ(h->player().SentenceNo(), 1);

    input->setText("L1 Sentence");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(h->player().SentenceNo(), 2);
    EXPECT_TRUE(input->text().isEmpty()); // emptied by the presentation
}

TEST_F(WindowTest, F9WithTheEnglishHiddenRevealsItAndTheLastSentenceSaysDone) {
    start(kHidden);
    EXPECT_FALSE(view().EnglishLine()->isVisible());
    h->player().NextSentence();
    QTest::keyClick(h->window.get(), Qt::Key_F9);
    EXPECT_TRUE(h->notifier.shown.isEmpty());
    EXPECT_TRUE(view().EnglishLine()->isVisible());
    h->window->spelling().input()->setText("L1 sentence two?");
    h->window->spelling().input()->setText("l1 sentence 2");
    QTest::keyClick(h->window->spelling().input(), Qt::Key_Return);
    ASSERT_EQ(h->notifier.shown.size(), 1);
    EXPECT_TRUE(h->notifier.shown[0].endsWith(QStringLiteral("|已完成！")));
    h->player().PrevSentence();
    EXPECT_FALSE(view().EnglishLine()->isVisible()); // hidden again on presentation
}

TEST(CompanionNotifier, NoticesNeitherBlockTheWindowNorPileUp) {
    Notifier n;
    n.inform(QStringLiteral("提示"), "first");
    n.inform(QStringLiteral("提示"), "second");
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) boxes << b;
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]->text(), "second");
    EXPECT_EQ(boxes[0]->windowModality(), Qt::NonModal);
    EXPECT_FALSE(QApplication::activeModalWidget());
    boxes[0]->close();
}

TEST_F(WindowTest, TheStripsCloseButtonSavesAndClosesAndMinimiseMinimises) {
    start(kBoth);
    QTest::mouseClick(h->window->strip().minimiseButton(), Qt::LeftButton);
    EXPECT_TRUE(h->window->isMinimized());
    h->window->showNormal();
    QTest::mouseClick(h->window->strip().closeButton(), Qt::LeftButton);
    EXPECT_FALSE(h->window->isVisible());
    EXPECT_EQ(course.settingsText(), kBoth);
}

TEST_F(WindowTest, AStoredLessonPastTheListsEndStartsAtTheFirst) {
    start(QStringLiteral("9\\1\\1\\0\\0\\1\\0\\Weather\\0\\英语900句\\12615808\\0\\"));
    EXPECT_EQ(h->window->course().currentLesson, 0);
    EXPECT_EQ(h->english(), "L1 sentence 1.");
}
