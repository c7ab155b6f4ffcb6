// Number and text conversions with the rules that the stored files and the interface
// rely on: blanks are the space character only, upper case is per character (a text keeps
// its length), numbers are read with a point whatever the locale.
#pragma once

#include <QString>

namespace vx {

QString trimBlanks(const QString& s);
QString trimLeftBlanks(const QString& s);
QString trimRightBlanks(const QString& s);

// Per-character case change: "straße" becomes "STRAßE", never "STRASSE".
QString ucase(const QString& s);
QString lcase(const QString& s);

// The leading number of a text: blanks skipped, optional sign, digits with at most one
// decimal point. No number gives 0.
double val(const QString& s);

// A number as text with a sign position: " 3", "-1", " 2.5".
QString str(double v);
QString str(long long v);
inline QString str(int v) { return str(static_cast<long long>(v)); }

// Rounding to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// A number beyond the range of long long gives the nearer end of that range.
long long roundHalfEven(double v);

// The "##0" and "0" display forms of a count or percentage: halves rounded away from zero,
// no separators.
QString formatWhole(double v);

} // namespace vx
