// The crossword on paper, read back as the teacher gets it: the text of the PDF (pdftotext)
// and its pages as pictures (pdftoppm), for seeded puzzles in every own language.
#include "builtinwords.h"
#include "crossword/printout.h"
#include "tools/dicttool/tsv.h"

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using vx::test::builtInStore;

namespace {

QByteArray poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(tool), p.readAllStandardError().constData());
    return p.readAllStandardOutput();
}

// The text of pages first..last in the order it was drawn, with every run of blanks and line
// breaks made one blank.
QString pdfText(const QString& pdf, int first, int last) {
    return QString::fromUtf8(poppler(QStringLiteral("pdftotext"),
                                     {"-raw", "-enc", "UTF-8", "-f", QString::number(first), "-l",
                                      QString::number(last), pdf, "-"}))
        .normalized(QString::NormalizationForm_KC) // no ligatures
        .simplified();
}

int pdfPages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromUtf8(poppler(QStringLiteral("pdfinfo"), {pdf})))
        .captured(1)
        .toInt();
}

constexpr int kDpi = 100;

QImage pdfPage(const QString& pdf, int page) {
    const QString stem = pdf + QStringLiteral("-page");
    poppler(QStringLiteral("pdftoppm"),
            {"-f", QString::number(page), "-l", QString::number(page), "-r", QString::number(kDpi),
             "-singlefile", "-png", pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

// Every word of the PDF with its box in points, and the page it is on.
struct Word {
    int page;
    QRectF box;
    QString text;
};

std::vector<Word> pdfWords(const QString& pdf, QSizeF& pageSize) {
    const QString html =
        QString::fromUtf8(poppler(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    static const QRegularExpression pageRe(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    static const QRegularExpression wordRe(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>|<page "));
    const auto size = pageRe.match(html);
    pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    std::vector<Word> words;
    int page = 0;
    for (auto it = wordRe.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QStringLiteral("<page ")) {
            ++page;
            continue;
        }
        const double x0 = m.captured(1).toDouble();
        const double y0 = m.captured(2).toDouble();
        words.push_back(
            {page, QRectF(x0, y0, m.captured(3).toDouble() - x0, m.captured(4).toDouble() - y0),
             m.captured(5)});
    }
    return words;
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

// A puzzle of the built-in words; each clue `longClues` times over.
void makePuzzle(CrosswordState& state, int to, int from, int size, int seed, int longClues = 1) {
    WordStore store = builtInStore(to, from);
    for (int k = 1; k <= store.wordCount; ++k)
        store.SetWord(k, 2, QStringList(longClues, store.GetWord(k, 2)).join(u' '));
    Random rng;
    rng.seed(static_cast<quint64>(seed));
    Korsord k(state, rng);
    k.InitCrosswordState();
    k.PrepareCrosswordWords(store, from, to);
    k.FinishCrosswordSetUp();
    k.SetUpBoard(size, 525);
    k.GenerateCrossword();
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
        CrosswordState state;
        makePuzzle(state, to, from, size, seed, longClues);
        QVERIFY(!state.AcrossList.isEmpty() && !state.DownList.isEmpty());

        const TextTable table = languageTexts(from);
        const PrintTexts texts = printTexts(table, to, size);
        QCOMPARE(texts.title, title);
        // A name that the print dialog can offer as a file name anywhere.
        QVERIFY(texts.document.contains(QStringLiteral("%1 x %1").arg(size)));
        QVERIFY(!texts.document.contains(u':'));
        for (const QString& t : {texts.across, texts.down, texts.name, texts.date, texts.key,
                                 table.text(int(PrintText::PrinterPicture))})
            QVERIFY(!t.isEmpty());
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("crossword.pdf"));
        PrintedPages printed;
        QVERIFY(writeCrosswordPdf(state, texts, pdf,
                                  QPageSize(letter ? QPageSize::Letter : QPageSize::A4), &printed));
        QCOMPARE(pdfPages(pdf), printed.pages);
        QVERIFY(printed.keyPage >= 2 && printed.keyPage <= printed.pages);

        // Every entry of both lists, with its label, on the worksheet; the answers with
        // their labels and clues on the key, and on the worksheet only where a clue or a
        // heading says the same.
        const QString sheet = pdfText(pdf, 1, printed.keyPage - 1);
        const QString key = pdfText(pdf, printed.keyPage, printed.pages);
        QVERIFY(sheet.startsWith(title));
        for (const QString& t : {texts.across, texts.down, texts.name, texts.date})
            QVERIFY(sheet.contains(t));
        QVERIFY(key.contains(texts.key));
        QSet<QString> printedAnyway = wordsOf(texts.title + u' ' + texts.across + u' ' +
                                              texts.down + u' ' + texts.name + u' ' + texts.date);
        for (const QString& entry : state.AcrossList + state.DownList) {
            QVERIFY2(sheet.contains(entry.simplified()), qPrintable(entry));
            printedAnyway += wordsOf(entry.mid(5));
        }
        const QSet<QString> onTheSheet = wordsOf(sheet);
        int words = 0;
        for (int direction = 1; direction <= 2; ++direction) {
            const auto& labels = direction == 1 ? state.AcrossLabel : state.DownLabel;
            for (const QString& entry : direction == 1 ? state.AcrossList : state.DownList) {
                // The answer is made of the cells that carry the entry's label.
                QString answer;
                for (int a = 1; a <= size; ++a)
                    for (int b = 1; b <= size; ++b) {
                        const int r = direction == 1 ? a : b;
                        const int c = direction == 1 ? b : a;
                        if (labels[r][c] == entry.left(5))
                            answer += state.Grid[r][c];
                    }
                QVERIFY(answer.size() >= kMinAnswer);
                QVERIFY2(key.contains(entry.left(5).trimmed() + u' ' + answer), qPrintable(answer));
                QVERIFY2(key.contains(entry.mid(5).simplified()), qPrintable(entry));
                QVERIFY2(!onTheSheet.contains(answer) || printedAnyway.contains(answer),
                         qPrintable(answer));
                ++words;
            }
        }
        QCOMPARE(words, static_cast<int>(state.AcrossList.size() + state.DownList.size()));

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
                const double sheetDark = darkShare(sheetPage, printed.sheetGrid, size, r, c);
                const double keyDark = darkShare(keyPage, printed.keyGrid, size, r, c);
                blackSeen += sheetDark > 0.95 ? 1 : 0;
                whiteSeen += sheetDark == 0 ? 1 : 0;
                const bool keyRight = isBlack ? keyDark > 0.95 : keyDark > 0.02 && keyDark < 0.6;
                QVERIFY2(keyRight, qPrintable(Korsord::CellLabel(r, c)));
            }
        }
        QVERIFY(black < size * size);
        QCOMPARE(blackSeen, black);
        QCOMPARE(whiteSeen, size * size - black);

        // The grid fits the page; no text is smaller than 9 points, none leaves the page
        // and none lies over another.
        QSizeF page;
        const std::vector<Word> all = pdfWords(pdf, page);
        for (const QRectF& grid : {printed.sheetGrid, printed.keyGrid})
            QVERIFY(QRectF(QPointF(0, 0), page).contains(grid));
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Word& w = all[i];
            QVERIFY2(w.box.height() >= 9.0, qPrintable(w.text));
            QVERIFY2(QRectF(QPointF(0, 0), page).contains(w.box), qPrintable(w.text));
            for (std::size_t j = i + 1; j < all.size(); ++j) {
                const Word& v = all[j];
                QVERIFY2(v.page != w.page ||
                             !v.box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(w.box),
                         qPrintable(w.text + " / " + v.text));
            }
        }
    }

    // The pages the print dialog names, and no others.
    void pageRanges_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addRow("the worksheet") << 1 << 1;
        QTest::addRow("the key") << 2 << 2;
        QTest::addRow("both") << 1 << 2;
    }
    void pageRanges() {
        QFETCH(int, from);
        QFETCH(int, to);
        CrosswordState state;
        makePuzzle(state, 3, 2, 14, 1);
        const PrintTexts texts = printTexts(languageTexts(2), 3, 14);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("pages.pdf");
        PrintedPages printed;
        {
            QPdfWriter writer(pdf);
            QPageRanges ranges;
            ranges.addRange(from, to);
            writer.setPageRanges(ranges);
            QVERIFY(printCrossword(state, texts, writer, &printed));
        }
        QCOMPARE(printed.keyPage, 2);
        QCOMPARE(pdfPages(pdf), to - from + 1);
        const QString text = pdfText(pdf, 1, to - from + 1);
        QCOMPARE(text.contains(texts.name), from == 1);
        QCOMPARE(text.contains(texts.key), to == 2);
    }

    // A file that cannot be made is reported, not taken for printed.
    void unwritableFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addRow("a folder") << "";
        QTest::addRow("in a folder that is a plain file") << "plain/crossword.pdf";
    }
    void unwritableFile() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        CrosswordState state;
        const PrintTexts texts = printTexts(languageTexts(2), 3, 14);
        QVERIFY(!writeCrosswordPdf(state, texts, dir.filePath(path), QPageSize(QPageSize::A4)));
    }
};

QTEST_MAIN(TstPrintout)
#include "tst_printout.moc"
