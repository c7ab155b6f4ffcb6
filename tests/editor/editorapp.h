// The editor over a temporary program folder, driven as a teacher uses it.
#pragma once

#include "common/modalbox.h"
#include "editor/frmedit.h"
#include "editor/frmnyfil.h"
#include "editor/frmword.h"
#include "exchange/tablerows.h"
#include "words/dictbuilder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

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

// The editor over a temporary program folder whose own.dct holds `records` records.
struct EditorApp {
    QTemporaryDir dir;
    CollectingReporter collected;
    EditorMessages boxes;
    EditorStore store;
    RecordingSpeaker speaker;
    std::unique_ptr<frmEdit> window;
    int quits = 0;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    std::shared_ptr<SeenBox> seen = std::make_shared<SeenBox>();

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

    void click(QWidget* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    // Picks a dictionary in the list as the user does: the list opened, the entry clicked.
    void pick(const QString& name) const {
        window->listDictionaries();
        QComboBox* box = window->cboDct;
        box->showPopup();
        QAbstractItemView* view = box->view();
        const QModelIndex index = view->model()->index(box->findText(name), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    // Steps separated by "|", each a word and its arguments: cell R C (a click on it), shift R
    // C (a shift-click), click B / word B (a button of the editor / the word window), type T
    // (at the end of the word window's English text), key Escape (in that box), close (the
    // word window's close box), pick F, new F (a new file named F), clip T, menu M, scroll V,
    // wheel N. A box a
    // step asks is answered with `answer`, which answer B (Yes, No, Cancel) sets.
    void run(const QString& script) {
        for (const QString& step : script.split(u'|')) {
            const QString verb = step.section(u' ', 0, 0), arg = step.section(u' ', 1);
            const auto n = [&](int i) { return arg.section(u' ', i, i).toInt(); };
            QLineEdit* english = word() ? word()->txtWord[2] : nullptr;
            if (answer != QMessageBox::NoButton && verb != "new")
                answerNextBox(answer, seen);
            if (verb == "cell" || verb == "shift") {
                const QModelIndex cell = window->model()->index(n(0) - 1, n(1));
                grid()->scrollTo(cell);
                QTest::mouseClick(grid()->viewport(), Qt::LeftButton,
                                  verb == "shift" ? Qt::ShiftModifier : Qt::NoModifier,
                                  grid()->visualRect(cell).center());
            } else if (verb == "click" || verb == "word") {
                click((verb == "word" ? static_cast<QWidget*>(word()) : window.get())
                          ->findChild<QPushButton*>(arg));
            } else if (verb == "type") {
                english->setFocus();
                english->end(false);
                QTest::keyClicks(english, arg);
            } else if (verb == "key") {
                QTest::keyClick(english, Qt::Key_Escape);
            } else if (verb == "close") {
                word()->close();
            } else if (verb == "pick") {
                pick(arg);
            } else if (verb == "new") { // the name typed and OK clicked; closed if still open
                QTimer::singleShot(0, [this, arg] {
                    auto* box = qobject_cast<frmNyFil*>(QApplication::activeModalWidget());
                    QVERIFY(box);
                    QTest::keyClicks(box->txtFilnamn, arg);
                    if (answer != QMessageBox::NoButton)
                        answerNextBox(answer, seen);
                    QTest::mouseClick(box->cmdOK, Qt::LeftButton);
                    if (box->isVisible())
                        box->reject();
                });
                click(window->cmdNew);
            } else if (verb == "clip") {
                QGuiApplication::clipboard()->setText(arg);
            } else if (verb == "menu") {
                window->findChild<QAction*>(arg)->trigger();
            } else if (verb == "scroll") { // the grid's scroll bar set to a value
                grid()->verticalScrollBar()->setValue(n(0));
                QTest::qWait(1);
            } else if (verb == "wheel") { // turned by N steps, away from the user when positive
                for (int i = 0; i < std::abs(n(0)); ++i) {
                    const QPointF at = grid()->viewport()->rect().center();
                    QWheelEvent wheel(at, grid()->viewport()->mapToGlobal(at), {},
                                      QPoint(0, n(0) > 0 ? 120 : -120), Qt::NoButton,
                                      Qt::NoModifier, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(grid()->viewport(), &wheel);
                }
            } else if (verb == "answer") {
                answer = arg == "Yes"  ? QMessageBox::Yes
                         : arg == "No" ? QMessageBox::No
                                       : QMessageBox::Cancel;
            }
        }
    }
    bool rowInView(int row) const {
        const int y = grid()->rowViewportPosition(row - 1);
        return y >= 0 && y + grid()->rowHeight(row - 1) <= grid()->viewport()->height();
    }
    std::vector<WordRecord> records() const { return storeRecords(store); }
};

} // namespace vx::test
