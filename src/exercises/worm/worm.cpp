#include "worm.h"

#include "common/textconv.h"
#include "exercises/common/score.h"
#include "words/articles.h"

#include <cmath>

namespace vx {

void Uncover(WormState& state, QChar letter) {
    const QChar upper = letter.toUpper();
    for (qsizetype i = 0; i < state.Target.size(); ++i) {
        if (state.Target[i] == upper)
            state.Shown[i] = state.Target[i];
    }
}

bool NewWord(WormState& state, WordStore& store, int sliderValue, int fromLanguage,
             int toLanguage, int maxCells, Random& rng) {
    if (store.wordCount < 1)
        return false;
    int w = 0;
    int attempt = 0;
    for (;;) {
        if (++attempt > kWormMaxDraws)
            return false;
        w = rng.draw(store.wordCount);
        const QString to = store.GetWord(w, 1);
        if (to.size() > maxCells)
            continue;
        if (SplitArticle(to, store.wordClass[w], toLanguage).Bare.size() > kWormMaxLetters)
            continue;
        if (attempt < 300 && !levelFits(store.wordLevel[w], sliderValue))
            continue;
        if (store.isUsed(w) && attempt < 200)
            continue;
        break;
    }
    state.FromText = SplitArticle(store.GetWord(w, 2), store.wordClass[w], fromLanguage).Bare;
    const WordForm to = SplitArticle(store.GetWord(w, 1), store.wordClass[w], toLanguage);
    state.Target = ucase(to.Bare);
    state.Shown = QString(state.Target.size(), u'.');
    if (!state.Target.isEmpty())
        Uncover(state, state.Target[rng.draw(static_cast<int>(state.Target.size())) - 1]);
    // Blanks, apostrophes and full stops are shown at once: a full stop could never be
    // typed, since "." marks the hidden cells.
    for (QChar c : {QChar(u' '), QChar(u'\''), QChar(u'.')})
        Uncover(state, c);
    state.LetterColor.fill(kWormWhite);
    if (to.BeforeWord && !to.Article.isEmpty()) {
        state.ArtBefore = to.Article;
        state.ArtAfter.clear();
    } else {
        state.ArtAfter = to.Article;
        state.ArtBefore.clear();
    }
    store.setUsed(w, true);
    state.WormWord = w;
    return true;
}

WormKey TypeLetter(WormState& state, WordStore& store, QChar typed, qint32& rightAnswers,
                   qint32& wrongAnswers) {
    if (state.WormWord == 0 || typed == u'\r' || typed == u' ' || typed.isNull())
        return WormKey::Ignored;
    const QChar c = typed.toUpper();
    if (state.Shown.contains(c))
        return WormKey::Repeated;
    if (!state.Target.contains(c)) {
        ++wrongAnswers;
        store.setUsed(state.WormWord, false);
        return WormKey::Wrong;
    }
    ++rightAnswers;
    Uncover(state, c);
    return WormKey::Right;
}

bool BuyLetter(WormState& state, WordStore& store, qint32& wrongAnswers) {
    const int p = state.PointedLetter;
    if (state.WormWord == 0 || p < 1 || p > state.Target.size())
        return false;
    if (state.Shown[p - 1] != u'.' || state.Target[p - 1] == u'.')
        return false;
    Uncover(state, state.Target[p - 1]);
    if (p <= kWormMaxLetters)
        state.LetterColor[p] = kWormYellow;
    wrongAnswers += 3;
    store.setUsed(state.WormWord, false);
    return true;
}

int PointedPosition(double x, double rowWidth, int letters) {
    if (letters <= 0 || rowWidth <= 0)
        return 0;
    return static_cast<int>(std::floor(x / (rowWidth / letters))) + 1;
}

} // namespace vx
