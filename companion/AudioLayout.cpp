#include "AudioLayout.h"

#include <array>

namespace {

struct SharedRange {
    int first;
    int last;
    int file;
};

// Lesson ranges of the books whose audio is a handful of long recordings.
constexpr std::array kIeltsRanges{
    SharedRange{1, 10, 1},  SharedRange{11, 20, 2}, SharedRange{21, 30, 3}, SharedRange{31, 40, 4},
    SharedRange{41, 50, 5}, SharedRange{51, 65, 6}, SharedRange{66, 75, 7}};
constexpr std::array kDailyRanges{SharedRange{1, 18, 1},  SharedRange{19, 38, 2},
                                  SharedRange{39, 54, 3}, SharedRange{55, 68, 4},
                                  SharedRange{69, 87, 5}, SharedRange{88, 105, 6}};

template <std::size_t N> QString sharedFile(const std::array<SharedRange, N>& ranges, int lesson) {
    for (const SharedRange& r : ranges)
        if (lesson >= r.first && lesson <= r.last) return QString::number(r.file) + ".mp3";
    return {};
}

} // namespace

namespace AudioLayout {

QStringList videoBooks() {
    return {QStringLiteral("走遍美国"),         QStringLiteral("纵横美国"),
            QStringLiteral("新概念英语第一册"), QStringLiteral("新概念英语第二册"),
            QStringLiteral("新概念英语第三册"), QStringLiteral("新概念英语第四册"),
            QStringLiteral("英语900句视频版")};
}

QString fileName(const QString& book, int lessonNumber) {
    if (book == QStringLiteral("雅思口语900句")) return sharedFile(kIeltsRanges, lessonNumber);
    if (book == QStringLiteral("常用会话900句")) return sharedFile(kDailyRanges, lessonNumber);
    if (videoBooks().contains(book)) return QString::number(lessonNumber) + ".wmv";
    return QString::number(lessonNumber) + ".mp3";
}

bool noticeWhenMissing(const QString& book) {
    return book != QStringLiteral("雅思口语900句") && book != QStringLiteral("常用会话900句") &&
           !videoBooks().contains(book);
}

int volumeFor(const QString& book) {
    if (book == QStringLiteral("英语900句经典版")) return 70;
    if (book == QStringLiteral("英语900句视频版")) return 50;
    return 100;
}

} // namespace AudioLayout
