#include "startup.h"

#include "drawnbutton.h"
#include "frmfromlanguage.h"
#include "frmmain.h"
#include "resources/artwork.h"

#include <QCoreApplication>

namespace vx {

frmMain* StartVokabrix(AppContext& ctx) {
    auto* main = new frmMain(ctx);
    ReadMiscSettings(ctx.profile, ctx.settings);
    main->setBackgroundPicture(art::schemePicture(ctx.settings.colorScheme, main->picHolder->size()));
    DrawnButton::setFace(art::picture(QStringLiteral("button_face"), QSize(200, 40)));
    ctx.settings.screenColorBits = static_cast<qint16>(ctx.readScreenDepth());
    ctx.colors.fill(ctx.settings.screenColorBits);

    ctx.settings.returnToMain = true;
    ReadLanguageSettings(ctx.profile, ctx.settings);
    bool cancelled = false;
    {
        frmFromLanguage language(ctx);
        language.exec();
        cancelled = language.cancelled();
    }
    if (cancelled) {
        delete main;
        return nullptr;
    }
    {
        WaitCursor wait;
        if (ReadLanguageFile(ctx.folder, ctx.settings.fromLanguage, ctx.texts, *ctx.reporter) ==
            LanguageFileResult::Missing) {
            delete main;
            return nullptr;
        }
        main->LayoutLanguageChoice();
        main->show();
        ApplyTexts(main);
    }
    ctx.store.wordCount = 0;
    MarkWarrantySeen(ctx.profile);
    return main;
}

} // namespace vx
