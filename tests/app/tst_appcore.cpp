// The rules of the application frame and the platform helpers it rests on (code page,
// blanks, case, numbers, rounding and the generator), without windows; and the installed
// layout: the data read from the share folder, everything the programs write kept in the
// user's folder, and the user's folder made with the example on a first start.
#include "app/appcore.h"
#include "common/cp1252.h"
#include "common/random.h"
#include "common/textconv.h"
#include "editor/edit1.h"
#include "exercises/highscores/highscores.h"
#include "words/dictbuilder.h"
#include "words/wordlists.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

class TstAppCore : public QObject {
    Q_OBJECT
private slots:
    // Repeated presses visit the four practised languages, never the own one, and come back.
    void nextPracticeLanguage_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("next");
        QTest::addRow("own 1, practised 5") << 1 << 5 << 2;
        QTest::addRow("own 2, practised 1") << 2 << 1 << 3;
        QTest::addRow("own 5, practised 4") << 5 << 4 << 1;
        QTest::addRow("own 4, practised 5") << 4 << 5 << 1;
    }
    void nextPracticeLanguage() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, next);
        QCOMPARE(NextPracticeLanguage(to, from), next);
        int code = to;
        for (int i = 0; i < 4; ++i) {
            code = NextPracticeLanguage(code, from);
            QVERIFY(code != from && code >= 1 && code <= 5);
        }
        QCOMPARE(code, to);
    }

    // Full colours from nine bits on, other ones on a palette screen; a scheme outside 1..4
    // is taken as 1.
    void colourTables() {
        ColorTables palette, full;
        palette.fill(8);
        full.fill(9);
        for (int scheme = 1; scheme <= 4; ++scheme)
            QVERIFY(palette.back(scheme) != full.back(scheme) &&
                    palette.accent(scheme) != full.accent(scheme));
        QCOMPARE(full.back(7), full.back(1));
    }

    // Seven exercises, each with instructions of its own.
    void exerciseTable() {
        QVERIFY(!exerciseInfo(0) && !exerciseInfo(8));
        TextTable texts;
        for (int n = 0; n <= kLastTextNumber; ++n)
            texts.uiText[n] = QString::number(n);
        QSet<QString> instructions;
        for (int index = 1; index <= 7; ++index)
            instructions << exerciseInstructions(exerciseInfo(index)->exercise, texts);
        QCOMPARE(instructions.size(), 7);
        QVERIFY(!instructions.contains(QString()));
        QCOMPARE(exerciseInstructions(Exercise::Crossword, texts),
                 QStringLiteral("201\r\n\r\n202 203\r\n\r\n205 204"));
        QCOMPARE(verbFileName(3), QStringLiteral("VERB03.TXT"));
    }

    void cp1252() {
        QByteArray all, back;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QVERIFY(toCp1252(fromCp1252(all), back));
        QCOMPARE(back, all);
        QCOMPARE(fromCp1252("\x80\x9c\xe9"), QStringLiteral("\u20ac\u0153\u00e9"));
        qsizetype bad = -1;
        QVERIFY(!toCp1252(QStringLiteral("ab\u0107c"), back, &bad)); // ć is not in the code page
        QCOMPARE(bad, 2);
        QVERIFY(!isCp1252(QStringLiteral("\u4e2d")));
    }

    void texts_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::addRow("upper case keeps sharp s") << ucase("straße") << "STRAßE";
        QTest::addRow("upper case, accents") << ucase("élève ñ å") << "ÉLÈVE Ñ Å";
        QTest::addRow("only blanks trimmed") << trimBlanks("  a b \t") << "a b \t";
        QTest::addRow("a line break is no blank") << trimBlanks("\n x ") << "\n x";
        QTest::addRow("positive number") << str(3) << " 3";
        QTest::addRow("zero") << str(0) << " 0";
        QTest::addRow("negative number") << str(-1) << "-1";
        QTest::addRow("fraction") << str(2.5) << " 2.5";
        QTest::addRow("whole, down") << formatWhole(33.3333) << "33";
        QTest::addRow("whole, half up") << formatWhole(12.5) << "13";
        QTest::addRow("blanks and digits") << QString::number(val("  42abc")) << "42";
        QTest::addRow("decimal point") << QString::number(val("2.5")) << "2.5";
        QTest::addRow("comma is no point") << QString::number(val("2,5")) << "2";
        QTest::addRow("negative") << QString::number(val("-7")) << "-7";
        QTest::addRow("lone point") << QString::number(val(".")) << "0";
        QTest::addRow("second point ends") << QString::number(val("1.2.3")) << "1.2";
        QTest::addRow("2.5 to even") << QString::number(roundHalfEven(2.5)) << "2";
        QTest::addRow("3.5 to even") << QString::number(roundHalfEven(3.5)) << "4";
        QTest::addRow("-2.5 to even") << QString::number(roundHalfEven(-2.5)) << "-2";
        QTest::addRow("166.67 up") << QString::number(roundHalfEven(166.666)) << "167";
    }
    void texts() {
        QFETCH(QString, result);
        QFETCH(QString, expected);
        QCOMPARE(result, expected);
    }

    void drawNeverPassesN() {
        Random r;
        r.script({std::nextafter(1.0, 0.0), 1.0, 0.0, 0.5});
        QCOMPARE(r.draw(3), 3);
        QCOMPARE(r.draw(3500), 3500);
        QCOMPARE(r.draw(7), 1);
        QCOMPARE(r.draw(10), 6);
        Random a, b;
        a.seed(7);
        b.seed(7);
        for (int i = 0; i < 100; ++i) {
            const double x = a.rnd();
            QVERIFY(x == b.rnd() && x >= 0.0 && x < 1.0);
        }
    }

    // A first start gives the example; a user's dictionary, in whatever case it was saved, is
    // never replaced. Names match without regard to case, the user's files before the data.
    // High scores, the editor's saves with their backup and new dictionaries go to the user's
    // folder, as does a data file written; the share folder is never written.
    void everythingWrittenGoesToTheUsersFolder() {
        QTemporaryDir root; // a prefix with bin/ and share/vokabrix/, a user's folder beside it
        const QString bin = root.filePath("usr/bin"), share = root.filePath("usr/share/vokabrix"),
                      user = root.filePath("home/.local/share/vokabrix");
        QDir().mkpath(share);
        writeFile(share + "/VOKABRIX.DCT", encode(numberedRecords(3), true));
        writeFile(share + "/LANG.CRP", "language");
        writeFile(share + "/own.dct", encode(numberedRecords(2)));
        ProgramFolder::installed(bin, user);
        QCOMPARE(readFile(user + "/own.dct"), encode(numberedRecords(2)));
        QVERIFY(QFileInfo(user + "/own.dct").isWritable());
        QFile::remove(user + "/own.dct");
        writeFile(user + "/OWN.DCT", encode(numberedRecords(5)));
        const ProgramFolder folder = ProgramFolder::installed(bin, user);
        QCOMPARE(folder.resolve("vokabrix.dct"), share + "/VOKABRIX.DCT");
        QCOMPARE(folder.resolveForWriting("vokabrix.dct"), user + "/vokabrix.dct");
        QCOMPARE(folder.resolve("/a/x.dct"), "/a/x.dct"); // a path is taken as given
        QCOMPARE(folder.resolveForWriting("/a/x.dct"), "/a/x.dct");
        const QStringList shareBefore = QDir(share).entryList(QDir::Files);
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
        QCOMPARE(QDir(user).entryList(QDir::Files),
                 (QStringList{"Animals.DCT", "OWN.BAK", "OWN.DCT", "Quick03.HGH"}));
        QCOMPARE(QDir(share).entryList(QDir::Files), shareBefore);
        QVERIFY(reporter.messages.isEmpty());
        // The word lists offered are the user's; a new file may not take a data file's name.
        QCOMPARE(ListWordLists(folder, {}, &reporter).files.size(), 2);
        QCOMPARE(NewFileName("Vokabrix", folder, error), QString());
        QCOMPARE(error, QStringLiteral("The file already exists."));
    }
};

QTEST_GUILESS_MAIN(TstAppCore)
#include "tst_appcore.moc"
