// Articles and gender marks of nouns: which ones each language has, where they stand,
// and the split of a stored noun ("der Hund", "chien (m)") into article and bare word.
#pragma once

#include <QString>
#include <array>

namespace vx {

struct ArticleEntry {
    QString Text;
    bool Genus = false; // offered as an answer by the Genus drill
};

struct ArticleTable {
    std::array<ArticleEntry, 11> Entries; // 1..Count used
    int Count = 0;
    bool BeforeWord = false; // "der Hund": article, one blank, word
    bool AfterWord = false;  // "chien (m)": mark at the end
};

struct WordForm {
    QString Article;
    bool Genus = false;
    QString Bare;
    bool BeforeWord = false;
    bool AfterWord = false;
};

void FillArticleTable(ArticleTable& table, int languageCode);

// Splits the article off a noun (class 1) of the given language; any other class comes
// back whole with no article.
void SplitArticle(const QString& word, int wordClass, int languageCode, WordForm& form);
WordForm SplitArticle(const QString& word, int wordClass, int languageCode);

} // namespace vx
