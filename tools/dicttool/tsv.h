// Tab-separated text forms of the binary data files, for editing them as text:
// dictionaries in the editor's column order (text 1, level 1, ..., text 5, level 5, class)
// and language files (text number, then one text per language).
#pragma once

#include "words/dictfile.h"
#include "words/langfile.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace vx::tsv {

// Texts are written with backslash escapes for the characters a line cannot hold:
// \t, \n, \r, \\ and \# (a "#" that would start a comment line).
QString escape(const QString& text);
bool unescape(const QString& field, QString& text);

QByteArray exportDictionary(const std::vector<WordRecord>& records);
// Reads the text form; `label` names the input in messages ("words.tsv, line 12: ...").
bool importDictionary(const QByteArray& utf8, const QString& label, bool enciphered,
                      std::vector<WordRecord>& records, QString& error);

QByteArray exportLanguage(const std::vector<LanguageEntry>& entries);
bool importLanguage(const QByteArray& utf8, const QString& label,
                    std::vector<LanguageEntry>& entries, QString& error);

} // namespace vx::tsv
