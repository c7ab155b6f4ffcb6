// The installed layout: the data read from the share folder, everything the programs write
// kept in the user's folder, and the user's folder made with the example on a first start.
#include "editor/edit1.h"
#include "exercises/highscores/highscores.h"
#include "words/dictbuilder.h"
#include "words/wordlists.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

// A prefix with bin/ and share/vokabrix/, and a user's folder beside it.
struct Installed {
    QTemporaryDir root;
    QString bin = root.filePath("usr/bin");
    QString share = root.filePath("usr/share/vokabrix");
    QString user = root.filePath("home/.local/share/vokabrix");

    Installed() {
        QDir().mkpath(bin);
        QDir().mkpath(share);
        writeFile(share + "/VOKABRIX.DCT", encode(numberedRecords(3), true));
        writeFile(share + "/LANG.CRP", "language");
        writeFile(share + "/own.dct", encode(numberedRecords(2)));
    }
    ProgramFolder start() const { return ProgramFolder::installed(bin, user); }
};

constexpr int User = 0, Share = 1, AsGiven = 2;

} // namespace

class TstInstalledLayout : public QObject {
    Q_OBJECT
private slots:
    // Where a name is read from and written to; names match without regard to case, the
    // user's files before the data.
    void resolve_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("where");
        QTest::addColumn<QString>("found");
        QTest::addRow("built-in dictionary") << "vokabrix.dct" << Share << "VOKABRIX.DCT";
        QTest::addRow("own.dct over the example") << "OWN.DCT" << User << "own.dct";
        QTest::addRow("a file not yet written") << "Quick03.HGH" << User << "Quick03.HGH";
        QTest::addRow("a path") << "/no/such/x.dct" << AsGiven << "/no/such/x.dct";
    }
    void resolve() {
        QFETCH(QString, name);
        QFETCH(int, where);
        QFETCH(QString, found);
        Installed in;
        const ProgramFolder folder = in.start();
        const QString read =
            where == AsGiven ? found : (where == Share ? in.share : in.user) + "/" + found;
        QCOMPARE(folder.resolve(name), read);
        // A file found among the data is written to the user's folder under its name.
        QCOMPARE(folder.resolveForWriting(name), where == Share ? in.user + "/" + name : read);
    }

    // A first start gives the example; a user's dictionary, in whatever case it was saved, is
    // never replaced. High scores, the editor's saves with their backup and new dictionaries
    // go to the user's folder; the share folder is never written.
    void everythingWrittenGoesToTheUsersFolder() {
        Installed in;
        in.start();
        QCOMPARE(readFile(in.user + "/own.dct"), encode(numberedRecords(2)));
        QVERIFY(QFileInfo(in.user + "/own.dct").isWritable());
        QFile::remove(in.user + "/own.dct");
        writeFile(in.user + "/OWN.DCT", encode(numberedRecords(5)));
        const ProgramFolder folder = in.start();
        const QStringList shareBefore = QDir(in.share).entryList(QDir::Files);
        HighScoreList scores = ReadHighScores(folder, highScoreFileName(3));
        AddHighScore(scores, 120);
        QString error;
        QVERIFY(WriteHighScores(folder, highScoreFileName(3), scores, error));
        EditorStore store;
        GridState grid;
        CollectingReporter reporter;
        Edit1 edit(store, grid, folder, EditorHooks{&reporter, {}, {}, {}, {}});
        QVERIFY(edit.LoadDictionary("own.dct"));
        QCOMPARE(store.recordCount, 5);
        store.recordText[1][1] = "ändrad";
        QVERIFY(edit.SaveDictionary("own.dct"));
        QVERIFY(edit.LoadDictionary("Animals.DCT")); // a missing dictionary is made empty
        QCOMPARE(QDir(in.user).entryList(QDir::Files),
                 (QStringList{"Animals.DCT", "OWN.BAK", "OWN.DCT", "Quick03.HGH"}));
        QCOMPARE(QDir(in.share).entryList(QDir::Files), shareBefore);
        QVERIFY(reporter.messages.isEmpty());
        // The word lists offered are the user's; a new file may not take a data file's name.
        QCOMPARE(ListWordLists(folder, {}, &reporter).files.size(), 2);
        QCOMPARE(NewFileName("Vokabrix", folder, error), QString());
        QCOMPARE(error, QStringLiteral("The file already exists."));
    }
};

QTEST_GUILESS_MAIN(TstInstalledLayout)
#include "tst_installedlayout.moc"
