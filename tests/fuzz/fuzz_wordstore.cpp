// The exercise program's dictionary loader over any bytes: two loads into one store (the
// second appends behind the first) and two into a store that has room for two more words.
#include "fuzzcheck.h"
#include "words/wordstore.h"

using namespace vx;

namespace {

void load(WordStore& store, QByteArrayView data, int from, int fromSub, int to) {
    CollectingReporter reporter;
    LoadContext context;
    context.fromLanguage = from;
    context.fromSub = fromSub;
    context.toLanguage = to;
    context.reporter = &reporter;
    const int before = store.wordCount;
    LoadDictionaryBytes(store, data, QStringLiteral("fuzz.dct"), context);
    FUZZ_CHECK(store.wordCount >= before && store.wordCount <= WordStore::kCapacity);
}

} // namespace

FUZZ_TARGET {
    // English (British spelling) as the own language with German practised, then Swedish
    // with English practised.
    WordStore store;
    load(store, bytes, 2, 0, 3);
    load(store, bytes, 1, 0, 2);
    for (int i = 1; i <= store.wordCount; ++i) {
        FUZZ_CHECK(!store.isUsed(i));
        (void)NormalizeText(store.GetWord(i, 1));
        (void)NormalizeText(store.GetWord(i, 2));
    }
    // American English with Spanish practised, into a store nearly full.
    WordStore nearlyFull;
    nearlyFull.wordCount = WordStore::kCapacity - 2;
    load(nearlyFull, bytes, 2, 1, 5);
    load(nearlyFull, bytes, 2, 1, 5);
}
