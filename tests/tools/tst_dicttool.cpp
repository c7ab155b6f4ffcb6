// The data tool run as the build and a maintainer run it: the text forms back and forth, and
// bad input named by file and line that leaves an earlier output file alone.
#include "exchange/tablerows.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

// A cell, or the file beside the table that "@name" names.
QByteArray cell(const QString& c) {
    return c.startsWith(u'@') ? vx::test::readFile(VOKABRIX_TEST_DIR "/" + c.mid(1)) : c.toUtf8();
}

} // namespace

class TstDicttool : public QObject {
    Q_OBJECT
private slots:
    void commands_data() { vx::test::addTableRows(VOKABRIX_TEST_DIR "/commands.tsv"); }
    void commands() {
        QFETCH(QStringList, c); // input, commands, fails, output or message
        const QStringList steps = c[1].split(u'|');
        const bool fails = c[2] == "fails";
        QTemporaryDir dir;
        vx::test::writeFile(dir.filePath("in"), cell(c[0]));
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
        const QByteArray out = fails ? p.readAllStandardError() : p.readAllStandardOutput();
        QVERIFY2(fails ? out.contains(cell(c[3])) : out == cell(c[3]), out.constData());
        QVERIFY(!fails || vx::test::readFile(dir.filePath("out")) == "old");
    }
};

QTEST_GUILESS_MAIN(TstDicttool)
#include "tst_dicttool.moc"
