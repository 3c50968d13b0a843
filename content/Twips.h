#pragma once

// Window geometry is designed in twips; the screen counts 15 twips per pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int px(double twips) {
    return int(twips >= 0 ? twips / kTwipsPerPixel + 0.5 : twips / kTwipsPerPixel - 0.5);
}
constexpr int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}
