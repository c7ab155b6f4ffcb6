// The editor over a temporary program folder, driven as a teacher uses it.
#pragma once

#include "editor/frmedit.h"
#include "editor/frmword.h"
#include "words/dictbuilder.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace vx::test {

using namespace vx::editor;

// Numbered records whose levels and classes differ from row to row and language to
// language, so that a shifted or misread cell shows.
inline std::vector<WordRecord> variedRecords(int count, int first = 1) {
    std::vector<WordRecord> out = numberedRecords(count, first);
    for (int i = 0; i < count; ++i) {
        for (int l = 0; l < kLanguageCount; ++l)
            out[static_cast<size_t>(i)].level[static_cast<size_t>(l)] = (i + l) % 5 + 1;
        out[static_cast<size_t>(i)].wordClass = i % 4;
    }
    return out;
}

// The editor over a temporary program folder whose own.dct holds `records` records.
struct EditorApp {
    QTemporaryDir dir;
    CollectingReporter collected;
    EditorMessages boxes;
    EditorStore store;
    RecordingSpeaker speaker;
    std::unique_ptr<frmEdit> window;
    int quits = 0;

    explicit EditorApp(int records, bool realBoxes = false) {
        write("own.dct", encode(variedRecords(records)));
        window = std::make_unique<frmEdit>(store, ProgramFolder(dir.path()),
                                           realBoxes ? static_cast<Reporter&>(boxes) : collected);
        window->quit = [this] { ++quits; };
        window->speaker = &speaker;
        window->show();
        window->loadOwnDictionary();
        QApplication::setActiveWindow(window.get());
    }
    void write(const QString& name, const QByteArray& data) const {
        writeFile(dir.filePath(name), data);
    }
    QByteArray file(const QString& name) const { return readFile(dir.filePath(name)); }
    frmWord* word() const { return window->wordWindow(); }
    QTableView* grid() const { return window->grdEdit; }

    QRect cellRect(int row, int col) const {
        return grid()->visualRect(window->model()->index(row - 1, col));
    }
    void clickCell(int row, int col, Qt::KeyboardModifiers m = {}) const {
        grid()->scrollTo(window->model()->index(row - 1, col));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, m, cellRect(row, col).center());
    }
    void selectCells(int top, int left, int bottom, int right) const {
        clickCell(top, left);
        clickCell(bottom, right, Qt::ShiftModifier);
    }
    void menu(const char* name) const {
        window->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    // Picks a dictionary in the list as the user does: the list opened, the entry clicked.
    void pick(const QString& name) const {
        window->listDictionaries();
        QComboBox* box = window->cboDct;
        box->showPopup();
        QAbstractItemView* view = box->view();
        const QModelIndex index = view->model()->index(box->findText(name), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    // Edits record r in the word window and types `typed` at the end of its English text.
    void typeInWordWindow(int r, const QString& typed) const {
        clickCell(r, 0);
        QTest::mouseClick(window->cmdEdit, Qt::LeftButton);
        QLineEdit* box = word()->txtWord[2];
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, typed);
    }
    bool rowInView(int row) const {
        const int y = grid()->rowViewportPosition(row - 1);
        return y >= 0 && y + grid()->rowHeight(row - 1) <= grid()->viewport()->height();
    }
    // Records 1..recordCount as the store holds them.
    std::vector<WordRecord> records() const {
        std::vector<WordRecord> out;
        for (int r = 1; r <= store.recordCount; ++r)
            out.push_back(store.record(r));
        return out;
    }
};

} // namespace vx::test
