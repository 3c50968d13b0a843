#pragma once

#include <QString>
#include <QStringView>

// The one lenient number reader of the programs: leading blanks skipped, the
// longest leading decimal number taken ("." as decimal point, an optional
// sign), anything else reads as 0. "2 " -> 2, "12.5x" -> 12.5, "abc" -> 0.
double leadingNumber(QStringView text);
// leadingNumber rounded to the nearest integer (halves away from zero).
int leadingInt(QStringView text);
// Plain decimal text: no exponent, no trailing zeros ("2", "0.5", "-1").
QString plainDecimal(double value);
