#pragma once

class QApplication;

// Fonts and colours of the study window. The window's design fonts map to
// installed faces: "Times New Roman" -> Liberation Serif, "宋体"/"新宋体" ->
// Noto Serif CJK SC, "pron" -> DejaVu Sans.
namespace Theme {
void installFontSubstitutes();
// Substitutes, the application font and palette.
void apply(QApplication& app);
const char* styleSheet();
} // namespace Theme
