// Message boxes of both programs, and the hourglass pointer. A box is never shown under
// the hourglass: the pointer is normal while the user reads and answers it, and the
// hourglass comes back afterwards when the work goes on.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace vx {

// The hourglass pointer, kept balanced.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Lifts every hourglass for its lifetime and puts them back afterwards.
class NormalPointer {
public:
    NormalPointer();
    ~NormalPointer();
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

private:
    int m_lifted = 0;
};

// A plain box with an OK button; the parent is the active window when none is given.
void showMessage(const QString& title, const QString& text, QWidget* parent = nullptr);

// A question with the given buttons; returns the button pressed (Escape gives Cancel when
// there is one, else No).
QMessageBox::StandardButton askQuestion(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons);

} // namespace vx
