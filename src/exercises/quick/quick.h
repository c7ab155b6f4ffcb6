// Quick, the timed drill: 25 words in a 5 x 5 grid, the translation of one of them asked;
// every right click quickens the pace, every missed question slows it.
#pragma once

#include "common/random.h"
#include "words/wordstore.h"

#include <array>

namespace vx {

inline constexpr int kQuickCells = 25;
inline constexpr int kQuickStartInterval = 6000;
// The question timer holds at most this many milliseconds.
inline constexpr int kQuickMaxInterval = 65535;

struct QuickState {
    std::array<QString, kQuickCells + 1> CellText;     // 1..25
    std::array<QString, kQuickCells + 1> CellQuestion;
    std::array<bool, kQuickCells + 1> CellDone{};
    int QuickCell = 0; // 0 before the first game
    QString QuickAnswer;
    long RightCount = 0;
    long WrongClicks = 0;
    long MissedCount = 0;
    int QuickLevel = 0;
    int Interval = kQuickStartInterval; // of the question timer, in ms
};

// Cell number of column c and row r (1..5): cells 1..5 form the first column.
inline int QuickCellNumber(int column, int row) { return (column - 1) * 5 + row; }
inline int QuickCellColumn(int cell) { return (cell - 1) / 5 + 1; }
inline int QuickCellRow(int cell) { return (cell - 1) % 5 + 1; }

// A new grid. `questionsInOwnLanguage`: the cells hold the practised words (with their
// articles) and the questions the own-language words without theirs; otherwise reversed.
// False, with nothing changed, when the store is empty.
bool BuildGrid(QuickState& state, WordStore& store, int sliderValue, bool questionsInOwnLanguage,
               int fromLanguage, Random& rng);
void NextQuestion(QuickState& state, Random& rng);
// Every cell is green: the game is over.
bool AllCellsDone(const QuickState& state);

// RightCount x 100 / all answers x (level + 20) / 25, halves to even; 0 before any answer.
int QuickScore(const QuickState& state);

enum class QuickClick { Ignored, Wrong, Right };
// A click on a cell; a right one divides the interval by 1.2 (the tick that follows at
// once multiplies it by 1.1 again). A cell whose text equals the asked one's is right, and
// closes the asked cell with it.
QuickClick ClickCell(QuickState& state, int cell);

enum class QuickTick { Idle, Next, GameOver };
// The question timer: the interval grows by 1.1 (up to the limit); the game ends when every
// cell is green; otherwise a question not answered counts as missed and the next one is asked.
QuickTick Tick(QuickState& state, Random& rng);

} // namespace vx
