// Starts the real program under a virtual display, types keys into it,
// closes it with its close button and reads the settings it wrote.
#include "TestCourse.h"
#include "XvfbRun.h"

namespace {

TEST(EndToEnd, KeysUnderXvfbThenCloseWritesTheSettings) {
    if (!haveXvfbTools()) GTEST_SKIP() << "xvfb-run or xdotool is not installed";
    TestCourse course;
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("0\\1\\1\\2\\0\\1\\0\\1\\0\\新英语900句\\70\\"));
    const QString program = course.dir.filePath("spoken");
    ASSERT_TRUE(QFile::copy(SPOKEN_EXECUTABLE, program));

    // Pick lesson 3 in the lesson list, step through it with PageDown/PageUp.
    // Lesson list rows are 22 pixels from 133 pixels down: row 3 is lesson 3.
    const XvfbResult run = runSpokenUnderXvfb(program, QStringLiteral(R"(
xdotool mousemove --window "$win" 60 188 click 1
sleep 0.5
xdotool key Next Next Prior Next
sleep 0.3
)"),
                                              200, 60000);
    ASSERT_TRUE(run.finished) << run.output.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();

    EXPECT_EQ(course.read("\\SETTING\\set.dat"),
              QString::fromUtf8("2\\1\\1\\2\\0\\1\\0\\1\\0\\新英语900句\\70\\"));
    EXPECT_EQ(course.read("\\SETTING\\load.dat"), "1");
}

} // namespace
