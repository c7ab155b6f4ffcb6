// The platform helpers: code page, blanks, case, numbers, rounding and the generator.
#include "common/cp1252.h"
#include "common/random.h"
#include "common/textconv.h"

#include <QTest>

using namespace vx;

class TstTextconv : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(TstTextconv)
#include "tst_textconv.moc"
