#include "Theme.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

namespace Theme {

void apply(QApplication& app) {
    installFontSubstitutes();
    QFont font("Noto Sans CJK SC", 9);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);
    QPalette palette = app.palette();
    palette.setColor(QPalette::WindowText, QColor(38, 57, 63));
    palette.setColor(QPalette::ButtonText, QColor(35, 64, 74));
    palette.setColor(QPalette::Text, QColor(28, 42, 47));
    app.setPalette(palette);
}

void installFontSubstitutes() {
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Noto Serif CJK SC"});
    QFont::insertSubstitutions(QString::fromUtf8("宋体"),
                               {"Noto Serif CJK SC", "Liberation Serif"});
    QFont::insertSubstitutions(QString::fromUtf8("新宋体"),
                               {"Noto Serif CJK SC", "Liberation Serif"});
    QFont::insertSubstitutions("pron", {"DejaVu Sans"});
}

// A calm window: warm white surfaces, one teal accent, grey structure.
const char* styleSheet() {
    return R"(
QWidget#Form1 { background: #f2f4f3; }
QLabel[role="tabCaption"] { color: #2f4b53; font-size: 9pt; }
QLabel[role="headerCorner"] { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,
    stop:0 rgba(46,110,122,0), stop:1 rgba(46,110,122,40)); }
QLabel[role="stripOrnament"] { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,
    stop:0 rgba(214,130,64,0), stop:1 rgba(214,130,64,70)); }
QLabel[role="emblem"] { background: transparent; }
QFrame#Frame6 { background: transparent; }
QLabel[role="stripCaption"] { color: #6d7f84; }
QLabel[role="lessonTitle"] { color: #1f3a42; font-size: 11pt; font-weight: bold; }
QPushButton[role="windowButton"] { border: none; background: transparent; color: #52666b;
    font-size: 12pt; padding: 0; }
QPushButton[role="windowButton"]:hover { background: #dfe9ea; border-radius: 3px; }
QPushButton#Command17_0:hover { background: #d9534f; color: white; }
QLabel[role="contentFrame"] { background: #ffffff; border: 1px solid #d5dcdc; border-radius: 4px; }
QLabel[role="modeTitle"] { color: #ffffff; font-size: 11pt; font-weight: bold; }
QLabel[role="modeHint"] { color: #f1f4f4; }
QLabel[strip="true"] { color: #ffffff; }
QLabel[role="counterNumber"] { color: #ffe0b8; font-weight: bold; font-family: "Liberation Serif";
    font-size: 11pt; }
QFrame#Frame1, QFrame#Frame2, QFrame#Frame3, QFrame#Frame13 { background: transparent; }
QFrame#Frame2 QLabel, QFrame#Frame3 QLabel, QFrame#Frame13 QLabel { color: #ffffff; }
QFrame[role="band"] { background: #fbfbf7; border: 1px solid #dde3e2; border-radius: 6px; }
QLabel[role="english"] { color: #1c2a2f; }
QLabel[role="englishMask"] { color: #7b8b8f; }
QLabel[role="chinese"] { color: #24363b; }
QLabel[role="chineseMask"] { color: #a3aeb0; }
QLabel[role="note"] { color: #6e7f83; }
QPlainTextEdit#Text2 { background: #ffffff; border: 1px solid #c9d4d4; border-radius: 4px;
    font-family: "Liberation Serif"; font-size: 16pt; color: #1c2a2f;
    selection-background-color: #f0c9a4; selection-color: #1c2a2f; }
QPlainTextEdit#Text2:focus { border: 1px solid #2e6e7a; }
QPushButton { background: #ffffff; border: 1px solid #b8c6c8; border-radius: 4px;
    padding: 2px 8px; color: #23404a; }
QPushButton:hover { background: #eaf3f4; }
QPushButton:pressed { background: #d4e7e9; }
QPushButton:disabled { color: #a6b0b2; border-color: #d8dfe0; background: #f7f8f8; }
QPushButton[accent="true"] { background: #2e6e7a; color: #ffffff; border-color: #2e6e7a; }
QPushButton[accent="true"]:hover { background: #37808d; }
QPushButton[accent="true"]:disabled { background: #b9cfd2; border-color: #b9cfd2; color: #f4f7f7; }
QComboBox { background: #ffffff; border: 1px solid #b8c6c8; border-radius: 3px; padding: 0 4px; }
QFrame#Frame2 QPushButton { padding: 0; border-radius: 3px; }
QListWidget#List1 { background: #ffffff; border: 1px solid #d5dcdc; border-radius: 4px;
    padding: 2px; outline: none; }
QListWidget#List1::item { padding-left: 4px; color: #2c4148; }
QListWidget#List1::item:hover { background: #eef5f5; }
QListWidget#List1::item:selected { background: #2e6e7a; color: #ffffff; }
QFrame[role="viewport"], QFrame[role="comparePanel"] { background: #ffffff; }
QFrame#Picture2 { background: #ffffff; }
QLabel[role="panelFrame"] { border: 1px solid #dde3e2; border-radius: 6px; background: #fbfbf7; }
QLabel[role="compareEnglish"] { font-family: "Liberation Serif"; font-size: 18pt; color: #1c2a2f; }
QLabel[role="compareChinese"] { font-family: "Noto Serif CJK SC"; font-size: 14pt; }
QFrame[role="tip"] { background: #fff6df; border: 1px solid #e6c98f; border-radius: 4px; }
QFrame[role="wordPanel"] { background: #ffffff; border: 1px solid #9fb3b6; }
QFrame[role="resultsPanel"] { background: #ffffff; border: 1px solid #9fb3b6; border-radius: 6px; }
QFrame[role="progressFrame"] { background: #ffffff; border: 1px solid #b8c6c8; }
QToolTip { background: #fffdf4; color: #26393f; border: 1px solid #d8cfa8; }
)";
}

} // namespace Theme
