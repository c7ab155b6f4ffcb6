// dicttool lang-import over any text. What the importer accepts must encode as a language
// file of five languages, and decoding it must give the same entries back; exporting the
// entries as text and importing that again must also give them back.
#include "fuzzcheck.h"
#include "tools/dicttool/tsv.h"

using namespace vx;

namespace {

bool sameEntries(const std::vector<LanguageEntry>& a, const std::vector<LanguageEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.number == y.number && x.texts == y.texts;
    });
}

} // namespace

FUZZ_TARGET {
    const QByteArray text = bytes.toByteArray();
    std::vector<LanguageEntry> entries;
    QString error;
    if (!tsv::importLanguage(text, QStringLiteral("fuzz.tsv"), entries, error)) {
        FUZZ_CHECK(!error.isEmpty() && entries.empty());
        return;
    }
    QByteArray file;
    FUZZ_CHECK(encodeLanguageFile(entries, kLanguageCount, file, error));
    std::vector<LanguageEntry> decoded;
    FUZZ_CHECK(decodeLanguageFile(file, decoded, error) && sameEntries(decoded, entries));
    std::vector<LanguageEntry> reimported;
    FUZZ_CHECK(tsv::importLanguage(tsv::exportLanguage(entries), QStringLiteral("export"),
                                   reimported, error));
    FUZZ_CHECK(sameEntries(reimported, entries));
}
