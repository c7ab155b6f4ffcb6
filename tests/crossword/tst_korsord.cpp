// The crossword builder without a window: board set-up, the cell tests, the picker, labels
// and lists, progress, and invariants over many seeded grids of every size.
#include "builtinwords.h"
#include "crossword/korsord.h"

#include <QRegularExpression>
#include <QTest>

using namespace vx;
using vx::test::Builder;
using vx::test::builtInStore;

namespace {

// Records the order in which the first pass does its lines.
class LineSpy : public CrosswordView {
public:
    explicit LineSpy(const CrosswordState& s) : state(s) {}
    void progressChanged(int percent) override {
        lastPercent = percent;
        for (int i = 1; i <= state.GridSize; ++i) {
            if (state.LineDone[i] && !seen.contains(i))
                seen << i;
        }
    }
    const CrosswordState& state;
    QList<int> seen;
    int lastPercent = -1;
};

int lengthInClue(const QString& clue) {
    static const QRegularExpression re(QStringLiteral("\\((\\d+)\\)$"));
    const auto m = re.match(clue);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TstKorsord : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_store = builtInStore(3, 2); }

    void freshBoardIsALattice() {
        Builder b(m_store);
        b.k.SetUpBoard(14, 525);
        int black = 0;
        for (int r = 1; r <= kMaxGrid; ++r) {
            for (int c = 1; c <= kMaxGrid; ++c) {
                const bool inside = r <= 14 && c <= 14;
                if (inside && b.state.Grid[r][c] == kBlack) {
                    ++black;
                    QVERIFY(r % 2 == 0 && c % 2 == 0);
                }
                if (!inside)
                    QCOMPARE(b.state.Grid[r][c], kBlack);
            }
        }
        QCOMPARE(black, 49);
        QCOMPARE(b.state.CellSize, 38); // 525 / 14 = 37.5, halves to even
    }

    void candidateTables() {
        CrosswordState s;
        Random rng;
        Korsord k(s, rng);
        k.InitCrosswordState();
        WordStore store;
        auto add = [&store](const QString& to, const QString& from, int cls) {
            const int slot = ++store.wordCount;
            store.SetWord(slot, 1, to);
            store.SetWord(slot, 2, from);
            store.wordClass[slot] = static_cast<qint16>(cls);
            store.wordLevel[slot] = 2;
        };
        add("der Hund", "en hund", 1);
        add("Fahrrad fahren", "cykla", 3);
        add("E-Mail", "mejl", 1);
        add("zu", "till", 0);
        add("Geschwindigkeitsbegrenzung", "x", 1);
        add("Katze", "katt", 1);
        k.PrepareCrosswordWords(store, 1, 3);
        k.FinishCrosswordSetUp();
        QCOMPARE(s.CandidateCount[4], 1);
        QCOMPARE(s.CandidateAnswer[4][1], QStringLiteral("HUND"));
        QCOMPARE(s.CandidateClue[4][1], QStringLiteral("hund"));
        QCOMPARE(s.CandidateCount[5], 1);
        for (int len : {1, 2, 3, 6, 14, 15, 25})
            QCOMPARE(s.CandidateCount[len], 0);
    }

    void fullTablesDropFurtherWords() {
        CrosswordState s;
        Random rng;
        Korsord k(s, rng);
        k.InitCrosswordState();
        WordStore store;
        for (int i = 0; i < 350; ++i) {
            const int slot = ++store.wordCount;
            store.SetWord(slot, 1, QStringLiteral("abcdefghij"));
            store.SetWord(slot, 2, QStringLiteral("clue"));
        }
        k.PrepareCrosswordWords(store, 2, 3);
        k.FinishCrosswordSetUp();
        QCOMPARE(s.CandidateCount[10], 300);
    }

    void canOpenCell_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("across");
        QTest::addColumn<bool>("down");
        // On a fresh 5 x 5 lattice the black squares are (2,2), (2,4), (4,2), (4,4).
        QTest::addRow("open cell") << 1 << 1 << true << true;
        QTest::addRow("inner black square") << 2 << 2 << false << false;
        QTest::addRow("black square by the right edge") << 2 << 4 << false << false;
    }
    void canOpenCell() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(bool, across);
        QFETCH(bool, down);
        Builder b(m_store);
        b.k.SetUpBoard(5, 500);
        QCOMPARE(b.k.CanOpenCell(row, col, kAcross), across);
        QCOMPARE(b.k.CanOpenCell(row, col, kDown), down);
    }

    void canOpenCellWhereNeighboursAreBlocked() {
        Builder b(m_store);
        b.k.SetUpBoard(5, 500);
        // Block the cells above and below (2,3)'s neighbour... make (1,4) and (3,4) black:
        // then the black (2,4) may open across (its right neighbour is the edge side).
        b.state.Grid[1][4] = kBlack;
        b.state.Grid[3][4] = kBlack;
        QVERIFY(b.k.CanOpenCell(2, 4, kAcross));
        QVERIFY(!b.k.CanOpenCell(2, 4, kDown));
        // At the bottom edge, down needs the cells left and right blocked.
        b.state.Grid[5][3] = kBlack;
        b.state.Grid[5][1] = kBlack;
        b.state.Grid[4][1] = kBlack;
        b.state.Grid[4][3] = kBlack;
        QVERIFY(b.k.CanOpenCell(4, 2, kDown));
        QVERIFY(!b.k.CanOpenCell(6, 2, kDown)); // outside
    }

    void firstPassLineOrder() {
        for (quint64 seed = 1; seed <= 20; ++seed) {
            Builder b(m_store, seed);
            LineSpy spy(b.state);
            Korsord k(b.state, b.rng, &spy);
            k.SetUpBoard(14, 525);
            k.GenerateCrossword();
            QCOMPARE(spy.seen.mid(0, 4), (QList<int>{1, 5, 9, 13}));
            QList<int> rest = spy.seen.mid(4, 3);
            std::sort(rest.begin(), rest.end());
            QCOMPARE(rest, (QList<int>{3, 7, 11}));
            QCOMPARE(spy.lastPercent, 100);
        }
    }

    void progressEndsAt100ForEverySize() {
        for (int size = 3; size <= 25; ++size) {
            Builder b(m_store, static_cast<quint64>(size));
            LineSpy spy(b.state);
            Korsord k(b.state, b.rng, &spy);
            k.SetUpBoard(size, 525);
            k.GenerateCrossword();
            QCOMPARE(spy.lastPercent, 100);
            QVERIFY(qAbs(b.state.Progress - 100.0) < 1e-6);
        }
    }

    void runOfTwoNeverGetsAWord() {
        Builder b(m_store);
        b.k.SetUpBoard(14, 525);
        b.state.MinWordLength = 3;
        b.state.Pattern.fill(QString());
        b.k.PickWord(2);
        QCOMPARE(b.state.ChosenLength, 0);
        b.state.MinWordLength = 5;
        b.k.PickWord(3); // below MinWordLength - 1
        QCOMPARE(b.state.ChosenLength, 0);
    }

    void pickerSkipsTheDrawnStart() {
        CrosswordState s;
        Random rng;
        Korsord k(s, rng);
        k.InitCrosswordState();
        s.CandidateCount.fill(0);
        s.CandidateCount[4] = 2;
        s.CandidateAnswer[4][1] = QStringLiteral("HUND");
        s.CandidateAnswer[4][2] = QStringLiteral("HAND");
        s.CandidateLevel[4][1] = s.CandidateLevel[4][2] = 3;
        s.MinWordLength = 4;
        s.Pattern.fill(QString());
        s.GridSize = 4;
        rng.script({0.0}); // draws candidate 1 as the start: only candidate 2 is examined
        k.PickWord(4);
        QCOMPARE(s.ChosenIndex, 2);
        rng.script({0.9}); // start 2: only candidate 1 is examined
        k.PickWord(4);
        QCOMPARE(s.ChosenIndex, 1);
        s.CandidateCount[4] = 1; // a single candidate is examined
        rng.script({0.0});
        k.PickWord(4);
        QCOMPARE(s.ChosenIndex, 1);
        s.Pattern[2] = QStringLiteral("U"); // only HUND fits, but it is the drawn start
        s.CandidateCount[4] = 2;
        rng.script({0.0});
        k.PickWord(4);
        QCOMPARE(s.ChosenLength, 0);
    }

    void everyAnswerCanBeTyped_data() {
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("from");
        QTest::addRow("Swedish") << 1 << 2;
        QTest::addRow("English") << 2 << 1;
        QTest::addRow("German") << 3 << 2;
        QTest::addRow("French") << 4 << 1;
        QTest::addRow("Spanish") << 5 << 3;
    }
    void everyAnswerCanBeTyped() {
        QFETCH(int, to);
        QFETCH(int, from);
        Builder b(builtInStore(to, from), 1, to, from);
        b.k.SetUpBoard(3, 525);
        b.state.PuzzleActive = true;
        b.state.TypingDirection = 0; // the cursor stays on A 1
        int letters = 0;
        for (int len = kMinAnswer; len <= kMaxAnswer; ++len) {
            for (int k = 1; k <= b.state.CandidateCount[len]; ++k) {
                for (const QChar ch : b.state.CandidateAnswer[len][k]) {
                    b.state.TypedLetter[1][1].clear();
                    b.k.KeyPress(ch.toLower());
                    QVERIFY2(b.state.TypedLetter[1][1] == QString(ch),
                             qPrintable(QStringLiteral("%1 in %2")
                                            .arg(ch)
                                            .arg(b.state.CandidateAnswer[len][k])));
                    ++letters;
                }
            }
        }
        QVERIFY(letters > 1000);
    }

    void listsFollowTheGrid_data() {
        QTest::addColumn<int>("size");
        QTest::addRow("5 x 5") << 5;
        QTest::addRow("14 x 14") << 14;
        QTest::addRow("25 x 25") << 25;
    }
    void listsFollowTheGrid() {
        QFETCH(int, size);
        Builder b(m_store, static_cast<quint64>(size));
        b.k.SetUpBoard(size, 525);
        b.k.GenerateCrossword();
        const CrosswordState& s = b.state;
        for (int dir = 1; dir <= 2; ++dir) {
            const QStringList list = dir == 1 ? s.AcrossList : s.DownList;
            int starts = 0;
            for (int r = 1; r <= size; ++r)
                for (int c = 1; c <= size; ++c)
                    starts += s.ClueText[dir][r][c].isEmpty() ? 0 : 1;
            QCOMPARE(list.size(), starts);
            QVERIFY(starts > 0);
            // An entry names its word's first cell and leads there; the lists run by column
            // letter, then row number.
            std::pair<int, int> previous{0, 0};
            for (int i = 0; i < list.size(); ++i) {
                b.k.ListJump(list[i], dir);
                const int row = s.CursorRow;
                const int col = s.CursorCol;
                QCOMPARE(list[i].left(5).trimmed(),
                         QStringLiteral("%1 %2").arg(QChar(u'A' + col - 1)).arg(row));
                QCOMPARE(list[i].mid(5), s.ClueText[dir][row][col]);
                QCOMPARE(dir == 1 ? s.AcrossSelected : s.DownSelected, i);
                QCOMPARE(s.TypingDirection, dir);
                QVERIFY(std::pair(col, row) > previous);
                previous = {col, row};
            }
        }
    }

    void grids_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("difficulty");
        for (int size = 3; size <= 25; ++size)
            QTest::addRow("%d x %d", size, size) << size << 1;
        QTest::addRow("25 x 25 easy") << 25 << 0;
        QTest::addRow("25 x 25 hard") << 25 << 2;
    }
    void grids() {
        QFETCH(int, size);
        QFETCH(int, difficulty);
        for (quint64 seed = 1; seed <= 8; ++seed) {
            Builder b(m_store, seed * 101 + static_cast<quint64>(size));
            b.k.SetDifficulty(difficulty);
            b.k.SetUpBoard(size, 525);
            b.k.GenerateCrossword();
            checkInvariants(b, seed);
        }
    }

private:
    void checkInvariants(const Builder& b, quint64 seed) {
        const CrosswordState& s = b.state;
        const int n = s.GridSize;
        QSet<QString> answers;
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                const QString& g = s.Grid[r][c];
                QVERIFY(g == kBlack || g.size() == 1);
                if (g != kBlack)
                    QVERIFY2(!s.AcrossLabel[r][c].isEmpty() || !s.DownLabel[r][c].isEmpty(),
                             qPrintable(QStringLiteral("seed %1: letter without a word at %2").arg(seed).arg(Korsord::CellLabel(r, c))));
                for (int dir = 1; dir <= 2; ++dir) {
                    const QString& clue = s.ClueText[dir][r][c];
                    if (clue.isEmpty())
                        continue;
                    const int len = lengthInClue(clue);
                    QString word;
                    for (int i = 0; i < len; ++i)
                        word += dir == 1 ? s.Grid[r][c + i] : s.Grid[r + i][c];
                    // Every placed word is a candidate with its own clue, and no answer is placed
                    // twice.
                    bool found = false;
                    for (int k = 1; k <= s.CandidateCount[len] && !found; ++k)
                        found = s.CandidateAnswer[len][k] == word &&
                                clue == s.CandidateClue[len][k] + QStringLiteral(" (%1)").arg(len) && s.CandidateUsed[len][k];
                    QVERIFY2(found, qPrintable(QStringLiteral("seed %1: %2 is no candidate").arg(seed).arg(word)));
                    QVERIFY2(!answers.contains(word),
                             qPrintable(QStringLiteral("seed %1: %2 twice").arg(seed).arg(word)));
                    answers.insert(word);
                }
            }
        }
        // Every maximal run of two or more letters is exactly one placed word.
        for (int dir = 1; dir <= 2; ++dir) {
            for (int line = 1; line <= n; ++line) {
                int p = 1;
                while (p <= n) {
                    auto letter = [&](int q) {
                        return q <= n && (dir == 1 ? s.Grid[line][q] : s.Grid[q][line]) != kBlack;
                    };
                    if (!letter(p)) {
                        ++p;
                        continue;
                    }
                    int e = p;
                    while (letter(e + 1))
                        ++e;
                    if (e > p) {
                        const int r = dir == 1 ? line : p;
                        const int c = dir == 1 ? p : line;
                        QVERIFY2(lengthInClue(s.ClueText[dir][r][c]) == e - p + 1,
                                 qPrintable(QStringLiteral("seed %1, size %2: the run at %3 %4 is not one word")
                                                .arg(seed).arg(n).arg(Korsord::CellLabel(r, c))
                                                .arg(dir == 1 ? "across" : "down")));
                    }
                    p = e + 1;
                }
            }
        }
    }

    WordStore m_store;
};

QTEST_GUILESS_MAIN(TstKorsord)
#include "tst_korsord.moc"
