// The main window: the own language as a large flag, the choice of the practised language,
// one button per exercise, and the word lists, help, About and exit buttons.
#pragma once

#include "frame.h"

#include <QRadioButton>
#include <array>

namespace vx {

class frmHelp;

class frmMain : public VxWindow {
    Q_OBJECT
public:
    explicit frmMain(AppContext& context, QWidget* parent = nullptr);

    // Lays out the four practised-language choices and the own language's big flag.
    void LayoutLanguageChoice();
    // The exercise start of button index 1..7.
    void startExercise(int index);
    // The exit button: writes the settings and ends the program.
    void exitProgram();
    void setBackgroundPicture(const QPixmap& picture);

    std::array<DrawnButton*, 8> cmdExercise{}; // 1..7
    DrawnButton* picDictionaries = nullptr;
    DrawnButton* cmdHelp = nullptr;
    DrawnButton* cmdAbout = nullptr;
    DrawnButton* cmdExit = nullptr;
    PictureLabel* picFromLanguage = nullptr;
    QWidget* picFlags = nullptr;
    std::array<QRadioButton*, 6> optLanguage{}; // 1..5
    std::array<PictureLabel*, 6> imgFlag{};     // by language code 1..5
    QLabel* imgSelFlag = nullptr;
    PictureLabel* Image3 = nullptr;
    QLabel* imgMoses = nullptr;

    // Opens the word-list window; set by the word-list issue's window, until then nothing.
    std::function<void()> showDictionaries;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate();
    void optionClicked(int code);
    void changeOwnLanguage();
    void endProgram();
    frmHelp* introWindow();
    bool m_exiting = false;
    int m_flagKeyPressed = 0; // a key pressed in the flag strip, not yet released
};

} // namespace vx
