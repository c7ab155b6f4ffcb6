// The crossword without a window: the board, the cell tests, the candidate tables and the
// picker, typing every answer, over many seeded grids of every size the invariants, the clue
// lists, the order of the lines and the progress; and the printout read back as the teacher
// gets it, its text (pdftotext) and its pages as pictures (pdftoppm).
#include "builtinwords.h"
#include "crossword/printout.h"
#include "pdfreader.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

constexpr int kDpi = 100;

QImage pdfPage(const QString& pdf, int page) {
    poppler(QStringLiteral("pdftoppm"),
            {"-f", QString::number(page), "-l", QString::number(page), "-r", QString::number(kDpi),
             "-singlefile", "-png", pdf, pdf + QStringLiteral("-page")});
    return QImage(pdf + QStringLiteral("-page.png"));
}

// A run of two or more letters on the board, across (dir 1) or down (2), from its first cell.
struct Run {
    int dir, row, col;
    QString clue, word;
};

// The runs of a board, across then down, each by column, then row.
QList<Run> runs(const CrosswordState& s) {
    const int n = s.GridSize;
    auto letter = [&](int r, int c) {
        return r >= 1 && r <= n && c >= 1 && c <= n && s.Grid[r][c] != kBlack;
    };
    QList<Run> found;
    for (int dir = 1; dir <= 2; ++dir)
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r) {
                const int dr = dir - 1, dc = 2 - dir;
                if (!letter(r, c) || letter(r - dr, c - dc) || !letter(r + dr, c + dc))
                    continue;
                Run run{dir, r, c, s.ClueText[dir][r][c], {}};
                for (int q = 0; letter(r + q * dr, c + q * dc); ++q)
                    run.word += s.Grid[r + q * dr][c + q * dc];
                found << run;
            }
    return found;
}

// How dark the middle half of a cell of a grid drawn at `grid` (points) is, from 0 to 1.
double darkness(const QImage& page, const QRectF& grid, int n, int r, int c) {
    const double cell = grid.width() / n * kDpi / 72;
    const QPointF middle = grid.topLeft() * kDpi / 72 + QPointF(c - 0.75, r - 0.75) * cell;
    const QImage mean = page.copy(QRectF(middle, QSizeF(cell / 2, cell / 2)).toRect())
                            .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return 1 - qGray(mean.pixel(0, 0)) / 255.0;
}

TextTable languageTexts(int language) {
    QFile f(QStringLiteral(VOKABRIX_DATA_DIR "/lang.tsv"));
    std::vector<LanguageEntry> entries;
    QString error;
    if (!f.open(QIODevice::ReadOnly) ||
        !tsv::importLanguage(f.readAll(), QStringLiteral("lang.tsv"), entries, error))
        qFatal("lang.tsv: %s", qPrintable(error));
    TextTable table;
    for (const LanguageEntry& e : entries)
        table.uiText[e.number] = e.texts.value(language - 1);
    return table;
}

// A printed puzzle: the languages, its size and seed, each clue this many times over, the
// paper (Letter or A4), and the title expected.
struct Sheet {
    int to, from, size, seed, clueRepeats;
    bool letter;
    QString title;
};

} // namespace

Q_DECLARE_METATYPE(Sheet)

class TstKorsord : public QObject {
    Q_OBJECT
private slots:
    // The candidates are the bare words of 3 to 14 letters without blank, apostrophe or hyphen,
    // upper-cased, with the bare own-language word as the clue; a full table drops further
    // words. A fresh board is a lattice of black squares on even rows and columns. A black
    // square opens for a word only where the cells beside the word's line are blocked: across,
    // those above and below it; down, those left and right of it.
    void candidatesAndBoard() {
        WordStore store;
        addWord(store, "der Hund", "en hund", 2, 1);
        addWord(store, "Fahrrad fahren", "cykla", 2, 3);
        addWord(store, "E-Mail", "mejl", 2, 1);
        addWord(store, "zu", "till");
        addWord(store, "Geschwindigkeitsbegrenzung", "x", 2, 1);
        addWord(store, "Katze", "katt", 2, 1);
        addWord(store, "Sonnenblumenöl", "solrosolja", 2, 1);
        addWord(store, "Auto's", "bilar", 2, 2);
        for (int i = 0; i < 350; ++i)
            addWord(store, "abcdefghij", "clue");
        Builder b(store, 1, 3, 1);
        const CrosswordState& s = b.state;
        QCOMPARE(s.CandidateAnswer[4][1] + u'|' + s.CandidateClue[4][1] + u'|' +
                     QString::number(s.CandidateLevel[4][1]),
                 QStringLiteral("HUND|hund|2"));
        QCOMPARE(QList<int>(s.CandidateCount.begin() + 1, s.CandidateCount.end()),
                 (QList<int>{0, 0, 0, 1, 1, 0, 0, 0, 0, 300, 0, 0, 0,
                             1, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0, 0}));

        b.k.SetUpBoard(14, 525);
        QCOMPARE(s.CellSize, 38);         // 525 / 14 = 37.5, halves to even
        auto opens = [&b](int r, int c) { // 10 across, 1 down
            return 10 * b.k.CanOpenCell(r, c, kAcross) + b.k.CanOpenCell(r, c, kDown);
        };
        QCOMPARE(QList<int>({opens(1, 1), opens(2, 2), opens(2, 14), opens(15, 2)}),
                 QList<int>({11, 0, 0, 0}));
        b.state.Grid[1][14] = b.state.Grid[3][14] = kBlack;
        b.state.Grid[12][1] = b.state.Grid[12][3] = kBlack;
        QCOMPARE(QList<int>({opens(2, 14), opens(12, 2)}), QList<int>({10, 1}));
    }

    // Over many seeded grids of every size, in every language (whose every answer can be typed):
    // every letter belongs to a word;
    // a clue stands exactly where a run of two or more letters starts; the run is a candidate
    // with its own clue and its length, and no answer is placed twice. The lists name the
    // runs' first cells in the order of column, then row.
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
        const int to = 1 + (size + difficulty) % kLanguageCount, from = to % kLanguageCount + 1;
        const WordStore store = builtInStore(to, from);
        for (quint64 seed = 1; seed <= 8; ++seed) {
            Builder b(store, seed * 101 + static_cast<quint64>(size), to, from);
            const CrosswordState& s = b.state;
            b.k.SetDifficulty(difficulty);
            b.k.SetUpBoard(size, 525);
            b.k.GenerateCrossword();
            QVERIFY(qAbs(s.Progress - 100.0) < 1e-6);
            for (int len = kMinAnswer; len <= kMaxAnswer; ++len) // every answer can be typed
                for (const QString& answer : s.CandidateAnswer[len])
                    for (const QChar ch : answer)
                        QVERIFY2(IsAcceptedCharacter(ch), qPrintable(answer));
            int clues = 0;
            for (int r = 1; r <= size; ++r)
                for (int c = 1; c <= size; ++c) {
                    QVERIFY2(s.Grid[r][c] == kBlack ||
                                 (s.Grid[r][c].size() == 1 &&
                                  !(s.AcrossLabel[r][c] + s.DownLabel[r][c]).isEmpty()),
                             qPrintable(Korsord::CellLabel(r, c)));
                    clues +=
                        int(!s.ClueText[1][r][c].isEmpty()) + int(!s.ClueText[2][r][c].isEmpty());
                }
            const QList<Run> found = runs(s);
            QCOMPARE(clues, found.size());
            QSet<QString> answers;
            QStringList lists[2];
            for (const Run& run : found) {
                const int len = static_cast<int>(run.word.size());
                bool candidate = false;
                for (int k = 1; k <= s.CandidateCount[len] && !candidate; ++k)
                    candidate =
                        s.CandidateAnswer[len][k] == run.word && s.CandidateUsed[len][k] &&
                        run.clue == s.CandidateClue[len][k] + QStringLiteral(" (%1)").arg(len);
                QVERIFY2(candidate && !answers.contains(run.word), qPrintable(run.word));
                answers << run.word;
                lists[run.dir - 1] << Korsord::CellLabel(run.row, run.col) + run.clue;
            }
            QVERIFY(!answers.isEmpty());
            QCOMPARE(s.AcrossList, lists[0]);
            QCOMPARE(s.DownList, lists[1]);
        }
    }

    void printout_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addRow("German 25 x 25 on Letter")
            << Sheet{3, 2, 25, 2, 1, true, "Crossword: German, 25 x 25"};
        QTest::addRow("French 14 x 14, own Swedish")
            << Sheet{4, 1, 14, 3, 1, false, "Korsord: franska, 14 x 14"};
        QTest::addRow("English 25 x 25, own German")
            << Sheet{2, 3, 25, 4, 1, false, "Kreuzworträtsel: Englisch, 25 x 25"};
        QTest::addRow("Spanish 3 x 3, own French")
            << Sheet{5, 4, 3, 9, 1, false, "Mots croisés : espagnol, 3 x 3"};
        QTest::addRow("Swedish 25 x 25, own Spanish, long clues")
            << Sheet{1, 5, 25, 6, 6, false, "Crucigrama: sueco, 25 x 25"};
    }
    void printout() {
        QFETCH(Sheet, sheet);
        const int size = sheet.size;
        WordStore store = builtInStore(sheet.to, sheet.from);
        for (int k = 1; k <= store.wordCount; ++k)
            store.SetWord(k, 2, QStringList(sheet.clueRepeats, store.GetWord(k, 2)).join(u' '));
        Builder b(store, static_cast<quint64>(sheet.seed), sheet.to, sheet.from);
        b.k.SetUpBoard(size, 525);
        b.k.GenerateCrossword();
        const CrosswordState& state = b.state;
        QVERIFY(!state.AcrossList.isEmpty() && !state.DownList.isEmpty());

        const PrintTexts texts = printTexts(languageTexts(sheet.from), sheet.to, size);
        QCOMPARE(texts.title, sheet.title);
        // A name that the print dialog can offer as a file name anywhere.
        QVERIFY(texts.document.contains(QString::number(size)) && !texts.document.contains(u':'));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("crossword.pdf"));
        const QPageSize paper(sheet.letter ? QPageSize::Letter : QPageSize::A4);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!writeCrosswordPdf(state, texts, dir.path(), paper)); // a folder is no file
        PrintedPages printed;
        QVERIFY(writeCrosswordPdf(state, texts, pdf, paper, &printed));
        QCOMPARE(pdfPages(pdf), printed.pages);
        QVERIFY(printed.keyPage >= 2 && printed.keyPage <= printed.pages);
        QVERIFY(QRectF(QPointF(0, 0), paper.size(QPageSize::Point))
                    .contains(printed.sheetGrid.united(printed.keyGrid)));

        // The headings and every entry of both lists, with its label, on the worksheet; the
        // answers with their labels and clues on the key, and on the worksheet nowhere but
        // in those.
        const QString worksheet = pdfText(pdf, 1, printed.keyPage - 1);
        const QString key = pdfText(pdf, printed.keyPage, printed.pages);
        QVERIFY(!texts.key.isEmpty() && worksheet.startsWith(sheet.title) &&
                key.startsWith(sheet.title + u' ' + texts.key));
        QString rest = worksheet;
        for (const QString& entry :
             QStringList{sheet.title, texts.across, texts.down, texts.name, texts.date} +
                 state.AcrossList + state.DownList) {
            QVERIFY2(!entry.isEmpty() && worksheet.contains(entry.simplified()), qPrintable(entry));
            rest.remove(entry.simplified());
        }
        for (const Run& run : runs(state)) {
            QVERIFY(key.contains(Korsord::CellLabel(run.row, run.col).trimmed() + u' ' + run.word));
            QVERIFY(key.contains(run.clue.simplified()));
            QVERIFY2(!rest.contains(run.word), qPrintable(run.word));
        }

        // The grids: black squares black on both, open cells empty on the worksheet and
        // lettered on the key.
        const QImage sheetPage = pdfPage(pdf, 1), keyPage = pdfPage(pdf, printed.keyPage);
        for (int r = 1; r <= size; ++r)
            for (int c = 1; c <= size; ++c) {
                const double onSheet = darkness(sheetPage, printed.sheetGrid, size, r, c);
                const double onKey = darkness(keyPage, printed.keyGrid, size, r, c);
                QVERIFY2(state.Grid[r][c] == kBlack ? onSheet > 0.95 && onKey > 0.95
                                                    : onSheet == 0 && onKey > 0.02 && onKey < 0.6,
                         qPrintable(Korsord::CellLabel(r, c)));
            }
    }
};

QTEST_MAIN(TstKorsord)
#include "tst_korsord.moc"
