// The crossword builder: candidate tables by word length, the board, generation by a
// line-by-line greedy search that never backtracks, labels and clues, and the play on the
// board (cursor, typing, revealing, checking). Drawing and the event pump are reached
// through CrosswordView, which the window implements; tests and benchmarks run without it.
#pragma once

#include "common/random.h"
#include "words/wordstore.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace vx {

inline constexpr int kMaxGrid = 25;
inline constexpr int kMinAnswer = 3;
inline constexpr int kMaxAnswer = 14;
inline constexpr int kCandidateRows = 600;
inline const QString kBlack = QStringLiteral("Svart");
inline const QString kAcross = QStringLiteral("Across");
inline const QString kDown = QStringLiteral("Down");

// Capacity of a length's table: 600 for lengths 3..9, 300 for 10..14, none otherwise.
int candidateCapacity(int length);

// What the builder asks of the window.
class CrosswordView {
public:
    virtual ~CrosswordView() = default;
    virtual void pumpEvents() {}
    // A cell's colour or letter changed.
    virtual void cellChanged(int /*row*/, int /*column*/) {}
    // The board, strips and lists were cleared, or the lists filled or shown.
    virtual void boardReset() {}
    virtual void listsChanged() {}
    virtual void listsVisible(bool /*visible*/) {}
    virtual void listSelectionChanged() {}
    virtual void progressChanged(int /*percent*/) {}
    // Printed width of "W" at a font size, in board units.
    virtual double letterWidth(double pointSize) const { return pointSize * 96.0 / 72.0 * 0.95; }
};

struct CrosswordState {
    using Grid2 = std::array<std::array<QString, kMaxGrid + 2>, kMaxGrid + 2>;

    int GridSize = 14;
    Grid2 Grid;
    int CellSize = 0;
    std::array<std::array<QColor, kMaxGrid + 2>, kMaxGrid + 2> CellColour;
    Grid2 TypedLetter;
    std::array<Grid2, 3> ClueText; // [direction][row][column], 1 across, 2 down
    Grid2 AcrossLabel;
    Grid2 DownLabel;
    std::array<bool, kMaxGrid + 2> LineDone{};
    int MinWordLength = 5;
    std::array<QString, kMaxGrid + 2> Pattern; // 1..26
    int ChosenLength = 0;
    int ChosenIndex = 0;
    double Progress = 0;
    std::array<double, 7> FontSizes{0, 8.25, 9.75, 12, 13.5, 18, 24};
    double FontSize = 8.25; // chosen by SetUpBoard
    bool PuzzleActive = false;
    int CursorRow = 1;
    int CursorCol = 1;
    QColor CursorSavedColour{255, 255, 255};
    QColor CursorColour{236, 213, 144};
    QColor CursorBlackColour{112, 96, 69};
    int TypingDirection = 1;

    // Candidate tables by length 1..25 (only 3..14 hold words), rows from 1.
    std::array<std::vector<QString>, kMaxGrid + 1> CandidateAnswer;
    std::array<std::vector<QString>, kMaxGrid + 1> CandidateClue;
    std::array<std::vector<int>, kMaxGrid + 1> CandidateLevel;
    std::array<std::vector<bool>, kMaxGrid + 1> CandidateUsed;
    std::array<int, kMaxGrid + 1> CandidateCount{};

    double LevelLow = 1, LevelHigh = 4;
    int PreferLow = 2;
    double PreferHigh = 4;

    // The clue lists: label followed by the clue; -1 when no entry is selected.
    QStringList AcrossList;
    QStringList DownList;
    int AcrossSelected = -1;
    int DownSelected = -1;

    CrosswordState();
};

inline const QColor kCellWhite{255, 255, 255};
inline const QColor kCellBlack{0, 0, 0};
inline const QColor kCellGrey{128, 128, 128};
inline const QColor kCellGreen{0, 255, 0};
inline const QColor kCellRed{255, 0, 0};
inline const QColor kCellSilver{192, 192, 192};
inline const QColor kCellYellow{255, 255, 0};

// True for the characters the board takes from the keyboard (after upper-casing): the
// blank and every letter that an answer can hold.
bool IsAcceptedCharacter(QChar ch);

// The builder's routines; `view` may be null.
class Korsord {
public:
    Korsord(CrosswordState& state, Random& rng, CrosswordView* view = nullptr)
        : s(state), m_rng(rng), m_view(view) {}

    void InitCrosswordState();
    void PrepareCrosswordWords(const WordStore& store, int fromLanguage, int toLanguage);
    void FinishCrosswordSetUp();
    void SetDifficulty(int diffi);
    void SetCursorColours(int screenColorBits);
    // Empties the board, the lists and the cursor for a new window; the candidate tables,
    // the difficulty and the colours stay.
    void ClearBoard();
    // `gridSize` is the size scroll bar's value, `boardWidth` the board's width.
    void SetUpBoard(int gridSize, int boardWidth);
    void GenerateCrossword();

    bool IsBlockedOrOutside(int r, int c) const;
    bool IsOpenCell(int r, int c) const;
    bool IsLetterCell(int r, int c) const;
    bool CanOpenCell(int r, int c, const QString& dir) const;
    static QString CellLabel(int row, int col);
    int CellFromCoordinate(double coordinate) const;

    int FillFromCell(int row, int col, const QString& dir);
    int FreeRunLength(int row, int col, const QString& dir);
    void PickWord(int available);
    bool WordFitsPattern(const QString& word);
    void PlaceWord(int row, int col, int length, int index, const QString& dir);
    void FillGaps();
    void MakeBlack(int r, int c) { s.Grid[r][c] = kBlack; }
    void MakeEmpty(int r, int c) { s.Grid[r][c].clear(); }
    void ShowProgress(int percent);

    void DrawBoardCell(int r, int c, const QColor& colour);
    void DrawLetter(int r, int c, const QString& letter);
    void MoveCursor(int r, int c);
    // The texts of the clue pop-up for a cell, with the words for across and down.
    QStringList ClueHints(int r, int c, const QString& acrossWord, const QString& downWord) const;

    // Play. Key codes as the keyboard reports them: 37..40 arrows, 13 Enter, 8 Backspace;
    // shift 1 Shift, 2 Ctrl, 4 Alt. KeyDown returns true when Enter asks for the clue pop-up.
    bool KeyDown(int keyCode, int shift);
    // False (a beep) when a letter is typed on a black square.
    bool KeyPress(QChar ch);
    void Reveal();
    // The answer through the cursor in the typing direction, in lower case, when the
    // learner may hear it: after Check, or when every letter of it was revealed. Empty
    // otherwise, so that hearing it never gives an answer away.
    QString HearableAnswer() const;
    // A double click at a board position: the left button reveals the cell clicked.
    void DoubleClick(int button, double x, double y);
    void Check();
    // A press on the board: true when the right button asks for the pop-up at (row, col).
    bool MouseDown(int button, double x, double y, int& row, int& col);
    void ListJump(const QString& entry, int direction);

private:
    void doLine(int i);
    QString& cell(int row, int col, const QString& dir, int k);
    bool inGrid(int r, int c) const { return r >= 1 && r <= s.GridSize && c >= 1 && c <= s.GridSize; }
    void moveBy(int keyCode);
    void pump() {
        if (m_view)
            m_view->pumpEvents();
    }

    CrosswordState& s;
    Random& m_rng;
    CrosswordView* m_view;
};

} // namespace vx
