#include "messagebox.h"

#include <QApplication>
#include <QCursor>

namespace vx {

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

NormalPointer::NormalPointer() {
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++m_lifted;
    }
}

NormalPointer::~NormalPointer() {
    for (int i = 0; i < m_lifted; ++i)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void showMessage(const QString& title, const QString& text, QWidget* parent) {
    NormalPointer normal;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    parent ? parent : QApplication::activeWindow());
    box.exec();
}

QMessageBox::StandardButton askQuestion(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) {
    NormalPointer normal;
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
                                                              : QMessageBox::No);
    const int answer = box.exec();
    return static_cast<QMessageBox::StandardButton>(answer);
}

} // namespace vx
