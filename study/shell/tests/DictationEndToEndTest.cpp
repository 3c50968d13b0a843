// Starts the real program under a virtual display, takes the dictation of a
// three-sentence lesson with the keyboard, closes it and reads the results
// file it wrote.
#include "TestCourse.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

bool haveTools() {
    return !QStandardPaths::findExecutable("xvfb-run").isEmpty() &&
           !QStandardPaths::findExecutable("xdotool").isEmpty();
}

TEST(DictationEndToEnd, KeyboardDictationStarsTheLessonInTheResultsFile) {
    if (!haveTools()) GTEST_SKIP() << "xvfb-run or xdotool is not installed";
    TestCourse course;
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("0\\1\\1\\1\\0\\1\\0\\1\\0\\新英语900句\\60\\"));
    const QString program = course.dir.filePath("spoken");
    ASSERT_TRUE(QFile::copy(SPOKEN_EXECUTABLE, program));

    // The tab "听写测试" is the sixth: 4695 twips from the left, 90 down.
    // Each sentence: type it, Enter checks, Enter closes the result message.
    const QString script = QStringLiteral(R"(
set -e
"$1" &
pid=$!
for i in $(seq 1 100); do
  win=$(xdotool search --name '^Lingotra$' 2>/dev/null | head -n1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { kill $pid; exit 3; }
sleep 1
xdotool windowfocus --sync "$win" || true
xdotool mousemove --window "$win" 343 34 click 1
sleep 0.5
for s in 1 2 3; do
  xdotool type --delay 15 "L1 sentence $s"
  xdotool key Return
  sleep 0.6
  xdotool key Return
  sleep 0.6
done
eval $(xdotool getwindowgeometry --shell "$win")
xdotool mousemove --window "$win" $((WIDTH - 28 + 9)) 12 click 1
for i in $(seq 1 50); do kill -0 $pid 2>/dev/null || exit 0; sleep 0.1; done
kill $pid; exit 4
)");
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("QT_QPA_PLATFORM", "xcb");
    run.setProcessEnvironment(env);
    // Look for a free display away from other tests' servers (ctest may run
    // the other end-to-end test at the same time).
    const QString firstDisplay = QString::number(3300 + QCoreApplication::applicationPid() % 3000);
    run.start("xvfb-run", {"-a", "-n", firstDisplay, "-s", "-screen 0 1280x800x24 -dpi 96", "bash",
                           "-c", script, "e2e", program});
    ASSERT_TRUE(run.waitForFinished(90000)) << run.readAll().toStdString();
    EXPECT_EQ(run.exitCode(), 0) << run.readAll().toStdString();

    EXPECT_EQ(course.read("\\SETTING\\Results\\" + course.book + ".dat"),
              QString::fromUtf8("^★第1课 问候^☆第2课 介绍^☆第3课 天气^"));
    EXPECT_TRUE(course.read("\\SETTING\\set.dat").endsWith("\\60\\"));
}

} // namespace
