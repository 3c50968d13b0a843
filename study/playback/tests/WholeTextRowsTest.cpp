#include "WholeTextRig.h"

#include <QFontMetrics>

namespace {

struct RowsTest : ::testing::Test {
    WholeTextRig rig;
    WholeTextRows* rows = rig.rows();
};

TEST(WrappedHeight, OneLineUntilWiderThanTheWrapWidth) {
    struct Case {
        int natural, expectedLines;
    } cases[] = {{0, 1},    {999, 1},  {1000, 1}, {1001, 2},
                 {1999, 2}, {2000, 3}, {2500, 3}, {3000, 4}};
    for (const Case& c : cases)
        EXPECT_EQ(WholeTextRows::wrappedHeight(c.natural, 1000, 300), c.expectedLines * 300)
            << c.natural;
}

TEST_F(RowsTest, EachRowFollowsTheRowBeforeIt) {
    rig.load(lessonOf(12), 12);
    ASSERT_EQ(rows->count(), 12);
    const int w = rows->wrapWidth();
    EXPECT_EQ(w, Ui::width(rig.panels->Picture2) - 1100);
    for (int i = 1; i <= 12; ++i) {
        const WholeTextRow& r = rows->row(i);
        const WholeTextRow& prev = rows->row(i - 1);
        const WholeTextRow& t = rows->row(0);
        SCOPED_TRACE(i);
        EXPECT_EQ(r.Label5->text(),
                  QString("Sentence %1 here.#句子%1。#%2#%3#note %1#").arg(i).arg(i).arg(i + 0.5));
        EXPECT_EQ(r.Label6->text(), QString("Sentence %1 here.").arg(i));
        EXPECT_EQ(r.Label8->text(), QString("句子%1。").arg(i));
        EXPECT_EQ(r.english.top, prev.chinese.top + prev.chinese.height + 100);
        EXPECT_EQ(r.english.left, t.english.left);
        EXPECT_EQ(r.english.height, t.english.height);
        EXPECT_EQ(r.band18.top, r.english.top - 100);
        EXPECT_EQ(r.band18.height, r.english.height + 200);
        EXPECT_EQ(r.band18.width, w);
        EXPECT_EQ(r.number.top, r.english.top);
        EXPECT_EQ(r.Label12->text(), QString::number(i) + ".");
        EXPECT_EQ(r.icon.top, r.english.top + 30);
        EXPECT_EQ(r.chinese.top, r.english.top + r.english.height + 100);
        EXPECT_EQ(r.band17.top, r.english.top + r.english.height);
        EXPECT_EQ(r.band17.height, r.chinese.height + 270);
        const int y = r.english.top + r.english.height + 30;
        EXPECT_EQ(r.Line3->y1(), y);
        EXPECT_EQ(r.Line3->y2(), y);
        EXPECT_EQ(r.Line3->x1(), r.english.left);
        EXPECT_EQ(r.Line3->x2(), r.english.left + r.english.width);
        // The widgets sit where the twips say.
        EXPECT_EQ(r.Label6->geometry(), QRect(px(r.english.left), px(r.english.top),
                                              px(r.english.width), px(r.english.height)));
        EXPECT_TRUE(Ui::shown(r.Label6));
        EXPECT_TRUE(Ui::shown(r.Label8));
        EXPECT_TRUE(Ui::shown(r.Image2));
        EXPECT_FALSE(Ui::shown(r.Label5));
        EXPECT_FALSE(Ui::shown(r.Label12));
        EXPECT_FALSE(Ui::shown(r.Line3));
    }
    const WholeTextRow& last = rows->row(12);
    EXPECT_EQ(rig.scroll()->listHeight(), last.chinese.top + last.chinese.height + 130);
}

TEST_F(RowsTest, RowTensNumberSitsFurtherLeft) {
    rig.load(lessonOf(11), 11);
    const int templateLeft = rows->row(0).number.left;
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(rows->row(i).number.left, templateLeft) << i;
    EXPECT_EQ(rows->row(10).number.left, templateLeft - 135);
    EXPECT_EQ(rows->row(11).number.left, templateLeft - 135);
    EXPECT_EQ(rig.element("Label12", 10)->text(), "10.");
    EXPECT_EQ(rig.element("Label12", 7)->text(), "7.");
}

TEST_F(RowsTest, AWrappedRowIsThreeTemplateLinesHigh) {
    // An English line between two and three wrap widths long.
    const QString longLine = QString("word ").repeated(200).trimmed();
    const int natural = twips(QFontMetrics(rows->font()).horizontalAdvance(longLine) + 2);
    const int w = natural * 2 / 5; // natural = 2.5 W
    Ui::setWidth(rig.panels->Picture2, w + 1100);
    const int actualW = rows->wrapWidth();
    ASSERT_GE(natural, 2 * actualW);
    ASSERT_LT(natural, 3 * actualW);
    const QString text = "*Short.#短。#1#2##*" + longLine + "#长句。#2#3##*";
    rig.load(text, 2);
    const WholeTextRow& r = rows->row(2);
    EXPECT_EQ(r.english.height, 3 * rows->row(0).english.height);
    EXPECT_EQ(r.english.width, actualW);
    EXPECT_TRUE(r.Label6->wordWrap());
    EXPECT_EQ(rows->row(1).english.height, rows->row(0).english.height);
    EXPECT_LT(rows->row(1).english.width, actualW);
    EXPECT_EQ(r.band18.height, r.english.height + 200);
    EXPECT_EQ(r.chinese.top, r.english.top + r.english.height + 100);
}

TEST_F(RowsTest, ALoadRemovesThePreviousLessonsRows) {
    rig.load(lessonOf(30), 30);
    rig.load(lessonOf(4), 4);
    const char* bases[] = {"Label5",  "Label6",  "Label8", "Label12",
                           "Label17", "Label18", "Line3",  "Image2"};
    for (const char* base : bases) {
        int elements = 0;
        for (QWidget* w : rig.panels->Picture2->findChildren<QWidget*>())
            if (w->objectName().startsWith(QString(base) + "_")) ++elements;
        EXPECT_EQ(elements, 5) << base; // the template and four rows
        EXPECT_NE(rig.named(Ui::arrayName(base, 4)), nullptr) << base;
        EXPECT_EQ(rig.named(Ui::arrayName(base, 5)), nullptr) << base;
    }
    EXPECT_EQ(rows->count(), 4);
}

TEST_F(RowsTest, TheScrollBarShowsOnlyForAListTallerThanItsViewport) {
    rig.load(lessonOf(2), 2);
    EXPECT_LT(rig.scroll()->listHeight(), rig.scroll()->viewportHeight());
    for (const char* name : {"Command32", "Command33", "Image32", "Image33"})
        EXPECT_FALSE(Ui::shown(rig.named(name))) << name;
    rig.load(lessonOf(60), 60);
    EXPECT_GT(rig.scroll()->listHeight(), rig.scroll()->viewportHeight());
    for (const char* name : {"Command32", "Command33", "Image32", "Image33"})
        EXPECT_TRUE(Ui::shown(rig.named(name))) << name;
    EXPECT_EQ(rig.scroll()->listTop(), 0);
    EXPECT_EQ(rig.scroll()->thumbTop(), 255);
    EXPECT_EQ(Ui::height(rig.panels->Picture2), rig.scroll()->listHeight());
    EXPECT_EQ(rig.panels->Picture2->height(), px(rig.scroll()->listHeight()));
}

} // namespace
