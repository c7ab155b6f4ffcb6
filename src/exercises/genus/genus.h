// Genus, the article drill: ten nouns of the practised language without their article,
// each with its translation and the articles to choose from.
#pragma once

#include "common/random.h"
#include "words/wordstore.h"

#include <array>

namespace vx {

inline constexpr int kGenusRows = 10;
// Draws after which the search for a row's noun gives up (the row stays empty).
inline constexpr int kGenusMaxDraws = 6000;

struct GenusRow {
    QString ToBare;
    QString FromBare;
    QString RightArticle;
    bool Replace = true;
    bool Answered = false;
    int Word = 0;
};

struct GenusState {
    std::array<GenusRow, kGenusRows> GenusRows;
    // The three article labels of every row, and which are visible.
    std::array<QString, 3> Articles;
    std::array<std::array<bool, 3>, kGenusRows> LabelVisible{};
};

// The articles with the Genus flag, from the right: the last one into label 3.
void LabelArticles(GenusState& state, int toLanguage);
void ResetRows(GenusState& state);

// The next set: rows answered wrong move (into rows 0..8) and keep their nouns; the others
// get new nouns. Returns the number of rows that have a noun.
int NewSet(GenusState& state, WordStore& store, int sliderValue, int fromLanguage, int toLanguage,
           Random& rng);

enum class GenusAnswer { Ignored, Wrong, Right };
GenusAnswer Answer(GenusState& state, int row, const QString& chosen, qint32& rightAnswers,
                   qint32& wrongAnswers);

} // namespace vx
