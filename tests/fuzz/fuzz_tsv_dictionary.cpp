// dicttool import over any text, plain and enciphered. What the importer accepts must
// encode, and decoding the file must give the same records back; exporting the records
// as text and importing that again must also give them back.
#include "fuzzcheck.h"
#include "tools/dicttool/tsv.h"

using namespace vx;

FUZZ_TARGET {
    const QByteArray text = bytes.toByteArray();
    for (const bool enciphered : {false, true}) {
        std::vector<WordRecord> records;
        QString error;
        if (!tsv::importDictionary(text, QStringLiteral("fuzz.tsv"), enciphered, records, error)) {
            FUZZ_CHECK(!error.isEmpty() && records.empty());
            continue;
        }
        QByteArray file;
        FUZZ_CHECK(encodeDictionary(records, enciphered, file, error));
        std::vector<WordRecord> decoded;
        bool wasEnciphered = !enciphered;
        FUZZ_CHECK(decodeDictionary(file, decoded, wasEnciphered, error));
        FUZZ_CHECK(wasEnciphered == enciphered && decoded == records);
        std::vector<WordRecord> reimported;
        FUZZ_CHECK(tsv::importDictionary(tsv::exportDictionary(records), QStringLiteral("export"),
                                         enciphered, reimported, error));
        FUZZ_CHECK(reimported == records);
    }
}
