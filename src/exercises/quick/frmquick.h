// The Quick window: the 5 x 5 grid, the question, the clock, the two directions and the
// high-score list.
#pragma once

#include "exercises/common/exercisewindow.h"
#include "quick.h"

#include <QRadioButton>
#include <QTimer>

namespace vx {

class QuickGrid : public QWidget {
    Q_OBJECT
public:
    QuickGrid(QWidget* parent, const QuickState& state);
    std::array<QColor, kQuickCells + 1> colour;
    // The cell under a point: Int(x / cell width) + 1 by columns, the same by rows.
    int cellAt(double x, double y) const;

signals:
    void released(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QuickState& m_state;
};

class frmQuick : public ExerciseWindow {
    Q_OBJECT
public:
    explicit frmQuick(AppContext& context);

    QuickState state;
    QuickGrid* picQuick = nullptr;
    QLabel* lblWord = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblNrOfWords = nullptr;
    std::array<QRadioButton*, 3> optLanguage{}; // 1, 2
    DrawnButton* cmdStarta = nullptr;
    DrawnButton* cmdTop = nullptr;
    QTimer tmrTimer;
    QTimer tmrSeconds;

    void start();
    void clickCell(int cell);
    void tick();
    void showTop();
    void DrawGrid();
    void ShowQuickScore();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The asked word while a game asks the practised words.
    QString wordToSpeak() const override;

private:
    bool m_practisedAsked = false; // the game's questions are practised words
};

} // namespace vx
