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

// Scripted draws, "slot/count*times" for `times` draws (1 when left out) that each take word
// `slot` of a store of `count` words, a plain number for the draw itself.
QList<double> drawsOf(const QString& script) {
    QList<double> draws;
    for (const QString& part : script.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList times = part.split(u'*'), slot = times[0].split(u'/');
        draws += QList<double>(times.value(1, QStringLiteral("1")).toInt(),
                               slot.size() == 2 ? (slot[0].toDouble() - 0.5) / slot[1].toDouble()
                                                : slot[0].toDouble());
    }
    return draws;
}

} // namespace

class TstDrills : public QObject {
    Q_OBJECT
private slots:
    void scores_data() { addCases("scores.tsv"); }
    void scores() {
        QFETCH(QStringList, c);
        QuickState s;
        s.RightCount = c[1].toLong();
        s.WrongClicks = c[2].toLong();
        s.MissedCount = c[3].toLong();
        s.QuickLevel = c[4].toInt();
        QCOMPARE(QuickScore(s), c[5].toInt());
        QCOMPARE(scoreTexts(c[1].toLong(), c[2].toLong()).score, c[6]);
    }

    // The asked word is "abc" for "xyz", level 3, class 1; box 2 already shows "taken".
    void quattroCandidateScore_data() { addCases("candidates.tsv"); }
    void quattroCandidateScore() {
        QFETCH(QStringList, c);
        WordStore s;
        addWord(s, "xyz", "abc", 3, 1);
        addWord(s, c[2], c[1], c[3].toInt(), c[4].toInt());
        QuattroState state;
        state.Options[2] = QStringLiteral("taken");
        QCOMPARE(CandidateScore(s, 2, 1, state, c[5].toInt(), 1), c[6].toInt());
    }

    // A new word: its row without the article, the article beside it, the drawn letter and
    // the marks uncovered; then the keys typed on it and the letters bought.
    void wormKeys_data() { addCases("wormkeys.tsv"); }
    void wormKeys() {
        QFETCH(QStringList, c);
        WordStore s;
        addWord(s, c[1], QStringLiteral("own"), 3, c[2] == "2" ? 0 : 1);
        WormState state;
        Random rng;
        rng.script({0.0, c[3].toDouble()});
        QVERIFY(NewWord(state, s, 30, 2, c[2].toInt(), 40, rng));
        QCOMPARE(state.ArtBefore + u'|' + state.ArtAfter, c[4]);
        qint32 right = 0, wrong = 0;
        QString did, yellow;
        for (QChar key : c[5])
            did +=
                QStringLiteral("-=WR")[static_cast<int>(TypeLetter(state, s, key, right, wrong))];
        for (double x : drawsOf(c[8])) {
            state.PointedLetter = PointedPosition(x, 204, static_cast<int>(state.Shown.size()));
            did += BuyLetter(state, s, wrong) ? u'B' : u'-';
        }
        for (int p = 1; p <= kWormMaxLetters; ++p)
            yellow += state.LetterColor[p] == kWormYellow ? QString::number(p) : QString();
        QCOMPARE(did, c[6]);
        QCOMPARE(state.Shown, c[7]);
        QCOMPARE(yellow, c[9]);
        QCOMPARE(right, c[6].count(u'R'));
        QCOMPARE(wrong, c[6].count(u'W') + 3 * c[6].count(u'B')); // a letter costs three
        QCOMPARE(s.isUsed(1), wrong == 0); // a wrong answer lets the word come back
    }

    // Each drill's draw from a store of words, some used, with scripted draws: what it asks.
    // Quattro's asked word keeps to the level for 249 draws and skips used words for 149; its
    // four boxes never repeat a text, also when every draw repeats the asked word, and a wrong
    // answer lets the word come back.
    // A word must fit Worm's row and comes again only when 199 draws found none other.
    // Synonym's ten words are drawn near the slider's level (299 draws refused), of the first
    // word's class (149) and not yet on the board (499). Genus takes a noun near the level,
    // after 299 draws refused any noun, after the last draw none. Verb avoids verbs answered
    // right for 30 draws. No drill draws from an empty store (a draw among no words divided by
    // zero).
    void draws_data() { addCases("draws.tsv"); }
    void draws() {
        QFETCH(QStringList, c);
        WordStore s;
        for (const QString& word : c[2].split(u',', Qt::SkipEmptyParts)) { // text:level:class
            const QStringList w = word.split(u':');
            addWord(s, w[0], QStringLiteral("en o%1").arg(s.wordCount + 1), w.value(1, "3").toInt(),
                    w.value(2, "1").toInt());
        }
        VerbState verbs;
        verbs.VerbCount = s.wordCount;
        for (double used : drawsOf(c[3]))
            s.setUsed(static_cast<int>(used), verbs.VerbUsed[static_cast<int>(used)] = true);
        Random rng;
        rng.script(drawsOf(c[4]));
        const int row = c[5].toInt();
        QString asked;
        if (c[1] == "quattro") {
            QuattroState q;
            NewQuestion(q, s, 30, 1, rng);
            const int boxes =
                static_cast<int>(QSet<QString>(q.Options.begin() + 1, q.Options.end()).size());
            QCOMPARE(boxes, s.wordCount ? 4 : 1);
            QCOMPARE(s.isUsed(q.QuestionWord), s.wordCount > 0);
            asked = q.Options[q.CorrectOption];
            qint32 right = 0, wrong = 0;
            AnswerBox(q, s, q.CorrectOption % 4 + 1, false, right, wrong);
            QVERIFY(!s.isUsed(q.QuestionWord));
        } else if (c[1] == "worm") {
            WormState w;
            asked = NewWord(w, s, 30, 2, 3, 20, rng) ? "asked " : "none ";
            asked += QString::number(w.WormWord);
        } else if (c[1] == "quick") {
            QuickState q;
            asked = BuildGrid(q, s, 30, true, 1, rng) ? "grid" : "none";
        } else if (c[1] == "synonym") {
            SynonymState syn;
            NewSynonymRound(syn, s, 30, 2, rng);
            asked = syn.RAD1[row];
        } else if (c[1] == "genus") {
            GenusState g;
            asked = QString::number(NewSet(g, s, 30, 1, 3, rng)) + u' ' + g.GenusRows[row].ToBare;
        } else {
            asked = QString::number(PickVerb(verbs, rng));
        }
        QCOMPARE(asked, c[6]);
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
        QCOMPARE(std::pair(s.Interval, s.MissedCount), std::pair(5500, 0L));
        Tick(s, rng); // the question was missed
        QCOMPARE(std::pair(s.Interval, s.MissedCount), std::pair(6050, 1L));
        for (int i = 0; i < 40; ++i)
            Tick(s, rng);
        QCOMPARE(s.Interval, kQuickMaxInterval);
        s.CellDone.fill(true);
        QCOMPARE(Tick(s, rng), QuickTick::GameOver);
    }

    // A list read from any file is written so that it reads back as it was: a name must not
    // lose its blanks or shift the ranks below it; ranks missing from a file repeat the last.
    // A score entered takes its rank, below an equal one; the ranks below move down and the
    // tenth falls off.
    void highScores_data() { addCases("highscores.tsv"); }
    void highScores() {
        QFETCH(QStringList, c);
        HighScoreList read = ReadHighScoreBytes(c[1].toLatin1());
        QCOMPARE(read.lblName[2], c[2]);
        QCOMPARE(read.lblScore[10], c[3]);
        const HighScoreList back = ReadHighScoreBytes(WriteHighScoreBytes(read));
        QCOMPARE(back.lblScore, read.lblScore);
        QCOMPARE(back.lblName, read.lblName);
        const int rank = c[5].toInt();
        QCOMPARE(AddHighScore(read, c[4].toInt()), rank);
        QCOMPARE(read.lblScore[qMax(rank, 1)] + read.lblName[qMax(rank, 1)],
                 rank ? u' ' + c[4] : back.lblScore[1] + back.lblName[1]);
        for (int k = rank + 1; rank && k <= 10; ++k)
            QCOMPARE(read.lblName[k], back.lblName[k - 1]);
        HighScoreList renamed = back; // a name with quotes, written with the start of its file
        renamed.lblName[2] = QStringLiteral("say \"hi\"");
        QCOMPARE(WriteHighScoreBytes(renamed).left(c.value(6).size()), c.value(6).toLatin1());
    }

    // Two words with the same translation: either row of it links right; a linked row, or one
    // beyond the board, takes no link.
    void synonymEqualTranslationsLinkEitherWay() {
        SynonymState s;
        s.RAD1 = s.Picture2 = {"der Wagen", "das Auto"};
        s.Picture1 = s.RAD2 = {"car", "car"};
        qint32 right = 0, wrong = 0;
        QString did;
        for (QPoint link : {QPoint(0, 1), QPoint(1, 0), QPoint(1, kSynonymPairs), QPoint(1, 1)}) {
            s.LinkActive = true;
            s.LinkSource = link.x();
            did += QStringLiteral("IRW")[static_cast<int>(LinkTo(s, link.y(), right, wrong))];
        }
        QCOMPARE(did, QStringLiteral("RIIR"));
        QCOMPARE(right, 2);
    }

    // A store of one word; the first row answered by one of its three labels.
    void genusAnswer_data() { addCases("genus.tsv"); }
    void genusAnswer() {
        QFETCH(QStringList, c);
        const int language = c[2].toInt();
        const QStringList answers{"Ignored", "Wrong", "Right"};
        WordStore store;
        addWord(store, c[1], QStringLiteral("en sak"), 3, c[3].toInt());
        GenusState s;
        LabelArticles(s, language);
        QCOMPARE(QStringList(s.Articles.begin(), s.Articles.end()).join(u','), c[4]);
        ResetRows(s);
        Random rng;
        const int filled = NewSet(s, store, 30, 1, language, rng);
        QCOMPARE(filled > 0, c[6] != "Ignored");
        QCOMPARE(s.GenusRows[0].FromBare, filled ? QStringLiteral("sak") : QString());
        qint32 right = 0, wrong = 0;
        QCOMPARE(answers[int(Answer(s, 0, s.Articles[c[5].toInt()], right, wrong))], c[6]);
        QCOMPARE(Answer(s, 0, s.GenusRows[0].RightArticle, right, wrong), GenusAnswer::Ignored);
        QCOMPARE(right - wrong, int(c[6] == "Right") - int(c[6] == "Wrong"));
        QString visible;
        for (bool v : s.LabelVisible[0])
            visible += v ? u'1' : u'0';
        QCOMPARE(visible, c[7]);
    }

    // A file read over verbs already loaded: what it holds, or why it is refused, with the
    // verbs kept as they were.
    void verbFiles_data() { addCases("verbfiles.tsv"); }
    void verbFiles() {
        QFETCH(QStringList, c);
        const int verbs = c[2].toInt();
        VerbState v;
        CollectingReporter r;
        QVERIFY(LoadVerbBytes(v, "2\r\na,b\r\ngo,went\r\n", "VERB02.TXT", r));
        QFile shipped(QStringLiteral(VOKABRIX_DATA_DIR "/") + c[1].mid(1)); // @name: a data file
        const bool ship = c[1].startsWith(u'@') && shipped.open(QIODevice::ReadOnly);
        const bool loaded =
            LoadVerbBytes(v, ship ? shipped.readAll() : c[1].toLatin1(), "VERB03.TXT", r);
        QCOMPARE(loaded, verbs > 0);
        QCOMPARE(v.VerbCount, qMax(verbs, 1));
        QSet<QString> seen; // no verb twice, no form left blank
        for (int row = 1; row <= v.VerbCount; ++row) {
            seen << v.VerbTable[row][1].toLower();
            for (int form = 1; form <= v.FormCount; ++form)
                QVERIFY(!v.VerbTable[row][form].trimmed().isEmpty());
        }
        QCOMPARE(seen.size(), v.VerbCount);
        if (loaded)
            QCOMPARE(v.VerbTable[verbs][v.FormCount], c[3]);
        else
            QVERIFY(r.messages.last().startsWith("Error reading file VERB03.TXT. ") &&
                    r.messages.last().contains(c[3]));
    }

    // An answer is right when it is one of the stored alternatives, in any case.
    void verbForms_data() { addCases("verbforms.tsv"); }
    void verbForms() {
        QFETCH(QStringList, c);
        QCOMPARE(IsRightForm(c[1], " ran/run "), c[2] == "1");
    }
};

QTEST_GUILESS_MAIN(TstDrills)
#include "tst_drills.moc"
