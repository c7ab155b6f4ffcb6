// The crossword window: the board, its column letters and row numbers, the clue lists,
// size and difficulty, New, Check, the clue pop-up, printing, the progress bar and a walking
// duck.
#pragma once

#include "exercises/common/exercisewindow.h"
#include "korsord.h"

#include <QListWidget>
#include <QTimer>

class QLineEdit;

namespace vx {

class frmKorsord;

// The board `Bild`: draws every cell from the crossword state, and a focus frame in a thin
// margin around the grid. Positions it reports are measured from the grid's top left corner.
class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrame = 3; // the margin that holds the focus frame

    BoardView(QWidget* parent, const CrosswordState& state);
    QRect cellRect(int r, int c) const;
    // Takes the size of the grid, so that its last row and column are drawn whole.
    void fitGrid();
    void setFramed(bool framed);

signals:
    void pressed(int button, double x, double y);
    void released(int button);
    void doubleClicked(int button, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const CrosswordState& m_state;
    bool m_framed = false;
};

// The strips of column letters (above the board) and row numbers (left of it).
class LabelStrip : public QWidget {
    Q_OBJECT
public:
    LabelStrip(QWidget* parent, const CrosswordState& state, bool letters);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CrosswordState& m_state;
    bool m_letters;
};

class frmKorsord : public ExerciseWindow, public CrosswordView {
    Q_OBJECT
public:
    frmKorsord(AppContext& context, CrosswordState& crossword);

    CrosswordState& state;
    Korsord korsord;

    BoardView* Bild = nullptr;
    LabelStrip* Letterz = nullptr;
    LabelStrip* Numbers = nullptr;
    QWidget* Picture1 = nullptr;
    QListWidget* lstAcross = nullptr;
    QListWidget* lstDown = nullptr;
    QLabel* lblAcross = nullptr;
    QLabel* lblDown = nullptr;
    QLabel* lblAcross2 = nullptr;
    QLabel* lblDown2 = nullptr;
    QLineEdit* HintAcross = nullptr;
    QLineEdit* HintDown = nullptr;
    QScrollBar* Storlek = nullptr;
    QLabel* St = nullptr;
    QScrollBar* Diffi = nullptr;
    std::array<QLabel*, 3> lblDifficulty{};
    DrawnButton* cmdCorrect = nullptr;
    QLabel* lblSure = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QWidget* progressFrame = nullptr;
    QWidget* progressBar = nullptr;
    PictureLabel* imgPrinter = nullptr;
    QLabel* imgDuck = nullptr;
    QTimer tmrTimer;
    int duckPhase = 0;
    int duckTicks = 0;

    // New: asks first over an active puzzle.
    void newPuzzle();
    void check();
    // Ctrl+P and the printer picture: the print dialog, then the worksheet and its answer key.
    void printPuzzle();
    void showClueHints(int r, int c);
    void hideClueHints();
    bool generating() const { return m_generating; }

    // CrosswordView
    void pumpEvents() override;
    void cellChanged(int row, int column) override;
    void boardReset() override;
    void listsChanged() override;
    void listsVisible(bool visible) override;
    void listSelectionChanged() override;
    void progressChanged(int percent) override;
    double letterWidth(double pointSize) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QString wordToSpeak() const override { return korsord.HearableAnswer(); }

private:
    void sizeChanged(int value);
    void difficultyChanged(int value);
    void animate();
    void focusBoard();
    void showProgressDisplay(bool shown);
    bool m_generating = false;
    // New, Check and Help do nothing from a press of New until its puzzle is ready; they
    // keep their look meanwhile.
    bool m_busy = false;
    bool m_closePending = false;
    // A puzzle was made in this window (it may be checked since): it can be printed.
    bool m_hasPuzzle = false;
};

} // namespace vx
