// The language file over any bytes: the exercise program's reader for every language, and
// the whole-file decoder of the data tool. Where the decoder accepts a file, both readers
// must agree on its texts, and writing the entries back must give the same entries.
#include "fuzzcheck.h"
#include "words/dictfile.h"
#include "words/langfile.h"

#include <map>

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes = fuzz::bytesOf(data, size);

    std::array<TextTable, kLanguageCount + 1> tables;
    std::array<LanguageFileResult, kLanguageCount + 1> results{};
    for (int code = 1; code <= kLanguageCount; ++code) {
        CollectingReporter reporter;
        results[code] = ReadLanguageBytes(bytes, code, tables[code], reporter);
        FUZZ_CHECK(results[code] != LanguageFileResult::Missing,
                   QStringLiteral("bytes reported missing"));
        FUZZ_CHECK(
            (results[code] == LanguageFileResult::Read) == reporter.messages.isEmpty(),
            QStringLiteral("result and messages disagree: %1").arg(reporter.messages.join(u'|')));
        for (int n = 0; n <= kLastTextNumber; ++n)
            (void)StripAmpersands(tables[code].text(n));
    }

    std::vector<LanguageEntry> entries;
    QString error;
    if (!decodeLanguageFile(bytes, entries, error)) {
        FUZZ_CHECK(!error.isEmpty(), QStringLiteral("refused without an error"));
        return 0;
    }

    // The last entry of a number wins in the exercise program's table.
    std::map<int, const LanguageEntry*> last;
    for (const LanguageEntry& e : entries)
        last[e.number] = &e;
    for (int code = 1; code <= kLanguageCount; ++code) {
        FUZZ_CHECK(results[code] == LanguageFileResult::Read,
                   QStringLiteral("decoded, but language %1 gave a read error").arg(code));
        for (const auto& [number, e] : last) {
            const QString expected = code <= e->texts.size() ? e->texts[code - 1] : QString();
            FUZZ_CHECK(tables[code].uiText[number] == expected,
                       QStringLiteral("text %1 of language %2 differs").arg(number).arg(code));
        }
    }

    if (size < 2) // no language count: nothing to write back
        return 0;
    const int languageCount = static_cast<int16_t>(data[0] | (data[1] << 8));
    QByteArray again;
    FUZZ_CHECK(encodeLanguageFile(entries, languageCount, again, error),
               QStringLiteral("decoded entries cannot be written back: %1").arg(error));
    std::vector<LanguageEntry> back;
    FUZZ_CHECK(decodeLanguageFile(again, back, error),
               QStringLiteral("written file unreadable: %1").arg(error));
    FUZZ_CHECK(back.size() == entries.size(),
               QStringLiteral("%1 entries back of %2").arg(back.size()).arg(entries.size()));
    for (size_t i = 0; i < back.size(); ++i)
        FUZZ_CHECK(back[i].number == entries[i].number && back[i].texts == entries[i].texts,
                   QStringLiteral("entry %1 differs after writing back").arg(i));
    return 0;
}
