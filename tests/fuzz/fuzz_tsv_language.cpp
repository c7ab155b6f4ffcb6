// dicttool lang-import over any text. What the importer accepts must encode as a language
// file of five languages, and decoding it must give the same entries back; exporting the
// entries as text and importing that again must also give them back.
#include "fuzzcheck.h"
#include "tools/dicttool/tsv.h"

using namespace vx;

namespace {

bool sameEntries(const std::vector<LanguageEntry>& a, const std::vector<LanguageEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].number != b[i].number || a[i].texts != b[i].texts)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<LanguageEntry> entries;
    QString error;
    if (!tsv::importLanguage(text, QStringLiteral("fuzz.tsv"), entries, error)) {
        FUZZ_CHECK(!error.isEmpty() && entries.empty(), QStringLiteral("refused without an error"));
        return 0;
    }
    QByteArray file;
    FUZZ_CHECK(encodeLanguageFile(entries, kLanguageCount, file, error),
               QStringLiteral("imported entries cannot be encoded: %1").arg(error));
    std::vector<LanguageEntry> decoded;
    FUZZ_CHECK(decodeLanguageFile(file, decoded, error),
               QStringLiteral("encoded file cannot be decoded: %1").arg(error));
    FUZZ_CHECK(sameEntries(decoded, entries), QStringLiteral("entries differ after decoding"));

    std::vector<LanguageEntry> reimported;
    FUZZ_CHECK(tsv::importLanguage(tsv::exportLanguage(entries), QStringLiteral("export"),
                                   reimported, error),
               QStringLiteral("exported text cannot be imported: %1").arg(error));
    FUZZ_CHECK(sameEntries(reimported, entries),
               QStringLiteral("entries differ after export and import"));
    return 0;
}
