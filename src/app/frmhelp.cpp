#include "frmhelp.h"

#include "drawnbutton.h"
#include "resources/artwork.h"
#include "common/textconv.h"
#include "words/wordstore.h"

#include <QApplication>
#include <QCloseEvent>

namespace vx {

QList<QWidget*> windowsNamed(const QString& name) {
    QList<QWidget*> out;
    // No exercise window is nameless; an empty name would match menus and other hidden helpers.
    if (name.isEmpty())
        return out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name)
            out << w;
    }
    return out;
}

frmHelp::frmHelp(AppContext& context, QWidget* parent)
    : VxWindow(context, QStringLiteral("frmHelp"), QStringLiteral("21"), QSize(700, 560), parent) {
    Image5 = new QLabel(picHolder);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setGeometry(24, 20, 110, 110);
    Image5->setPixmap(art::picture(QStringLiteral("owl"), QSize(110, 110)));

    Label1 = new QLabel(picHolder);
    Label1->setObjectName(QStringLiteral("Label1"));
    setTag(Label1, 306);
    Label1->setGeometry(156, 24, 520, 44);
    enlargeFont(Label1, 9);

    picFromFlag = new QLabel(picHolder);
    picFromFlag->setObjectName(QStringLiteral("picFromFlag"));
    picFromFlag->setGeometry(158, 80, 54, 36);
    auto* arrow = new QLabel(QStringLiteral("\u2192"), picHolder);
    arrow->setGeometry(216, 80, 30, 36);
    arrow->setAlignment(Qt::AlignCenter);
    enlargeFont(arrow, 8, false);
    picToFlag = new QLabel(picHolder);
    picToFlag->setObjectName(QStringLiteral("picToFlag"));
    picToFlag->setGeometry(250, 80, 54, 36);

    auto* wordsCaption = addLabel(QStringLiteral("Label2"), 20, QRect(330, 86, 180, 24));
    wordsCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wordsCaption->setWordWrap(false);
    lblNrOfWords = new QLabel(picHolder);
    lblNrOfWords->setObjectName(QStringLiteral("lblNrOfWords"));
    lblNrOfWords->setGeometry(514, 86, 80, 24);
    QFont bold = lblNrOfWords->font();
    bold.setBold(true);
    lblNrOfWords->setFont(bold);

    Label4 = new QLabel(picHolder);
    Label4->setObjectName(QStringLiteral("Label4"));
    setTag(Label4, 303);
    Label4->setGeometry(24, 148, 652, 328);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setMargin(14);
    Label4->setStyleSheet(QStringLiteral("background: rgba(255,255,255,170); border-radius: 8px;"));
    enlargeFont(Label4, 1, false);

    cmdOK = addButton(QStringLiteral("cmdOK"), 51, QRect(270, 496, 160, 40));
    connect(cmdOK, &DrawnButton::clicked, this, &frmHelp::ok);

    // Loading: layout, centred, captions, the background picture.
    ApplyLayout(this);
    centre();
    ApplyTexts(this);
    ApplyFormBackground(this);
}

bool frmHelp::ShowIntro(const QString& title, const QString& name, int minimumWords,
                        const QString& text, const ExerciseEntry* entry) {
    // The window stays loaded between launches: it takes the texts of the own language in
    // force each time it comes up.
    ApplyTexts(this);
    show();
    raise();
    ShowFlags(this);
    cmdOK->setEnabled(false);
    cmdOK->draw(StripAmpersands(ctx.texts.text(50)));
    Label1->setText(title);
    Label4->setText(text);

    windowName.clear(); // a launch that gives up has no exercise window of its own
    auto giveUp = [this](const QString& message) {
        if (ctx.reporter)
            ctx.reporter->message(message);
        if (ctx.mainWindow)
            ctx.mainWindow->show();
        hide();
        return false;
    };
    if (name == QLatin1String("frmVerb")) {
        // A verb file that fails to load must not leave the verbs of another language in play.
        const bool loaded = LoadVerbs(ctx.verbs, ctx.folder, verbFileName(ctx.settings.toLanguage),
                                      *ctx.reporter);
        if (!loaded || ctx.verbs.VerbCount == 0)
            return giveUp(QStringLiteral("No verbs found"));
    } else {
        ctx.loadDictionaries();
        lblNrOfWords->setText(str(ctx.store.wordCount));
        if (ctx.store.wordCount < minimumWords)
            return giveUp(QStringLiteral("Too few words in the dictionary"));
    }
    cmdOK->setEnabled(true);
    cmdOK->draw(StripAmpersands(ctx.texts.text(51)));
    cmdOK->setFocus();
    if (entry && entry->wordsLoaded)
        entry->wordsLoaded(ctx);
    windowName = name;
    return true;
}

void frmHelp::ok() {
    cmdOK->setEnabled(false);
    for (QWidget* w : windowsNamed(windowName)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
    cmdOK->setEnabled(true);
}

void frmHelp::closeEvent(QCloseEvent* event) {
    // An exercise window that was loaded for this introduction but never shown goes too.
    for (QWidget* w : windowsNamed(windowName)) {
        if (!w->isVisible())
            w->deleteLater();
    }
    if (ctx.settings.returnToMain && ctx.mainWindow)
        ctx.mainWindow->show();
    VxWindow::closeEvent(event);
}

} // namespace vx
