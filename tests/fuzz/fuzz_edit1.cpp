// The editor's dictionary loader over any bytes, followed by what the editor does with a
// loaded file: the grid filled from the store, and the other way outside data comes in,
// the same bytes pasted as tab-separated text from the clipboard.
#include "editor/edit1.h"
#include "fuzzcheck.h"

using namespace vx;

FUZZ_TARGET {
    // One store for every input, like the editor's, which opens file after file into it: a
    // fresh store of 10000 records per input would cost far more than the load.
    static EditorStore store;
    GridState grid;
    CollectingReporter reporter;
    EditorHooks hooks;
    hooks.reporter = &reporter;
    Edit1 edit(store, grid, ProgramFolder(), hooks);

    const bool loaded = edit.LoadDictionaryBytes(bytes, QStringLiteral("fuzz.dct"));
    FUZZ_CHECK(store.recordCount >= 0 && store.recordCount <= kEditorCapacity);
    FUZZ_CHECK(loaded || !reporter.messages.isEmpty());
    // The grid shows what the store holds, a file refused part-way included.
    edit.FillGrid();
    FUZZ_CHECK(grid.rows() == std::max(store.recordCount + 1, 2));
    for (int r = 1; r <= store.recordCount; ++r)
        (void)store.record(r);

    // The same bytes pasted over whole rows, from the first row and then from the last.
    const QString text = QString::fromUtf8(bytes);
    grid.col = 0;
    grid.colSel = kGridColumns - 1;
    if (edit.Paste(text)) {
        FUZZ_CHECK(store.recordCount <= kEditorCapacity &&
                   grid.rows() == std::max(store.recordCount + 1, 2));
        grid.row = grid.rowSel = grid.rows() - 1;
        (void)edit.Paste(text);
    }

    // What this input left is cleared, so that every input meets the same empty store.
    for (int r = 1; r <= std::min(store.recordCount + 1, kEditorCapacity); ++r) {
        store.recordText[r].fill(QString());
        store.recordLevel[r].fill(0);
        store.recordClass[r] = 0;
    }
    store.recordCount = store.currentWord = 0;
    store.currentFile.clear();
    store.changed = false;
}
