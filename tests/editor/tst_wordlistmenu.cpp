// The editor's File menu for word lists of other programs: import appends records as the
// editor's own commands do, the column window for lists without a header, refusals that
// change nothing, and export that the importer reads back.
#include "editor/editorapp.h"
#include "editor/frmcolumns.h"
#include "exchange/kvtml.h"

#include <QStandardPaths>
#include <QTimer>

using namespace vx;
using namespace vx::test;

namespace {

const QByteArray kGermanEnglish =
    "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>"
    "<identifier id=\"0\"><locale>de</locale></identifier>"
    "<identifier id=\"1\"><name>English</name></identifier>"
    "<identifier id=\"2\"><locale>nb</locale><name>Norsk</name></identifier></identifiers>"
    "<entries><entry id=\"0\"><translation id=\"0\"><text>Hund</text></translation>"
    "<translation id=\"1\"><text>dog</text></translation><translation id=\"2\"><text>hund</text>"
    "</translation></entry><entry id=\"1\"><translation id=\"0\"><text>rot</text></translation>"
    "<translation id=\"1\"><text>red</text></translation></entry></entries>"
    "<wordtypes><container><name>Noun</name><specialwordtype>noun/male</specialwordtype>"
    "<entry id=\"0\"><translation id=\"0\"/><translation id=\"1\"/></entry></container>"
    "<container><name>Adjective</name><specialwordtype>adjective</specialwordtype>"
    "<entry id=\"1\"><translation id=\"0\"/></entry></container></wordtypes></kvtml>";

// Picks the languages of the column window as the user does: each list opened by the
// keyboard and moved down to its entry, then OK.
void chooseInColumnWindow(QList<int> choices) {
    QTimer::singleShot(0, [choices] {
        auto* window = qobject_cast<editor::frmColumns*>(QApplication::activeModalWidget());
        if (!window)
            return;
        QVERIFY(!window->cmdOK->isEnabled());
        for (qsizetype c = 0; c < choices.size(); ++c) {
            QComboBox* box = window->cboColumn[c];
            box->setFocus();
            for (int i = 0; i < choices[c]; ++i)
                QTest::keyClick(box, Qt::Key_Down);
        }
        if (choices.isEmpty())
            QTest::mouseClick(window->cmdCancel, Qt::LeftButton);
        else
            QTest::mouseClick(window->cmdOK, Qt::LeftButton);
    });
}

} // namespace

class TstWordListMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void importAppends_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<int>>("columns"); // chosen in the column window
        QTest::addColumn<QStringList>("german"); // of the records added
        QTest::addColumn<QStringList>("english");
        QTest::addColumn<QList<int>>("classes");
        QTest::addColumn<QString>("message");
        QTest::addRow("KVTML")
            << "animals.kvtml" << kGermanEnglish << QList<int>{} << QStringList{"der Hund", "rot"}
            << QStringList{"dog", "red"} << QList<int>{1, 2}
            << "2 words were added from animals.kvtml.\nSkipped: the language \"Norsk\".";
        QTest::addRow("text with a header")
            << "words.csv" << QByteArray("English;Deutsch;Notes\ncat;die Katze;x\n") << QList<int>{}
            << QStringList{"die Katze"} << QStringList{"cat"} << QList<int>{1}
            << "1 word was added from words.csv.\nSkipped: the column \"Notes\".";
        QTest::addRow("text, columns chosen")
            << "words.txt" << QByteArray("Haus\thouse\nBaum\ttree\n") << QList<int>{4, 2}
            << QStringList{"Haus", "Baum"} << QStringList{"house", "tree"} << QList<int>{0, 0}
            << "2 words were added from words.txt.";
    }
    void importAppends() {
        QFETCH(QString, file);
        QFETCH(QByteArray, data);
        QFETCH(QList<int>, columns);
        QFETCH(QStringList, german);
        QFETCH(QStringList, english);
        QFETCH(QList<int>, classes);
        QFETCH(QString, message);
        EditorApp app(3);
        app.write(file, data);
        // A word being typed in the word window is kept, and the window stays on its record.
        app.typeInWordWindow(2, QStringLiteral("X"));
        app.window->chooseImportFile = [&] { return app.dir.filePath(file); };
        if (!columns.isEmpty())
            chooseInColumnWindow(columns);
        app.menu("mnuFileImport");

        QCOMPARE(app.collected.messages, QStringList{message});
        QCOMPARE(app.store.recordCount, 3 + german.size());
        QVERIFY(app.store.changed);
        QCOMPARE(app.store.recordText[2][2], QStringLiteral("word2X"));
        QCOMPARE(app.word()->txtWord[2]->text(), QStringLiteral("word2X"));
        for (qsizetype i = 0; i < german.size(); ++i) {
            const int r = 4 + int(i);
            QCOMPARE(app.store.recordText[r][3], german[i]);
            QCOMPARE(app.store.recordText[r][2], english[i]);
            QCOMPARE(app.store.recordLevel[r][3], 3);
            QCOMPARE(int(app.store.recordClass[r]), classes[i]);
            QCOMPARE(app.window->model()->index(r - 1, 4).data().toString(), german[i]);
        }
        // The view shows the first word added.
        QCOMPARE(app.window->grid().row, 4);
        QVERIFY(app.rowInView(4));
    }

    // Refusals leave the dictionary as it was.
    void importRefused_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("cancelColumns");
        QTest::addColumn<QString>("message"); // its beginning
        QTest::addRow("no room") << 9999 << "animals.kvtml" << kGermanEnglish << false
                                 << "No more words can be added to the dictionary.";
        QTest::addRow("malformed")
            << 3 << "animals.kvtml" << QByteArray(kGermanEnglish).replace("</entries>", "") << false
            << "animals.kvtml, line 1";
        QTest::addRow("no words") << 3 << "empty.txt" << QByteArray("\n\n \n") << false
                                  << "The word list empty.txt holds no words.";
        QTest::addRow("columns cancelled")
            << 3 << "words.txt" << QByteArray("Haus\thouse\n") << true << "";
    }
    void importRefused() {
        QFETCH(int, records);
        QFETCH(QString, file);
        QFETCH(QByteArray, data);
        QFETCH(bool, cancelColumns);
        QFETCH(QString, message);
        EditorApp app(records);
        app.write(file, data);
        app.window->chooseImportFile = [&] { return app.dir.filePath(file); };
        if (cancelColumns)
            chooseInColumnWindow({});
        app.menu("mnuFileImport");
        if (message.isEmpty()) {
            QVERIFY(app.collected.messages.isEmpty());
        } else {
            QCOMPARE(app.collected.messages.size(), 1);
            QVERIFY2(app.collected.messages[0].startsWith(message),
                     qPrintable(app.collected.messages[0]));
        }
        QCOMPARE(app.store.recordCount, records);
        QVERIFY(!app.store.changed);
        QCOMPARE(app.window->model()->rowCount(), records);
    }

    // What the editor exports, its importer reads back as the store holds it; the store
    // itself is not changed by it.
    void exportReadsBack_data() {
        QTest::addColumn<bool>("kvtml");
        QTest::addRow("KVTML") << true;
        QTest::addRow("text") << false;
    }
    void exportReadsBack() {
        QFETCH(bool, kvtml);
        EditorApp app(12);
        app.window->chooseExportFile = [&] {
            return editor::ExportChoice{app.dir.filePath("out"), kvtml};
        };
        app.menu("mnuFileExport");
        QCOMPARE(app.collected.messages, QStringList{"12 words were written to out."});
        QVERIFY(!app.store.changed);
        const QByteArray data = readFile(app.dir.filePath("out"));
        exchange::ImportResult result;
        QString error;
        const exchange::TextList list = exchange::readTextList(data);
        QVERIFY2(kvtml ? exchange::readKvtml(data, "out", result, error)
                       : exchange::textRecords(list, list.header, "out", result, error),
                 qPrintable(error));
        QCOMPARE(result.records, app.records());
    }
};

QTEST_MAIN(TstWordListMenu)
#include "tst_wordlistmenu.moc"
