#include "Commands.h"

#include "CourseBuilder.h"
#include "CourseSource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
void print(FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
}
} // namespace

int runBuild(const QStringList& args) {
    if (args.size() != 2) {
        print(stderr, QStringLiteral("usage: coursekit build SOURCE FOLDER"));
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const QString sourcePath = args[0];
    const QString sourceName = QFileInfo(sourcePath).fileName();
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        print(stderr, QStringLiteral("coursekit build: cannot read %1").arg(sourcePath));
        return 1;
    }
    const ParsedSource parsed = parseCourseSource(file.readAll());
    if (!parsed.ok()) {
        for (const SourceError& e : parsed.errors)
            print(stderr, e.text(sourceName));
        print(stderr,
              QStringLiteral("coursekit build: the source has %1 error(s); nothing was written")
                  .arg(parsed.errors.size()));
        return 1;
    }

    const QString folder = QDir(args[1]).absolutePath();
    CourseBuilder builder{ProgramFolder(folder)};
    QList<SourceError> errors;
    QList<SourceError> warnings;
    const bool prepared = builder.prepare(parsed.course, &errors, &warnings);
    for (const SourceError& w : warnings)
        print(stderr, SourceError{w.line, QStringLiteral("warning: ") + w.reason}.text(sourceName));
    if (!prepared) {
        for (const SourceError& e : errors)
            print(stderr, e.text(sourceName));
        print(stderr, QStringLiteral("coursekit build: nothing was written"));
        return 1;
    }
    QString writeError;
    if (!QDir().mkpath(folder) || !builder.write(&writeError)) {
        print(stderr, QStringLiteral("coursekit build: %1")
                          .arg(writeError.isEmpty() ? QStringLiteral("cannot create ") + folder
                                                    : writeError));
        return 1;
    }
    const BuildStats& s = builder.stats();
    print(stdout, QStringLiteral("coursekit build: %1 books, %2 lessons, %3 sentences (%4 s of "
                                 "lesson audio), %5 words into %6")
                      .arg(s.books)
                      .arg(s.lessons)
                      .arg(s.sentences)
                      .arg(s.audioSeconds, 0, 'f', 1)
                      .arg(s.words)
                      .arg(folder));
    print(stdout, QStringLiteral("coursekit build: %1 files (%2 bytes): %3 written, %4 unchanged, "
                                 "in %5 s")
                      .arg(s.written + s.unchanged)
                      .arg(s.bytes)
                      .arg(s.written)
                      .arg(s.unchanged)
                      .arg(clock.elapsed() / 1000.0, 0, 'f', 2));
    return 0;
}
