#include "Design.h"
#include "DrawnToggle.h"
#include "SentencePlayback.h"
#include "SentencePresenter.h"
#include "StudyModes.h"
#include "StudyPanels.h"
#include "TestCourse.h"
#include "Ui.h"
#include "WindowLayout.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct KeysTest : ::testing::Test {
    TestCourse course;
    std::unique_ptr<Window> w;
    void SetUp() override {
        course.write("\\SETTING\\set.dat",
                     QString::fromUtf8("2\\1\\1\\0\\0\\0\\0\\1\\0\\新英语900句\\60\\"));
        w = std::make_unique<Window>(course);
    }
    void key(int k) {
        QWidget* target = w->form->focusWidget() ? w->form->focusWidget() : w->form.get();
        QTest::keyClick(target, Qt::Key(k));
    }
    int sentence() const { return w->form->presenter()->SentenceNo(); }
};

TEST_F(KeysTest, PageKeysAndF1MoveThroughTheLesson) {
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    EXPECT_EQ(sentence(), 3);
    key(Qt::Key_PageUp);
    EXPECT_EQ(sentence(), 2);
    key(Qt::Key_F1);
    EXPECT_EQ(sentence(), 1);
    key(Qt::Key_PageUp); // previous is disabled on sentence 1
    EXPECT_EQ(sentence(), 1);
    for (int i = 0; i < 15; ++i)
        key(Qt::Key_PageDown);
    EXPECT_EQ(sentence(), 12); // next is disabled on the last
}

TEST_F(KeysTest, PageDownIsIgnoredOutsideSentenceStudy) {
    for (int k : {2, 3, 4, 5, 8}) {
        QTest::mouseClick(w->form->modes()->tab(k), Qt::LeftButton);
        const int before = sentence();
        ASSERT_TRUE(w->form->presenter()->Command1->isEnabled()) << k;
        key(Qt::Key_PageDown);
        EXPECT_EQ(sentence(), before) << "mode " << k;
    }
    // PageUp and F1 act in every mode.
    QTest::mouseClick(w->form->modes()->tab(1), Qt::LeftButton);
    key(Qt::Key_PageDown);
    QTest::mouseClick(w->form->modes()->tab(2), Qt::LeftButton);
    key(Qt::Key_PageUp);
    EXPECT_EQ(sentence(), 1);
}

TEST_F(KeysTest, FunctionKeysByMode) {
    FakeAudioEngine* engine = w->engine;
    engine->calls.clear();
    key(Qt::Key_F7); // mode 1: read
    EXPECT_EQ(engine->count("play"), 1);
    EXPECT_TRUE(w->form->playback()->EndWatchTimer()->isActive());

    QTest::mouseClick(w->form->modes()->tab(2), Qt::LeftButton);
    engine->calls.clear();
    key(Qt::Key_F7); // mode 2: nothing
    key(Qt::Key_F8);
    EXPECT_EQ(engine->count("play"), 0);
    EXPECT_TRUE(w->notifier.shown.isEmpty());

    key(Qt::Key_F9); // every mode: the Chinese peek (shown: explained)
    ASSERT_EQ(w->notifier.shown.size(), 1);
    EXPECT_TRUE(w->notifier.shown[0].contains("F9"));

    QTest::mouseClick(w->form->modes()->tab(1), Qt::LeftButton);
    key(Qt::Key_F8); // English is shown: explained
    EXPECT_EQ(w->notifier.shown.size(), 2);
    QTest::mouseClick(w->named("Label21"), Qt::LeftButton);
    key(Qt::Key_F8); // now a peek
    EXPECT_TRUE(Ui::shown(w->form->presenter()->Label1));

    // Dictation routes F7, F8 and F12 to its buttons.
    QTest::mouseClick(w->form->modes()->tab(8), Qt::LeftButton);
    int pressed = 0;
    for (const char* name : {"Command22", "Command23", "Command25"})
        QObject::connect(w->named<QPushButton>(name), &QPushButton::clicked, [&] { ++pressed; });
    key(Qt::Key_F7);
    key(Qt::Key_F8);
    key(Qt::Key_F12);
    EXPECT_EQ(pressed, 3);
}

TEST(Layout, TaskbarHeight) {
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(GetTaskbarHeight(screen, QRect(0, 0, 1024, 738)), 30);
    EXPECT_EQ(GetTaskbarHeight(screen, QRect(60, 0, 964, 768)), 0);  // left
    EXPECT_EQ(GetTaskbarHeight(screen, QRect(0, 30, 1024, 738)), 0); // top
    EXPECT_EQ(windowTwips(screen, QRect(0, 0, 1024, 738)), QSize(15360, 11070));
    EXPECT_EQ(windowTwips(screen, QRect(0, 30, 1024, 738)), QSize(15360, 11520));
}

TEST(Layout, StretchesTheDesignToTheWorkArea) {
    TestCourse course;
    Window w(course);
    const int W = 19200, H = 11550; // 1280 x 800 with a 30 pixel taskbar
    tcp(w.form.get(), W, H);
    auto* f = w.form.get();
    EXPECT_EQ(Ui::width(f), W);
    EXPECT_EQ(Ui::height(f), H);
    auto at = [&](const char* name) { return w.named(QString::fromLatin1(name)); };
    const int cl = Design::kContentLeft, ct = Design::kContentTop;
    const int cw = W - cl - 130, ch = H - ct - 390;
    EXPECT_EQ(Ui::width(at("Label7_6")), cw);
    EXPECT_EQ(Ui::height(at("Label7_6")), ch);
    EXPECT_EQ(Ui::left(at("Command17_0")), W - 420);
    EXPECT_EQ(Ui::left(at("Command17_1")), W - 715);
    EXPECT_EQ(Ui::left(at("Image4")), W - 705);
    EXPECT_EQ(Ui::left(at("Image7")) + Ui::width(at("Image7")), W);
    EXPECT_EQ(Ui::left(at("Frame4")) + Ui::width(at("Frame4")), W - 250);
    EXPECT_EQ(Ui::top(at("Frame4")) + Ui::height(at("Frame4")), H - 530);
    EXPECT_EQ(Ui::top(at("Frame12")), Ui::top(at("Frame4")));

    const int Y = Design::kRuleY;
    const double A = H - Y - 775, U = 0.0588 * A, B = 0.2688 * A;
    EXPECT_NEAR(Ui::top(at("Shape1")), Y + U, 15);
    EXPECT_NEAR(Ui::height(at("Shape1")), B, 15);
    EXPECT_EQ(Ui::width(at("Shape1")), cw - 370);
    EXPECT_NEAR(Ui::top(at("Shape2")), Y + 2 * U + B, 30);
    EXPECT_NEAR(Ui::top(at("Shape3")), Y + 3 * U + 2 * B, 45);
    EXPECT_NEAR(Ui::top(at("Text2")), Ui::top(at("Shape3")) + 60, 15);
    EXPECT_NEAR(Ui::top(at("Label1")), Ui::top(at("Shape1")) + 110, 15);
    EXPECT_EQ(Ui::left(at("Frame2")) + Ui::width(at("Frame2")),
              Ui::left(at("Shape1")) + Ui::width(at("Shape1")));

    QWidget* viewport = at("Picture5");
    EXPECT_EQ(Ui::left(viewport), cl + 15);
    EXPECT_EQ(Ui::top(viewport), Y + 15);
    EXPECT_EQ(Ui::width(viewport), cw - 30);
    EXPECT_EQ(Ui::height(viewport), ch - 515);
    EXPECT_EQ(Ui::width(at("Picture2")), cw - 30 - 280);
    EXPECT_EQ(Ui::left(at("Command32")), cw - 30 - 255);
    EXPECT_EQ(Ui::top(at("Command33")), ch - 515 - 255);
    QWidget* compare = at("Picture4");
    EXPECT_EQ(Ui::top(compare), ct + 30);
    EXPECT_EQ(Ui::height(compare), ch - 60);
    EXPECT_EQ(Ui::width(at("Label7_11")), Ui::width(compare) - 250);
    EXPECT_EQ(Ui::top(at("Picture6")) + Ui::height(at("Picture6")), ct + ch);
    EXPECT_EQ(Ui::height(at("List1")), Ui::height(at("Picture6")));
    QWidget* results = at("Picture8");
    EXPECT_NEAR(Ui::left(results), W / 2 - Ui::width(results) / 2, 15);
}

} // namespace
