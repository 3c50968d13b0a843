#include "CompanionCourse.h"

#include "Book.h"

#include <QFileInfo>

QStringList CompanionCourse::books() {
    return {QStringLiteral("英语900句"), QStringLiteral("新英语900句"),
            QStringLiteral("英语口语900句")};
}

void CompanionCourse::loadBook(const ProgramFolder& folder, const QString& name) {
    const Book b = Book::load(folder, name);
    book = name;
    titles = b.lessonTitles;
    bookListText = b.bookListText;
}

QString CompanionCourse::currentTitle() const {
    if (currentLesson < 0 || currentLesson >= titles.size()) return {};
    return titles.at(currentLesson);
}

int CompanionCourse::startOfRange() const {
    return HN >= 0 && HN < titles.size() ? HN : 0;
}

int CompanionCourse::nextInRange() const {
    if (currentTitle() == EndLesson) return startOfRange();
    if (currentLesson + 1 < titles.size()) return currentLesson + 1;
    return startOfRange();
}

QString CompanionCourse::firstBookWithContent(const ProgramFolder& folder) {
    for (const QString& name : books()) {
        const Book b = Book::load(folder, name);
        if (!b.lessonTitles.isEmpty() && QFileInfo(folder.lessonTextPath(name, 1)).isFile())
            return name;
    }
    return {};
}
