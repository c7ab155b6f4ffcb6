// The crossword on paper, read back as the teacher gets it: the text of the PDF (pdftotext)
// and its pages as pictures (pdftoppm), for seeded puzzles in every own language.
#include "builtinwords.h"
#include "crossword/printout.h"
#include "pdfreader.h"
#include "tools/dicttool/tsv.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

constexpr int kDpi = 100;

QImage pdfPage(const QString& pdf, int page) {
    const QString stem = pdf + QStringLiteral("-page");
    poppler(QStringLiteral("pdftoppm"),
            {"-f", QString::number(page), "-l", QString::number(page), "-r", QString::number(kDpi),
             "-singlefile", "-png", pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

QSet<QString> wordsOf(const QString& text) {
    static const QRegularExpression gaps(QStringLiteral("[^\\w]+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    const QStringList list = text.split(gaps, Qt::SkipEmptyParts);
    return QSet<QString>(list.begin(), list.end());
}

// The share of dark pixels in the middle half of a cell of a grid drawn at `grid` (points).
double darkShare(const QImage& page, const QRectF& grid, int n, int r, int c) {
    const double cell = grid.width() / n * kDpi / 72;
    const QPointF topLeft = grid.topLeft() * kDpi / 72;
    const QRect middle(static_cast<int>(topLeft.x() + (c - 0.75) * cell),
                       static_cast<int>(topLeft.y() + (r - 0.75) * cell),
                       static_cast<int>(cell / 2), static_cast<int>(cell / 2));
    int dark = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
            dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    return static_cast<double>(dark) / (middle.width() * middle.height());
}

TextTable languageTexts(int language) {
    QFile f(QStringLiteral(VOKABRIX_DATA_DIR "/lang.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no lang.tsv");
    std::vector<LanguageEntry> entries;
    QString error;
    if (!tsv::importLanguage(f.readAll(), QStringLiteral("lang.tsv"), entries, error))
        qFatal("%s", qPrintable(error));
    TextTable table;
    for (const LanguageEntry& e : entries)
        table.uiText[e.number] = e.texts.value(language - 1);
    return table;
}

} // namespace

class TstPrintout : public QObject {
    Q_OBJECT
private slots:
    void worksheetAndKey_data() {
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("letter");
        QTest::addColumn<int>("longClues"); // each clue this many times over
        QTest::addColumn<QString>("title");
        QTest::addRow("German 3 x 3")
            << 3 << 2 << 3 << 8 << false << 1 << "Crossword: German, 3 x 3";
        QTest::addRow("German 14 x 14")
            << 3 << 2 << 14 << 1 << false << 1 << "Crossword: German, 14 x 14";
        QTest::addRow("German 25 x 25 on Letter")
            << 3 << 2 << 25 << 2 << true << 1 << "Crossword: German, 25 x 25";
        QTest::addRow("French 14 x 14, own Swedish")
            << 4 << 1 << 14 << 3 << false << 1 << "Korsord: franska, 14 x 14";
        QTest::addRow("English 25 x 25, own German")
            << 2 << 3 << 25 << 4 << false << 1 << "Kreuzworträtsel: Englisch, 25 x 25";
        QTest::addRow("Spanish 3 x 3, own French")
            << 5 << 4 << 3 << 9 << false << 1 << "Mots croisés : espagnol, 3 x 3";
        QTest::addRow("Swedish 25 x 25, own Spanish, long clues")
            << 1 << 5 << 25 << 6 << false << 6 << "Crucigrama: sueco, 25 x 25";
    }
    void worksheetAndKey() {
        QFETCH(int, to);
        QFETCH(int, from);
        QFETCH(int, size);
        QFETCH(int, seed);
        QFETCH(bool, letter);
        QFETCH(int, longClues);
        QFETCH(QString, title);
        WordStore store = builtInStore(to, from);
        for (int k = 1; k <= store.wordCount; ++k)
            store.SetWord(k, 2, QStringList(longClues, store.GetWord(k, 2)).join(u' '));
        Builder b(store, static_cast<quint64>(seed), to, from);
        b.k.SetUpBoard(size, 525);
        b.k.GenerateCrossword();
        const CrosswordState& state = b.state;
        QVERIFY(!state.AcrossList.isEmpty() && !state.DownList.isEmpty());

        const TextTable table = languageTexts(from);
        const PrintTexts texts = printTexts(table, to, size);
        QCOMPARE(texts.title, title);
        // A name that the print dialog can offer as a file name anywhere.
        QVERIFY(texts.document.contains(QString::number(size)) && !texts.document.contains(u':'));
        for (const QString& t : {texts.across, texts.down, texts.name, texts.date, texts.key,
                                 table.text(int(PrintText::PrinterPicture))})
            QVERIFY(!t.isEmpty());
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("crossword.pdf"));
        const QPageSize paper(letter ? QPageSize::Letter : QPageSize::A4);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!writeCrosswordPdf(state, texts, dir.path(), paper)); // a folder is no file
        PrintedPages printed;
        QVERIFY(writeCrosswordPdf(state, texts, pdf, paper, &printed));
        QCOMPARE(pdfPages(pdf), printed.pages);
        QVERIFY(printed.keyPage >= 2 && printed.keyPage <= printed.pages);

        // Every entry of both lists, with its label, on the worksheet; the answers with
        // their labels and clues on the key, and on the worksheet only where a clue or a
        // heading says the same.
        const QString sheet = pdfText(pdf, 1, printed.keyPage - 1);
        const QString key = pdfText(pdf, printed.keyPage, printed.pages);
        QVERIFY(sheet.startsWith(title) && key.startsWith(title + u' ' + texts.key));
        QSet<QString> printedAnyway = wordsOf(
            QStringList{title, texts.across, texts.down, texts.name, texts.date}.join(u' '));
        for (const QString& entry : state.AcrossList + state.DownList) {
            QVERIFY2(sheet.contains(entry.simplified()), qPrintable(entry));
            printedAnyway += wordsOf(entry);
        }
        for (int direction = 1; direction <= 2; ++direction) {
            const auto& labels = direction == 1 ? state.AcrossLabel : state.DownLabel;
            for (const QString& entry : direction == 1 ? state.AcrossList : state.DownList) {
                // The answer is made of the cells that carry the entry's label.
                QString answer;
                for (int a = 1; a <= size; ++a)
                    for (int b = 1; b <= size; ++b) {
                        const int r = direction == 1 ? a : b;
                        const int c = direction == 1 ? b : a;
                        answer += labels[r][c] == entry.left(5) ? state.Grid[r][c] : QString();
                    }
                QVERIFY(key.contains(entry.left(5).trimmed() + u' ' + answer));
                QVERIFY(key.contains(entry.mid(5).simplified()));
                QVERIFY2(!wordsOf(sheet).contains(answer) || printedAnyway.contains(answer),
                         qPrintable(answer));
            }
        }

        // The grids: black squares black, open cells empty on the worksheet and lettered
        // on the key.
        const QImage sheetPage = pdfPage(pdf, 1);
        const QImage keyPage = pdfPage(pdf, printed.keyPage);
        int black = 0;
        int blackSeen = 0;
        int whiteSeen = 0;
        for (int r = 1; r <= size; ++r) {
            for (int c = 1; c <= size; ++c) {
                const bool isBlack = state.Grid[r][c] == kBlack;
                black += isBlack ? 1 : 0;
                const double onSheet = darkShare(sheetPage, printed.sheetGrid, size, r, c);
                const double onKey = darkShare(keyPage, printed.keyGrid, size, r, c);
                blackSeen += onSheet > 0.95 ? 1 : 0;
                whiteSeen += onSheet == 0 ? 1 : 0;
                QVERIFY(isBlack ? onKey > 0.95 : onKey > 0.02 && onKey < 0.6);
            }
        }
        QVERIFY(black < size * size);
        QCOMPARE(blackSeen, black);
        QCOMPARE(whiteSeen, size * size - black);

        const QRectF page(QPointF(0, 0), paper.size(QPageSize::Point));
        QVERIFY(page.contains(printed.sheetGrid) && page.contains(printed.keyGrid));
    }
};

QTEST_MAIN(TstPrintout)
#include "tst_printout.moc"
