// The platform helpers: code page, blanks, case, numbers, rounding, the generator and the
// case-insensitive program folder.
#include "common/cp1252.h"
#include "common/programfolder.h"
#include "common/random.h"
#include "common/textconv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

class TstTextconv : public QObject {
    Q_OBJECT
private slots:
    void cp1252RoundTripsEveryByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QByteArray back;
        QVERIFY(toCp1252(fromCp1252(all), back));
        QCOMPARE(back, all);
        QCOMPARE(fromCp1252("\x80\x9c\xe9"), QStringLiteral("\u20ac\u0153\u00e9"));
    }
    void cp1252RefusesOtherCharacters() {
        QByteArray out;
        qsizetype bad = -1;
        QVERIFY(!toCp1252(QStringLiteral("ab\u0107c"), out, &bad)); // ć is not in the code page
        QCOMPARE(bad, 2);
        QVERIFY(!isCp1252(QStringLiteral("\u4e2d")));
    }

    void caseKeepsLength_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("upper");
        QTest::addRow("sharp s stays") << QStringLiteral("straße") << QStringLiteral("STRAßE");
        QTest::addRow("accents") << QStringLiteral("élève ñ å") << QStringLiteral("ÉLÈVE Ñ Å");
        QTest::addRow("ligature") << QStringLiteral("œuvre") << QStringLiteral("ŒUVRE");
    }
    void caseKeepsLength() {
        QFETCH(QString, in);
        QFETCH(QString, upper);
        QCOMPARE(ucase(in), upper);
        QCOMPARE(ucase(in).size(), in.size());
    }

    void blanksOnly() {
        QCOMPARE(trimBlanks(QStringLiteral("  a b \t")), QStringLiteral("a b \t"));
        QCOMPARE(trimBlanks(QStringLiteral("\n x ")), QStringLiteral("\n x"));
    }

    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addRow("blanks and digits") << QStringLiteral("  42abc") << 42.0;
        QTest::addRow("decimal point") << QStringLiteral("2.5") << 2.5;
        QTest::addRow("comma is no point") << QStringLiteral("2,5") << 2.0;
        QTest::addRow("negative") << QStringLiteral("-7") << -7.0;
        QTest::addRow("letters") << QStringLiteral("abc") << 0.0;
        QTest::addRow("empty") << QString() << 0.0;
        QTest::addRow("lone point") << QStringLiteral(".") << 0.0;
        QTest::addRow("second point ends") << QStringLiteral("1.2.3") << 1.2;
    }
    void val() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(vx::val(text), value);
    }

    void numberForms() {
        QCOMPARE(str(3), QStringLiteral(" 3"));
        QCOMPARE(str(0), QStringLiteral(" 0"));
        QCOMPARE(str(-1), QStringLiteral("-1"));
        QCOMPARE(str(2.5), QStringLiteral(" 2.5"));
        QCOMPARE(formatWhole(33.3333), QStringLiteral("33"));
        QCOMPARE(formatWhole(66.6667), QStringLiteral("67"));
        QCOMPARE(formatWhole(12.5), QStringLiteral("13"));
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("in");
        QTest::addColumn<qlonglong>("out");
        QTest::addRow("2.5") << 2.5 << 2LL;
        QTest::addRow("3.5") << 3.5 << 4LL;
        QTest::addRow("0.4") << 0.4 << 0LL;
        QTest::addRow("5.5") << 5.5 << 6LL;
        QTest::addRow("-2.5") << -2.5 << -2LL;
        QTest::addRow("166.67") << 166.666 << 167LL;
    }
    void roundHalfEven() {
        QFETCH(double, in);
        QFETCH(qlonglong, out);
        QCOMPARE(vx::roundHalfEven(in), out);
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
            QCOMPARE(x, b.rnd());
            QVERIFY(x >= 0.0 && x < 1.0);
        }
    }

    void folderIgnoresCase() {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("Vokabrix.dct")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const ProgramFolder folder(dir.path());
        QCOMPARE(folder.resolve(QStringLiteral("VOKABRIX.DCT")), f.fileName());
        QVERIFY(folder.exists(QStringLiteral("vokabrix.DCT")));
        QCOMPARE(folder.resolve(QStringLiteral("OWN.DCT")), dir.filePath(QStringLiteral("OWN.DCT")));
        QCOMPARE(folder.resolve(QStringLiteral("/tmp/x.dct")), QStringLiteral("/tmp/x.dct"));
    }
};

QTEST_GUILESS_MAIN(TstTextconv)
#include "tst_textconv.moc"
