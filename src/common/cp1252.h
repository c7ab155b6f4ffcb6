// Windows-1252 text conversion: every data file of the system holds single-byte texts
// in this code page, while the programs work on QString.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vx {

// Bytes to text. Every byte maps to one character; the five bytes that the code page
// leaves undefined map to the control characters of the same number, so that any byte
// sequence survives a round trip.
QString fromCp1252(QByteArrayView bytes);

// Text to bytes. Returns false (and leaves `out` partly filled) when a character has no
// byte in the code page; `badIndex` then names its position.
bool toCp1252(const QString& text, QByteArray& out, qsizetype* badIndex = nullptr);

// Text to bytes for texts known to be representable; unrepresentable characters become '?'.
QByteArray toCp1252Lossy(const QString& text);

bool isCp1252(const QString& text);

// The byte of one character, or -1 when the code page has none.
int cp1252Byte(QChar ch);

// The lines of a text file of code-page bytes, ended by CR LF or LF; a last empty line
// (after the final line end) is not counted.
QStringList textLines(QByteArrayView bytes);

} // namespace vx
