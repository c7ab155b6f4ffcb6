// Worm's rules: uncovering, typing, buying letters and the bounded word picker.
#include "exercises/worm/worm.h"
#include "storebuilder.h"

#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

// A state with a word already chosen, as NewWord leaves it.
WormState stateFor(WordStore& s, const QString& to, int toLanguage, double startDraw = 0.0) {
    s = WordStore{};
    addWord(s, to, QStringLiteral("own"), 3, toLanguage == 2 ? 0 : 1);
    WormState state;
    Random rng;
    rng.script({0.0, startDraw});
    if (!NewWord(state, s, 30, 2, toLanguage, 40, rng))
        qFatal("no word");
    return state;
}

} // namespace

class TstWorm : public QObject {
    Q_OBJECT
private slots:
    void articlesStandBesideTheRow_data() {
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addRow("German") << "der Hund" << 3 << "HUND" << "der" << "";
        QTest::addRow("French") << "chien (m)" << 4 << "CHIEN" << "" << "(m)";
        QTest::addRow("Swedish") << "ett hus" << 1 << "HUS" << "ett" << "";
        QTest::addRow("English") << "dog" << 2 << "DOG" << "" << "";
    }
    void articlesStandBesideTheRow() {
        QFETCH(QString, to);
        QFETCH(int, language);
        QFETCH(QString, target);
        QFETCH(QString, before);
        QFETCH(QString, after);
        WordStore s;
        const WormState state = stateFor(s, to, language);
        QCOMPARE(state.Target, target);
        QCOMPARE(state.Shown.size(), target.size());
        QCOMPARE(state.ArtBefore, before);
        QCOMPARE(state.ArtAfter, after);
        QVERIFY(s.isUsed(1));
    }

    void startUncoversOneLetterAndMarks_data() {
        QTest::addColumn<QString>("to");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("shown");
        QTest::addRow("drawn letter everywhere") << "banana" << 0.2 << ".A.A.A";
        QTest::addRow("blank and apostrophe") << "o'clock now" << 0.0 << "O'..O.. .O.";
        QTest::addRow("full stop") << "etc." << 0.0 << "E...";
    }
    void startUncoversOneLetterAndMarks() {
        QFETCH(QString, to);
        QFETCH(double, draw);
        QFETCH(QString, shown);
        WordStore s;
        QCOMPARE(stateFor(s, to, 2, draw).Shown, shown);
    }

    void typing() {
        WordStore s;
        WormState state = stateFor(s, "banana", 2, 0.0); // B shown
        qint32 right = 0;
        qint32 wrong = 0;
        QCOMPARE(TypeLetter(state, s, u'b', right, wrong), WormKey::Repeated);
        QCOMPARE(TypeLetter(state, s, u'B', right, wrong), WormKey::Repeated);
        QCOMPARE(TypeLetter(state, s, u'a', right, wrong), WormKey::Right);
        QCOMPARE(state.Shown, QStringLiteral("BA.A.A"));
        QCOMPARE(right, 1); // three cells, one right answer
        QCOMPARE(TypeLetter(state, s, u'7', right, wrong), WormKey::Wrong);
        QCOMPARE(TypeLetter(state, s, u'x', right, wrong), WormKey::Wrong);
        QCOMPARE(wrong, 2);
        QVERIFY(!s.isUsed(1)); // a wrong answer lets the word come back
        QCOMPARE(TypeLetter(state, s, u' ', right, wrong), WormKey::Ignored);
        QCOMPARE(TypeLetter(state, s, u'.', right, wrong), WormKey::Repeated);
        QVERIFY(!state.complete());
        QCOMPARE(TypeLetter(state, s, u'n', right, wrong), WormKey::Right);
        QVERIFY(state.complete());
    }

    void wordWithAFullStopCanBeCompleted() {
        WordStore s;
        WormState state = stateFor(s, "etc.", 2, 0.0);
        qint32 right = 0;
        qint32 wrong = 0;
        TypeLetter(state, s, u't', right, wrong);
        TypeLetter(state, s, u'c', right, wrong);
        QVERIFY(state.complete());
        QCOMPARE(right, 2);
    }

    void buyingALetter() {
        WordStore s;
        WormState state = stateFor(s, "banana", 2, 0.0);
        qint32 wrong = 0;
        state.PointedLetter = 1; // B is already shown
        QVERIFY(!BuyLetter(state, s, wrong));
        QCOMPARE(wrong, 0);
        state.PointedLetter = 4;
        QVERIFY(BuyLetter(state, s, wrong));
        QCOMPARE(wrong, 3);
        QCOMPARE(state.Shown, QStringLiteral("BA.A.A"));
        QCOMPARE(state.LetterColor[4], kWormYellow);
        QCOMPARE(state.LetterColor[2], kWormWhite); // other occurrences keep white cells
        QVERIFY(!s.isUsed(1));
        QCOMPARE(PointedPosition(0, 204, 6), 1);
        QCOMPARE(PointedPosition(203.9, 204, 6), 6);
        QCOMPARE(PointedPosition(34, 204, 6), 2);
    }

    void pickerIsBounded() {
        WordStore s;
        addWord(s, QString(31, u'x'), "long", 3);
        addWord(s, QStringLiteral("die ") + QString(29, u'y'), "longer", 3, 1); // too wide for 20 cells
        WormState state;
        Random rng;
        rng.seed(5);
        QVERIFY(!NewWord(state, s, 30, 2, 3, 20, rng));
        QCOMPARE(state.WormWord, 0);
        // A word that exactly fills the row is taken.
        addWord(s, QString(20, u'z'), "fits", 3);
        QVERIFY(NewWord(state, s, 30, 2, 3, 20, rng));
        QCOMPARE(state.WormWord, 3);
    }
};

QTEST_GUILESS_MAIN(TstWorm)
#include "tst_worm.moc"
