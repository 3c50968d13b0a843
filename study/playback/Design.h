#pragma once

// The designed geometry of the study window, in twips, before the layout
// stretches it to the screen. Everything that the layout does not move keeps
// these places.
namespace Design {
constexpr int kClientWidth = 15480;
constexpr int kClientHeight = 11070;

// Content frame Label7(6).
constexpr int kContentLeft = 3060;
constexpr int kContentTop = 1500;
constexpr int kContentWidth = kClientWidth - kContentLeft - 130;
constexpr int kContentHeight = kClientHeight - kContentTop - 390;

// The title strip Label36 across the top of the content frame; Line2 under it.
constexpr int kStripHeight = 420;
constexpr int kRuleY = kContentTop + 15 + kStripHeight; // Y

// Bands of the sentence-study area.
constexpr int kBandLeft = kContentLeft + 185;
constexpr int kBandWidth = kContentWidth - 370;

// The bottom row of buttons (sentence buttons, speed, dictation buttons).
constexpr int kBottomRowHeight = 360;
constexpr int kBottomRowTop = kClientHeight - kBottomRowHeight - 530;

// Tab bar.
constexpr int kTabLeft = 120;
constexpr int kTabStep = 915;
constexpr int kTabTop = 90;
constexpr int kTabWidth = 900;
constexpr int kTabHeight = 840;
} // namespace Design

namespace Design {
// The sentence-study area divides the free height below Y into three bands
// with proportional gaps.
struct Bands {
    double A = 0; // free height
    double U = 0; // gap
    double B = 0; // band height
    int top1 = 0, top2 = 0, top3 = 0;
    int height = 0;
};
inline Bands bands(int windowHeight, int ruleY) {
    Bands b;
    b.A = windowHeight - ruleY - 775;
    b.U = 0.0588 * b.A;
    b.B = 0.2688 * b.A;
    b.height = int(b.B);
    b.top1 = int(ruleY + b.U);
    b.top2 = int(b.top1 + b.height + b.U);
    b.top3 = int(b.top2 + b.height + b.U);
    return b;
}
} // namespace Design
