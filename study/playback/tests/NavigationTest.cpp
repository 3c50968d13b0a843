#include "PlaybackRig.h"
#include "Ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct NavigationTest : ::testing::Test {
    PlaybackRig rig;
    SentencePresenter* p = nullptr;
    void SetUp() override {
        p = rig.presenter;
        rig.playback->setRepeatTexts("0", "0");
    }
    void begin(int sentences) {
        rig.presenter->beginLesson(lessonOf(sentences), sentences);
        rig.engine.calls.clear();
    }
    void expectAt(int n, bool prev, bool next) {
        EXPECT_EQ(p->SentenceNo(), n);
        EXPECT_EQ(p->Label1->text(), QString("Sentence %1 here.").arg(n));
        EXPECT_EQ(p->Label2->text(), QString::fromUtf8("句子%1。").arg(n));
        EXPECT_EQ(p->Label41->text(), QString("note %1").arg(n));
        EXPECT_EQ(p->Command2->isEnabled(), prev) << "sentence " << n;
        EXPECT_EQ(rig.panels->Command13->isEnabled(), prev);
        EXPECT_EQ(p->Command1->isEnabled(), next) << "sentence " << n;
        EXPECT_EQ(rig.panels->Command14->isEnabled(), next);
        EXPECT_DOUBLE_EQ(rig.player.SentenceStart, n);
        EXPECT_DOUBLE_EQ(rig.player.SentenceEnd, n + 0.5);
    }
};

TEST_F(NavigationTest, NextPreviousAndFirstWithTheirButtons) {
    begin(3);
    expectAt(1, false, true);
    EXPECT_EQ(p->SentenceCount(), 3);
    QTest::mouseClick(p->Command1, Qt::LeftButton);
    expectAt(2, true, true);
    QTest::mouseClick(p->Command1, Qt::LeftButton);
    expectAt(3, true, false);
    QTest::mouseClick(p->Command2, Qt::LeftButton);
    expectAt(2, true, true);
    QTest::mouseClick(p->Command2, Qt::LeftButton);
    expectAt(1, false, true);
    QTest::mouseClick(p->Command1, Qt::LeftButton);
    QTest::mouseClick(p->Command1, Qt::LeftButton);
    QTest::mouseClick(p->Command3, Qt::LeftButton);
    expectAt(1, false, true);
    EXPECT_EQ(rig.engine.count("play"), 0); // read count 0 only presents
}

TEST_F(NavigationTest, CounterCaptionsFollowTheNumbers) {
    begin(12);
    for (int i = 0; i < 9; ++i)
        p->NextSentence();
    auto* caption4 = rig.named<QLabel>("Label7_4");
    auto* caption5 = rig.named<QLabel>("Label7_5");
    EXPECT_EQ(Ui::left(caption4), Ui::left(p->Label4) + Ui::width(p->Label4) + 60);
    EXPECT_EQ(Ui::left(p->Label3), Ui::left(caption4) + Ui::width(caption4) + 60);
    EXPECT_EQ(Ui::left(caption5), Ui::left(p->Label3) + Ui::width(p->Label3) + 60);
    EXPECT_EQ(p->Label3->text(), "10");
}

TEST_F(NavigationTest, PlayingFollowsModeAndReadCount) {
    struct Case {
        int mode;
        QString readCount;
        int playsOnNext, playsOnPrev;
    };
    const Case cases[] = {{1, "0", 0, 0}, {1, "2", 1, 1}, {8, "0", 1, 0}, {2, "2", 0, 0}};
    for (const Case& c : cases) {
        begin(3);
        rig.state.StudyMode = c.mode;
        rig.playback->setRepeatTexts(c.readCount, "0");
        p->NextSentence();
        EXPECT_EQ(rig.engine.count("play"), c.playsOnNext) << c.mode;
        rig.engine.calls.clear();
        p->PrevSentence();
        EXPECT_EQ(rig.engine.count("play"), c.playsOnPrev) << c.mode;
    }
}

TEST_F(NavigationTest, OneSentenceLessonNeverStepsPastItsEnd) {
    begin(1);
    expectAt(1, false, false);
    QTest::mouseClick(p->Command3, Qt::LeftButton);
    EXPECT_TRUE(p->Command1->isEnabled()); // first always enables next
    QTest::mouseClick(p->Command1, Qt::LeftButton);
    EXPECT_EQ(p->SentenceNo(), 1);
    EXPECT_EQ(p->Label1->text(), "Sentence 1 here.");
    EXPECT_EQ(p->CurRecordEnd, p->LessonText().size() - 1);
}

TEST(Masks, LettersAndChineseCharacters) {
    EXPECT_EQ(SentencePresenter::englishMask("I'm 25, OK?"), "_'_ 25, __?");
    EXPECT_EQ(SentencePresenter::englishMask(QString::fromUtf8("Café 北京")),
              QString::fromUtf8("___é 北京"));
    EXPECT_EQ(SentencePresenter::chineseMask(QString::fromUtf8("你好，世界！")),
              QString::fromUtf8("■■，■■！"));
    EXPECT_EQ(SentencePresenter::chineseMask(QString::fromUtf8("好吗？是。")),
              QString::fromUtf8("■■？■。"));
}

TEST_F(NavigationTest, TogglesAndPeeks) {
    begin(2);
    auto* label21 = rig.named<QLabel>("Label21");
    // English shown: the peek only explains itself.
    QTest::mouseClick(p->Command5, Qt::LeftButton);
    ASSERT_EQ(rig.notifier.shown.size(), 1);
    EXPECT_TRUE(rig.notifier.shown[0].startsWith(QString::fromUtf8("使用提示|")));
    EXPECT_TRUE(rig.notifier.shown[0].contains("F8"));
    EXPECT_TRUE(Ui::shown(p->Label1));

    const auto picture = [&](const char* image) {
        return rig.named<QLabel>(image)->pixmap().toImage();
    };
    EXPECT_EQ(picture("Image10"), rig.pictures.bitmap("1.jpg").toImage());
    QTest::mouseClick(label21, Qt::LeftButton); // English off
    EXPECT_FALSE(p->englishToggle()->isOn());
    EXPECT_FALSE(rig.named<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(picture("Image10"), rig.pictures.bitmap("0.jpg").toImage());
    EXPECT_FALSE(Ui::shown(p->Label1));
    EXPECT_FALSE(Ui::shown(rig.panels->Picture12));
    EXPECT_TRUE(Ui::shown(p->Label39));
    EXPECT_EQ(p->Label39->text(), "________ 1 ____.");
    QTest::mouseClick(p->Command5, Qt::LeftButton); // peek
    EXPECT_TRUE(Ui::shown(p->Label1));
    EXPECT_FALSE(Ui::shown(p->Label39));
    QTest::mouseClick(p->Command5, Qt::LeftButton); // and back
    EXPECT_FALSE(Ui::shown(p->Label1));
    QTest::mouseClick(p->Command5, Qt::LeftButton);
    p->NextSentence(); // a new sentence is masked again
    EXPECT_FALSE(Ui::shown(p->Label1));
    EXPECT_TRUE(Ui::shown(p->Label39));

    QTest::mouseClick(rig.named<QLabel>("Label22"), Qt::LeftButton); // Chinese off
    EXPECT_FALSE(Ui::shown(p->Label2));
    EXPECT_FALSE(Ui::shown(p->Label41));
    EXPECT_TRUE(Ui::shown(p->Label40));
    p->Command36_Click();
    EXPECT_TRUE(Ui::shown(p->Label2));
    EXPECT_TRUE(Ui::shown(p->Label41));
    EXPECT_EQ(rig.notifier.shown.size(), 1);
    QTest::mouseClick(rig.named<QLabel>("Label22"), Qt::LeftButton); // Chinese on
    p->Command36_Click();
    EXPECT_EQ(rig.notifier.shown.size(), 2);
    EXPECT_TRUE(rig.notifier.shown[1].contains("F9"));
}

TEST_F(NavigationTest, LongTranslationWrapsAndTheNoteFollows) {
    const QString chinese = QString(60, QChar(0x4E2D));
    const QString lesson = "*Hi.#" + chinese + "#1#2#a note#*";
    p->beginLesson(lesson, 1);
    const QFontMetrics fm(p->Label2->font());
    const int natural = twips(fm.horizontalAdvance(chinese) + 2);
    const int lines = natural / Ui::width(p->Label1) + 1;
    ASSERT_GT(lines, 1);
    EXPECT_EQ(Ui::width(p->Label2), Ui::width(p->Label1));
    EXPECT_NEAR(Ui::height(p->Label2), lines * twips(fm.height()), 15 * lines);
    EXPECT_NEAR(Ui::top(p->Label41), Ui::top(p->Label2) + Ui::height(p->Label2) + 105, 15);
    EXPECT_EQ(rig.panels->Label11->text(), chinese);
    EXPECT_GE(Ui::top(rig.panels->Label11),
              Ui::top(rig.panels->Label10) + Ui::height(rig.panels->Label10) + 195);
}

TEST_F(NavigationTest, PresentingResetsTheDictationCountersAndTheTypingBox) {
    begin(2);
    rig.panels->Label27->setText("2");
    rig.panels->Label30->setText("40");
    rig.panels->Text2->setPlainText("typed");
    p->NextSentence();
    EXPECT_EQ(rig.panels->Label27->text(), "0");
    EXPECT_EQ(rig.panels->Label30->text(), "100");
    EXPECT_TRUE(rig.panels->Text2->toPlainText().isEmpty());
}

} // namespace
