// Quattro, the four-choice drill: a practised-language word and four own-language words,
// the wrong ones chosen to be confusable with the right one.
#pragma once

#include "common/random.h"
#include "words/wordstore.h"

#include <QColor>
#include <array>

namespace vx {

struct QuattroState {
    std::array<QString, 5> Options;    // boxes 1..4
    std::array<QColor, 5> BoxColor;    // white, red after a wrong click, green when right
    int CorrectOption = 0;             // 0: no question open
    int QuestionWord = 0;
};

inline const QColor kQuattroWhite{255, 255, 255};
inline const QColor kQuattroRed{255, 0, 0};
inline const QColor kQuattroGreen{0, 128, 0};

// How confusable candidate c is with the asked word w, while box j is being filled; 0 for a
// candidate whose box would repeat a text already shown.
int CandidateScore(const WordStore& store, int c, int w, const QuattroState& state, int j,
                   int fromLanguage);

// A new question: the asked word (level test for 249 attempts, used test for 149), the
// right box, and for every other box the best of 500 candidates. An empty store asks nothing.
void NewQuestion(QuattroState& state, WordStore& store, int sliderValue, int fromLanguage,
                 Random& rng);

enum class QuattroAnswer { Ignored, Wrong, Right };

// A click on box 1..4; ignored while the pause after a right answer runs or when no
// question is open.
QuattroAnswer AnswerBox(QuattroState& state, WordStore& store, int box, bool pauseRunning,
                        qint32& rightAnswers, qint32& wrongAnswers);

} // namespace vx
