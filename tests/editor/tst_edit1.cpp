// The editor's store without windows: loading and its failures, saving with the backup,
// the grid's level rules, the clipboard's row arithmetic, the word window's fields and
// the new file's name.
#include "editor/edit1.h"
#include "words/dictbuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

struct Editor {
    QTemporaryDir dir;
    EditorStore store;
    GridState grid;
    CollectingReporter reporter;
    Edit1 edit{store, grid, ProgramFolder(dir.path()), EditorHooks{&reporter, {}, {}, {}, {}}};

    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& data) const {
        writeFile(dir.filePath(name), data);
    }
    bool load(const QString& name) {
        edit.ClearStore();
        const bool ok = edit.LoadDictionary(name);
        if (ok)
            edit.FillGrid();
        return ok;
    }
    // A dictionary of n numbered records, loaded and shown.
    void withRecords(int n) {
        write("d.dct", encode(numberedRecords(n)));
        QVERIFY(load("d.dct"));
    }
    void select(int row, int col, int rowSel, int colSel) {
        grid.row = row;
        grid.col = col;
        grid.rowSel = rowSel;
        grid.colSel = colSel;
    }
};

} // namespace

class TstEdit1 : public QObject {
    Q_OBJECT
private slots:
    void encipheredFileIsRefused() {
        Editor e;
        e.withRecords(2);
        e.write("VOKABRIX.DCT", encode(numberedRecords(3), true));
        QVERIFY(!e.edit.LoadDictionary("VOKABRIX.DCT"));
        QCOMPARE(e.reporter.messages.last(),
                 QStringLiteral(
                     "The file VOKABRIX.DCT is encrypted or corrupted and cannot be edited."));
        QCOMPARE(e.store.recordCount, 2);
        QCOMPARE(e.store.currentFile, QStringLiteral("d.dct"));
    }

    void badSpareKeepsTheRecordsBefore() {
        Editor e;
        QByteArray data = encode(numberedRecords(6));
        // Record 5, language 3: find its spare by encoding the records before it.
        std::vector<WordRecord> before = numberedRecords(4);
        qsizetype offset = encode(before).size();
        const WordRecord fifth = numberedRecords(5)[4];
        for (int l = 0; l < 3; ++l)
            offset += 2 + fifth.text[l].size() + 2 + (l < 2 ? 2 : 0);
        QCOMPARE(data.mid(offset, 2), QByteArray("  "));
        data[offset] = 'x';
        e.write("bad.dct", data);
        QVERIFY(e.load("bad.dct"));
        QCOMPARE(e.store.recordCount, 4);
        QCOMPARE(e.reporter.messages, QStringList{"The dictionary file bad.dct is corrupted."});
        QCOMPARE(e.store.currentFile, QStringLiteral("bad.dct"));
        QVERIFY(e.edit.AddRecord());
        for (int l = 1; l <= 5; ++l)
            QVERIFY(e.store.recordText[5][l].isEmpty());
    }

    // A stored number below what the store's 16 bits hold refuses the file like a bad length.
    void numbersBeyondTheStoreAreReadErrors_data() {
        QTest::addColumn<int>("field"); // 0..4 a language's level, 5 the word class
        QTest::addRow("a level") << 2;
        QTest::addRow("the word class") << 5;
    }
    void numbersBeyondTheStoreAreReadErrors() {
        QFETCH(int, field);
        Editor e;
        e.withRecords(1);
        // Record 2 of 3, each text 4 to 8 bytes: find the field by walking the record.
        QByteArray data = encode(numberedRecords(3));
        qsizetype at = encode(numberedRecords(1)).size();
        const WordRecord second = numberedRecords(2)[1];
        for (int l = 0; l < field; ++l)
            at += 2 + QByteArray(second.text[l].toLatin1()).size() + 2 + 2;
        if (field < 5)
            at += 2 + second.text[field].size();
        data[at] = static_cast<char>(0x63); // 0x8063: -32669 stored, -64569 less 31900
        data[at + 1] = static_cast<char>(0x80);
        e.write("low.dct", data);
        e.edit.ClearStore();
        QVERIFY(!e.edit.LoadDictionary("low.dct"));
        QVERIFY(e.reporter.messages.last().startsWith(
            "The following error occured while reading the file low.dct: "));
        QVERIFY(e.reporter.messages.last().endsWith("out of range."));
        QCOMPARE(e.store.recordCount, 1);
        QCOMPARE(e.store.currentFile, QStringLiteral("d.dct"));
    }

    // A backup that cannot be written stops the save before the dictionary is replaced.
    void saveStopsWhenTheBackupFails() {
        Editor e;
        e.withRecords(2);
        QVERIFY(QDir(e.dir.path()).mkdir("OWN.BAK"));
        e.store.recordText[1][1] = "new";
        QVERIFY(!e.edit.SaveDictionary("d.dct"));
        QCOMPARE(readFile(e.path("d.dct")), encode(numberedRecords(2)));
        QVERIFY(
            e.reporter.messages.last().startsWith("The following error occurred when attempting to "
                                                  "save the file d.dct: the backup OWN.BAK"));
        QCOMPARE(QDir(e.dir.path()).entryList(QDir::Files), (QStringList{"d.dct"}));
    }

    // Reading the grid back after a paste leaves the records that were not pasted over as
    // they are, also levels that a cell cannot show (none beside a word, or above 5).
    void untouchedRowsKeepTheirLevels() {
        Editor e;
        e.withRecords(3);
        e.store.recordLevel[1][2] = 0;
        e.store.recordLevel[2][2] = 7;
        e.edit.FillGrid();
        e.select(3, 0, 3, 0);
        QVERIFY(e.edit.Paste("pasted\r\n"));
        QCOMPARE(e.store.recordText[3][1], QStringLiteral("pasted"));
        QCOMPARE(e.store.recordLevel[1][2], qint16(0));
        QCOMPARE(e.store.recordLevel[2][2], qint16(7));
    }

    void cutShortAndDamagedFiles() {
        Editor e;
        const QByteArray three = encode(numberedRecords(3));
        e.write("cut.dct", three.left(three.size() - 3));
        QVERIFY(e.load("cut.dct"));
        QCOMPARE(e.store.recordCount, 2);
        QVERIFY(e.reporter.messages.isEmpty());
        QByteArray bad = three;
        const qsizetype second = encode(numberedRecords(1)).size();
        bad[second] = static_cast<char>(0x9b); // length 31899
        bad[second + 1] = static_cast<char>(0x7c);
        e.write("bad.dct", bad);
        e.edit.ClearStore();
        QVERIFY(!e.edit.LoadDictionary("bad.dct"));
        QCOMPARE(e.store.recordCount, 1);
        QCOMPARE(e.store.currentFile, QStringLiteral("cut.dct"));
        QVERIFY(e.reporter.messages.last().startsWith(
            "The following error occured while reading the file bad.dct: "));
    }

    void capacity_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("loaded");
        QTest::addRow("10000") << 10000 << 10000;
        QTest::addRow("10001") << 10001 << 10000;
        QTest::addRow("only the header") << 0 << 0;
    }
    void capacity() {
        QFETCH(int, records);
        QFETCH(int, loaded);
        Editor e;
        e.write("big.dct", encode(numberedRecords(records)));
        QVERIFY(e.load("big.dct"));
        QCOMPARE(e.store.recordCount, loaded);
        QCOMPARE(e.grid.rows(), loaded == 0 ? 2 : loaded + 1);
    }

    void missingFileIsCreatedEmpty() {
        Editor e;
        QVERIFY(e.load("own.dct"));
        QVERIFY(QFile::exists(e.path("own.dct")));
        QCOMPARE(e.store.recordCount, 0);
        QCOMPARE(e.grid.rows(), 2);
    }

    void saveWritesEveryEntry() {
        Editor e;
        e.store.currentFile = "a.dct";
        e.store.recordCount = 2;
        e.store.recordText[2][3] = "Hund";
        e.store.recordLevel[2][3] = 2;
        e.store.recordClass[2] = 1;
        QVERIFY(e.edit.SaveDictionary("a.dct"));
        const QByteArray data = readFile(e.path("a.dct"));
        QCOMPARE(data.left(2), QByteArray("\0\0", 2));
        // The empty first record: five entries of length 31900, level 31900 and two blanks.
        QByteArray empty;
        for (int l = 0; l < 5; ++l)
            empty += QByteArray("\x9c\x7c\x9c\x7c  ", 6);
        QCOMPARE(data.mid(2, 30), empty);
        std::vector<WordRecord> back;
        bool enciphered = true;
        QString error;
        QVERIFY(decodeDictionary(data, back, enciphered, error));
        QCOMPARE(back.size(), size_t(2));
        QCOMPARE(back[1].text[2], QStringLiteral("Hund"));
        QCOMPARE(back[1].wordClass, 1);
        QVERIFY(!enciphered);
    }

    void backupHoldsThePreviousVersionOfTheFileSavedLast() {
        Editor e;
        e.write("a.dct", encode(numberedRecords(1, 100)));
        e.write("b.dct", encode(numberedRecords(1, 200)));
        QVERIFY(e.load("a.dct"));
        QVERIFY(e.edit.SaveDictionary("a.dct"));
        QCOMPARE(readFile(e.path("OWN.BAK")), encode(numberedRecords(1, 100)));
        QVERIFY(e.load("b.dct"));
        e.store.recordText[1][1] = "changed";
        QVERIFY(e.edit.SaveDictionary("b.dct"));
        QCOMPARE(readFile(e.path("OWN.BAK")), encode(numberedRecords(1, 200)));
    }

    void refusedSaveLeavesBothFiles_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("reason");
        QTest::addRow("868 characters")
            << QString(868, u'x') << 3
            << "Record 2, German: the text is longer than 867 characters.";
        QTest::addRow("not in the code page")
            << QStringLiteral("Ł") << 3 << "Record 2, German: the character \"Ł\" cannot be stored";
        QTest::addRow("level too big")
            << QStringLiteral("ok") << 868 << "Record 2, German: the level 868 cannot be stored.";
    }
    void refusedSaveLeavesBothFiles() {
        QFETCH(QString, text);
        QFETCH(int, level);
        QFETCH(QString, reason);
        Editor e;
        e.write("a.dct", encode(numberedRecords(2)));
        e.write("OWN.BAK", "old backup");
        QVERIFY(e.load("a.dct"));
        e.store.recordText[2][3] = text;
        e.store.recordLevel[2][3] = static_cast<qint16>(level);
        QVERIFY(!e.edit.SaveDictionary("a.dct"));
        QCOMPARE(readFile(e.path("a.dct")), encode(numberedRecords(2)));
        QCOMPARE(readFile(e.path("OWN.BAK")), QByteArray("old backup"));
        QVERIFY2(
            e.reporter.messages.last().startsWith(
                "The following error occurred when attempting to save the file a.dct: " + reason),
            qPrintable(e.reporter.messages.last()));
    }

    void failureWhileWritingKeepsThePreviousFile() {
        Editor e;
        e.write("a.dct", encode(numberedRecords(2)));
        QVERIFY(e.load("a.dct"));
        e.store.recordText[1][1] = "new";
        e.edit.writeFilter = [](QByteArray&) { return false; };
        QVERIFY(!e.edit.SaveDictionary("a.dct"));
        QCOMPARE(readFile(e.path("a.dct")), encode(numberedRecords(2)));
        QVERIFY(!QFile::exists(e.path("OWN.BAK")));
    }

    void copyClip() {
        Editor e;
        e.withRecords(5);
        e.select(4, 0, 4, 10);
        const QString clip = e.grid.clip();
        QCOMPARE(clip.count(u'\t'), 10);
        QVERIFY(!clip.contains(u'\r'));
        e.select(2, 0, 3, 1);
        QCOMPARE(e.grid.clip(), QStringLiteral("ord2\t3\rord3\t3"));
    }

    void paste_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QList<int>>("selection"); // row, col, rowSel, colSel
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("checkRow");
        QTest::addColumn<QString>("checkWord"); // Swedish text of checkRow
        const QString line = "a\t1\tb\t2\tc\t3\td\t4\te\t5\t2\r\n";
        QTest::addRow("row 7, column 0 only")
            << 10 << QList<int>{7, 0, 7, 0} << line << 10 << 7 << "a";
        QTest::addRow("two lines on row 10")
            << 10 << QList<int>{10, 0, 10, 10} << line + line << 11 << 11 << "a";
        QTest::addRow("as many lines as records")
            << 3 << QList<int>{1, 0, 1, 10} << line + line + line << 3 << 3 << "a";
        QTest::addRow("three lines into an empty dictionary")
            << 0 << QList<int>{1, 0, 1, 10} << line + line + line << 3 << 3 << "a";
        QTest::addRow("spreadsheet lines end in LF") << 0 << QList<int>{1, 0, 1, 10}
                                                     << "x\t1\n"
                                                        "y\t2\n"
                                                     << 2 << 2 << "y";
        QTest::addRow("a single cell without line end")
            << 3 << QList<int>{2, 0, 2, 0} << "z" << 3 << 2 << "z";
    }
    void paste() {
        QFETCH(int, records);
        QFETCH(QList<int>, selection);
        QFETCH(QString, text);
        QFETCH(int, after);
        QFETCH(int, checkRow);
        QFETCH(QString, checkWord);
        Editor e;
        e.withRecords(records);
        e.select(selection[0], selection[1], selection[2], selection[3]);
        QVERIFY(e.edit.Paste(text));
        QCOMPARE(e.store.recordCount, after);
        QCOMPARE(e.store.recordText[checkRow][1], checkWord);
        QVERIFY(e.store.changed);
        if (records == 10 && selection[0] == 7) {
            QCOMPARE(e.store.recordText[7][2], QStringLiteral("word7")); // only the first cell
            QCOMPARE(e.store.recordLevel[7][1], qint16(3));
        }
        if (records == 10 && selection[0] == 10) {
            QCOMPARE(e.store.recordText[10][5], QStringLiteral("e"));
            QCOMPARE(e.store.recordLevel[10][5], qint16(5));
            QCOMPARE(e.store.recordClass[10], qint16(2));
            QCOMPARE(e.store.recordClass[11], qint16(2));
        }
    }

    // A class cell holds any number; the store keeps the nearest 16-bit one. Found by the
    // fuzzer: a number beyond 64 bits was converted to a whole number unchecked.
    void pastedClassBeyondTheStore_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("stored");
        QTest::addRow("23 digits") << "99999999999999999999999" << 32767;
        QTest::addRow("minus 23 digits") << "-99999999999999999999999" << -32768;
        QTest::addRow("300 digits") << QString(300, u'9') << 32767;
        QTest::addRow("40000") << "40000" << 32767;
        QTest::addRow("2.5") << "2.5" << 2;
    }
    void pastedClassBeyondTheStore() {
        QFETCH(QString, cell);
        QFETCH(int, stored);
        Editor e;
        e.withRecords(0);
        e.select(1, 0, 1, 10);
        QVERIFY(e.edit.Paste("x\t1\ty\t\t\t\t\t\t\t\t" + cell + "\n"));
        QCOMPARE(e.store.recordCount, 1);
        QCOMPARE(e.store.recordClass[1], qint16(stored));
    }

    void pastePastTheCapacityIsRefused() {
        Editor e;
        e.withRecords(9999);
        e.select(9998, 0, 9998, 10);
        QVERIFY(!e.edit.Paste("a\r\nb\r\nc\r\nd\r\n"));
        QCOMPARE(e.store.recordCount, 9999);
        QCOMPARE(e.reporter.messages.last(), kNoMoreWords);
        QCOMPARE(e.store.recordText[9998][1], QStringLiteral("ord9998"));
    }

    void cutDraggedUpwards() {
        Editor e;
        e.withRecords(10);
        e.select(9, 0, 3, 1); // dragged from row 9 up to row 3, columns 0 and 1
        e.edit.ClearSelection();
        for (int r = 3; r <= 9; ++r) {
            QVERIFY(e.store.recordText[r][1].isEmpty());
            QCOMPARE(e.store.recordLevel[r][1], qint16(0));
            QCOMPARE(e.store.recordText[r][2], QStringLiteral("word%1").arg(r));
        }
        QCOMPARE(e.store.recordText[2][1], QStringLiteral("ord2"));
        QCOMPARE(e.store.recordText[10][1], QStringLiteral("ord10"));
        // Emptying only the level cell of a word gives it level 3.
        e.store.recordLevel[1][2] = 5;
        e.edit.FillGrid();
        e.select(1, 3, 1, 3);
        e.edit.ClearSelection();
        QCOMPARE(e.store.recordLevel[1][2], qint16(3));
    }

    void deleting() {
        Editor e;
        e.withRecords(3);
        int r = 3;
        e.edit.DeleteRecord(r);
        QCOMPARE(e.store.recordCount, 2);
        QCOMPARE(e.grid.rows(), 3);
        QCOMPARE(r, 2);
        r = 1;
        e.edit.DeleteRecord(r);
        QCOMPARE(e.store.recordText[1][1], QStringLiteral("ord2"));
        Editor empty;
        QVERIFY(empty.load("own.dct"));
        r = 1;
        empty.edit.DeleteRecord(r);
        QCOMPARE(empty.store.recordCount, 0);
        QCOMPARE(empty.grid.rows(), 2);
    }

    void addRecordAtTheCapacity() {
        Editor e;
        e.store.recordCount = kEditorCapacity;
        QVERIFY(!e.edit.AddRecord());
        QCOMPARE(e.reporter.messages, QStringList{kNoMoreWords});
        QCOMPARE(e.store.recordCount, kEditorCapacity);
    }

    void storeWordFields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("diffi");
        QTest::addColumn<int>("level");
        QTest::addRow("0") << "Hund"
                           << "0" << 3;
        QTest::addRow("6") << "Hund"
                           << "6" << 3;
        QTest::addRow("9") << "Hund"
                           << "9" << 3;
        QTest::addRow("letters") << "Hund"
                                 << "x" << 3;
        QTest::addRow("nothing") << "Hund"
                                 << "" << 3;
        QTest::addRow("4.5") << "Hund"
                             << "4.5" << 4;
        QTest::addRow("5.5") << "Hund"
                             << "5.5" << 6;
        QTest::addRow("0.4") << "Hund"
                             << "0.4" << 0;
        QTest::addRow("empty text") << ""
                                    << "4" << 0;
        QTest::addRow("text as typed") << " Hund "
                                       << "2" << 2;
    }
    void storeWordFields() {
        QFETCH(QString, text);
        QFETCH(QString, diffi);
        QFETCH(int, level);
        EditorStore s;
        s.recordCount = 3;
        s.currentWord = 2;
        s.recordClass[2] = 7;
        WordFields f;
        f.text[3] = text;
        f.diffi[3] = diffi;
        f.edited[3] = true;
        StoreWordFields(s, f);
        QCOMPARE(s.recordText[2][3], text);
        QCOMPARE(s.recordLevel[2][3], qint16(level));
        QCOMPARE(s.recordClass[2], qint16(7)); // no class chosen: the stored one stays
        f.classIndex = 2;
        f.classEdited = true;
        StoreWordFields(s, f);
        QCOMPARE(s.recordClass[2], qint16(2));
    }

    void fieldsOfARecordWithAnUnknownClass() {
        EditorStore s;
        s.recordCount = 1;
        s.recordClass[1] = 5;
        s.recordLevel[1][1] = 0;
        s.recordLevel[1][2] = 4;
        const WordFields f = FieldsOfRecord(s, 1);
        QCOMPARE(f.classIndex, -1);
        QCOMPARE(f.diffi[1], QString());
        QCOMPARE(f.diffi[2], QStringLiteral("4"));
    }

    void placeholderEditAddsTheFirstRecord() {
        EditorStore s;
        s.currentWord = 1;
        WordFields f;
        StoreWordFields(s, f);
        QCOMPARE(s.recordCount, 0); // nothing typed: still empty
        f.text[1] = "en katt";
        f.edited[1] = true;
        StoreWordFields(s, f);
        QCOMPARE(s.recordCount, 1);
    }

    void newFileNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addRow("appended in capitals") << "Animals"
                                              << "Animals.DCT"
                                              << "";
        QTest::addRow("full stop") << "a.b"
                                   << ""
                                   << "Invalid filename.";
        QTest::addRow("backslash") << "a\\b"
                                   << ""
                                   << "invalid filename.";
        QTest::addRow("blank") << "my words"
                               << ""
                               << "Invalid filename. The name may not contain spaces.";
        QTest::addRow("blank, but ending in .dct") << "my words.dct"
                                                   << "my words.dct"
                                                   << "";
        QTest::addRow("question mark")
            << "what?"
            << ""
            << "Invalid filename. The name may not contain question marks.";
        QTest::addRow("star") << "a*"
                              << ""
                              << "Invalid filename. The name may not contain *.";
        QTest::addRow("21 characters") << QString(21, u'a') << QString(21, u'a') + ".DCT"
                                       << "";
        QTest::addRow("22 characters") << QString(22, u'a') << ""
                                       << "The filename can not be more than 25 characters long!";
        QTest::addRow("exists in another case") << "existing"
                                                << ""
                                                << "The file already exists.";
        QTest::addRow("a path") << "../x.dct"
                                << ""
                                << "Invalid filename.";
        QTest::addRow("nothing") << ""
                                 << ""
                                 << "Invalid filename.";
    }
    void newFileNames() {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeFile(dir.filePath("EXISTING.dct"), encode({}));
        QString got;
        QCOMPARE(NewFileName(typed, ProgramFolder(dir.path()), got), name);
        QCOMPARE(got, message);
    }
};

QTEST_GUILESS_MAIN(TstEdit1)
#include "tst_edit1.moc"
