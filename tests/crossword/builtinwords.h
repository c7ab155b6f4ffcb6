// The words of the built-in dictionary as the loader keeps them for one pair of languages.
#pragma once

#include "tools/dicttool/tsv.h"
#include "words/wordstore.h"

#include <QFile>

namespace vx::test {

// `to` is the practised language, `from` the own language (codes 1..5); an English text
// keeps its British form.
inline WordStore builtInStore(int to, int from) {
    WordStore store;
    QFile f(QStringLiteral(VOKABRIX_DATA_DIR "/dictionary.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no dictionary");
    std::vector<WordRecord> records;
    QString error;
    if (!tsv::importDictionary(f.readAll(), QStringLiteral("dictionary.tsv"), false, records,
                               error))
        qFatal("%s", qPrintable(error));
    for (const WordRecord& r : records) {
        if (store.wordCount == WordStore::kCapacity)
            break;
        if (r.text[to - 1].isEmpty() || r.text[from - 1].isEmpty())
            continue;
        const int slot = ++store.wordCount;
        store.SetWord(slot, 1, r.text[to - 1].section(u'/', 0, 0));
        store.SetWord(slot, 2, r.text[from - 1].section(u'/', 0, 0));
        store.wordLevel[slot] = static_cast<qint16>(r.level[to - 1]);
        store.wordClass[slot] = static_cast<qint16>(r.wordClass);
    }
    return store;
}

} // namespace vx::test
