// The exercise program's dictionary loader over any bytes: two loads into one store (the
// second appends behind the first) and one into a store that is nearly full.
#include "fuzzcheck.h"
#include "words/wordstore.h"

using namespace vx;

namespace {

struct Languages {
    int from, fromSub, to;
};

// English (British spelling) as the own language with German practised, Swedish with
// English practised, and American English with Spanish practised.
constexpr Languages kFirst{2, 0, 3};
constexpr Languages kSecond{1, 0, 2};
constexpr Languages kThird{2, 1, 5};

void load(WordStore& store, QByteArrayView data, Languages languages,
          CollectingReporter& reporter) {
    LoadContext context;
    context.fromLanguage = languages.from;
    context.fromSub = languages.fromSub;
    context.toLanguage = languages.to;
    context.reporter = &reporter;
    const int before = store.wordCount;
    LoadDictionaryBytes(store, data, QStringLiteral("fuzz.dct"), context);
    FUZZ_CHECK(store.wordCount >= before && store.wordCount <= WordStore::kCapacity,
               QStringLiteral("word count %1 after %2").arg(store.wordCount).arg(before));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    CollectingReporter reporter;

    WordStore store;
    load(store, bytes, kFirst, reporter);
    load(store, bytes, kSecond, reporter);
    for (int i = 1; i <= store.wordCount; ++i) {
        FUZZ_CHECK(!store.isUsed(i), QStringLiteral("slot %1 marked used by a load").arg(i));
        (void)NormalizeText(store.GetWord(i, 1));
        (void)NormalizeText(store.GetWord(i, 2));
    }

    // A store with room for two more words, filled up by the first load; the second adds
    // nothing.
    WordStore nearlyFull;
    nearlyFull.wordCount = WordStore::kCapacity - 2;
    CollectingReporter fullReporter;
    load(nearlyFull, bytes, kThird, fullReporter);
    load(nearlyFull, bytes, kThird, fullReporter);
    return 0;
}
