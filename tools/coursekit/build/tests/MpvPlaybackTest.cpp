#include "Commands.h"
#include "Lesson.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <mpv/client.h>

namespace {
// Plays [from, to) of a file through libmpv's PCM writer (no sound device,
// no real time) and returns the mono 16-bit samples at 22050 Hz.
std::vector<int16_t> playThroughMpv(const QString& file, double from, double to,
                                    const QString& out) {
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle* h = mpv_create();
    if (!h) return {};
    const QByteArray outPath = QFile::encodeName(out);
    mpv_set_option_string(h, "ao", "pcm");
    mpv_set_option_string(h, "ao-pcm-file", outPath.constData());
    mpv_set_option_string(h, "ao-pcm-waveheader", "no");
    mpv_set_option_string(h, "vo", "null");
    mpv_set_option_string(h, "audio-samplerate", "22050");
    mpv_set_option_string(h, "audio-channels", "mono");
    mpv_set_option_string(h, "audio-format", "s16");
    mpv_set_option_string(h, "start", QByteArray::number(from, 'f', 3).constData());
    mpv_set_option_string(h, "end", QByteArray::number(to, 'f', 3).constData());
    if (mpv_initialize(h) < 0) {
        mpv_terminate_destroy(h);
        return {};
    }
    const QByteArray path = QFile::encodeName(file);
    const char* cmd[] = {"loadfile", path.constData(), nullptr};
    mpv_command(h, cmd);
    for (;;) {
        const mpv_event* e = mpv_wait_event(h, 30);
        if (e->event_id == MPV_EVENT_END_FILE || e->event_id == MPV_EVENT_NONE) break;
    }
    mpv_terminate_destroy(h);
    QFile f(out);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray raw = f.readAll();
    std::vector<int16_t> samples(size_t(raw.size() / 2));
    std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
    return samples;
}

double rms(const std::vector<int16_t>& s, double from, double to) {
    const size_t a = size_t(std::max(0.0, from) * 22050);
    const size_t b = std::min(s.size(), size_t(to * 22050));
    if (b <= a) return 0;
    double sum = 0;
    for (size_t i = a; i < b; ++i)
        sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(b - a));
}
} // namespace

// The study window seeks libmpv to a sentence's Start: what it hears from
// there must be that sentence's speech, not silence and not encoder delay.
TEST(MpvPlayback, SeekingToStartLandsOnTheSpeech) {
    QTemporaryDir dir;
    const QString app = dir.filePath("app");
    ASSERT_EQ(runBuild({QStringLiteral(SPOKEN_TEST_DATA_DIR "/small.course"), app}), 0);
    const ProgramFolder folder(app);
    const QString book = QString::fromUtf8("英语900句");
    const Lesson lesson = std::get<Lesson>(Lesson::load(folder.lessonTextPath(book, 1)));
    int n = 0;
    for (const Sentence& s : lesson.sentences) {
        SCOPED_TRACE(s.English.toStdString());
        const double lead = 0.2; // start a little early: silence, then the sentence
        const std::vector<int16_t> pcm =
            playThroughMpv(folder.lessonAudioPath(book, 1), s.Start - lead, s.End,
                           dir.filePath(QString("play%1.raw").arg(++n)));
        ASSERT_FALSE(pcm.empty());
        EXPECT_NEAR(double(pcm.size()) / 22050, s.End - s.Start + lead, 0.03);
        EXPECT_LT(rms(pcm, 0, lead - 0.01), 8);             // the gap before it
        EXPECT_GT(rms(pcm, lead + 0.02, lead + 0.12), 100); // speech right after Start
        // The first loud sample: within the 15 ms onset kept before the speech.
        size_t onset = 0;
        while (onset < pcm.size() && std::abs(pcm[onset]) < 250)
            ++onset;
        EXPECT_GE(double(onset) / 22050, lead - 0.002);
        EXPECT_LE(double(onset) / 22050, lead + 0.03);
    }
}
