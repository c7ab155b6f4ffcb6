// The exercise program as main() puts it together over a test folder, and the user's ways
// to each of its windows.
#pragma once

#include "apptestutil.h"

#include "app/drawnbutton.h"
#include "app/frmabout.h"
#include "app/frmfromlanguage.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "app/startup.h"
#include "exercises/highscores/frmhighscores.h"
#include "exercises/registry.h"
#include "words/frmdictionaries.h"

#include <QPointer>

namespace vx::test {

struct Program : TestApp {
    frmMain* main = nullptr;

    explicit Program(int words = 40) : TestApp(words) { registerExercises(ctx); }

    // Start-up, the language window answered by `answer` (OK when none is given); the main
    // window active.
    frmMain* start(std::function<void(frmFromLanguage*)> answer = {}) {
        whenModal<frmFromLanguage>(
            [answer](frmFromLanguage* w) { answer ? answer(w) : w->cmdOK->click(); });
        main = StartVokabrix(ctx);
        if (main) {
            registerWordLists(*main);
            activate(main);
        }
        return main;
    }

    void copyFromProgramFolder(const QString& name) {
        QFile::remove(dir.filePath(name));
        QFile::copy(QStringLiteral(VOKABRIX_PROGRAM_DIR "/") + name, dir.filePath(name));
    }

    // Brings up a window of the started program the user's way (an exercise: Quick) and runs
    // `act` on it while it is up; a modal window still open afterwards is closed.
    void reach(const QString& name, const std::function<void(VxWindow*)>& act) {
        const std::map<QString, QWidget*> modal{{"frmFromLanguage", main->picFromLanguage},
                                                {"frmAbout", main->cmdAbout},
                                                {"frmDictionaries", main->picDictionaries}};
        if (modal.contains(name)) {
            whenModal<VxWindow>([act](VxWindow* w) {
                QPointer<VxWindow> window = w;
                act(w);
                if (window && window->isVisible())
                    window->close();
            });
            return QTest::mouseClick(modal.at(name), Qt::LeftButton);
        }
        if (name == QLatin1String("frmMain"))
            return act(main);
        QTest::mouseClick(main->cmdExercise[3], Qt::LeftButton);
        auto* intro = qobject_cast<frmHelp*>(ctx.introWindow.data());
        if (name == QLatin1String("frmHelp"))
            return act(intro);
        QTest::mouseClick(intro->cmdOK, Qt::LeftButton);
        auto* exercise = qobject_cast<VxWindow*>(windowsNamed(intro->windowName).value(0));
        if (name == QLatin1String("frmHighScores")) {
            QTest::mouseClick(exercise->findChild<DrawnButton*>("cmdTop"), Qt::LeftButton);
            exercise = frmHighScores::openWindow();
        }
        act(exercise);
    }
};

} // namespace vx::test
