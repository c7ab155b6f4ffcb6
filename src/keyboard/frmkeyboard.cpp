#include "frmkeyboard.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace vx {

const std::array<QChar, 25>& frmKeyboard::captions() {
    static const std::array<QChar, 25> keys = {
        QChar(0xC1), QChar(0xC0), QChar(0xC5), QChar(0xC4), QChar(0xCA), // 0..4: Á À Å Ä Ê
        QChar(0xD6), QChar(0xC8), QChar(0xC9), QChar(0xDF), QChar(0xC2), // 5..9: Ö È É ß Â
        QChar(0xCD), QChar(0xCC), QChar(0xDC), QChar(0xD4), QChar(0xD2), // 10..14: Í Ì Ü Ô Ò
        QChar(0xD3), QChar(0xCE), QChar(0xCF), QChar(0xDA), QChar(0xD9), // 15..19: Ó Î Ï Ú Ù
        QChar(0xDB), QChar(0xCB), QChar(0xD1), QChar(0xC7), QChar(0xC6), // 20..24: Û Ë Ñ Ç Æ
    };
    return keys;
}

namespace {
// Key index at each row and column of the five-by-five layout.
constexpr int kLayout[5][5] = {
    {0, 1, 9, 3, 2},     {7, 6, 4, 21, 24},    {10, 11, 16, 17, 8},
    {15, 14, 13, 5, 22}, {18, 19, 20, 12, 23},
};
constexpr int kColumns[5] = {4, 44, 84, 124, 180};
constexpr int kRows[5] = {4, 40, 76, 112, 148};
} // namespace

frmKeyboard::frmKeyboard(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmKeyboard"));
    setWindowTitle(QStringLiteral("Keyboard"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(222, 190);
    QFont keyFont = font();
    keyFont.setPointSizeF(keyFont.pointSizeF() + 2);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const int index = kLayout[row][column];
            auto* key = new QPushButton(QString(captions()[index]), this);
            key->setObjectName(QStringLiteral("cmdKey%1").arg(index));
            key->setGeometry(kColumns[column], kRows[row], 36, 33);
            key->setFont(keyFont);
            key->setFocusPolicy(Qt::NoFocus);
            connect(key, &QPushButton::clicked, this, [this, index] { keyClicked(index); });
            cmdKey[index] = key;
        }
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

frmKeyboard* frmKeyboard::showKeyboard(QWidget* window) {
    auto* keyboard = new frmKeyboard(window ? window->window() : QApplication::activeWindow());
    keyboard->show();
    keyboard->raise();
    keyboard->activateWindow();
    return keyboard;
}

QShortcut* frmKeyboard::addShortcut(QWidget* window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F4), window);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, window, [window] { showKeyboard(window); });
    return shortcut;
}

void frmKeyboard::keyClicked(int index) {
    const QChar letter = captions()[index].toLower();
    m_typing = true;
    QWidget* owner = parentWidget();
    close();
    if (owner) {
        owner->activateWindow();
        QApplication::processEvents();
        QWidget* target = owner->focusWidget() ? owner->focusWidget() : owner;
        postCharacter(target, letter);
    }
}

void frmKeyboard::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Leaving the keyboard (another window becomes active) closes it, typing nothing.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() && !m_typing)
        close();
}

void postCharacter(QWidget* target, QChar ch) {
    if (!target)
        return;
    const int key =
        ch.toUpper().unicode() <= 0xFF ? int(ch.toUpper().unicode()) : int(Qt::Key_unknown);
    QApplication::postEvent(target,
                            new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(ch)));
    QApplication::postEvent(target,
                            new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch)));
}

} // namespace vx
