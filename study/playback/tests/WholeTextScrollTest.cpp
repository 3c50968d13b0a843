#include "WholeTextRig.h"

#include <QComboBox>
#include <QPushButton>

namespace {

struct ScrollTest : ::testing::Test {
    WholeTextRig rig;
    WholeTextScroll* scroll = rig.scroll();
    void SetUp() override {
        rig.load(lessonOf(40), 40);
        rig.tab(2);
    }
    // The list made exactly `extra` twips taller than the viewport.
    void tallerBy(int extra) { scroll->setListHeight(scroll->viewportHeight() + extra); }
    int expectedThumb(int top) const {
        const int range = scroll->listHeight() - scroll->viewportHeight();
        const int percent = int(-double(top) / range * 100.0);
        return percent * scroll->travel() / 100 + 255;
    }
};

TEST_F(ScrollTest, ThreeDownPressesReachTheEnd) {
    tallerBy(1200);
    auto* down = rig.panels->Command33;
    const int expected[] = {-500, -1000, -1200};
    for (int top : expected) {
        rig.click(down);
        EXPECT_EQ(scroll->listTop(), top);
        EXPECT_EQ(Ui::top(rig.panels->Picture2), top);
        EXPECT_EQ(rig.panels->Picture2->y(), px(top));
        EXPECT_EQ(scroll->thumbTop(), expectedThumb(top));
    }
    // The last row is aligned with the bottom and the thumb at its travel's end.
    EXPECT_EQ(scroll->listTop() + scroll->listHeight(), scroll->viewportHeight());
    EXPECT_EQ(scroll->thumbTop(), scroll->travel() + 255);
    EXPECT_EQ(scroll->thumbTop(), Ui::top(rig.panels->Command33) - Ui::height(rig.panels->Image33));
    rig.click(down);
    EXPECT_EQ(scroll->listTop(), -1200);
    EXPECT_TRUE(rig.panels->Combo4->hasFocus() || !rig.form->isActiveWindow());
}

TEST_F(ScrollTest, UpPressesGoBackAndStopAtTheTop) {
    tallerBy(1200);
    for (int i = 0; i < 3; ++i)
        rig.click(rig.panels->Command33);
    rig.click(rig.panels->Command32);
    EXPECT_EQ(scroll->listTop(), -700);
    EXPECT_EQ(scroll->thumbTop(), expectedThumb(-700));
    rig.click(rig.panels->Command32);
    EXPECT_EQ(scroll->listTop(), -200);
    rig.click(rig.panels->Command32); // less than a step left
    EXPECT_EQ(scroll->listTop(), 0);
    EXPECT_EQ(scroll->thumbTop(), 255);
}

TEST_F(ScrollTest, ArrowKeysOfTheKeySinkScroll) {
    tallerBy(1200);
    rig.panels->Combo4->setFocus();
    QTest::keyClick(rig.panels->Combo4, Qt::Key_Down);
    EXPECT_EQ(scroll->listTop(), -500);
    QTest::keyClick(rig.panels->Combo4, Qt::Key_Down);
    QTest::keyClick(rig.panels->Combo4, Qt::Key_Up);
    EXPECT_EQ(scroll->listTop(), -500);
}

TEST_F(ScrollTest, KeysDoNothingWhenTheListFits) {
    rig.load(lessonOf(2), 2);
    ASSERT_FALSE(scroll->barShown());
    QTest::keyClick(rig.panels->Combo4, Qt::Key_Down);
    EXPECT_EQ(scroll->listTop(), 0);
}

TEST_F(ScrollTest, DraggingTheThumbIsClampedToItsTrack) {
    tallerBy(3000);
    QLabel* thumb = rig.panels->Image33;
    const int lowest = Ui::top(rig.panels->Command33) - Ui::height(thumb);
    struct Case {
        int moveBy; // twips of pointer movement from the grip
        int thumbTop;
    } cases[] = {
        {-3000, 255},     // above the track
        {600, 255 + 600}, // inside
        {100000, lowest}, // below, stops at the down button
    };
    for (const Case& c : cases) {
        scroll->toTop();
        scroll->Image33_MouseDown(150);
        scroll->Image33_MouseMove(Qt::LeftButton, 150 + c.moveBy);
        EXPECT_EQ(scroll->thumbTop(), c.thumbTop) << c.moveBy;
        const int percent = int(double(c.thumbTop - 255) / scroll->travel() * 100.0);
        EXPECT_EQ(scroll->listTop(),
                  int(std::lround(
                      percent * double(scroll->viewportHeight() - scroll->listHeight()) / 100.0)));
    }
    EXPECT_EQ(scroll->listTop(), scroll->viewportHeight() - scroll->listHeight());
    // Moving without the button held leaves the thumb.
    scroll->Image33_MouseMove(Qt::NoButton, -5000);
    EXPECT_EQ(scroll->thumbTop(), lowest);
}

TEST_F(ScrollTest, DraggingWithTheMouse) {
    tallerBy(3000);
    QLabel* thumb = rig.panels->Image33;
    QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5 + 40), thumb->mapToGlobal(QPointF(5, 45)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(thumb, &move);
    EXPECT_EQ(scroll->thumbTop(), 255 + 40 * 15);
    EXPECT_LT(scroll->listTop(), 0);
    QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(5, 45));
}

} // namespace
