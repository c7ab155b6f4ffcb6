// The verb file reader over any bytes. A refused file leaves the state as it was; an
// accepted one holds 1..4 forms and at most 500 complete rows.
#include "exercises/verb/verbs.h"
#include "fuzzcheck.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    VerbState state;
    CollectingReporter reporter;
    const bool loaded = LoadVerbBytes(state, bytes, QStringLiteral("VERB03.TXT"), reporter);
    if (!loaded) {
        FUZZ_CHECK(state.FormCount == 0 && state.VerbCount == 0,
                   QStringLiteral("a refused file changed the state"));
        FUZZ_CHECK(reporter.messages.size() == 1,
                   QStringLiteral("%1 messages").arg(reporter.messages.size()));
        return 0;
    }
    FUZZ_CHECK(reporter.messages.isEmpty(), reporter.messages.join(u'|'));
    FUZZ_CHECK(state.FormCount >= 1 && state.FormCount <= kMaxForms,
               QStringLiteral("%1 forms").arg(state.FormCount));
    FUZZ_CHECK(state.VerbCount >= 0 && state.VerbCount <= kMaxVerbs,
               QStringLiteral("%1 verbs").arg(state.VerbCount));
    for (int row = 1; row <= state.VerbCount; ++row) {
        for (int c = 1; c <= state.FormCount; ++c) {
            FUZZ_CHECK(!state.VerbTable[row][c].isEmpty(),
                       QStringLiteral("row %1 form %2 empty").arg(row).arg(c));
            (void)IsRightForm(state.VerbTable[row][c], state.VerbTable[row][c]);
        }
    }
    return 0;
}
