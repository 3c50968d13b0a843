// Starts the real program under a virtual display, types keys into it,
// closes it with its close button and reads the settings it wrote.
#include "TestCourse.h"

#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace {

bool haveTools() {
    return !QStandardPaths::findExecutable("xvfb-run").isEmpty() &&
           !QStandardPaths::findExecutable("xdotool").isEmpty();
}

TEST(EndToEnd, KeysUnderXvfbThenCloseWritesTheSettings) {
    if (!haveTools()) GTEST_SKIP() << "xvfb-run or xdotool is not installed";
    TestCourse course;
    course.write("\\SETTING\\set.dat",
                 QString::fromUtf8("0\\1\\1\\2\\0\\1\\0\\1\\0\\新英语900句\\70\\"));
    const QString program = course.dir.filePath("spoken");
    ASSERT_TRUE(QFile::copy(SPOKEN_EXECUTABLE, program));

    // The script waits for the window, picks lesson 3 in the lesson list,
    // steps through it with PageDown/PageUp, then clicks the close button.
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
# Lesson list rows are 22 pixels from 133 pixels down: row 3 is lesson 3.
xdotool mousemove --window "$win" 60 188 click 1
sleep 0.5
xdotool key Next Next Prior Next
sleep 0.3
# Close button Command17(0): Left = W - 420 twips, 60 twips down.
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
    // Look for a free display away from other tests' servers.
    const QString firstDisplay = QString::number(200 + QCoreApplication::applicationPid() % 3000);
    run.start("xvfb-run", {"-a", "-n", firstDisplay, "-s", "-screen 0 1280x800x24 -dpi 96", "bash",
                           "-c", script, "e2e", program});
    ASSERT_TRUE(run.waitForFinished(60000)) << run.readAll().toStdString();
    EXPECT_EQ(run.exitCode(), 0) << run.readAll().toStdString();

    EXPECT_EQ(course.read("\\SETTING\\set.dat"),
              QString::fromUtf8("2\\1\\1\\2\\0\\1\\0\\1\\0\\新英语900句\\70\\"));
    EXPECT_EQ(course.read("\\SETTING\\load.dat"), "1");
}

} // namespace
