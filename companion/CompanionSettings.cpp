#include "CompanionSettings.h"

#include "Numbers.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

int nonNegativeInt(const QString& field) {
    return std::max(0, leadingInt(field));
}

quint32 colour(const QString& field) {
    const double v = leadingNumber(field);
    if (!(v > 0)) return 0;
    return quint32(std::min<double>(std::floor(v), CompanionSettings::kMaxColour));
}

QString withoutBackslash(QString text) {
    return text.remove(QLatin1Char('\\'));
}

} // namespace

CompanionSettings CompanionSettings::parse(const QString& text, int* fieldsFound) {
    QStringList fields;
    qsizetype from = 0;
    while (fields.size() < kFieldCount) {
        const qsizetype slash = text.indexOf(QLatin1Char('\\'), from);
        if (slash < 0) break;
        fields << text.mid(from, slash - from);
        from = slash + 1;
    }
    if (fieldsFound) *fieldsFound = int(fields.size());
    while (fields.size() < kFieldCount)
        fields << QString();

    CompanionSettings s;
    s.currentLesson = nonNegativeInt(fields[0]);
    s.showEnglish = leadingInt(fields[1]) == 1;
    s.showChinese = leadingInt(fields[2]) == 1;
    s.readTimesStudy = fields[3];
    s.pauseSecsStudy = fields[4];
    s.readTimesBrowse = fields[5];
    s.pauseSecsBrowse = fields[6];
    s.endLesson = fields[7];
    s.hn = nonNegativeInt(fields[8]);
    s.book = fields[9];
    s.background = colour(fields[10]);
    s.textColour = colour(fields[11]);
    return s;
}

QString CompanionSettings::toText() const {
    const QStringList fields = {
        QString::number(std::max(0, currentLesson)),
        showEnglish ? QStringLiteral("1") : QStringLiteral("0"),
        showChinese ? QStringLiteral("1") : QStringLiteral("0"),
        withoutBackslash(readTimesStudy),
        withoutBackslash(pauseSecsStudy),
        withoutBackslash(readTimesBrowse),
        withoutBackslash(pauseSecsBrowse),
        withoutBackslash(endLesson),
        QString::number(std::max(0, hn)),
        withoutBackslash(book),
        QString::number(std::min(background, kMaxColour)),
        QString::number(std::min(textColour, kMaxColour)),
    };
    QString text;
    for (const QString& f : fields)
        text += f + QLatin1Char('\\');
    return text;
}

namespace ColourValue {
quint32 fromRgb(int red, int green, int blue) {
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}
int red(quint32 value) {
    return int(value & 0xFF);
}
int green(quint32 value) {
    return int(value >> 8 & 0xFF);
}
int blue(quint32 value) {
    return int(value >> 16 & 0xFF);
}
} // namespace ColourValue
