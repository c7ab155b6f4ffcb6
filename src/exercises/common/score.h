// What every exercise shares without a window: the score labels' texts and the level test
// of the word pickers.
#pragma once

#include <QString>
#include <cmath>

namespace vx {

struct ScoreTexts {
    QString correct;
    QString wrong;
    QString score;
};

// "##0" forms of the counters, and the share of right answers in percent ("0" until the
// first right answer).
ScoreTexts scoreTexts(qint32 rightAnswers, qint32 wrongAnswers);

// The level slider: 5..55 in steps of 5, starting at 30; its value / 10 is the wanted level.
inline constexpr int kLevelMin = 5;
inline constexpr int kLevelMax = 55;
inline constexpr int kLevelStep = 5;
inline constexpr int kLevelStart = 30;

// A word fits the slider when its level differs from value / 10 by at most 1.
inline bool levelFits(int wordLevel, int sliderValue) {
    return std::abs(wordLevel - sliderValue / 10.0) <= 1.0;
}

} // namespace vx
