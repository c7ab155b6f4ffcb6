// The crossword window played with the mouse and the keyboard: typing with its turns and
// the letters of every answer, Backspace, revealing and checking, hearing an answer, New
// asking before it replaces a puzzle in play, a window opened again, the board drawn whole
// at every size, the clue lists, printing through the print dialog.
#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "crossword/builtinwords.h"
#include "crossword/frmkorsord.h"
#include "crossword/pdfreader.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>

using namespace vx;
using namespace vx::test;

namespace {

// A program in two languages, and the crossword state with its candidate tables, which
// outlives the windows as in the program.
struct Crossword {
    TestApp app;
    Builder made;
    CrosswordState& state = made.state;
    QPointer<frmKorsord> w;

    explicit Crossword(int to = 3, int from = 2) : made(builtInStore(to, from), 1, to, from) {
        app.ctx.settings.toLanguage = static_cast<qint16>(to);
        app.ctx.settings.fromLanguage = static_cast<qint16>(from);
    }
    ~Crossword() { delete w.data(); }

    // Opens a window over the state; each window starts from an empty board.
    frmKorsord& open() {
        w = new frmKorsord(app.ctx, state);
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("window not shown");
        QApplication::setActiveWindow(w);
        return *w;
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // A double click on the board as the system delivers it: a click, then a second press
    // that comes as the double click, then its release.
    void doubleClick(Qt::MouseButton button, QPoint pos) {
        QTest::mouseClick(w->Bild, button, {}, pos);
        QTest::mouseDClick(w->Bild, button, {}, pos);
        QTest::mouseRelease(w->Bild, button, {}, pos);
    }
    QPoint at(QPoint cell) const { return w->Bild->cellRect(cell.y(), cell.x()).center(); }
    // The widget with the focus gets the keys, as on the screen.
    QWidget* keys() const { return QApplication::focusWidget(); }
    // Types letters as the keyboard sends them: each its key with the lower-case text.
    void type(const QString& letters) {
        for (const QChar upper : letters)
            QTest::sendKeyEvent(QTest::Click, keys(), static_cast<Qt::Key>(upper.unicode()),
                                QString(upper.toLower()), Qt::NoModifier);
    }
    // "D 2 down": the cursor's cell and the typing direction.
    QString cursor() const {
        return Korsord::CellLabel(state.CursorRow, state.CursorCol).trimmed() +
               (state.TypingDirection == 2 ? " down" : " across");
    }
    bool black(int r, int c) const { return state.Grid[r][c] == kBlack; }
    // The letter cell farthest from the cursor's start at A 1, as (column, row).
    QPoint lastLetterCell() const {
        for (int r = state.GridSize; r >= 1; --r)
            for (int c = state.GridSize; c >= 1; --c)
                if (!black(r, c))
                    return {c, r};
        return {};
    }
    // Prints with the printer picture or Ctrl+P, answering the print dialog with "print" (to
    // `pdf`), "worksheet" (page 1 only) or "cancel"; gives the paper that the dialog offered,
    // -1 when none opened.
    int print(bool picture, const QString& answer, const QString& pdf) {
        int offered = -1;
        QObject scope; // no dialog waited for beyond this call
        whenModal<QPrintDialog>(
            [&](QPrintDialog* dialog) {
                offered = dialog->printer()->pageLayout().pageSize().id();
                auto* file = dialog->findChild<QLineEdit*>("filename");
                file->selectAll();
                QTest::keyClicks(file, pdf);
                if (answer == "worksheet") {
                    dialog->findChild<QAbstractButton*>("printRange")->click();
                    dialog->findChild<QSpinBox*>("from")->setValue(1);
                    dialog->findChild<QSpinBox*>("to")->setValue(1);
                }
                dialog->findChild<QDialogButtonBox*>()
                    ->button(answer == "cancel" ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)
                    ->click();
            },
            &scope);
        picture ? click(w->imgPrinter) : QTest::keyClick(keys(), Qt::Key_P, Qt::ControlModifier);
        QCoreApplication::processEvents();
        return offered;
    }
    // Plays a script and gives what its look-up steps saw, joined by "|". A step is a key
    // (Backspace, Down, F5, Shift, Ctrl), Check or Speaker clicked, "@B1" a left double click
    // on cell B1 ("r@B1" a right one, "m@B1" a middle one, "@-" a left one beside the grid), ">B1"
    // the cursor taken there with the arrows, "?c" the cursor, "?sel" the selected list entries,
    // "?hint" whether a clue shows, "?heard" what was said since,
    // "?B1" the cell's letter, "!B1" its colour; any other step is typed.
    QString play(const QString& script) {
        static const QHash<QString, QKeyCombination> keyNames{
            {"Backspace", Qt::Key_Backspace},
            {"Down", Qt::Key_Down},
            {"F5", Qt::Key_F5},
            {"Shift", Qt::ShiftModifier | Qt::Key_Shift},
            {"Ctrl", Qt::ControlModifier | Qt::Key_Control}};
        QStringList seen;
        for (const QString& step : script.split(u' ')) {
            auto cell = [&step] {
                return QPoint(step.right(2)[0].unicode() - 'A' + 1, step.right(1).toInt());
            };
            if (step == "Check" || step == "Speaker")
                click(step == "Check" ? static_cast<QWidget*>(w->cmdCorrect)
                                      : w->findChild<QLabel*>("imgSpeaker"));
            else if (keyNames.contains(step))
                QTest::keyClick(keys(), keyNames[step].key(), keyNames[step].keyboardModifiers());
            else if (step.contains(u'@'))
                doubleClick(step[0] == u'r'   ? Qt::RightButton
                            : step[0] == u'm' ? Qt::MiddleButton
                                              : Qt::LeftButton,
                            step.endsWith(u'-') ? QPoint(1, 1) : at(cell()));
            else if (step.startsWith(u'>'))
                while (QPoint(state.CursorCol, state.CursorRow) != cell())
                    QTest::keyClick(keys(), state.CursorRow < cell().y()   ? Qt::Key_Down
                                            : state.CursorRow > cell().y() ? Qt::Key_Up
                                            : state.CursorCol < cell().x() ? Qt::Key_Right
                                                                           : Qt::Key_Left);
            else if (step.startsWith(u'#')) { // the clues shown while the right button is down
                QTest::mousePress(w->Bild, Qt::RightButton, {}, at(cell()));
                seen << w->HintAcross->text().section(u':', 1) + u'/' +
                            w->HintDown->text().section(u':', 1);
                QTest::mouseRelease(w->Bild, Qt::RightButton, {}, at(cell()));
            } else if (step == "?c")
                seen << cursor();
            else if (step == "?hint")
                seen << (w->HintAcross->isVisible() ? "shown" : "hidden");
            else if (step == "?sel")
                seen << QStringLiteral("%1/%2").arg(state.AcrossSelected).arg(state.DownSelected);
            else if (step == "?heard") { // the texts, and the language of the last
                seen << app.speaker.texts().join(u' ') +
                            (app.speaker.said.empty() ? "" : " @" + app.speaker.said.back().locale);
                app.speaker.said.clear();
            } else if (step.startsWith(u'?'))
                seen << state.TypedLetter[cell().y()][cell().x()];
            else if (step.startsWith(u'!'))
                seen << QStringList{"green", "red", "silver", "yellow"}.value(
                    QList<QColor>{kCellGreen, kCellRed, kCellSilver, kCellYellow}.indexOf(
                        state.CellColour[cell().y()][cell().x()]),
                    "other");
            else
                type(step);
        }
        return seen.join(u'|');
    }
};

// Whether every pixel of an area has one colour.
bool plain(const QImage& image, const QRect& area, const QColor& colour) {
    const QImage part = image.copy(area).convertToFormat(QImage::Format_RGB32);
    QImage filled(part.size(), QImage::Format_RGB32);
    filled.fill(colour);
    return part == filled;
}

} // namespace

class TstKorsordWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Typing runs along the word and turns down at the end of an across word; Backspace
    // clears the cell and steps back; the arrows, Shift and Ctrl set the direction; a black
    // square takes no letter. F5 and the speaker say the answer at the cursor only once it is
    // known: all its letters revealed, or the puzzle checked; typed letters give nothing away.
    // Check colours right letters green, wrong ones red and empty ones silver, and shows the
    // solution; revealed cells stay yellow, however they were changed since. A checked board
    // takes no more typing and no second check.
    void handMadeBoard_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        QTest::addRow("typing and its turns")
            << "?sel HUND ?D1 ?c ?sel X ?c Backspace ?D3 Backspace ?D2 ?c Shift ?c Backspace ?c "
               "Down Q ?C2 Ctrl ?c"
            << "0/-1|D|D 2 down|-1/0|D 3 down| | |D 1 down|D 1 across|C 1 across||C 2 down";
        QTest::addRow("speaking")
            << "HUN F5 ?heard @A1 @B1 @C1 @D1 >B1 F5 ?heard >D3 F5 ?heard Check Speaker ?heard"
            << "|hund @de_DE||dorf @de_DE";
        QTest::addRow("only the left double click on a cell reveals, the right button shows clues")
            << "r@B1 ?hint ?B1 m@C1 ?hint ?C1 @- ?hint ?A1 #A1 #D1 #D4"
            << "hidden||hidden||hidden|| across (4)/ | / down (4)| / ";
        for (const char* after : {"", " X", " Backspace"})
            QTest::addRow("check, revealed%s", after)
                << QStringLiteral("HUND Down X @B1 ?B1%1 Down !B1 Check !A1 !D1 !B1 ?B1 !D2 ?D2 "
                                  "!D3 ?D3 A ?D3 Check !D3")
                       .arg(after)
                << "U|yellow|green|green|yellow|U|silver|O|red|R|R|red";
        // Every letter an answer can hold is typed (a step types each character as its key
        // with its lower-case text); punctuation, whose key codes are those of the arrows, and
        // digits neither type nor move.
        QTest::addRow("keys") << "HUND % & ' ( 5 ?D2 ?c Î Œ ÿ ?D2 ?D3 ?D4 >D2 ß ?D2"
                              << "|D 2 down|Î|Œ|Ÿ|ß";
    }
    void handMadeBoard() {
        QFETCH(QString, script);
        QFETCH(QString, seen);
        // A 5 x 5 board with HUND across in row 1 and DORF down in column 4, crossing at D 1.
        Crossword x;
        Korsord& k = x.open().korsord;
        CrosswordState& s = x.state;
        k.SetUpBoard(5, x.w->Bild->width());
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; ++c)
                k.MakeBlack(r, c);
        s.CandidateAnswer[4] = {"", "HUND", "DORF"};
        s.CandidateClue[4] = {"", "across", "down"};
        k.PlaceWord(1, 1, 4, 1, kAcross);
        k.PlaceWord(1, 4, 4, 2, kDown);
        s.AcrossList = {QStringLiteral("A 1  across (4)")};
        s.DownList = {QStringLiteral("D 1  down (4)")};
        x.w->listsChanged();
        s.PuzzleActive = true;
        k.MoveCursor(1, 1);
        QCOMPARE(x.play(script), seen);
    }

    // At every size, in every language: New makes a puzzle at once where none is in play. The
    // board shows its focus frame while it has the focus, and a click on it takes the focus
    // back. New over a puzzle in play asks first, the buttons keeping their look meanwhile; No
    // keeps the puzzle (first opening), Yes makes a new one of the size chosen since (second
    // opening), the buttons doing nothing while it is made. The board is drawn whole: the last
    // row and column lie inside it, outlined or black all along, and it overlaps none of its
    // neighbours. A click on a list entry leads to the entry's word and gives the board the
    // focus; solved by typing each word from there (across words turn down only at their end),
    // with one letter revealed, it checks green but for that letter, and takes no second check.
    // Opened again, the window shows an empty board without lists, on which the mouse and Check
    // do nothing.
    void everySizeDrawnAndSolved_data() {
        QTest::addColumn<int>("size");
        for (int size = 3; size <= kMaxGrid; ++size)
            QTest::addRow("%d x %d", size, size) << size;
    }
    void everySizeDrawnAndSolved() {
        QFETCH(int, size);
        // How the size prints: with the picture or Ctrl+P, in a locale with its paper, answered.
        static const std::tuple<bool, const char*, QPageSize::PageSizeId, QString> ways[]{
            {false, "de_DE", QPageSize::A4, "print"},
            {true, "en_US", QPageSize::Letter, "print"},
            {false, "sv_SE", QPageSize::A4, "worksheet"},
            {true, "fr_FR", QPageSize::A4, "cancel"}};
        const auto& [picture, locale, paper, answer] = ways[size % 4];
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        QTemporaryDir dir;
        const QString pdf = dir.filePath("crossword.pdf");
        const int to = 1 + size % kLanguageCount;
        Crossword x(to, to % kLanguageCount + 1);
        for (int opening = 1; opening <= 2; ++opening) {
            frmKorsord& w = x.open();
            QCOMPARE(x.print(picture, answer, pdf), -1);                // nothing to print yet
            const QRect inside = w.Bild->rect().adjusted(4, 4, -4, -4); // within the focus frame
            if (opening == 2) {
                QCOMPARE(w.lstAcross->count() + w.lstDown->count(), 0);
                QTest::mousePress(w.Bild, Qt::RightButton, {}, inside.center());
                QVERIFY(w.HintAcross->isHidden());
                QTest::mouseRelease(w.Bild, Qt::RightButton, {}, inside.center());
                x.click(w.cmdCorrect);
                QVERIFY(plain(w.Bild->grab().toImage(), inside, Qt::white));
                QVERIFY(w.Picture1->hasFocus());
            }
            w.Storlek->setValue(opening == 1 ? size : size == 3 ? 4 : 3);
            x.click(w.cmdNew); // nothing in play: made without a question
            QTRY_VERIFY(w.Picture1->hasFocus());
            const QColor framed = w.Bild->grab().toImage().pixelColor(1, 1);
            QTest::keyClick(x.keys(), Qt::Key_Tab);
            QVERIFY(w.Bild->grab().toImage().pixelColor(1, 1) != framed);
            QTest::mouseClick(w.Bild, Qt::LeftButton, {}, x.at({1, 1}));
            QCOMPARE(w.Bild->grab().toImage().pixelColor(1, 1), framed);
            x.doubleClick(Qt::LeftButton, x.at(x.lastLetterCell()));
            const auto typed = x.state.TypedLetter;
            // The buttons' faces and captions, inside the frames that show their focus.
            auto looks = [&w] {
                QList<QImage> faces;
                for (DrawnButton* b : {w.cmdNew, w.cmdCorrect, w.cmdHelp})
                    faces << b->grab().toImage().copy(b->rect().adjusted(4, 4, -4, -4));
                return faces;
            };
            const QList<QImage> look = looks();
            const int before = x.state.GridSize;
            w.Storlek->setValue(size);
            QCOMPARE(x.state.GridSize, before); // the board changes at the next New only
            QTimer poke;                        // Check clicked once while the puzzle is made
            connect(&poke, &QTimer::timeout, this, [&] {
                if (w.generating()) {
                    poke.stop();
                    x.click(w.cmdCorrect);
                }
            });
            poke.start(0);
            QString asked;
            onNextModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                asked = box->text() + (looks() == look ? "" : " (the buttons changed)");
                box->button(opening == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
            });
            x.click(w.cmdNew);
            QCOMPARE(asked, w.lblSure->text());
            QCOMPARE(poke.isActive(), opening == 1); // it stops once it has clicked
            poke.stop();
            QCOMPARE(x.state.TypedLetter == typed, opening == 1);
            QCOMPARE(x.state.GridSize, size);
            QApplication::setActiveWindow(&w); // back from the box
            const QRect grid = w.Bild->cellRect(1, 1).united(w.Bild->cellRect(size, size));
            QVERIFY(w.Bild->rect().contains(grid));
            const QImage board = w.Bild->grab().toImage();
            QVERIFY(plain(board, {grid.right(), grid.top(), 1, grid.height()}, Qt::black));
            QVERIFY(plain(board, {grid.left(), grid.bottom(), grid.width(), 1}, Qt::black));
            QVERIFY(w.picHolder->rect().contains(w.Bild->geometry()));
            for (const char* neighbour : {"lstAcross", "lblSize", "lblAcross"})
                QVERIFY(!w.Bild->geometry().intersects(
                    w.picHolder->findChild<QWidget*>(neighbour)->geometry()));
            const QPoint revealed = x.lastLetterCell();
            x.doubleClick(Qt::LeftButton, x.at(revealed));
            for (QListWidget* list : {w.lstAcross, w.lstDown})
                for (int i = 0; i < list->count(); ++i) {
                    list->scrollToItem(list->item(i));
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualItemRect(list->item(i)).center());
                    QCOMPARE(x.cursor(), list->item(i)->text().left(5).trimmed() +
                                             (list == w.lstDown ? " down" : " across"));
                    QCOMPARE(list->currentRow(), i);
                    QVERIFY(w.Picture1->hasFocus());
                    const int dr = list == w.lstDown ? 1 : 0;
                    for (int r = x.state.CursorRow, c = x.state.CursorCol;
                         r <= size && c <= size && !x.black(r, c); r += dr, c += 1 - dr)
                        x.type(x.state.Grid[r][c]);
                }
            x.click(w.cmdCorrect);
            QVERIFY(!x.state.PuzzleActive);
            if (opening == 1) { // a checked puzzle prints as well
                QCOMPARE(w.picHolder->childAt(w.imgPrinter->geometry().center()), // uncovered
                         static_cast<QWidget*>(w.imgPrinter));
                QCOMPARE(x.print(picture, answer, pdf), int(paper));
                QCOMPARE(w.focusWidget(), w.Picture1);
                QVERIFY(answer == "cancel" ? !QFileInfo::exists(pdf)
                                           : (pdfPages(pdf) == 1) == (answer == "worksheet") &&
                                                 pdfText(pdf, 1, 1).contains(
                                                     x.state.AcrossList.first().simplified()));
            }
            for (int r = 1; r <= size; ++r)
                for (int c = 1; c <= size; ++c)
                    QVERIFY2(x.state.CellColour[r][c] == (x.black(r, c)              ? kCellBlack
                                                          : QPoint(c, r) == revealed ? kCellYellow
                                                                                     : kCellGreen),
                             qPrintable(Korsord::CellLabel(r, c)));
            x.click(w.cmdCorrect); // a checked board takes no second check
            QCOMPARE(looks()[1], look[1]);
            w.close();
            QTRY_VERIFY(x.w.isNull());
        }
    }
};

QTEST_MAIN(TstKorsordWindow)
#include "tst_korsordwindow.moc"
