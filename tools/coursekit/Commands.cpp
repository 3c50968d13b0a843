#include "Commands.h"

#include <cstdio>

int runCat(const QStringList&) { std::fputs("coursekit cat: not built yet\n", stderr); return 1; }
int runSave(const QStringList&) { std::fputs("coursekit save: not built yet\n", stderr); return 1; }
int runCheck(const QStringList&) { std::fputs("coursekit check: not built yet\n", stderr); return 1; }
