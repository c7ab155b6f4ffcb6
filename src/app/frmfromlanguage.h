// The language window, shown at every start and from the main window's big flag: the user
// names the own language, which becomes the language of the interface.
#pragma once

#include "frame.h"

#include <QRadioButton>
#include <array>

namespace vx {

class frmFromLanguage : public VxWindow {
    Q_OBJECT
public:
    explicit frmFromLanguage(AppContext& context, QWidget* parent = nullptr);

    // The option of an own language by flag key: 12 -> 0, 2 -> 1, 4 -> 2, 3 -> 3, 5 -> 4,
    // 1 -> 5; -1 for any other key.
    static int optionOfFlagKey(int flagKey);

    std::array<QRadioButton*, 6> optLanguage{};
    DrawnButton* cmdOK = nullptr;
    DrawnButton* cmdHelp = nullptr;
    DrawnButton* cmdCancel = nullptr;

    // True when Cancel (or the close box) ended the window.
    bool cancelled() const { return m_cancelled; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Escape is Cancel.
    void escapePressed() override { cancel(); }

private:
    // The option chosen, -1 while none is.
    int chosenOption() const;
    void ok();
    void cancel();
    bool m_cancelled = true;
};

} // namespace vx
