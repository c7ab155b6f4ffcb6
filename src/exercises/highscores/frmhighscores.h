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

    // There is one high-score window, kept above `opener`, the game window. "High scores"
    // shows the list of a file in it, or brings it forward when it already shows that list.
    static void showList(AppContext& context, const QString& fileName, QWidget* opener = nullptr);
    // The end of a game enters its score into the one window, after writing any entry the
    // window held, so that no entry overwrites another.
    static void enterScore(AppContext& context, int score, const QString& fileName,
                           QWidget* opener = nullptr);
    // The high-score window that is open, if any.
    static frmHighScores* openWindow();

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

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes a name being typed and writes a new entry not yet written.
    void finishEntry();
    void keepAbove(QWidget* opener);
    void takeName();
    void show(const HighScoreList& list);
    HighScoreList list() const;

    bool m_unwritten = false; // a score was entered and the file not yet written
};

} // namespace vx
