#include "AudioCoding.h"
#include "Book.h"
#include "Commands.h"
#include "Lesson.h"
#include "ProgramFolder.h"
#include "TextFileStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {
const QString kSmall = QStringLiteral(SPOKEN_TEST_DATA_DIR "/small.course");

using Snapshot = QMap<QString, QByteArray>;

Snapshot snapshot(const QString& root) {
    Snapshot files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        files.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return files;
}

// The files that are missing, extra or different.
QStringList differences(const Snapshot& a, const Snapshot& b) {
    QStringList out;
    for (auto it = a.begin(); it != a.end(); ++it)
        if (!b.contains(it.key()) || b.value(it.key()) != it.value()) out.append(it.key());
    for (auto it = b.begin(); it != b.end(); ++it)
        if (!a.contains(it.key())) out.append(it.key());
    return out;
}

QString writeSource(const QTemporaryDir& dir, const QByteArray& text) {
    const QString path = dir.filePath("source.course");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Decoded mono 16-bit samples at the file's own rate; empty without ffmpeg.
std::vector<int16_t> decode(const QString& mp3, int rate) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "error", "-i", mp3, "-f", "s16le", "-ac", "1", "-ar",
                            QString::number(rate), "-"});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) return {};
    const QByteArray raw = ffmpeg.readAllStandardOutput();
    std::vector<int16_t> samples(size_t(raw.size() / 2));
    std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
    return samples;
}

double rms(const std::vector<int16_t>& s, double from, double to, int rate) {
    const size_t a = size_t(std::max(0.0, from) * rate);
    const size_t b = std::min(s.size(), size_t(to * rate));
    if (b <= a) return 0;
    double sum = 0;
    for (size_t i = a; i < b; ++i)
        sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(b - a));
}

bool haveFfmpeg() {
    return !QStandardPaths::findExecutable("ffmpeg").isEmpty();
}

class CourseBuildTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString folder() const { return dir_.filePath("app"); }
    int build(const QString& source) { return runBuild({source, folder()}); }
    QTemporaryDir dir_;
};
} // namespace

TEST_F(CourseBuildTest, SmallSourceBuildsEveryFile) {
    ASSERT_EQ(build(kSmall), 0);
    const ProgramFolder app(folder());
    const QString book = QString::fromUtf8("英语900句");

    const auto parsed = Lesson::load(app.lessonTextPath(book, 1));
    ASSERT_TRUE(std::holds_alternative<Lesson>(parsed));
    const Lesson lesson = std::get<Lesson>(parsed);
    ASSERT_EQ(lesson.sentenceCount(), 3);
    EXPECT_EQ(lesson.sentences[1].English, QString("I am fine, thank you."));
    EXPECT_EQ(lesson.sentences[1].Chinese, QString::fromUtf8("我很好，谢谢。"));
    EXPECT_EQ(lesson.sentences[1].Note, QString::fromUtf8("回答问候的常用说法。"));
    EXPECT_DOUBLE_EQ(lesson.sentences[0].Start, 0.5);
    for (int i = 0; i < 3; ++i) {
        const Sentence& s = lesson.sentences[i];
        EXPECT_GT(s.End, s.Start);
        // Whole milliseconds, by construction.
        EXPECT_EQ(std::llround(s.Start * 1000) % 20, 0);
        EXPECT_EQ(std::llround(s.End * 1000) % 20, 0);
        if (i > 0) {
            EXPECT_NEAR(s.Start - lesson.sentences[i - 1].End, 0.6, 1e-9);
        }
    }
    EXPECT_TRUE(QFile::exists(app.lessonAudioPath(book, 1)));
    EXPECT_TRUE(QFile::exists(app.lessonAudioPath(book, 2)));
    EXPECT_TRUE(QFile::exists(app.lessonAudioPath(QString::fromUtf8("新英语900句"), 1)));

    const Book b = Book::load(app, book);
    EXPECT_EQ(b.lessonTitles, QStringList({QString::fromUtf8("问候"), QString::fromUtf8("学习")}));
    EXPECT_EQ(b.resultsText, QString::fromUtf8("^☆问候^☆学习^"));

    // A first start opens lesson 1 of the first study book of the course.
    EXPECT_EQ(TextFileStore::Load(app.settingsPath()),
              QString::fromUtf8("0\\1\\1\\1\\1\\1\\0\\1\\0\\英语900句\\60\\"));

    const QString dict = TextFileStore::Load(app.dictionaryPath()).value_or(QString());
    EXPECT_TRUE(dict.startsWith("$am["));
    EXPECT_TRUE(dict.endsWith(QString::fromUtf8("]pron. 你；你们$")));
    EXPECT_TRUE(dict.contains(QString::fromUtf8("$look at[")));
    EXPECT_EQ(TextFileStore::Load(app.phraseListPath()), QString("$get out$look at$out of$"));

    for (const char* word : {"hello", "I", "English", "look at", "study"}) {
        const QByteArray wav = readAll(app.wordAudioPath(word));
        EXPECT_TRUE(wav.startsWith("RIFF") && wav.size() > 2000) << word;
    }
    EXPECT_TRUE(QFile::exists(folder() + "/Word/l/look at.wav"));
    for (const char* name : {"0.jpg", "1.jpg", "a1.jpg", "f.jpg", "t.jpg"}) {
        const QImage image(app.bitmapPath(name));
        EXPECT_FALSE(image.isNull()) << name;
        EXPECT_LE(image.width(), 16) << name;
    }
    // A drawn mark differs from the empty box.
    EXPECT_NE(QImage(app.bitmapPath("0.jpg")), QImage(app.bitmapPath("1.jpg")));
    for (const char* name : {"MouDown.wav", "MouUp.wav", "wrong.wav", "type.wav"}) {
        const QByteArray wav = readAll(app.interfaceSoundPath(name));
        EXPECT_TRUE(wav.startsWith("RIFF")) << name;
        EXPECT_LT(wav.size(), 60000) << name; // short
    }
}

TEST_F(CourseBuildTest, RebuildGivesIdenticalBytes) {
    // Each run is a fresh process, as the build system runs it: espeak-ng
    // carries some state from one utterance to the next within a process.
    auto run = [](const QString& target) {
        QProcess p;
        p.start(COURSEKIT_PATH, {"build", kSmall, target});
        return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode()
                                                                                   : -1;
    };
    ASSERT_EQ(run(folder()), 0);
    const Snapshot first = snapshot(folder());
    ASSERT_GT(first.size(), 30);
    QTemporaryDir other;
    ASSERT_EQ(run(other.filePath("app")), 0);
    EXPECT_EQ(differences(snapshot(other.filePath("app")), first), QStringList());
    ASSERT_EQ(run(folder()), 0); // over itself
    EXPECT_EQ(differences(snapshot(folder()), first), QStringList());
}

TEST_F(CourseBuildTest, LeavesTheLearnersSettingsAlone) {
    const ProgramFolder app(folder());
    ASSERT_TRUE(QDir().mkpath(folder() + "/SETTING"));
    const QString mine = QString::fromUtf8("2\\1\\1\\2\\1\\1\\0\\0\\0\\新英语900句\\80\\");
    ASSERT_TRUE(TextFileStore::Save(app.settingsPath(), mine));
    ASSERT_EQ(build(kSmall), 0);
    EXPECT_EQ(TextFileStore::Load(app.settingsPath()), mine);
}

TEST_F(CourseBuildTest, RebuildKeepsThePassedLessons) {
    ASSERT_EQ(build(kSmall), 0);
    const ProgramFolder app(folder());
    Book b = Book::load(app, QString::fromUtf8("英语900句"));
    ASSERT_TRUE(b.markPassed(QString::fromUtf8("学习")));
    ASSERT_TRUE(b.saveResults(app));
    ASSERT_EQ(build(kSmall), 0);
    EXPECT_EQ(Book::load(app, QString::fromUtf8("英语900句")).resultsText,
              QString::fromUtf8("^☆问候^★学习^"));
}

TEST_F(CourseBuildTest, FaultySourceLeavesTheFolderAsItWas) {
    ASSERT_EQ(build(kSmall), 0);
    const Snapshot before = snapshot(folder());
    QByteArray good = readAll(kSmall);
    const QList<QByteArray> faults = {
        QByteArray(good).replace("Look at the sky. | 看天空。", "Look at the sky. 看天空。"),
        QByteArray(good).replace("lesson: 学习", "lesson: 问候"),
        QByteArray(good).replace("看天空。", "看天空。😀"),
        QByteArray(good).replace("voice: en-us", "voice: no-such-voice"),
    };
    for (const QByteArray& fault : faults) {
        ASSERT_NE(fault, good);
        EXPECT_EQ(build(writeSource(dir_, fault)), 1);
        EXPECT_EQ(differences(snapshot(folder()), before), QStringList());
    }
}

TEST_F(CourseBuildTest, SpeechFillsEachSentenceAndTheGapsAreSilent) {
    if (!haveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed";
    ASSERT_EQ(build(kSmall), 0);
    const ProgramFolder app(folder());
    const int rate = 22050;
    int lessons = 0;
    for (const QString& book : {QString::fromUtf8("英语900句"), QString::fromUtf8("新英语900句")}) {
        for (int n = 1; QFile::exists(app.lessonTextPath(book, n)); ++n, ++lessons) {
            const Lesson lesson = std::get<Lesson>(Lesson::load(app.lessonTextPath(book, n)));
            const std::vector<int16_t> pcm = decode(app.lessonAudioPath(book, n), rate);
            ASSERT_FALSE(pcm.empty());
            double previousEnd = 0;
            for (const Sentence& s : lesson.sentences) {
                SCOPED_TRACE(s.English.toStdString());
                // Speech throughout: loud overall, and neither edge is a stretch of silence.
                EXPECT_GT(rms(pcm, s.Start, s.End, rate), 1000);
                EXPECT_GT(rms(pcm, s.Start, s.Start + 0.1, rate), 100);
                EXPECT_GT(rms(pcm, s.End - 0.15, s.End, rate), 30);
                // Silence before it, from the previous sentence (or the file start).
                EXPECT_LT(rms(pcm, previousEnd + 0.01, s.Start - 0.01, rate), 8);
                previousEnd = s.End;
            }
            EXPECT_LT(rms(pcm, previousEnd + 0.01, double(pcm.size()) / rate, rate), 8);
        }
    }
    EXPECT_EQ(lessons, 3);
}

TEST(Mp3Encoding, DecodedSamplesLineUpWithTheInput) {
    if (!haveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed";
    const int rate = 22050;
    Samples input(size_t(rate), 0); // one second, a click train from sample 5000
    for (size_t i = 5000; i < 7000; ++i)
        input[i] = int16_t(std::sin(double(i) * 0.3) * 12000);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.mp3");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(encodeMp3(input, rate));
    f.close();
    const std::vector<int16_t> out = decode(path, rate);
    // The encoder delay and padding are trimmed: same length, same onset.
    ASSERT_EQ(out.size(), input.size());
    size_t onset = 0;
    while (onset < out.size() && std::abs(out[onset]) < 2000)
        ++onset;
    EXPECT_NEAR(double(onset), 5000.0, 3.0);
}
