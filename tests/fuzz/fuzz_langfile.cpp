// The language file over any bytes: the exercise program's reader for every language, and
// the whole-file decoder of the data tool. Where the decoder accepts a file, both readers
// must agree on its texts, and writing the entries back must give the same entries.
#include "fuzzcheck.h"
#include "words/dictfile.h"
#include "words/langfile.h"

#include <map>

using namespace vx;

FUZZ_TARGET {
    std::array<TextTable, kLanguageCount + 1> tables;
    std::array<LanguageFileResult, kLanguageCount + 1> results{};
    for (int code = 1; code <= kLanguageCount; ++code) {
        CollectingReporter reporter;
        results[code] = ReadLanguageBytes(bytes, code, tables[code], reporter);
        FUZZ_CHECK(results[code] != LanguageFileResult::Missing);
        FUZZ_CHECK((results[code] == LanguageFileResult::Read) == reporter.messages.isEmpty());
        for (int n = 0; n <= kLastTextNumber; ++n)
            (void)StripAmpersands(tables[code].text(n));
    }

    std::vector<LanguageEntry> entries;
    QString error;
    if (!decodeLanguageFile(bytes, entries, error)) {
        FUZZ_CHECK(!error.isEmpty());
        return;
    }
    // The last entry of a number wins in the exercise program's table.
    std::map<int, QStringList> last;
    for (const LanguageEntry& e : entries)
        last[e.number] = e.texts;
    for (int code = 1; code <= kLanguageCount; ++code) {
        FUZZ_CHECK(results[code] == LanguageFileResult::Read);
        for (const auto& [number, texts] : last)
            FUZZ_CHECK(tables[code].uiText[number] == texts.value(code - 1));
    }

    if (bytes.size() < 2) // no language count: nothing to write back
        return;
    QByteArray again;
    FUZZ_CHECK(encodeLanguageFile(
        entries, static_cast<int16_t>(uint8_t(bytes[0]) | (uint8_t(bytes[1]) << 8)), again, error));
    std::vector<LanguageEntry> back;
    FUZZ_CHECK(decodeLanguageFile(again, back, error) && back.size() == entries.size());
    for (size_t i = 0; i < back.size(); ++i)
        FUZZ_CHECK(back[i].number == entries[i].number && back[i].texts == entries[i].texts);
}
