#include "quick.h"

#include "common/textconv.h"
#include "exercises/common/score.h"
#include "words/articles.h"

namespace vx {

bool BuildGrid(QuickState& state, WordStore& store, int sliderValue, bool questionsInOwnLanguage,
               int fromLanguage, Random& rng) {
    if (store.wordCount < 1)
        return false;
    for (int i = 1; i <= store.wordCount; ++i)
        store.setUsed(i, false);
    for (int cell = 1; cell <= kQuickCells; ++cell) {
        int c = 0;
        for (int attempt = 1;; ++attempt) {
            c = rng.draw(store.wordCount);
            if ((levelFits(store.wordLevel[c], sliderValue) && !store.isUsed(c)) || attempt > 300)
                break;
        }
        store.setUsed(c, true);
        const QString to = store.GetWord(c, 1);
        const QString from = SplitArticle(store.GetWord(c, 2), store.wordClass[c], fromLanguage).Bare;
        state.CellText[cell] = questionsInOwnLanguage ? to : from;
        state.CellQuestion[cell] = questionsInOwnLanguage ? from : to;
        state.CellDone[cell] = false;
    }
    state.RightCount = state.WrongClicks = state.MissedCount = 0;
    state.QuickLevel = sliderValue;
    return true;
}

bool AllCellsDone(const QuickState& state) {
    for (int cell = 1; cell <= kQuickCells; ++cell) {
        if (!state.CellDone[cell])
            return false;
    }
    return true;
}

void NextQuestion(QuickState& state, Random& rng) {
    if (AllCellsDone(state))
        return;
    int cell = 0;
    do {
        cell = rng.draw(kQuickCells);
    } while (state.CellDone[cell]);
    state.QuickCell = cell;
    state.QuickAnswer = state.CellText[cell];
}

int QuickScore(const QuickState& state) {
    const double total = static_cast<double>(state.RightCount + state.WrongClicks + state.MissedCount);
    if (total == 0)
        return 0;
    return static_cast<int>(roundHalfEven(state.RightCount * 100.0 / total * (state.QuickLevel + 20) / 25.0));
}

QuickClick ClickCell(QuickState& state, int cell) {
    if (state.QuickCell < 1 || cell < 1 || cell > kQuickCells || state.CellDone[cell])
        return QuickClick::Ignored;
    if (state.CellText[cell] != state.QuickAnswer) {
        ++state.WrongClicks;
        return QuickClick::Wrong;
    }
    state.CellDone[cell] = true;
    // A cell with the same text as the one asked answers it: the asked cell is done too, or
    // the next tick would count it as missed.
    state.CellDone[state.QuickCell] = true;
    state.Interval = static_cast<int>(roundHalfEven(state.Interval / 1.2));
    ++state.RightCount;
    return QuickClick::Right;
}

QuickTick Tick(QuickState& state, Random& rng) {
    state.Interval = static_cast<int>(std::min<long long>(roundHalfEven(state.Interval * 1.1), kQuickMaxInterval));
    if (state.QuickCell == 0)
        return QuickTick::Idle;
    if (AllCellsDone(state))
        return QuickTick::GameOver;
    if (!state.CellDone[state.QuickCell])
        ++state.MissedCount;
    NextQuestion(state, rng);
    return QuickTick::Next;
}

} // namespace vx
