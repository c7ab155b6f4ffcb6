// The high-score window: the ten ranks of one list, and the name box over a new rank.
#pragma once

#include "app/frame.h"
#include "highscores.h"

#include <QLineEdit>

namespace vx {

class frmHighScores : public VxWindow {
    Q_OBJECT
public:
    explicit frmHighScores(AppContext& context);

    // Shows the list of a file (the viewer).
    void ReadHighScores(const QString& fileName);
    // Shows the list with a new score entered at its rank, the name box over it.
    void AddHighScore(int score, const QString& fileName);
    void WriteHighScores();
    void ok();

    std::array<QLabel*, 11> lblScore{};
    std::array<QLabel*, 11> lblName{};
    QLineEdit* txtAddName = nullptr;
    QLineEdit* txtFilename = nullptr;
    DrawnButton* cmdOK = nullptr;

private:
    void takeName();
    void show(const HighScoreList& list);
    HighScoreList list() const;
};

} // namespace vx
