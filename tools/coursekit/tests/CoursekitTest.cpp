#include "TextFileStore.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Outcome coursekit(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral(COURSEKIT_PATH), args);
    Outcome r;
    if (!p.waitForStarted(10000)) return r;
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString data(const QString& relative) {
    return QStringLiteral(SPOKEN_TEST_DATA_DIR "/") + relative;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(CoursekitCat, PrintsPlainAndRtfFilesAsUtf8WithNothingAdded) {
    const Outcome plain = coursekit({"cat", data("clean-course/book/新英语900句/2.dat")});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, "*How much is it?#多少钱？#0.5#2##\r\n*\r\n");

    const Outcome rtf = coursekit({"cat", data("clean-course/SETTING/Results/新英语900句.dat")});
    EXPECT_EQ(rtf.exitCode, 0);
    EXPECT_EQ(rtf.out, "^☆问候^★购物^");
    EXPECT_TRUE(rtf.err.isEmpty());
}

TEST(CoursekitCat, FailsWithAMessageWhenTheFileCannotBeRead) {
    const Outcome r = coursekit({"cat", data("no/such/file.dat")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("cannot read")) << r.err.constData();
    EXPECT_EQ(coursekit({"cat"}).exitCode, 2);
}

TEST(CoursekitSave, StoresRtfInGbkAndCatGivesTheBytesBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("SETTING/Results/书.dat");
    const QByteArray texts[] = {
        "^☆第一课^★第二课^",
        "*Hello, {Tom}!#你好，汤姆！#0.5#2##\r\n*C:\\dir#😀 emoji#2#3##\r\n*\r\n",
        "no line break at the end",
        "",
        "lone LF\nand tab\t",
    };
    for (const QByteArray& text : texts) {
        const Outcome save = coursekit({"save", path}, text);
        ASSERT_EQ(save.exitCode, 0) << save.err.constData();
        EXPECT_TRUE(readBytes(path).startsWith("{\\rtf1\\ansi\\ansicpg936\\deff0"));
        EXPECT_TRUE(readBytes(path).endsWith("\\par }"));
        const Outcome cat = coursekit({"cat", path});
        EXPECT_EQ(cat.exitCode, 0);
        EXPECT_EQ(cat.out, text);
    }
    // The Chinese is stored as GBK bytes, not as Unicode escapes.
    coursekit({"save", path}, "^☆第一课^");
    EXPECT_TRUE(readBytes(path).contains("^\\'a1\\'ee\\'b5\\'da\\'d2\\'bb\\'bf\\'ce^"));
}

TEST(CoursekitSave, RefusesInputThatIsNotUtf8AndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("set.dat");
    ASSERT_EQ(coursekit({"save", path}, "old").exitCode, 0);
    const QByteArray before = readBytes(path);
    const Outcome r = coursekit({"save", path}, "\xC4\xE3 is GBK, not UTF-8");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("not valid UTF-8")) << r.err.constData();
    EXPECT_EQ(readBytes(path), before);
}

TEST(CoursekitCheck, ACleanFolderPrintsNothing) {
    const Outcome r = coursekit({"check", data("clean-course")});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.exitCode, 0);
}

// faulty-course holds one deliberate fault of each kind (see testdata/README.md);
// the expected report lists them one line each.
TEST(CoursekitCheck, ReportsEveryDeliberateFaultOnItsOwnLine) {
    const Outcome r = coursekit({"check", data("faulty-course")});
    EXPECT_EQ(r.exitCode, 1);
    const QString expected = QString::fromUtf8(readBytes(data("faulty-course.expected")));
    EXPECT_EQ(QString::fromUtf8(r.out), expected);
}

TEST(CoursekitCheck, AMissingFolderIsAFailure) {
    const Outcome r = coursekit({"check", data("no-such-folder")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("not a folder"));
}
