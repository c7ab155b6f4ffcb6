// The drill windows driven as a learner drives them: shown and active, over a store of German
// nouns practised from Swedish, with the clicks or keys that answer the question on screen.
#pragma once

#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "exercises/genus/frmgenus.h"
#include "exercises/quattro/frmquattro.h"
#include "exercises/quick/frmquick.h"
#include "exercises/synonym/frmsynonym.h"
#include "exercises/verb/frmverb.h"
#include "exercises/worm/frmworm.h"
#include "storebuilder.h"
#include "words/articles.h"

#include <QLineEdit>
#include <type_traits>

namespace vx::test {

template <class Widgets> QStringList textsOf(const Widgets& widgets) {
    QStringList texts;
    for (const auto* w : widgets)
        texts << w->text();
    return texts;
}

// The first `words` nouns of nouns.tsv, practised from language `own`; by practised word, the
// translation as a box shows it.
inline QHash<QString, QString> fillNouns(AppContext& ctx, int own, int practised, int words) {
    ctx.settings.fromLanguage = own;
    ctx.settings.toLanguage = practised;
    QHash<QString, QString> shown;
    for (const QStringList& noun : cases("nouns.tsv").first(words)) {
        addWord(ctx.store, noun[practised - 1], noun[own - 1], 3, 1);
        shown[noun[practised - 1]] = SplitArticle(noun[own - 1], 1, own).Bare;
    }
    return shown;
}

inline void loadVerbs(AppContext& ctx, const QByteArray& file) {
    CollectingReporter r;
    if (!LoadVerbBytes(ctx.verbs, file, QStringLiteral("VERB03.TXT"), r))
        qFatal("verbs not loaded");
}

inline void clickCell(QuickGrid* grid, int cell) {
    QTest::mouseClick(grid, Qt::LeftButton, {},
                      QPoint((QuickCellColumn(cell) * 2 - 1) * grid->width() / 10,
                             (QuickCellRow(cell) * 2 - 1) * grid->height() / 10));
}

// A drill's window, started as the learner starts it, with "der Hund" (or "gehen") asked.
struct Drill {
    std::unique_ptr<ExerciseWindow> window;
    std::function<void()> answerRight;
};

// Shows drill W and clicks its New.
template <class W> W* startDrill(Drill& d, AppContext& ctx) {
    auto* w = new W(ctx);
    d.window.reset(w);
    activate(w);
    if constexpr (!std::is_same_v<W, frmQuick>) // Quick starts on Start, in a chosen direction
        QTest::mouseClick(w->cmdNew, Qt::LeftButton);
    return w;
}

// `name`: quattro, worm, quick german, quick swedish (the language of Quick's questions),
// synonym, genus or verb; over German nouns practised from Swedish.
inline Drill openDrill(AppContext& ctx, const QString& name) {
    Drill d;
    fillNouns(ctx, 1, 3, name == "quattro" ? 4 : name == "synonym" ? 10 : name == "verb" ? 0 : 1);
    if (name == "quattro") {
        for (int i = 2; i <= 4; ++i) // the unused word is asked: "der Hund"
            ctx.store.setUsed(i, true);
        auto* w = startDrill<frmQuattro>(d, ctx);
        d.answerRight = [w] {
            QTest::keyClick(w, static_cast<Qt::Key>(Qt::Key_1 + w->state.CorrectOption - 1));
        };
    } else if (name == "worm") {
        startDrill<frmWorm>(d, ctx);
        d.answerRight = [] { QTest::keyClicks(QApplication::focusWidget(), "hund"); };
    } else if (name.startsWith("quick")) {
        auto* w = startDrill<frmQuick>(d, ctx);
        // The first option asks the own language, the second the practised one.
        QTest::mouseClick(w->optLanguage[name == "quick german" ? 2 : 1], Qt::LeftButton);
        QTest::mouseClick(w->cmdStarta, Qt::LeftButton);
        d.answerRight = [w] { clickCell(w->picQuick, w->state.QuickCell); };
    } else if (name == "synonym") {
        auto* w = startDrill<frmSynonym>(d, ctx);
        d.answerRight = [w] {
            w->startLink(static_cast<int>(textsOf(w->RAD1).indexOf("der Hund")));
            w->linkTo(static_cast<int>(textsOf(w->RAD2).indexOf("hund")));
        };
    } else if (name == "genus") {
        auto* w = startDrill<frmGenus>(d, ctx);
        d.answerRight = [w] { QTest::mouseClick(w->lblGenus[0][0], Qt::LeftButton); }; // "der"
    } else {
        loadVerbs(ctx,
                  "4\r\nInf,Pres,Past,PP\r\ngehen,geht,ging,gegangen\r\nsein,ist,war,gewesen\r\n");
        auto* w = startDrill<frmVerb>(d, ctx);
        while (w->txtVerb->text() != "gehen")
            QTest::mouseClick(w->cmdNew, Qt::LeftButton);
        d.answerRight = [w] {
            for (int i = 0; i < 3; ++i)
                QTest::keyClicks(w->txtGuess[i], QStringList{"geht", "ging", "gegangen"}[i]);
            QTest::mouseClick(w->cmdCorrect, Qt::LeftButton);
        };
    }
    return d;
}

} // namespace vx::test
