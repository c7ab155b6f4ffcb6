#include "appcontext.h"

#include "messagebox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace vx {

void MessageBoxReporter::message(const QString& text) {
    showMessage(QStringLiteral("Vokabrix"), text);
}

LoadContext AppContext::loadContext() const {
    LoadContext c;
    c.folder = folder;
    c.commandLineFile = commandLineFile;
    c.fromLanguage = settings.fromLanguage;
    c.fromSub = settings.fromSub;
    c.toLanguage = settings.toLanguage;
    c.reporter = reporter;
    // No events run during the load: it takes milliseconds, and a click let in meanwhile
    // would start a second launch inside the first.
    return c;
}

void AppContext::loadDictionaries() { LoadDictionaries(store, loadContext()); }

int AppContext::readScreenDepth() const {
    if (screenDepthOverride > 0)
        return screenDepthOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

} // namespace vx
