// The editor's store without windows: loading damaged files, saving with the backup, the
// grid's edits, the word window's fields and the new file's name.
#include "editor/edit1.h"
#include "exchange/tablerows.h"

#include <QDir>
#include <QRegularExpression>
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
    // Loads a dictionary as switching to it does.
    bool load(const QString& name) {
        edit.ClearStore();
        const bool ok = edit.LoadDictionary(name);
        if (ok)
            edit.FillGrid();
        return ok;
    }
    // Numbered records, loaded and shown; records 1 and 2 hold English levels that a cell
    // cannot show (none beside a word, and 7), which edits elsewhere must leave alone.
    void withRecords(int n) {
        std::vector<WordRecord> records = numberedRecords(n);
        for (int i = 0; i < std::min(n, 2); ++i)
            records[size_t(i)].level[1] = i * 7;
        writeFile(path("d.dct"), encode(records));
        QVERIFY(load("d.dct"));
    }
    std::vector<WordRecord> records() const { return storeRecords(store); }
};

} // namespace

class TstEdit1 : public QObject {
    Q_OBJECT
private slots:
    // A damaged file: what was read before the damage, or a refusal that keeps the
    // dictionary that was open.
    void load_data() { addTableRows(VOKABRIX_TEST_DIR "/loads.tsv"); }
    void load() {
        QFETCH(QStringList, c); // records, where, bytes, cut, loads, count, message
        Editor e;
        e.withRecords(2);
        const int count = c[5].toInt();
        const bool ok = c[4] == "ok";
        QByteArray data = encode(numberedRecords(std::max(c[0].toInt(), 0)));
        if (!c[1].isEmpty())
            data.replace(c[1].toInt(), c[2].size() / 2, QByteArray::fromHex(c[2].toLatin1()));
        if (c[0] != "-1")
            writeFile(e.path("x.dct"), data.chopped(c[3].toInt()));
        QCOMPARE(e.load("x.dct"), ok);
        QCOMPARE(e.reporter.messages.join(u'\n'), c[6]);
        QCOMPARE(e.store.recordCount, count);
        QCOMPARE(e.store.currentFile, ok ? "x.dct" : "d.dct");
        if (ok) {
            QCOMPARE(e.records(), numberedRecords(count));
            QCOMPARE(e.grid.rows(), std::max(count, 1) + 1);
        }
    }

    // A save either replaces the file and keeps its previous version in OWN.BAK, or leaves
    // both files as they were and no other file behind.
    void save_data() { addTableRows(VOKABRIX_TEST_DIR "/saves.tsv"); }
    void save() {
        QFETCH(QStringList, c); // text, level, bytes written, backup a folder, message
        Editor e;
        e.withRecords(2);
        const QByteArray previous = readFile(e.path("d.dct"));
        const bool backupFolder = !c[3].isEmpty();
        if (backupFolder)
            QVERIFY(QDir(e.dir.path()).mkdir("OWN.BAK"));
        else
            writeFile(e.path("OWN.BAK"), "old backup");
        e.store.recordText[2][3] = c[0];
        e.store.recordLevel[2][3] = qint16(c[1].toInt());
        if (const int written = c[2].toInt(); !c[2].isEmpty())
            e.edit.writeFilter = [written](QByteArray& data) {
                data.truncate(written < 0 ? data.size() + written : written);
                return false;
            };
        const QString message = c[4];
        QCOMPARE(e.edit.SaveDictionary("d.dct"), message.isEmpty());
        QCOMPARE(QDir(e.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
        QCOMPARE(readFile(e.path("d.dct")), message.isEmpty() ? encode(e.records()) : previous);
        QCOMPARE(readFile(e.path("OWN.BAK")), message.isEmpty() ? previous
                                              : backupFolder    ? QByteArray()
                                                                : "old backup");
        QVERIFY(
            message.isEmpty() ||
            e.reporter.messages.value(0).startsWith(
                "The following error occurred when attempting to save the file d.dct: " + message));
    }

    // Edits of the grid: the cells they give, the rows outside the selection as they were.
    void gridEdits_data() { addTableRows(VOKABRIX_TEST_DIR "/gridedits.tsv"); }
    void gridEdits() {
        QFETCH(QStringList, c);
        Editor e;
        e.withRecords(c[0].toInt());
        const auto s = [&](int i) { return c[1].section(u' ', i, i).toInt(); };
        std::tie(e.grid.row, e.grid.col, e.grid.rowSel, e.grid.colSel) =
            std::tuple(s(0), s(1), s(2), s(3));
        const std::vector<GridState::Row> before = e.grid.cells;
        if (c[2] == "paste")
            QCOMPARE(e.edit.Paste(c[3]), c.value(6).isEmpty());
        else if (c[2] == "cut")
            e.edit.ClearSelection();
        else if (int r = s(0); c[2] == "delete")
            e.edit.DeleteRecord(r);
        else
            QCOMPARE(e.edit.AddRecord(), c.value(6).isEmpty());
        QCOMPARE(e.store.recordCount, c[4].toInt());
        QCOMPARE(e.reporter.messages.join(u'\n'), c.value(6));
        QCOMPARE(e.grid.rows(), std::max(c[4].toInt(), 1) + 1);
        for (size_t r = 1; r < std::min(before.size(), e.grid.cells.size()); ++r)
            if (int(r) < std::min(s(0), s(2)) || int(r) > std::max(s(0), s(2)))
                QCOMPARE(e.grid.cells[r], before[r]);
        for (const QString& cell : c[5].split(u' ', Qt::SkipEmptyParts)) {
            const QStringList p = cell.split(QRegularExpression("[:=]"));
            QCOMPARE(e.grid.cells[p[0].toUInt()][p[1].toUInt()], p[2]);
        }
    }

    // The word window's German fields stored into the placeholder row of an empty
    // dictionary and then into its record, and what the window shows of it afterwards.
    void wordFields() {
        EditorStore s;
        s.currentWord = 1;
        s.recordClass[1] = 7;
        WordFields f;
        f.edited[3] = f.edited[5] = true;
        StoreWordFields(s, f);
        QCOMPARE(s.recordCount, 0); // nothing typed: still empty
        f.text[3] = " Hund ";
        f.diffi[3] = f.diffi[5] = "4.5";
        f.text[5] = "perro";
        StoreWordFields(s, f);
        QCOMPARE(s.recordCount, 1);
        QCOMPARE(s.record(1), record("", "", " Hund ", "", "perro", 4, 7));
        QCOMPARE(FieldsOfRecord(s, 1).diffi[5], "4");
        QCOMPARE(FieldsOfRecord(s, 1).classIndex, -1); // no class chosen: the stored one stays
        for (int chosen : {3, 0}) {
            f.classIndex = chosen;
            f.classEdited = true;
            StoreWordFields(s, f);
            QCOMPARE(FieldsOfRecord(s, 1).classIndex, chosen);
        }
        f.text[3].clear();
        StoreWordFields(s, f);
        QCOMPARE(FieldsOfRecord(s, 1).diffi[3], "");
    }

    void newFileNames_data() { addTableRows(VOKABRIX_TEST_DIR "/filenames.tsv"); }
    void newFileNames() {
        QFETCH(QStringList, c); // typed, name, message
        QTemporaryDir dir;
        writeFile(dir.filePath("EXISTING.dct"), encode({}));
        QString got;
        QCOMPARE(NewFileName(c[0], ProgramFolder(dir.path()), got), c[1]);
        QCOMPARE(got, c.value(2));
    }
};

QTEST_GUILESS_MAIN(TstEdit1)
#include "tst_edit1.moc"
