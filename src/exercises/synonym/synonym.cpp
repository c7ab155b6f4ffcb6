#include "synonym.h"

#include "exercises/common/score.h"
#include "words/articles.h"

namespace vx {

void ShufflePairs(SynonymState& state, Random& rng) {
    for (QString& caption : state.RAD2)
        caption.clear();
    for (int n = 0; n < 20; ++n) {
        const int a = static_cast<int>(rng.rnd() * kSynonymPairs);
        const int b = static_cast<int>(rng.rnd() * kSynonymPairs);
        std::swap(state.PairOrder[a], state.PairOrder[b]);
    }
}

void NewSynonymRound(SynonymState& state, WordStore& store, int sliderValue, int fromLanguage,
                     Random& rng) {
    for (int i = 1; i <= store.wordCount; ++i)
        store.setUsed(i, false);
    if (store.wordCount < 1)
        return;
    int firstClass = 0;
    for (int k = 0; k < kSynonymPairs; ++k) {
        int i = 0;
        for (int tries = 1;; ++tries) {
            i = rng.draw(store.wordCount);
            if (k == 0)
                firstClass = store.wordClass[i];
            if (tries < 300 && !levelFits(store.wordLevel[i], sliderValue))
                continue;
            if (tries < 150 && store.wordClass[i] != firstClass)
                continue;
            if (store.isUsed(i) && tries < 500)
                continue;
            break;
        }
        store.setUsed(i, true);
        state.RAD1[k] = store.GetWord(i, 1);
        const QString bare = SplitArticle(store.GetWord(i, 2), store.wordClass[i], fromLanguage).Bare;
        for (int j = 0; j < kSynonymPairs; ++j) {
            if (state.PairOrder[j] == k) {
                state.RAD2[j] = bare;
                state.Picture2[j] = store.GetWord(i, 1);
            }
        }
        state.Picture1[k] = bare;
        state.Grey[k] = false;
    }
}

SynonymLink LinkTo(SynonymState& state, int j, qint32& rightAnswers, qint32& wrongAnswers) {
    if (!state.LinkActive || state.LinkBusy || j < 0 || j >= kSynonymPairs)
        return SynonymLink::Ignored;
    // A row already linked keeps its pair: its grey marker ends no link.
    if (state.Grey[j])
        return SynonymLink::Ignored;
    state.LinkBusy = true;
    const int s = state.LinkSource;
    const bool right = state.Picture2[j] == state.RAD1[s] || state.Picture1[s] == state.RAD2[j];
    if (right) {
        state.Picture2[j].clear();
        state.Picture1[s].clear();
        // The translation moves into row s with its marker's hidden text, so that every right
        // marker keeps the word of the caption beside it.
        std::swap(state.RAD2[s], state.RAD2[j]);
        std::swap(state.Picture2[s], state.Picture2[j]);
        std::swap(state.PairOrder[s], state.PairOrder[j]);
        state.Grey[s] = true;
        ++rightAnswers;
    } else {
        ++wrongAnswers;
    }
    state.LinkActive = false;
    state.LinkBusy = false;
    return right ? SynonymLink::Right : SynonymLink::Wrong;
}

} // namespace vx
