// The drills' rules without windows: the scores, Quattro's confusable choices, Worm's
// letters, Quick's pace, the high-score lists, the draws of Synonym and Genus, Genus's
// articles and the verb files.
#include "exercises/common/score.h"
#include "exercises/genus/genus.h"
#include "exercises/highscores/highscores.h"
#include "exercises/quattro/quattro.h"
#include "exercises/quick/quick.h"
#include "exercises/synonym/synonym.h"
#include "exercises/verb/verbs.h"
#include "exercises/worm/worm.h"
#include "storebuilder.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

// `times` scripted draws that each take word `slot` of a store of `count` words.
QList<double> picks(int slot, int count, int times) {
    return QList<double>(times, (slot - 0.5) / count);
}

// A Worm state over a store of one word, as NewWord leaves it.
WormState wormFor(WordStore& s, const QString& to, int language, double letterDraw = 0.0) {
    addWord(s, to, QStringLiteral("own"), 3, language == 2 ? 0 : 1);
    WormState state;
    Random rng;
    rng.script({0.0, letterDraw});
    if (!NewWord(state, s, 30, 2, language, 40, rng))
        qFatal("no word");
    return state;
}

HighScoreList listOf(const QList<int>& scores) {
    HighScoreList l;
    for (int k = 1; k <= 10; ++k) {
        l.lblScore[k] = QStringLiteral(" %1").arg(k <= scores.size() ? scores[k - 1] : 0);
        l.lblName[k] = QStringLiteral("n%1").arg(k);
    }
    return l;
}

struct Scores {
    long right, wrong, missed;
    int level, quick;
    QString labels; // the share of right answers shown beside every drill
};
struct WriteBack {
    QByteArray file;
    QString name, last; // of rank 2; the score of rank 10
};
struct Candidate {
    QString own, practised;
    int level, wordClass, box, score;
};
struct Question {
    QList<int> levels; // one word of each
    int unused;        // every other word is used; 0: none is
    int slider, asked; // asked 0: any word
};
struct Worm {
    QString word, keys, did, shown; // did: R right, W wrong, = shown already, - ignored
    int language = 2;
    double draw = 0.0; // of the letter shown first
    QString articles = "|";
};
struct SynonymDraws {
    QList<int> levels, classes;
    QList<double> draws;
    int row, word;
};
struct Genus {
    QString practised;
    int language, wordClass;
    QString labels;
    int label; // clicked
    GenusAnswer answer;
    QString left; // the labels still visible
};

} // namespace

class TstDrills : public QObject {
    Q_OBJECT
private slots:
    void scores_data() {
        QTest::addColumn<Scores>("c");
        QTest::addRow("nothing yet") << Scores{0, 0, 0, 30, 0, "0"};
        QTest::addRow("halves") << Scores{1, 7, 0, 5, 12, "13"}; // 12.5: to even, and up
        QTest::addRow("two thirds") << Scores{2, 1, 0, 30, 133, "67"};
        QTest::addRow("missed questions count") << Scores{10, 0, 10, 30, 100, "100"};
        QTest::addRow("flawless at 55") << Scores{25, 0, 0, 55, 300, "100"};
    }
    void scores() {
        QFETCH(Scores, c);
        QuickState s;
        s.RightCount = c.right;
        s.WrongClicks = c.wrong;
        s.MissedCount = c.missed;
        s.QuickLevel = c.level;
        QCOMPARE(QuickScore(s), c.quick);
        QCOMPARE(scoreTexts(c.right, c.wrong).score, c.labels);
    }

    // The asked word is "abc" for "xyz", level 3, class 1; box 2 already shows "taken".
    void quattroCandidateScore_data() {
        QTest::addColumn<Candidate>("c");
        QTest::addRow("same level") << Candidate{"mno", "qrs", 3, 2, 2, 30};
        QTest::addRow("one level higher") << Candidate{"mno", "qrs", 4, 2, 2, 15};
        QTest::addRow("one level lower") << Candidate{"mno", "qrs", 2, 2, 2, 15};
        QTest::addRow("same class") << Candidate{"mno", "qrs", 4, 1, 2, 25};
        QTest::addRow("first letter of TO, any case") << Candidate{"Xno", "qrs", 4, 2, 2, 25};
        QTest::addRow("first letter of FROM") << Candidate{"amn", "qrs", 4, 2, 2, 25};
        QTest::addRow("FROM's is case-sensitive") << Candidate{"Amn", "qrs", 4, 2, 2, 15};
        QTest::addRow("last letter of TO") << Candidate{"mnz", "qrs", 4, 2, 2, 20};
        QTest::addRow("second letter of TO") << Candidate{"myq", "qrs", 4, 2, 2, 25};
        QTest::addRow("second letter of FROM") << Candidate{"mbq", "qrs", 4, 2, 2, 20};
        QTest::addRow("all rules") << Candidate{"xbz", "qrs", 3, 1, 2, 60};
        QTest::addRow("same FROM zeroes") << Candidate{"abc", "qrs", 3, 1, 2, 0};
        QTest::addRow("same TO zeroes") << Candidate{"xbz", "xyz", 3, 1, 2, 0};
        QTest::addRow("a choice shown zeroes") << Candidate{"taken", "qrs", 3, 2, 2, 0};
        QTest::addRow("a choice after the box") << Candidate{"taken", "qrs", 3, 2, 1, 30};
        // The boxes show bare words: a noun stored with its article repeats its bare word.
        QTest::addRow("same FROM but its article") << Candidate{"en abc", "qrs", 3, 1, 2, 0};
        QTest::addRow("a choice but its article") << Candidate{"ett taken", "qrs", 3, 1, 2, 0};
        QTest::addRow("articles only of nouns") << Candidate{"en abc", "qrs", 3, 2, 2, 30};
    }
    void quattroCandidateScore() {
        QFETCH(Candidate, c);
        WordStore s;
        addWord(s, "xyz", "abc", 3, 1);
        addWord(s, c.practised, c.own, c.level, c.wordClass);
        QuattroState state;
        state.Options[2] = QStringLiteral("taken");
        QCOMPARE(CandidateScore(s, 2, 1, state, c.box, 1), c.score);
    }

    // The asked word keeps to the level for 249 draws and skips used words for 149; a wrong
    // answer lets it come back.
    void quattroQuestion_data() {
        QTest::addColumn<Question>("c");
        QTest::addRow("the one word of the level") << Question{{5, 5, 3, 5, 5, 5}, 0, 30, 3};
        QTest::addRow("the one word not used") << Question{QList<int>(10, 3), 7, 30, 7};
        QTest::addRow("any when none fits") << Question{QList<int>(6, 5), 0, 5, 0};
    }
    void quattroQuestion() {
        QFETCH(Question, c);
        WordStore s;
        for (int level : c.levels)
            addWord(s, QStringLiteral("das W%1").arg(s.wordCount + 1),
                    QStringLiteral("ett o%1").arg(s.wordCount + 1), level, 1);
        Random rng;
        qint32 right = 0, wrong = 0;
        for (int round = 0; round < 20; ++round) {
            for (int i = 1; i <= s.wordCount; ++i)
                s.setUsed(i, c.unused != 0 && i != c.unused);
            QuattroState state;
            NewQuestion(state, s, c.slider, 1, rng);
            QVERIFY(c.asked == 0 || state.QuestionWord == c.asked);
            QVERIFY(s.isUsed(state.QuestionWord));
            QCOMPARE(state.Options[state.CorrectOption],
                     QStringLiteral("o%1").arg(state.QuestionWord));
            AnswerBox(state, s, state.CorrectOption % 4 + 1, false, right, wrong);
            QVERIFY(!s.isUsed(state.QuestionWord));
        }
    }

    // When every draw repeats the asked word, the boxes still show four different words.
    void quattroDrawsOnlyRepeats() {
        WordStore s;
        for (int i = 1; i <= 4; ++i)
            addWord(s, QStringLiteral("W%1").arg(i), QStringLiteral("o%1").arg(i), 3, 1);
        Random rng;
        rng.script(QList<double>(1502, 0.0)); // word 1 asked in box 1, then drawn 1500 times
        QuattroState state;
        NewQuestion(state, s, 30, 1, rng);
        QCOMPARE(state.Options[1] + state.Options[2] + state.Options[3] + state.Options[4],
                 QStringLiteral("o1o2o3o4"));
    }

    // A new word: its row without the article, the article beside it, the drawn letter and
    // the marks uncovered; then the keys typed on it.
    void wormKeys_data() {
        QTest::addColumn<Worm>("c");
        QTest::addRow("German") << Worm{"der Hund", "xhd", "W=R", "H..D", 3, 0.0, "der|"};
        QTest::addRow("French") << Worm{"chien (m)", "", "", "C....", 4, 0.0, "|(m)"};
        QTest::addRow("Swedish") << Worm{"ett hus", "", "", "H..", 1, 0.0, "ett|"};
        QTest::addRow("one key opens three cells") << Worm{"banana", "bBa7", "==RW", "BA.A.A"};
        QTest::addRow("drawn letter everywhere") << Worm{"banana", "", "", ".A.A.A", 2, 0.2};
        QTest::addRow("blank and full stop") << Worm{"banana", " .an", "-=RR", "BANANA"};
        QTest::addRow("blank and apostrophe") << Worm{"o'clock now", "", "", "O'..O.. .O."};
        QTest::addRow("a full stop of the word") << Worm{"etc.", "tc", "RR", "ETC."};
    }
    void wormKeys() {
        QFETCH(Worm, c);
        WordStore s;
        WormState state = wormFor(s, c.word, c.language, c.draw);
        QCOMPARE(state.ArtBefore + u'|' + state.ArtAfter, c.articles);
        qint32 right = 0, wrong = 0;
        QString did;
        for (QChar key : c.keys)
            did +=
                QStringLiteral("-=WR")[static_cast<int>(TypeLetter(state, s, key, right, wrong))];
        QCOMPARE(did, c.did);
        QCOMPARE(state.Shown, c.shown);
        QCOMPARE(right, c.did.count(u'R'));
        QCOMPARE(wrong, c.did.count(u'W'));
        QCOMPARE(s.isUsed(1), wrong == 0); // a wrong answer lets the word come back
    }

    void wormBuysALetter() {
        WordStore s;
        WormState state = wormFor(s, "banana", 2);
        qint32 wrong = 0;
        state.PointedLetter = 1; // B is shown
        QVERIFY(!BuyLetter(state, s, wrong));
        state.PointedLetter = 4;
        QVERIFY(BuyLetter(state, s, wrong));
        QCOMPARE(wrong, 3);
        QCOMPARE(state.Shown, QStringLiteral("BA.A.A"));
        QCOMPARE(state.LetterColor[4], kWormYellow);
        QCOMPARE(state.LetterColor[2], kWormWhite); // the other A cells stay white
        QVERIFY(!s.isUsed(1));
        QCOMPARE(QList<int>({PointedPosition(0, 204, 6), PointedPosition(34, 204, 6),
                             PointedPosition(203.9, 204, 6)}),
                 QList<int>({1, 2, 6}));
    }

    void wormWordsFitTheRow() {
        WordStore s;
        addWord(s, QString(31, u'x'), "long");
        addWord(s, QStringLiteral("die ") + QString(29, u'y'), "longer", 3, 1); // 33 cells
        WormState state;
        Random rng;
        QVERIFY(!NewWord(state, s, 30, 2, 3, 20, rng));
        QCOMPARE(state.WormWord, 0);
        addWord(s, QString(20, u'z'), "fits"); // exactly fills the row
        QVERIFY(NewWord(state, s, 30, 2, 3, 20, rng));
        QCOMPARE(state.WormWord, 3);
    }

    // A word already asked comes again only when 199 draws found none other.
    void wormDrawsUsedWordsLast() {
        WordStore s;
        addWord(s, "aaa", "a");
        addWord(s, "bbb", "b");
        s.setUsed(1, true);
        WormState state;
        Random rng;
        rng.script(picks(1, 2, 200) + picks(2, 2, 1));
        QVERIFY(NewWord(state, s, 30, 2, 2, 20, rng));
        QCOMPARE(state.WormWord, 1);
    }

    // A right click quickens the pace, a missed question slows it, up to a limit.
    void quickPace() {
        QuickState s;
        s.CellText.fill(QStringLiteral("x"));
        s.CellText[2] = QStringLiteral("y");
        Random rng;
        QCOMPARE(ClickCell(s, 1), QuickClick::Ignored); // no question yet
        QCOMPARE(Tick(s, rng), QuickTick::Idle);
        s.QuickCell = 1;
        s.QuickAnswer = QStringLiteral("x");
        s.Interval = 6000; // the idle tick lengthened it
        QCOMPARE(ClickCell(s, 2), QuickClick::Wrong);
        QCOMPARE(ClickCell(s, 3), QuickClick::Right); // the same text as the asked cell
        QVERIFY(s.CellDone[1] && s.CellDone[3]);
        QCOMPARE(ClickCell(s, 3), QuickClick::Ignored);
        QCOMPARE(s.Interval, 5000);
        QCOMPARE(Tick(s, rng), QuickTick::Next);
        QCOMPARE(s.Interval, 5500);
        QCOMPARE(s.MissedCount, 0L);
        Tick(s, rng); // the question was missed
        QCOMPARE(s.Interval, 6050);
        QCOMPARE(s.MissedCount, 1L);
        for (int i = 0; i < 40; ++i)
            Tick(s, rng);
        QCOMPARE(s.Interval, kQuickMaxInterval);
        s.CellDone.fill(true);
        QCOMPARE(Tick(s, rng), QuickTick::GameOver);
    }

    void highScoreRanks_data() {
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("rank");
        QTest::addRow("below an equal score") << QList<int>{300, 200, 100} << 200 << 3;
        QTest::addRow("lower than all ten") << QList<int>(10, 10) << 5 << 0;
        QTest::addRow("0 never enters") << QList<int>{} << 0 << 0;
        QTest::addRow("1 enters an empty list") << QList<int>{} << 1 << 1;
        QTest::addRow("first place") << QList<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 1} << 50 << 1;
    }
    void highScoreRanks() {
        QFETCH(QList<int>, scores);
        QFETCH(int, score);
        QFETCH(int, rank);
        HighScoreList l = listOf(scores);
        const HighScoreList before = l;
        QCOMPARE(AddHighScore(l, score), rank);
        QCOMPARE(l.lblScore[qMax(rank, 1)] + l.lblName[qMax(rank, 1)],
                 rank ? QStringLiteral(" %1").arg(score) : before.lblScore[1] + "n1");
        for (int k = rank + 1; rank && k <= 10; ++k) // the ranks below move down; 10 falls off
            QCOMPARE(l.lblName[k], before.lblName[k - 1]);
    }

    // A list read from any file is written so that it reads back as it was: a name must not
    // lose its blanks or shift the ranks below it; ranks missing from a file repeat the last.
    void highScoresWriteBack_data() {
        QTest::addColumn<WriteBack>("c");
        const QByteArray top = " 50\r\nEva\r\n 40\r\n";
        QTest::addRow("a comma") << WriteBack{top + "\"Anna, Berit\"\r\n", "Anna, Berit", " 40"};
        QTest::addRow("a line end")
            << WriteBack{" 120\r\nEva\r\n 95\r\n\"\xff\xff\x0b\n 0\r\n\r\"\r\n 40\r\n\r\n ",
                         "\u00ff\u00ff\u000b\n 0\r\n\r", " 0"};
        QTest::addRow("a blank before") << WriteBack{top + "\" Ola\"\r\n", " Ola", " 40"};
        QTest::addRow("a blank after") << WriteBack{top + "\"Ola \"\r\n", "Ola ", " 40"};
        QTest::addRow("no blanks") << WriteBack{"25\r\nEva\r\n12\r\nOla\r\n", "Ola", " 12"};
        // A score outside 16 bits is a damaged line: the ranks keep the score read before it.
        QTest::addRow("40000") << WriteBack{" 25\r\nEva\r\n 40000\r\nBig\r\n", "Big", " 25"};
        QTest::addRow("-32769") << WriteBack{" 25\r\nEva\r\n-32769\r\nBig\r\n", "Big", " 25"};
        QTest::addRow("text") << WriteBack{" 25\r\nEva\r\nmany\r\nBig\r\n", "Big", " 25"};
        QTest::addRow("32767") << WriteBack{" 25\r\nEva\r\n 32767\r\nBig\r\n", "Big", " 32767"};
        QTest::addRow("-32768") << WriteBack{" 25\r\nEva\r\n-32768\r\nBig\r\n", "Big", "-32768"};
    }
    void highScoresWriteBack() {
        QFETCH(WriteBack, c);
        const HighScoreList read = ReadHighScoreBytes(c.file);
        QCOMPARE(read.lblName[2], c.name);
        QCOMPARE(read.lblScore[10], c.last);
        const HighScoreList back = ReadHighScoreBytes(WriteHighScoreBytes(read));
        QCOMPARE(back.lblScore, read.lblScore);
        QCOMPARE(back.lblName, read.lblName);
        HighScoreList quoted = listOf({7});
        quoted.lblName[2] = QStringLiteral("say \"hi\"");
        QVERIFY(
            WriteHighScoreBytes(quoted).startsWith(" 7\r\nn1\r\n 0\r\n\"say 'hi'\"\r\n 0\r\nn3"));
    }

    // Ten words are drawn near the slider's level (299 draws refused), of the first word's
    // class (149) and not yet on the board (499).
    void synonymDraws_data() {
        QTest::addColumn<SynonymDraws>("c");
        const QList<int> two{0, 0};
        QList<double> verb = picks(1, 11, 1) + picks(11, 11, 150);
        for (int k = 2; k < 10; ++k)
            verb << (k + 0.5) / 11;
        QTest::addRow("level") << SynonymDraws{
            {5, 3}, two, picks(1, 2, 299) + picks(2, 2, 1), 0, 2};
        QTest::addRow("any level at last") << SynonymDraws{{5, 3}, two, picks(1, 2, 300), 0, 1};
        QTest::addRow("class") << SynonymDraws{QList<int>(11, 3), QList<int>(10, 1) << 3, verb, 1,
                                               11};
        QTest::addRow("a word twice at last")
            << SynonymDraws{{3, 3}, two, picks(1, 2, 501) + QList<double>(8, 0.9), 1, 1};
    }
    void synonymDraws() {
        QFETCH(SynonymDraws, c);
        WordStore store;
        for (int i = 0; i < c.levels.size(); ++i)
            addWord(store, QStringLiteral("w%1").arg(i + 1), "o", c.levels[i], c.classes[i]);
        SynonymState s;
        Random rng;
        rng.script(c.draws);
        NewSynonymRound(s, store, 30, 2, rng);
        QCOMPARE(s.RAD1[c.row], QStringLiteral("w%1").arg(c.word));
    }

    void synonymEqualTranslationsLinkEitherWay() {
        SynonymState s;
        s.RAD1 = {"der Wagen", "das Auto"};
        s.Picture1 = {"car", "car"};
        s.RAD2 = {"car", "car"};
        s.Picture2 = {"der Wagen", "das Auto"};
        qint32 right = 0, wrong = 0;
        s.LinkActive = true;
        QCOMPARE(LinkTo(s, 1, right, wrong), SynonymLink::Right);
        s.LinkActive = true;
        s.LinkSource = 1;
        QCOMPARE(LinkTo(s, 0, right, wrong), SynonymLink::Ignored); // row 0 is linked
        QCOMPARE(LinkTo(s, 1, right, wrong), SynonymLink::Right);
        QCOMPARE(right, 2);
    }

    // A store of one word; the first row answered by one of its three labels.
    void genusAnswer_data() {
        QTest::addColumn<Genus>("c");
        const QString de = QStringLiteral("der,das,die");
        const QString fr = QStringLiteral(",(m),(f)");
        const GenusAnswer none = GenusAnswer::Ignored;
        const GenusAnswer wrong = GenusAnswer::Wrong;
        const GenusAnswer right = GenusAnswer::Right;
        QTest::addRow("German, wrong") << Genus{"der Hund", 3, 1, de, 1, wrong, "100"};
        QTest::addRow("German, right") << Genus{"die Katze", 3, 1, de, 2, right, "001"};
        QTest::addRow("Swedish") << Genus{"en stol", 1, 1, ",en,ett", 1, right, "010"};
        QTest::addRow("the empty label") << Genus{"chien (m)", 4, 1, fr, 0, wrong, "010"};
        QTest::addRow("Spanish") << Genus{"mesa (f)", 5, 1, fr, 2, right, "001"};
        QTest::addRow("no plural") << Genus{"ciseaux (mpl)", 4, 1, fr, 1, none, "111"};
        QTest::addRow("no two genders") << Genus{"journaliste (mf)", 4, 1, fr, 1, none, "111"};
        QTest::addRow("no other class") << Genus{"rouge (m)", 4, 2, fr, 1, none, "111"};
        QTest::addRow("no noun without its mark") << Genus{"chat", 4, 1, fr, 1, none, "111"};
    }
    void genusAnswer() {
        QFETCH(Genus, c);
        WordStore store;
        addWord(store, c.practised, QStringLiteral("en sak"), 3, c.wordClass);
        GenusState s;
        LabelArticles(s, c.language);
        QCOMPARE(QStringList(s.Articles.begin(), s.Articles.end()).join(u','), c.labels);
        ResetRows(s);
        Random rng;
        const int filled = NewSet(s, store, 30, 1, c.language, rng);
        QCOMPARE(filled > 0, c.answer != GenusAnswer::Ignored);
        QCOMPARE(s.GenusRows[0].FromBare, filled ? QStringLiteral("sak") : QString());
        qint32 right = 0, wrong = 0;
        QCOMPARE(Answer(s, 0, s.Articles[c.label], right, wrong), c.answer);
        QCOMPARE(Answer(s, 0, s.GenusRows[0].RightArticle, right, wrong), GenusAnswer::Ignored);
        QCOMPARE(right - wrong,
                 int(c.answer == GenusAnswer::Right) - int(c.answer == GenusAnswer::Wrong));
        QString visible;
        for (bool v : s.LabelVisible[0])
            visible += v ? u'1' : u'0';
        QCOMPARE(visible, c.left);
    }

    // A row takes a noun near the slider's level; after 299 draws refused, any noun; after
    // the last draw, none. Word 3 is no noun.
    void genusDraws_data() {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("asked");
        QTest::addRow("level") << picks(2, 3, 1) + picks(1, 3, 400) << "Katze";
        QTest::addRow("any level at last") << picks(1, 3, 300) << "Hund";
        QTest::addRow("the last draw")
            << picks(3, 3, kGenusMaxDraws - 1) + picks(1, 3, 1) << "Hund";
    }
    void genusDraws() {
        QFETCH(QList<double>, draws);
        QFETCH(QString, asked);
        WordStore store;
        addWord(store, "der Hund", "en hund", 5, 1);
        addWord(store, "die Katze", "en katt", 3, 1);
        addWord(store, "rot", "röd", 3, 2);
        GenusState s;
        Random rng;
        rng.script(draws);
        NewSet(s, store, 30, 1, 3, rng);
        QCOMPARE(s.GenusRows[0].ToBare, asked);
    }

    // The rows answered wrong keep their nouns into the next set; the others get new ones.
    void genusWrongRowsComeBack() {
        WordStore store;
        for (int i = 0; i < 60; ++i)
            addWord(store, QStringLiteral("die Sache%1").arg(i), "sak", 3, 1);
        GenusState s;
        Random rng;
        rng.seed(7);
        NewSet(s, store, 30, 1, 3, rng);
        qint32 right = 0, wrong = 0;
        QSet<int> wrongWords, previous, now;
        for (int row : {1, 4, 8}) {
            Answer(s, row, "der", right, wrong);
            wrongWords << s.GenusRows[row].Word;
        }
        Answer(s, 0, "die", right, wrong);
        for (const GenusRow& row : s.GenusRows)
            previous << row.Word;
        NewSet(s, store, 30, 1, 3, rng);
        for (const GenusRow& row : s.GenusRows) {
            now << row.Word;
            QVERIFY(row.Replace && !row.Answered);
        }
        QCOMPARE(now & previous, wrongWords);
    }

    // A file read over verbs already loaded: what it holds, or why it is refused, with the
    // verbs kept as they were.
    void verbFiles_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("verbs");    // 0: refused
        QTest::addColumn<QString>("last"); // form of the last verb, or the reason
        QByteArray many = "1\r\n\"Inf\"\r\n";
        for (int i = 0; i < 501; ++i)
            many += "v" + QByteArray::number(i) + "\r\n";
        QTest::addRow("quoted") << QByteArray("3\r\n\"I\",\"P\",\"PP\"\r\n\"run\",\"ran\",\"run\"")
                                << 1 << "run";
        QTest::addRow("blanks before fields")
            << QByteArray("2\r\n  a,  b\r\n  go,   went\r\n") << 1 << "went";
        QTest::addRow("blank lines")
            << QByteArray("2\r\na,b\r\n\r\ngo,went\r\n\r\n\r\nsee,saw\r\n") << 2 << "saw";
        QTest::addRow("no line end at the end")
            << QByteArray("2\r\na,b\r\ngo,went\r\nsee,saw") << 2 << "saw";
        QTest::addRow("last row cut short")
            << QByteArray("2\r\na,b\r\ngo,went\r\nsee") << 1 << "went";
        QTest::addRow("LF line ends") << QByteArray("2\na,b\ngo,went\n") << 1 << "went";
        QTest::addRow("text after a closing quote")
            << QByteArray("2\r\na,b\r\n\"go\" x,\"went\"en\r\n") << 1 << "went";
        QTest::addRow("more than 500 verbs") << many << 0 << "more than 500 verbs";
        QTest::addRow("more than 4 forms")
            << QByteArray("5\r\na,b,c,d,e\r\n") << 0 << "form count 5";
        QTest::addRow("11 alternatives")
            << QByteArray("2\r\na,b\r\ngo,a/b/c/d/e/f/g/h/i/j/k\r\n") << 0 << "than 10";
        QTest::addRow("form count 0.5")
            << QByteArray("0.5\r\na\r\ngo\r\n") << 0 << "count 0.5 is not 1 to 4";
        // A count beyond any int, found by the fuzzer: it was converted before the check.
        QTest::addRow("100 digits") << "2" + QByteArray(99, '8') + "\r\na,b\r\n"
                                    << 0 << "count 2888888888";
    }
    void verbFiles() {
        QFETCH(QByteArray, text);
        QFETCH(int, verbs);
        QFETCH(QString, last);
        VerbState v;
        CollectingReporter r;
        QVERIFY(LoadVerbBytes(v, "2\r\na,b\r\ngo,went\r\n", "VERB02.TXT", r));
        const bool loaded = LoadVerbBytes(v, text, "VERB03.TXT", r);
        QCOMPARE(loaded, verbs > 0);
        QCOMPARE(v.VerbCount, qMax(verbs, 1));
        if (loaded)
            QCOMPARE(v.VerbTable[verbs][v.FormCount], last);
        else
            QVERIFY2(r.messages.last().startsWith("Error reading file VERB03.TXT. ") &&
                         r.messages.last().contains(last),
                     qPrintable(r.messages.last()));
    }

    // An answer is right when it is one of the stored alternatives, in any case.
    void verbForms() {
        QList<bool> right;
        for (const char* answer : {"run", "  RUN ", "ran", "runs", ""})
            right << IsRightForm(answer, " ran/run ");
        QCOMPARE(right, QList<bool>({true, true, true, false, false}));
    }

    void verbPickerAvoidsRightRows() {
        VerbState v;
        v.VerbCount = 3;
        v.VerbUsed[1] = v.VerbUsed[2] = true;
        Random rng;
        rng.script({0.0, 0.4, 0.9});
        QCOMPARE(PickVerb(v, rng), 3);
        v.VerbUsed[3] = true;
        rng.script(QList<double>(30, 0.0) << 0.5);
        QCOMPARE(PickVerb(v, rng), 2); // with every verb used, the 31st draw is taken
    }

    // The five verb files that come with the program load whole, without a verb twice.
    void shippedVerbFiles() {
        for (int language = 1; language <= 5; ++language) {
            const QString name = QStringLiteral(VOKABRIX_DATA_DIR "/VERB0%1.TXT").arg(language);
            QFile f(name);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray text = f.readAll();
            VerbState v;
            CollectingReporter r;
            QVERIFY2(LoadVerbBytes(v, text, name, r), qPrintable(r.messages.join(u';')));
            QCOMPARE(v.FormCount, language == 2 ? 3 : 4);
            QCOMPARE(v.VerbCount, text.trimmed().split('\n').size() - 2); // every row counted
            QSet<QString> seen;
            for (int row = 1; row <= v.VerbCount; ++row) {
                for (int c = 1; c <= v.FormCount; ++c)
                    QVERIFY2(!v.VerbTable[row][c].trimmed().isEmpty(), qPrintable(name));
                seen << v.VerbTable[row][1].toLower();
            }
            QCOMPARE(seen.size(), v.VerbCount);
        }
    }

    // No drill draws from an empty store (a draw among no words divided by zero): each asks
    // nothing.
    void anEmptyStoreAsksNothing() {
        WordStore empty;
        Random rng;
        QuattroState quattro;
        NewQuestion(quattro, empty, 30, 1, rng);
        QCOMPARE(quattro.CorrectOption, 0);
        WormState worm;
        QVERIFY(!NewWord(worm, empty, 30, 1, 3, 20, rng));
        QuickState quick;
        QVERIFY(!BuildGrid(quick, empty, 30, true, 1, rng));
        SynonymState synonym;
        NewSynonymRound(synonym, empty, 30, 1, rng);
        QVERIFY(synonym.RAD1[0].isEmpty());
        GenusState genus;
        QCOMPARE(NewSet(genus, empty, 30, 1, 3, rng), 0);
        QCOMPARE(PickVerb(VerbState{}, rng), 0);
    }
};

QTEST_GUILESS_MAIN(TstDrills)
#include "tst_drills.moc"
