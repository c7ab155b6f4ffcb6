// The on-screen keyboard of both programs: 25 letters that many keyboards lack. A click
// types the letter, in lower case, into the control that had the focus, and the keyboard
// closes; leaving the window closes it without typing.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

class QPushButton;

namespace vx {

class frmKeyboard : public QDialog {
    Q_OBJECT
public:
    explicit frmKeyboard(QWidget* parent = nullptr);

    // Shows a fresh keyboard, not modal, for the control that has the focus now.
    static frmKeyboard* showKeyboard();

    // The captions by key index 0..24.
    static const std::array<QChar, 25>& captions();

    std::array<QPushButton*, 25> cmdKey{};

    void keyClicked(int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    bool m_typing = false;
};

// Posts a typed character to a widget, as if it came from the keyboard, so that the
// widget's own key handling runs.
void postCharacter(QWidget* target, QChar ch);

} // namespace vx
