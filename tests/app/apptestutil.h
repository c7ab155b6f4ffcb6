// A program folder for window tests: a language file whose texts name their number and
// language, and dictionaries of numbered words.
#pragma once

#include "app/appcontext.h"
#include "words/dictfile.h"
#include "words/langfile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace vx::test {

inline void writeBytes(const QString& path, const QByteArray& data) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(data);
}

// Text n of language l reads "T<n>/<l>", and text 1 (the Worm button) "&Worm<l>".
inline void writeLanguageFile(const QString& folder) {
    std::vector<LanguageEntry> entries;
    for (int n = 0; n <= kLastTextNumber; ++n) {
        LanguageEntry e{n, {}};
        for (int l = 1; l <= 5; ++l)
            e.texts << (n == 1 ? QStringLiteral("&Worm%1").arg(l) : QStringLiteral("T%1/%2").arg(n).arg(l));
        entries.push_back(e);
    }
    QByteArray data;
    QString error;
    encodeLanguageFile(entries, 5, data, error);
    writeBytes(folder + QStringLiteral("/LANG.CRP"), data);
}

inline void writeDictionary(const QString& path, int words, bool enciphered) {
    std::vector<WordRecord> records;
    for (int i = 1; i <= words; ++i) {
        WordRecord r;
        r.text = {QStringLiteral("ord%1").arg(i), QStringLiteral("word%1").arg(i),
                  QStringLiteral("Wort%1").arg(i), QStringLiteral("mot%1").arg(i),
                  QStringLiteral("palabra%1").arg(i)};
        r.level = {3, 3, 3, 3, 3};
        records.push_back(r);
    }
    QByteArray data;
    QString error;
    encodeDictionary(records, enciphered, data, error);
    writeBytes(path, data);
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
    QFile f(app.ctx.profile.path());
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// Runs an action on the modal window that the next exec() shows.
template <typename Action>
void onNextModal(Action action) {
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

// Makes a window the active one, as a click on its title bar does.
inline bool activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Presses and releases a key where the user's keys go: the focused control of the active
// window, or the window itself.
inline void pressKey(QWidget* window, Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window;
    QTest::keyClick(target, key);
}

} // namespace vx::test
