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

constexpr int kWhole = std::numeric_limits<int>::max();

template <typename... T> void row(const char* name, const T&... values) {
    (QTest::addRow("%s", name) << ... << values);
}

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
    std::vector<WordRecord> records() const {
        std::vector<WordRecord> out;
        for (int r = 1; r <= store.recordCount; ++r)
            out.push_back(store.record(r));
        return out;
    }
};

// Where in encode(numberedRecords(r)) record r's entry for language l (0..4; 5 the word
// class) has its length (part 0), its level (1) or its spare (2).
int fieldAt(int r, int l, int part) {
    auto at = encode(numberedRecords(r - 1)).size();
    const WordRecord w = numberedRecords(r).back();
    for (int i = 0; i < l; ++i)
        at += 6 + w.text[size_t(i)].size();
    return int(l == 5 || part == 0 ? at : at + 2 * part + w.text[size_t(l)].size());
}

struct LoadCase {
    int records, at = -1; // records in x.dct, -1 for none; where `bytes` replace the file's
    QByteArray bytes{};
    int cut = 0, count = 0; // bytes cut off the end; records loaded
    bool ok = true;
    QString message{};
};

struct SaveCase {
    QString text = "neu";            // German of record 2
    int level = 3, written = kWhole; // bytes the disk takes, from the end when negative
    bool backupFolder = false;       // OWN.BAK a folder: no backup can be written
    QString message{};
};

} // namespace

Q_DECLARE_METATYPE(LoadCase)
Q_DECLARE_METATYPE(SaveCase)

class TstEdit1 : public QObject {
    Q_OBJECT
private slots:
    // A damaged file: what was read before the damage, or a refusal that keeps the
    // dictionary that was open.
    void load_data() {
        QTest::addColumn<LoadCase>("c");
        const QString read = "The following error occured while reading the file x.dct: ";
        const QString range = read + "the record 2 has a level or word class out of range.";
        row("missing, created", LoadCase{-1});
        row("only the header", LoadCase{0});
        row("10000 records", LoadCase{.records = 10000, .count = 10000});
        row("10001 records", LoadCase{.records = 10001, .count = 10000});
        row("cut short", LoadCase{.records = 3, .cut = 3, .count = 2});
        row("bad spare", LoadCase{6, fieldAt(5, 3, 2), "x", 0, 4, true,
                                  "The dictionary file x.dct is corrupted."});
        row("enciphered",
            LoadCase{3, 0, "\x01", 0, 2, false,
                     "The file x.dct is encrypted or corrupted and cannot be edited."});
        row("bad length", LoadCase{3, fieldAt(2, 0, 0), "\x9b\x7c", 0, 1, false,
                                   read + "the record 2 has an invalid text length."});
        row("level below the store", LoadCase{3, fieldAt(2, 2, 1), "\x63\x80", 0, 1, false, range});
        row("class below the store", LoadCase{3, fieldAt(2, 5, 0), "\x63\x80", 0, 1, false, range});
    }
    void load() {
        QFETCH(LoadCase, c);
        Editor e;
        e.withRecords(2);
        QByteArray data = encode(numberedRecords(std::max(c.records, 0)));
        if (c.at >= 0)
            data.replace(c.at, c.bytes.size(), c.bytes);
        if (c.records >= 0)
            writeFile(e.path("x.dct"), data.chopped(c.cut));
        QCOMPARE(e.load("x.dct"), c.ok);
        QCOMPARE(e.reporter.messages.join(u'\n'), c.message);
        QCOMPARE(e.store.recordCount, c.count);
        QCOMPARE(e.store.currentFile, c.ok ? "x.dct" : "d.dct");
        if (c.ok) {
            QCOMPARE(e.records(), numberedRecords(c.count));
            QCOMPARE(e.grid.rows(), std::max(c.count, 1) + 1);
        }
    }

    // A save either replaces the file and keeps its previous version in OWN.BAK, or leaves
    // both files as they were and no other file behind.
    void save_data() {
        QTest::addColumn<SaveCase>("c");
        const QString full = "the disk is full.";
        row("saved", SaveCase{.level = 2});
        row("868 characters",
            SaveCase{QString(868, u'x'), 3, kWhole, false,
                     "Record 2, German: the text is longer than 867 characters."});
        row("not in the code page",
            SaveCase{"Ł", 3, kWhole, false, "Record 2, German: the character \"Ł\""});
        row("level too big", SaveCase{"ok", 868, kWhole, false,
                                      "Record 2, German: the level 868 cannot be stored."});
        row("backup cannot be written",
            SaveCase{.backupFolder = true, .message = "the backup OWN.BAK could not be written"});
        row("disk full half way", SaveCase{.written = 60, .message = full});
        row("disk full at the last byte", SaveCase{.written = -1, .message = full});
    }
    void save() {
        QFETCH(SaveCase, c);
        Editor e;
        e.withRecords(2);
        const QByteArray previous = readFile(e.path("d.dct"));
        if (c.backupFolder)
            QVERIFY(QDir(e.dir.path()).mkdir("OWN.BAK"));
        else
            writeFile(e.path("OWN.BAK"), "old backup");
        e.store.recordText[2][3] = c.text;
        e.store.recordLevel[2][3] = qint16(c.level);
        if (c.written != kWhole)
            e.edit.writeFilter = [written = c.written](QByteArray& data) {
                data.truncate(written < 0 ? data.size() + written : written);
                return false;
            };
        QCOMPARE(e.edit.SaveDictionary("d.dct"), c.message.isEmpty());
        QCOMPARE(QDir(e.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
        if (c.message.isEmpty()) {
            bool enciphered = true;
            std::vector<WordRecord> saved;
            QVERIFY(decodeDictionary(readFile(e.path("d.dct")), saved, enciphered, c.message));
            QCOMPARE(saved, e.records());
            QVERIFY(!enciphered);
            QCOMPARE(readFile(e.path("OWN.BAK")), previous);
            return;
        }
        QCOMPARE(readFile(e.path("d.dct")), previous);
        QCOMPARE(readFile(e.path("OWN.BAK")), c.backupFolder ? QByteArray() : "old backup");
        QVERIFY2(e.reporter.messages.value(0).startsWith(
                     "The following error occurred when attempting to save the file d.dct: " +
                     c.message),
                 qPrintable(e.reporter.messages.value(0)));
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
        QCOMPARE(FieldsOfRecord(s, 1).text[5], "perro");
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
