#include "quattro.h"

#include "exercises/common/score.h"
#include "words/articles.h"

namespace vx {

namespace {

// Mid$(s, n, 1): the n-th character, or the empty text past the end.
QString charAt(const QString& s, qsizetype n) { return n >= 1 && n <= s.size() ? s.mid(n - 1, 1) : QString(); }
QString lastChar(const QString& s) { return s.isEmpty() ? QString() : s.right(1); }

QString bareFrom(const WordStore& store, int w, int fromLanguage) {
    return SplitArticle(store.GetWord(w, 2), store.wordClass[w], fromLanguage).Bare;
}

} // namespace

int CandidateScore(const WordStore& store, int c, int w, const QuattroState& state, int j,
                   int fromLanguage) {
    const QString fromC = store.GetWord(c, 2);
    const QString fromW = store.GetWord(w, 2);
    const QString toW = store.GetWord(w, 1);
    const int diff = store.wordLevel[c] - store.wordLevel[w];
    int score = 0;
    if (diff < 1)
        score = 15;
    if (diff > -1)
        score += 15;
    if (store.wordClass[c] == store.wordClass[w])
        score += 10;
    if (charAt(fromC, 1).compare(charAt(toW, 1), Qt::CaseInsensitive) == 0)
        score += 10;
    else if (charAt(fromC, 1) == charAt(fromW, 1))
        score += 10;
    if (lastChar(fromC) == lastChar(toW))
        score += 5;
    if (charAt(fromC, 2) == charAt(toW, 2))
        score += 10;
    if (charAt(fromC, 2) == charAt(fromW, 2))
        score += 5;
    // The boxes show bare words, so a candidate is a repeat when its bare word is: "en hund"
    // and "hund" stand in a box as the same text.
    const QString shownC = bareFrom(store, c, fromLanguage);
    if (shownC == bareFrom(store, w, fromLanguage) || store.GetWord(c, 1) == toW)
        score = 0;
    for (int k = 1; k <= j; ++k) {
        if (shownC == state.Options[k])
            score = 0;
    }
    return score;
}

void NewQuestion(QuattroState& state, WordStore& store, int sliderValue, int fromLanguage,
                 Random& rng) {
    for (int n = 1; n <= 4; ++n) {
        state.Options[n].clear();
        state.BoxColor[n] = kQuattroWhite;
    }
    state.CorrectOption = 0;
    if (store.wordCount < 1)
        return;
    int w = 0;
    for (int attempt = 1;; ++attempt) {
        w = rng.draw(store.wordCount);
        if (attempt < 250 && !levelFits(store.wordLevel[w], sliderValue))
            continue;
        if (store.isUsed(w) && attempt < 150)
            continue;
        break;
    }
    store.setUsed(w, true);
    state.QuestionWord = w;
    state.CorrectOption = rng.draw(4);
    state.Options[state.CorrectOption] = bareFrom(store, w, fromLanguage);
    for (int j = 1; j <= 4; ++j) {
        if (j == state.CorrectOption)
            continue;
        int best = -1;
        int kept = 0;
        for (int k = 0; k < 500; ++k) {
            const int c = rng.draw(store.wordCount);
            const int score = CandidateScore(store, c, w, state, j, fromLanguage);
            if (score > best) {
                best = score;
                kept = c;
            }
        }
        // Every other word scores at least 15. When all draws were repeats (a small store),
        // the store is searched for one, so that a box repeats a text only when the store
        // has no other word to give.
        for (int c = 1; best == 0 && c <= store.wordCount; ++c) {
            if (CandidateScore(store, c, w, state, j, fromLanguage) > 0) {
                kept = c;
                break;
            }
        }
        state.Options[j] = bareFrom(store, kept, fromLanguage);
    }
}

QuattroAnswer AnswerBox(QuattroState& state, WordStore& store, int box, bool pauseRunning,
                        qint32& rightAnswers, qint32& wrongAnswers) {
    if (pauseRunning || state.CorrectOption == 0 || box < 1 || box > 4)
        return QuattroAnswer::Ignored;
    if (box != state.CorrectOption) {
        state.BoxColor[box] = kQuattroRed;
        ++wrongAnswers;
        store.setUsed(state.QuestionWord, false);
        return QuattroAnswer::Wrong;
    }
    state.BoxColor[box] = kQuattroGreen;
    ++rightAnswers;
    return QuattroAnswer::Right;
}

} // namespace vx
