#include "genus.h"

#include "exercises/common/score.h"
#include "words/articles.h"

namespace vx {

void LabelArticles(GenusState& state, int toLanguage) {
    ArticleTable table;
    FillArticleTable(table, toLanguage);
    state.Articles = {};
    int label = 2;
    for (int i = table.Count; i >= 1 && label >= 0; --i) {
        if (table.Entries[i].Genus)
            state.Articles[label--] = table.Entries[i].Text;
    }
}

void ResetRows(GenusState& state) {
    for (auto& visible : state.LabelVisible)
        visible.fill(true);
}

int NewSet(GenusState& state, WordStore& store, int sliderValue, int fromLanguage, int toLanguage,
           Random& rng) {
    auto& rows = state.GenusRows;
    for (int k = 0; k < kGenusRows; ++k) {
        if (!rows[k].Replace) {
            const int r = static_cast<int>(rng.rnd() * 9);
            if (rows[r].Replace)
                std::swap(rows[k], rows[r]);
        }
    }
    for (GenusRow& row : rows) {
        if (row.Replace && row.Word > 0)
            store.setUsed(row.Word, false);
    }
    for (GenusRow& row : rows) {
        if (!row.Replace)
            continue;
        row = GenusRow{};
        for (int attempt = 1; store.wordCount > 0 && attempt <= kGenusMaxDraws; ++attempt) {
            const int c = rng.draw(store.wordCount);
            if (attempt < 300 && !levelFits(store.wordLevel[c], sliderValue))
                continue;
            if (store.wordClass[c] != 1)
                continue;
            if (store.isUsed(c) && attempt < 500)
                continue;
            const WordForm to = SplitArticle(store.GetWord(c, 1), 1, toLanguage);
            if (to.Article.isEmpty() || !to.Genus)
                continue;
            store.setUsed(c, true);
            row.ToBare = to.Bare;
            row.RightArticle = to.Article;
            row.FromBare = SplitArticle(store.GetWord(c, 2), 1, fromLanguage).Bare;
            row.Word = c;
            break;
        }
    }
    int filled = 0;
    for (GenusRow& row : rows) {
        row.Replace = true;
        row.Answered = false;
        filled += row.RightArticle.isEmpty() ? 0 : 1;
    }
    return filled;
}

GenusAnswer Answer(GenusState& state, int row, const QString& chosen, qint32& rightAnswers,
                   qint32& wrongAnswers) {
    if (row < 0 || row >= kGenusRows)
        return GenusAnswer::Ignored;
    GenusRow& r = state.GenusRows[row];
    if (r.RightArticle.isEmpty() || r.Answered)
        return GenusAnswer::Ignored;
    r.Answered = true;
    const bool right = chosen == r.RightArticle;
    r.Replace = right;
    ++(right ? rightAnswers : wrongAnswers);
    for (int i = 0; i < 3; ++i) {
        if (state.Articles[i] != r.RightArticle)
            state.LabelVisible[row][i] = false;
    }
    return right ? GenusAnswer::Right : GenusAnswer::Wrong;
}

} // namespace vx
