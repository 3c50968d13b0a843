#include "TextFileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const QByteArray kHead = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 "
                         "\\'cb\\'ce\\'cc\\'e5;}}\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 ";

} // namespace

TEST(TextFileStore, WritesTheDocumentedRtfForm) {
    struct Case {
        QString text;
        QByteArray body; // between the paragraph settings and the closing "\par }"
    };
    const Case cases[] = {
        {u(""), ""},
        {u("Hello"), "Hello"},
        {u("a\\b{c}"), "a\\\\b\\{c\\}"},
        {u("one\r\ntwo"), "one\\par two"},
        {u("line\r\n"), "line\\par "},
        {u("你好"), "\\'c4\\'e3\\'ba\\'c3"},
        {u("☆★"), "\\'a1\\'ee\\'a1\\'ef"},
        {u("a\tb"), "a\\tab b"},
        // No GBK form: RTF's Unicode escape with a "?" fallback (UTF-16 units, signed).
        {u("😀"), "\\u-10179?\\u-8704?"},
        {u("ñ"), "\\u241?"},
        // Line breaks that are not CR LF stay what they are.
        {u("a\nb\rc"), "a\\'0ab\\'0dc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextFileStore::toRtf(c.text), kHead + c.body + "\\par }") << c.text.toStdString();
    }
}

TEST(TextFileStore, SaveThenLoadGivesTheIdenticalText) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("round.dat");
    const QString cases[] = {
        u(""),
        u("^第一课^第二课^"),
        u("*Hello, {world}!#你好，世界！#0.5#2.25#C:\\path\\to#*"),
        u("\\{}\\\\}}{{"),
        u("emoji 😀 and 🎉 between 中文"),
        u("CR LF\r\nin the middle\r\n\r\nand at the end\r\n"),
        u("\r\n"),
        u("  leading and trailing spaces  "),
        u("\r\n  after a break"),
        u("lone\nLF and lone\rCR and\n\r reversed"),
        u("tab\there"),
        u("digits after a break\r\n123 and after an escape 😀5"),
        u("control \x01\x1f\x7f bytes"),
        u("replacement \xEF\xBF\xBD char, é ü ß, ‘quotes’ — dash"),
        QString(QChar(0xD800)) + u("lone surrogate"),
        u("☆第一课^★第二课^"),
        u("全角空格　和 ·・ 点"),
        u("\\par \\u20320? {\\*\\x} not commands"),
    };
    for (const QString& text : cases) {
        ASSERT_TRUE(TextFileStore::Save(path, text));
        const std::optional<QString> back = TextFileStore::Load(path);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, text) << text.toStdString();
        EXPECT_TRUE(readBytes(path).startsWith("{\\rtf1\\ansi\\ansicpg936"));
    }
}

TEST(TextFileStore, PlainGbkAndRtfLoadToTheSameString) {
    QTemporaryDir dir;
    const QString lesson = u("*Good morning.#早上好。#0.0#1.8##\r\n*How are you?#你好吗？#1.8#3.2#"
                             "问候#\r\n*");
    const QString plain = dir.filePath("plain.dat");
    writeBytes(plain, Gbk::encode(lesson));
    const QString rtf = dir.filePath("rtf.dat");
    ASSERT_TRUE(TextFileStore::Save(rtf, lesson));
    EXPECT_NE(readBytes(plain), readBytes(rtf));
    EXPECT_EQ(TextFileStore::Load(plain), lesson);
    EXPECT_EQ(TextFileStore::Load(rtf), lesson);
}

TEST(TextFileStore, PlainTextWithAUtf8ByteOrderMarkIsReadAsUtf8) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bom.dat");
    writeBytes(path, "\xEF\xBB\xBF" + u("^第一课^").toUtf8());
    EXPECT_EQ(TextFileStore::Load(path), u("^第一课^"));
    // An RTF document behind such a mark is still read as RTF.
    writeBytes(path, "\xEF\xBB\xBF" + TextFileStore::toRtf(u("^第一课^")));
    EXPECT_EQ(TextFileStore::Load(path), u("^第一课^"));
}

TEST(TextFileStore, InvalidGbkBytesBecomeReplacementCharacters) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.dat");
    // A lead byte at the end, a lead byte with an invalid trail, 0xFF, then text.
    writeBytes(path, QByteArray("ok\xC4\xE3") + "\xFF" + "x\x81\x20y\xC4");
    EXPECT_EQ(TextFileStore::Load(path), u("ok你\uFFFDx\uFFFD y\uFFFD"));
}

TEST(TextFileStore, LoadFailsForMissingFilesAndFolders) {
    QTemporaryDir dir;
    EXPECT_FALSE(TextFileStore::Load(dir.filePath("nothing.dat")).has_value());
    EXPECT_FALSE(TextFileStore::Load(dir.path()).has_value());
    EXPECT_FALSE(TextFileStore::Load(QString()).has_value());
}

TEST(TextFileStore, EmptyFileLoadsAsEmptyText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.dat");
    writeBytes(path, "");
    EXPECT_EQ(TextFileStore::Load(path), QString());
}

TEST(TextFileStore, SaveCreatesTheFolderAndReplacesTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("SETTING/Results/book.dat");
    ASSERT_TRUE(TextFileStore::Save(path, u("^☆a^")));
    ASSERT_TRUE(TextFileStore::Save(path, u("^★a^")));
    EXPECT_EQ(TextFileStore::Load(path), u("^★a^"));
    // Only the file itself is left in the folder: no temporary files.
    EXPECT_EQ(QDir(dir.filePath("SETTING/Results")).entryList(QDir::Files),
              QStringList{"book.dat"});
}

TEST(TextFileStore, SaveFailsWhenThePathCannotBeAFile) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("plainfile"), "x");
    EXPECT_FALSE(TextFileStore::Save(dir.filePath("plainfile/inside.dat"), u("x")));
    EXPECT_FALSE(TextFileStore::Save(dir.path(), u("x")));
    EXPECT_FALSE(TextFileStore::Save(QString(), u("x")));
    EXPECT_EQ(readBytes(dir.filePath("plainfile")), "x");
}

TEST(TextFileStoreDeathTest, AnInterruptedSaveKeepsTheOldFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    const QString path = dir.filePath("set.dat");
    ASSERT_TRUE(TextFileStore::Save(path, u("old text")));
    const QByteArray before = readBytes(path);

    // The process dies after the new bytes are written, before they replace the file.
    EXPECT_EXIT(
        {
            TextFileStoreTesting::setBeforeRenameHook([](const QString&) { _exit(7); });
            TextFileStore::Save(path, u("new text that never arrives"));
        },
        testing::ExitedWithCode(7), "");

    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(TextFileStore::Load(path), u("old text"));
}

TEST(Gbk, StarsHaveTheirGbkBytes) {
    EXPECT_EQ(Gbk::encode(u("☆")), QByteArray("\xA1\xEE"));
    EXPECT_EQ(Gbk::encode(u("★")), QByteArray("\xA1\xEF"));
    EXPECT_EQ(Gbk::decode("\xA1\xEE\xA1\xEF"), u("☆★"));
}

TEST(Gbk, ReportsWhatItCannotHold) {
    bool lost = false;
    EXPECT_EQ(Gbk::encode(u("a😀b"), &lost), QByteArray("a?b"));
    EXPECT_TRUE(lost);
    EXPECT_EQ(Gbk::encode(u("新英语"), &lost), QByteArray("\xD0\xC2\xD3\xA2\xD3\xEF"));
    EXPECT_FALSE(lost);
    EXPECT_TRUE(Gbk::canEncode(QChar(0x4E2D)));
    EXPECT_FALSE(Gbk::canEncode(QChar(0xD83D)));
    EXPECT_FALSE(Gbk::canEncode(u("x😀")));
    EXPECT_TRUE(Gbk::canEncode(u("^☆第一课^")));
}
