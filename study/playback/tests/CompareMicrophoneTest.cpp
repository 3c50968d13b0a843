// The compare panel recording through the real microphone path: a private
// X server (Xvfb) for the window and a private PulseAudio server whose
// default source is a virtual microphone. A known tone is played into that
// microphone while the learner presses 录音 and 停止; \Recorder.wav must then
// hold the tone, and 您的发音 must play it to its end on a real engine.
// Skipped when Xvfb or the PulseAudio tools are not installed.

#include "ComparePanel.h"
#include "MpvEngine.h"
#include "PlaybackRig.h"
#include "Ui.h"
#include "VoiceRecorder.h"
#include "WavFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr double kToneHz = 660.0;
constexpr int kToneRate = 44100;
const char* const kMicSink = "compare_mic_sink";
const char* const kMicSource = "compare_mic";

// A program this test started; it is ended by its pid and nothing else.
class Child {
public:
    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { stop(); }

    // Pipes of the caller stay open in the child (they are not close-on-exec).
    bool start(const std::vector<std::string>& argv, const std::string& logPath) {
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        const int rc = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) pid_ = -1;
        return pid_ > 0;
    }

    bool running() {
        if (pid_ <= 0) return false;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        return true;
    }

    void stop() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 50; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

// The private servers, started once for the whole program.
struct Sandbox {
    std::string skipReason; // empty when the servers run
    std::string failure;    // set when a server could not be brought up
    std::string dir;
    Child xserver;
    Child pulse;

    bool toolsPresent() {
        for (const char* tool : {"Xvfb", "pulseaudio", "paplay"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                skipReason = std::string(tool) + " is not installed";
                return false;
            }
        }
        return true;
    }

    std::string log(const char* name) const { return dir + "/" + name + ".log"; }

    bool startX() {
        int fds[2];
        if (::pipe(fds) != 0) return false;
        const bool started = xserver.start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen",
                                            "0", "1280x800x24", "-nolisten", "tcp", "-noreset"},
                                           log("xvfb"));
        ::close(fds[1]);
        std::string number;
        if (started) {
            pollfd p{fds[0], POLLIN, 0};
            char c = 0;
            while (::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
                number += c;
        }
        ::close(fds[0]);
        if (number.empty()) {
            failure = "Xvfb did not start; see " + log("xvfb");
            return false;
        }
        ::setenv("DISPLAY", (":" + number).c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        return true;
    }

    bool startPulse() {
        const std::string run = dir + "/run", socket = run + "/native";
        ::mkdir(run.c_str(), 0700);
        ::mkdir((dir + "/state").c_str(), 0700);
        // Nothing of the machine's own configuration: our script, our client
        // file, our runtime folder, no autospawn of a second server.
        QFile client(QString::fromStdString(dir + "/client.conf"));
        if (!client.open(QIODevice::WriteOnly)) return false;
        client.write("autospawn = no\n");
        client.close();
        QFile script(QString::fromStdString(dir + "/server.pa"));
        if (!script.open(QIODevice::WriteOnly)) return false;
        script.write(QString("load-module module-native-protocol-unix socket=%1 auth-anonymous=1\n"
                             "load-module module-null-sink sink_name=speakers rate=44100\n"
                             "load-module module-null-sink sink_name=%2 rate=44100 channels=1\n"
                             "load-module module-remap-source source_name=%3 master=%2.monitor\n"
                             "set-default-sink speakers\n"
                             "set-default-source %3\n")
                         .arg(QString::fromStdString(socket), kMicSink, kMicSource)
                         .toUtf8());
        script.close();
        ::setenv("HOME", dir.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
        ::setenv("PULSE_RUNTIME_PATH", run.c_str(), 1);
        ::setenv("PULSE_STATE_PATH", (dir + "/state").c_str(), 1);
        ::setenv("PULSE_CLIENTCONFIG", (dir + "/client.conf").c_str(), 1);
        ::setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        if (!pulse.start({"pulseaudio", "-n", "-F", dir + "/server.pa", "--daemonize=no",
                          "--exit-idle-time=-1", "--use-pid-file=no", "--system=no",
                          "--disallow-exit", "--realtime=no", "--high-priority=no",
                          "--log-target=stderr"},
                         log("pulseaudio"))) {
            failure = "pulseaudio did not start";
            return false;
        }
        // The socket appears once the server has loaded the script.
        for (int i = 0; i < 250; ++i) {
            if (!pulse.running()) break;
            struct stat st;
            if (::stat(socket.c_str(), &st) == 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        failure = "pulseaudio did not come up; see " + log("pulseaudio");
        return false;
    }

    void start() {
        if (!toolsPresent()) return;
        char pattern[] = "/tmp/compare-mic-XXXXXX";
        if (!::mkdtemp(pattern)) {
            failure = "no temporary folder";
            return;
        }
        dir = pattern;
        if (startX()) startPulse();
    }

    void stop() {
        pulse.stop();
        xserver.stop();
        if (!dir.empty()) QDir(QString::fromStdString(dir)).removeRecursively();
    }
};

Sandbox& sandbox() {
    static Sandbox s;
    return s;
}

// Mean square of the samples and the share of it that lies at `hz`
// (Goertzel over the whole block, normalised against the block's energy).
struct ToneMeasure {
    double rms = 0;
    double share = 0;
};
ToneMeasure measure(const qint16* s, qsizetype n, int rate, double hz) {
    ToneMeasure m;
    if (n <= 0) return m;
    double energy = 0;
    for (qsizetype i = 0; i < n; ++i)
        energy += double(s[i]) * s[i];
    m.rms = std::sqrt(energy / n);
    const double w = 2 * M_PI * hz / rate, coeff = 2 * std::cos(w);
    double q1 = 0, q2 = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const double q0 = coeff * q1 - q2 + s[i];
        q2 = q1;
        q1 = q0;
    }
    const double power = q1 * q1 + q2 * q2 - coeff * q1 * q2;
    // A pure tone of amplitude A over n samples gives power (A n / 2)^2 and
    // energy A^2 n / 2: their ratio, 2 power / (n energy), is 1.
    m.share = energy > 0 ? 2 * power / (double(n) * energy) : 0;
    return m;
}

// Zero crossings per second / 2: the frequency of a clean tone.
double crossingFrequency(const qint16* s, qsizetype n, int rate) {
    int crossings = 0;
    for (qsizetype i = 1; i < n; ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    return n > 0 ? crossings * rate / (2.0 * n) : 0;
}

struct CompareMicrophoneTest : ::testing::Test {
    void SetUp() override {
        if (!sandbox().skipReason.empty()) GTEST_SKIP() << sandbox().skipReason;
        ASSERT_TRUE(sandbox().failure.empty()) << sandbox().failure;
    }
};

TEST_F(CompareMicrophoneTest, RecorderWavHoldsTheToneFedIntoTheMicrophone) {
    PlaybackRig rig;
    auto source = createMicrophoneSource();
    ASSERT_TRUE(source->available()) << "the virtual microphone is not seen as an input";
    MpvEngineOptions options;
    options.audioOutput = QStringLiteral("pulse");
    auto engine = createMpvEngine(options);
    ASSERT_TRUE(engine);
    const QString wav = rig.dir.filePath("Recorder.wav");
    VoiceRecorder recorder(source.get(), engine.get(), wav);
    ComparePanel panel(rig.form.get(), &rig.state, rig.panels, rig.playback, &recorder,
                       &rig.notifier);
    rig.presenter->beginLesson(lessonOf(3), 3);
    rig.modes->cc();
    QTest::mouseClick(rig.modes->tab(5), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.form.get()));

    // A tone played into the microphone while the learner records.
    const std::string tone = sandbox().dir + "/tone.wav";
    WavFile::Pcm pcm;
    pcm.sampleRate = kToneRate;
    pcm.channels = 1;
    const int n = 6 * kToneRate;
    pcm.samples.resize(qsizetype(n) * 2);
    auto* out = reinterpret_cast<qint16*>(pcm.samples.data());
    for (int i = 0; i < n; ++i)
        out[i] = qint16(12000 * std::sin(2 * M_PI * kToneHz * i / kToneRate));
    ASSERT_TRUE(WavFile::write(QString::fromStdString(tone), pcm));
    Child player;
    // A short latency makes the null sink pass the tone on in small blocks;
    // with paplay's default the remapped microphone would get it seconds late.
    ASSERT_TRUE(player.start({"paplay", "--latency-msec=30", "--device", kMicSink, tone},
                             sandbox().log("paplay")));
    QTest::qWait(400); // the stream connects and the tone is under way
    // The remapped monitor of an idle null sink starts in blocks of up to two
    // seconds; a first take brings it to its short latency.
    QTest::mouseClick(panel.Command8, Qt::LeftButton);
    QTest::qWait(1000);
    QTest::mouseClick(panel.Command10, Qt::LeftButton);

    QTest::mouseClick(panel.Command8, Qt::LeftButton);
    ASSERT_TRUE(recorder.isRecording());
    QElapsedTimer pressed;
    pressed.start();
    QTest::qWait(2000);
    QTest::mouseClick(panel.Command10, Qt::LeftButton);
    const double pressSeconds = pressed.elapsed() / 1000.0;
    // The device's last part comes in after the press; the tone goes on
    // until the take is written.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !recorder.isFinishing(); }, VoiceRecorder::kMaxTailMs + 1000));
    player.stop();
    EXPECT_TRUE(rig.notifier.shown.isEmpty()) << rig.notifier.shown.join("; ").toStdString();
    EXPECT_EQ(panel.Command9->isEnabled(), true);
    EXPECT_EQ(panel.Command12->isEnabled(), true);

    auto take = WavFile::read(wav);
    ASSERT_TRUE(take.has_value());
    ASSERT_EQ(take->channels, 1);
    const qsizetype frames = take->samples.size() / 2;
    const double seconds = double(frames) / take->sampleRate;
    // Nothing after the press: the device is read on only for what it had
    // captured by then. (The start of a take on a freshly woken virtual
    // microphone is lost in the server, so the take may be shorter.)
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, pressSeconds + 0.05);
    // The last second but its final tenth: clear of the device's start and stop.
    const auto* s = reinterpret_cast<const qint16*>(take->samples.constData());
    const qsizetype edge = take->sampleRate / 10, span = take->sampleRate;
    ASSERT_GT(frames, span + edge);
    const qint16* part = s + frames - edge - span;
    // Judged block by block (50 ms each) and by the median block, so that a
    // dropout of the busy sound server shifting the phase does not count.
    ToneMeasure heard = measure(part, span, take->sampleRate, kToneHz);
    std::vector<double> shares, rates;
    const qsizetype block = take->sampleRate / 20;
    for (qsizetype at = 0; at + block <= span; at += block) {
        shares.push_back(measure(part + at, block, take->sampleRate, kToneHz).share);
        rates.push_back(crossingFrequency(part + at, block, take->sampleRate));
    }
    ASSERT_FALSE(shares.empty());
    std::sort(shares.begin(), shares.end());
    std::sort(rates.begin(), rates.end());
    heard.share = shares[shares.size() / 2];
    const double hz = rates[rates.size() / 2];
    std::printf("press %.3f s, tone take %.3f s at %d Hz: rms %.1f, share at %.0f Hz "
                "%.3f, crossing frequency %.1f Hz\n",
                pressSeconds, seconds, take->sampleRate, heard.rms, kToneHz, heard.share, hz);
    EXPECT_GT(heard.rms, 3000.0) << "the tone should be loud in the take";
    EXPECT_GT(heard.share, 0.8) << "the take should be the tone";
    EXPECT_NEAR(hz, kToneHz, kToneHz * 0.05);

    // 您的发音 plays it on a real engine, and its end is the completion event.
    int done = 0;
    QObject::connect(&recorder, &VoiceRecorder::done, [&] { ++done; });
    QTest::mouseClick(panel.Command12, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return done == 1; }, 8000));
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    sandbox().start();
    const int rc = RUN_ALL_TESTS();
    sandbox().stop();
    return rc;
}
