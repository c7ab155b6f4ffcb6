#include "articles.h"

#include "common/textconv.h"

namespace vx {

void FillArticleTable(ArticleTable& table, int languageCode) {
    table = ArticleTable{};
    auto add = [&table](const char* text, bool genus) {
        ++table.Count;
        table.Entries[table.Count] = {QString::fromUtf8(text), genus};
    };
    switch (languageCode) {
    case 1:
        table.BeforeWord = true;
        add("en", true);
        add("ett", true);
        break;
    case 2:
        table.AfterWord = true;
        break;
    case 3:
        table.BeforeWord = true;
        add("der", true);
        add("das", true);
        add("die", true);
        break;
    case 4:
    case 5:
        table.AfterWord = true;
        add("(m)", true);
        add("(f)", true);
        add("(mpl)", false);
        add("(fpl)", false);
        add("(mf)", false);
        break;
    default:
        break;
    }
}

void SplitArticle(const QString& word, int wordClass, int languageCode, WordForm& form) {
    form.Article.clear();
    form.Genus = false;
    form.Bare = word;
    if (wordClass != 1)
        return;
    ArticleTable table;
    FillArticleTable(table, languageCode);
    const qsizetype w = word.size();
    for (int i = 1; i <= table.Count; ++i) {
        const QString& a = table.Entries[i].Text;
        const qsizetype n = a.size();
        if (n >= w)
            continue;
        QString rest;
        bool match = false;
        if (table.BeforeWord) {
            match = word.left(n + 1) == a + u' ';
            if (match)
                rest = trimBlanks(word.right(w - n));
        } else {
            match = word.right(n) == a;
            if (match)
                rest = trimBlanks(word.left(w - n));
        }
        if (match) {
            form.Article = a;
            form.BeforeWord = table.BeforeWord;
            form.AfterWord = table.AfterWord;
            form.Bare = rest;
            form.Genus = table.Entries[i].Genus;
        }
    }
}

WordForm SplitArticle(const QString& word, int wordClass, int languageCode) {
    WordForm form;
    SplitArticle(word, wordClass, languageCode, form);
    return form;
}

} // namespace vx
