// The state of the exercise program, one instance for the whole run: settings, colour
// tables, the text table, the word store, the answer counters and the pictures that all
// windows share. Windows are given it; a test makes its own.
#pragma once

#include "appcore.h"
#include "common/programfolder.h"
#include "common/random.h"
#include "common/reporter.h"
#include "exercises/verb/verbs.h"
#include "speech/speech.h"
#include "words/langfile.h"
#include "words/settings.h"
#include "words/wordstore.h"

#include <QPixmap>
#include <QPointer>
#include <functional>
#include <map>

class QWidget;

namespace vx {

struct AppContext;

// What the launcher knows of an exercise window; each exercise adds its entry.
struct ExerciseEntry {
    // Creates the window, loaded but not shown.
    std::function<QWidget*(AppContext&)> create;
    // Runs before the introduction (the crossword's state, the synonym order).
    std::function<void(AppContext&)> beforeIntro;
    // Runs when the introduction has found enough words (the crossword's candidates).
    std::function<void(AppContext&)> wordsLoaded;
};

// Message boxes with the program's title.
class MessageBoxReporter : public Reporter {
public:
    void message(const QString& text) override;
};

struct AppContext {
    ProgramFolder folder;
    ProfileFile profile{ProfileFile::defaultPath()};
    QString commandLineFile;
    AppSettings settings;
    ColorTables colors;
    TextTable texts;
    WordStore store;
    VerbState verbs;
    qint32 rightAnswers = 0;
    qint32 wrongAnswers = 0;
    Random* rng = &processRandom();
    Reporter* reporter = nullptr;
    // Speaks the practised words; the program owns it, tests give a recording one.
    Speaker* speaker = nullptr;
    // A fixed screen depth for tests; 0 reads the screen.
    int screenDepthOverride = 0;

    // The picture of the main window's content box, which every window copies.
    QPixmap mainPicture;
    QPointer<QWidget> mainWindow;
    QPointer<QWidget> introWindow;
    std::map<Exercise, ExerciseEntry> exercises;
    // Ends the program; tests replace it.
    std::function<void()> quit;

    LoadContext loadContext() const;
    void loadDictionaries();
    int readScreenDepth() const;
    QColor backColor() const { return colors.back(settings.colorScheme); }
    QColor accentColor() const { return colors.accent(settings.colorScheme); }
    // The flag of the own language, by flag key, and of the practised language.
    int fromFlagKey() const { return settings.fromFlagKey(); }
};

} // namespace vx
