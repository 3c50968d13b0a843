#include "ProgramFolder.h"

#include <QCoreApplication>

ProgramFolder::ProgramFolder(QString root) : root_(std::move(root)) {
    while (root_.size() > 1 && root_.endsWith('/'))
        root_.chop(1);
}

ProgramFolder ProgramFolder::ofExecutable() {
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::path(const QString& backslashPath) const {
    QString relative = backslashPath;
    relative.replace('\\', '/');
    if (!relative.startsWith('/')) relative.prepend('/');
    return root_ + relative;
}

namespace {
// One path component that stays where it is put: nothing that separates,
// climbs or hides characters a file system treats specially.
bool isSafeComponent(const QString& name) {
    if (name.isEmpty() || name == "." || name.contains("..")) return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c == '/' || c == '\\') return false;
        if (c.category() == QChar::Other_Control) return false;
        if (c.isHighSurrogate()) {
            if (i + 1 >= name.size() || !name[i + 1].isLowSurrogate()) return false;
            ++i;
        } else if (c.isLowSurrogate()) {
            return false;
        }
    }
    return true;
}
} // namespace

bool ProgramFolder::isSafeBookName(const QString& book) {
    return isSafeComponent(book);
}

QString ProgramFolder::lessonTextPath(const QString& book, int number) const {
    if (!isSafeBookName(book)) return {};
    return path("\\book\\" + book + "\\" + QString::number(number) + ".dat");
}

QString ProgramFolder::lessonAudioPath(const QString& book, int number,
                                       const QString& fileName) const {
    if (!isSafeBookName(book)) return {};
    if (fileName.isEmpty())
        return path("\\Sound\\" + book + "\\" + QString::number(number) + ".mp3");
    if (!isSafeComponent(fileName)) return {};
    return path("\\Sound\\" + book + "\\" + fileName);
}

QString ProgramFolder::bookListPath(const QString& book) const {
    if (!isSafeBookName(book)) return {};
    return path("\\SETTING\\BookList\\" + book + ".dat");
}

QString ProgramFolder::resultsPath(const QString& book) const {
    if (!isSafeBookName(book)) return {};
    return path("\\SETTING\\Results\\" + book + ".dat");
}

QString ProgramFolder::wordAudioPath(const QString& word) const {
    if (!isSafeComponent(word)) return {};
    const qsizetype firstLength = word[0].isHighSurrogate() ? 2 : 1;
    return path("\\Word\\" + word.left(firstLength) + "\\" + word + ".wav");
}
