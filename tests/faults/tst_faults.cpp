// Failures from outside: a high-score file that cannot be written, and the shipped verb and
// language files cut at every byte.
#include "exercises/highscores/highscores.h"
#include "exercises/verb/verbs.h"
#include "tools/dicttool/tsv.h"
#include "words/dictbuilder.h"
#include "words/langfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

class TstFaults : public QObject {
    Q_OBJECT
private slots:
    void highScoreWriteFailureLosesNoOtherList() {
        QTemporaryDir dir;
        const ProgramFolder folder(dir.path());
        HighScoreList list;
        list.lblScore[1] = " 99";
        list.lblName[1] = "p";
        QString error;
        QVERIFY(WriteHighScores(folder, highScoreFileName(4), list, error));
        const QByteArray before = readFile(dir.filePath("Quick04.HGH"));
        QVERIFY(QDir(dir.path()).mkdir("Quick03.HGH")); // a folder where the file should be
        QVERIFY(!WriteHighScores(folder, highScoreFileName(3), list, error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(dir.filePath("Quick04.HGH")), before);
    }

    // A cut file reads as the rows before the cut, or says what is wrong with it; never an
    // empty verb row, never a crash.
    void verbFilesCutAtEveryByte() {
        for (int code = 1; code <= 5; ++code) {
            const QByteArray file =
                readFile(QStringLiteral(VOKABRIX_DATA_DIR "/VERB0%1.TXT").arg(code));
            QVERIFY(!file.isEmpty());
            int previous = -1;
            for (qsizetype cut = 0; cut <= file.size(); ++cut) {
                VerbState v;
                CollectingReporter r;
                const bool ok = LoadVerbBytes(v, file.left(cut), "VERB.TXT", r);
                QCOMPARE(ok, r.messages.isEmpty());
                QVERIFY(cut > 0 || !ok); // an empty file says so
                if (!ok)
                    continue;
                QVERIFY(v.VerbCount >= previous);
                previous = v.VerbCount;
                for (int row = 1; row <= v.VerbCount; ++row)
                    QVERIFY(!v.VerbTable[row][v.FormCount].isEmpty());
            }
        }
    }

    // A cut at an entry's end reads quietly; inside one it is a read error, and says so.
    void languageFileCutAtEveryByte() {
        std::vector<LanguageEntry> entries;
        QString error;
        QByteArray file;
        QVERIFY(tsv::importLanguage(readFile(VOKABRIX_DATA_DIR "/lang.tsv"), "lang.tsv", entries,
                                    error));
        QVERIFY(encodeLanguageFile(entries, 5, file, error));
        int errors = 0;
        for (qsizetype cut = 0; cut < file.size(); ++cut) {
            TextTable t;
            CollectingReporter r;
            const bool failed =
                ReadLanguageBytes(file.left(cut), 3, t, r) == LanguageFileResult::ReadError;
            QCOMPARE(failed, !r.messages.isEmpty());
            errors += failed;
        }
        QVERIFY(errors > 0);
    }
};

QTEST_GUILESS_MAIN(TstFaults)
#include "tst_faults.moc"
