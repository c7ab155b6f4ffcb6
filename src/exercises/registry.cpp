#include "registry.h"

#include "app/appcontext.h"
#include "app/frmmain.h"
#include "words/frmdictionaries.h"
#include "crossword/frmkorsord.h"
#include "quattro/frmquattro.h"
#include "quick/frmquick.h"
#include "verb/frmverb.h"
#include "synonym/frmsynonym.h"
#include "genus/frmgenus.h"
#include "worm/frmworm.h"

namespace vx {

void registerWordLists(frmMain& main) {
    main.showDictionaries = [&main] {
        frmDictionaries window(main.ctx, &main);
        window.exec();
    };
}

void registerExercises(AppContext& ctx) {
    ctx.exercises[Exercise::Quattro].create = [](AppContext& c) { return new frmQuattro(c); };
    ctx.exercises[Exercise::Worm].create = [](AppContext& c) { return new frmWorm(c); };
    ctx.exercises[Exercise::Quick].create = [](AppContext& c) { return new frmQuick(c); };
    ctx.exercises[Exercise::Verb].create = [](AppContext& c) { return new frmVerb(c); };
    ctx.exercises[Exercise::Synonym].create = [](AppContext& c) { return new frmSynonym(c); };
    ctx.exercises[Exercise::Genus].create = [](AppContext& c) { return new frmGenus(c); };

    // The crossword's state lives for the whole run, like its candidate tables.
    static CrosswordState crossword;
    ExerciseEntry& korsord = ctx.exercises[Exercise::Crossword];
    korsord.create = [](AppContext& c) { return new frmKorsord(c, crossword); };
    korsord.beforeIntro = [](AppContext& c) { Korsord(crossword, *c.rng).InitCrosswordState(); };
    korsord.wordsLoaded = [](AppContext& c) {
        Korsord k(crossword, *c.rng);
        k.PrepareCrosswordWords(c.store, c.settings.fromLanguage, c.settings.toLanguage);
        k.FinishCrosswordSetUp();
    };
}

} // namespace vx
