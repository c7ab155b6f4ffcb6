// What word lists from other vocabulary programs have in common once they are read: the
// languages they name, the genders of their nouns, and the records they give, checked
// against what a dictionary file can hold.
#pragma once

#include "words/dictfile.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vx::exchange {

// The most records a dictionary takes: the editor's store holds no more.
inline constexpr int kMaxWordListRecords = 10000;

// A language named by a locale code or a name: its code 1..5 (0 for none of the five), and
// for English whether the American spelling is meant.
struct LanguageMatch {
    int code = 0;
    bool american = false;
};

// "de", "de_AT", "de-DE", "en_GB", "en_US", "sv_SE.UTF-8", "Deutsch", "German", "Svenska"...
LanguageMatch matchLanguage(const QString& localeOrName);

// The code of a language as other programs write it ("sv", "en", "de", "fr", "es").
QString localeOf(int code);

enum class Gender { None, Male, Female, Neutral };

// How a word list says what a word is.
struct WordKind {
    WordClass wordClass = WordClass::Other;
    Gender gender = Gender::None;
    bool typed = false; // the list gave a word type at all
};

// An article as a word list defines it for one language.
struct ArticleDefinition {
    QString text;
    Gender gender = Gender::None; // None: the same for every gender ("the")
    bool plural = false;
    bool indefinite = false;
};

// The articles other programs commonly use for a language, to recognise them in front of a
// noun when a list defines none.
std::vector<ArticleDefinition> defaultArticles(int code);

// The text of a noun as the dictionaries store it: "der Hund", "en hund", "ett hus",
// "chien (m)", "mesa (f)", "dog". `text` may carry an article of `articles` ("le chien",
// "the dog"), which is taken off; the gender is `gender` when known, else the article's.
// A text that already has this program's article or mark stays as it is, and so does a
// text whose gender cannot be told.
QString nounForm(int code, const QString& text, Gender gender,
                 const std::vector<ArticleDefinition>& articles);

// The bare word and gender of a stored noun, when nounForm with the default articles gives
// exactly the stored text again; otherwise the text is whole and the gender None.
struct SplitNoun {
    QString text;
    Gender gender = Gender::None;
};
SplitNoun splitNoun(int code, const QString& stored);

// Whether a text carries this program's article or gender mark for its language.
bool hasNounMark(int code, const QString& text);

// Blanks around a text removed; tabs and line ends inside it become blanks.
QString cleanText(const QString& text);

// What an import gives: the records, and what it left out.
struct ImportResult {
    std::vector<WordRecord> records;
    QStringList skippedLanguages; // as the list names them
    QStringList ignoredColumns;   // text lists: header cells naming no language
    int emptyEntries = 0;         // entries without a word in any of the five languages

    // "Skipped: the language "Russian"; 2 entries without a word in the five languages."
    // Empty when nothing was left out.
    QString skippedSummary() const;
};

// Checks a record made from entry `where` ("entry 12, line 345") and adds it; false with
// `error` when a dictionary file cannot store it. A record without any text counts as an
// empty entry. More than kMaxWordListRecords records are refused.
bool addRecord(ImportResult& result, const WordRecord& record, const QString& label,
               const QString& where, QString& error);

} // namespace vx::exchange
