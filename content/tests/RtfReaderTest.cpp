#include "TextFileStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {
QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString dataPath(const QString& name) {
    return QStringLiteral(SPOKEN_TEST_DATA_DIR "/") + name;
}
} // namespace

TEST(RtfReader, ReadsWhatWordProcessorsWrite) {
    struct Case {
        const char* what;
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"our own form",
         "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 "
         "\\'cb\\'ce\\'cc\\'e5;}}\r\n\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 "
         "\\'c4\\'e3\\'ba\\'c3\\par\r\nHi\\par\r\n}\r\n\0",
         u("你好\r\nHi")},
        {"hex bytes in the document code page", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}", u("café")},
        {"upper-case hex", "{\\rtf1\\ansicpg936 \\'C4\\'E3}", u("你")},
        {"default ANSI code page", "{\\rtf1\\ansi \\'e9}", u("é")},
        {"unicode with one fallback byte", "{\\rtf1 \\u20320?\\u22909?}", u("你好")},
        {"unicode with \\uc2 and hex fallback",
         "{\\rtf1\\ansicpg936 \\uc2\\u20320\\'c4\\'e3\\u22909\\'ba\\'c3!}", u("你好!")},
        {"\\uc0 has no fallback", "{\\rtf1\\uc0\\u20320 x}", u("你x")},
        {"negative unicode values", "{\\rtf1 \\u-10179?\\u-8704?}", u("😀")},
        {"fallback count ends with the group", "{\\rtf1 {\\uc3\\u20320 a}bc}", u("你bc")},
        {"\\uc is scoped to its group", "{\\rtf1 {\\uc2 x}\\u20320 ab}", u("x你b")},
        {"par and line are CR LF", "{\\rtf1 a\\par b\\line c\\par d}", u("a\r\nb\r\nc\r\nd")},
        {"the last par ends the document", "{\\rtf1 a\\par b\\par }", u("a\r\nb")},
        {"only the last par is dropped", "{\\rtf1 a\\par\\par }", u("a\r\n")},
        {"a par followed by text is kept", "{\\rtf1 a\\par b}", u("a\r\nb")},
        {"the last par may sit in a group", "{\\rtf1 {\\pard a\\par}{\\pard b\\par}}", u("a\r\nb")},
        {"tab", "{\\rtf1 a\\tab b}", u("a\tb")},
        {"escapes", "{\\rtf1 \\\\ \\{ \\}}", u("\\ { }")},
        {"file line breaks are not text", "{\\rtf1 a\r\nb\nc\rd}", u("abcd")},
        {"a backslash before a line break is a paragraph", "{\\rtf1 a\\\r\nb}", u("a\r\nb")},
        {"control word delimiter space is consumed", "{\\rtf1 \\b bold\\b0  x}", u("bold x")},
        {"numeric parameter delimits", "{\\rtf1 \\fs24x}", u("x")},
        {"nested groups", "{\\rtf1 a{b{\\i c}d}e}", u("abcde")},
        {"font table", "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times;}}x}", u("x")},
        {"colour table", "{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}x}", u("x")},
        {"style sheet", "{\\rtf1{\\stylesheet{\\s0 Normal;}}x}", u("x")},
        {"info", "{\\rtf1{\\info{\\title T}{\\author A}}x}", u("x")},
        {"picture", "{\\rtf1{\\pict\\pngblip 89504e470d0a}x}", u("x")},
        {"ignorable destination", "{\\rtf1{\\*\\generator Writer}{\\*\\foo {bar} baz}x}", u("x")},
        {"field instruction skipped, result kept",
         "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"h\"}{\\fldrslt link}}}", u("link")},
        {"binary data may hold braces", "{\\rtf1{\\pict\\bin4 }}{x}y}", u("y")},
        {"symbols", "{\\rtf1 \\lquote a\\rquote  \\ldblquote b\\rdblquote \\emdash\\~}",
         u("‘a’ “b”—\u00A0")},
        {"font character set decides the bytes",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset134 SimSun;}}"
         "\\f1\\'c4\\'e3\\f0\\'e9}",
         u("你é")},
        {"unterminated document", "{\\rtf1 abc\\par", u("abc")},
        {"text after the document is ignored", "{\\rtf1 abc}def", u("abc")},
        {"unknown code page falls back", "{\\rtf1\\ansicpg99999 \\'41}", u("A")},
        {"invalid hex", "{\\rtf1 a\\'zzb\\'4}", u("azzb")},
        {"truncated GBK pair", "{\\rtf1\\ansicpg936 \\'c4}", u("\uFFFD")},
        {"huge parameter", "{\\rtf1 \\fs99999999999999999999 x\\u99999999999?}", u("x\uFFFD")},
        {"a lone backslash at the end", "{\\rtf1 x\\", u("x")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextFileStore::fromRtf(c.rtf), c.text) << c.what;
    }
}

TEST(RtfReader, RecognisesRtfByItsSignature) {
    EXPECT_TRUE(TextFileStore::looksLikeRtf("{\\rtf1\\ansi}"));
    EXPECT_FALSE(TextFileStore::looksLikeRtf("*{\\rtf1*"));
    EXPECT_FALSE(TextFileStore::looksLikeRtf(""));
}

// Documents written by LibreOffice Writer and pandoc from the same lesson text;
// see testdata/README.md for how they were made.
TEST(RtfReader, ReadsFixturesFromRealWriters) {
    const QString lesson = u("*Good morning, {Tom}!#早上好，汤姆！#0.5#2.25#C:\\note#\r\n"
                             "*Café 😀 and tabs\there.#咖啡。#2.25#4#☆★#\r\n*");
    const QStringList fixtures = QDir(QStringLiteral(SPOKEN_TEST_DATA_DIR))
                                     .entryList({"lesson-*.rtf"}, QDir::Files, QDir::Name);
    ASSERT_GE(fixtures.size(), 2) << "fixtures missing";
    for (const QString& name : fixtures) {
        const std::optional<QString> text = TextFileStore::Load(dataPath(name));
        ASSERT_TRUE(text.has_value()) << name.toStdString();
        EXPECT_EQ(*text, lesson) << name.toStdString() << ": " << text->toStdString();
    }
}

TEST(RtfReader, SurvivesRandomDamageToADocument) {
    const QByteArray good = TextFileStore::toRtf(u("*第一句 {x}\\#一#0#1##\r\n*😀 end*"));
    QRandomGenerator rng(20261211);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bad = good;
        const int edits = 1 + int(rng.bounded(8));
        for (int e = 0; e < edits; ++e) {
            const qsizetype at = rng.bounded(qsizetype(bad.size()));
            switch (rng.bounded(3)) {
            case 0:
                bad[at] = char(rng.bounded(256));
                break;
            case 1:
                bad.remove(at, 1 + rng.bounded(4));
                break;
            default:
                bad.insert(at, "{\\'\\u-\\bin9}"[rng.bounded(12)]);
                break;
            }
        }
        (void)TextFileStore::fromRtf(bad); // must return, whatever it gives
    }
    SUCCEED();
}
