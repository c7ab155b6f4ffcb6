// KVTML 2.0, the XML vocabulary format of KDE's trainers: reading a file into dictionary
// records, and writing a dictionary so that those trainers open it.
#pragma once

#include "wordlist.h"

#include <QByteArray>
#include <QByteArrayView>

namespace vx::exchange {

// Reads a KVTML 2.0 file. Its languages are matched to the five by locale or name; the
// others are skipped and named in `result`. Nouns get this program's article or gender
// mark from their word type's gender or from an article in front of them; word types give
// the word class; a grade gives the level, else 3. On bad input (XML, not KVTML 2.0, none
// of the five languages, a text a dictionary cannot hold, too many words) it returns false
// with `error` naming `label` and the line or entry, and `result` holds nothing.
bool readKvtml(QByteArrayView data, const QString& label, ImportResult& result, QString& error);

// The dictionary as a KVTML 2.0 document titled `title`, with a language for each of the
// five that has a word. Records without any word are left out.
QByteArray writeKvtml(const std::vector<WordRecord>& records, const QString& title);

// Whether a word list is an XML document (KVTML) rather than text: its name ends in
// ".kvtml", or its first character after a byte-order mark and blanks opens a tag.
bool isXmlWordList(const QString& fileName, QByteArrayView data);

// The level of a word from its KVTML grade (0 to 7, higher for a word known better) and the
// grade that gives the level back; grade 0 (no grade) is level 3.
int levelOfGrade(int grade);
int gradeOfLevel(int level);

} // namespace vx::exchange
