// The high-score lists of Quick: ten ranks per practised language in a 20-line text file
// beside the program ("Quick03.HGH"), read, ranked and written back.
#pragma once

#include "common/programfolder.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace vx {

// The list as the window shows it, ranks 1..10.
struct HighScoreList {
    std::array<QString, 11> lblScore;
    std::array<QString, 11> lblName;
};

// "Quick" (or any case) + the practised language as two digits + ".HGH".
QString highScoreFileName(int toLanguage, const QString& prefix = QStringLiteral("Quick"));

// Reads ten score and name fields; fields that cannot be read keep the values read last,
// so that a missing or short file shows " 0" ranks with empty names.
HighScoreList ReadHighScoreBytes(QByteArrayView data);
HighScoreList ReadHighScores(const ProgramFolder& folder, const QString& fileName);

// Enters a score below the equal ones: the rank it takes (1..10), or 0 when it is not
// higher than any rank. Rank 10 falls off.
int AddHighScore(HighScoreList& list, int score);

// The twenty lines. A name holding a comma, a line end or a double quote, or with blanks
// at an edge, is written in double quotes (a double quote becoming an apostrophe) so that
// it reads back as typed and the ranks below it keep their lines.
QByteArray WriteHighScoreBytes(const HighScoreList& list);
// Writes the file; false with the error's description.
bool WriteHighScores(const ProgramFolder& folder, const QString& fileName, const HighScoreList& list,
                     QString& error);

} // namespace vx
