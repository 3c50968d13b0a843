#include "WholeTextRig.h"

#include <QComboBox>
#include <QPushButton>

namespace {

struct PanelTest : ::testing::Test {
    WholeTextRig rig;
    WholeTextRows* rows = rig.rows();
    void SetUp() override { rig.load(lessonOf(40), 40); }
    bool hidden(const char* base, int i) const {
        return rows->isHiddenByColour(rig.element(base, i));
    }
    bool underlined(int i) const { return Ui::shown(rows->row(i).Line3); }
    int underlines() const {
        int n = 0;
        for (int i = 1; i <= rows->count(); ++i)
            n += underlined(i);
        return n;
    }
    bool hand(const char* base, int i) const { return rows->pointerOf(rig.element(base, i)) == 99; }
};

TEST_F(PanelTest, RecallChineseStyleAndClicks) {
    rig.tab(3);
    for (int i = 1; i <= rows->count(); ++i) {
        ASSERT_FALSE(hidden("Label6", i));
        ASSERT_TRUE(hidden("Label8", i));
        ASSERT_TRUE(Ui::shown(rig.element("Label8", i)));
        ASSERT_TRUE(Ui::shown(rig.element("Label17", i)));
        ASSERT_FALSE(Ui::shown(rig.element("Label18", i)));
        ASSERT_FALSE(hand("Label6", i));
        ASSERT_TRUE(hand("Label8", i));
    }
    // The band under sentence 4, twice: its Chinese appears, then goes.
    RowElement* band = rig.element("Label17", 4);
    rig.click(band);
    EXPECT_FALSE(hidden("Label8", 4));
    EXPECT_EQ(rig.downs(), 1);
    EXPECT_EQ(rig.ups(), 1);
    rig.click(band);
    EXPECT_TRUE(hidden("Label8", 4));
    EXPECT_EQ(rig.downs(), 2);
    EXPECT_EQ(rig.ups(), 2);
    // The other rows are untouched and nothing plays.
    EXPECT_TRUE(hidden("Label8", 3));
    EXPECT_TRUE(hidden("Label8", 5));
    EXPECT_EQ(rig.engine.count("play"), 0);
    // The Chinese line itself toggles as well.
    rig.playback->EndWatchTimer()->stop();
    rig.panel()->Label8_MouseDown(6);
    rig.panel()->Label8_MouseUp(6);
    EXPECT_FALSE(hidden("Label8", 6));
    // An English line only takes the underlines away.
    rig.panel()->showUnderline(2);
    rig.click(rig.element("Label6", 7));
    EXPECT_EQ(underlines(), 0);
    EXPECT_FALSE(hidden("Label6", 7));
    EXPECT_EQ(rig.engine.count("play"), 0);
}

TEST_F(PanelTest, RecallEnglishStyleAndClicks) {
    rig.tab(4);
    for (int i = 1; i <= rows->count(); ++i) {
        ASSERT_TRUE(hidden("Label6", i));
        ASSERT_FALSE(hidden("Label8", i));
        ASSERT_FALSE(Ui::shown(rig.element("Label17", i)));
        ASSERT_TRUE(Ui::shown(rig.element("Label18", i)));
        ASSERT_TRUE(hand("Label6", i));
        ASSERT_FALSE(hand("Label8", i));
    }
    rig.panel()->showUnderline(5);
    // The band around sentence 2 reveals it and underlines it alone.
    rig.click(rig.element("Label18", 2));
    EXPECT_FALSE(hidden("Label6", 2));
    EXPECT_TRUE(underlined(2));
    EXPECT_EQ(underlines(), 1);
    EXPECT_EQ(rig.downs(), 1);
    EXPECT_EQ(rig.ups(), 1);
    // The English line's own handlers: press sound, release toggles back.
    rig.panel()->Label6_MouseDown(2);
    rig.panel()->Label6_MouseUp(2);
    EXPECT_TRUE(hidden("Label6", 2));
    EXPECT_TRUE(underlined(2));
    EXPECT_EQ(rig.downs(), 2);
    EXPECT_EQ(rig.ups(), 2);
    // A click on the Chinese line does nothing in this mode.
    rig.click(rig.element("Label8", 3));
    EXPECT_FALSE(hidden("Label8", 3));
    EXPECT_TRUE(hidden("Label6", 3));
    EXPECT_EQ(rig.ups(), 2);
}

TEST_F(PanelTest, ResetHidesTheRecalledLinesAgainAndScrollsToTheTop) {
    struct Case {
        int mode;
        const char* revealBand;
        const char* line;
    } cases[] = {{3, "Label17", "Label8"}, {4, "Label18", "Label6"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        rig.tab(c.mode);
        rig.click(rig.element(c.revealBand, 1));
        rig.click(rig.element(c.revealBand, 3));
        ASSERT_FALSE(hidden(c.line, 1));
        rig.click(rig.panels->Command33);
        rig.click(rig.panels->Command33);
        ASSERT_LT(rig.scroll()->listTop(), 0);
        rig.click(rig.element("Image2", 2)); // something plays
        ASSERT_TRUE(rig.playback->EndWatchTimer()->isActive());
        const bool underline3 = underlined(3);

        rig.click(rig.panels->Command16);
        for (int i = 1; i <= rows->count(); ++i) {
            ASSERT_TRUE(hidden(c.line, i)) << i;
            ASSERT_FALSE(hidden(c.mode == 3 ? "Label6" : "Label8", i)) << i;
            ASSERT_TRUE(Ui::shown(rig.element("Image2", i)));
        }
        EXPECT_EQ(rig.scroll()->listTop(), 0);
        EXPECT_EQ(rig.scroll()->thumbTop(), 255);
        EXPECT_FALSE(rig.playback->EndWatchTimer()->isActive());
        EXPECT_FALSE(rig.engine.playing);
        EXPECT_EQ(underlined(3), underline3); // underlines stay
    }
}

TEST_F(PanelTest, PlayIconClickPlaysTheRowWithSounds) {
    rig.tab(2);
    RowElement* icon = rig.element("Image2", 5);
    const QPoint at = icon->pos();
    rig.press(icon);
    EXPECT_EQ(icon->pos(), at + QPoint(1, 1));
    EXPECT_EQ(rig.downs(), 1);
    rig.release(icon);
    EXPECT_EQ(icon->pos(), at);
    EXPECT_EQ(rig.ups(), 1);
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 5.0);
    EXPECT_DOUBLE_EQ(rig.player.SentenceEnd, 5.5);
    EXPECT_TRUE(rig.playback->EndWatchTimer()->isActive());
    EXPECT_TRUE(underlined(5));
    EXPECT_EQ(underlines(), 1);
    EXPECT_EQ(rig.panel()->ReadRow, 0); // the icon does not choose the row
}

TEST_F(PanelTest, EnglishLineClickInWholeTextPlaysAndChoosesTheRow) {
    rig.tab(2);
    rig.playback->PlayCount = 3;
    rig.click(rig.element("Label6", 7));
    EXPECT_EQ(rig.panel()->ReadRow, 7);
    EXPECT_EQ(rig.playback->PlayCount, 0);
    EXPECT_DOUBLE_EQ(rig.player.SentenceStart, 7.0);
    EXPECT_TRUE(underlined(7));
    EXPECT_EQ(rig.downs() + rig.ups(), 0); // silent in this mode
}

TEST_F(PanelTest, ChineseHiddenPlacesTheEnglishLinesCloser) {
    rig.panels->wholeTextChinese->setOn(false);
    rig.tab(2);
    const int left = rows->row(0).english.left;
    EXPECT_EQ(rows->row(0).english.top, -260);
    EXPECT_EQ(rig.panels->Command34->text(), QString::fromUtf8(" 显示中文(&C)"));
    for (int i = 1; i <= rows->count(); ++i) {
        const WholeTextRow& r = rows->row(i);
        const WholeTextRow& prev = rows->row(i - 1);
        ASSERT_EQ(r.english.top, prev.english.top + prev.english.height + 150) << i;
        ASSERT_EQ(r.english.left, left - 240) << i;
        ASSERT_FALSE(Ui::shown(r.Label8));
        ASSERT_TRUE(hidden("Label8", i));
        ASSERT_FALSE(Ui::shown(r.Image2));
    }
    // The toggle on and off again: 150 twips left of the template.
    rig.click(rig.panels->wholeTextChinese->caption());
    EXPECT_EQ(rows->row(3).english.left, left);
    EXPECT_EQ(rows->row(3).english.top,
              rows->row(2).chinese.top + rows->row(2).chinese.height + 100);
    EXPECT_TRUE(Ui::shown(rows->row(3).Label8));
    rig.click(rig.panels->wholeTextChinese->caption());
    EXPECT_EQ(rows->row(3).english.left, left - 150);
    EXPECT_EQ(rig.panels->Command34->text(), QString::fromUtf8(" 显示中文(&C)"));
}

TEST_F(PanelTest, EnglishToggleHidesTheEnglishByColour) {
    rig.tab(2);
    rig.click(rig.panels->wholeTextEnglish->caption());
    for (int i = 1; i <= rows->count(); ++i)
        ASSERT_TRUE(hidden("Label6", i));
    EXPECT_TRUE(Ui::shown(rows->row(1).Label6)); // still in its place
    rig.tab(3);
    rig.tab(2); // the whole-text style keeps the choice
    EXPECT_TRUE(hidden("Label6", 1));
    rig.click(rig.panels->wholeTextEnglish->caption());
    EXPECT_FALSE(hidden("Label6", 1));
}

TEST_F(PanelTest, ShowHideButtonSwitchesTheChinese) {
    rig.tab(2);
    auto* button = rig.panels->Command34;
    EXPECT_EQ(button->text(), QString::fromUtf8(" 隐藏中文(&C)"));
    rig.click(button);
    EXPECT_EQ(button->text(), QString::fromUtf8(" 显示中文(&C)"));
    EXPECT_FALSE(rig.panels->wholeTextChinese->isOn());
    EXPECT_TRUE(Ui::shown(rig.panels->Picture11));
    EXPECT_FALSE(Ui::shown(rows->row(1).Label8));
    // Moving over the list takes the tip away.
    QTest::mouseMove(rig.panels->Picture2, QPoint(2, 2));
    rig.panel()->Picture2_MouseMove();
    EXPECT_FALSE(Ui::shown(rig.panels->Picture11));
    rig.click(button);
    EXPECT_EQ(button->text(), QString::fromUtf8(" 隐藏中文(&C)"));
    EXPECT_TRUE(rig.panels->wholeTextChinese->isOn());
    EXPECT_TRUE(Ui::shown(rows->row(1).Label8));
}

TEST_F(PanelTest, DoubleClickShowsTheTranslationOnlyWhenChineseIsHidden) {
    rig.tab(2);
    QTest::mouseDClick(rig.element("Label6", 3), Qt::LeftButton);
    EXPECT_TRUE(rig.notifier.shown.isEmpty());
    rig.panels->wholeTextChinese->setOn(false);
    rig.engine.calls.clear();
    QTest::mouseDClick(rig.element("Label6", 3), Qt::LeftButton);
    ASSERT_EQ(rig.notifier.shown.size(), 1);
    EXPECT_EQ(rig.notifier.shown[0], QString::fromUtf8("中文|句子3。"));
    EXPECT_TRUE(rig.engine.calls.contains("pause"));
}

TEST_F(PanelTest, AClickOnTheListBackgroundIsNotARowClick) {
    rig.tab(3);
    // Left of the play icons nothing of a row lies.
    QTest::mouseClick(rig.panels->Picture2, Qt::LeftButton, {},
                      QPoint(2, px(rows->row(5).english.top) + 2));
    EXPECT_EQ(rig.downs() + rig.ups(), 0);
    for (int i = 1; i <= rows->count(); ++i)
        ASSERT_TRUE(hidden("Label8", i));
}

} // namespace

namespace {

TEST_F(PanelTest, TheListShowsThePointerOfTheLineUnderTheMouse) {
    auto moveOver = [&](QWidget* w) {
        const QPointF at(w->width() / 2.0, w->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        return rig.panels->Picture2->cursor().shape();
    };
    rig.tab(4);
    EXPECT_EQ(moveOver(rig.element("Label8", 2)), Qt::ArrowCursor);
    EXPECT_EQ(moveOver(rig.element("Image2", 2)), Qt::PointingHandCursor);
    rig.tab(3);
    EXPECT_EQ(moveOver(rig.element("Label6", 2)), Qt::ArrowCursor);
    EXPECT_EQ(moveOver(rig.element("Label17", 2)), Qt::PointingHandCursor);
}

} // namespace
