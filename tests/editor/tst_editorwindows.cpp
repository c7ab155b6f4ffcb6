// The editor's windows driven as a teacher uses them: the clipboard, switching and new
// files with unsaved changes, clicks that arrive during long work, the word window beside a
// store that changes under it, the keyboard, scrolling, the header and the messages.
#include "common/modalbox.h"
#include "editor/editorapp.h"
#include "editor/frmedit.h"
#include "editor/frmnyfil.h"
#include "editor/frmword.h"
#include "keyboard/keyboarddriver.h"
#include "words/dictbuilder.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QListView>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace vx;
using namespace vx::editor;
using namespace vx::test;

Q_DECLARE_METATYPE(vx::test::KeyboardOpening)

namespace {

std::vector<WordRecord> decoded(const QByteArray& data) {
    std::vector<WordRecord> out;
    bool enciphered = false;
    QString error;
    decodeDictionary(data, out, enciphered, error);
    return out;
}

} // namespace

class TstEditorWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isWindow() && !qobject_cast<frmEdit*>(w) && !w->parent())
                delete w;
    }

    // Copy, then Paste five rows further down: the cells come back exactly, from every
    // kind of column and with every line end a clip may have; nothing else changes.
    void copyPasteRoundTrip_data() {
        QTest::addColumn<QList<int>>("rect"); // top, left, bottom, right
        QTest::addColumn<QString>("lineEnd");
        const QList<std::pair<const char*, QList<int>>> rects = {
            {"a level column", {2, 1, 4, 1}}, {"the class column", {2, 10, 5, 10}},
            {"whole rows", {1, 0, 3, 10}},    {"texts and levels", {2, 3, 5, 6}},
            {"one cell", {4, 5, 4, 5}},
        };
        const QList<std::pair<const char*, QString>> ends = {
            {"CR LF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}};
        for (const auto& [rectName, rect] : rects)
            for (const auto& [endName, end] : ends)
                QTest::addRow("%s, %s", rectName, endName) << rect << end;
    }
    void copyPasteRoundTrip() {
        QFETCH(QList<int>, rect);
        QFETCH(QString, lineEnd);
        EditorApp app(12);
        const int top = rect[0], left = rect[1], bottom = rect[2], right = rect[3];
        app.selectCells(top, left, bottom, right);
        QTest::keyClick(app.grid(), Qt::Key_C, Qt::ControlModifier);
        QString clip = QGuiApplication::clipboard()->text();
        QVERIFY(clip.endsWith("\r\n"));
        clip.replace("\r\n", "\r").replace("\r", lineEnd);
        QGuiApplication::clipboard()->setText(clip);

        std::vector<GridState::Row> expected = app.window->grid().cells;
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c)
                expected[static_cast<size_t>(r + 5)][static_cast<size_t>(c)] =
                    expected[static_cast<size_t>(r)][static_cast<size_t>(c)];
        // The first target row is selected across the copied columns; the paste takes as
        // many rows as the clip has.
        app.selectCells(top + 5, left, top + 5, right);
        QTest::keyClick(app.grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(app.store.recordCount, 12);
        for (size_t r = 0; r < expected.size(); ++r)
            for (size_t c = 0; c < 11; ++c)
                if (expected[r][c] != app.window->grid().cells[r][c])
                    qWarning() << r << c << expected[r][c] << app.window->grid().cells[r][c]
                               << clip;
        QCOMPARE(app.window->grid().cells, expected);
        QVERIFY(app.store.changed);
    }

    // Switching dictionaries and making a new one with changes typed in the word window.
    void unsavedChangesBeforeReplacing_data() {
        QTest::addColumn<bool>("newFile"); // else a switch to b.dct
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("saveFails");
        for (bool newFile : {false, true}) {
            const char* path = newFile ? "new file" : "switch";
            QTest::addRow("%s, Yes", path) << newFile << QMessageBox::Yes << false;
            QTest::addRow("%s, Yes, save fails", path) << newFile << QMessageBox::Yes << true;
            QTest::addRow("%s, No", path) << newFile << QMessageBox::No << false;
            QTest::addRow("%s, Cancel", path) << newFile << QMessageBox::Cancel << false;
        }
    }
    void unsavedChangesBeforeReplacing() {
        QFETCH(bool, newFile);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, saveFails);
        EditorApp app(3);
        app.write("b.dct", encode(variedRecords(5, 100)));
        if (saveFails)
            QVERIFY(QDir(app.dir.path()).mkdir("OWN.BAK")); // the backup cannot be written
        const QByteArray ownBefore = app.file("own.dct");
        app.typeInWordWindow(1, "X");
        auto question = std::make_shared<SeenBox>();
        if (newFile) {
            QTimer::singleShot(0, [question, answer] {
                auto* window = qobject_cast<frmNyFil*>(QApplication::activeModalWidget());
                QVERIFY(window);
                QTest::keyClicks(window->txtFilnamn, "Neu");
                answerNextBox(answer, question);
                QTest::mouseClick(window->cmdOK, Qt::LeftButton);
                if (window->isVisible())
                    window->reject();
            });
            QTest::mouseClick(app.window->cmdNew, Qt::LeftButton);
        } else {
            answerNextBox(answer, question);
            app.pick("b.dct");
        }
        QCOMPARE(question->text, QStringLiteral("Vill du spara dina ändringar?"));
        const bool replaced =
            answer == QMessageBox::No || (answer == QMessageBox::Yes && !saveFails);
        const QString other = newFile ? QStringLiteral("Neu.DCT") : QStringLiteral("b.dct");
        QCOMPARE(app.store.currentFile, replaced ? other : QStringLiteral("own.dct"));
        QCOMPARE(app.window->cboDct->currentText(), app.store.currentFile);
        QCOMPARE(QFile::exists(app.dir.filePath("Neu.DCT")), newFile && replaced);
        if (answer == QMessageBox::Yes && !saveFails)
            QCOMPARE(decoded(app.file("own.dct"))[0].text[1], QStringLiteral("word1X"));
        else
            QCOMPARE(app.file("own.dct"), ownBefore);
        if (!replaced) {
            // Nothing is lost: the change is in the store, still marked unsaved.
            QCOMPARE(app.store.recordText[1][2], QStringLiteral("word1X"));
            QCOMPARE(app.store.recordCount, 3);
            QVERIFY(app.store.changed);
            QCOMPARE(app.collected.messages.size(), saveFails ? 1 : 0);
        }
    }

    // A click that arrives while a dictionary loads or a paste runs finds the work done.
    void clicksDuringLongWork_data() {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("button");
        for (const char* button : {"cmdSave", "cmdAdd", "cmdExit"}) {
            QTest::addRow("switch, %s", button) << "switch" << button;
            QTest::addRow("paste, %s", button) << "paste" << button;
        }
    }
    void clicksDuringLongWork() {
        QFETCH(QString, work);
        QFETCH(QString, button);
        EditorApp app(3);
        app.write("big.dct", encode(numberedRecords(kEditorCapacity)));
        const QByteArray own = app.file("own.dct");
        const QByteArray big = app.file("big.dct");
        QString lines;
        for (int i = 0; i < 3000; ++i)
            lines += QStringLiteral("w%1\t2\n").arg(i);
        QGuiApplication::clipboard()->setText(lines);
        int countWhenClicked = -1;
        QString fileWhenClicked;
        QTimer::singleShot(0, [&] {
            countWhenClicked = app.store.recordCount;
            fileWhenClicked = app.store.currentFile;
            auto* b = app.window->findChild<QPushButton*>(button);
            if (b->isEnabled())
                QTest::mouseClick(b, Qt::LeftButton);
        });
        auto exitQuestion = std::make_shared<SeenBox>();
        answerNextBox(QMessageBox::No, exitQuestion);
        if (work == "switch") {
            app.pick("big.dct");
            QTRY_VERIFY(countWhenClicked >= 0);
            QCOMPARE(fileWhenClicked, QStringLiteral("big.dct"));
            QCOMPARE(countWhenClicked, kEditorCapacity);
        } else {
            app.clickCell(1, 0);
            app.menu("mnuEditPaste");
            QTRY_VERIFY(countWhenClicked >= 0);
            QCOMPARE(countWhenClicked, 3000);
        }
        if (button == "cmdSave" && work == "paste")
            QCOMPARE(decoded(app.file("own.dct")).size(), size_t(3000));
        else
            QCOMPARE(app.file("own.dct"), own);
        QCOMPARE(app.file("big.dct"), big);
        if (button == "cmdExit")
            QCOMPARE(app.quits, 1);
    }

    // Whatever is typed in the open word window is part of what is saved or kept.
    void typedWordIsKept_data() {
        QTest::addColumn<QString>("path");
        QTest::addRow("Exit, Yes") << "exit";
        QTest::addRow("Save") << "save";
        QTest::addRow("word window's close box") << "close box";
        QTest::addRow("Escape in the word window") << "escape";
        QTest::addRow("New Word in the grid") << "new word";
        QTest::addRow("Edit Word on another row") << "edit other";
    }
    void typedWordIsKept() {
        QFETCH(QString, path);
        EditorApp app(3);
        app.typeInWordWindow(2, " CHANGED");
        if (path == "exit") {
            auto question = std::make_shared<SeenBox>();
            answerNextBox(QMessageBox::Yes, question);
            QTest::mouseClick(app.window->cmdExit, Qt::LeftButton);
            QCOMPARE(app.quits, 1);
        } else if (path == "save") {
            QTest::mouseClick(app.window->cmdSave, Qt::LeftButton);
            QVERIFY(!app.store.changed);
        } else if (path == "close box") {
            app.word()->close();
        } else if (path == "escape") {
            QTest::keyClick(app.word()->txtWord[2], Qt::Key_Escape);
            QVERIFY(!app.word() || !app.word()->isVisible());
        } else if (path == "new word") {
            QTest::mouseClick(app.window->cmdAdd, Qt::LeftButton);
            QCOMPARE(app.store.recordCount, 4);
        } else {
            app.clickCell(3, 0);
            QTest::mouseClick(app.window->cmdEdit, Qt::LeftButton);
            QCOMPARE(app.word()->txtWord[2]->text(), QStringLiteral("word3"));
        }
        QCOMPARE(app.store.recordText[2][2], QStringLiteral("word2 CHANGED"));
        QCOMPARE(app.window->grid().cells[2][2], QStringLiteral("word2 CHANGED"));
        if (path == "exit" || path == "save")
            QCOMPARE(decoded(app.file("own.dct"))[1].text[1], QStringLiteral("word2 CHANGED"));
        else
            QVERIFY(app.store.changed);
    }

    // The word window shows record 4 of 6 while the store changes under it.
    void wordWindowFollowsTheStore_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("shown"); // the English text shown after, empty when closed
        QTest::addRow("switch to a longer dictionary") << "switch long"
                                                       << "word103";
        QTest::addRow("switch to a shorter one") << "switch short"
                                                 << "";
        QTest::addRow("a new file") << "new file"
                                    << "";
        QTest::addRow("paste over its row") << "paste"
                                            << "pasted";
        QTest::addRow("cut of its row") << "cut"
                                        << "";
        QTest::addRow("delete of a row above") << "delete above"
                                               << "word5";
        QTest::addRow("delete of the last rows") << "delete last"
                                                 << "";
    }
    void wordWindowFollowsTheStore() {
        QFETCH(QString, change);
        QFETCH(QString, shown);
        EditorApp app(6);
        app.write("long.dct", encode(numberedRecords(8, 100)));
        app.write("short.dct", encode(numberedRecords(2, 200)));
        app.clickCell(4, 0);
        QTest::mouseClick(app.window->cmdEdit, Qt::LeftButton);
        QVERIFY(app.word()->isVisible());
        if (change == "switch long") {
            app.pick("long.dct");
        } else if (change == "switch short") {
            app.pick("short.dct");
        } else if (change == "new file") {
            QTimer::singleShot(0, [] {
                auto* window = qobject_cast<frmNyFil*>(QApplication::activeModalWidget());
                QTest::keyClicks(window->txtFilnamn, "Neu");
                QTest::mouseClick(window->cmdOK, Qt::LeftButton);
            });
            QTest::mouseClick(app.window->cmdNew, Qt::LeftButton);
        } else if (change == "paste") {
            // The level of Swedish and the English text of its row.
            app.selectCells(4, 1, 4, 2);
            QGuiApplication::clipboard()->setText("4\tpasted\r\n");
            app.menu("mnuEditPaste");
        } else if (change == "cut") {
            app.selectCells(4, 0, 4, 10);
            app.menu("mnuEditCut");
        } else if (change == "delete above") {
            app.clickCell(2, 0);
            QTest::mouseClick(app.window->cmdDelete, Qt::LeftButton);
        } else {
            for (int i = 0; i < 3; ++i) {
                app.clickCell(app.store.recordCount, 0);
                QTest::mouseClick(app.window->cmdDelete, Qt::LeftButton);
            }
        }
        const int count = app.store.recordCount;
        const std::vector<WordRecord> before = app.records();
        if (change == "cut")
            QVERIFY(app.word()->txtWord[2]->text().isEmpty());
        else if (shown.isEmpty())
            QVERIFY(!app.word() || !app.word()->isVisible());
        else
            QCOMPARE(app.word()->txtWord[2]->text(), shown);
        // Closing it afterwards writes nothing that was not typed.
        if (app.word() && app.word()->isVisible())
            QTest::mouseClick(app.word()->cmdClose, Qt::LeftButton);
        QCOMPARE(app.store.recordCount, count);
        QCOMPARE(app.records(), before);
        QVERIFY(app.store.recordText[count + 1][2].isEmpty());
    }

    // The keyboard opens from every text box of the word window and types into that box.
    void keyboardTypesIntoEveryBox_data() {
        QTest::addColumn<int>("box"); // 1..5 a text box, 6..10 a difficulty box
        QTest::addColumn<KeyboardOpening>("how");
        for (int b = 1; b <= 10; ++b) {
            QTest::addRow("F4 in box %d", b) << b << KeyboardOpening::F4;
            QTest::addRow("picture, box %d", b) << b << KeyboardOpening::Picture;
        }
    }
    void keyboardTypesIntoEveryBox() {
        QFETCH(int, box);
        QFETCH(KeyboardOpening, how);
        EditorApp app(2);
        int r = 1;
        app.window->ShowRecord(r);
        frmWord* w = app.word();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QLineEdit* edit = box <= 5 ? w->txtWord[box] : w->txtDiffi[box - 5];
        edit->setCursorPosition(0);
        const QString before = edit->text();
        QVERIFY(typeWithKeyboard(w, edit, how, w->findChild<QWidget*>("imgKeyboard"), 5));
        QTRY_COMPARE(edit->text(), QStringLiteral("ö") + before);
        QVERIFY(app.store.changed);
    }

    // The speaker picture beside each text says what is typed there, in that language's
    // voice, as the exercises will say it; without speech the pictures are disabled.
    void speakerBesideEveryText_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said");
        QTest::addRow("Swedish") << 1 << "ett sjukhus" << "ett sjukhus @sv_SE";
        QTest::addRow("English") << 2 << "colour/color" << "colour @en_GB";
        QTest::addRow("German") << 3 << "die Schwiegermutter" << "die Schwiegermutter @de_DE";
        QTest::addRow("French") << 4 << "oeil (m)" << "oeil @fr_FR";
        QTest::addRow("Spanish") << 5 << "niño (m)" << "niño @es_ES";
    }
    void speakerBesideEveryText() {
        QFETCH(int, language);
        QFETCH(QString, typed);
        QFETCH(QString, said);
        EditorApp app(1);
        app.clickCell(1, 0);
        QTest::mouseClick(app.window->cmdEdit, Qt::LeftButton);
        app.word()->txtWord[language]->setText(typed);
        QTest::mouseClick(app.word()->cmdSpeak[language], Qt::LeftButton);
        QCOMPARE(app.speaker.said.size(), size_t(1));
        QCOMPARE(app.speaker.said[0].text + " @" + app.speaker.said[0].locale, said);
        app.speaker.report(SpeechProblem::NoEngine);
        QVERIFY(!app.word()->cmdSpeak[language]->isEnabled());
        QCOMPARE(app.word()->cmdSpeak[language]->toolTip(), englishReason(SpeechProblem::NoEngine));
    }

    // The row being edited stays in view, however the user scrolled before.
    void editedRowStaysInView_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("wheelSteps");
        QTest::addColumn<int>("row"); // 0: New Word, then Close
        QTest::addRow("New Word, then Close") << 43 << 0 << 0;
        QTest::addRow("Edit Word after wheel scrolling down") << 300 << 40 << 125;
        QTest::addRow("Edit Word after wheel scrolling up") << 300 << -10 << 100;
    }
    void editedRowStaysInView() {
        QFETCH(int, records);
        QFETCH(int, wheelSteps);
        QFETCH(int, row);
        EditorApp app(records);
        if (wheelSteps < 0) {
            app.grid()->verticalScrollBar()->setValue(120);
            QTest::qWait(1);
        }
        for (int i = 0; i < std::abs(wheelSteps); ++i) {
            const QPointF at = app.grid()->viewport()->rect().center();
            QWheelEvent wheel(at, app.grid()->viewport()->mapToGlobal(at), {},
                              QPoint(0, wheelSteps > 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(app.grid()->viewport(), &wheel);
        }
        if (row == 0) {
            QTest::mouseClick(app.window->cmdAdd, Qt::LeftButton);
            QTest::mouseClick(app.word()->cmdClose, Qt::LeftButton);
            row = records + 1;
        } else {
            QVERIFY(app.rowInView(row)); // the user clicks the row where it is shown
            QTest::mouseClick(app.grid()->viewport(), Qt::LeftButton, {},
                              app.cellRect(row, 0).center());
            QTest::mouseClick(app.window->cmdEdit, Qt::LeftButton);
            QCOMPARE(app.word()->txtWord[2]->text(), QStringLiteral("word%1").arg(row));
        }
        QVERIFY(app.rowInView(row));
    }

    void dictionaryList() {
        EditorApp app(1);
        app.write("VOKABRIX.DCT", encode(numberedRecords(3), true));
        app.write("Mine.DCT", encode(numberedRecords(3)));
        app.write("Empty.dct", QByteArray());
        app.window->listDictionaries();
        QStringList items;
        for (int i = 0; i < app.window->cboDct->count(); ++i)
            items << app.window->cboDct->itemText(i);
        items.sort();
        QCOMPARE(items, (QStringList{"Empty.dct", "Mine.DCT", "own.dct"}));
        app.pick("Empty.dct");
        QCOMPARE(app.store.currentFile, QStringLiteral("Empty.dct"));
        QCOMPARE(app.store.recordCount, 0);
    }

    // own.dct that cannot be opened: the list names no dictionary and nothing can be saved
    // into a nameless file; another dictionary can be opened.
    void ownDictionaryThatCannotBeOpened() {
        QTemporaryDir dir;
        writeFile(dir.filePath("own.dct"), encode(numberedRecords(3), true));
        writeFile(dir.filePath("b.dct"), encode(numberedRecords(2)));
        CollectingReporter reporter;
        EditorStore store;
        frmEdit window(store, ProgramFolder(dir.path()), reporter);
        window.show();
        window.loadOwnDictionary();
        QCOMPARE(reporter.messages,
                 QStringList{"The file own.dct is encrypted or corrupted and cannot be edited."});
        QVERIFY(window.cboDct->currentText().isEmpty());
        QVERIFY(!window.cmdSave->isEnabled());
        QVERIFY(!window.cmdAdd->isEnabled());
        window.switchDictionary(QStringLiteral("missing.dct.d/x"));
        QCOMPARE(reporter.messages.size(),
                 2); // the failed switch, and no reload of a nameless file
        window.switchDictionary(QStringLiteral("b.dct"));
        QCOMPARE(store.currentFile, QStringLiteral("b.dct"));
        QVERIFY(window.cmdSave->isEnabled());
    }

    // The flags at their full size and every caption centred in its header cell.
    void headerCellsAreCentred() {
        EditorApp app(1);
        QHeaderView* header = app.grid()->horizontalHeader();
        const QImage image = header->grab().toImage();
        for (int c = 0; c <= 10; ++c) {
            const QRect section(header->sectionViewportPosition(c), 0, header->sectionSize(c),
                                header->height());
            QRect drawn;
            for (int y = section.top() + 3; y < section.bottom() - 2; ++y)
                for (int x = section.left() + 3; x < section.right() - 2; ++x) {
                    const QColor px = image.pixelColor(x, y);
                    if (px.valueF() < 0.45 || px.saturationF() > 0.4)
                        drawn |= QRect(x, y, 1, 1);
                }
            QVERIFY2(!drawn.isEmpty(), qPrintable(QString::number(c)));
            QVERIFY2(std::abs(drawn.center().x() - section.center().x()) <= 2,
                     qPrintable(QString::number(c)));
            QVERIFY2(drawn.left() - section.left() >= 3 && section.right() - drawn.right() >= 3,
                     qPrintable(QString::number(c)));
            if (c < 10 && c % 2 == 0)
                QVERIFY2(drawn.width() >= 34 && drawn.height() >= 22,
                         qPrintable(QString::number(c)));
        }
    }

    // A message shown while switching comes with the normal pointer.
    void switchMessageHasTheNormalPointer() {
        EditorApp app(2, true);
        QByteArray bad = encode(numberedRecords(3));
        bad[2] = static_cast<char>(0x9b); // the first length reads 31899
        bad[3] = static_cast<char>(0x7c);
        app.write("bad.dct", bad);
        auto seen = std::make_shared<SeenBox>();
        answerNextBox(QMessageBox::Ok, seen);
        app.pick("bad.dct");
        QVERIFY(
            seen->text.startsWith("The following error occured while reading the file bad.dct: "));
        QVERIFY(seen->normalPointer);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(app.store.currentFile, QStringLiteral("own.dct"));
        QCOMPARE(app.store.recordCount, 2);
    }

    void showingARecordIsNoEdit() {
        EditorApp app(3);
        app.clickCell(2, 0);
        QTest::mouseClick(app.window->cmdEdit, Qt::LeftButton);
        QVERIFY(!app.store.changed);
        QCOMPARE(app.word()->txtWord[1]->text(), QStringLiteral("ord2"));
        QVERIFY(app.word()->cmdPrev->isEnabled());
        QTest::mouseClick(app.word()->cmdNext, Qt::LeftButton);
        QVERIFY(!app.word()->cmdNext->isEnabled());
        QCOMPARE(app.window->grid().row, 3);
        QVERIFY(!app.store.changed);
        QTest::keyClick(app.word()->txtWord[1], Qt::Key_X);
        QVERIFY(app.store.changed);
        QTest::mouseClick(app.word()->cmdRestore, Qt::LeftButton);
        QCOMPARE(app.word()->txtWord[1]->text(), QStringLiteral("ord3"));
    }

    void deletingTheOnlyRecord() {
        EditorApp app(1);
        app.clickCell(1, 0);
        QTest::mouseClick(app.window->cmdEdit, Qt::LeftButton);
        QTest::mouseClick(app.word()->cmdDelete, Qt::LeftButton);
        QCOMPARE(app.store.recordCount, 0);
        QVERIFY(app.store.changed);
        QVERIFY(app.word()->txtWord[1]->text().isEmpty());
        QCOMPARE(app.window->model()->rowCount(), 1);
    }

    void newFileNameIsChecked() {
        EditorApp app(2);
        frmNyFil window(app.store, app.window->edit(), app.window.get());
        QStringList shown;
        window.show = [&shown](const QString& m) { shown << m; };
        QTest::keyClicks(window.txtFilnamn, "my words");
        QTest::mouseClick(window.cmdOK, Qt::LeftButton);
        QCOMPARE(shown, QStringList{"Invalid filename. The name may not contain spaces."});
        window.txtFilnamn->setText(QStringLiteral("Animals"));
        QTest::mouseClick(window.cmdOK, Qt::LeftButton);
        QVERIFY(QFile::exists(app.dir.filePath("Animals.DCT")));
        QCOMPARE(app.store.recordCount, 1);
        QCOMPARE(app.window->cboDct->currentText(), QStringLiteral("Animals.DCT"));
    }
};

QTEST_MAIN(TstEditorWindows)
#include "tst_editorwindows.moc"
