// Application-frame rules that need no window: the colour schemes, the exercise table of
// the main window, the choice of the practised language and the instruction texts.
#pragma once

#include "words/langfile.h"

#include <QColor>
#include <QString>
#include <array>

namespace vx {

inline constexpr int kSchemeCount = 4;

// Background and second colours by scheme 1..4 (index 0 and 5..10 unused), filled once
// at start-up from the screen's colour depth: full colour from 9 bits per pixel up.
struct ColorTables {
    std::array<QColor, 11> backColors;
    std::array<QColor, 11> accentColors;

    void fill(int screenColorBits);
    // A scheme outside 1..4 is taken as 1.
    QColor back(int scheme) const { return backColors[validScheme(scheme)]; }
    QColor accent(int scheme) const { return accentColors[validScheme(scheme)]; }
    static int validScheme(int scheme) { return scheme >= 1 && scheme <= kSchemeCount ? scheme : 1; }
};

// The language after `code` that is not the own language, wrapping from 5 to 1.
int NextPracticeLanguage(int code, int fromLanguage);

enum class Exercise : int {
    Worm = 1,
    Synonym = 2,
    Quick = 3,
    Crossword = 4,
    Verb = 5,
    Quattro = 6,
    Genus = 7,
};

struct ExerciseInfo {
    Exercise exercise;
    int captionText;      // the button's caption
    const char* window;   // the exercise window's name
    int titleText;        // the introduction's title; 0: the fixed title below
    const char* fixedTitle;
    int minimumWords;
};

// The seven exercises by button index 1..7; nullptr outside.
const ExerciseInfo* exerciseInfo(int index);

// The introduction's title and instructions of an exercise, joined from the text table.
QString exerciseTitle(const ExerciseInfo& info, const TextTable& texts);
QString exerciseInstructions(Exercise exercise, const TextTable& texts);

// The verb file of a practised language: VERB03.TXT for German.
QString verbFileName(int toLanguage);

} // namespace vx
