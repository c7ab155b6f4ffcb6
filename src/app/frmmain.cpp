#include "frmmain.h"

#include "drawnbutton.h"
#include "frmabout.h"
#include "frmfromlanguage.h"
#include "frmhelp.h"
#include "helpviewer.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace vx {

namespace {
const QSize kContent(780, 500);
const QSize kBigFlag(150, 100);
const QSize kSmallFlag(36, 24);
constexpr int kFlagsWidth = 520;
} // namespace

frmMain::frmMain(AppContext& context, QWidget* parent)
    : VxWindow(context, QStringLiteral("frmMain"), QStringLiteral("8"), kContent, parent) {
    ctx.mainWindow = this;

    Image3 = new PictureLabel(picHolder, QStringLiteral("Image3"));
    Image3->setGeometry(20, 14, 104, 104);
    Image3->setPixmap(art::picture(QStringLiteral("owl"), QSize(104, 104)));
    imgMoses = new QLabel(picHolder);
    imgMoses->setObjectName(QStringLiteral("imgMoses"));
    imgMoses->setGeometry(128, 52, 66, 66);
    imgMoses->setPixmap(art::picture(QStringLiteral("moses"), QSize(66, 66)));
    imgMoses->hide();
    connect(Image3, &PictureLabel::clicked, imgMoses, &QWidget::show);

    auto* title = new QLabel(QStringLiteral("Vokabrix"), picHolder);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setGeometry(200, 26, 360, 56);
    enlargeFont(title, 20);
    title->setStyleSheet(QStringLiteral("color: #2b4a6f;"));

    picFromLanguage = new PictureLabel(picHolder, QStringLiteral("picFromLanguage"));
    picFromLanguage->setGeometry(604, 14, kBigFlag.width(), kBigFlag.height());
    picFromLanguage->setCursor(Qt::PointingHandCursor);
    connect(picFromLanguage, &PictureLabel::clicked, this, &frmMain::changeOwnLanguage);
    auto* ownCaption = addLabel(QStringLiteral("lblFromLanguage"), 10, QRect(572, 118, 200, 54));
    ownCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont small = ownCaption->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    ownCaption->setFont(small);

    addLabel(QStringLiteral("lblPractise"), 9, QRect(24, 136, 400, 24));
    picFlags = new QWidget(picHolder);
    picFlags->setObjectName(QStringLiteral("picFlags"));
    picFlags->setGeometry(24, 162, kFlagsWidth, 46);
    picFlags->setFocusPolicy(Qt::StrongFocus);
    picFlags->setAttribute(Qt::WA_StyledBackground);
    picFlags->setStyleSheet(QStringLiteral("#picFlags { background: rgba(255,255,255,150); border-radius: 8px; }"));
    picFlags->installEventFilter(this);
    imgSelFlag = new QLabel(picFlags);
    imgSelFlag->setObjectName(QStringLiteral("imgSelFlag"));
    imgSelFlag->setGeometry(0, 5, 66, 36);
    imgSelFlag->setStyleSheet(QStringLiteral("background: rgba(43,74,111,60); border-radius: 6px;"));
    for (int code = 1; code <= 5; ++code) {
        optLanguage[code] = new QRadioButton(picFlags);
        optLanguage[code]->setObjectName(QStringLiteral("optLanguage%1").arg(code));
        optLanguage[code]->resize(18, 36);
        optLanguage[code]->setFocusPolicy(Qt::NoFocus);
        connect(optLanguage[code], &QRadioButton::clicked, this, [this, code] { optionClicked(code); });
        imgFlag[code] = new PictureLabel(picFlags, QStringLiteral("imgFlag%1").arg(code));
        imgFlag[code]->resize(kSmallFlag);
        imgFlag[code]->setPixmap(art::flag(code, kSmallFlag));
        imgFlag[code]->setCursor(Qt::PointingHandCursor);
        connect(imgFlag[code], &PictureLabel::pressed, this, [this, code] {
            optLanguage[code]->setChecked(true);
            optionClicked(code);
        });
    }

    // Exercise buttons in two columns; the index is the exercise's number.
    const int order[8] = {6, 1, 4, 3, 5, 2, 7, 0};
    for (int k = 0; k < 8; ++k) {
        const QRect r(24 + (k / 4) * 262, 236 + (k % 4) * 56, 246, 44);
        if (order[k] == 0) {
            picDictionaries = addButton(QStringLiteral("picDictionaries"), 300, r);
            continue;
        }
        const int index = order[k];
        cmdExercise[index] = addButton(QStringLiteral("cmdExercise%1").arg(index),
                                       exerciseInfo(index)->captionText, r);
        connect(cmdExercise[index], &DrawnButton::clicked, this, [this, index] { startExercise(index); });
    }
    cmdHelp = addButton(QStringLiteral("cmdHelp"), 111, QRect(590, 292, 170, 44));
    cmdAbout = addButton(QStringLiteral("cmdAbout"), 6, QRect(590, 348, 170, 44));
    cmdExit = addButton(QStringLiteral("cmdExit"), 7, QRect(590, 404, 170, 44));
    connect(picDictionaries, &DrawnButton::clicked, this, [this] {
        if (showDictionaries)
            showDictionaries();
    });
    connect(cmdHelp, &DrawnButton::clicked, this, [this] { sendHelpKey(this); });
    connect(cmdAbout, &DrawnButton::clicked, this, [this] {
        frmAbout about(ctx, this);
        about.exec();
    });
    connect(cmdExit, &DrawnButton::clicked, this, &frmMain::exitProgram);

    // Loading: normal size, centred, normal pointer.
    setWindowState(Qt::WindowNoState);
    centre();
}

void frmMain::setBackgroundPicture(const QPixmap& picture) {
    ctx.mainPicture = picture;
    picHolder->setPicture(picture);
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !m_exiting)
        activate();
    return VxWindow::event(event);
}

void frmMain::activate() {
    // Only the texts already read are applied here: the language file is read when the own
    // language changes, never on activation, so that a broken file is reported once.
    ApplyTexts(this);
    // A practised language outside 1..5 (a hand-edited settings file) gives way to the
    // first language after English that is not the own one, so that the flag ticked is the
    // language in force.
    int to = ctx.settings.toLanguage;
    if (to < 1 || to > 5)
        to = NextPracticeLanguage(2, ctx.settings.fromLanguage);
    optLanguage[to]->setChecked(true);
    optionClicked(to);
    LayoutLanguageChoice();
}

void frmMain::LayoutLanguageChoice() {
    int slot = 1;
    const int quarter = kFlagsWidth / 4;
    for (int code = 1; code <= 5; ++code) {
        if (code != ctx.settings.fromLanguage) {
            optLanguage[code]->move(quarter * (slot - 1) + 24, 5);
            imgFlag[code]->move(quarter * (slot - 1) + 46, 11);
            optLanguage[code]->show();
            imgFlag[code]->show();
            ++slot;
        } else {
            optLanguage[code]->setAutoExclusive(false);
            optLanguage[code]->setChecked(false);
            optLanguage[code]->setAutoExclusive(true);
            optLanguage[code]->hide();
            imgFlag[code]->hide();
        }
    }
    picFromLanguage->setPixmap(art::flag(ctx.fromFlagKey(), kBigFlag));
    const int to = ctx.settings.toLanguage;
    if (to >= 1 && to <= 5)
        imgSelFlag->move(imgFlag[to]->x() - 20 - 6, 5);
    imgSelFlag->setVisible(to >= 1 && to <= 5 && to != ctx.settings.fromLanguage);
}

void frmMain::optionClicked(int code) {
    if (code < 1 || code > 5)
        return;
    if (code != ctx.settings.toLanguage)
        ctx.store.wordCount = 0;
    ctx.settings.toLanguage = static_cast<qint16>(code);
    cmdExercise[7]->setEnabled(code != 2);
    imgSelFlag->move(imgFlag[code]->x() - 20 - 6, 5);
    imgSelFlag->setVisible(code != ctx.settings.fromLanguage);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // A key released in the flag strip moves on to the next practised language; keys that
    // move the focus, ask for help or go with other keys do not. Only a key that was also
    // pressed there counts: the release of Enter that confirmed the language window arrives
    // here when the main window has just taken the focus, and must not change the language.
    if (watched == picFlags && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        static const QList<int> others{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape,
                                       Qt::Key_F1,  Qt::Key_Shift,   Qt::Key_Control,
                                       Qt::Key_Alt, Qt::Key_Meta};
        if (key->isAutoRepeat() || others.contains(key->key()))
            return VxWindow::eventFilter(watched, event);
        if (event->type() == QEvent::KeyPress) {
            m_flagKeyPressed = key->key();
        } else if (m_flagKeyPressed == key->key()) {
            m_flagKeyPressed = 0;
            const int next = NextPracticeLanguage(ctx.settings.toLanguage, ctx.settings.fromLanguage);
            optLanguage[next]->setChecked(true);
            optionClicked(next);
            return true;
        }
    }
    return VxWindow::eventFilter(watched, event);
}

void frmMain::changeOwnLanguage() {
    ctx.settings.returnToMain = false;
    const int before = ctx.settings.fromLanguage;
    {
        frmFromLanguage window(ctx, this);
        window.exec();
    }
    LayoutLanguageChoice();
    if (ctx.settings.fromLanguage != before &&
        ReadLanguageFile(ctx.folder, ctx.settings.fromLanguage, ctx.texts, *ctx.reporter) ==
            LanguageFileResult::Missing) {
        // Without its texts the program cannot go on, as at start-up.
        endProgram();
        return;
    }
    ApplyTexts(this);
    optionClicked(ctx.settings.toLanguage);
    cmdExercise[7]->update();
}

frmHelp* frmMain::introWindow() {
    if (!ctx.introWindow) {
        auto* intro = new frmHelp(ctx);
        intro->setAttribute(Qt::WA_DeleteOnClose);
        ctx.introWindow = intro;
    }
    return qobject_cast<frmHelp*>(ctx.introWindow.data());
}

void frmMain::startExercise(int index) {
    ctx.rightAnswers = 0;
    ctx.wrongAnswers = 0;
    ctx.rng->randomize(clockSeed());
    ctx.settings.returnToMain = true;
    WaitCursor wait;
    ctx.store.clearUsed();
    const ExerciseInfo* info = exerciseInfo(index);
    frmHelp* intro = nullptr;
    if (info) {
        const auto found = ctx.exercises.find(info->exercise);
        const ExerciseEntry* entry = found == ctx.exercises.end() ? nullptr : &found->second;
        const QString name = QString::fromLatin1(info->window);
        // Only one exercise window at a time: one left loaded by an earlier start goes.
        for (QWidget* old : windowsNamed(name)) {
            if (!old->isVisible())
                delete old;
        }
        if (entry && entry->beforeIntro)
            entry->beforeIntro(ctx);
        QWidget* window = nullptr;
        if (entry && entry->create && info->exercise != Exercise::Verb)
            window = entry->create(ctx);
        intro = introWindow();
        const bool canStart = intro->ShowIntro(exerciseTitle(*info, ctx.texts), name,
                                               info->minimumWords,
                                               exerciseInstructions(info->exercise, ctx.texts), entry);
        if (canStart && entry && entry->create && info->exercise == Exercise::Verb)
            window = entry->create(ctx);
        if (!canStart && window)
            window->deleteLater();
    }
    if (intro && intro->isVisible())
        hide();
}

void frmMain::exitProgram() {
    m_exiting = true;
    hide();
    QCoreApplication::processEvents();
    SaveExitSettings(ctx.profile, ctx.settings);
    endProgram();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Any way out but the exit button ends the program without writing the settings.
    event->accept();
    if (!m_exiting)
        endProgram();
}

void frmMain::endProgram() {
    if (ctx.quit)
        ctx.quit();
    else
        QApplication::exit(0);
}

} // namespace vx
