// Answers the modal box that the next user action opens, from the event loop, as a user
// would: the box must be there, and its text is kept for the test to check.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

namespace vx::test {

struct SeenBox {
    QString text;
    bool normalPointer = false; // no hourglass while it was shown
    int count = 0;
};

// Presses `button` on the next message box; what it showed goes into `seen`.
inline void answerNextBox(QMessageBox::StandardButton button, std::shared_ptr<SeenBox> seen) {
    QTimer::singleShot(0, [button, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        ++seen->count;
        seen->text = box->text();
        seen->normalPointer = QApplication::overrideCursor() == nullptr;
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->reject();
    });
}

} // namespace vx::test
