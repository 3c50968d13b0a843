#pragma once

#include <QString>

// The companion's settings record, "\SETTING\vocaset.dat": twelve fields, each
// followed by one "\". Numbers are read leniently; fields 4 to 7 are kept as
// text so that what the study program wrote there survives a companion run.
struct CompanionSettings {
    static constexpr int kFieldCount = 12;
    static constexpr quint32 kLavender = 12615808; // red 128, green 128, blue 192
    static constexpr quint32 kMaxColour = 0xFFFFFF;

    int currentLesson = 0;          // 1: 0-based position in the lesson list
    bool showEnglish = true;        // 2
    bool showChinese = true;        // 3
    QString readTimesStudy = "1";   // 4: ReadTimesStudy
    QString pauseSecsStudy = "1";   // 5: PauseSecsStudy
    QString readTimesBrowse = "1";  // 6: ReadTimesBrowse, written back as read
    QString pauseSecsBrowse = "0";  // 7: PauseSecsBrowse, written back as read
    QString endLesson;              // 8: EndLesson, a lesson-list entry
    int hn = 0;                     // 9: HN, 0-based start of the play range
    QString book;                   // 10
    quint32 background = kLavender; // 11: 0x00BBGGRR
    quint32 textColour = 0;         // 12: 0x00BBGGRR

    // Reads a settings text. A text with fewer than twelve "\" gives empty
    // (zero) values for the fields it lacks; `fieldsFound` tells how many
    // complete fields there were.
    static CompanionSettings parse(const QString& text, int* fieldsFound = nullptr);
    // Every field followed by "\". A "\" inside a text field would shift every
    // later field, so it is dropped.
    QString toText() const;

    friend bool operator==(const CompanionSettings&, const CompanionSettings&) = default;
};

// 0x00BBGGRR colour values, as the settings and the dialog hold them.
namespace ColourValue {
quint32 fromRgb(int red, int green, int blue);
int red(quint32 value);
int green(quint32 value);
int blue(quint32 value);
} // namespace ColourValue
