// The choice of word lists.
#include "dictbuilder.h"
#include "words/wordlists.h"
#include "words/wordstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

class TstWordLists : public QObject {
    Q_OBJECT
private slots:
    void onlyTheBuiltInDictionary() {
        QTemporaryDir dir;
        writeFile(dir.filePath("VOKABRIX.DCT"), encode(numberedRecords(3), true));
        const WordListChoice c = ListWordLists(ProgramFolder(dir.path()), defaultWordLists(), nullptr);
        QVERIFY(c.builtInTicked);
        QVERIFY(c.files.isEmpty()); // an enciphered file is never listed by name
        QCOMPARE(ChosenWordLists(c), QStringList{kBuiltInChoice});
    }

    void plainFilesTickedWithoutRegardToCase() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Animals.DCT"), encode(numberedRecords(2)));
        writeFile(dir.filePath("own.dct"), QByteArray()); // an empty file is a plain, empty list
        writeFile(dir.filePath("secret.dct"), encode(numberedRecords(2), true));
        writeFile(dir.filePath("notes.txt"), "x");
        const WordListChoice c = ListWordLists(ProgramFolder(dir.path()), {"vokabrix.DCT", "ANIMALS.dct"}, nullptr);
        QVERIFY(c.builtInTicked);
        QStringList files = c.files;
        files.sort();
        QCOMPARE(files, (QStringList{"Animals.DCT", "own.dct"}));
        QCOMPARE(c.ticked[c.files.indexOf("Animals.DCT")], true);
        QCOMPARE(c.ticked[c.files.indexOf("own.dct")], false);
    }

    void atMost36Lists() {
        QTemporaryDir dir;
        for (int i = 0; i < 37; ++i)
            writeFile(dir.filePath(QStringLiteral("list%1.dct").arg(i)), encode({}));
        QCOMPARE(ListWordLists(ProgramFolder(dir.path()), {}, nullptr).files.size(), 36);
    }

    void unreadableFileIsReportedAndSkipped() {
        QTemporaryDir dir;
        writeFile(dir.filePath("good.dct"), encode({}));
        // A file that opens but cannot be read.
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), dir.filePath("bad.dct")));
        CollectingReporter r;
        const WordListChoice c = ListWordLists(ProgramFolder(dir.path()), {}, &r);
        QCOMPARE(c.files, QStringList{"good.dct"});
        QCOMPARE(r.messages.size(), 1);
    }

    void nothingChosenLoadsTheDefaults() {
        QTemporaryDir dir;
        writeFile(dir.filePath("VOKABRIX.DCT"), encode(numberedRecords(2), true));
        writeFile(dir.filePath("OWN.DCT"), encode(numberedRecords(1, 50)));
        writeFile(dir.filePath("Other.dct"), encode(numberedRecords(4, 90)));
        WordListChoice c = ListWordLists(ProgramFolder(dir.path()), {}, nullptr);
        QVERIFY(!c.builtInTicked);
        WordStore store;
        store.dictFiles = ChosenWordLists(c);
        QVERIFY(store.dictFiles.isEmpty());
        CollectingReporter r;
        LoadContext context;
        context.folder = ProgramFolder(dir.path());
        context.reporter = &r;
        LoadDictionaries(store, context);
        QCOMPARE(store.wordCount, 3);
        // Ticking only one list makes the exercises use only its words.
        c.ticked[c.files.indexOf("Other.dct")] = true;
        store.dictFiles = ChosenWordLists(c);
        store.wordCount = 0;
        LoadDictionaries(store, context);
        QCOMPARE(store.wordCount, 4);
        QCOMPARE(store.toWord[1], QStringLiteral("Wort90"));
        // "vokabrix.dct" finds VOKABRIX.DCT.
        store.dictFiles = {kBuiltInChoice};
        store.wordCount = 0;
        LoadDictionaries(store, context);
        QCOMPARE(store.wordCount, 2);
        QVERIFY(r.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstWordLists)
#include "tst_wordlists.moc"
