// The editor's windows driven as a teacher uses them, the clipboard and message boxes real.
#include "editor/editorapp.h"
#include "editor/frmcolumns.h"
#include "keyboard/keyboarddriver.h"

#include <QDir>
#include <QHeaderView>
#include <QStandardPaths>

using namespace vx;
using namespace vx::test;

namespace {

// Picks the languages of the column window as the user does: each list opened by the
// keyboard and moved down to its entry, then OK; Cancel for a choice below 0.
void chooseInColumnWindow(const QStringList& choices) {
    QTimer::singleShot(0, [choices] {
        auto* window = qobject_cast<editor::frmColumns*>(QApplication::activeModalWidget());
        QVERIFY(window && !window->cmdOK->isEnabled());
        for (qsizetype c = 0; c < choices.size(); ++c) {
            window->cboColumn[c]->setFocus();
            for (int i = 0; i < choices[c].toInt(); ++i)
                QTest::keyClick(window->cboColumn[c], Qt::Key_Down);
        }
        QTest::mouseClick(choices[0].toInt() < 0 ? window->cmdCancel : window->cmdOK,
                          Qt::LeftButton);
    });
}

} // namespace

class TstEditorWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Copy, then Paste five rows further down: the cells come back exactly, from every
    // kind of column and with every line end a clip may have; nothing else changes.
    void copyPasteRoundTrip_data() {
        QTest::addColumn<QList<int>>("rect"); // top, left, bottom, right
        QTest::addColumn<QString>("lineEnd");
        for (const QList<int>& rect :
             {QList<int>{2, 1, 4, 1}, {2, 10, 5, 10}, {1, 0, 3, 10}, {2, 3, 5, 6}, {4, 5, 4, 5}})
            for (const char* end : {"\r\n", "\n", "\r"})
                QTest::addRow("%d,%d-%d,%d %s", rect[0], rect[1], rect[2], rect[3],
                              QByteArray(end).toPercentEncoding().constData())
                    << rect << QString(end);
    }
    void copyPasteRoundTrip() {
        QFETCH(QList<int>, rect);
        QFETCH(QString, lineEnd);
        EditorApp app(12);
        app.run(QString::asprintf("cell %d %d|shift %d %d", rect[0], rect[1], rect[2], rect[3]));
        QTest::keyClick(app.grid(), Qt::Key_C, Qt::ControlModifier);
        QString clip = QGuiApplication::clipboard()->text();
        QVERIFY(clip.endsWith("\r\n"));
        QGuiApplication::clipboard()->setText(clip.replace("\r\n", "\r").replace("\r", lineEnd));
        std::vector<GridState::Row> expected = app.window->grid().cells;
        for (int r = rect[0]; r <= rect[2]; ++r)
            for (int c = rect[1]; c <= rect[3]; ++c)
                expected[size_t(r + 5)][size_t(c)] = expected[size_t(r)][size_t(c)];
        // The first target row is selected across the copied columns; the paste takes as
        // many rows as the clip has.
        app.run(QString::asprintf("cell %d %d|shift %d %d", rect[0] + 5, rect[1], rect[0] + 5,
                                  rect[3]));
        QTest::keyClick(app.grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(app.store.recordCount, 12);
        QCOMPARE(app.window->grid().cells, expected);
        QVERIFY(app.store.changed);
    }

    // The word window on record 4 of 6, a word typed into it or not, then a way on: the
    // window follows the store or closes; a way that replaces the dictionary or quits asks
    // first and goes on only after an answer that loses nothing; nothing is lost or written
    // twice, and closing the window afterwards writes nothing that was not typed.
    void wordWindowPaths_data() { addTableRows(VOKABRIX_TEST_DIR "/wordwindow.tsv"); }
    void wordWindowPaths() {
        QFETCH(QStringList, c);
        const QString script = c[0], file = c[2];
        const int count = c[3].toInt();
        const auto outcome = [&](const char* what) { return c.value(4).contains(what); };
        EditorApp app(6);
        app.write("long.dct", encode(numberedRecords(8, 100)));
        app.write("short.dct", encode(numberedRecords(2, 200)));
        if (outcome("fails"))
            QVERIFY(QDir(app.dir.path()).mkdir("OWN.BAK")); // the backup cannot be written
        const QByteArray own = app.file("own.dct");
        app.run("cell 4 0|click cmdEdit|" + script);
        QCOMPARE(app.seen->count, c.value(5).isEmpty() ? 0 : 1);
        QCOMPARE(app.seen->text, c.value(5));
        QCOMPARE(app.quits, outcome("quit") ? 1 : 0);
        QCOMPARE(app.store.currentFile, file);
        QCOMPARE(app.window->cboDct->currentText(), file);
        QCOMPARE(QFile::exists(app.dir.filePath("Neu.DCT")), file == "Neu.DCT");
        std::vector<WordRecord> typed = variedRecords(6);
        typed[3].text[1] += "X";
        QCOMPARE(app.file("own.dct"), outcome("saved") ? encode(typed) : own);
        if (script.startsWith("type X") && file == "own.dct") // the typed word is kept
            QCOMPARE(app.store.recordText[4][2], QStringLiteral("word4X"));
        QCOMPARE(app.collected.messages.size(), outcome("fails") ? 1 : 0);
        QCOMPARE(app.store.recordCount, count);
        for (int r = 1; r <= count; ++r) // the grid shows the store
            QCOMPARE(app.window->grid().cells[size_t(r)][2], app.store.recordText[r][2]);
        const std::vector<WordRecord> before = app.records();
        QCOMPARE(app.wordShown() ? app.word()->txtWord[2]->text() : "-", c[1]);
        if (app.wordShown())
            app.click(app.word()->cmdClose);
        QCOMPARE(app.records(), before);
        QVERIFY(app.store.recordText[count + 1][2].isEmpty());
        QCOMPARE(app.store.changed, outcome("changed"));
    }

    // A click that arrives while a dictionary loads or a paste runs finds the work done.
    void clicksDuringLongWork_data() {
        QTest::addColumn<bool>("paste"); // else a switch to a full dictionary
        QTest::addColumn<QString>("button");
        for (const char* button : {"cmdSave", "cmdAdd", "cmdExit"})
            for (bool paste : {false, true})
                QTest::addRow("%s, %s", paste ? "paste" : "switch", button) << paste << button;
    }
    void clicksDuringLongWork() {
        QFETCH(bool, paste);
        QFETCH(QString, button);
        EditorApp app(3);
        app.write("big.dct", encode(numberedRecords(kEditorCapacity)));
        const QByteArray own = app.file("own.dct"), big = app.file("big.dct");
        QGuiApplication::clipboard()->setText(QStringLiteral("w\t2\n").repeated(3000));
        QString whenClicked; // the file open and the records it held
        QTimer::singleShot(0, [&] {
            whenClicked = app.store.currentFile + u' ' + QString::number(app.store.recordCount);
            if (auto* b = app.window->findChild<QPushButton*>(button); b->isEnabled())
                app.click(b);
        });
        answerNextBox(QMessageBox::No, std::make_shared<SeenBox>()); // Exit's question
        app.run(paste ? "cell 1 0|menu mnuEditPaste" : "pick big.dct");
        QTRY_VERIFY(!whenClicked.isEmpty());
        QCOMPARE(whenClicked,
                 paste ? "own.dct 3000" : "big.dct " + QString::number(kEditorCapacity));
        QCOMPARE(app.file("own.dct"), button == "cmdSave" && paste ? encode(app.records()) : own);
        QCOMPARE(app.file("big.dct"), big);
        QCOMPARE(app.quits, button == "cmdExit" ? 1 : 0);
    }

    // Every box of the word window: the keyboard opens from it and types into it; the speaker
    // beside a text says it in that language's voice, as the exercises will say it, and is
    // disabled without speech.
    void wordWindowBoxes_data() { addTableRows(VOKABRIX_TEST_DIR "/wordboxes.tsv"); }
    void wordWindowBoxes() {
        QFETCH(QStringList, c); // box, keyboard opening, text, what is said
        const int box = c[0].toInt();
        EditorApp app(2);
        app.run("cell 1 0|click cmdEdit");
        QVERIFY(QTest::qWaitForWindowExposed(app.word()));
        QLineEdit* edit = box <= 5 ? app.word()->txtWord[box] : app.word()->txtDiffi[box - 5];
        edit->setCursorPosition(0);
        const QString before = edit->text();
        QVERIFY(typeWithKeyboard(app.word(), edit,
                                 c[1] == "F4" ? KeyboardOpening::F4 : KeyboardOpening::Picture,
                                 app.word()->findChild<QWidget*>("imgKeyboard"), 5));
        QTRY_COMPARE(edit->text(), QStringLiteral("ö") + before);
        QVERIFY(app.store.changed);
        if (box > 5)
            return;
        edit->setText(c[2]);
        app.click(app.word()->cmdSpeak[box]);
        QCOMPARE(app.speaker.said.size(), size_t(1));
        QCOMPARE(app.speaker.said[0].text + " @" + app.speaker.said[0].locale, c[3]);
        app.speaker.report(SpeechProblem::NoEngine);
        QVERIFY(!app.word()->cmdSpeak[box]->isEnabled());
        QCOMPARE(app.word()->cmdSpeak[box]->toolTip(), englishReason(SpeechProblem::NoEngine));
    }

    // The row being edited stays in view, however the user scrolled before.
    void editedRowStaysInView_data() { addTableRows(VOKABRIX_TEST_DIR "/rowsinview.tsv"); }
    void editedRowStaysInView() {
        QFETCH(QStringList, c); // records, steps, row
        const int row = c[2].toInt();
        EditorApp app(c[0].toInt());
        app.run(c[1]);
        QCOMPARE(app.word()->txtWord[2]->text(),
                 row > c[0].toInt() ? "" : QStringLiteral("word%1").arg(row));
        QVERIFY(app.rowInView(row));
    }

    // The list holds the plain dictionaries, an empty file among them; own.dct that cannot
    // be opened leaves the list naming none and nothing to save into a nameless file. A
    // message shown while switching comes with the normal pointer.
    void dictionaryList() {
        auto seen = std::make_shared<SeenBox>();
        answerNextBox(QMessageBox::Ok, seen);
        EditorApp app(encode(numberedRecords(3), true), true);
        app.write("Mine.DCT", encode(numberedRecords(3)));
        app.write("Empty.dct", QByteArray());
        app.write("bad.dct", encode(numberedRecords(3)).replace(2, 2, "\x9b\x7c")); // length -1
        QCOMPARE(seen->text, "The file own.dct is encrypted or corrupted and cannot be edited.");
        QVERIFY(app.window->cboDct->currentText().isEmpty() && !app.window->cmdSave->isEnabled() &&
                !app.window->cmdAdd->isEnabled());
        answerNextBox(QMessageBox::Ok, seen);
        app.window->switchDictionary("missing.dct.d/x");
        QCOMPARE(seen->count, 2); // and no reload of a nameless file
        app.pick("Empty.dct");
        QCOMPARE(app.window->cboDct->count(), 3);
        QVERIFY(app.window->cboDct->findText("Mine.DCT") >= 0);
        QCOMPARE(app.store.currentFile, QStringLiteral("Empty.dct"));
        QCOMPARE(app.store.recordCount, 0);
        QVERIFY(app.window->cmdSave->isEnabled());
        answerNextBox(QMessageBox::Ok, seen);
        app.pick("bad.dct");
        QVERIFY(
            seen->text.startsWith("The following error occured while reading the file bad.dct"));
        QVERIFY(seen->normalPointer && !QApplication::overrideCursor());
        QCOMPARE(app.store.currentFile, QStringLiteral("Empty.dct"));
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
                for (int x = section.left() + 3; x < section.right() - 2; ++x)
                    if (image.pixelColor(x, y).valueF() < 0.45 ||
                        image.pixelColor(x, y).saturationF() > 0.4)
                        drawn |= QRect(x, y, 1, 1);
            const bool flag = c < 10 && c % 2 == 0;
            QVERIFY2(!drawn.isEmpty() && std::abs(drawn.center().x() - section.center().x()) <= 2 &&
                         (!flag || (drawn.width() >= 34 && drawn.height() >= 22)),
                     qPrintable(QString::number(c)));
        }
    }

    // Import appends records as the editor's own commands do, keeping a word being typed in
    // the word window; a refusal changes nothing. A list the editor exported (no data given)
    // reads back as the store held it.
    void wordLists_data() { addTableRows(VOKABRIX_TEST_DIR "/wordlists.tsv"); }
    void wordLists() {
        QFETCH(QStringList, c);
        const int records = c[0].toInt();
        const QString file = c[1], message = c[5];
        std::vector<WordRecord> added =
            c[4] == "exported" ? variedRecords(records) : decltype(added){};
        for (const QString& w :
             added.empty() ? c[4].split(u',', Qt::SkipEmptyParts) : QStringList())
            added.push_back(record("", w.section(u'/', 0, 0), w.section(u'/', 1, 1), "", "", 3,
                                   w.section(u'/', 2).toInt()));
        const QByteArray data =
            c[2].startsWith(u'@') ? readFile(VOKABRIX_TEST_DIR "/" + c[2].mid(1)) : c[2].toUtf8();
        EditorApp app(records);
        app.window->chooseExportFile = [&] {
            return ExportChoice{app.dir.filePath(file), file.endsWith(".kvtml")};
        };
        app.window->chooseImportFile = [&] { return app.dir.filePath(file); };
        if (data.isEmpty())
            app.run("menu mnuFileExport");
        else
            app.write(file, data);
        QVERIFY(!app.store.changed);
        // A word being typed in the word window is kept, and the window stays on its record.
        const QString typed = added.empty() ? "" : "X";
        app.run("cell 2 0|click cmdEdit|type " + typed);
        if (!c[3].isEmpty())
            chooseInColumnWindow(c[3].split(u' '));
        app.run("menu mnuFileImport");
        QCOMPARE(app.collected.messages.size(), message.isEmpty() ? 0 : data.isEmpty() ? 2 : 1);
        QCOMPARE(app.collected.messages.join(u'\n').left(message.size()), message);
        std::vector<WordRecord> expected = variedRecords(records);
        expected[1].text[1] += typed;
        expected.insert(expected.end(), added.begin(), added.end());
        QCOMPARE(app.records(), expected);
        QCOMPARE(app.store.changed, !added.empty());
        QCOMPARE(app.window->model()->rowCount(), int(expected.size()));
        QCOMPARE(app.word()->txtWord[2]->text(), "word2" + typed);
        // The view shows the first word added.
        QVERIFY(added.empty() ||
                (app.window->grid().row == records + 1 && app.rowInView(records + 1)));
    }
};

QTEST_MAIN(TstEditorWindows)
#include "tst_editorwindows.moc"
