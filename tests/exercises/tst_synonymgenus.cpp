// Synonym's board and links, and Genus's sets and answers.
#include "exercises/genus/genus.h"
#include "exercises/synonym/synonym.h"
#include "storebuilder.h"

#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

// Asks NewSynonymRound for one word with scripted draws and returns the slot taken.
int firstPick(WordStore& store, QList<double> draws, int slider = 30) {
    SynonymState s;
    Random rng;
    rng.script(draws);
    NewSynonymRound(s, store, slider, 2, rng);
    for (int i = 1; i <= store.wordCount; ++i)
        if (store.GetWord(i, 1) == s.RAD1[0])
            return i;
    return 0;
}

QList<double> drawsOf(int slot, int wordCount, int times) {
    return QList<double>(times, (slot - 0.5) / wordCount);
}

} // namespace

class TstSynonymGenus : public QObject {
    Q_OBJECT
private slots:
    void synonymLimits() {
        WordStore store;
        addWord(store, "far", "fern", 5, 0);  // 1: level too far from 3
        addWord(store, "near", "nah", 3, 0);  // 2: fits
        // 299 draws of the far word are refused; the 300th takes it.
        QCOMPARE(firstPick(store, drawsOf(1, 2, 299) + drawsOf(2, 2, 1)), 2);
        QCOMPARE(firstPick(store, drawsOf(1, 2, 300)), 1);
    }

    void synonymClassAndUsedLimits() {
        WordStore store;
        for (int i = 0; i < 10; ++i)
            addWord(store, QStringLiteral("noun%1").arg(i), QStringLiteral("n%1").arg(i), 3, 1);
        addWord(store, "verb", "v", 3, 3); // 11
        SynonymState s;
        Random rng;
        // Word 0 is noun 1; for word 1, 149 draws of the verb are refused, the 150th takes it.
        QList<double> draws = drawsOf(1, 11, 1) + drawsOf(11, 11, 149) + drawsOf(11, 11, 1);
        for (int k = 2; k < 10; ++k)
            draws << (k + 0.5) / 11;
        rng.script(draws);
        NewSynonymRound(s, store, 30, 2, rng);
        QCOMPARE(s.RAD1[0], QStringLiteral("noun0"));
        QCOMPARE(s.RAD1[1], QStringLiteral("verb"));
        // A word already on the board comes again only from the 500th draw.
        WordStore two;
        addWord(two, "a", "x", 3, 0);
        addWord(two, "b", "y", 3, 0);
        QList<double> again = drawsOf(1, 2, 1) + drawsOf(1, 2, 500);
        for (int k = 2; k < 10; ++k)
            again << 0.9;
        rng.script(again);
        SynonymState t;
        NewSynonymRound(t, two, 30, 2, rng);
        QCOMPARE(t.RAD1[1], QStringLiteral("a"));
    }

    void equalTranslationsLinkEitherWay() {
        SynonymState s;
        s.RAD1 = {"der Wagen", "das Auto"};
        s.Picture1 = {"car", "car"};
        s.RAD2 = {"car", "car"};
        s.Picture2 = {"der Wagen", "das Auto"};
        qint32 right = 0, wrong = 0;
        s.LinkActive = true;
        s.LinkSource = 0;
        QCOMPARE(LinkTo(s, 1, right, wrong), SynonymLink::Right);
        s.LinkActive = true;
        s.LinkSource = 1;
        QCOMPARE(LinkTo(s, 0, right, wrong), SynonymLink::Ignored); // row 0 is linked
        QCOMPARE(LinkTo(s, 1, right, wrong), SynonymLink::Right);
        QCOMPARE(right, 2);
    }

    void articleLabels_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("labels");
        QTest::addRow("Swedish") << 1 << QStringList{"", "en", "ett"};
        QTest::addRow("German") << 3 << QStringList{"der", "das", "die"};
        QTest::addRow("French") << 4 << QStringList{"", "(m)", "(f)"};
        QTest::addRow("Spanish") << 5 << QStringList{"", "(m)", "(f)"};
    }
    void articleLabels() {
        QFETCH(int, language);
        QFETCH(QStringList, labels);
        GenusState s;
        LabelArticles(s, language);
        QCOMPARE(QStringList(s.Articles.begin(), s.Articles.end()), labels);
    }

    void germanRowAnsweredWrong() {
        WordStore store;
        addWord(store, "der Hund", "en hund", 3, 1);
        GenusState s;
        LabelArticles(s, 3);
        ResetRows(s);
        Random rng;
        rng.seed(1);
        NewSet(s, store, 30, 1, 3, rng);
        QCOMPARE(s.GenusRows[0].ToBare, QStringLiteral("Hund"));
        QCOMPARE(s.GenusRows[0].FromBare, QStringLiteral("hund"));
        qint32 right = 0, wrong = 0;
        QCOMPARE(Answer(s, 0, "das", right, wrong), GenusAnswer::Wrong);
        QCOMPARE(wrong, 1);
        QVERIFY(!s.GenusRows[0].Replace);
        QCOMPARE(s.LabelVisible[0], (std::array<bool, 3>{true, false, false})); // only "der" left
        QCOMPARE(Answer(s, 0, "der", right, wrong), GenusAnswer::Ignored);
        QCOMPARE(right, 0);
    }

    void emptyLeftLabelCountsAsWrong() {
        WordStore store;
        addWord(store, "chien (m)", "dog", 3, 1);
        GenusState s;
        LabelArticles(s, 4);
        Random rng;
        rng.seed(2);
        NewSet(s, store, 30, 2, 4, rng);
        qint32 right = 0, wrong = 0;
        QCOMPARE(Answer(s, 0, s.Articles[0], right, wrong), GenusAnswer::Wrong);
        QCOMPARE(wrong, 1);
    }

    void onlyGenusNounsAreAsked() {
        WordStore store;
        addWord(store, "ciseaux (mpl)", "scissors", 3, 1);
        addWord(store, "journaliste (mf)", "journalist", 3, 1);
        addWord(store, "rouge", "red", 3, 2);
        addWord(store, "chat", "cat", 3, 1); // a noun stored without its mark
        GenusState s;
        Random rng;
        rng.seed(3);
        QCOMPARE(NewSet(s, store, 30, 2, 4, rng), 0); // the search ends; no row is filled
        for (const GenusRow& row : s.GenusRows)
            QVERIFY(row.RightArticle.isEmpty());
        qint32 right = 0, wrong = 0;
        QCOMPARE(Answer(s, 0, "(m)", right, wrong), GenusAnswer::Ignored);
    }

    void wrongRowsComeBack() {
        WordStore store;
        for (int i = 0; i < 60; ++i)
            addWord(store, QStringLiteral("die Sache%1").arg(i), QStringLiteral("sak%1").arg(i), 3, 1);
        GenusState s;
        Random rng;
        rng.seed(7);
        NewSet(s, store, 30, 1, 3, rng);
        qint32 right = 0, wrong = 0;
        QSet<int> wrongWords;
        for (int row : {1, 4, 8}) {
            Answer(s, row, "der", right, wrong);
            wrongWords << s.GenusRows[row].Word;
        }
        for (int row : {0, 2})
            Answer(s, row, "die", right, wrong);
        QSet<int> previous;
        for (const GenusRow& row : s.GenusRows)
            previous << row.Word;
        NewSet(s, store, 30, 1, 3, rng);
        QSet<int> now;
        for (int k = 0; k < kGenusRows; ++k) {
            now << s.GenusRows[k].Word;
            QVERIFY(s.GenusRows[k].Replace);
            QVERIFY(!s.GenusRows[k].Answered);
        }
        QVERIFY(now.contains(wrongWords));
        QCOMPARE((now & previous), wrongWords); // the seven others are new
    }
};

QTEST_GUILESS_MAIN(TstSynonymGenus)
#include "tst_synonymgenus.moc"
