// Failures from outside: a dictionary save that fails part-way, a high-score file that
// cannot be written, and verb and language files cut at every byte.
#include "editor/edit1.h"
#include "exercises/highscores/highscores.h"
#include "exercises/verb/verbs.h"
#include "tools/dicttool/tsv.h"
#include "words/dictbuilder.h"
#include "words/langfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

class TstFaults : public QObject {
    Q_OBJECT
private slots:
    void saveFailingPartWayKeepsThePreviousFile_data() {
        QTest::addColumn<int>("keptBytes");
        QTest::addRow("nothing written") << 0;
        QTest::addRow("the header") << 2;
        QTest::addRow("half the file") << -2;
        QTest::addRow("all but one byte") << -1;
    }
    void saveFailingPartWayKeepsThePreviousFile() {
        QFETCH(int, keptBytes);
        QTemporaryDir dir;
        const QByteArray previous = encode(numberedRecords(20));
        writeFile(dir.filePath("words.dct"), previous);
        writeFile(dir.filePath("OWN.BAK"), "older backup");
        EditorStore store;
        GridState grid;
        CollectingReporter reporter;
        Edit1 edit(store, grid, ProgramFolder(dir.path()), EditorHooks{&reporter, {}, {}, {}, {}});
        QVERIFY(edit.LoadDictionary("words.dct"));
        store.recordText[3][1] = "changed";
        edit.writeFilter = [keptBytes](QByteArray& data) {
            data.truncate(keptBytes >= 0 ? keptBytes : keptBytes == -2 ? data.size() / 2 : data.size() - 1);
            return false;
        };
        QVERIFY(!edit.SaveDictionary("words.dct"));
        QCOMPARE(readFile(dir.filePath("words.dct")), previous);
        QCOMPARE(readFile(dir.filePath("OWN.BAK")), QByteArray("older backup"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary file left
        QVERIFY(reporter.messages.last().startsWith(
            "The following error occurred when attempting to save the file words.dct: "));
        // The next save that succeeds keeps the previous version as the backup.
        edit.writeFilter = {};
        QVERIFY(edit.SaveDictionary("words.dct"));
        QCOMPARE(readFile(dir.filePath("OWN.BAK")), previous);
    }

    void highScoreWriteFailureLosesNoOtherList() {
        QTemporaryDir dir;
        const ProgramFolder folder(dir.path());
        HighScoreList other;
        for (int k = 1; k <= 10; ++k) {
            other.lblScore[k] = QStringLiteral(" %1").arg(100 - k);
            other.lblName[k] = QStringLiteral("p%1").arg(k);
        }
        QString error;
        QVERIFY(WriteHighScores(folder, highScoreFileName(4), other, error));
        const QByteArray before = readFile(dir.filePath("Quick04.HGH"));
        QVERIFY(QDir(dir.path()).mkdir("Quick03.HGH")); // a folder where the file should be
        QVERIFY(!WriteHighScores(folder, highScoreFileName(3), other, error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(dir.filePath("Quick04.HGH")), before);
    }

    void verbFilesCutAtEveryByte() {
        for (int code = 1; code <= 5; ++code) {
            const QByteArray file = readFile(QStringLiteral(VOKABRIX_DATA_DIR "/VERB0%1.TXT").arg(code));
            QVERIFY(!file.isEmpty());
            int previous = -1;
            for (qsizetype cut = 0; cut <= file.size(); ++cut) {
                VerbState v;
                CollectingReporter r;
                const bool ok = LoadVerbBytes(v, file.left(cut), "VERB.TXT", r);
                QCOMPARE(ok, r.messages.isEmpty());
                if (cut == 0)
                    QVERIFY(!ok); // an empty file says so
                if (ok) {
                    QVERIFY(v.VerbCount >= previous); // rows only come, never go
                    previous = v.VerbCount;
                    for (int row = 1; row <= v.VerbCount; ++row)
                        QVERIFY(!v.VerbTable[row][v.FormCount].isEmpty());
                }
            }
        }
    }

    void languageFileCutAtEveryByte() {
        std::vector<LanguageEntry> entries;
        QString error;
        QVERIFY(tsv::importLanguage(readFile(VOKABRIX_DATA_DIR "/lang.tsv"), "lang.tsv", entries, error));
        QByteArray file;
        QVERIFY(encodeLanguageFile(entries, 5, file, error));
        // Every cut ends at an entry boundary (read quietly) or inside one (a read error that
        // keeps what was read before); none may crash or write outside the table.
        int errors = 0;
        for (qsizetype cut = 0; cut < file.size(); ++cut) {
            TextTable t;
            CollectingReporter r;
            const LanguageFileResult result = ReadLanguageBytes(file.left(cut), 3, t, r);
            QCOMPARE(result == LanguageFileResult::ReadError, !r.messages.isEmpty());
            errors += result == LanguageFileResult::ReadError ? 1 : 0;
        }
        QVERIFY(errors > 0);
    }
};

QTEST_GUILESS_MAIN(TstFaults)
#include "tst_faults.moc"
