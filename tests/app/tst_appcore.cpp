// The application frame's rules without windows.
#include "app/appcore.h"

#include <QSet>
#include <QTest>

using namespace vx;

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
};

QTEST_GUILESS_MAIN(TstAppCore)
#include "tst_appcore.moc"
