// edit, the dictionary editor.
#include "app/firstwindow.h"
#include "app/helpfile.h"
#include "app/helpviewer.h"
#include "app/messagebox.h"
#include "frmedit.h"
#include "frmnyfil.h"
#include "resources/artwork.h"
#include "words/profile.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vokabrix Dictionary Editor"));
    QApplication::setWindowIcon(vx::art::icon(QStringLiteral("editor_icon")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    QApplication::setFont(font);

    // Main: the help document, the introduction, then the grid window with own.dct.
    const vx::ProgramFolder folder = vx::ProgramFolder::ofApplication();
    // The help speaks the own language the exercise program keeps, read when F1 is pressed.
    vx::HelpKeyFilter help(folder, [] {
        return vx::editorHelpLanguage(vx::ProfileFile(vx::ProfileFile::defaultPath()),
                                      QLocale::system());
    });
    app.installEventFilter(&help);
    vx::quitOnFirstWindowIfAsked();
    {
        vx::editor::frmHelp intro;
        intro.exec();
    }
    if (vx::quitRequested())
        return 0;
    vx::editor::EditorMessages reporter;
    vx::EditorStore store;
    const std::unique_ptr<vx::Speaker> speaker = vx::makeProgramSpeaker();
    vx::editor::frmEdit window(store, folder, reporter);
    window.speaker = speaker.get();
    window.show();
    window.loadOwnDictionary();
    return QApplication::exec();
}
