// The editor over a temporary program folder, driven as a teacher uses it.
#pragma once

#include "editor/frmedit.h"
#include "editor/frmnyfil.h"
#include "editor/frmword.h"
#include "words/dictbuilder.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace vx::test {

using namespace vx::editor;

// Numbered records whose levels and classes differ from row to row and language to
// language, so that a shifted or misread cell shows.
inline std::vector<WordRecord> variedRecords(int count, int first = 1) {
    std::vector<WordRecord> out = numberedRecords(count, first);
    for (int i = 0; i < count; ++i) {
        for (int l = 0; l < kLanguageCount; ++l)
            out[size_t(i)].level[size_t(l)] = (i + l) % 5 + 1;
        out[size_t(i)].wordClass = i % 4;
    }
    return out;
}

inline std::vector<WordRecord> decoded(const QByteArray& data) {
    std::vector<WordRecord> out;
    bool enciphered = false;
    QString error;
    decodeDictionary(data, out, enciphered, error);
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

    explicit EditorApp(int records, bool realBoxes = false)
        : EditorApp(encode(variedRecords(records)), realBoxes) {}
    explicit EditorApp(const QByteArray& own, bool realBoxes = false) {
        write("own.dct", own);
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
    bool wordShown() const { return word() && word()->isVisible(); }
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
    void click(QWidget* button) const { QTest::mouseClick(button, Qt::LeftButton); }
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
    // New: `name` typed in the window and OK clicked, `beforeOk` run just before; the window
    // is closed if it is still open then.
    void newFile(const QString& name, const std::function<void()>& beforeOk = {}) const {
        QTimer::singleShot(0, [name, beforeOk] {
            auto* window = qobject_cast<frmNyFil*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QTest::keyClicks(window->txtFilnamn, name);
            if (beforeOk)
                beforeOk();
            QTest::mouseClick(window->cmdOK, Qt::LeftButton);
            if (window->isVisible())
                window->reject();
        });
        click(window->cmdNew);
    }
    // Record r in the word window, as Edit Word on its row shows it.
    void edit(int r) const {
        clickCell(r, 0);
        click(window->cmdEdit);
    }
    // Edits record r in the word window and types `typed` at the end of its English text.
    void typeInWordWindow(int r, const QString& typed) const {
        edit(r);
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
