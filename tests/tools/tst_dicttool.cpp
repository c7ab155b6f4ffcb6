// The data tool: text forms, round trips, and bad input that must leave no output file.
#include "tools/dicttool/tsv.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run dicttool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(DICTTOOL_PATH), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

void write(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

const QByteArray kWords =
    "# animals\n"
    "en hund\t1\tdog\t1\tder Hund\t1\tchien (m)\t1\tperro (m)\t1\t1\n"
    "\n"
    "färg\t2\tcolour/color\t2\tdie Farbe\t2\tcouleur (f)\t2\tcolor (m)\t2\t1\n"
    "a\\tb\\\\c\\#\t\t\t\tœuvre\t5\tß\t\tñ\t-3\t0\n";

} // namespace

class TstDicttool : public QObject {
    Q_OBJECT
private slots:
    void escapesRoundTrip() {
        const QString text = QStringLiteral("#tab\there\\ and\nnew\rline");
        QString back;
        QVERIFY(tsv::unescape(tsv::escape(text), back));
        QCOMPARE(back, text);
        QVERIFY(!tsv::escape(text).contains(u'\t'));
        QVERIFY(!tsv::unescape(QStringLiteral("bad\\x"), back));
    }

    void importThenExportGivesTheSameText_data() {
        QTest::addColumn<bool>("enciphered");
        QTest::addRow("plain") << false;
        QTest::addRow("enciphered") << true;
    }
    void importThenExportGivesTheSameText() {
        QFETCH(bool, enciphered);
        QTemporaryDir dir;
        write(dir.filePath("in.tsv"), kWords);
        QStringList args{"import", dir.filePath("in.tsv"), dir.filePath("out.dct")};
        if (enciphered)
            args << "--enciphered";
        const Run imp = dicttool(args);
        QCOMPARE(imp.exitCode, 0);
        const Run exp = dicttool({"export", dir.filePath("out.dct")});
        QCOMPARE(exp.exitCode, 0);
        QByteArray expected = kWords;
        expected.replace("# animals\n", "").replace("\n\n", "\n");
        QCOMPARE(exp.out, expected);
        write(dir.filePath("again.tsv"), exp.out);
        QCOMPARE(dicttool({"import", dir.filePath("again.tsv"), dir.filePath("again.dct")}).exitCode, 0);
        QCOMPARE(dicttool({"export", dir.filePath("again.dct")}).out, exp.out);
        QFile f(dir.filePath("out.dct"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(2), enciphered ? QByteArray("\x01\x00", 2) : QByteArray("\x00\x00", 2));
    }

    void badDictionaryInput_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("message");
        const QByteArray good = "a\t1\tb\t1\tc\t1\td\t1\te\t1\t0\n";
        QTest::addRow("too few columns") << QByteArray("a\t1\tb\n") << "line 2: 3 columns instead of 11";
        QTest::addRow("level not whole") << QByteArray("a\t1.5\tb\t1\tc\t1\td\t1\te\t1\t0\n") << "line 2: the Swedish level";
        QTest::addRow("level too big") << QByteArray("a\t868\tb\t1\tc\t1\td\t1\te\t1\t0\n") << "line 2: the Swedish level";
        QTest::addRow("class not a number") << QByteArray("a\t1\tb\t1\tc\t1\td\t1\te\t1\tnoun\n") << "line 2: the word class";
        QTest::addRow("text too long") << QByteArray(QByteArray(868, 'x') + "\t1\tb\t1\tc\t1\td\t1\te\t1\t0\n") << "line 2: Swedish: the text is longer";
        QTest::addRow("not in the code page") << QByteArray("a\t1\tb\t1\tc\t1\tć\t1\te\t1\t0\n") << "line 2: French: the character";
        QTest::addRow("bad escape") << QByteArray("a\\q\t1\tb\t1\tc\t1\td\t1\te\t1\t0\n") << "line 2: a bad backslash";
        Q_UNUSED(good)
    }
    void badDictionaryInput() {
        QFETCH(QByteArray, line);
        QFETCH(QString, message);
        QTemporaryDir dir;
        write(dir.filePath("in.tsv"), "a\t1\tb\t1\tc\t1\td\t1\te\t1\t0\n" + line);
        const Run r = dicttool({"import", dir.filePath("in.tsv"), dir.filePath("out.dct")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(QString::fromUtf8(r.err).contains(dir.filePath("in.tsv") + ", " + message), r.err.constData());
        QVERIFY(!QFile::exists(dir.filePath("out.dct")));
    }

    void badInputLeavesAnOldOutputAlone() {
        QTemporaryDir dir;
        write(dir.filePath("out.dct"), "old");
        write(dir.filePath("in.tsv"), "a\t1\n");
        QCOMPARE(dicttool({"import", dir.filePath("in.tsv"), dir.filePath("out.dct")}).exitCode, 1);
        QFile f(dir.filePath("out.dct"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
        const Run missing = dicttool({"export", dir.filePath("none.dct")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("none.dct"));
    }

    void languageFileRoundTrip() {
        QTemporaryDir dir;
        const QByteArray texts = "0\tVokabrix\tVokabrix\tVokabrix\tVokabrix\tVokabrix\n"
                                 "# a comment\n"
                                 "350\tSlut &&\tE&xit\tBe&enden\tQ&uitter\tSal&ir\n";
        write(dir.filePath("lang.tsv"), texts);
        QCOMPARE(dicttool({"lang-import", dir.filePath("lang.tsv"), dir.filePath("LANG.CRP")}).exitCode, 0);
        const Run exp = dicttool({"lang-export", dir.filePath("LANG.CRP")});
        QCOMPARE(exp.exitCode, 0);
        QByteArray expected = texts;
        expected.replace("# a comment\n", "");
        QCOMPARE(exp.out, expected);
    }

    void badLanguageInput_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("message");
        QTest::addRow("number above 350") << QByteArray("351\ta\tb\tc\td\te\n") << "line 1: the text number \"351\"";
        QTest::addRow("negative number") << QByteArray("-1\ta\tb\tc\td\te\n") << "line 1: the text number";
        QTest::addRow("four texts") << QByteArray("3\ta\tb\tc\td\n") << "line 1: 5 columns instead of 6";
    }
    void badLanguageInput() {
        QFETCH(QByteArray, line);
        QFETCH(QString, message);
        QTemporaryDir dir;
        write(dir.filePath("lang.tsv"), line);
        const Run r = dicttool({"lang-import", dir.filePath("lang.tsv"), dir.filePath("LANG.CRP")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(!QFile::exists(dir.filePath("LANG.CRP")));
    }

    // The word-list commands: the dictionary out and back in again through each format,
    // and a text list whose columns are named on the command line.
    void wordLists_data() {
        QTest::addColumn<QStringList>("steps"); // commands over in.tsv and the files between
        QTest::addColumn<QByteArray>("expected");
        // The records a dictionary of the editor holds: levels 1 to 5 beside each word.
        const QByteArray words =
            "en hund\t1\tdog\t1\tder Hund\t1\tchien (m)\t1\tperro (m)\t1\t1\n"
            "färg\t2\tcolour/color\t2\tdie Farbe\t4\tcouleur (f)\t2\tcolor (m)\t5\t1\n"
            "œuvre\t3\t\t\tß\t3\t\t\tñ\t3\t0\n";
        QTest::addRow("KVTML") << QStringList{"import in.tsv in.dct",
                                              "export-kvtml in.dct list.kvtml",
                                              "import-kvtml list.kvtml out.dct"}
                               << words;
        QTest::addRow("text") << QStringList{"import in.tsv in.dct", "export-text in.dct list.txt",
                                             "import-text list.txt out.dct"}
                              << words;
        QTest::addRow("text with columns named")
            << QStringList{"import-text in.tsv out.dct --columns -,-,-,-,de,-,fr"}
            << QByteArray("\t\t\t\tder Hund\t3\tchien (m)\t3\t\t\t1\n"
                          "\t\t\t\tdie Farbe\t3\tcouleur (f)\t3\t\t\t1\n"
                          "\t\t\t\tœuvre\t3\tß\t3\t\t\t0\n");
    }
    void wordLists() {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        write(dir.filePath("in.tsv"), steps.size() == 1 ? kWords : expected);
        for (const QString& step : steps) {
            QStringList args = step.split(u' ');
            for (qsizetype i = 1; i < args.size(); ++i)
                if (!args[i].startsWith("--") && args[i - 1] != "--columns")
                    args[i] = dir.filePath(args[i]);
            const Run r = dicttool(args);
            QVERIFY2(r.exitCode == 0, r.err.constData());
        }
        QCOMPARE(dicttool({"export", dir.filePath("out.dct")}).out, expected);
    }

    void badWordLists_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("message");
        QTest::addRow("not KVTML") << QStringList{"import-kvtml", "in"} << QByteArray("<html/>")
                                   << "is not a KVTML word list";
        QTest::addRow("no header, no columns")
            << QStringList{"import-text", "in"} << QByteArray("Hund;dog\n")
            << "give them with --columns";
        QTest::addRow("columns naming nothing")
            << QStringList{"import-text", "in", "out", "--columns", "de,xx"}
            << QByteArray("Hund;dog\n") << "\"xx\" names no language";
    }
    void badWordLists() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QString, message);
        QTemporaryDir dir;
        write(dir.filePath("in"), input);
        args[1] = dir.filePath("in");
        if (args.size() == 2)
            args << "out";
        args[2] = dir.filePath("out");
        const Run r = dicttool(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(!QFile::exists(dir.filePath("out")));
    }

    void helpDescribesEveryCommand() {
        const Run r = dicttool({"--help"});
        QCOMPARE(r.exitCode, 0);
        for (const char* command :
             {"export", "import", "lang-export", "lang-import", "--enciphered", "import-kvtml",
              "export-kvtml", "import-text", "export-text", "--columns"})
            QVERIFY(r.out.contains(command));
    }
};

QTEST_GUILESS_MAIN(TstDicttool)
#include "tst_dicttool.moc"
