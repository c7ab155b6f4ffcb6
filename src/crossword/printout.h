// The crossword on paper: a worksheet (title, a line for name and date, the empty grid framed
// by its column letters and row numbers, the Across and Down clues as the window lists them)
// followed by the answer key (the grid filled in, the answers with their clues). Drawn from
// the crossword state on any paged device, a printer or a PDF file; no window is needed.
#pragma once

#include "korsord.h"
#include "words/langfile.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <vector>

class QPagedPaintDevice;

namespace vx {

// Text numbers of the printout in the language file.
enum class PrintText {
    Title = 80,          // "Crossword: %1, %2 x %2" with the practised language and the size
    FirstLanguage = 81,  // the names of the languages 1..5 (81 Swedish .. 85 Spanish)
    Name = 86,           // "Name:"
    Date = 87,           // "Date:"
    Key = 88,            // the heading of the answer key
    PrinterPicture = 89, // the tooltip of the window's printer picture
};

// The words of the printout, in the own language.
struct PrintTexts {
    QString title;
    QString document; // the title as a file name: the print dialog offers "<document>.pdf"
    QString across;
    QString down;
    QString name;
    QString date;
    QString key;
};

// The texts for a puzzle of `gridSize` in the practised language `toLanguage`, from the
// own language's text table; "Across" and "Down" are the window's list headings.
PrintTexts printTexts(const TextTable& texts, int toLanguage, int gridSize);

// One entry of a clue list with the answer that the grid holds for it.
struct PrintedWord {
    QString label; // "A 1", as the list begins
    QString clue;  // "character (9)"
    QString answer;
};

// The entries of the across (1) or down (2) list in the list's order.
std::vector<PrintedWord> printedWords(const CrosswordState& state, int direction);

// A4, or Letter where the locale measures in US units.
QPageSize defaultPageSize(const QLocale& locale);
// Portrait with margins of 15 mm.
QPageLayout printPageLayout(const QPageSize& pageSize);

// Where the printout went: page counts from 1; the grids in points from the top left
// corner of their page.
struct PrintedPages {
    int pages = 0;
    int keyPage = 0; // the first page of the answer key
    QRectF sheetGrid;
    QRectF keyGrid;
};

// Draws the worksheet and then the answer key on a device that has no page drawn yet; of
// the pages, only those that the device's page ranges name (all when it names none). False
// when painting cannot begin (a file that cannot be written).
bool printCrossword(const CrosswordState& state, const PrintTexts& texts, QPagedPaintDevice& device,
                    PrintedPages* pages = nullptr);

// The same into a PDF file laid out by printPageLayout.
bool writeCrosswordPdf(const CrosswordState& state, const PrintTexts& texts, const QString& path,
                       const QPageSize& pageSize, PrintedPages* pages = nullptr);

} // namespace vx
