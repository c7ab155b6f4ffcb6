// Quattro's rules: the confusability score rule by rule, the question draw's limits, and
// the judging of answers.
#include "exercises/quattro/quattro.h"
#include "storebuilder.h"

#include <QTest>

using namespace vx;
using namespace vx::test;

class TstQuattro : public QObject {
    Q_OBJECT
private slots:
    void candidateScore_data() {
        QTest::addColumn<QString>("fromC");
        QTest::addColumn<QString>("toC");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("wordClass");
        QTest::addColumn<int>("score");
        // The asked word: FROM "abc", TO "xyz", level 3, class 1.
        QTest::addRow("same level") << "mno" << "qrs" << 3 << 2 << 30;
        QTest::addRow("one level higher") << "mno" << "qrs" << 4 << 2 << 15;
        QTest::addRow("one level lower") << "mno" << "qrs" << 2 << 2 << 15;
        QTest::addRow("far level still scores") << "mno" << "qrs" << 5 << 2 << 15;
        QTest::addRow("same class") << "mno" << "qrs" << 4 << 1 << 25;
        QTest::addRow("first letter of TO, any case") << "Xno" << "qrs" << 4 << 2 << 25;
        QTest::addRow("first letter of FROM") << "amn" << "qrs" << 4 << 2 << 25;
        QTest::addRow("first letter of FROM is case-sensitive") << "Amn" << "qrs" << 4 << 2 << 15;
        QTest::addRow("only one first-letter rule") << "xmn" << "qrs" << 4 << 2 << 25;
        QTest::addRow("last letter of TO") << "mnz" << "qrs" << 4 << 2 << 20;
        QTest::addRow("second letter of TO") << "myq" << "qrs" << 4 << 2 << 25;
        QTest::addRow("second letter of FROM") << "mbq" << "qrs" << 4 << 2 << 20;
        QTest::addRow("all rules") << "xbz" << "qrs" << 3 << 1 << 30 + 10 + 10 + 5 + 5;
        QTest::addRow("same FROM zeroes") << "abc" << "qrs" << 3 << 1 << 0;
        QTest::addRow("same TO zeroes") << "xbz" << "xyz" << 3 << 1 << 0;
        QTest::addRow("already a choice zeroes") << "taken" << "qrs" << 3 << 1 << 0;
        // The boxes show bare words: a noun stored with its article repeats its bare word.
        QTest::addRow("same FROM but for its article zeroes") << "en abc"
                                                              << "qrs" << 3 << 1 << 0;
        QTest::addRow("a choice but for its article zeroes") << "ett taken"
                                                             << "qrs" << 3 << 1 << 0;
        QTest::addRow("an article only of nouns") << "en abc"
                                                  << "qrs" << 3 << 2 << 30;
    }
    void candidateScore() {
        QFETCH(QString, fromC);
        QFETCH(QString, toC);
        QFETCH(int, level);
        QFETCH(int, wordClass);
        QFETCH(int, score);
        WordStore s;
        const int w = addWord(s, "xyz", "abc", 3, 1);
        const int c = addWord(s, toC, fromC, level, wordClass);
        QuattroState state;
        state.Options[1] = QStringLiteral("taken");
        QCOMPARE(CandidateScore(s, c, w, state, 2, 1), score);
    }

    void choicesAfterTheBoxDoNotCount() {
        WordStore s;
        const int w = addWord(s, "xyz", "abc", 3, 1);
        const int c = addWord(s, "qrs", "taken", 3, 2);
        QuattroState state;
        state.Options[3] = QStringLiteral("taken");
        QCOMPARE(CandidateScore(s, c, w, state, 2, 1), 30);
        QCOMPARE(CandidateScore(s, c, w, state, 3, 1), 0);
    }

    void questionKeepsToTheLevel() {
        WordStore s;
        const int fitting = addWord(s, "der Hund", "en hund", 3, 1);
        for (int i = 0; i < 19; ++i)
            addWord(s, QStringLiteral("weit%1").arg(i), QStringLiteral("långt%1").arg(i), 5);
        Random rng;
        rng.seed(1);
        for (int round = 0; round < 30; ++round) {
            s.clearUsed();
            QuattroState state;
            NewQuestion(state, s, 30, 1, rng);
            QCOMPARE(state.QuestionWord, fitting);
            QVERIFY(s.isUsed(fitting));
            QVERIFY(state.CorrectOption >= 1 && state.CorrectOption <= 4);
            QCOMPARE(state.Options[state.CorrectOption], QStringLiteral("hund")); // without its article
            for (int n = 1; n <= 4; ++n)
                QVERIFY(!state.Options[n].isEmpty());
        }
    }

    void anyLevelWhenNoneFits() {
        WordStore s;
        for (int i = 0; i < 6; ++i)
            addWord(s, QStringLiteral("w%1").arg(i), QStringLiteral("o%1").arg(i), 5);
        Random rng;
        rng.seed(2);
        QuattroState state;
        NewQuestion(state, s, 5, 2, rng); // level 0.5: nothing fits, attempt 250 takes any
        QVERIFY(state.QuestionWord >= 1 && state.QuestionWord <= 6);
    }

    void usedWordsWaitTheir150Attempts() {
        WordStore s;
        for (int i = 0; i < 10; ++i)
            addWord(s, QStringLiteral("w%1").arg(i), QStringLiteral("o%1").arg(i), 3);
        Random rng;
        rng.seed(3);
        for (int round = 0; round < 20; ++round) {
            for (int i = 1; i <= 10; ++i)
                s.setUsed(i, i != 7);
            QuattroState state;
            NewQuestion(state, s, 30, 2, rng);
            QCOMPARE(state.QuestionWord, 7);
        }
    }

    void answers() {
        WordStore s;
        for (int i = 0; i < 8; ++i)
            addWord(s, QStringLiteral("w%1").arg(i), QStringLiteral("o%1").arg(i), 3);
        QuattroState state;
        qint32 right = 0;
        qint32 wrong = 0;
        QCOMPARE(AnswerBox(state, s, 1, false, right, wrong), QuattroAnswer::Ignored); // no question
        Random rng;
        rng.seed(4);
        NewQuestion(state, s, 30, 2, rng);
        const int correct = state.CorrectOption;
        const int other = correct % 4 + 1;
        QVERIFY(s.isUsed(state.QuestionWord));
        QCOMPARE(AnswerBox(state, s, other, false, right, wrong), QuattroAnswer::Wrong);
        QCOMPARE(state.BoxColor[other], kQuattroRed);
        QVERIFY(!s.isUsed(state.QuestionWord)); // a wrong answer lets the word come back
        QCOMPARE(AnswerBox(state, s, other, false, right, wrong), QuattroAnswer::Wrong);
        QCOMPARE(wrong, 2);
        QCOMPARE(AnswerBox(state, s, correct, false, right, wrong), QuattroAnswer::Right);
        QCOMPARE(state.BoxColor[correct], kQuattroGreen);
        // During the half second after a right answer every click is ignored.
        QCOMPARE(AnswerBox(state, s, other, true, right, wrong), QuattroAnswer::Ignored);
        QCOMPARE(AnswerBox(state, s, correct, true, right, wrong), QuattroAnswer::Ignored);
        QCOMPARE(right, 1);
        QCOMPARE(wrong, 2);
    }
};

QTEST_GUILESS_MAIN(TstQuattro)
#include "tst_quattro.moc"
