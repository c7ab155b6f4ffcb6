// The exercise introduction window: the exercise's title and instructions, the two flags,
// the number of words loaded; its OK button opens the exercise window.
#pragma once

#include "frame.h"

namespace vx {

class frmHelp : public VxWindow {
    Q_OBJECT
public:
    explicit frmHelp(AppContext& context, QWidget* parent = nullptr);

    // Shows the introduction, loads the words (or the verbs) and decides whether the
    // exercise can start; false when it cannot (the main window is back then).
    bool ShowIntro(const QString& title, const QString& windowName, int minimumWords,
                   const QString& text, const ExerciseEntry* entry = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblNrOfWords = nullptr;
    QLabel* picFromFlag = nullptr;
    QLabel* picToFlag = nullptr;
    QLabel* Image5 = nullptr;
    DrawnButton* cmdOK = nullptr;
    QString windowName;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ok();
};

// Every top-level window of a name (the loaded exercise windows).
QList<QWidget*> windowsNamed(const QString& name);

} // namespace vx
