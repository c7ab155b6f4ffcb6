#include "korsord.h"

#include "common/cp1252.h"
#include "common/textconv.h"
#include "words/articles.h"

#include <cmath>

namespace vx {

bool IsAcceptedCharacter(QChar ch) {
    // The upper case of every letter that Windows-1252 holds: answers are upper-cased dictionary
    // words, so each of their letters can be typed (the French Î, Œ and Ÿ among them).
    static const QString accepted = [] {
        QString letters(u' ');
        for (int byte = 0x20; byte <= 0xff; ++byte) {
            const QString c = fromCp1252(QByteArray(1, static_cast<char>(byte)));
            if (c.size() == 1 && c[0].isLetter() && !letters.contains(c[0].toUpper()))
                letters += c[0].toUpper();
        }
        return letters;
    }();
    return accepted.contains(ch);
}

int candidateCapacity(int length) {
    if (length >= 3 && length <= 9)
        return 600;
    if (length >= 10 && length <= 14)
        return 300;
    return 0;
}

CrosswordState::CrosswordState() {
    for (int len = 0; len <= kMaxGrid; ++len) {
        const int rows = candidateCapacity(len) + 1;
        CandidateAnswer[len].resize(rows);
        CandidateClue[len].resize(rows);
        CandidateLevel[len].resize(kCandidateRows + 1);
        CandidateUsed[len].resize(kCandidateRows + 1);
    }
    for (auto& row : CellColour)
        row.fill(kCellWhite);
}

void Korsord::InitCrosswordState() {
    s.PuzzleActive = false;
    s.FontSizes = {0, 8.25, 9.75, 12, 13.5, 18, 24};
    SetDifficulty(1);
    for (int len = 1; len <= kMaxGrid; ++len)
        s.CandidateCount[len] = 1;
}

void Korsord::SetDifficulty(int diffi) {
    switch (diffi) {
    case 0: s.LevelLow = 1; s.LevelHigh = 3; s.PreferLow = 1; s.PreferHigh = 2; break;
    case 2: s.LevelLow = 2; s.LevelHigh = 5; s.PreferLow = 4; s.PreferHigh = 5; break;
    default: s.LevelLow = 1; s.LevelHigh = 4; s.PreferLow = 2; s.PreferHigh = 4; break;
    }
}

void Korsord::SetCursorColours(int screenColorBits) {
    if (screenColorBits < 9) {
        s.CursorColour = QColor(255, 0, 255);
        s.CursorBlackColour = QColor(128, 0, 128);
    } else {
        s.CursorColour = QColor(236, 213, 144);
        s.CursorBlackColour = QColor(112, 96, 69);
    }
}

void Korsord::ClearBoard() {
    CrosswordState fresh;
    fresh.CandidateAnswer = std::move(s.CandidateAnswer);
    fresh.CandidateClue = std::move(s.CandidateClue);
    fresh.CandidateLevel = std::move(s.CandidateLevel);
    fresh.CandidateUsed = std::move(s.CandidateUsed);
    fresh.CandidateCount = s.CandidateCount;
    fresh.LevelLow = s.LevelLow;
    fresh.LevelHigh = s.LevelHigh;
    fresh.PreferLow = s.PreferLow;
    fresh.PreferHigh = s.PreferHigh;
    fresh.FontSizes = s.FontSizes;
    fresh.CursorColour = s.CursorColour;
    fresh.CursorBlackColour = s.CursorBlackColour;
    s = std::move(fresh);
}

void Korsord::PrepareCrosswordWords(const WordStore& store, int fromLanguage, int toLanguage) {
    for (int k = 1; k <= store.wordCount; ++k) {
        const int wordClass = store.wordClass[k];
        const QString answer = SplitArticle(store.GetWord(k, 1), wordClass, toLanguage).Bare;
        if (answer.contains(u' ') || answer.contains(u'\'') || answer.contains(u'-'))
            continue;
        const int len = static_cast<int>(answer.size());
        if (len < kMinAnswer || len > kMaxAnswer)
            continue;
        const int n = s.CandidateCount[len];
        if (n > candidateCapacity(len))
            continue; // the table of this length is full: further words are dropped
        s.CandidateAnswer[len][n] = ucase(answer);
        s.CandidateClue[len][n] = SplitArticle(store.GetWord(k, 2), wordClass, fromLanguage).Bare;
        s.CandidateLevel[len][n] = store.wordLevel[k];
        s.CandidateCount[len] = n + 1;
    }
}

void Korsord::FinishCrosswordSetUp() {
    for (int len = 1; len <= kMaxGrid; ++len)
        s.CandidateCount[len] -= 1;
    s.CursorRow = 1;
    s.CursorCol = 1;
    s.TypingDirection = 1;
}

void Korsord::SetUpBoard(int gridSize, int boardWidth) {
    s.GridSize = std::clamp(gridSize, 1, kMaxGrid);
    s.Progress = 0;
    s.AcrossList.clear();
    s.DownList.clear();
    s.AcrossSelected = s.DownSelected = -1;
    s.CellSize = static_cast<int>(roundHalfEven(static_cast<double>(boardWidth) / s.GridSize));
    s.FontSize = 8.25;
    for (int i = 6; i >= 1; --i) {
        const double width = m_view ? m_view->letterWidth(s.FontSizes[i]) : CrosswordView().letterWidth(s.FontSizes[i]);
        if (0.8 * s.CellSize > width) {
            s.FontSize = s.FontSizes[i];
            break;
        }
    }
    for (int r = 1; r <= kMaxGrid; ++r) {
        for (int c = 1; c <= kMaxGrid; ++c) {
            const bool outside = r > s.GridSize || c > s.GridSize;
            s.Grid[r][c] = outside || (r % 2 == 0 && c % 2 == 0) ? kBlack : QString();
            s.CellColour[r][c] = kCellWhite;
            s.TypedLetter[r][c].clear();
            s.ClueText[1][r][c].clear();
            s.ClueText[2][r][c].clear();
            s.AcrossLabel[r][c].clear();
            s.DownLabel[r][c].clear();
        }
    }
    for (int len = 1; len <= s.GridSize; ++len) {
        for (int k = 1; k <= kCandidateRows; ++k)
            s.CandidateUsed[len][k] = false;
    }
    s.CursorRow = 1;
    s.CursorCol = 1;
    if (m_view) {
        m_view->boardReset();
        m_view->listsChanged();
        m_view->progressChanged(0);
    }
}

bool Korsord::IsBlockedOrOutside(int r, int c) const {
    return !inGrid(r, c) || s.Grid[r][c] == kBlack;
}

bool Korsord::IsOpenCell(int r, int c) const { return inGrid(r, c) && s.Grid[r][c] != kBlack; }

bool Korsord::IsLetterCell(int r, int c) const {
    return inGrid(r, c) && !s.Grid[r][c].isEmpty() && s.Grid[r][c] != kBlack;
}

bool Korsord::CanOpenCell(int r, int c, const QString& dir) const {
    if (!inGrid(r, c))
        return false;
    if (s.Grid[r][c] != kBlack)
        return true;
    if (dir == kAcross)
        return (IsBlockedOrOutside(r, c + 2) || IsBlockedOrOutside(r, c + 1)) &&
               IsBlockedOrOutside(r - 1, c) && IsBlockedOrOutside(r + 1, c);
    return (IsBlockedOrOutside(r + 2, c) || IsBlockedOrOutside(r + 1, c)) &&
           IsBlockedOrOutside(r, c - 1) && IsBlockedOrOutside(r, c + 1);
}

QString Korsord::CellLabel(int row, int col) {
    return QChar(64 + col) + QStringLiteral(" ") + QString::number(row) +
           (row < 10 ? QStringLiteral("  ") : QStringLiteral(" "));
}

int Korsord::CellFromCoordinate(double coordinate) const {
    return s.CellSize == 0 ? 0 : static_cast<int>(std::floor(coordinate / s.CellSize)) + 1;
}

QString& Korsord::cell(int row, int col, const QString& dir, int k) {
    return dir == kAcross ? s.Grid[row][col + k] : s.Grid[row + k][col];
}

void Korsord::ShowProgress(int percent) {
    if (m_view)
        m_view->progressChanged(percent);
}

void Korsord::GenerateCrossword() {
    if (m_view)
        m_view->listsVisible(false);
    s.MinWordLength = 5;
    for (int r = 1; r <= s.GridSize; ++r) {
        for (int c = 1; c <= s.GridSize; ++c) {
            if (s.Grid[r][c] != kBlack)
                s.Grid[r][c].clear();
        }
    }
    s.LineDone.fill(false);
    for (int i = 1; i <= s.GridSize; i += 4)
        doLine(i);
    for (int j = 3; j <= s.GridSize; j += 4) {
        int i = 0;
        do {
            i = 2 * static_cast<int>(m_rng.rnd() * s.GridSize / 2) + 1;
        } while (s.LineDone[i]);
        doLine(i);
    }
    FillGaps();
    FillGaps();
    pump();

    s.AcrossList.clear();
    s.DownList.clear();
    for (int r = 1; r <= s.GridSize; ++r) {
        for (int c = 1; c <= s.GridSize; ++c) {
            if (!IsLetterCell(r, c)) {
                s.Grid[r][c] = kBlack;
                DrawBoardCell(r, c, kCellBlack);
            } else {
                DrawBoardCell(r, c, kCellWhite);
            }
            // Rows and columns exchanged: the lists run by column letter, then row.
            if (!ucase(trimBlanks(s.ClueText[1][c][r])).isEmpty())
                s.AcrossList << CellLabel(c, r) + s.ClueText[1][c][r];
            if (!ucase(trimBlanks(s.ClueText[2][c][r])).isEmpty())
                s.DownList << CellLabel(c, r) + s.ClueText[2][c][r];
        }
    }
    if (m_view)
        m_view->listsChanged();
    s.CursorRow = 1;
    s.CursorCol = 1;
    s.CursorSavedColour = s.CellColour[1][1];
    s.PuzzleActive = true;
    MoveCursor(1, 1);
    if (m_view)
        m_view->listsVisible(true);
}

void Korsord::doLine(int i) {
    s.LineDone[i] = true;
    // Down words in column i, then across words in row i. A line whose cells are all
    // black has no first open cell and is skipped.
    int p = 1;
    while (p <= s.GridSize && s.Grid[p][i] == kBlack)
        ++p;
    while (p <= s.GridSize)
        p = FillFromCell(p, i, kDown);
    p = 1;
    while (p <= s.GridSize && s.Grid[i][p] == kBlack)
        ++p;
    while (p <= s.GridSize)
        p = FillFromCell(i, p, kAcross);
    s.Progress += 50.0 / ((s.GridSize + 1) / 2);
    ShowProgress(static_cast<int>(roundHalfEven(s.Progress)));
}

int Korsord::FillFromCell(int row, int col, const QString& dir) {
    const bool across = dir == kAcross;
    const int start = across ? col : row;
    const int length = FreeRunLength(row, col, dir);
    for (int k = 1; k <= kMaxGrid + 1; ++k)
        s.Pattern[k] = k <= length ? cell(row, col, dir, k - 1) : QString();
    PickWord(length);
    auto at = [&](int pos) -> QString& { return across ? s.Grid[row][pos] : s.Grid[pos][col]; };
    int pos = start;
    if (s.ChosenLength != 0 && length != 1) {
        PlaceWord(row, col, s.ChosenLength, s.ChosenIndex, dir);
        // A word listed twice (two meanings, two clues) is placed once: every candidate
        // spelled like the placed one counts as used.
        const QString& placed = s.CandidateAnswer[s.ChosenLength][s.ChosenIndex];
        for (int k = 1; k <= s.CandidateCount[s.ChosenLength]; ++k) {
            if (s.CandidateAnswer[s.ChosenLength][k] == placed)
                s.CandidateUsed[s.ChosenLength][k] = true;
        }
        pos = start + s.ChosenLength;
        if (pos > s.GridSize) {
            pump();
            return s.GridSize + 1;
        }
        at(pos) = kBlack;
    } else {
        if (!at(pos).isEmpty()) {
            while (pos <= s.GridSize && !at(pos).isEmpty() && at(pos) != kBlack)
                ++pos;
        }
        if (pos <= s.GridSize)
            at(pos) = kBlack;
    }
    while (pos <= s.GridSize && at(pos) == kBlack)
        ++pos;
    pump();
    return pos;
}

int Korsord::FreeRunLength(int row, int col, const QString& dir) {
    const bool across = dir == kAcross;
    for (int k = 0;; ++k) {
        const int r = across ? row : row + k;
        const int c = across ? col + k : col;
        if (!inGrid(r, c))
            return k;
        if (s.Grid[r][c] == kBlack) {
            if (!CanOpenCell(r, c, dir))
                return k;
            s.Grid[r][c].clear(); // opened for good, even if no word is placed
        }
    }
}

void Korsord::PickWord(int available) {
    s.ChosenLength = 0;
    s.ChosenIndex = 0;
    int L = available;
    if (L < s.MinWordLength - 1 || L == 2)
        return;
    if (L > 15)
        L = 15;
    if (L > 11)
        L = L - static_cast<int>((L - 4) * m_rng.rnd());
    auto letterAfter = [this](int len) {
        const QString& next = s.Pattern[len + 1];
        return !next.isEmpty() && next != kBlack;
    };
    while (L > 0 && letterAfter(L))
        --L;
    bool found = false;
    int foundLevel = 0;
    auto preferred = [this](int level) { return s.PreferLow <= level && level <= s.PreferHigh; };
    for (;;) {
        const int count = L >= 1 && L <= kMaxGrid ? s.CandidateCount[L] : 0;
        if (count > 0 && candidateCapacity(L) > 0) {
            const int start = m_rng.draw(count);
            int k = start + 1 > count ? 1 : start + 1;
            do {
                const int level = s.CandidateLevel[L][k];
                if (s.LevelLow <= level && level <= s.LevelHigh &&
                    WordFitsPattern(s.CandidateAnswer[L][k]) && !s.CandidateUsed[L][k]) {
                    s.ChosenLength = L;
                    s.ChosenIndex = k;
                    found = true;
                    foundLevel = level;
                    if (preferred(level))
                        return;
                }
                k = k + 1 > count ? 1 : k + 1;
            } while (k != start);
        }
        if (found && preferred(foundLevel))
            return;
        do {
            --L;
        } while (L >= 0 && !s.Pattern[L + 1].isEmpty() && L >= s.MinWordLength);
        if (L < s.MinWordLength)
            return;
    }
}

bool Korsord::WordFitsPattern(const QString& word) {
    pump();
    const qsizetype n = word.size();
    if (n + 1 > kMaxGrid + 1 || !s.Pattern[n + 1].isEmpty())
        return false;
    for (qsizetype i = 1; i <= n; ++i) {
        const QString& p = s.Pattern[i];
        if (!p.isEmpty() && p != word.mid(i - 1, 1))
            return false;
    }
    return true;
}

void Korsord::PlaceWord(int row, int col, int length, int index, const QString& dir) {
    const QString answer = s.CandidateAnswer[length][index];
    const QString label = CellLabel(row, col);
    const bool across = dir == kAcross;
    for (qsizetype i = 0; i < answer.size(); ++i) {
        const int r = across ? row : row + static_cast<int>(i);
        const int c = across ? col + static_cast<int>(i) : col;
        s.Grid[r][c] = answer.mid(i, 1);
        DrawBoardCell(r, c, kCellGrey);
        (across ? s.AcrossLabel : s.DownLabel)[r][c] = label;
    }
    s.ClueText[across ? 1 : 2][row][col] =
        s.CandidateClue[length][index] + QStringLiteral(" (") + QString::number(answer.size()) + u')';
}

void Korsord::FillGaps() {
    s.MinWordLength -= 1;
    const int g = s.GridSize;
    for (int r = 1; r <= g; ++r) {
        int c = 1;
        while (c <= g) {
            const bool start = !(IsLetterCell(r, c) && IsLetterCell(r, c + 1)) && IsBlockedOrOutside(r, c - 1);
            if (start && CanOpenCell(r, c, kAcross)) {
                if (s.Grid[r][c] == kBlack)
                    MakeEmpty(r, c);
                int e = c + 1;
                while (e <= g && CanOpenCell(r, e, kAcross)) {
                    if (s.Grid[r][e] == kBlack)
                        MakeEmpty(r, e);
                    ++e;
                }
                int p = c;
                do {
                    p = FillFromCell(r, p, kAcross);
                } while (p < e);
                c = p + 1;
            } else {
                ++c;
            }
        }
        s.Progress += 12.5 / g;
        ShowProgress(static_cast<int>(roundHalfEven(s.Progress)));
    }
    for (int c = 1; c <= g; ++c) {
        int r = 1;
        while (r <= g) {
            const bool start = !(IsLetterCell(r, c) && IsLetterCell(r + 1, c)) && IsBlockedOrOutside(r - 1, c);
            if (start && CanOpenCell(r, c, kDown)) {
                if (s.Grid[r][c] == kBlack)
                    MakeEmpty(r, c);
                int e = r + 1;
                while (e <= g && CanOpenCell(e, c, kDown)) {
                    if (s.Grid[e][c] == kBlack)
                        MakeEmpty(e, c);
                    ++e;
                }
                int p = r;
                do {
                    p = FillFromCell(p, c, kDown);
                } while (p < e);
                r = p + 1;
            } else {
                ++r;
            }
        }
        s.Progress += 12.5 / g;
        ShowProgress(static_cast<int>(roundHalfEven(s.Progress)));
    }
}

void Korsord::DrawBoardCell(int r, int c, const QColor& colour) {
    if (r < 1 || r > kMaxGrid || c < 1 || c > kMaxGrid)
        return;
    s.CellColour[r][c] = colour;
    if (m_view)
        m_view->cellChanged(r, c);
}

void Korsord::DrawLetter(int r, int c, const QString& letter) {
    if (r < 1 || r > kMaxGrid || c < 1 || c > kMaxGrid)
        return;
    s.TypedLetter[r][c] = letter;
    if (m_view)
        m_view->cellChanged(r, c);
}

void Korsord::MoveCursor(int r, int c) {
    if (!s.PuzzleActive)
        return;
    DrawBoardCell(s.CursorRow, s.CursorCol, s.CursorSavedColour);
    s.CursorRow = r;
    s.CursorCol = c;
    s.CursorSavedColour = s.CellColour[r][c];
    DrawBoardCell(r, c, s.CellColour[r][c] != kCellBlack ? s.CursorColour : s.CursorBlackColour);
    auto select = [](const QStringList& list, const QString& label) {
        const QString wanted = trimBlanks(label);
        if (wanted.isEmpty())
            return -1;
        for (int i = 0; i < list.size(); ++i) {
            if (trimBlanks(list[i].left(4)) == wanted)
                return i;
        }
        return -1;
    };
    s.DownSelected = select(s.DownList, s.DownLabel[r][c]);
    s.AcrossSelected = select(s.AcrossList, s.AcrossLabel[r][c]);
    if (m_view)
        m_view->listSelectionChanged();
}

QStringList Korsord::ClueHints(int r, int c, const QString& acrossWord, const QString& downWord) const {
    const bool inside = r >= 1 && r <= kMaxGrid && c >= 1 && c <= kMaxGrid;
    return {QStringLiteral(" ") + acrossWord + QStringLiteral(": ") + (inside ? s.ClueText[1][r][c] : QString()),
            QStringLiteral(" ") + downWord + QStringLiteral(": ") + (inside ? s.ClueText[2][r][c] : QString())};
}

void Korsord::moveBy(int keyCode) {
    int row = s.CursorRow;
    int col = s.CursorCol;
    switch (keyCode) {
    case 40:
        if (s.CursorRow < s.GridSize) {
            row = s.CursorRow + 1;
            s.TypingDirection = 2;
        }
        break;
    case 38:
        if (s.CursorRow > 1) {
            row = s.CursorRow - 1;
            s.TypingDirection = 2;
        }
        break;
    case 39:
        if (s.CursorCol < s.GridSize) {
            col = s.CursorCol + 1;
            s.TypingDirection = 1;
        }
        break;
    case 37:
        if (s.CursorCol > 1) {
            col = s.CursorCol - 1;
            s.TypingDirection = 1;
        }
        break;
    default:
        break;
    }
    MoveCursor(row, col);
}

bool Korsord::KeyDown(int keyCode, int shift) {
    if (!s.PuzzleActive)
        return false;
    if (keyCode >= 37 && keyCode <= 40) {
        moveBy(keyCode);
        return false;
    }
    if (keyCode >= 32 && keyCode <= 127) {
        if (shift != 0)
            s.TypingDirection = shift;
        return false;
    }
    if (keyCode == 13)
        return true;
    if (keyCode == 8) {
        DrawLetter(s.CursorRow, s.CursorCol, QStringLiteral(" "));
        DrawBoardCell(s.CursorRow, s.CursorCol, s.CellColour[s.CursorRow][s.CursorCol]);
        moveBy(s.TypingDirection != 1 ? 38 : 37);
        return false;
    }
    if (shift != 0)
        s.TypingDirection = shift;
    MoveCursor(s.CursorRow, s.CursorCol);
    return false;
}

bool Korsord::KeyPress(QChar typed) {
    if (!s.PuzzleActive)
        return true;
    const QChar ch = typed.toUpper();
    if (!IsAcceptedCharacter(ch))
        return true;
    const int r = s.CursorRow;
    const int c = s.CursorCol;
    if (s.Grid[r][c] == kBlack)
        return false;
    DrawLetter(r, c, QString(ch));
    if (s.TypingDirection == 1) {
        if (IsBlockedOrOutside(r, c + 1) && IsOpenCell(r + 1, c)) {
            s.TypingDirection = 2;
            moveBy(40);
        } else {
            moveBy(39);
        }
    } else if (s.TypingDirection == 2) {
        if (IsBlockedOrOutside(r + 1, c) && IsOpenCell(r, c + 1)) {
            s.TypingDirection = 1;
            moveBy(39);
        } else {
            moveBy(40);
        }
    }
    return true;
}

void Korsord::Reveal() {
    if (!s.PuzzleActive || !inGrid(s.CursorRow, s.CursorCol))
        return;
    const int r = s.CursorRow;
    const int c = s.CursorCol;
    if (s.Grid[r][c] == kBlack)
        return;
    DrawLetter(r, c, s.Grid[r][c]);
    DrawBoardCell(r, c, s.CellColour[r][c]);
    s.CursorSavedColour = kCellYellow;
}

QString Korsord::HearableAnswer() const {
    const int r0 = s.CursorRow;
    const int c0 = s.CursorCol;
    if (!IsLetterCell(r0, c0))
        return {};
    // The run of letters through the cursor, in the typing direction or, where that has no
    // word, in the other; with whether every cell of it was revealed.
    auto run = [&](int direction, bool& revealed) {
        const int dr = direction == 2 ? 1 : 0;
        const int dc = direction == 2 ? 0 : 1;
        int r = r0;
        int c = c0;
        while (IsLetterCell(r - dr, c - dc)) {
            r -= dr;
            c -= dc;
        }
        QString answer;
        revealed = true;
        for (; IsLetterCell(r, c); r += dr, c += dc) {
            const QColor colour = r == r0 && c == c0 ? s.CursorSavedColour : s.CellColour[r][c];
            revealed = revealed && colour == kCellYellow;
            for (QChar ch : s.Grid[r][c])
                answer += ch.toLower();
        }
        return answer;
    };
    bool revealed = false;
    QString answer = run(s.TypingDirection, revealed);
    if (answer.size() < 2)
        answer = run(s.TypingDirection == 2 ? 1 : 2, revealed);
    if (answer.size() < 2 || (s.PuzzleActive && !revealed))
        return {};
    return answer;
}

void Korsord::DoubleClick(int button, double x, double y) {
    // The presses of a left double click have moved the cursor to the cell clicked; any
    // other button, or a click beside the grid, reveals nothing.
    if (button == 1 && CellFromCoordinate(y) == s.CursorRow && CellFromCoordinate(x) == s.CursorCol)
        Reveal();
}

void Korsord::Check() {
    if (!s.PuzzleActive)
        return;
    DrawBoardCell(s.CursorRow, s.CursorCol, s.CursorSavedColour);
    for (int r = 1; r <= s.GridSize; ++r) {
        for (int c = 1; c <= s.GridSize; ++c) {
            if (s.Grid[r][c] == kBlack)
                continue;
            if (s.CellColour[r][c] == kCellYellow) {
                // Revealed: not counted, but it shows the solution even if typed over since.
                DrawLetter(r, c, s.Grid[r][c]);
                continue;
            }
            const QString solution = ucase(trimBlanks(s.Grid[r][c]));
            const QString typed = ucase(trimBlanks(s.TypedLetter[r][c]));
            const QColor colour = solution == typed ? kCellGreen : typed.isEmpty() ? kCellSilver : kCellRed;
            DrawLetter(r, c, s.Grid[r][c]);
            DrawBoardCell(r, c, colour);
        }
        pump();
    }
    s.PuzzleActive = false;
}

bool Korsord::MouseDown(int button, double x, double y, int& row, int& col) {
    if (button != 2 && !s.PuzzleActive)
        return false;
    if (s.CellSize == 0)
        return false;
    row = CellFromCoordinate(y);
    col = CellFromCoordinate(x);
    if (row >= 1 && row <= kMaxGrid && col >= 1 && col <= kMaxGrid) {
        if (!s.ClueText[2][row][col].isEmpty())
            s.TypingDirection = 2;
        if (!s.ClueText[1][row][col].isEmpty())
            s.TypingDirection = 1;
    }
    if (!inGrid(row, col))
        return false;
    if (button == 1) {
        MoveCursor(row, col);
        return false;
    }
    return button == 2;
}

void Korsord::ListJump(const QString& entry, int direction) {
    if (entry.isEmpty())
        return;
    s.TypingDirection = direction;
    const int row = static_cast<int>(val(entry.mid(1, 3)));
    const int col = entry[0].unicode() - 64;
    if (inGrid(row, col))
        MoveCursor(row, col);
}

} // namespace vx
