// The clickable words and the dictation test in the whole study window, as
// a learner uses them: keys typed into the typing box, tabs and buttons
// clicked, messages answered by the test.
#include "DictationWiring.h"
#include "BookResultsPanel.h"
#include "DictationCheck.h"
#include "DictationController.h"
#include "Dictionary.h"
#include "FirstLaunchTip.h"
#include "LessonChooser.h"
#include "LessonExporter.h"
#include "SentencePresenter.h"
#include "StudyModes.h"
#include "StudyPanels.h"
#include "TestCourse.h"
#include "Twips.h"
#include "WordPanel.h"
#include "WordStrip.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

// Records every message together with what the window showed while it was
// open, so the test sees what happened before and after the learner closed it.
struct AnsweringNotifier : Notifier {
    QStringList shown; // "title|text"
    std::function<void()> onMessage;
    void information(QWidget*, const QString& title, const QString& text) override {
        shown << title + "|" + text;
        if (onMessage) onMessage();
    }
    void message(QWidget*, const QString& text) override {
        shown << "|" + text;
        if (onMessage) onMessage();
    }
};

const QString kDictionary = QString::fromUtf8("$sentence['sentens]n. 句子；判决\r\n"
                                              "$look at[luk æt]看\r\n"
                                              "$run[rʌn]v. 跑\r\n$");

struct StudyWindow {
    AnsweringNotifier notifier;
    RecordingLauncher launcher;
    FakeAudioEngine* engine = nullptr;
    FakeAudioEngine* wordEngine = nullptr;
    FakeAudioEngine* soundEngine = nullptr;
    std::unique_ptr<Form1> form;

    explicit StudyWindow(const TestCourse& course) {
        Form1::Environment env;
        env.folder = ProgramFolder(course.dir.path());
        auto fake = std::make_unique<FakeAudioEngine>();
        engine = fake.get();
        env.engine = std::move(fake);
        auto word = std::make_unique<FakeAudioEngine>();
        wordEngine = word.get();
        env.wordEngine = std::move(word);
        auto sounds = std::make_unique<FakeAudioEngine>();
        soundEngine = sounds.get();
        env.soundEngine = std::move(sounds);
        env.playerKind = 2;
        env.notifier = &notifier;
        env.launcher = &launcher;
        env.logicalDpi = [] { return 96; };
        form = std::make_unique<Form1>(std::move(env));
        form->startUp();
    }
    template <typename T = QWidget> T* named(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QPlainTextEdit* text2() const { return form->panels()->Text2; }
    QString label(const char* name) const { return named<QLabel>(name)->text(); }
    int sentenceNo() const { return form->presenter()->SentenceNo(); }
    void type(const QString& text) const { QTest::keyClicks(text2(), text); }
    void enter() const { QTest::keyClick(text2(), Qt::Key_Return); }
    void key(Qt::Key k) const { QTest::keyClick(text2(), k); }
    void retype(const QString& text) const {
        text2()->clear();
        type(text);
        enter();
    }
    QLabel* wordLabel(const QString& caption) const {
        WordStrip* strip = form->dictation()->wordStrip();
        for (int i = 1; i < strip->count(); ++i)
            if (strip->wordLabel(i)->text() == caption) return strip->wordLabel(i);
        return nullptr;
    }
};

// The results text of the course's book as its file holds it.
QString savedResults(const TestCourse& course) {
    return course.read("\\SETTING\\Results\\" + course.book + ".dat");
}

TEST(DictationWindow, ThreeSentenceLessonFromTheFirstKeyToTheStarInTheFile) {
    TestCourse course;
    StudyWindow w(course);
    ASSERT_EQ(w.form->chooser()->List1()->currentRow(), 0); // lesson 1: three sentences
    w.notifier.shown.clear();

    // The dictation tab: progress 0 of 3, sentence 1 presented and heard.
    w.engine->calls.clear();
    w.form->modes()->Label14_MouseUp(8);
    EXPECT_EQ(w.form->state().StudyMode, 8);
    EXPECT_EQ(w.sentenceNo(), 1);
    EXPECT_EQ(w.label("Label33"), "0");
    EXPECT_EQ(w.label("Label34"), "3");
    EXPECT_EQ(w.engine->count("play"), 1);
    EXPECT_TRUE(w.form->panels()->Frame11->isVisible());
    EXPECT_FALSE(w.form->presenter()->Label1->isVisible());
    EXPECT_TRUE(w.form->presenter()->Label39->isVisible());

    // Sentence 1 "L1 sentence 1.": every key clicks; a wrong letter is
    // selected, sounds the error and costs 10.
    course.touch("\\SETTING\\Sound\\type.wav");
    course.touch("\\SETTING\\Sound\\wrong.wav");
    const QString typeSound = "open:" + course.path("\\SETTING\\Sound\\type.wav");
    const QString wrongSound = "open:" + course.path("\\SETTING\\Sound\\wrong.wav");
    w.soundEngine->calls.clear();
    w.type("l1 sentance 1");
    EXPECT_EQ(w.soundEngine->count(typeSound), 13);
    w.enter();
    EXPECT_EQ(w.soundEngine->calls.last(), "play");
    EXPECT_EQ(w.soundEngine->count(wrongSound), 1);
    EXPECT_EQ(w.text2()->textCursor().selectedText(), "a");
    EXPECT_EQ(w.text2()->toPlainText(), "l1 sentance 1"); // Enter adds no line break
    EXPECT_EQ(w.label("Label28"), "1");
    EXPECT_EQ(w.form->dictation()->controller()->counters().SentenceScore, "90");
    EXPECT_TRUE(w.notifier.shown.isEmpty());

    // Corrected: passed with 90; the next sentence comes only after the
    // message has been closed, and is played.
    int sentenceDuringMessage = 0;
    w.notifier.onMessage = [&] { sentenceDuringMessage = w.sentenceNo(); };
    w.engine->calls.clear();
    w.retype("L1 SENTENCE 1");
    ASSERT_EQ(w.notifier.shown.size(), 1);
    EXPECT_EQ(w.notifier.shown[0], kResultTitle + "|" + passMessage("90"));
    EXPECT_TRUE(w.notifier.shown[0].contains(QString::fromUtf8("本句得分：90分")));
    EXPECT_EQ(sentenceDuringMessage, 1);
    EXPECT_EQ(w.sentenceNo(), 2);
    EXPECT_EQ(w.engine->count("play"), 1);
    EXPECT_EQ(w.label("Label33"), "1");
    EXPECT_EQ(w.label("Label28"), "0"); // counters reset for the new sentence
    EXPECT_TRUE(w.text2()->toPlainText().isEmpty());

    // Sentence 2: F8 shows the sentence (-20), F7 replays it (-5); the next
    // key withdraws the hint.
    w.engine->calls.clear();
    w.key(Qt::Key_F8);
    EXPECT_TRUE(w.form->presenter()->Label1->isVisible());
    EXPECT_EQ(w.label("Label27"), "1");
    w.key(Qt::Key_F7);
    EXPECT_EQ(w.label("Label29"), "1");
    EXPECT_EQ(w.engine->count("play"), 1);
    w.type("l");
    EXPECT_FALSE(w.form->presenter()->Label1->isVisible());
    // F12 starts the sentence again: counters back, box emptied, played.
    w.key(Qt::Key_F12);
    EXPECT_EQ(w.label("Label27"), "0");
    EXPECT_EQ(w.label("Label29"), "0");
    EXPECT_TRUE(w.text2()->toPlainText().isEmpty());
    EXPECT_EQ(w.engine->count("play"), 2);
    w.key(Qt::Key_F8);
    w.key(Qt::Key_F7);
    w.retype("L1 sentence 2.");
    ASSERT_EQ(w.notifier.shown.size(), 2);
    EXPECT_EQ(w.notifier.shown[1], kResultTitle + "|" + passMessage("75"));
    EXPECT_EQ(w.sentenceNo(), 3);
    EXPECT_EQ(w.label("Label33"), "2");

    // The last sentence: the count reaches 3 of 3 before the message, the
    // star and the results panel come after it.
    QString countDuringMessage;
    bool panelDuringMessage = true;
    w.notifier.onMessage = [&] {
        countDuringMessage = w.label("Label33");
        panelDuringMessage = w.form->panels()->Picture8->isVisible();
    };
    EXPECT_EQ(savedResults(course), QString::fromUtf8("^☆第1课 问候^☆第2课 介绍^☆第3课 天气^"));
    w.retype("L1 sentence 3.");
    ASSERT_EQ(w.notifier.shown.size(), 3);
    EXPECT_EQ(w.notifier.shown[2], kResultTitle + "|" + lessonPassedMessage("100"));
    EXPECT_EQ(countDuringMessage, "3");
    EXPECT_FALSE(panelDuringMessage);
    EXPECT_TRUE(w.form->panels()->Picture8->isVisible());
    EXPECT_EQ(savedResults(course), QString::fromUtf8("^★第1课 问候^☆第2课 介绍^☆第3课 天气^"));
    QListWidget* list2 = w.form->panels()->List2;
    ASSERT_EQ(list2->count(), 3);
    EXPECT_EQ(list2->item(0)->text(), QString::fromUtf8("★第1课 问候"));
    EXPECT_EQ(w.form->panels()->Picture10->x() + w.form->panels()->Picture10->width(),
              w.form->panels()->Picture9->width()); // a full bar

    // Once the lesson is complete a further Enter does nothing more.
    w.retype("L1 sentence 3.");
    EXPECT_EQ(w.notifier.shown.size(), 3);

    // "关闭" closes the panel; "清除" clears every star and writes the file.
    w.named<QPushButton>("Command27")->click();
    EXPECT_FALSE(w.form->panels()->Picture8->isVisible());
    w.named<QPushButton>("Command28")->click();
    EXPECT_TRUE(w.form->panels()->Picture8->isVisible());
    w.named<QPushButton>("Command26")->click();
    EXPECT_EQ(savedResults(course), QString::fromUtf8("^☆第1课 问候^☆第2课 介绍^☆第3课 天气^"));

    // Leaving and entering the dictation tab starts the lesson afresh.
    w.form->modes()->Label14_MouseUp(1);
    w.form->modes()->Label14_MouseUp(8);
    EXPECT_EQ(w.label("Label33"), "0");
    EXPECT_EQ(w.sentenceNo(), 1);
}

TEST(DictationWindow, FailedSentenceIsRedoneAndRestartGoesBackToTheFirst) {
    TestCourse course;
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("0\\1\\1\\1\\0\\1\\0\\1\\0\\新英语900句\\100\\"));
    StudyWindow w(course);
    EXPECT_TRUE(w.notifier.shown.isEmpty());
    w.form->modes()->Label14_MouseUp(8);
    w.key(Qt::Key_F7); // 95 < 100
    w.engine->calls.clear();
    w.retype("L1 sentence 1.");
    ASSERT_EQ(w.notifier.shown.size(), 1);
    EXPECT_EQ(w.notifier.shown[0], kResultTitle + "|" + failMessage("95"));
    EXPECT_EQ(w.sentenceNo(), 1);
    EXPECT_EQ(w.label("Label29"), "0");
    EXPECT_EQ(w.engine->count("play"), 1); // redo plays the sentence again
    w.retype("L1 sentence 1.");
    EXPECT_EQ(w.sentenceNo(), 2);
    EXPECT_EQ(w.label("Label33"), "1");

    // "首句(&F)" in the dictation buttons: count 0, sentence 1.
    w.named<QPushButton>("Command24")->click();
    EXPECT_EQ(w.label("Label33"), "0");
    EXPECT_EQ(w.sentenceNo(), 1);
}

// The dictation tab enables the next-sentence button on sentence 1 even when
// it is the lesson's only sentence; the lesson must still be passable.
TEST(DictationWindow, OneSentenceLessonIsPassedAndStarred) {
    TestCourse course;
    course.write("\\SETTING\\BookList\\" + course.book + ".dat",
                 QString::fromUtf8("^第1课 问候^第2课 介绍^第3课 天气^第4课 一句^"));
    course.write("\\SETTING\\Results\\" + course.book + ".dat",
                 QString::fromUtf8("^☆第1课 问候^☆第2课 介绍^☆第3课 天气^☆第4课 一句^"));
    course.write("\\book\\" + course.book + "\\4.dat", TestCourse::lesson(4, 1));
    course.touch("\\Sound\\" + course.book + "\\4.mp3");
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("3\\1\\1\\1\\0\\1\\0\\1\\0\\新英语900句\\60\\"));
    StudyWindow w(course);
    ASSERT_EQ(w.form->presenter()->Label1->text(), "L4 sentence 1.");
    w.notifier.shown.clear();

    // Sentence study: the only sentence typed is the end of the lesson.
    w.retype("L4 sentence 1.");
    EXPECT_EQ(w.notifier.shown, QStringList{kFinishedTitle + "|" + kFinishedMessage});

    w.form->modes()->Label14_MouseUp(8);
    EXPECT_TRUE(w.form->presenter()->Command1->isEnabled());
    w.notifier.shown.clear();
    w.retype("L4 sentence 1.");
    EXPECT_EQ(w.notifier.shown, QStringList{kResultTitle + "|" + lessonPassedMessage("100")});
    EXPECT_EQ(w.label("Label33"), "1");
    EXPECT_TRUE(w.form->panels()->Picture8->isVisible());
    EXPECT_EQ(savedResults(course),
              QString::fromUtf8("^☆第1课 问候^☆第2课 介绍^☆第3课 天气^★第4课 一句^"));
}

TEST(DictationWindow, SentenceStudyIsAPlainTypingExercise) {
    TestCourse course;
    StudyWindow w(course);
    w.notifier.shown.clear();
    ASSERT_EQ(w.form->state().StudyMode, 1);
    w.retype("l1 sentense 1");
    EXPECT_EQ(w.label("Label28"), "0"); // no counter moves
    EXPECT_EQ(w.text2()->textCursor().selectedText(), "s");
    w.retype("L1 sentence 1.");
    EXPECT_TRUE(w.notifier.shown.isEmpty());
    EXPECT_EQ(w.sentenceNo(), 2);
    w.retype("L1 sentence 2.");
    w.retype("L1 sentence 3.");
    EXPECT_EQ(w.sentenceNo(), 3);
    EXPECT_EQ(w.notifier.shown, QStringList{kFinishedTitle + "|" + kFinishedMessage});
}

TEST(DictationWindow, PassMarkBelowSixtyFromTheSettingsIsRaisedAndWrittenBack) {
    const struct {
        const char* stored;
        const char* shown;
        bool message;
    } cases[] = {{"50", "60", true}, {"", "60", true}, {"abc", "60", true}, {"80", "80", false}};
    for (const auto& c : cases) {
        TestCourse course;
        course.write(
            "\\SETTING\\set.dat",
            QString::fromUtf8("0\\1\\1\\1\\0\\1\\0\\1\\0\\新英语900句\\%1\\").arg(c.stored));
        StudyWindow w(course);
        EXPECT_EQ(w.form->panels()->Combo5->currentText(), c.shown) << c.stored;
        EXPECT_EQ(w.notifier.shown.contains("|" + kPassMarkTooLowMessage), c.message) << c.stored;
        w.form->close();
        EXPECT_TRUE(course.read("\\SETTING\\set.dat").endsWith(QString("\\%1\\").arg(c.shown)))
            << c.stored;
    }
}

TEST(DictationWindow, ClickedWordOpensItsEntryPlaysItAndLinksToItsPage) {
    TestCourse course;
    course.write("\\Lib.dll", kDictionary);
    course.write("\\wg.dll", "$look at$");
    course.touch("\\Word\\s\\sentence.wav");
    StudyWindow w(course);
    QTRY_VERIFY_WITH_TIMEOUT(w.form->dictation()->dictionary() != nullptr, 5000);

    // Every presentation lays out the words of the sentence.
    QLabel* word = w.wordLabel("sentence");
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->parentWidget(), w.form->panels()->Picture12);
    ASSERT_NE(w.wordLabel("L"), nullptr);
    WordStrip* strip = w.form->dictation()->wordStrip();
    ASSERT_EQ(strip->count(), 5); // template, "L", "1 ", "sentence", " 1."
    EXPECT_TRUE(strip->isClickable(1));
    EXPECT_FALSE(strip->isClickable(2));
    EXPECT_TRUE(strip->isClickable(3));
    EXPECT_FALSE(strip->isClickable(4));

    // The first-launch tip lies under the words until a word is clicked.
    QWidget* tip = w.form->panels()->Picture14;
    EXPECT_GT(tip->y(), word->y());
    w.wordEngine->calls.clear();
    QTest::mouseClick(word, Qt::LeftButton, {}, QPoint(3, 3));
    WordPanel* panel = w.form->dictation()->wordPanel();
    EXPECT_TRUE(panel->panel()->isVisible());
    EXPECT_EQ(panel->headwordLabel()->text(), "sentence");
    EXPECT_EQ(panel->phoneticLabel()->text(), QString::fromUtf8("'sentens"));
    EXPECT_EQ(panel->meaningLabel()->text(), QString::fromUtf8("n. 句子；判决\r\n"));
    EXPECT_EQ(tip->x(), px(WordStrip::kTipHiddenLeftTwips));
    EXPECT_TRUE(w.wordEngine->calls.contains("open:" + course.path("\\Word\\s\\sentence.wav")));
    // Opened at the pointer: right of and below it.
    const QPoint pointer = w.form->mapFromGlobal(word->mapToGlobal(QPoint(3, 3)));
    EXPECT_GT(panel->panel()->x(), pointer.x());
    EXPECT_GT(panel->panel()->y(), pointer.y());

    // "<词典>" looks pressed while held and opens the word's page on release.
    QLabel* link = panel->linkLabel();
    const QPoint before = link->pos();
    QTest::mousePress(link, Qt::LeftButton);
    EXPECT_EQ(link->pos(), before + QPoint(1, 1));
    QTest::mouseRelease(link, Qt::LeftButton);
    EXPECT_EQ(link->pos(), before);
    ASSERT_EQ(w.launcher.opened.size(), 1);
    EXPECT_EQ(w.launcher.opened[0].toString(), WordPanel::onlineDictionaryBase() + "sentence");

    // A word not in the dictionary stops the previous recording.
    w.wordEngine->calls.clear();
    QTest::mouseClick(w.wordLabel("L"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(panel->meaningLabel()->text(), kNotFoundMeaning);
    EXPECT_EQ(w.wordEngine->calls, QStringList({"pause", "close"})); // no recording of "L"

    // A click beside the words and a change of mode close the panel.
    QTest::mouseClick(w.form->panels()->Picture12, Qt::LeftButton, {},
                      QPoint(w.form->panels()->Picture12->width() - 5, 5));
    EXPECT_FALSE(panel->panel()->isVisible());
    QTest::mouseClick(word, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(panel->panel()->isVisible());
    w.form->modes()->Label14_MouseUp(2);
    EXPECT_FALSE(panel->panel()->isVisible());
}

TEST(DictationWindow, BookChoiceReadsItsResultsAndExportWritesTheLesson) {
    TestCourse course;
    const QString other = QString::fromUtf8("英语900句");
    course.write("\\SETTING\\BookList\\" + other + ".dat", QString::fromUtf8("^第一课^"));
    course.write("\\SETTING\\Results\\" + other + ".dat", QString::fromUtf8("^★第一课^"));
    course.write("\\book\\" + other + "\\1.dat", QString::fromUtf8("*Run.#跑。#0#1##*"));
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("0\\1\\1\\1\\0\\1\\0\\1\\0\\新英语900句\\60\\"));
    StudyWindow w(course);
    BookResultsPanel* results = w.form->dictation()->results();
    EXPECT_EQ(results->results().bookName(), course.book);

    // Export of the lesson on the screen.
    QTemporaryDir out;
    LessonExporter* exporter = w.form->dictation()->exporter();
    exporter->setExportFolder(out.path());
    QPushButton* command35 = w.named<QPushButton>("Command35");
    ASSERT_NE(command35, nullptr);
    EXPECT_EQ(command35->text(), "Command35");
    EXPECT_EQ(command35->geometry(), QRect(px(21495), px(1350), px(2955), px(735)));
    // A window wider than the design keeps the button beyond its right edge.
    w.form->resize(px(30000), w.form->height());
    QTRY_VERIFY(command35->x() >= w.form->width());
    command35->click();
    EXPECT_EQ(TextFileStore::Load(out.filePath("1.txt")).value_or("<missing>"),
              QString::fromUtf8("L1 sentence 1.*第1句。\r\nL1 sentence 2.*第2句。\r\n"
                                "L1 sentence 3.*第3句。\r\n"));

    QComboBox* combo1 = w.form->chooser()->Combo1();
    const int index = combo1->findText(other);
    ASSERT_GE(index, 0);
    combo1->setCurrentIndex(index);
    emit combo1->activated(index);
    EXPECT_EQ(results->results().bookName(), other);
    EXPECT_EQ(results->results().resultsText(), QString::fromUtf8("^★第一课^"));
    QTRY_COMPARE(w.form->presenter()->Label1->text(), QString("Run."));
    command35->click();
    EXPECT_EQ(TextFileStore::Load(out.filePath("1.txt")).value_or("<missing>"),
              QString::fromUtf8("Run.*跑。\r\n"));
}

} // namespace
