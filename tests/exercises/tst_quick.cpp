// Quick's rules and the high-score lists.
#include "exercises/highscores/highscores.h"
#include "exercises/quick/quick.h"
#include "storebuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

QuickState playedState(long right, long wrong, long missed, int level) {
    QuickState s;
    s.RightCount = right;
    s.WrongClicks = wrong;
    s.MissedCount = missed;
    s.QuickLevel = level;
    return s;
}

HighScoreList listOf(const QList<int>& scores) {
    HighScoreList l;
    for (int k = 1; k <= 10; ++k) {
        l.lblScore[k] = k <= scores.size() ? QStringLiteral(" %1").arg(scores[k - 1]) : QStringLiteral(" 0");
        l.lblName[k] = QStringLiteral("n%1").arg(k);
    }
    return l;
}

} // namespace

class TstQuick : public QObject {
    Q_OBJECT
private slots:
    void score_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("missed");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("score");
        QTest::addRow("25 right, 5 wrong, slider 30") << 25 << 5 << 0 << 30 << 167;
        QTest::addRow("flawless at 5") << 25 << 0 << 0 << 5 << 100;
        QTest::addRow("flawless at 55") << 25 << 0 << 0 << 55 << 300;
        QTest::addRow("missed questions count") << 10 << 0 << 10 << 30 << 100;
        QTest::addRow("halves to even") << 1 << 7 << 0 << 5 << 12; // 12.5
        QTest::addRow("nothing yet") << 0 << 0 << 0 << 30 << 0;
    }
    void score() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(int, missed);
        QFETCH(int, level);
        QFETCH(int, score);
        QCOMPARE(QuickScore(playedState(right, wrong, missed, level)), score);
    }

    void gridAndClicks() {
        WordStore store;
        for (int i = 1; i <= 40; ++i)
            addWord(store, QStringLiteral("der Hund%1").arg(i), QStringLiteral("en hund%1").arg(i), 3, 1);
        store.SetWord(2, 1, QStringLiteral("der Hund1")); // two cells may hold the same text
        QuickState s;
        Random rng;
        rng.seed(9);
        BuildGrid(s, store, 30, true, 1, rng);
        for (int cell = 1; cell <= 25; ++cell) {
            QVERIFY(s.CellText[cell].startsWith(QStringLiteral("der Hund")));
            QVERIFY(s.CellQuestion[cell].startsWith(QStringLiteral("hund"))); // without its article
        }
        QCOMPARE(QuickCellNumber(1, 5), 5);
        QCOMPARE(QuickCellNumber(2, 1), 6);
        QCOMPARE(s.QuickLevel, 30);
        QCOMPARE(ClickCell(s, 3), QuickClick::Ignored); // no question yet
        NextQuestion(s, rng);
        const int asked = s.QuickCell;
        const int other = asked % 25 + 1;
        s.CellText[other] = QStringLiteral("different");
        QCOMPARE(ClickCell(s, other), QuickClick::Wrong);
        QCOMPARE(s.WrongClicks, 1L);
        s.CellText[other] = s.QuickAnswer; // a cell with the same text counts as right
        QCOMPARE(ClickCell(s, other), QuickClick::Right);
        QVERIFY(s.CellDone[other]);
        QCOMPARE(ClickCell(s, other), QuickClick::Ignored); // a green cell does nothing
        QCOMPARE(s.RightCount, 1L);
    }

    void intervals() {
        QuickState s;
        s.QuickCell = 1;
        s.CellText.fill(QStringLiteral("x"));
        s.QuickAnswer = QStringLiteral("x");
        Random rng;
        rng.seed(1);
        QCOMPARE(s.Interval, 6000);
        QCOMPARE(ClickCell(s, 1), QuickClick::Right);
        QCOMPARE(s.Interval, 5000);
        QCOMPARE(Tick(s, rng), QuickTick::Next);
        QCOMPARE(s.Interval, 5500); // about 0.917 of 6000 after a right answer
        QCOMPARE(s.MissedCount, 0L);
        Tick(s, rng); // the question was missed
        QCOMPARE(s.Interval, 6050);
        QCOMPARE(s.MissedCount, 1L);
        for (int i = 0; i < 40; ++i)
            Tick(s, rng);
        QCOMPARE(s.Interval, kQuickMaxInterval); // it stops growing there
        Tick(s, rng);
        QCOMPARE(s.Interval, kQuickMaxInterval);
    }

    void gameEndsAt25() {
        QuickState s;
        s.QuickCell = 1;
        s.RightCount = 25;
        s.CellDone.fill(true);
        Random rng;
        QCOMPARE(Tick(s, rng), QuickTick::GameOver);
        QuickState idle;
        QCOMPARE(Tick(idle, rng), QuickTick::Idle);
    }

    void ranks_data() {
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("rank");
        QTest::addRow("below an equal score") << QList<int>{300, 200, 100} << 200 << 3;
        QTest::addRow("lower than all ten") << QList<int>{10, 10, 10, 10, 10, 10, 10, 10, 10, 10} << 5 << 0;
        QTest::addRow("0 never enters") << QList<int>{} << 0 << 0;
        QTest::addRow("1 enters an empty list") << QList<int>{} << 1 << 1;
        QTest::addRow("first place") << QList<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 1} << 50 << 1;
    }
    void ranks() {
        QFETCH(QList<int>, scores);
        QFETCH(int, score);
        QFETCH(int, rank);
        HighScoreList l = listOf(scores);
        const HighScoreList before = l;
        QCOMPARE(AddHighScore(l, score), rank);
        if (rank == 0) {
            QCOMPARE(l.lblScore, before.lblScore);
            return;
        }
        QCOMPARE(l.lblScore[rank], QStringLiteral(" %1").arg(score));
        QVERIFY(l.lblName[rank].isEmpty());
        for (int k = rank + 1; k <= 10; ++k) // everything below moves down; rank 10 falls off
            QCOMPARE(l.lblName[k], before.lblName[k - 1]);
    }

    void fileRoundTrip() {
        HighScoreList l = listOf({120, 80});
        l.lblName[1] = QStringLiteral("Anna, Berit");
        l.lblName[2] = QStringLiteral("say \"hi\"");
        l.lblName[3].clear();
        const HighScoreList back = ReadHighScoreBytes(WriteHighScoreBytes(l));
        QCOMPARE(back.lblName[1], QStringLiteral("Anna, Berit"));
        QCOMPARE(back.lblName[2], QStringLiteral("say 'hi'"));
        QCOMPARE(back.lblScore[1], QStringLiteral(" 120"));
        QCOMPARE(back.lblScore[3], QStringLiteral(" 0"));
        QVERIFY(back.lblName[3].isEmpty());
        QCOMPARE(WriteHighScoreBytes(listOf({7})).left(8), QByteArray(" 7\r\nn1\r\n"));
    }

    // A list read from any file is written so that it reads back as it was: names with line
    // ends (from a quoted field) or blanks at an edge must not shift the ranks below them.
    void readListsWriteBack_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addRow("line end in a quoted name")
            << QByteArray(" 120\r\nEva\r\n 95\r\n\"\xff""\xff""\x0b""\n 0\r\n\r\"\r\n 40\r\n\r\n 0\r\n\r\n 0\r\n\r\n 0\r\n\r\n ");
        QTest::addRow("blanks around a quoted name") << QByteArray(" 50\r\n\"  Eva \"\r\n 40\r\nOla\r\n");
        QTest::addRow("tab before a quoted name") << QByteArray(" 50\r\n\"\tEva\"\r\n 40\r\nOla\r\n");
    }
    void readListsWriteBack() {
        QFETCH(QByteArray, file);
        const HighScoreList read = ReadHighScoreBytes(file);
        const HighScoreList back = ReadHighScoreBytes(WriteHighScoreBytes(read));
        QCOMPARE(back.lblScore, read.lblScore);
        QCOMPARE(back.lblName, read.lblName);
    }

    void handWrittenAndMissingFiles() {
        const HighScoreList hand = ReadHighScoreBytes("25\r\nEva\r\n12\r\nOla\r\n");
        QCOMPARE(hand.lblScore[1], QStringLiteral(" 25"));
        QCOMPARE(hand.lblName[2], QStringLiteral("Ola"));
        QCOMPARE(hand.lblScore[3], QStringLiteral(" 12")); // the values read last stay
        QTemporaryDir dir;
        const HighScoreList none = ReadHighScores(ProgramFolder(dir.path()), highScoreFileName(3));
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(none.lblScore[k], QStringLiteral(" 0"));
            QVERIFY(none.lblName[k].isEmpty());
        }
    }

    void listsPerLanguageAndCase() {
        QTemporaryDir dir;
        const ProgramFolder folder(dir.path());
        QString error;
        QVERIFY(WriteHighScores(folder, highScoreFileName(3), listOf({50}), error));
        QVERIFY(WriteHighScores(folder, highScoreFileName(4), listOf({70}), error));
        QVERIFY(QFile::exists(dir.filePath("Quick03.HGH")));
        // The end of a game names the file in capitals; it reaches the same list.
        QCOMPARE(ReadHighScores(folder, highScoreFileName(3, "QUICK")).lblScore[1], QStringLiteral(" 50"));
        QCOMPARE(ReadHighScores(folder, highScoreFileName(4)).lblScore[1], QStringLiteral(" 70"));
        QVERIFY(WriteHighScores(folder, highScoreFileName(3, "QUICK"), listOf({60}), error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TstQuick)
#include "tst_quick.moc"
