// Drives the on-screen keyboard the user's way: the cursor in a text box, F4 pressed there
// (or the keyboard picture clicked), then a key of the keyboard clicked.
#pragma once

#include "keyboard/frmkeyboard.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace vx::test {

enum class KeyboardOpening { F4, Picture };

// Puts the cursor in `box` of the shown `window`, opens the keyboard as `how` says and
// clicks key `index`. False when the keyboard did not open.
inline bool typeWithKeyboard(QWidget* window, QWidget* box, KeyboardOpening how, QWidget* picture,
                             int index) {
    QApplication::setActiveWindow(window);
    box->setFocus();
    if (!QTest::qWaitFor([box] { return box->hasFocus(); }, 1000))
        return false;
    if (how == KeyboardOpening::F4)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    else
        QTest::mouseClick(picture, Qt::LeftButton);
    QPointer<frmKeyboard> keyboard; // opened over the window
    auto opened = [&] {
        return (keyboard = window->window()->findChild<frmKeyboard*>()) != nullptr;
    };
    if (!QTest::qWaitFor(opened, 1000))
        return false;
    QTest::mouseClick(keyboard->cmdKey[static_cast<size_t>(index)], Qt::LeftButton);
    return QTest::qWaitFor([&keyboard] { return keyboard.isNull(); }, 1000);
}

} // namespace vx::test
