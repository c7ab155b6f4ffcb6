// Vokabrix, the exercise program.
#include "appcontext.h"
#include "exercises/registry.h"
#include "firstwindow.h"
#include "frame.h"
#include "frmmain.h"
#include "helpviewer.h"
#include "resources/artwork.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vokabrix"));
    QApplication::setWindowIcon(vx::art::icon(QStringLiteral("app_icon")));
    vx::applyProgramFont();

    vx::AppContext ctx;
    vx::MessageBoxReporter reporter;
    ctx.reporter = &reporter;
    // The speech engine starts on its own thread now, so that it is ready when the first
    // exercise opens.
    const std::unique_ptr<vx::Speaker> speaker = vx::makeProgramSpeaker();
    ctx.speaker = speaker.get();
    ctx.folder = vx::ProgramFolder::ofApplication();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        ctx.commandLineFile = args.mid(1).join(u' ');
    vx::registerExercises(ctx);

    vx::HelpKeyFilter help(ctx.folder, [&ctx] { return int(ctx.settings.fromLanguage); });
    app.installEventFilter(&help);

    vx::quitOnFirstWindowIfAsked();
    vx::frmMain* mainWindow = vx::StartVokabrix(ctx);
    if (!mainWindow)
        return 0;
    vx::registerWordLists(*mainWindow);
    const int result = QApplication::exec();
    delete mainWindow;
    return result;
}
