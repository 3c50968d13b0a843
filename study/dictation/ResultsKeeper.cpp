#include "ResultsKeeper.h"

#include "Book.h"
#include "TextFileStore.h"

#include <QDir>
#include <QFileInfo>

ResultsKeeper::ResultsKeeper(ProgramFolder folder) : folder_(std::move(folder)) {}

void ResultsKeeper::setBook(const QString& bookName, const QString& resultsText) {
    if (unsaved_ && bookName != bookName_) save();
    if (unsaved_ && bookName == bookName_) {
        // The memory copy holds stars the file is missing; keep it.
        return;
    }
    bookName_ = bookName;
    resultsText_ = resultsText;
    unsaved_ = false;
    failureReported_ = false;
}

QStringList ResultsKeeper::entries() const {
    return CaretList::parse(resultsText_);
}

bool ResultsKeeper::markPassed(const QString& title) {
    Book book;
    book.name = bookName_;
    book.resultsText = resultsText_;
    const bool changed = book.markPassed(title);
    resultsText_ = book.resultsText;
    unsaved_ = true;
    return changed;
}

void ResultsKeeper::clearResults() {
    Book book;
    book.name = bookName_;
    book.resultsText = resultsText_;
    book.clearResults();
    resultsText_ = book.resultsText;
    unsaved_ = true;
}

QString ResultsKeeper::resultsPath() const {
    return folder_.resultsPath(bookName_);
}

ResultsKeeper::SaveOutcome ResultsKeeper::save() {
    const QString path = resultsPath();
    bool ok = !path.isEmpty();
    if (ok) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ok = TextFileStore::Save(path, resultsText_);
    }
    if (ok) {
        unsaved_ = false;
        failureReported_ = false;
        return SaveOutcome::Saved;
    }
    unsaved_ = true;
    if (failureReported_) return SaveOutcome::FailedAgain;
    failureReported_ = true;
    return SaveOutcome::Failed;
}
