// The editor's windows: the word window's buttons, the new-file window, switching
// dictionaries with the save question, and the grid's header.
#include "editor/frmedit.h"
#include "editor/frmnyfil.h"
#include "editor/frmword.h"
#include "keyboard/keyboarddriver.h"
#include "words/dictbuilder.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::editor;
using namespace vx::test;

Q_DECLARE_METATYPE(vx::test::KeyboardOpening)

namespace {

struct EditorApp {
    QTemporaryDir dir;
    CollectingReporter reporter;
    EditorStore store;
    std::unique_ptr<frmEdit> window;
    int quits = 0;

    explicit EditorApp(int records) {
        writeFile(dir.filePath("own.dct"), encode(numberedRecords(records)));
        window = std::make_unique<frmEdit>(store, ProgramFolder(dir.path()), reporter);
        window->quit = [this] { ++quits; };
        window->show();
        window->loadOwnDictionary();
    }
    frmWord* word() { return window->wordWindow(); }
    void showRecord(int r) { window->ShowRecord(r); }
};

} // namespace

class TstEditorWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void headerAndEmptyDictionary() {
        EditorApp app(0);
        QCOMPARE(app.window->model()->rowCount(), 1); // one empty row that is no record
        for (int c = 1; c < 10; c += 2)
            QCOMPARE(app.window->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Diff"));
        QCOMPARE(app.window->model()->headerData(10, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Word cl."));
        QVERIFY(!app.window->model()->headerData(0, Qt::Horizontal, Qt::DecorationRole).value<QPixmap>().isNull());
    }

    void showingARecordIsNoEdit() {
        EditorApp app(3);
        app.showRecord(2);
        QVERIFY(!app.store.changed);
        QCOMPARE(app.word()->txtWord[1]->text(), QStringLiteral("ord2"));
        QCOMPARE(app.word()->txtDiffi[1]->text(), QStringLiteral("3"));
        QTest::keyClick(app.word()->txtWord[1], Qt::Key_X);
        QVERIFY(app.store.changed);
    }

    void prevAndNextAtTheEnds() {
        EditorApp app(3);
        app.showRecord(1);
        QVERIFY(!app.word()->cmdPrev->isEnabled());
        QVERIFY(app.word()->cmdNext->isEnabled());
        app.word()->cmdNext->click();
        app.word()->cmdNext->click();
        QCOMPARE(app.store.currentWord, 3);
        QVERIFY(!app.word()->cmdNext->isEnabled());
        QVERIFY(app.word()->cmdPrev->isEnabled());
        QCOMPARE(app.window->grid().row, 3);
    }

    void updateStoresAndRestoreDropsTyping() {
        EditorApp app(3);
        app.window->SelectRow(2);
        app.showRecord(2);
        app.word()->txtWord[3]->setText(QStringLiteral("der Hund"));
        app.word()->txtDiffi[3]->setText(QStringLiteral("4.5"));
        app.word()->cmdUpdate->click();
        QCOMPARE(app.store.recordText[2][3], QStringLiteral("der Hund"));
        QCOMPARE(app.store.recordLevel[2][3], qint16(4));
        QCOMPARE(app.window->grid().cells[2][4], QStringLiteral("der Hund"));
        app.word()->txtWord[3]->setText(QStringLiteral("typed"));
        app.word()->cmdRestore->click();
        QCOMPARE(app.word()->txtWord[3]->text(), QStringLiteral("der Hund"));
    }

    void deletingTheOnlyRecord() {
        EditorApp app(1);
        app.showRecord(1);
        app.word()->cmdDelete->click();
        QCOMPARE(app.store.recordCount, 0);
        QVERIFY(app.store.changed);
        QCOMPARE(app.store.currentWord, 1);
        QVERIFY(app.word()->txtWord[1]->text().isEmpty());
        QCOMPARE(app.window->model()->rowCount(), 1);
    }

    void newWordAndClose() {
        EditorApp app(2);
        app.showRecord(2);
        app.word()->cmdNew->click();
        QCOMPARE(app.store.recordCount, 3);
        QCOMPARE(app.store.currentWord, 3);
        QCOMPARE(app.store.recordClass[3], qint16(1));
        app.word()->txtWord[1]->setText(QStringLiteral("en katt"));
        app.word()->cmdClose->click();
        QVERIFY(!app.word()->isVisible());
        QCOMPARE(app.store.recordText[3][1], QStringLiteral("en katt"));
        QCOMPARE(app.store.recordLevel[3][1], qint16(3));
    }

    void newFileWindow() {
        EditorApp app(2);
        app.store.changed = true;
        frmNyFil window(app.store, app.window->edit(), app.window.get());
        QStringList shown;
        window.show = [&shown](const QString& m) { shown << m; };
        window.txtFilnamn->setText(QStringLiteral("my words"));
        window.ok();
        QCOMPARE(shown, QStringList{"Invalid filename. The name may not contain spaces."});
        window.txtFilnamn->setText(QStringLiteral("Animals"));
        window.ok();
        QVERIFY(QFile::exists(app.dir.filePath("Animals.DCT")));
        QCOMPARE(app.store.currentFile, QStringLiteral("Animals.DCT"));
        QCOMPARE(app.store.recordCount, 1);
        QCOMPARE(app.store.recordClass[1], qint16(1));
        QCOMPARE(app.window->cboDct->currentText(), QStringLiteral("Animals.DCT"));
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void switchingAsksInSwedish() {
        EditorApp app(2);
        writeFile(app.dir.filePath("b.dct"), encode(numberedRecords(5)));
        app.window->listDictionaries();
        app.store.changed = true;
        QString asked;
        app.window->ask = [&asked](const QString& title, const QString& text) {
            asked = title + '|' + text;
            return Answer::Cancel;
        };
        app.window->switchDictionary(QStringLiteral("b.dct"));
        QCOMPARE(asked, QStringLiteral("Ny fil|Vill du spara dina ändringar?"));
        QCOMPARE(app.store.recordCount, 2); // Cancel keeps the dictionary and its changes
        QVERIFY(app.store.changed);
        app.window->ask = [](const QString&, const QString&) { return Answer::No; };
        app.window->switchDictionary(QStringLiteral("b.dct"));
        QCOMPARE(app.store.recordCount, 5);
        QCOMPARE(app.store.currentFile, QStringLiteral("b.dct"));
        // An enciphered file is refused and the previous dictionary comes back.
        writeFile(app.dir.filePath("VOKABRIX.DCT"), encode(numberedRecords(3), true));
        app.window->switchDictionary(QStringLiteral("VOKABRIX.DCT"));
        QCOMPARE(app.store.currentFile, QStringLiteral("b.dct"));
        QCOMPARE(app.store.recordCount, 5);
        QCOMPARE(app.window->cboDct->currentText(), QStringLiteral("b.dct"));
    }

    void plainDictionariesOnlyAreListed() {
        EditorApp app(1);
        writeFile(app.dir.filePath("VOKABRIX.DCT"), encode(numberedRecords(3), true));
        writeFile(app.dir.filePath("Mine.DCT"), encode(numberedRecords(3)));
        app.window->listDictionaries();
        QStringList items;
        for (int i = 0; i < app.window->cboDct->count(); ++i)
            items << app.window->cboDct->itemText(i);
        items.sort();
        QCOMPARE(items, (QStringList{"Mine.DCT", "own.dct"}));
    }

    void exitAsksAboutChanges() {
        EditorApp app(1);
        app.store.changed = true;
        app.window->ask = [](const QString&, const QString&) { return Answer::Cancel; };
        app.window->close();
        QVERIFY(app.window->isVisible());
        QCOMPARE(app.quits, 0);
        app.window->ask = [](const QString&, const QString&) { return Answer::No; };
        app.window->close();
        QCOMPARE(app.quits, 1);
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
        app.showRecord(1);
        frmWord* w = app.word();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QLineEdit* edit = box <= 5 ? w->txtWord[box] : w->txtDiffi[box - 5];
        edit->setCursorPosition(0);
        const QString before = edit->text();
        QVERIFY(typeWithKeyboard(w, edit, how, w->findChild<QWidget*>("imgKeyboard"), 5));
        QTRY_COMPARE(edit->text(), QStringLiteral("ö") + before);
        QVERIFY(app.store.changed);
    }

    void failedSaveKeepsTheChangesMarked() {
        EditorApp app(1);
        app.store.recordText[1][1] = QString(900, u'x');
        app.store.changed = true;
        app.window->save();
        QVERIFY(app.store.changed);
        QCOMPARE(app.reporter.messages.size(), 1);
    }
};

QTEST_MAIN(TstEditorWindows)
#include "tst_editorwindows.moc"
