#include "HeardPlays.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A recording laid out by hand: silence, a tone with a marker gap, silence,
// another tone.
void tone(QVector<qint16>& out, int count) {
    for (int i = 0; i < count; ++i)
        out << qint16(10000 * std::sin(2 * M_PI * 440 * i / 44100.0));
}
void quiet(QVector<qint16>& out, int count) {
    out.insert(out.size(), count, 0);
}

TEST(HeardPlays, FindsPlaysAndTheirMarkers) {
    QVector<qint16> rec;
    quiet(rec, 5000);
    tone(rec, 20000);
    quiet(rec, 441);
    tone(rec, 10000);
    quiet(rec, 10000);
    tone(rec, 3000);
    quiet(rec, 300); // a marker-length gap near the end of the second play
    tone(rec, 3000);
    quiet(rec, 4000);
    const auto bursts = HeardPlays::find(rec);
    ASSERT_EQ(bursts.size(), 2);
    EXPECT_NEAR(bursts[0].onset, 5000, 5); // the tone starts at a zero crossing
    EXPECT_NEAR(bursts[0].offset, 5000 + 20000 + 441 + 10000 - 1, 3);
    EXPECT_NEAR(bursts[0].marker, 5000 + 20000 + 220, 3);
    EXPECT_NEAR(bursts[1].onset, 45441, 5);
    EXPECT_GT(bursts[1].marker, 0);
    EXPECT_FALSE(bursts[0].blip);
}

TEST(HeardPlays, ABreakRightAfterTheStartIsABlipNotTheMarker) {
    QVector<qint16> rec;
    quiet(rec, 5000);
    tone(rec, 90);
    quiet(rec, 930); // 21 ms of nothing after a 2 ms blip
    tone(rec, 20000);
    quiet(rec, 441);
    tone(rec, 5000);
    quiet(rec, 5000);
    const auto bursts = HeardPlays::find(rec);
    ASSERT_EQ(bursts.size(), 1);
    EXPECT_TRUE(bursts[0].blip);
    EXPECT_NEAR(bursts[0].sustained, 5000 + 90 + 930, 5);
    EXPECT_NEAR(bursts[0].marker, 5000 + 90 + 930 + 20000 + 220, 3);
}

TEST(HeardPlays, MeasuresAgainstTheLesson) {
    // Heard 100 samples before the marker that sits 150 after Start:
    // 50 samples clipped; heard 70 after the marker that sits 60 before End:
    // 10 samples leaked.
    HeardPlays::Burst b;
    b.onset = 1000;
    b.offset = 1169;
    b.marker = 1100;
    b.sustained = 1000;
    const auto m = HeardPlays::measure(b, 150, 0, 210);
    EXPECT_DOUBLE_EQ(m.startOffset, 50);
    EXPECT_DOUBLE_EQ(m.leak, 10);
}

} // namespace
