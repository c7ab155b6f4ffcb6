// The application frame's rules without windows.
#include "app/appcore.h"

#include <QTest>

using namespace vx;

class TstAppCore : public QObject {
    Q_OBJECT
private slots:
    void nextPracticeLanguage_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("next");
        QTest::addRow("own 1, practised 5") << 1 << 5 << 2;
        QTest::addRow("own 2, practised 1") << 2 << 1 << 3;
        QTest::addRow("own 5, practised 4") << 5 << 4 << 1;
        QTest::addRow("own 3, practised 2") << 3 << 2 << 4;
        QTest::addRow("own 4, practised 5") << 4 << 5 << 1;
    }
    void nextPracticeLanguage() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, next);
        QCOMPARE(NextPracticeLanguage(to, from), next);
        // Repeated presses visit the four practised languages and come back.
        int code = to;
        for (int i = 0; i < 4; ++i) {
            code = NextPracticeLanguage(code, from);
            QVERIFY(code != from && code >= 1 && code <= 5);
        }
        QCOMPARE(code, to);
    }

    void colourTables_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QColor>("back2");
        QTest::addColumn<QColor>("accent1");
        QTest::addRow("palette screen") << 8 << QColor(255, 255, 255) << QColor(255, 255, 128);
        QTest::addRow("nine bits") << 9 << QColor(220, 230, 235) << QColor(236, 214, 144);
        QTest::addRow("true colour") << 24 << QColor(220, 230, 235) << QColor(236, 214, 144);
    }
    void colourTables() {
        QFETCH(int, bits);
        QFETCH(QColor, back2);
        QFETCH(QColor, accent1);
        ColorTables t;
        t.fill(bits);
        QCOMPARE(t.back(2), back2);
        QCOMPARE(t.accent(1), accent1);
        QCOMPARE(t.back(7), t.back(1)); // a scheme outside 1..4 is taken as 1
        if (bits <= 8)
            QCOMPARE(t.accent(3), QColor(192, 192, 192));
    }

    void exerciseTable() {
        QCOMPARE(exerciseInfo(0), nullptr);
        QCOMPARE(exerciseInfo(8), nullptr);
        TextTable texts;
        for (int n = 0; n <= kLastTextNumber; ++n)
            texts.uiText[n] = QString::number(n);
        QCOMPARE(exerciseTitle(*exerciseInfo(3), texts), QStringLiteral("T E M P O"));
        QCOMPARE(exerciseTitle(*exerciseInfo(7), texts), QStringLiteral("306"));
        QCOMPARE(exerciseInstructions(Exercise::Crossword, texts),
                 QStringLiteral("201\r\n\r\n202 203\r\n\r\n205 204"));
        QCOMPARE(exerciseInstructions(Exercise::Verb, texts), QStringLiteral("220\r\n\r\n221\r\n\r\n222"));
        QCOMPARE(exerciseInfo(6)->minimumWords, 5);
        QCOMPARE(exerciseInfo(4)->minimumWords, 50);
        QCOMPARE(verbFileName(3), QStringLiteral("VERB03.TXT"));
    }
};

QTEST_GUILESS_MAIN(TstAppCore)
#include "tst_appcore.moc"
