// The Verb window: the first form of a verb, the boxes for the other forms, Check and Next.
#pragma once

#include "exercises/common/exercisewindow.h"
#include "verbs.h"

#include <QLineEdit>

namespace vx {

class frmVerb : public ExerciseWindow {
    Q_OBJECT
public:
    explicit frmVerb(AppContext& context);

    QLineEdit* txtVerb = nullptr;
    std::array<QLineEdit*, 3> txtGuess{};
    std::array<QLabel*, 3> lblAnswer{};
    std::array<QLabel*, 4> lblHeading{};
    std::array<QLabel*, 2> picApple{};
    DrawnButton* cmdCorrect = nullptr;

    void ShowVerb(int r);
    void ClearVerbAnswers();
    void check();
    void nextVerb();
    bool isMarked(int box) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    // The verb shown; after it was checked, its right forms too.
    QString wordToSpeak() const override;

private:
    void mark(int box, bool wrong);
    void enterMovesOn(int box);
    QString formsOf(int verb) const;
    int m_checkedVerb = 0; // the verb whose forms were shown by the last check
};

} // namespace vx
