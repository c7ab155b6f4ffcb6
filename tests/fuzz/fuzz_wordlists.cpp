// The word-list readers over any bytes: a KVTML file and a text list with its header's
// columns. A refused input gives a message and no records; an accepted one gives records a
// dictionary file can store, and writing them out and reading them back gives them again.
#include "exchange/kvtml.h"
#include "exchange/textlist.h"
#include "fuzzcheck.h"

using namespace vx;
using namespace vx::exchange;

namespace {

void checkAccepted(const ImportResult& result, bool viaKvtml) {
    FUZZ_CHECK(result.records.size() <= size_t(kMaxWordListRecords));
    QByteArray file;
    QString error;
    FUZZ_CHECK(encodeDictionary(result.records, false, file, error));
    // A list without words is never written out: the editor says it holds none to export.
    if (result.records.empty())
        return;
    ImportResult again;
    if (viaKvtml) {
        FUZZ_CHECK(readKvtml(writeKvtml(result.records, "t"), "t", again, error));
    } else {
        const TextList list = readTextList(writeTextList(result.records));
        FUZZ_CHECK(textRecords(list, list.header, "t", again, error));
    }
    FUZZ_CHECK(again.records == result.records);
}

} // namespace

FUZZ_TARGET {
    ImportResult result;
    QString error;
    if (readKvtml(bytes, QStringLiteral("f.kvtml"), result, error))
        checkAccepted(result, true);
    else
        FUZZ_CHECK(result.records.empty() && error.startsWith(QLatin1String("f.kvtml")));

    const TextList list = readTextList(bytes);
    error.clear();
    if (list.header.isEmpty())
        return;
    if (textRecords(list, list.header, QStringLiteral("f.txt"), result, error))
        checkAccepted(result, false);
    else
        FUZZ_CHECK(result.records.empty() && error.startsWith(QLatin1String("f.txt")));
}
