// The verb file reader over any bytes. A refused file leaves the state as it was, with one
// message; an accepted one holds 1..4 forms and at most 500 complete rows.
#include "exercises/verb/verbs.h"
#include "fuzzcheck.h"

using namespace vx;

FUZZ_TARGET {
    VerbState state;
    CollectingReporter reporter;
    if (!LoadVerbBytes(state, bytes, QStringLiteral("VERB03.TXT"), reporter)) {
        FUZZ_CHECK(state.FormCount == 0 && state.VerbCount == 0 && reporter.messages.size() == 1);
        return;
    }
    FUZZ_CHECK(reporter.messages.isEmpty());
    FUZZ_CHECK(state.FormCount >= 1 && state.FormCount <= kMaxForms);
    FUZZ_CHECK(state.VerbCount >= 0 && state.VerbCount <= kMaxVerbs);
    for (int row = 1; row <= state.VerbCount; ++row)
        for (int c = 1; c <= state.FormCount; ++c) {
            FUZZ_CHECK(!state.VerbTable[row][c].isEmpty());
            (void)IsRightForm(state.VerbTable[row][c], state.VerbTable[row][c]);
        }
}
