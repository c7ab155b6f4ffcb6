// dicttool import over any text, plain and enciphered. What the importer accepts must
// encode, and decoding the file must give the same records back; exporting the records
// as text and importing that again must also give them back.
#include "fuzzcheck.h"
#include "tools/dicttool/tsv.h"

using namespace vx;

namespace {

void roundTrip(const QByteArray& text, bool enciphered) {
    std::vector<WordRecord> records;
    QString error;
    if (!tsv::importDictionary(text, QStringLiteral("fuzz.tsv"), enciphered, records, error)) {
        FUZZ_CHECK(!error.isEmpty() && records.empty(), QStringLiteral("refused without an error"));
        return;
    }
    QByteArray file;
    FUZZ_CHECK(encodeDictionary(records, enciphered, file, error),
               QStringLiteral("imported records cannot be encoded: %1").arg(error));
    std::vector<WordRecord> decoded;
    bool wasEnciphered = !enciphered;
    FUZZ_CHECK(decodeDictionary(file, decoded, wasEnciphered, error),
               QStringLiteral("encoded file cannot be decoded: %1").arg(error));
    FUZZ_CHECK(wasEnciphered == enciphered, QStringLiteral("the enciphered field changed"));
    FUZZ_CHECK(decoded.size() == records.size(),
               QStringLiteral("%1 records decoded of %2").arg(decoded.size()).arg(records.size()));
    for (size_t i = 0; i < records.size(); ++i)
        FUZZ_CHECK(decoded[i] == records[i],
                   QStringLiteral("record %1 differs after decoding").arg(i + 1));

    std::vector<WordRecord> reimported;
    FUZZ_CHECK(tsv::importDictionary(tsv::exportDictionary(records), QStringLiteral("export"),
                                     enciphered, reimported, error),
               QStringLiteral("exported text cannot be imported: %1").arg(error));
    FUZZ_CHECK(reimported == records, QStringLiteral("records differ after export and import"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    roundTrip(text, false);
    roundTrip(text, true);
    return 0;
}
