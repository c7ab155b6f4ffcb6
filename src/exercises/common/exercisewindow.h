// What every exercise window shares: its buttons' focus frame and keys, centring and
// captions on load, the background and accent colours, help and exit, the F4 keyboard, the
// score labels and the level slider. Each window adds only what its drill needs.
#pragma once

#include "app/frame.h"

#include <QScrollBar>

namespace vx {

class ExerciseWindow : public VxWindow {
    Q_OBJECT
public:
    // How the exit button differs between the windows.
    enum class ExitStyle {
        HideHelpAfter,       // Quattro, Worm, Verb
        ShowMainHideHelp,    // Quick, Synonym
        ShowMainKeepHelp,    // Genus
        HideHelpWindowAfter, // the crossword (the same as HideHelpAfter)
    };

    ExerciseWindow(AppContext& context, const QString& name, int titleText, QSize contentSize,
                   ExitStyle exitStyle);

    // The common buttons and controls; each window calls those it has.
    void addCommonButtons(QRect newButton, QRect helpButton, QRect exitButton, int newText = 12);
    void addScoreLabels(QPoint topLeft);
    void addLevelSlider(QPoint topLeft);
    QLabel* addKeyboardPicture(QRect geometry);
    // The speaker picture, in the manner of the keyboard picture, and F5: both speak the
    // practised word the window offers now. Without speech for the practised language the
    // picture is shown disabled, its tooltip saying why, and F5 does nothing.
    QLabel* addSpeakerPicture(QRect geometry);
    // The shared load steps: centred, captions, background; then the accent colour.
    void finishLoading();

    void ShowScore();
    void showHelp();
    void exitExercise();
    void openKeyboard();
    void speakWord();
    // After a right answer the practised word is spoken by itself when "Speak words" is on.
    void speakRightAnswer(const QString& word);

    DrawnButton* cmdNew = nullptr;
    DrawnButton* cmdHelp = nullptr;
    DrawnButton* cmdExit = nullptr;
    QLabel* lblCorrect = nullptr;
    QLabel* lblWrong = nullptr;
    QLabel* lblScore = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QWidget* Shape1 = nullptr; // the accent shape

protected:
    // The practised-language word the learner may hear now, as it is shown; empty while
    // there is none or while hearing it would give the answer away.
    virtual QString wordToSpeak() const { return {}; }
    // Escape acts as the exit button, with the window's own exit rules.
    void escapePressed() override;
    void closeEvent(QCloseEvent* event) override;
    // Redraws the enabled look of a button after its state changed.
    static void redraw(DrawnButton* button);

private:
    void say(const QString& word);
    void showSpeechState();

    ExitStyle m_exitStyle;
    QLabel* m_speaker = nullptr;
};

} // namespace vx
