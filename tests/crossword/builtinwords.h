// The words of the built-in dictionary as the loader keeps them for one pair of languages,
// and the crossword builder made ready over a word store.
#pragma once

#include "crossword/korsord.h"
#include "exercises/storebuilder.h"
#include "tools/dicttool/tsv.h"
#include "words/wordstore.h"

#include <QFile>

namespace vx::test {

// `to` is the practised language, `from` the own language (codes 1..5); an English text
// keeps its British form.
inline WordStore builtInStore(int to, int from) {
    WordStore store;
    QFile f(QStringLiteral(VOKABRIX_DATA_DIR "/dictionary.tsv"));
    std::vector<WordRecord> records;
    QString error;
    if (!f.open(QIODevice::ReadOnly) ||
        !tsv::importDictionary(f.readAll(), QStringLiteral("dictionary.tsv"), false, records,
                               error))
        qFatal("dictionary.tsv: %s", qPrintable(error));
    for (const WordRecord& r : records) {
        if (store.wordCount == WordStore::kCapacity)
            break;
        if (r.text[to - 1].isEmpty() || r.text[from - 1].isEmpty())
            continue;
        addWord(store, r.text[to - 1].section(u'/', 0, 0), r.text[from - 1].section(u'/', 0, 0),
                r.level[to - 1], r.wordClass);
    }
    return store;
}

// The crossword state with its candidate tables filled from `store`, as a window opens;
// `to` is the practised language, `from` the own language.
struct Builder {
    CrosswordState state;
    Random rng;
    Korsord k{state, rng};

    explicit Builder(const WordStore& store, quint64 seed = 1, int to = 3, int from = 2) {
        rng.seed(seed);
        k.InitCrosswordState();
        k.PrepareCrosswordWords(store, from, to);
        k.FinishCrosswordSetUp();
    }
};

} // namespace vx::test
