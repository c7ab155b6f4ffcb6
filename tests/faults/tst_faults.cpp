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
        QVERIFY(!WriteHighScores(folder, highScoreFileName(3), list, error) && !error.isEmpty());
        QCOMPARE(readFile(dir.filePath("Quick04.HGH")), before);
    }

    // A shipped verb file (code 1..5) or the language file (0) cut at every byte reads as the
    // rows before the cut, or says what is wrong with it; never an empty verb row, never a
    // crash. A language file cut inside an entry is a read error, and says so.
    void filesCutAtEveryByte_data() {
        QTest::addColumn<int>("code");
        for (int code = 0; code <= 5; ++code)
            QTest::addRow("%d", code) << code;
    }
    void filesCutAtEveryByte() {
        QFETCH(int, code);
        QByteArray file = readFile(QStringLiteral(VOKABRIX_DATA_DIR "/VERB0%1.TXT").arg(code));
        std::vector<LanguageEntry> entries;
        QString error;
        if (code == 0) {
            QVERIFY(tsv::importLanguage(readFile(VOKABRIX_DATA_DIR "/lang.tsv"), "lang.tsv",
                                        entries, error));
            QVERIFY(encodeLanguageFile(entries, 5, file, error));
        }
        QVERIFY(!file.isEmpty());
        int previous = -1, errors = 0;
        for (qsizetype cut = 0; cut < file.size() + (code ? 1 : 0); ++cut) {
            CollectingReporter r;
            VerbState v;
            TextTable t;
            const bool ok =
                code ? LoadVerbBytes(v, file.left(cut), "VERB.TXT", r)
                     : ReadLanguageBytes(file.left(cut), 3, t, r) != LanguageFileResult::ReadError;
            QCOMPARE(ok, r.messages.isEmpty());
            QVERIFY(cut > 0 || !ok || !code); // an empty verb file says so
            errors += !ok;
            if (!ok || !code)
                continue;
            QVERIFY(v.VerbCount >= previous);
            previous = v.VerbCount;
            for (int row = 1; row <= v.VerbCount; ++row)
                QVERIFY(!v.VerbTable[row][v.FormCount].isEmpty());
        }
        QVERIFY(errors > 0);
    }
};

QTEST_GUILESS_MAIN(TstFaults)
#include "tst_faults.moc"
