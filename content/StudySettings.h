#pragma once

#include "ProgramFolder.h"

#include <QString>
#include <array>
#include <optional>

// The study program's eleven settings fields, each followed by "\".
struct StudySettings {
    static constexpr int kFieldCount = 11;
    std::array<QString, kFieldCount> fields; // field k is fields[k - 1], raw text

    // nullopt when the text holds fewer than eleven "\".
    static std::optional<StudySettings> parse(const QString& text);
    QString toText() const; // every field followed by "\"

    // \SETTING\set.dat through the store: nullopt when it is missing, unreadable
    // or short (the caller keeps its initial values); save reports failure.
    static std::optional<StudySettings> load(const ProgramFolder& folder);
    bool save(const ProgramFolder& folder) const;

    // Typed views of the fields (lenient number reading).
    int lessonIndex() const;                               // field 1
    bool showEnglish() const;                              // field 2
    bool showChinese() const;                              // field 3
    double readTimesStudy() const;                         // field 4
    double pauseSecsStudy() const;                         // field 5
    double readTimesBrowse() const;                        // field 6
    double pauseSecsBrowse() const;                        // field 7
    bool showWholeTextChinese() const;                     // field 8
    bool showDictationChinese() const;                     // field 9
    const QString& book() const { return fields[9]; }      // field 10
    const QString& passMark() const { return fields[10]; } // field 11
};
