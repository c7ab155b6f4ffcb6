// Word lists as text, as spreadsheets and card programs write them: one entry a line, cells
// separated by tabs, commas or semicolons, cells in double quotes where they need them.
#pragma once

#include "wordlist.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace vx::exchange {

// What a column of a text list holds.
struct TextColumn {
    enum class Kind { Ignored, Text, Level, WordClass };
    Kind kind = Kind::Ignored;
    int code = 0;          // Text and Level: the language 1..5
    bool american = false; // Text: the American English spelling
    bool operator==(const TextColumn&) const = default;
};

struct TextList {
    QList<QStringList> rows; // every row with a cell that is not empty, header included
    QList<int> lines;        // the line each row begins on
    QChar separator;
    QString encoding; // "UTF-8", "UTF-16" or "Windows-1252"
    // The columns the first row names ("Swedish", "de", "English level", "Word class");
    // empty when it names none and the user has to say what the columns hold.
    QList<TextColumn> header;
    QStringList headerCells;
    int columnCount() const;
};

// Decodes and splits a text list: UTF-8 or UTF-16 with a byte-order mark, UTF-8 without
// one when the bytes are valid UTF-8, else Windows-1252. The separator is the tab when the
// first line has one, else the comma or the semicolon, whichever it has more of.
TextList readTextList(QByteArrayView data);

// What a header cell names; Ignored when it names nothing. `previous` is the language of
// the column before it, for a header that writes "Level" after each language.
TextColumn headerColumn(const QString& cell, int previous);

// The records of a text list whose columns hold `columns` (the header's, or those the user
// chose); the header row is skipped. A level cell gives a level of 1 to 5, else the level
// is 3; a word-class cell gives the class, else a word with this program's article or mark
// ("der Hund", "chien (m)") makes the record a noun. Returns false with `error` naming
// `label` and the line on bad input; `result` holds nothing then.
bool textRecords(const TextList& list, const QList<TextColumn>& columns, const QString& label,
                 ImportResult& result, QString& error);

// The dictionary as tab-separated UTF-8 text with a header: each language with its level,
// then the word class. Records without any word are left out.
QByteArray writeTextList(const std::vector<WordRecord>& records);

} // namespace vx::exchange
