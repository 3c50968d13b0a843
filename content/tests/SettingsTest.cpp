#include "StudySettings.h"
#include "TextFileStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}
const char kExample[] = "2\\1\\1\\2\\1\\1\\0\\0\\0\\新英语900句\\80\\";
} // namespace

TEST(StudySettings, TheExampleFileByteForByte) {
    // Lesson 3 of 新英语900句, both sentences shown, study 2 times with 1 s pauses,
    // browse once without pause, no Chinese in the panel or in dictation, pass mark 80.
    StudySettings s;
    s.fields = {"2", "1", "1", "2", "1", "1", "0", "0", "0", u("新英语900句"), "80"};
    EXPECT_EQ(s.toText(), u(kExample));

    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    ASSERT_TRUE(s.save(folder));
    QFile file(folder.settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              QByteArray("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 "
                         "\\'cb\\'ce\\'cc\\'e5;}}\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 "
                         "2\\\\1\\\\1\\\\2\\\\1\\\\1\\\\0\\\\0\\\\0\\\\"
                         "\\'d0\\'c2\\'d3\\'a2\\'d3\\'ef900\\'be\\'e4\\\\80\\\\\\par }"));

    const std::optional<StudySettings> back = StudySettings::load(folder);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->fields, s.fields);
    EXPECT_EQ(back->lessonIndex(), 2);
    EXPECT_TRUE(back->showEnglish());
    EXPECT_TRUE(back->showChinese());
    EXPECT_EQ(back->readTimesStudy(), 2);
    EXPECT_EQ(back->pauseSecsStudy(), 1);
    EXPECT_EQ(back->readTimesBrowse(), 1);
    EXPECT_EQ(back->pauseSecsBrowse(), 0);
    EXPECT_FALSE(back->showWholeTextChinese());
    EXPECT_FALSE(back->showDictationChinese());
    EXPECT_EQ(back->book(), u("新英语900句"));
    EXPECT_EQ(back->passMark(), "80");
}

TEST(StudySettings, ReadingAndWritingAnUnchangedFileKeepsTheFields) {
    for (const char* text :
         {kExample, "-1\\0\\1\\ 2 \\1.5\\x\\\\1\\1\\b\\100\\", "\\\\\\\\\\\\\\\\\\\\\\"}) {
        const auto s = StudySettings::parse(u(text));
        ASSERT_TRUE(s.has_value()) << text;
        EXPECT_EQ(s->toText(), u(text));
    }
}

TEST(StudySettings, LenientFieldsAndShortTexts) {
    const auto s = StudySettings::parse(u("-1\\1 \\0x\\2 \\1.5\\\\abc\\1\\0\\b\\7\\trailing\r\n"));
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->lessonIndex(), -1);
    EXPECT_TRUE(s->showEnglish());
    EXPECT_FALSE(s->showChinese());
    EXPECT_EQ(s->readTimesStudy(), 2);
    EXPECT_EQ(s->pauseSecsStudy(), 1.5);
    EXPECT_EQ(s->readTimesBrowse(), 0);
    EXPECT_EQ(s->pauseSecsBrowse(), 0);
    EXPECT_EQ(s->passMark(), "7");

    EXPECT_FALSE(StudySettings::parse(u("")).has_value());
    EXPECT_FALSE(StudySettings::parse(u("2\\1\\1\\2\\1\\1\\0\\0\\0\\新英语900句\\80")).has_value());

    QTemporaryDir dir;
    EXPECT_FALSE(StudySettings::load(ProgramFolder(dir.path())).has_value());
}
