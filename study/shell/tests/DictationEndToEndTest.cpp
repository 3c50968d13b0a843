// Starts the real program under a virtual display, takes the dictation of a
// three-sentence lesson with the keyboard, closes it and reads the results
// file it wrote.
#include "TestCourse.h"
#include "XvfbRun.h"

namespace {

TEST(DictationEndToEnd, KeyboardDictationStarsTheLessonInTheResultsFile) {
    if (!haveXvfbTools()) GTEST_SKIP() << "xvfb-run or xdotool is not installed";
    TestCourse course;
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("0\\1\\1\\1\\0\\1\\0\\1\\0\\新英语900句\\60\\"));
    const QString program = course.dir.filePath("spoken");
    ASSERT_TRUE(QFile::copy(SPOKEN_EXECUTABLE, program));

    // The tab "听写测试" is the sixth: 4695 twips from the left, 90 down.
    // Each sentence: type it, Enter checks, Enter closes the result message.
    const XvfbResult run = runSpokenUnderXvfb(program, QStringLiteral(R"(
xdotool mousemove --window "$win" 343 34 click 1
sleep 0.5
for s in 1 2 3; do
  xdotool type --delay 15 "L1 sentence $s"
  xdotool key Return
  sleep 0.6
  xdotool key Return
  sleep 0.6
done
)"),
                                              3300, 90000);
    ASSERT_TRUE(run.finished) << run.output.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();

    EXPECT_EQ(course.read("\\SETTING\\Results\\" + course.book + ".dat"),
              QString::fromUtf8("^★第1课 问候^☆第2课 介绍^☆第3课 天气^"));
    EXPECT_TRUE(course.read("\\SETTING\\set.dat").endsWith("\\60\\"));
}

} // namespace
