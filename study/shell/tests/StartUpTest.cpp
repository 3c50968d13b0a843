#include "DrawnToggle.h"
#include "FirstLaunchTip.h"
#include "LessonAudioPlayer.h"
#include "LessonChooser.h"
#include "SentencePlayback.h"
#include "SentencePresenter.h"
#include "StudyModes.h"
#include "StudyPanels.h"
#include "TestCourse.h"
#include "Ui.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const char* const kExample = "2\\1\\1\\2\\1\\1\\0\\0\\0\\新英语900句\\80\\";

TEST(StartUp, RestoresTheStoredBookLessonAndChoices) {
    TestCourse course;
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("2\\0\\1\\3\\2\\1\\0\\1\\1\\新英语900句\\90\\"));
    Window w(course);
    auto* p = w.form->presenter();
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(w.form->windowTitle(), "Lingotra");
    EXPECT_EQ(w.form->chooser()->Combo1()->currentText(), course.book);
    EXPECT_EQ(w.form->chooser()->List1()->count(), 3);
    EXPECT_EQ(w.form->chooser()->List1()->currentRow(), 2);
    EXPECT_EQ(w.named<QLabel>("Label7_20")->text(), QString::fromUtf8("第3课 天气"));
    EXPECT_EQ(p->SentenceNo(), 1);
    EXPECT_EQ(p->SentenceCount(), 12);
    EXPECT_EQ(p->Label1->text(), "L3 sentence 1.");
    EXPECT_EQ(w.form->state().StudyMode, 1);
    EXPECT_FALSE(p->englishToggle()->isOn());
    EXPECT_FALSE(Ui::shown(p->Label1));
    EXPECT_TRUE(Ui::shown(p->Label39));
    EXPECT_TRUE(w.form->panels()->compareChinese->isOn());
    EXPECT_EQ(w.form->playback()->Combo2()->currentText(), "3");
    EXPECT_EQ(w.form->playback()->Combo3()->currentText(), "2");
    EXPECT_EQ(w.form->panels()->Combo5->currentText(), "90");
    EXPECT_EQ(w.form->player()->LessonAudioPath,
              course.path("\\Sound\\" + course.book + "\\3.mp3"));
    EXPECT_TRUE(w.engine->calls.contains("open:" + w.form->player()->LessonAudioPath));
    EXPECT_TRUE(w.notifier.shown.isEmpty()) << w.notifier.shown.join("\n").toStdString();
    EXPECT_EQ(w.form->panels()->Label34->text(), "12");
    EXPECT_EQ(w.form->panels()->Label33->text(), "0");
}

// A first start, a settings file that does not parse, a book without
// content and a lesson index that selects nothing all open the first lesson
// of the first book that has lessons, with sound.
TEST(StartUp, FallsBackToTheFirstBookWithLessons) {
    struct Case {
        const char* name;
        const char* settings; // nullptr: no file
        bool readCountOne;
    };
    const Case cases[] = {
        {"no settings", nullptr, true},
        {"unparsable", "garbage without fields", true},
        {"initial book", "0\\1\\1\\1\\0\\1\\0\\1\\0\\商务英语900句\\60\\", true},
        {"empty book", "1\\1\\1\\2\\0\\1\\0\\1\\0\\英语900句\\60\\", false},
        {"no lesson", "-1\\1\\1\\2\\0\\1\\0\\1\\0\\新英语900句\\60\\", false},
        {"beyond list", "7\\1\\1\\2\\0\\1\\0\\1\\0\\新英语900句\\60\\", false},
        {"unsafe book", "0\\1\\1\\2\\0\\1\\0\\1\\0\\..\\60\\", false},
    };
    for (const Case& c : cases) {
        TestCourse course;
        if (c.settings) course.write("\\SETTING\\set.dat", QString::fromUtf8(c.settings));
        Window w(course);
        EXPECT_EQ(w.form->chooser()->Combo1()->currentText(), course.book) << c.name;
        EXPECT_EQ(w.form->chooser()->List1()->currentRow(), 0) << c.name;
        EXPECT_EQ(w.form->presenter()->Label1->text(), "L1 sentence 1.") << c.name;
        EXPECT_EQ(w.engine->count("play"), 1) << c.name; // the first sentence is heard
        if (c.readCountOne) {
            EXPECT_EQ(w.form->playback()->Combo2()->currentText(), "1") << c.name;
            EXPECT_EQ(w.form->playback()->Combo3()->currentText(), "0") << c.name;
        }
        EXPECT_TRUE(w.notifier.shown.isEmpty()) << c.name;
    }
}

TEST(StartUp, DictionaryAndPhraseListAreKept) {
    TestCourse course;
    const QString dictionary = QString::fromUtf8("$look[luk]v. 看\r\n$run[rVn]v. 跑\r\n$");
    course.write("\\Lib.dll", dictionary);
    course.write("\\wg.dll", "$look at$get up$");
    Window w(course);
    EXPECT_EQ(w.form->WordGroupText, "$look at$get up$");
    bool ready = false;
    QObject::connect(w.form.get(), &Form1::dictionaryReady, [&] { ready = true; });
    EXPECT_EQ(w.form->DictionaryText(), dictionary);
    QTRY_VERIFY_WITH_TIMEOUT(ready, 5000);
}

TEST(StartUp, DpiOtherThan96IsExplainedFirst) {
    TestCourse course;
    Window normal(course);
    EXPECT_TRUE(normal.notifier.shown.isEmpty());
    Window scaled(course, 120);
    ASSERT_FALSE(scaled.notifier.shown.isEmpty());
    EXPECT_EQ(scaled.notifier.shown[0], "|" + Form1::dpiMessage());
    EXPECT_TRUE(Form1::dpiMessage().contains("\r\n[Windows 7]\r\n"));
    EXPECT_TRUE(scaled.form->isVisible());
}

TEST(StartUp, LaunchCounterAndFirstLaunchTip) {
    TestCourse course;
    {
        Window first(course);
        EXPECT_EQ(course.read("\\SETTING\\load.dat"), "1");
        QWidget* tip = first.form->panels()->Picture14;
        EXPECT_LT(Ui::left(tip), 0);
        QTest::mouseMove(first.form->presenter()->Command1);
        QTest::mousePress(first.form->presenter()->Command1, Qt::LeftButton);
        QTest::mouseRelease(first.form->presenter()->Command1, Qt::LeftButton);
        EXPECT_GE(Ui::left(tip), 0);
        EXPECT_TRUE(first.form->tip()->Timer4()->isActive());
        EXPECT_EQ(first.form->tip()->Timer4()->interval(), 10000);
        first.form->tip()->Timer4_Timer();
        EXPECT_EQ(Ui::left(tip), -3890);
        EXPECT_FALSE(first.form->tip()->Timer4()->isActive());
    }
    Window second(course);
    EXPECT_EQ(course.read("\\SETTING\\load.dat"), "2");
    QTest::mousePress(second.form->presenter()->Command1, Qt::LeftButton);
    EXPECT_LT(Ui::left(second.form->panels()->Picture14), 0);
    EXPECT_FALSE(second.form->tip()->Timer4()->isActive());
}

TEST(StartUp, TheSettingsExampleIsWrittenAtClose) {
    TestCourse course;
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("0\\0\\0\\5\\5\\5\\5\\1\\1\\新英语900句\\60\\"));
    Window w(course);
    auto* form = w.form.get();
    // Lesson 3, both sentences shown.
    auto* list = form->chooser()->List1();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(form->presenter()->Label1->text(), "L3 sentence 1.");
    EXPECT_EQ(list->toolTip(), QString::fromUtf8("当前课程：第3课 天气"));
    QTest::mouseClick(w.named("Label21"), Qt::LeftButton);
    QTest::mouseClick(w.named("Label22"), Qt::LeftButton);
    // Sentence study: read 2 times with 1 second pauses.
    auto pick = [](QComboBox* combo, const QString& text) {
        combo->setFocus();
        combo->setCurrentIndex(combo->findText(text) - 1);
        QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentText(), text);
    };
    pick(form->playback()->Combo2(), "2");
    pick(form->playback()->Combo3(), "1");
    // Whole text: once, no pause; no Chinese there nor in dictation.
    QTest::mouseClick(form->modes()->tab(2), Qt::LeftButton);
    pick(form->playback()->Combo2(), "1");
    pick(form->playback()->Combo3(), "0");
    QTest::mouseClick(w.named("Label23"), Qt::LeftButton);
    QTest::mouseClick(w.named("Label24"), Qt::LeftButton);
    form->panels()->Combo5->setEditText("80");
    QTest::mouseClick(w.named<QPushButton>("Command17_0"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(course.read("\\SETTING\\set.dat"), QString::fromUtf8(kExample));
    // Written through the store: an RTF document.
    QFile f(course.path("\\SETTING\\set.dat"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("{\\rtf1"));
}

TEST(StartUp, ReadingAndWritingWithoutChangesKeepsTheFields) {
    TestCourse course;
    course.write("\\SETTING\\set.dat", QString::fromUtf8(kExample));
    {
        Window w(course);
        w.form->close();
    }
    EXPECT_EQ(course.read("\\SETTING\\set.dat"), QString::fromUtf8(kExample));
}

TEST(StartUp, AnyCloseWritesTheSettingsOnce) {
    TestCourse course;
    Window w(course);
    w.form->close();
    const QString written = course.read("\\SETTING\\set.dat");
    EXPECT_EQ(written, QString::fromUtf8("0\\1\\1\\1\\0\\1\\0\\1\\0\\新英语900句\\60\\"));
    course.write("\\SETTING\\set.dat", "changed");
    w.form->writeSettings(); // what quitting the application runs
    EXPECT_EQ(course.read("\\SETTING\\set.dat"), "changed");
}

TEST(LessonChoice, ChoosingABookLoadsItsFirstLessonTenMillisecondsLater) {
    TestCourse course;
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("2\\1\\1\\1\\0\\1\\0\\1\\0\\新英语900句\\60\\"));
    Window w(course);
    LessonChooser* chooser = w.form->chooser();
    QComboBox* books = chooser->Combo1();
    books->setFocus();
    books->setCurrentIndex(0);
    QTest::keyClick(books, Qt::Key_Down); // 新英语900句 again: lesson 1 after 10 ms
    EXPECT_EQ(chooser->List1()->currentRow(), 0);
    EXPECT_EQ(w.form->presenter()->Label1->text(), "L3 sentence 1.");
    EXPECT_TRUE(chooser->Timer3()->isActive());
    EXPECT_EQ(chooser->Timer3()->interval(), 10);
    chooser->Timer3_Timer();
    EXPECT_FALSE(chooser->Timer3()->isActive());
    EXPECT_EQ(w.form->presenter()->Label1->text(), "L1 sentence 1.");
}

TEST(LessonChoice, MissingAudioAndMalformedLessonsAreExplained) {
    TestCourse course;
    Window w(course);
    LessonChooser* chooser = w.form->chooser();
    chooser->List1()->setCurrentRow(1);
    chooser->List1_MouseUp();
    ASSERT_EQ(w.notifier.shown.size(), 1);
    EXPECT_TRUE(w.notifier.shown[0].startsWith(QString::fromUtf8("提示|")));
    EXPECT_EQ(w.form->presenter()->Label1->text(), "L2 sentence 1.");

    // A malformed lesson: the loader's message, then a usable window.
    w.notifier.shown.clear();
    chooser->Combo1()->setCurrentIndex(chooser->Combo1()->findText(course.spokenBook));
    chooser->Combo1_Click();
    chooser->Timer3_Timer();
    ASSERT_EQ(w.notifier.shown.size(), 1);
    EXPECT_TRUE(w.notifier.shown[0].startsWith(QString::fromUtf8("提示|")));
    EXPECT_GT(w.notifier.shown[0].size(), 4);
    auto* p = w.form->presenter();
    EXPECT_EQ(p->SentenceCount(), 0);
    EXPECT_TRUE(p->Label1->text().isEmpty());
    EXPECT_FALSE(p->Command1->isEnabled());
    EXPECT_FALSE(p->Command2->isEnabled());
    p->FirstSentence();
    p->NextSentence();
    w.form->playback()->PlaySentence();
    QTest::mouseClick(w.form->modes()->tab(8), Qt::LeftButton);
    QTest::mouseClick(w.form->modes()->tab(1), Qt::LeftButton);
    EXPECT_EQ(p->SentenceNo(), 0);

    // Back to a good book.
    chooser->Combo1()->setCurrentIndex(chooser->Combo1()->findText(course.book));
    chooser->Combo1_Click();
    chooser->Timer3_Timer();
    EXPECT_EQ(p->Label1->text(), "L1 sentence 1.");
    EXPECT_TRUE(p->Command1->isEnabled());
}

TEST(StartUp, WindowButtonsAndPointerOverCaptions) {
    TestCourse course;
    Window w(course);
    w.form->modes()->Label14_MouseMove(2);
    w.form->panels()->WordPicture->show();
    QTest::mouseMove(w.named("Label7_12"));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w.named("Label7_12"), &move);
    for (auto* line : w.form->modes()->hoverLines())
        EXPECT_FALSE(Ui::shown(line));
    EXPECT_FALSE(Ui::shown(w.form->panels()->WordPicture));
    QTest::mouseClick(w.named<QPushButton>("Command17_1"), Qt::LeftButton);
    EXPECT_TRUE(w.form->isMinimized());
    EXPECT_FALSE(QFileInfo::exists(course.path("\\SETTING\\set.dat")));
}

TEST(LessonChoice, CompanionAndHomepage) {
    TestCourse course;
    Window w(course);
    QTest::mouseClick(w.form->modes()->tab(7), Qt::LeftButton);
    ASSERT_EQ(w.launcher.started.size(), 1);
    EXPECT_EQ(w.launcher.started[0], course.path("\\vocadesk"));
    QTest::mouseClick(w.form->modes()->tab(6), Qt::LeftButton);
    ASSERT_EQ(w.launcher.opened.size(), 1);
    EXPECT_EQ(w.launcher.opened[0], QUrl::fromLocalFile(course.path("\\README.md")));
    QTest::mouseClick(w.named("Image22"), Qt::LeftButton);
    EXPECT_EQ(w.launcher.opened.size(), 2);
}

} // namespace
