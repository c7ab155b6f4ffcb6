// Word stores made in a test.
#pragma once

#include "words/wordstore.h"

namespace vx::test {

// Appends a word: practised-language text, own-language text, level, class.
inline int addWord(WordStore& store, const QString& to, const QString& from, int level = 3,
                   int wordClass = 0) {
    const int slot = ++store.wordCount;
    store.SetWord(slot, 1, to);
    store.SetWord(slot, 2, from);
    store.wordLevel[slot] = static_cast<qint16>(level);
    store.wordClass[slot] = static_cast<qint16>(wordClass);
    store.wordUsed[slot] = 0;
    return slot;
}

} // namespace vx::test
