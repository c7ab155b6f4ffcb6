// The crossword window: typing with its turns, Backspace, revealing and checking, and New
// asking before it replaces a puzzle in play.
#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "crossword/frmkorsord.h"

#include <QStandardPaths>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

// A 5 x 5 board with HUND across in row 1 and DORF down from its last letter.
void handMadeBoard(frmKorsord& w) {
    CrosswordState& s = w.state;
    w.korsord.SetUpBoard(5, w.Bild->width());
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            s.Grid[r][c] = kBlack;
    const QString across = QStringLiteral("HUND");
    const QString down = QStringLiteral("DORF");
    for (int i = 0; i < 4; ++i) {
        s.Grid[1][1 + i] = across.mid(i, 1);
        s.Grid[1 + i][4] = down.mid(i, 1);
        s.AcrossLabel[1][1 + i] = QStringLiteral("A 1  ");
        s.DownLabel[1 + i][4] = QStringLiteral("D 1  ");
    }
    s.ClueText[1][1][1] = QStringLiteral("dog (4)");
    s.ClueText[2][1][4] = QStringLiteral("village (4)");
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            w.korsord.DrawBoardCell(r, c, s.Grid[r][c] == kBlack ? kCellBlack : kCellWhite);
    s.AcrossList = {QStringLiteral("A 1  dog (4)")};
    s.DownList = {QStringLiteral("D 1  village (4)")};
    w.listsChanged();
    s.CursorRow = s.CursorCol = 1;
    s.CursorSavedColour = kCellWhite;
    s.TypingDirection = 1;
    s.PuzzleActive = true;
    w.korsord.MoveCursor(1, 1);
}

} // namespace

class TstKorsordWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void typingTurnsDownAtTheEndOfAnAcrossWord() {
        TestApp app;
        CrosswordState state;
        frmKorsord w(app.ctx, state);
        w.show();
        handMadeBoard(w);
        QCOMPARE(state.AcrossSelected, 0);
        QCOMPARE(state.DownSelected, -1);
        for (char ch : {'h', 'u', 'n', 'd'})
            QTest::keyClick(w.Picture1, ch);
        QCOMPARE(state.TypedLetter[1][4], QStringLiteral("D"));
        QCOMPARE(state.TypingDirection, 2);
        QCOMPARE(state.CursorRow, 2);
        QCOMPARE(state.CursorCol, 4);
        QCOMPARE(state.DownSelected, 0);
        QCOMPARE(state.AcrossSelected, -1);
        QTest::keyClick(w.Picture1, 'x');
        QCOMPARE(state.CursorRow, 3);
        // Backspace in down mode clears the cell and moves up.
        QTest::keyClick(w.Picture1, Qt::Key_Backspace);
        QCOMPARE(state.TypedLetter[3][4], QStringLiteral(" "));
        QCOMPARE(state.CursorRow, 2);
        QTest::keyClick(w.Picture1, Qt::Key_Backspace);
        QCOMPARE(state.TypedLetter[2][4], QStringLiteral(" "));
        QCOMPARE(state.CursorRow, 1);
        // In across mode it moves left; a letter on a black square changes nothing.
        state.TypingDirection = 1;
        QTest::keyClick(w.Picture1, Qt::Key_Backspace);
        QCOMPARE(state.CursorCol, 3);
        QTest::keyClick(w.Picture1, Qt::Key_Down);
        QCOMPARE(state.CursorRow, 2);
        QCOMPARE(state.TypingDirection, 2);
        QTest::keyClick(w.Picture1, 'q');
        QCOMPARE(state.TypedLetter[2][3], QString());
        // Shift selects across typing, Ctrl down typing.
        QTest::keyClick(w.Picture1, Qt::Key_Shift, Qt::ShiftModifier);
        QCOMPARE(state.TypingDirection, 1);
        QTest::keyClick(w.Picture1, Qt::Key_Control, Qt::ControlModifier);
        QCOMPARE(state.TypingDirection, 2);
    }

    void checkColours() {
        TestApp app;
        CrosswordState state;
        frmKorsord w(app.ctx, state);
        w.show();
        handMadeBoard(w);
        for (char ch : {'h', 'u', 'n', 'd'})
            QTest::keyClick(w.Picture1, ch);
        QTest::keyClick(w.Picture1, Qt::Key_Down); // (3,4), leaving (2,4) empty
        QTest::keyClick(w.Picture1, 'x');          // wrong, moves on to (4,4)
        w.korsord.Reveal();                        // (4,4) revealed
        QTest::keyClick(w.Picture1, Qt::Key_Up);
        QCOMPARE(state.CellColour[4][4], kCellYellow);
        w.cmdCorrect->click();
        QCOMPARE(state.CellColour[1][1], kCellGreen);
        QCOMPARE(state.CellColour[1][4], kCellGreen);
        QCOMPARE(state.CellColour[2][4], kCellSilver);
        QCOMPARE(state.TypedLetter[2][4], QStringLiteral("O")); // the solution is shown
        QCOMPARE(state.CellColour[3][4], kCellRed);
        QCOMPARE(state.CellColour[4][4], kCellYellow);
        QVERIFY(!state.PuzzleActive);
        QVERIFY(!w.cmdCorrect->isEnabled());
        QTest::keyClick(w.Picture1, 'a'); // the board no longer takes typing
        QCOMPARE(state.TypedLetter[3][4], QStringLiteral("R"));
    }

    void newAsksOverAPuzzleInPlay() {
        TestApp app(80);
        app.ctx.loadDictionaries();
        CrosswordState state;
        Korsord k(state, *app.ctx.rng);
        k.InitCrosswordState();
        k.PrepareCrosswordWords(app.ctx.store, 2, 3);
        k.FinishCrosswordSetUp();
        frmKorsord w(app.ctx, state);
        w.show();
        int asked = 0;
        w.confirmNew = [&asked] {
            ++asked;
            return false;
        };
        QCOMPARE(w.St->text(), QStringLiteral(" 14 X 14"));
        w.cmdNew->click();
        QCOMPARE(asked, 0); // no puzzle yet: generated at once
        QVERIFY(state.PuzzleActive);
        QCOMPARE(w.Label2->text(), QStringLiteral("100 %"));
        const QString before = state.Grid[1][1];
        state.TypedLetter[1][1] = QStringLiteral("Z");
        w.cmdNew->click();
        QCOMPARE(asked, 1); // asked, and No keeps the puzzle
        QCOMPARE(state.TypedLetter[1][1], QStringLiteral("Z"));
        QVERIFY(w.cmdNew->isEnabled());
        w.Storlek->setValue(20);
        QCOMPARE(w.St->text(), QStringLiteral(" 20 X 20"));
        QCOMPARE(state.GridSize, 14); // the board changes at the next New only
        Q_UNUSED(before)
    }

    void listClickJumpsToItsWord() {
        TestApp app;
        CrosswordState state;
        frmKorsord w(app.ctx, state);
        w.show();
        handMadeBoard(w);
        w.korsord.ListJump(QStringLiteral("D 1  village (4)"), 2);
        QCOMPARE(state.CursorRow, 1);
        QCOMPARE(state.CursorCol, 4);
        QCOMPARE(state.TypingDirection, 2);
    }
};

QTEST_MAIN(TstKorsordWindow)
#include "tst_korsordwindow.moc"
