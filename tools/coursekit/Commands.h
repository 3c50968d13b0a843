#pragma once

#include <QStringList>

// Each command takes its arguments (after the command name) and returns the
// process exit code. Output goes to stdout, problems to stderr.
int runCat(const QStringList& args);
int runSave(const QStringList& args);
int runCheck(const QStringList& args);
int runBuild(const QStringList& args); // build/CourseBuild.cpp
