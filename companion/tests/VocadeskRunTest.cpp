// One run of the real program on a virtual display: started in a program
// folder of its own, closed through its popup menu, and the settings file it
// wrote on the way out is read back.
#include "CompanionFixture.h"
#include "CompanionSettings.h"

#include <QProcess>
#include <QStandardPaths>

TEST(VocadeskRun, ClosedByItsMenuItWritesItsSettings) {
    for (const char* tool : {"xvfb-run", "xdotool", "xauth"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    const QString binary = QStringLiteral(SPOKEN_APP_DIR) + "/vocadesk";
    ASSERT_TRUE(QFileInfo(binary).isExecutable()) << binary.toStdString();

    TestCourse course;
    course.addBook(QStringLiteral("英语900句"), {"Greetings", "Weather"}, 3, false);
    ASSERT_TRUE(QFile::copy(binary, course.dir.filePath("vocadesk")));
    QFile(course.dir.filePath("vocadesk"))
        .setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Repeat 0 keeps the run silent; fields 6 and 7 must come back untouched.
    const QString settings =
        QStringLiteral("1\\1\\1\\0\\2\\04\\ 7.5\\Weather\\0\\英语900句\\12615808\\16777215\\");
    course.writeSettings(settings);

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM"); // the real window system this time
    env.remove("DISPLAY");
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start("xvfb-run", {"-a", "-s", "-screen 0 1280x800x24", "sh",
                           QStringLiteral(VOCADESK_RUN_SCRIPT), course.dir.path()});
    ASSERT_TRUE(run.waitForFinished(90000));
    QFile log(course.dir.filePath("vocadesk.log"));
    log.open(QIODevice::ReadOnly);
    ASSERT_EQ(run.exitCode(), 0) << run.readAll().toStdString() << log.readAll().toStdString();

    QFile written(course.folder.companionSettingsPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("{\\rtf"));
    int found = 0;
    const CompanionSettings s = CompanionSettings::parse(course.settingsText(), &found);
    EXPECT_EQ(found, 12);
    EXPECT_EQ(course.settingsText(), settings);
    EXPECT_EQ(s.readTimesBrowse, "04");
    EXPECT_EQ(s.pauseSecsBrowse, " 7.5");
}
