// The About window: the version, the read-me, and the choice of colour scheme and
// full-screen mode.
#pragma once

#include "frame.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <array>

namespace vx {

class frmAbout : public VxWindow {
    Q_OBJECT
public:
    static constexpr const char* kWebSite = "https://vokabrix.example.org/";

    explicit frmAbout(AppContext& context, QWidget* parent = nullptr);

    // The read-me as the text box shows it: every line preceded by a line break.
    static QString readmeText(const ProgramFolder& folder);

    QLabel* lblVersion = nullptr;
    QPlainTextEdit* txtReadme = nullptr;
    QWidget* picColorScheme = nullptr;
    std::array<QRadioButton*, 5> optColor{}; // 1..4
    std::array<PictureLabel*, 5> imgColor{};
    QCheckBox* chkFullScreen = nullptr;
    QCheckBox* chkSpeak = nullptr; // "Speak words"
    PictureLabel* lblWebSite = nullptr;
    DrawnButton* cmdOK = nullptr;

    void ok();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vx
