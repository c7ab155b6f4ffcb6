// The Worm window: the own-language word, the row of cells of its translation, and the
// article before or after the row.
#pragma once

#include "exercises/common/exercisewindow.h"
#include "worm.h"

namespace vx {

// The row of letter cells; square cells as high as the row.
class WordRow : public QWidget {
    Q_OBJECT
public:
    WordRow(QWidget* parent, const WormState& state);
    int cellSize() const { return height(); }

signals:
    void released(double x);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const WormState& m_state;
};

class frmWorm : public ExerciseWindow {
    Q_OBJECT
public:
    explicit frmWorm(AppContext& context);

    WormState state;
    QLabel* lblWord1 = nullptr;
    WordRow* picWord = nullptr;
    QLabel* lblArtBefore = nullptr;
    QLabel* lblArtAfter = nullptr;
    QWidget* Image1 = nullptr;

    void newWord();
    void typed(QChar c);
    void buyLetter();
    void DrawWord();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Only a complete word: before that, hearing it would give the answer away.
    QString wordToSpeak() const override;

private:
    void afterAnswer();
    bool m_completeSpoken = false;
};

} // namespace vx
