// The choice of word lists: the built-in dictionary and the plain dictionaries found in the
// program folder, ticked by the names chosen before.
#pragma once

#include "common/programfolder.h"
#include "common/reporter.h"

#include <QStringList>
#include <vector>

namespace vx {

inline constexpr int kMaxWordLists = 36;
inline const QString kBuiltInChoice = QStringLiteral("vokabrix.dct");

struct WordListChoice {
    bool builtInTicked = false;
    QStringList files;   // plain dictionaries, in the order the folder lists them, at most 36
    QList<bool> ticked;  // one per file
};

// The default choice when none was made in this run: the built-in dictionary and own.dct.
QStringList defaultWordLists();

// Lists the plain *.dct files of the folder and ticks those named in `chosen` (without
// regard to case). An unreadable file is reported and skipped.
WordListChoice ListWordLists(const ProgramFolder& folder, const QStringList& chosen, Reporter* reporter);

// The names of the ticked boxes, the built-in dictionary first.
QStringList ChosenWordLists(const WordListChoice& choice);

} // namespace vx
