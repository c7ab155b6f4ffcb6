#include "firstwindow.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace vx {

namespace {
bool& requested() {
    static bool value = false;
    return value;
}
} // namespace

void quitOnFirstWindowIfAsked() {
    if (!qEnvironmentVariableIsSet("VOKABRIX_QUIT_ON_FIRST_WINDOW"))
        return;
    // The timer fires in the first event loop, once the first window is up.
    QTimer::singleShot(0, [] {
        requested() = true;
        QWidget* window = QApplication::activeModalWidget();
        if (!window) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    window = w;
        }
        if (window)
            window->close();
        QCoreApplication::exit(0);
    });
}

bool quitRequested() { return requested(); }

} // namespace vx
