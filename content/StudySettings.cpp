#include "StudySettings.h"

#include "Numbers.h"
#include "TextFileStore.h"

std::optional<StudySettings> StudySettings::parse(const QString& text) {
    StudySettings settings;
    qsizetype from = 0;
    for (int k = 0; k < kFieldCount; ++k) {
        const qsizetype mark = text.indexOf(u'\\', from);
        if (mark < 0) return std::nullopt;
        settings.fields[size_t(k)] = text.mid(from, mark - from);
        from = mark + 1;
    }
    return settings;
}

QString StudySettings::toText() const {
    QString text;
    for (const QString& field : fields) {
        text += field;
        text += u'\\';
    }
    return text;
}

int StudySettings::lessonIndex() const {
    return leadingInt(fields[0]);
}
bool StudySettings::showEnglish() const {
    return leadingInt(fields[1]) != 0;
}
bool StudySettings::showChinese() const {
    return leadingInt(fields[2]) != 0;
}
double StudySettings::readTimesStudy() const {
    return leadingNumber(fields[3]);
}
double StudySettings::pauseSecsStudy() const {
    return leadingNumber(fields[4]);
}
double StudySettings::readTimesBrowse() const {
    return leadingNumber(fields[5]);
}
double StudySettings::pauseSecsBrowse() const {
    return leadingNumber(fields[6]);
}
bool StudySettings::showWholeTextChinese() const {
    return leadingInt(fields[7]) != 0;
}
bool StudySettings::showDictationChinese() const {
    return leadingInt(fields[8]) != 0;
}

std::optional<StudySettings> StudySettings::load(const ProgramFolder& folder) {
    const std::optional<QString> text = TextFileStore::Load(folder.settingsPath());
    if (!text) return std::nullopt;
    return parse(*text);
}

bool StudySettings::save(const ProgramFolder& folder) const {
    return TextFileStore::Save(folder.settingsPath(), toText());
}
