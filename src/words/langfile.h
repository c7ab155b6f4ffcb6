// The language file LANG.CRP: every interface text of the exercise program in the five
// languages, enciphered, and the text table of the own language built from it.
#pragma once

#include "common/programfolder.h"
#include "common/reporter.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace vx {

inline constexpr int kLastTextNumber = 350;

struct TextTable {
    std::array<QString, kLastTextNumber + 1> uiText;

    // The text at a number; empty outside 0..350.
    QString text(int number) const {
        return number >= 0 && number <= kLastTextNumber ? uiText[number] : QString();
    }
};

enum class LanguageFileResult { Read, Missing, ReadError };

// Fills the table with the texts of one language from the file in the program folder.
// A missing file reports "The file LANG.CRP was not found. ..." and returns Missing (the
// program then ends); a damaged one reports its error and keeps the texts read so far.
LanguageFileResult ReadLanguageFile(const ProgramFolder& folder, int languageCode,
                                    TextTable& table, Reporter& reporter);

// The same over bytes already read.
LanguageFileResult ReadLanguageBytes(QByteArrayView data, int languageCode, TextTable& table,
                                     Reporter& reporter);

// A caption without its access-key marks: each single "&" removed, "&&" gives "&".
QString StripAmpersands(const QString& text);

// The number a Tag names, read from its leading digits ("NOMAX" gives 0).
int tagNumber(const QString& tag);

} // namespace vx

namespace vx {

// One text entry of the language file with its texts in language-code order.
struct LanguageEntry {
    int number = 0;
    QStringList texts;
};

// The whole file, every language, for the data tool. False with `error` when damaged.
bool decodeLanguageFile(QByteArrayView data, std::vector<LanguageEntry>& entries, QString& error);
// Writes a language file with `languageCount` texts per entry; false with `error` when an
// entry cannot be stored (entries are checked before anything is produced).
bool encodeLanguageFile(const std::vector<LanguageEntry>& entries, int languageCount,
                        QByteArray& out, QString& error);

} // namespace vx
