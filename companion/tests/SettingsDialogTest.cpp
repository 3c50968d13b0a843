#include "SettingsDialog.h"
#include "ColourPalette.h"
#include "CompanionFixture.h"
#include "CompanionSettings.h"
#include "Twips.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

// Records what the dialog asks of the companion, in order.
struct RecordingControl : CompanionControl {
    QStringList calls;
    QStringList titles{"One", "Two", "Three", "Four"};
    QString bookName = QStringLiteral("新英语900句");
    QString book() const override { return bookName; }
    QStringList lessonTitles() const override { return titles; }
    int startLesson() const override { return 1; }
    QString endLesson() const override { return "Three"; }
    QString repeatValue() const override { return "3"; }
    QString pauseValue() const override { return "20"; }
    quint32 backgroundColour() const override { return CompanionSettings::kLavender; }
    quint32 textColour() const override { return 0; }
    void fwa(const QString& b) override {
        calls << "fwa:" + b;
        bookName = b;
        titles = {"Alpha", "Beta"};
    }
    void setnum(const QString& v) override { calls << "setnum:" + v; }
    void settime(const QString& v) override { calls << "settime:" + v; }
    void setBook(const QString& b) override { calls << "book:" + b; }
    void loadLessonAt(int i) override { calls << QString("load:%1").arg(i); }
    void startReload() override { calls << "reload"; }
    void setEndLesson(const QString& t) override { calls << "end:" + t; }
    void setStartLesson(int i) override { calls << QString("start:%1").arg(i); }
    void setColours(quint32 b, quint32 t) override {
        calls << QString("colours:%1,%2").arg(b).arg(t);
    }
};

void choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace

TEST(SettingsDialog, OpensOnTheCompanionsChoices) {
    RecordingControl c;
    Form2 d(c);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("设置"));
    EXPECT_EQ(d.bookList()->count(), 3);
    EXPECT_EQ(d.bookList()->currentText(), QStringLiteral("新英语900句"));
    EXPECT_EQ(d.startList()->currentText(), "Two");
    EXPECT_EQ(d.endList()->currentText(), "Three");
    EXPECT_EQ(d.repeatList()->count(), 11);
    EXPECT_EQ(d.repeatList()->currentText(), "3");
    EXPECT_EQ(d.pauseList()->count(), 14);
    EXPECT_EQ(d.pauseList()->currentText(), "20");
    EXPECT_TRUE(c.calls.isEmpty());
}

TEST(SettingsDialog, StartAndEndSnapAndOkAppliesInOrder) {
    RecordingControl c;
    Form2 d(c);
    choose(d.startList(), 2); // "Three": the end follows
    EXPECT_EQ(d.endList()->currentIndex(), 2);
    choose(d.endList(), 0); // before the start: snaps back
    EXPECT_EQ(d.endList()->currentIndex(), 2);
    choose(d.endList(), 3);
    EXPECT_EQ(d.endList()->currentIndex(), 3);
    d.OK_Click();
    EXPECT_EQ(c.calls.join(' '),
              QStringLiteral("book:新英语900句 load:2 reload end:Four start:2 colours:12615808,0"));
}

TEST(SettingsDialog, BookRepeatAndPauseActAtOnceAndStayAfterCancel) {
    RecordingControl c;
    Form2 d(c);
    choose(d.bookList(), 0);
    EXPECT_EQ(d.startList()->count(), 2);
    EXPECT_EQ(d.startList()->currentText(), "Alpha");
    EXPECT_EQ(d.endList()->currentText(), "Alpha");
    choose(d.repeatList(), 5);
    choose(d.pauseList(), 13);
    d.Cancel_Click();
    EXPECT_EQ(c.calls.join(' '), QStringLiteral("fwa:英语900句 setnum:5 settime:60"));
}

TEST(SettingsDialog, PaletteChoosesTheTargetSwatchColourAppliedOnlyByOk) {
    RecordingControl c;
    Form2 d(c);
    d.show();
    ColourPalette* p = d.colourPalette();
    EXPECT_FALSE(p->isVisible());
    QTest::mouseClick(d.textSwatch(), Qt::LeftButton);
    EXPECT_EQ(d.PaletteTarget(), 2);
    EXPECT_TRUE(p->isVisible());
    EXPECT_FALSE(p->hoverFrame()->isVisible());
    EXPECT_EQ(p->x(), d.textSwatch()->parentWidget()->x() + d.textSwatch()->x());
    EXPECT_EQ(p->y(), px(2445));
    p->Cell_MouseMove(5);
    EXPECT_TRUE(p->hoverFrame()->isVisible());
    EXPECT_EQ(p->hoverFrame()->pos(), p->cell(5)->pos() - QPoint(px(30), px(30)));
    QTest::mousePress(p->cell(13), Qt::RightButton); // any button: 0, 0, 255
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(d.textChoice(), ColourValue::fromRgb(0, 0, 255));
    EXPECT_TRUE(c.calls.isEmpty());

    QTest::mouseClick(d.backgroundSwatch(), Qt::LeftButton);
    EXPECT_EQ(d.PaletteTarget(), 1);
    QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(5, d.height() - 5)); // background hides it
    EXPECT_FALSE(p->isVisible());
    d.OK_Click();
    EXPECT_TRUE(c.calls.last().endsWith(QString(",%1").arg(ColourValue::fromRgb(0, 0, 255))));
}

TEST(SettingsDialog, PaletteHoldsTheSixteenColoursRowByRow) {
    const QList<quint32> colours = ColourPalette::colours();
    ASSERT_EQ(colours.size(), 16);
    EXPECT_EQ(colours[9], CompanionSettings::kLavender); // row 3, column 2
    EXPECT_EQ(colours[5], ColourValue::fromRgb(29, 56, 91));
    EXPECT_EQ(colours[15], ColourValue::fromRgb(0, 255, 0));
}

TEST(SettingsDialog, OkOnTheRealCompanionLoadsTheStartAndKeepsPlaying) {
    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"A", "B", "C"});
    course.addBook(QStringLiteral("新英语900句"), {"X", "Y"});
    course.writeSettings(QStringLiteral("0\\1\\1\\1\\0\\1\\0\\A\\0\\英语900句\\12615808\\0\\"));
    CompanionHarness h(course.folder);
    h.window->startUp();
    h.window->AR5_Click();
    Form2* d = h.window->settingsDialog();
    ASSERT_NE(d, nullptr);
    choose(d->bookList(), 1);
    EXPECT_EQ(h.window->course().book, QStringLiteral("新英语900句"));
    EXPECT_EQ(h.english(), "L1 sentence 1."); // still the old lesson until OK
    EXPECT_TRUE(h.engine.file.contains(QStringLiteral("英语900句/1.mp3")));
    choose(d->startList(), 1);
    d->OK_Click();
    EXPECT_EQ(h.window->course().currentLesson, 1);
    EXPECT_EQ(h.window->course().HN, 1);
    EXPECT_EQ(h.window->course().EndLesson, "Y");
    EXPECT_TRUE(h.engine.file.endsWith(QStringLiteral("新英语900句/2.mp3")));
    EXPECT_TRUE(h.player().reloadTimer().isActive());
    EXPECT_EQ(h.english(), "L2 sentence 1.");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(h.window->settingsDialog(), nullptr); // closed and gone
}

TEST(SettingsDialog, DraggingTheBackgroundMovesTheDialog) {
    RecordingControl c;
    Form2 d(c);
    d.move(100, 100);
    const QPoint press(10, d.height() - 10);
    QMouseEvent down(QEvent::MouseButtonPress, press, d.mapToGlobal(press), Qt::LeftButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(&d, &down);
    const QPoint to = press + QPoint(30, -12);
    QMouseEvent move(QEvent::MouseMove, to, d.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&d, &move);
    EXPECT_EQ(d.pos(), QPoint(130, 88));
}
