#include "PlaybackRig.h"
#include "Ui.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct ModesTest : ::testing::Test {
    PlaybackRig rig;
    void SetUp() override {
        rig.presenter->beginLesson(lessonOf(9), 9);
        rig.modes->cc();
    }
    void clickTab(int k) { QTest::mouseClick(rig.modes->tab(k), Qt::LeftButton); }
    bool shown(const char* name) const { return Ui::shown(rig.named(name)); }
};

// The panels each mode shows (S), hides (H) or leaves as they were (-).
struct Expected {
    const char* panel;
    const char* modes; // columns for modes 1 8 2 3 4 5
};
const Expected kTable[] = {
    {"Frame1", "SSHHHH"},   {"Frame2", "SHSHHH"},   {"Frame3", "HHSHHH"},  {"Frame4", "SHHHHH"},
    {"Frame5", "SHHHHH"},   {"Frame7", "SHHHHH"},   {"Frame8", "SSHHHH"},  {"Check1", "SHHHHH"},
    {"Check2", "SSHHHH"},   {"Label1", "SH----"},   {"Label39", "HS----"}, {"Picture12", "SHHHHH"},
    {"Picture5", "HHSSSH"}, {"Picture4", "HHHHHS"}, {"Label13", "HHHHHS"}, {"Command16", "HHHSSH"},
    {"Frame11", "HSHHHH"},  {"Frame12", "HSHHHH"},  {"Frame13", "HSHHHH"}, {"Frame14", "HSHHHH"},
    {"Frame21", "HSHHHH"},  {"Label7_6", "SSSSS-"},
};
const int kModes[] = {1, 8, 2, 3, 4, 5};

TEST_F(ModesTest, EachTabShowsAndHidesThePanelsOfItsMode) {
    for (int col = 0; col < 6; ++col) {
        const int mode = kModes[col];
        // Start from the opposite of every entry, so untouched ones show up.
        for (const Expected& e : kTable) {
            if (e.modes[col] == '-') rig.named(e.panel)->setVisible(col % 2 == 0);
        }
        if (mode == 1) clickTab(2); // the tab of the current mode is disabled
        clickTab(mode);
        EXPECT_EQ(rig.state.StudyMode, mode);
        for (const Expected& e : kTable) {
            const char want = e.modes[col];
            if (want == '-')
                EXPECT_EQ(shown(e.panel), col % 2 == 0) << e.panel << " mode " << mode;
            else
                EXPECT_EQ(shown(e.panel), want == 'S') << e.panel << " mode " << mode;
        }
        EXPECT_EQ(rig.modes->titleLabel()->text(), StudyModes::title(mode));
    }
}

TEST_F(ModesTest, TitlesAndHints) {
    const std::pair<int, const char*> titles[] = {{1, "句子学习"}, {2, "全文浏览"},
                                                  {3, "回想中文"}, {4, "回想英文"},
                                                  {5, "跟读对比"}, {8, "听写测试"}};
    for (auto [k, title] : titles) {
        clickTab(k);
        EXPECT_EQ(rig.modes->titleLabel()->text(), QString::fromUtf8(title));
        const QString hint = rig.modes->hintLabel()->text();
        if (k == 3)
            EXPECT_TRUE(hint.startsWith(QString::fromUtf8("点击英文句子下方的空行")));
        else if (k == 4)
            EXPECT_TRUE(hint.startsWith(QString::fromUtf8("点击中文句子上方的空行")));
        else
            EXPECT_TRUE(hint.isEmpty());
    }
}

TEST_F(ModesTest, TheClickedTabIsDisabledAndOutlined) {
    clickTab(2);
    EXPECT_FALSE(rig.modes->tab(2)->isEnabled());
    const auto& sel = rig.modes->selectionLines();
    EXPECT_EQ(sel[0]->x1(), Ui::left(rig.modes->tab(2)));
    EXPECT_EQ(sel[0]->y1(), Ui::top(rig.modes->tab(2)));
    EXPECT_EQ(sel[3]->x1(), Ui::left(rig.modes->tab(2)) + 900);
    EXPECT_EQ(sel[2]->y1(), Ui::top(rig.modes->tab(2)) + 840);
    rig.state.StudyMode = 99; // a second click would set the mode again
    clickTab(2);
    EXPECT_EQ(rig.state.StudyMode, 99);
    rig.state.StudyMode = 2;
    for (int k : {1, 3, 4, 5, 6, 7, 8})
        EXPECT_TRUE(rig.modes->tab(k)->isEnabled()) << k;
    // Tab areas are 900 x 840, 915 apart from Left 120.
    const int order[] = {1, 2, 3, 4, 5, 8, 7, 6};
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(Ui::left(rig.modes->tab(order[p])), 120 + 915 * p);
        EXPECT_EQ(Ui::width(rig.modes->tab(order[p])), 900);
        EXPECT_EQ(Ui::height(rig.modes->tab(order[p])), 840);
    }
}

TEST_F(ModesTest, HoverRectangleAndTheCompanionTab) {
    int companion = 0;
    QObject::connect(rig.modes, &StudyModes::companionRequested, [&] { ++companion; });
    rig.modes->Label14_MouseMove(3);
    for (auto* line : rig.modes->hoverLines())
        EXPECT_TRUE(Ui::shown(line));
    EXPECT_EQ(rig.modes->hoverLines()[1]->x1(), Ui::left(rig.modes->tab(3)));
    clickTab(7);
    for (auto* line : rig.modes->hoverLines())
        EXPECT_FALSE(Ui::shown(line));
    EXPECT_EQ(companion, 1);
    EXPECT_EQ(rig.state.StudyMode, 1); // the mode is unchanged
    clickTab(7);
    EXPECT_EQ(companion, 1);
    rig.modes->Form_MouseMove();
    clickTab(7);
    EXPECT_EQ(companion, 2);
}

TEST_F(ModesTest, RepeatMemoriesFollowTheMode) {
    clickTab(2);
    rig.playback->ReadTimesBrowse = "3";
    rig.playback->PauseSecsBrowse = "5";
    rig.playback->ReadTimesStudy = "2";
    rig.playback->PauseSecsStudy = "1";
    clickTab(5);
    EXPECT_EQ(rig.playback->Combo2()->currentText(), "1");
    EXPECT_EQ(rig.playback->Combo3()->currentText(), "0");
    clickTab(2);
    EXPECT_EQ(rig.playback->Combo2()->currentText(), "3");
    EXPECT_EQ(rig.playback->Combo3()->currentText(), "5");
    EXPECT_EQ(rig.playback->PauseTimer()->interval(), 5010);
    EXPECT_EQ(rig.playback->ReadTimesBrowse, "3"); // the fixed values are never stored
    clickTab(1);
    EXPECT_EQ(rig.playback->Combo2()->currentText(), "2");
    EXPECT_EQ(rig.playback->Combo3()->currentText(), "1");
}

TEST_F(ModesTest, DictationTabRestartsAtSentenceOne) {
    for (int i = 0; i < 6; ++i)
        rig.presenter->NextSentence();
    ASSERT_EQ(rig.presenter->SentenceNo(), 7);
    rig.panels->Label33->setText("4");
    rig.engine.calls.clear();
    clickTab(8);
    EXPECT_EQ(rig.presenter->SentenceNo(), 1);
    EXPECT_EQ(rig.panels->Label33->text(), "0");
    EXPECT_FALSE(rig.presenter->Command2->isEnabled());
    EXPECT_FALSE(rig.panels->Command13->isEnabled());
    EXPECT_TRUE(rig.presenter->Command1->isEnabled());
    EXPECT_EQ(rig.engine.count("play"), 1); // dictation plays the sentence
    EXPECT_FALSE(Ui::shown(rig.presenter->Label1));
    EXPECT_TRUE(Ui::shown(rig.presenter->Label39));

    // "更多软件" while dictating restarts too.
    int homepage = 0;
    QObject::connect(rig.modes, &StudyModes::homepageRequested, [&] { ++homepage; });
    rig.presenter->NextSentence();
    clickTab(6);
    EXPECT_EQ(homepage, 1);
    EXPECT_EQ(rig.presenter->SentenceNo(), 1);
    EXPECT_EQ(rig.state.StudyMode, 8);
}

TEST_F(ModesTest, TabClicksStopPlayingAndTheReading) {
    rig.playback->setRepeatTexts("3", "2");
    rig.playback->PlaySentence();
    rig.panels->Command6->setText(QString::fromUtf8(" 停止朗读(&S)"));
    rig.panels->Command7->setEnabled(true);
    clickTab(2);
    EXPECT_FALSE(rig.playback->EndWatchTimer()->isActive());
    EXPECT_FALSE(rig.playback->PauseTimer()->isActive());
    EXPECT_EQ(rig.engine.calls.last(), "pause");
    EXPECT_EQ(rig.panels->Command6->text(), QString::fromUtf8(" 全文朗读(&R)"));
    EXPECT_FALSE(rig.panels->Command7->isEnabled());
    EXPECT_EQ(rig.panels->Combo4, rig.form->focusWidget());
}

TEST_F(ModesTest, SentenceStudyWithEnglishOffShowsTheMask) {
    clickTab(2);
    rig.presenter->englishToggle()->setOn(false);
    clickTab(1);
    EXPECT_TRUE(shown("Label39"));
    EXPECT_FALSE(shown("Label1"));
    EXPECT_FALSE(shown("Picture12"));
}

TEST_F(ModesTest, StripColours) {
    const auto strip = [&] { return rig.modes->strip()->palette().color(QPalette::Window); };
    for (int k : {2, 3, 4}) {
        clickTab(k);
        EXPECT_EQ(rig.modes->rule()->color(), QColor(148, 148, 148));
        EXPECT_EQ(strip(), QColor(130, 130, 130));
    }
    for (int k : {1, 5, 8}) {
        clickTab(k);
        EXPECT_EQ(rig.modes->rule()->color(), QColor(128, 128, 128));
        EXPECT_EQ(strip(), QColor(120, 120, 120));
    }
}

TEST_F(ModesTest, NoteLineMovesOutOfSightInDictation) {
    clickTab(8);
    EXPECT_LT(Ui::left(rig.presenter->Label41), 0);
    clickTab(1);
    EXPECT_EQ(Ui::left(rig.presenter->Label41), Ui::left(rig.presenter->Label2));
}

} // namespace
