#pragma once

#include "ProgramFolder.h"

#include <QString>
#include <QStringList>

// The current book's dictation results (ResultsText) and their file.
// Every edit is written back at once, atomically. When a write fails the
// edit stays in memory and the next write carries it; the learner is told
// once per run of failures, not on every attempt.
class ResultsKeeper {
public:
    explicit ResultsKeeper(ProgramFolder folder);

    // A book was chosen: its name and the results text read from its file.
    // Unsaved edits of the previous book are tried once more first.
    void setBook(const QString& bookName, const QString& resultsText);

    const QString& bookName() const { return bookName_; }
    const QString& resultsText() const { return resultsText_; }
    // The entries in file order, each with its mark.
    QStringList entries() const;

    // "☆" + title becomes "★" + title everywhere (exact comparison);
    // then the text is written. Returns whether the text changed.
    bool markPassed(const QString& title);
    // Every "★" becomes "☆"; then the text is written.
    void clearResults();

    enum class SaveOutcome { Saved, Failed, FailedAgain };
    // Writes the results file; Failed is the first failure of a run (tell
    // the learner), FailedAgain a repeated one (stay quiet).
    SaveOutcome save();
    bool hasUnsavedChanges() const { return unsaved_; }
    QString resultsPath() const;

private:
    ProgramFolder folder_;
    QString bookName_;
    QString resultsText_;
    bool unsaved_ = false;
    bool failureReported_ = false;
};

inline const QString kResultsSaveFailedMessage =
    QStringLiteral("听写成绩未能保存到文件，本次成绩仍保留在程序中，稍后会再次尝试保存。");
