// A program folder for window tests: a language file whose texts name their number and
// language, and dictionaries of numbered words.
#pragma once

#include "app/appcontext.h"
#include "words/dictbuilder.h"
#include "words/langfile.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace vx::test {

inline void writeBytes(const QString& path, const QByteArray& data) {
    writeFile(path, data);
}

inline void writeDictionary(const QString& path, int words, bool enciphered) {
    writeFile(path, encode(numberedRecords(words), enciphered));
}

// Text n of language l reads "T<n>/<l>", and text 1 (the Worm button) "&Worm<l>".
inline void writeLanguageFile(const QString& folder) {
    std::vector<LanguageEntry> entries;
    for (int n = 0; n <= kLastTextNumber; ++n) {
        entries.push_back({n, {}});
        for (int l = 1; l <= 5; ++l)
            entries.back().texts << (n == 1 ? QStringLiteral("&Worm%1").arg(l)
                                            : QStringLiteral("T%1/%2").arg(n).arg(l));
    }
    QByteArray data;
    QString error;
    encodeLanguageFile(entries, 5, data, error);
    writeFile(folder + QStringLiteral("/LANG.CRP"), data);
}

// A context over a fresh program folder and settings file.
struct TestApp {
    QTemporaryDir dir;
    CollectingReporter reporter;
    RecordingSpeaker speaker;
    AppContext ctx;
    int quits = 0;

    explicit TestApp(int words = 40) {
        writeLanguageFile(dir.path());
        writeDictionary(dir.filePath(QStringLiteral("VOKABRIX.DCT")), words, true);
        writeDictionary(dir.filePath(QStringLiteral("own.dct")), 0, false);
        ctx.folder = ProgramFolder(dir.path());
        ctx.profile = ProfileFile(dir.filePath(QStringLiteral("VOKABRIX.INI")));
        ctx.reporter = &reporter;
        ctx.speaker = &speaker;
        ctx.screenDepthOverride = 24;
        ctx.colors.fill(24);
        ctx.quit = [this] { ++quits; };
        ReadLanguageFile(ctx.folder, 2, ctx.texts, reporter);
    }
};

// The settings file as the program left it; empty when there is none.
inline QString settingsText(const TestApp& app) {
    return QString::fromLatin1(readFile(app.ctx.profile.path()));
}

// Runs an action on the modal window that the next exec() shows.
template <typename Action> void onNextModal(Action action) {
    QTimer::singleShot(0, [action] {
        if (QWidget* modal = QApplication::activeModalWidget())
            action(modal);
    });
}

// Runs an action once a modal window of a kind is up, however many event loops run before
// it (a message box that comes after another window). Gives up after five seconds, or when
// the context object goes.
template <typename Window, typename Action>
void whenModal(Action action, QObject* context = nullptr) {
    auto* timer = new QTimer(context);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action] {
        auto* modal = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!modal && ++*waited < 1000)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            action(modal);
    });
    timer->start(5);
}

// Makes a window the active one, as a click on its title bar does. (A window kept above
// another counts as active while that one is; keys go to the one really active.)
inline bool activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Presses and releases a key where the user's keys go: the focused control of the active
// window, or the window itself.
inline void pressKey(QWidget* window, Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target && target->window() == window ? target : window, key);
}

} // namespace vx::test
