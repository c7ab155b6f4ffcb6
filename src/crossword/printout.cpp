#include "printout.h"

#include "common/textconv.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <memory>

namespace vx {

namespace {

// Sizes in points.
constexpr double kMaxCell = 28; // about a centimetre: room for a handwritten letter
constexpr double kTitleSize = 16;
constexpr double kHeadingSize = 12;
constexpr double kBodySize = 10;
constexpr double kStripSize = 9; // column letters and row numbers, never smaller
constexpr double kColumnGap = 18;
constexpr double kMarginMm = 15;
constexpr int kLabelLength = 5; // "A 1  ", "C 12 "

QFont printFont(double points, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

bool isBlack(const CrosswordState& s, int r, int c) {
    return s.Grid[r][c] == kBlack || s.Grid[r][c].isEmpty();
}

// One page after the other on the device, drawn in device units; sizes are given in points.
class Printout {
public:
    Printout(QPainter& painter, QPagedPaintDevice& device, const CrosswordState& state,
             const PrintTexts& texts)
        : m_painter(painter), d(device), s(state), t(texts), k(device.logicalDpiY() / 72.0),
          m_ranges(device.pageRanges()) {
        const QRectF paint = device.pageLayout().paintRectPoints();
        m_origin = paint.topLeft();
        m_width = paint.width() * k;
        m_height = paint.height() * k;
        startPage();
    }

    // The worksheet; returns its grid in points on the page.
    QRectF sheet() {
        double y = title(t.title);
        y = nameAndDate(y);
        const QRectF grid = drawGrid(y + u(10), false);
        flowLists(grid.bottom() + u(16), false);
        return onPage(grid);
    }

    QRectF key() {
        newPage();
        double y = title(t.title);
        p().setFont(printFont(kHeadingSize, true));
        const QFontMetricsF fm(p().font(), &d);
        p().drawText(QPointF(0, y + fm.ascent()), t.key);
        y += fm.height();
        const QRectF grid = drawGrid(y + u(10), true);
        flowLists(grid.bottom() + u(16), true);
        return onPage(grid);
    }

    int page = 1;

private:
    double u(double points) const { return points * k; }
    QRectF onPage(const QRectF& r) const {
        return QRectF(r.x() / k + m_origin.x(), r.y() / k + m_origin.y(), r.width() / k,
                      r.height() / k);
    }

    // The painter of the current page: the device's for the pages asked for (all unless the
    // print dialog named a range), else one whose drawing goes nowhere.
    QPainter& p() { return *m_p; }

    void newPage() {
        ++page;
        startPage();
    }

    void startPage() {
        if (!m_ranges.isEmpty() && !m_ranges.contains(page)) {
            m_p = &m_nowhere;
            return;
        }
        if (m_printed)
            d.newPage();
        m_printed = true;
        m_p = &m_painter;
    }

    // The title with a rule below it; returns the height used.
    double title(const QString& text) {
        p().setFont(printFont(kTitleSize, true));
        const QFontMetricsF fm(p().font(), &d);
        p().drawText(QPointF(0, fm.ascent()), text);
        const double rule = fm.height() + u(3);
        p().setPen(QPen(Qt::black, u(0.8)));
        p().drawLine(QPointF(0, rule), QPointF(m_width, rule));
        return rule + u(8);
    }

    // "Name: ______  Date: ______"; returns the next free height.
    double nameAndDate(double top) {
        p().setFont(printFont(kBodySize + 1, false));
        const QFontMetricsF fm(p().font(), &d);
        const double baseline = top + u(10) + fm.ascent();
        p().setPen(QPen(Qt::black, u(0.6)));
        auto field = [&](const QString& label, double from, double to) {
            p().drawText(QPointF(from, baseline), label);
            const double start = from + fm.horizontalAdvance(label) + u(4);
            p().drawLine(QPointF(start, baseline + u(2)), QPointF(to, baseline + u(2)));
        };
        const double split = m_width * 0.62;
        field(t.name, 0, split - u(18));
        field(t.date, split, m_width);
        return baseline + fm.descent() + u(4);
    }

    // The grid with its column letters above and row numbers left of it, centred across the
    // page; the solution letters on the key. Returns the grid's square.
    QRectF drawGrid(double top, bool solution) {
        const int n = s.GridSize;
        QFont strip = printFont(11, false);
        const double stripWidth =
            QFontMetricsF(strip, &d).horizontalAdvance(QStringLiteral("25")) + u(5);
        const double stripHeight = QFontMetricsF(strip, &d).height() + u(2);
        const double cell =
            std::min({u(kMaxCell), (m_width - stripWidth) / n, (m_height - top - stripHeight) / n});
        strip.setPointSizeF(std::clamp(cell / k * 0.45, kStripSize, 11.0));
        const double x0 = (m_width - stripWidth - n * cell) / 2 + stripWidth;
        const double y0 = top + stripHeight;
        const QRectF grid(x0, y0, n * cell, n * cell);

        p().setFont(strip);
        p().setPen(Qt::black);
        const QFontMetricsF fs(strip, &d);
        for (int i = 1; i <= n; ++i) {
            const QString letter(QChar(64 + i));
            p().drawText(QPointF(x0 + (i - 0.5) * cell - fs.horizontalAdvance(letter) / 2,
                                 y0 - u(3) - fs.descent()),
                         letter);
            const QString number = QString::number(i);
            p().drawText(QPointF(x0 - u(4) - fs.horizontalAdvance(number),
                                 y0 + (i - 0.5) * cell + (fs.ascent() - fs.descent()) / 2),
                         number);
        }

        const QFont letters = printFont(std::clamp(cell / k * 0.55, kStripSize, 16.0), true);
        const QFontMetricsF fl(letters, &d);
        p().setFont(letters);
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                const QRectF box(x0 + (c - 1) * cell, y0 + (r - 1) * cell, cell, cell);
                if (isBlack(s, r, c)) {
                    p().fillRect(box, Qt::black);
                    continue;
                }
                p().setPen(QPen(Qt::black, u(0.6)));
                p().drawRect(box);
                if (solution) {
                    const QString& letter = s.Grid[r][c];
                    p().drawText(QPointF(box.center().x() - fl.horizontalAdvance(letter) / 2,
                                         box.center().y() + (fl.ascent() - fl.descent()) / 2),
                                 letter);
                }
            }
        }
        p().setPen(QPen(Qt::black, u(1.4)));
        p().setBrush(Qt::NoBrush);
        p().drawRect(grid);
        return grid;
    }

    // The Across list beside the Down list where both fit below the grid; otherwise the one
    // after the other in two columns, on further pages when they are long.
    void flowLists(double top, bool key) {
        const double columnWidth = (m_width - u(kColumnGap)) / 2;
        const QFont heading = printFont(kHeadingSize, true);
        const QFontMetricsF fh(heading, &d);
        const double headingHeight = fh.height() + u(4);
        constexpr double kEntryGap = 2.5;
        std::array<std::vector<std::unique_ptr<QTextLayout>>, 2> lists;
        bool sideBySide = true;
        for (int direction = 1; direction <= 2; ++direction) {
            double height = headingHeight;
            for (const PrintedWord& w : printedWords(s, direction)) {
                lists[direction - 1].push_back(entryLayout(w, key, columnWidth));
                height += lists[direction - 1].back()->boundingRect().height() + u(kEntryGap);
            }
            sideBySide = sideBySide && !lists[direction - 1].empty() && top + height <= m_height;
        }
        int column = 0;
        double columnTop = top;
        double y = top;
        // Moves to the next column or page unless `needed` fits; true on a new page.
        auto room = [&](double needed) {
            if (y + needed <= m_height || y == columnTop)
                return false;
            const bool turn = column == 1;
            if (turn) {
                newPage();
                columnTop = runningHeader(key);
            }
            column = 1 - column;
            y = columnTop;
            return turn;
        };
        auto drawHeading = [&](int direction) {
            p().setFont(heading);
            p().setPen(Qt::black);
            p().drawText(QPointF(column * (columnWidth + u(kColumnGap)), y + fh.ascent()),
                         direction == 1 ? t.across : t.down);
            y += headingHeight;
        };
        for (int direction = 1; direction <= 2; ++direction) {
            const auto& layouts = lists[direction - 1];
            if (layouts.empty())
                continue;
            if (direction == 2 && sideBySide) {
                column = 1;
                y = columnTop;
            }
            if (y != columnTop)
                y += u(10);
            // A heading stays with its first entry.
            room(headingHeight + layouts.front()->boundingRect().height());
            drawHeading(direction);
            for (const auto& layout : layouts) {
                const double height = layout->boundingRect().height();
                // A list that goes on over the page says again which list it is.
                if (room(height))
                    drawHeading(direction);
                layout->draw(&p(), QPointF(column * (columnWidth + u(kColumnGap)), y));
                y += height + u(kEntryGap);
            }
        }
    }

    // An entry as the window lists it, the label in a fixed-pitch font so that the clues line
    // up; on the key the answer in bold comes before the clue. Wrapped lines stay clear of
    // the label.
    std::unique_ptr<QTextLayout> entryLayout(const PrintedWord& w, bool key, double width) {
        const QString label = w.label.leftJustified(kLabelLength);
        const QString text =
            label + (key ? w.answer + QStringLiteral(" \u2013 ") + w.clue : w.clue);
        auto layout = std::make_unique<QTextLayout>(text, printFont(kBodySize, false), &d);
        QFont fixed(QStringLiteral("DejaVu Sans Mono"));
        fixed.setPointSizeF(kBodySize);
        fixed.setBold(true);
        QList<QTextLayout::FormatRange> formats(1);
        formats[0].start = 0;
        formats[0].length = kLabelLength;
        formats[0].format.setFont(fixed);
        if (key) {
            formats.resize(2);
            formats[1].start = kLabelLength;
            formats[1].length = static_cast<int>(w.answer.size());
            formats[1].format.setFontWeight(QFont::Bold);
        }
        layout->setFormats(formats);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout->setTextOption(option);
        const double indent = QFontMetricsF(fixed, &d).horizontalAdvance(label);
        layout->beginLayout();
        double height = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            const double x = height == 0 ? 0 : indent;
            line.setLineWidth(width - x);
            line.setPosition(QPointF(x, height));
            height += line.height();
        }
        layout->endLayout();
        return layout;
    }

    // The title on the pages after the first of the worksheet or the key.
    double runningHeader(bool key) {
        p().setFont(printFont(kBodySize, true));
        p().setPen(Qt::black);
        const QFontMetricsF fm(p().font(), &d);
        p().drawText(QPointF(0, fm.ascent()),
                     key ? t.title + QStringLiteral(" \u2013 ") + t.key : t.title);
        return fm.height() + u(12);
    }

    QPainter& m_painter;
    QPagedPaintDevice& d;
    const CrosswordState& s;
    const PrintTexts& t;
    double k; // device units per point
    QPointF m_origin;
    double m_width = 0;
    double m_height = 0;
    QPageRanges m_ranges;
    bool m_printed = false; // a page of the device has been drawn on
    QImage m_nowhereImage{1, 1, QImage::Format_ARGB32};
    QPainter m_nowhere{&m_nowhereImage};
    QPainter* m_p = &m_nowhere;
};

} // namespace

PrintTexts printTexts(const TextTable& texts, int toLanguage, int gridSize) {
    auto text = [&texts](PrintText which, int offset = 0) {
        return texts.text(static_cast<int>(which) + offset);
    };
    PrintTexts t;
    t.title = text(PrintText::Title)
                  .replace(QStringLiteral("%2"), QString::number(gridSize))
                  .replace(QStringLiteral("%1"), text(PrintText::FirstLanguage, toLanguage - 1));
    // No character that a file system refuses (the colon of the title among them).
    static const QRegularExpression refused(QStringLiteral("[\\\\/:*?\"<>|]"));
    t.document = QString(t.title).remove(refused).simplified();
    t.across = texts.text(53);
    t.down = texts.text(54);
    t.name = text(PrintText::Name);
    t.date = text(PrintText::Date);
    t.key = text(PrintText::Key);
    return t;
}

std::vector<PrintedWord> printedWords(const CrosswordState& s, int direction) {
    std::vector<PrintedWord> words;
    for (const QString& entry : direction == 1 ? s.AcrossList : s.DownList) {
        // The entry is a five-character label (column letter, blank, row) and the clue.
        PrintedWord w;
        w.label = entry.left(5).trimmed();
        w.clue = entry.mid(5);
        const int col = entry[0].unicode() - 64;
        int row = static_cast<int>(val(entry.mid(1, 3)));
        int c = col;
        while (row >= 1 && row <= s.GridSize && c >= 1 && c <= s.GridSize && !isBlack(s, row, c)) {
            w.answer += s.Grid[row][c];
            (direction == 1 ? c : row) += 1;
        }
        words.push_back(w);
    }
    return words;
}

QPageSize defaultPageSize(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

QPageLayout printPageLayout(const QPageSize& pageSize) {
    return QPageLayout(pageSize, QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

bool printCrossword(const CrosswordState& state, const PrintTexts& texts, QPagedPaintDevice& device,
                    PrintedPages* pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Printout out(painter, device, state, texts);
    const QRectF sheetGrid = out.sheet();
    const int keyPage = out.page + 1;
    const QRectF keyGrid = out.key();
    painter.end();
    if (pages)
        *pages = PrintedPages{out.page, keyPage, sheetGrid, keyGrid};
    return true;
}

bool writeCrosswordPdf(const CrosswordState& state, const PrintTexts& texts, const QString& path,
                       const QPageSize& pageSize, PrintedPages* pages) {
    QPdfWriter writer(path);
    writer.setPageLayout(printPageLayout(pageSize));
    writer.setTitle(texts.title);
    writer.setCreator(QStringLiteral("Vokabrix"));
    return printCrossword(state, texts, writer, pages);
}

} // namespace vx
