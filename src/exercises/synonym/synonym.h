// Synonym, the matching board: ten practised-language words on the left, their
// translations shuffled on the right, linked by two clicks.
#pragma once

#include "common/random.h"
#include "words/wordstore.h"

#include <array>

namespace vx {

inline constexpr int kSynonymPairs = 10;

struct SynonymState {
    std::array<int, 11> PairOrder{}; // right row j shows pair PairOrder[j]
    std::array<QString, kSynonymPairs> RAD1;     // left captions: practised words
    std::array<QString, kSynonymPairs> RAD2;     // right captions: bare own-language words
    std::array<QString, kSynonymPairs> Picture1; // hidden text of the left markers
    std::array<QString, kSynonymPairs> Picture2; // hidden text of the right markers
    std::array<bool, kSynonymPairs> Grey{};      // both markers of a linked row are grey
    bool LinkActive = false;
    int LinkSource = 0;
    bool LinkBusy = false;

    SynonymState() { resetOrder(); }
    void resetOrder() {
        for (int i = 0; i < kSynonymPairs; ++i)
            PairOrder[i] = i;
    }
};

// Empties the right captions and makes 20 random swaps of PairOrder.
void ShufflePairs(SynonymState& state, Random& rng);

// Picks ten words near the slider's level (300 draws), of the first word's class (150),
// not yet on the board (500), and fills both columns.
void NewSynonymRound(SynonymState& state, WordStore& store, int sliderValue, int fromLanguage,
                     Random& rng);

enum class SynonymLink { Ignored, Right, Wrong };

// A click on right marker j while a link from LinkSource is live. A right link moves the
// translation, with its hidden text, into the source's row and greys both of its markers.
// A grey marker (a row already linked) is ignored.
SynonymLink LinkTo(SynonymState& state, int j, qint32& rightAnswers, qint32& wrongAnswers);

} // namespace vx
