#include "BookResultsPanel.h"
#include "DictationController.h"
#include "DictationProgress.h"
#include "FakeAudioEngine.h"
#include "InterfaceSounds.h"
#include "LessonExporter.h"
#include "Notifier.h"
#include "QtPrinters.h"
#include "TextFileStore.h"
#include "Twips.h"
#include "WordStrip.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString hollow = QString(QChar(0x2606));
const QString star = QString(QChar(0x2605));

// Answers every message at once, remembering it; `onShow` runs while the
// message is "open", before it is closed.
struct AnsweringNotifier : Notifier {
    enum class Icon { None, Information };
    struct Shown {
        QString title, text;
        Icon icon;
    };
    QList<Shown> shown;
    std::function<void()> onShow;
    void information(QWidget*, const QString& title, const QString& text) override {
        record(title, text, Icon::Information);
    }
    void message(QWidget*, const QString& text) override { record(QString(), text, Icon::None); }

private:
    void record(const QString& title, const QString& text, Icon icon) {
        shown << Shown{title, text, icon};
        if (onShow) onShow();
    }
};

QString mask(const QString& s) {
    QString m = s;
    for (QChar& c : m)
        if (isAsciiLetter(c)) c = '_';
    return m;
}

// The study window as far as the dictation sees it: the sentence, its mask,
// the typing box, the frames, and a stand-in for sentence presentation.
struct DictationWindow {
    QTemporaryDir dir;
    QWidget window;
    QLineEdit* text2 = new QLineEdit(&window);
    QLabel* label1 = new QLabel(&window);
    QLabel* label39 = new QLabel(&window);
    QWidget* frame11 = new QWidget(&window);
    QWidget* frame12 = new QWidget(&window);
    QWidget* frame13 = new QWidget(&window);
    QWidget* frame21 = new QWidget(&window);
    QWidget* picture8 = new QWidget(&window);
    QWidget* picture12 = new QWidget(&window);
    FakeAudioEngine soundEngine;
    InterfaceSounds sounds{&soundEngine};
    AnsweringNotifier notifier;
    DictationProgress progress{frame21};
    BookResultsPanel results{picture8, ProgramFolder(dir.path()), &notifier};
    std::unique_ptr<DictationController> dictation;
    WordStrip strip{picture12};

    QStringList sentences;
    int current = -1;
    int plays = 0;
    QStringList events;

    explicit DictationWindow(QStringList lesson = {"Hello world!", "How are you?",
                                                   "I'm fine, thanks."}) {
        sentences = std::move(lesson);
        window.resize(1000, 700);
        picture12->setGeometry(0, 0, 800, 200);
        QDir(dir.path()).mkpath("SETTING/Sound");
        for (const char* name : {"type.wav", "wrong.wav"}) {
            QFile f(dir.path() + "/SETTING/Sound/" + name);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        }
        dictation = std::make_unique<DictationController>(
            DictationWidgets{text2, label1, label39, frame11, frame12, frame13},
            ProgramFolder(dir.path()), &sounds, &notifier, &progress, &results);
        // The window's side: NextSentence presents and (in dictation) plays.
        QObject::connect(dictation.get(), &DictationController::nextSentenceRequested,
                         [this] { present(current + 1, true); });
        QObject::connect(dictation.get(), &DictationController::playSentenceRequested, [this] {
            ++plays;
            events << "play";
        });
        QObject::connect(&progress, &DictationProgress::firstSentenceRequested,
                         [this] { present(0, true); });
        QObject::connect(&results, &BookResultsPanel::focusTypingBoxRequested,
                         [this] { text2->setFocus(); });
        results.setBook("Book", "^" + hollow + "Lesson 1^" + hollow + "Lesson 2^");
        dictation->setLessonTitle("Lesson 2");
        progress.setSentenceCount(int(sentences.size()));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        dictation->setStudyMode(8);
        present(0, false);
    }

    // ty: the sentence, its mask, the counters, the words; then the play.
    void present(int index, bool play) {
        current = index;
        events << "present " + QString::number(index);
        label1->setText(sentences[index]);
        label39->setText(mask(sentences[index]));
        label1->setVisible(dictation->studyMode() != 8);
        label39->setVisible(dictation->studyMode() == 8);
        dictation->setHasNextSentence(index + 1 < sentences.size());
        dictation->sentencePresented();
        strip.LayOutSentenceWords(sentences[index]);
        if (play && dictation->studyMode() == 8) {
            ++plays;
            events << "play";
        }
    }

    void type(const QString& text) {
        text2->setFocus();
        QTest::keyClicks(text2, text);
    }
    void enter() { QTest::keyClick(text2, Qt::Key_Return); }
    QString resultsFile() const { return dir.path() + "/SETTING/Results/Book.dat"; }
};

} // namespace

TEST(Dictation, WrongEntrySelectsFirstWrongLetterAndCosts) {
    DictationWindow w;
    w.type("helo world");
    w.soundEngine.calls.clear();
    w.enter();
    EXPECT_EQ(w.text2->selectionStart(), 3);
    EXPECT_EQ(w.text2->selectedText(), "o");
    EXPECT_EQ(w.text2->text(), "helo world") << "Enter adds nothing";
    EXPECT_EQ(w.soundEngine.calls,
              QStringList({"open:" + w.dir.path() + "/SETTING/Sound/wrong.wav", "play"}));
    EXPECT_EQ(w.dictation->counters().ErrorCount, "1");
    EXPECT_EQ(w.dictation->counters().SentenceScore, "90");
    EXPECT_TRUE(w.notifier.shown.isEmpty());
    EXPECT_EQ(w.current, 0);
}

TEST(Dictation, EveryTypedKeyClicks) {
    DictationWindow w;
    w.soundEngine.calls.clear();
    w.type("ab");
    EXPECT_EQ(w.soundEngine.count("open:" + w.dir.path() + "/SETTING/Sound/type.wav"), 2);
    EXPECT_EQ(w.text2->text(), "ab");
}

TEST(Dictation, HintShowsSentenceUntilNextKey) {
    DictationWindow w;
    w.dictation->Command23_Click();
    EXPECT_TRUE(w.label1->isVisible());
    EXPECT_FALSE(w.label39->isVisible());
    EXPECT_EQ(w.dictation->counters().HintCount, "1");
    EXPECT_EQ(w.dictation->counters().SentenceScore, "80");
    w.type("h");
    EXPECT_FALSE(w.label1->isVisible());
    EXPECT_TRUE(w.label39->isVisible());
}

TEST(Dictation, ScoringAgainstThePassMark) {
    struct Row {
        int hints, errors, replays;
        QString passMark;
        bool passes;
        QString score;
    } rows[] = {
        {1, 1, 2, "60", true, "60"},
        {1, 1, 2, "70", false, "60"},
        {6, 0, 0, "60", false, "0"},
        {0, 0, 0, "100", true, "100"},
    };
    for (const Row& r : rows) {
        DictationWindow w;
        w.dictation->setPassMarkText(r.passMark);
        for (int i = 0; i < r.hints; ++i)
            w.dictation->Command23_Click();
        for (int i = 0; i < r.replays; ++i)
            w.dictation->Command22_Click();
        for (int i = 0; i < r.errors; ++i) {
            w.type("x");
            w.enter();
            w.text2->clear();
        }
        w.plays = 0;
        w.type("hello world");
        w.enter();
        ASSERT_EQ(w.notifier.shown.size(), 1);
        const auto& m = w.notifier.shown[0];
        EXPECT_EQ(m.title, QStringLiteral("本句成绩"));
        EXPECT_EQ(m.icon, AnsweringNotifier::Icon::Information);
        EXPECT_TRUE(m.text.endsWith(kScoringRule));
        if (r.passes) {
            EXPECT_EQ(m.text, passMessage(r.score));
            EXPECT_EQ(w.current, 1);
            EXPECT_EQ(w.progress.done(), 1);
        } else {
            EXPECT_EQ(m.text, failMessage(r.score));
            // Redo: counters back, sentence played again, box emptied.
            EXPECT_EQ(w.current, 0);
            EXPECT_EQ(w.dictation->counters().SentenceScore, "100");
            EXPECT_EQ(w.dictation->counters().HintCount, "0");
            EXPECT_EQ(w.plays, 1);
            EXPECT_TRUE(w.text2->text().isEmpty());
            EXPECT_EQ(w.progress.done(), 0);
        }
    }
}

TEST(Dictation, NextStepWaitsForTheMessage) {
    DictationWindow w;
    int sentenceWhileOpen = -1;
    w.notifier.onShow = [&] { sentenceWhileOpen = w.current; };
    w.type("Hello, world");
    w.enter();
    EXPECT_EQ(sentenceWhileOpen, 0);
    EXPECT_EQ(w.current, 1);
}

TEST(Dictation, CompleteLessonStarsTheResultsFile) {
    DictationWindow w;
    QStringList doneWhileOpen;
    w.notifier.onShow = [&] {
        doneWhileOpen << QString::number(w.progress.done()) + "/" + w.progress.totalLabel()->text();
    };
    w.type("hello world");
    w.enter();
    w.type("how are yu");
    w.enter(); // wrong: -10
    EXPECT_EQ(w.text2->selectedText(), "u");
    w.text2->setText("How are you");
    w.enter();
    EXPECT_EQ(w.progress.done(), 2);
    EXPECT_FALSE(QFile::exists(w.resultsFile()));
    w.type("Im fine thanks");
    w.enter();

    ASSERT_EQ(w.notifier.shown.size(), 3);
    EXPECT_EQ(w.notifier.shown[0].text, passMessage("100"));
    EXPECT_EQ(w.notifier.shown[1].text, passMessage("90"));
    EXPECT_EQ(w.notifier.shown[2].text, lessonPassedMessage("100"));
    // The count reaches the total before the last message.
    EXPECT_EQ(doneWhileOpen, QStringList({"0/3", "1/3", "3/3"}));
    EXPECT_EQ(w.progress.done(), 3);
    EXPECT_DOUBLE_EQ(w.progress.ratio(), 1.0);
    EXPECT_EQ(w.progress.bar()->x() + w.progress.bar()->width(), w.progress.barFrame()->width());
    EXPECT_TRUE(w.picture8->isVisible());
    EXPECT_EQ(w.results.list()->count(), 2);
    EXPECT_EQ(w.results.list()->item(1)->text(), star + "Lesson 2");
    const QString expected = "^" + hollow + "Lesson 1^" + star + "Lesson 2^";
    EXPECT_EQ(TextFileStore::Load(w.resultsFile()).value_or("<missing>"), expected);
    // The saved bytes carry the GBK star.
    QFile raw(w.resultsFile());
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().contains("\\'a1\\'ef") ||
                TextFileStore::Load(w.resultsFile()) == expected);

    // Once complete, the last sentence counts no more.
    w.type("Im fine thanks");
    w.enter();
    EXPECT_EQ(w.notifier.shown.size(), 3);
    EXPECT_EQ(w.progress.done(), 3);
}

TEST(Dictation, LessonAlreadyPassedIsWrittenUnchanged) {
    DictationWindow w({"Yes."});
    w.results.setBook("Book", "^" + star + "Lesson 2^");
    w.type("yes");
    w.enter();
    EXPECT_EQ(TextFileStore::Load(w.resultsFile()).value_or("<missing>"), "^" + star + "Lesson 2^");
}

TEST(Dictation, LastSentenceFailStillRedoes) {
    DictationWindow w({"Yes."});
    for (int i = 0; i < 6; ++i)
        w.dictation->Command23_Click();
    w.type("yes");
    w.enter();
    ASSERT_EQ(w.notifier.shown.size(), 1);
    EXPECT_EQ(w.notifier.shown[0].text, failMessage("0"));
    EXPECT_EQ(w.progress.done(), 0);
    EXPECT_FALSE(QFile::exists(w.resultsFile()));
}

TEST(Dictation, RestartFromTheButtonFrame) {
    DictationWindow w;
    w.type("hello world");
    w.enter();
    EXPECT_EQ(w.progress.done(), 1);
    w.plays = 0;
    QTest::mouseClick(w.dictation->button(24), Qt::LeftButton);
    EXPECT_EQ(w.progress.done(), 0);
    EXPECT_EQ(w.progress.bar()->x(), -w.progress.bar()->width());
    EXPECT_EQ(w.current, 0);
    EXPECT_EQ(w.plays, 1);
}

TEST(Dictation, ProgressCountSlashLayoutAndBar) {
    QWidget frame;
    DictationProgress p(&frame);
    p.setSentenceCount(25);
    p.MarkSentencePassed();
    EXPECT_EQ(p.doneLabel()->text(), "1");
    EXPECT_EQ(p.totalLabel()->text(), "25");
    EXPECT_EQ(p.slashLabel()->text(), "/");
    EXPECT_EQ(p.slashLabel()->x(), p.doneLabel()->x() + p.doneLabel()->width() + px(40));
    EXPECT_EQ(p.totalLabel()->x(), p.slashLabel()->x() + p.slashLabel()->width() + px(40));
    EXPECT_EQ(p.bar()->x(), px(int(twips(p.barFrame()->width()) * (1.0 / 25)) - 2685));
    for (int i = 0; i < 9; ++i)
        p.MarkSentencePassed();
    EXPECT_EQ(p.doneLabel()->text(), "10");
    EXPECT_EQ(p.slashLabel()->x(), p.doneLabel()->x() + p.doneLabel()->width() + px(40));
}

TEST(Dictation, SentenceStudyIsPlainTyping) {
    DictationWindow w;
    w.dictation->setStudyMode(1);
    w.present(0, false);
    w.type("hello wold");
    w.enter();
    EXPECT_EQ(w.dictation->counters().ErrorCount, "0");
    EXPECT_EQ(w.dictation->counters().SentenceScore, "100");
    EXPECT_EQ(w.text2->selectedText(), "l"); // ‘wol’ against ‘wor’
    w.text2->setText("hello world");
    w.enter();
    EXPECT_TRUE(w.notifier.shown.isEmpty());
    EXPECT_EQ(w.current, 1);
    w.present(2, false);
    w.type("I'm fine, thanks.");
    w.enter();
    ASSERT_EQ(w.notifier.shown.size(), 1);
    EXPECT_EQ(w.notifier.shown[0].title, QStringLiteral("提示"));
    EXPECT_EQ(w.notifier.shown[0].text, QStringLiteral("已完成！"));
    EXPECT_EQ(w.progress.done(), 0);
}

TEST(Dictation, PlainTextTypingBoxSwallowsEnter) {
    QTemporaryDir dir;
    QWidget window;
    auto* text2 = new QPlainTextEdit(&window);
    auto* label1 = new QLabel("Hello world!", &window);
    AnsweringNotifier notifier;
    DictationProgress progress(nullptr);
    DictationController c({text2, label1, nullptr, nullptr, nullptr, nullptr},
                          ProgramFolder(dir.path()), nullptr, &notifier, &progress, nullptr);
    c.setStudyMode(8);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    text2->setFocus();
    QTest::keyClicks(text2, "helo");
    QTest::keyClick(text2, Qt::Key_Return);
    EXPECT_EQ(text2->toPlainText(), "helo");
    EXPECT_EQ(text2->textCursor().selectedText(), "o");
    EXPECT_EQ(c.counters().ErrorCount, "1");
}

TEST(Dictation, PassMarkCorrections) {
    DictationWindow w;
    QComboBox* combo = w.dictation->passMarkBox();
    EXPECT_EQ(combo->objectName(), "Combo5");
    EXPECT_EQ(combo->count(), 5);
    struct Row {
        QString restored;
        QString after;
        int messages;
    } rows[] = {{"", "60", 1}, {"40", "60", 1}, {"abc", "60", 1}, {"80", "80", 0}, {"60", "60", 0}};
    for (const Row& r : rows) {
        w.notifier.shown.clear();
        w.dictation->setPassMarkText(r.restored);
        EXPECT_EQ(combo->currentText(), r.after) << r.restored.toStdString();
        ASSERT_EQ(w.notifier.shown.size(), r.messages) << r.restored.toStdString();
        if (r.messages) {
            EXPECT_EQ(w.notifier.shown[0].text, QStringLiteral("最低值不能低于60分！"));
            EXPECT_EQ(w.notifier.shown[0].icon, AnsweringNotifier::Icon::None);
        }
    }
    // Typing ‘5’ into the box.
    w.notifier.shown.clear();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "5");
    EXPECT_EQ(combo->currentText(), "60");
    EXPECT_EQ(w.notifier.shown.size(), 1);
    // Choosing "70", then changing its last digit to ‘5’.
    w.notifier.shown.clear();
    combo->setCurrentIndex(1);
    combo->lineEdit()->setSelection(1, 1);
    QTest::keyClicks(combo->lineEdit(), "5");
    EXPECT_EQ(combo->currentText(), "75");
    EXPECT_TRUE(w.notifier.shown.isEmpty());
}

TEST(Results, ClearShowsAndWritesAndCloseHides) {
    QTemporaryDir dir;
    QWidget picture8;
    AnsweringNotifier notifier;
    BookResultsPanel panel(&picture8, ProgramFolder(dir.path()), &notifier);
    panel.setBook("Book", "^" + star + "A^" + hollow + "B^" + star + "C^");
    QSignalSpy focus(&panel, &BookResultsPanel::focusTypingBoxRequested);
    panel.Command26_Click();
    EXPECT_TRUE(picture8.isVisibleTo(&picture8) || !picture8.isHidden());
    EXPECT_EQ(panel.list()->count(), 3);
    EXPECT_EQ(panel.list()->item(2)->text(), hollow + "C");
    EXPECT_EQ(TextFileStore::Load(dir.path() + "/SETTING/Results/Book.dat").value_or(""),
              "^" + hollow + "A^" + hollow + "B^" + hollow + "C^");
    panel.Command27_Click();
    EXPECT_TRUE(picture8.isHidden());
    panel.ShowBookResults();
    panel.Command17_3_Click();
    EXPECT_TRUE(picture8.isHidden());
    EXPECT_GE(focus.count(), 3);
    EXPECT_TRUE(notifier.shown.isEmpty());
}

TEST(Results, FailedSaveToldOnceStarsKept) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("SETTING");
    QFile blocker(dir.path() + "/SETTING/Results");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QWidget picture8;
    AnsweringNotifier notifier;
    BookResultsPanel panel(&picture8, ProgramFolder(dir.path()), &notifier);
    panel.setBook("Book", "^" + hollow + "A^" + hollow + "B^");
    panel.MarkLessonPassed("A");
    panel.MarkLessonPassed("B");
    ASSERT_EQ(notifier.shown.size(), 1);
    EXPECT_EQ(notifier.shown[0].text, kResultsSaveFailedMessage);
    EXPECT_EQ(panel.list()->item(0)->text(), star + "A");
    ASSERT_TRUE(QFile::remove(dir.path() + "/SETTING/Results"));
    panel.Command27_Click();
    panel.MarkLessonPassed("B"); // the next write carries both stars
    EXPECT_EQ(TextFileStore::Load(dir.path() + "/SETTING/Results/Book.dat").value_or(""),
              "^" + star + "A^" + star + "B^");
}

TEST(Export, Command35WritesTheLesson) {
    QTemporaryDir dir;
    QWidget window;
    LessonExporter exporter(&window);
    ASSERT_NE(exporter.button(), nullptr);
    EXPECT_EQ(exporter.button()->objectName(), "Command35");
    EXPECT_EQ(exporter.button()->text(), "Command35");
    EXPECT_EQ(exporter.button()->geometry(), QRect(px(21495), px(1350), px(2955), px(735)));
    exporter.setExportFolder(dir.path());
    exporter.setLesson({"One.", "Two.", "Three."},
                       {QStringLiteral("一。"), QStringLiteral("二。"), QStringLiteral("三。")}, 2);
    QTest::mouseClick(exporter.button(), Qt::LeftButton);
    EXPECT_EQ(TextFileStore::Load(dir.path() + "/3.txt").value_or(""),
              QStringLiteral("One.*一。\r\nTwo.*二。\r\nThree.*三。\r\n"));
}

TEST(Dictation, UsesTheWindowsOwnControls) {
    QTemporaryDir dir;
    QWidget window;
    auto* text2 = new QPlainTextEdit(&window);
    auto* label1 = new QLabel("Yes.", &window);
    auto* frame11 = new QWidget(&window);
    auto* frame12 = new QWidget(&window);
    auto* frame13 = new QWidget(&window);
    auto* frame21 = new QWidget(&window);
    auto* picture8 = new QWidget(&window);
    for (const char* name : {"Command22", "Command23", "Command25", "Command24", "Command28"})
        (new QPushButton(name, frame11))->setObjectName(name);
    for (const char* name : {"Label27", "Label28", "Label29", "Label30"})
        (new QLabel("0", frame12))->setObjectName(name);
    auto* combo = new QComboBox(frame13);
    combo->setObjectName("Combo5");
    combo->setEditable(true);
    combo->addItems({"60", "70", "80", "90", "100"});
    for (const char* name : {"Label33", "Label7_36", "Label34", "Label32"})
        (new QLabel("0", frame21))->setObjectName(name);
    auto* picture9 = new QWidget(frame21);
    picture9->setObjectName("Picture9");
    picture9->resize(110, 12);
    auto* picture10 = new QWidget(picture9);
    picture10->setObjectName("Picture10");
    picture10->setGeometry(-179, 0, 179, 12);
    auto* list2 = new QListWidget(picture8);
    list2->setObjectName("List2");
    for (const char* name : {"Command26", "Command27", "Command17_3"})
        (new QPushButton(name, picture8))->setObjectName(name);

    auto* command1 = new QPushButton("Command1", &window);
    auto* list1 = new QListWidget(&window);
    list1->addItems({"K", "L"});
    list1->setCurrentRow(1);

    AnsweringNotifier notifier;
    DictationProgress progress(frame21);
    BookResultsPanel results(picture8, ProgramFolder(dir.path()), &notifier);
    DictationController c({text2, label1, nullptr, frame11, frame12, frame13, command1, list1},
                          ProgramFolder(dir.path()), nullptr, &notifier, &progress, &results);
    EXPECT_EQ(frame11->findChildren<QPushButton*>().size(), 5);
    EXPECT_EQ(frame12->findChildren<QLabel*>().size(), 4);
    EXPECT_EQ(frame13->findChildren<QComboBox*>().size(), 1);
    EXPECT_EQ(c.passMarkBox(), combo);
    EXPECT_EQ(results.list(), list2);
    EXPECT_EQ(progress.bar(), picture10);

    results.setBook("Book", "^" + hollow + "K^" + hollow + "L^");
    c.setStudyMode(8);
    command1->setEnabled(false); // the last sentence
    // The window writes DictationTotal itself on lesson load.
    frame21->findChild<QLabel*>("Label34")->setText("1");
    c.sentencePresented();
    text2->setPlainText("yes");
    c.Text2_KeyPress(13);
    EXPECT_EQ(frame12->findChild<QLabel*>("Label30")->text(), "100");
    EXPECT_EQ(list2->count(), 2);
    EXPECT_EQ(list2->item(1)->text(), star + "L");
    EXPECT_EQ(progress.doneLabel(), frame21->findChild<QLabel*>("Label33"));
    EXPECT_EQ(progress.doneLabel()->text(), "1");
    EXPECT_EQ(picture10->x() + picture10->width(), picture9->width());
    picture8->hide();
    QTest::mouseClick(c.button(28), Qt::LeftButton);
    EXPECT_FALSE(picture8->isHidden());
    QTest::mouseClick(frame11->findChild<QPushButton*>("Command24"), Qt::LeftButton);
    EXPECT_EQ(progress.doneLabel()->text(), "0");
}
