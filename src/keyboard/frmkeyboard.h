// The on-screen keyboard of both programs: 25 letters that many keyboards lack. A click
// types the letter, in lower case, into the control that had the focus, and the keyboard
// closes; leaving the window closes it without typing.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

class QPushButton;
class QShortcut;

namespace vx {

class frmKeyboard : public QDialog {
    Q_OBJECT
public:
    explicit frmKeyboard(QWidget* parent = nullptr);

    // Shows a fresh keyboard, not modal, for `window`: the letter goes to the control of
    // that window that had the focus. Without a window, the active window is meant.
    static frmKeyboard* showKeyboard(QWidget* window = nullptr);

    // F4 anywhere in `window` opens the keyboard. A window shortcut, not a key handler: a
    // focused text box keeps the key release to itself, so a handler on the window would
    // never see F4 while the user is typing.
    static QShortcut* addShortcut(QWidget* window);

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
