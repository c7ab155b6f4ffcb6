// Worm, the letter-guessing drill: the own-language word is shown, its translation's
// letters are hidden in a row of cells and uncovered by typing them.
#pragma once

#include "common/random.h"
#include "words/wordstore.h"

#include <QColor>
#include <array>

namespace vx {

inline constexpr int kWormMaxLetters = 30;
// Draws after which the picker gives up on a store whose words do not fit the row.
inline constexpr int kWormMaxDraws = 20000;

inline const QColor kWormWhite{255, 255, 255};
inline const QColor kWormYellow{255, 255, 0};

struct WormState {
    QString Target; // the practised word without its article, in upper case
    QString Shown;  // "." at every hidden position
    std::array<QColor, kWormMaxLetters + 1> LetterColor;
    int WormWord = 0; // 0 until the first word
    int PointedLetter = 0;
    QString FromText;   // the own-language word shown above the row
    QString ArtBefore;  // the article before the row ("der")
    QString ArtAfter;   // or after it ("(m)")

    bool complete() const { return WormWord != 0 && Shown == Target; }
};

// Chooses the next word. `maxCells` is how many cells the row can hold (the drawing area's
// width divided by the cell size). False when no word fits within kWormMaxDraws draws.
bool NewWord(WormState& state, WordStore& store, int sliderValue, int fromLanguage,
             int toLanguage, int maxCells, Random& rng);

// Uncovers every occurrence of a letter (raised to upper case first).
void Uncover(WormState& state, QChar letter);

enum class WormKey { Ignored, Repeated, Wrong, Right };

// A typed character. A right key counts once however many cells it opens.
WormKey TypeLetter(WormState& state, WordStore& store, QChar typed, qint32& rightAnswers,
                   qint32& wrongAnswers);

// Double-click on the cell of PointedLetter: a hidden letter is bought for three wrong
// answers and its cell turns yellow. False when the cell was not hidden.
bool BuyLetter(WormState& state, WordStore& store, qint32& wrongAnswers);

// The position under x on a row of the given width: Int(x / (width / letters)) + 1.
int PointedPosition(double x, double rowWidth, int letters);

} // namespace vx
