#include "LessonExport.h"
#include "ResultsKeeper.h"
#include "TextFileStore.h"

#include "QtPrinters.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QString star = QString(QChar(0x2605));
const QString hollow = QString(QChar(0x2606));

QString results(const QStringList& entries) {
    return "^" + entries.join("^") + "^";
}
} // namespace

TEST(Results, EditsAndTheFileThatFollows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ResultsKeeper keeper{ProgramFolder(dir.path())};
    keeper.setBook(QStringLiteral("英语900句"),
                   results({hollow + "Lesson 1", hollow + "Lesson 2"}));

    struct Step {
        const char* action; // "pass:<title>" or "clear"
        QString expected;
        bool changed;
    } steps[] = {
        {"pass:Lesson 2", results({hollow + "Lesson 1", star + "Lesson 2"}), true},
        // Passing a lesson already marked leaves the text alone; still written.
        {"pass:Lesson 2", results({hollow + "Lesson 1", star + "Lesson 2"}), false},
        // A title without entry changes nothing.
        {"pass:Lesson", results({hollow + "Lesson 1", star + "Lesson 2"}), false},
        {"pass:Lesson 1", results({star + "Lesson 1", star + "Lesson 2"}), true},
        {"clear", results({hollow + "Lesson 1", hollow + "Lesson 2"}), true},
    };
    const QString path = dir.path() + QStringLiteral("/SETTING/Results/英语900句.dat");
    for (const Step& s : steps) {
        QFile::remove(path);
        const QString action = s.action;
        bool changed = true;
        if (action.startsWith("pass:"))
            changed = keeper.markPassed(action.mid(5));
        else
            keeper.clearResults();
        EXPECT_EQ(changed, s.changed) << s.action;
        EXPECT_EQ(keeper.save(), ResultsKeeper::SaveOutcome::Saved);
        EXPECT_EQ(keeper.resultsText(), s.expected) << s.action;
        EXPECT_EQ(TextFileStore::Load(path).value_or("<missing>"), s.expected) << s.action;
    }
    EXPECT_EQ(keeper.entries(), QStringList({hollow + "Lesson 1", hollow + "Lesson 2"}));
}

TEST(Results, FailedSaveKeepsStarsAndTellsOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A file where the Results folder should be makes every write fail.
    QDir(dir.path()).mkpath("SETTING");
    QFile blocker(dir.path() + "/SETTING/Results");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    ResultsKeeper keeper{ProgramFolder(dir.path())};
    keeper.setBook("Book", results({hollow + "A", hollow + "B"}));
    keeper.markPassed("A");
    EXPECT_EQ(keeper.save(), ResultsKeeper::SaveOutcome::Failed);
    keeper.markPassed("B");
    EXPECT_EQ(keeper.save(), ResultsKeeper::SaveOutcome::FailedAgain);
    EXPECT_TRUE(keeper.hasUnsavedChanges());
    // Re-reading the old file for the same book does not drop the stars.
    keeper.setBook("Book", results({hollow + "A", hollow + "B"}));
    EXPECT_EQ(keeper.resultsText(), results({star + "A", star + "B"}));

    ASSERT_TRUE(QFile::remove(dir.path() + "/SETTING/Results"));
    EXPECT_EQ(keeper.save(), ResultsKeeper::SaveOutcome::Saved);
    EXPECT_FALSE(keeper.hasUnsavedChanges());
    EXPECT_EQ(TextFileStore::Load(dir.path() + "/SETTING/Results/Book.dat").value_or(""),
              results({star + "A", star + "B"}));
}

TEST(Results, UnsafeBookNameWritesNothing) {
    QTemporaryDir dir;
    ResultsKeeper keeper{ProgramFolder(dir.path())};
    keeper.setBook("../escape", results({hollow + "A"}));
    keeper.markPassed("A");
    EXPECT_EQ(keeper.save(), ResultsKeeper::SaveOutcome::Failed);
    EXPECT_FALSE(QFile::exists(dir.path() + "/escape.dat"));
}

TEST(Export, OneLinePerSentenceInOrder) {
    const QString text =
        lessonExportText({"Hello.", "a*b", "Bye."}, {QStringLiteral("你好。"), QStringLiteral("甲"),
                                                     QStringLiteral("再见。")});
    EXPECT_EQ(text, QStringLiteral("Hello.*你好。\r\na*b*甲\r\nBye.*再见。\r\n"));
    EXPECT_EQ(lessonExportText({}, {}), QString());
}

TEST(Export, FileNamedByListPosition) {
    QTemporaryDir dir;
    EXPECT_EQ(lessonExportPath(2, dir.path()), dir.path() + "/3.txt");
    EXPECT_EQ(lessonExportPath(-1, dir.path()), dir.path() + "/0.txt");
#ifndef Q_OS_WIN
    EXPECT_TRUE(lessonExportPath(0).endsWith("/1.txt"));
#endif
    const QString path = lessonExportPath(2, dir.path());
    ASSERT_TRUE(
        exportLessonText(path, {"One.", "Two.", "Three."},
                         {QStringLiteral("一。"), QStringLiteral("二。"), QStringLiteral("三。")}));
    // Replaces an older export.
    ASSERT_TRUE(
        exportLessonText(path, {"One.", "Two.", "Three."},
                         {QStringLiteral("一。"), QStringLiteral("二。"), QStringLiteral("三。")}));
    EXPECT_EQ(TextFileStore::Load(path).value_or(""),
              QStringLiteral("One.*一。\r\nTwo.*二。\r\nThree.*三。\r\n"));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().startsWith("{\\rtf"));
}
