// The data tool run as the build and a maintainer run it: the text forms back and forth, and
// bad input named by file and line that leaves an earlier output file alone.
#include "words/dictbuilder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename... T> void row(const char* name, const T&... values) {
    (QTest::addRow("%s", name) << ... << values);
}

// Records with every escape, an empty language, odd levels and classes.
const QByteArray kWords =
    "# animals\n"
    "en hund\t1\tdog\t1\tder Hund\t1\tchien (m)\t1\tperro (m)\t1\t1\n"
    "\n"
    "färg\t2\tcolour/color\t2\tdie Farbe\t4\tcouleur (f)\t2\tcolor (m)\t5\t1\n"
    "a\\tb\\\\c\\#\\n\\r\t\t\t\tœuvre\t5\tß\t\tñ\t-3\t0\n";
const QByteArray kExported = QByteArray(kWords).replace("# animals\n", "").replace("\n\n", "\n");
// Records as the editor keeps them, levels 1 to 5 beside each word.
const QByteArray kList = "en hund\t1\tdog\t1\tder Hund\t1\tchien (m)\t1\tperro (m)\t1\t1\n"
                         "färg\t2\tcolour/color\t2\tdie Farbe\t4\tcouleur (f)\t2\tcolor (m)\t5\t1\n"
                         "œuvre\t3\t\t\tß\t3\t\t\tñ\t3\t0\n";
const QByteArray kGood = "a\t1\tb\t1\tc\t1\td\t1\te\t1\t0\n";

} // namespace

class TstDicttool : public QObject {
    Q_OBJECT
private slots:
    // Commands run one after the other in a folder holding `input` as "in" and "old" as
    // "out"; the last one prints `expected`, or fails with it in its message.
    void commands_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QByteArray>("expected");
        const auto done = [](const char* name, const QByteArray& input, const QStringList& steps,
                             const QByteArray& expected) {
            row(name, input, steps + QStringList{"export out"}, false, expected);
        };
        const auto fails = [](const char* name, const QByteArray& input, const QString& step,
                              const char* message) {
            row(name, input, QStringList{step}, true, QByteArray(message));
        };
        done("dictionary", kWords, {"import in out"}, kExported);
        done("enciphered", kWords, {"import in out --enciphered"}, kExported);
        done("KVTML", kList, {"import in x", "export-kvtml x y", "import-kvtml y out"}, kList);
        done("text", kList, {"import in x", "export-text x y", "import-text y out"}, kList);
        done("text with columns named", kWords, {"import-text in out --columns -,-,-,-,de,-,fr"},
             "\t\t\t\tder Hund\t3\tchien (m)\t3\t\t\t1\n\t\t\t\tdie Farbe\t3\tcouleur "
             "(f)\t3\t\t\t1\n"
             "\t\t\t\tœuvre\t3\tß\t3\t\t\t0\n");
        const QByteArray texts = "0\tVokabrix\tVokabrix\tVokabrix\tVokabrix\tVokabrix\n# comment\n"
                                 "350\tSlut &&\tE&xit\tBe&enden\tQ&uitter\tSal&ir\n";
        row("language file", texts, QStringList{"lang-import in out", "lang-export out"}, false,
            QByteArray(texts).replace("# comment\n", ""));
        const auto bad = [&](const char* name, int cell, const QByteArray& value,
                             const char* message, const char* step = "import in out") {
            QList<QByteArray> cells = kGood.split('\t');
            cells[cell] = value;
            fails(name, kGood + cells.join('\t'), step, message);
        };
        fails("too few columns", kGood + "a\t1\tb\n", "import in out",
              "in, line 2: 3 columns instead of 11");
        bad("level not whole", 1, "1.5", "in, line 2: the Swedish level \"1.5\"");
        bad("level too big", 3, "868", "in, line 2: the English level \"868\"");
        bad("class not a number", 10, "noun\n", "in, line 2: the word class \"noun");
        bad("text too long", 0, QByteArray(868, 'x'), "in, line 2: Swedish: the text is longer");
        bad("not in the code page", 6, "ć", "in, line 2: French: the character \"ć\"");
        bad("bad escape", 4, "a\\q", "in, line 2: a bad backslash escape in the German text");
        bad("too long to encipher", 0, QByteArray(867, 'x'), "Swedish: the text is longer",
            "import in out --enciphered");
        fails("number above 350", "351\ta\tb\tc\td\te\n", "lang-import in out",
              "in, line 1: the text number \"351\"");
        fails("negative number", "-1\ta\tb\tc\td\te\n", "lang-import in out", "the text number");
        fails("four texts", "3\ta\tb\tc\td\n", "lang-import in out",
              "line 1: 5 columns instead of 6");
        fails("language text not stored", "3\ta\tb\tč\td\te\n", "lang-import in out",
              "German: the character \"č\"");
        fails("no dictionary", "", "export none", "none");
        fails("not KVTML", "<html/>", "import-kvtml in out", "is not a KVTML word list");
        fails("no header, no columns", "Hund;dog\n", "import-text in out",
              "give them with --columns");
        fails("columns naming nothing", "Hund;dog\n", "import-text in out --columns de,xx",
              "\"xx\" names no language");
    }
    void commands() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, steps);
        QFETCH(bool, fails);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        vx::test::writeFile(dir.filePath("in"), input);
        vx::test::writeFile(dir.filePath("out"), "old");
        QProcess p;
        for (const QString& step : steps) {
            QStringList args = step.split(u' ');
            for (qsizetype i = 1; i < args.size(); ++i)
                if (!args[i].startsWith("--") && args[i - 1] != "--columns")
                    args[i] = dir.filePath(args[i]);
            p.start(DICTTOOL_PATH, args);
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitCode(), step == steps.back() && fails ? 1 : 0);
        }
        if (!fails) {
            QCOMPARE(p.readAllStandardOutput(), expected);
        } else {
            const QByteArray err = p.readAllStandardError();
            QVERIFY2(err.contains(expected), err.constData());
            QCOMPARE(vx::test::readFile(dir.filePath("out")), QByteArray("old"));
        }
    }
};

QTEST_GUILESS_MAIN(TstDicttool)
#include "tst_dicttool.moc"
