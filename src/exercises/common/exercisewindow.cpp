#include "exercisewindow.h"

#include "app/drawnbutton.h"
#include "exercises/common/score.h"
#include "keyboard/frmkeyboard.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>

namespace vx {

ExerciseWindow::ExerciseWindow(AppContext& context, const QString& name, int titleText,
                               QSize contentSize, ExitStyle exitStyle)
    : VxWindow(context, name, QString::number(titleText), contentSize), m_exitStyle(exitStyle) {
    setAttribute(Qt::WA_DeleteOnClose);
    Shape1 = new QWidget(picHolder);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAttribute(Qt::WA_StyledBackground);
    Shape1->hide();
}

void ExerciseWindow::addCommonButtons(QRect newButton, QRect helpButton, QRect exitButton, int newText) {
    cmdNew = addButton(QStringLiteral("cmdNew"), newText, newButton);
    cmdHelp = addButton(QStringLiteral("cmdHelp"), 111, helpButton);
    cmdExit = addButton(QStringLiteral("cmdExit"), 22, exitButton);
    connect(cmdHelp, &DrawnButton::clicked, this, &ExerciseWindow::showHelp);
    connect(cmdExit, &DrawnButton::clicked, this, &ExerciseWindow::exitExercise);
}

void ExerciseWindow::addScoreLabels(QPoint p) {
    const QStringList names{QStringLiteral("Correct"), QStringLiteral("Wrong"), QStringLiteral("Score")};
    const int texts[3] = {14, 15, 16};
    QLabel** values[3] = {&lblCorrect, &lblWrong, &lblScore};
    for (int i = 0; i < 3; ++i) {
        auto* caption = addLabel(QStringLiteral("lbl%1Caption").arg(names[i]), texts[i],
                                 QRect(p.x(), p.y() + i * 28, 110, 24));
        caption->setWordWrap(false);
        auto* value = new QLabel(QStringLiteral("0"), picHolder);
        value->setObjectName(QStringLiteral("lbl") + names[i]);
        value->setGeometry(p.x() + 112, p.y() + i * 28, 50, 24);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = value->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() + 1);
        value->setFont(bold);
        *values[i] = value;
    }
}

void ExerciseWindow::addLevelSlider(QPoint p) {
    addLabel(QStringLiteral("lblLevel"), 17, QRect(p.x(), p.y(), 180, 22))->setWordWrap(false);
    HScroll1 = new QScrollBar(Qt::Horizontal, picHolder);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(p.x(), p.y() + 24, 180, 20);
    HScroll1->setRange(kLevelMin, kLevelMax);
    HScroll1->setSingleStep(kLevelStep);
    HScroll1->setPageStep(kLevelStep);
    HScroll1->setValue(kLevelStart);
    auto* easy = addLabel(QStringLiteral("lblEasy"), 18, QRect(p.x(), p.y() + 46, 90, 20));
    auto* hard = addLabel(QStringLiteral("lblHard"), 19, QRect(p.x() + 90, p.y() + 46, 90, 20));
    hard->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {easy, hard}) {
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() - 1);
        l->setFont(f);
    }
}

QLabel* ExerciseWindow::addKeyboardPicture(QRect geometry) {
    auto* image = new PictureLabel(picHolder, QStringLiteral("imgKeyboard"));
    image->setGeometry(geometry);
    image->setPixmap(art::picture(QStringLiteral("keyboard"), geometry.size()));
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(QStringLiteral("F4"));
    // The picture takes no focus, so the typing field keeps it and receives the letter.
    connect(image, &PictureLabel::clicked, this, &ExerciseWindow::openKeyboard);
    frmKeyboard::addShortcut(this);
    return image;
}

QLabel* ExerciseWindow::addSpeakerPicture(QRect geometry) {
    auto* image = new PictureLabel(picHolder, QStringLiteral("imgSpeaker"));
    image->setGeometry(geometry);
    image->setPixmap(art::picture(QStringLiteral("speaker"), geometry.size()));
    image->setCursor(Qt::PointingHandCursor);
    connect(image, &PictureLabel::clicked, this, &ExerciseWindow::speakWord);
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    f5->setContext(Qt::WindowShortcut);
    f5->setAutoRepeat(false);
    connect(f5, &QShortcut::activated, this, &ExerciseWindow::speakWord);
    m_speaker = image;
    if (ctx.speaker)
        connect(ctx.speaker, &Speaker::availabilityChanged, this, &ExerciseWindow::showSpeechState);
    showSpeechState();
    return image;
}

void ExerciseWindow::showSpeechState() {
    if (!m_speaker)
        return;
    const SpeechProblem problem = ctx.speaker ? ctx.speaker->problem(ctx.settings.toLanguage, systemEnglishVariant())
                                              : SpeechProblem::NoEngine;
    m_speaker->setEnabled(problem == SpeechProblem::None);
    const int text = problem == SpeechProblem::None       ? 260
                     : problem == SpeechProblem::Starting ? 262
                     : problem == SpeechProblem::NoVoice  ? 264
                                                          : 263;
    m_speaker->setToolTip(ctx.texts.text(text));
}

void ExerciseWindow::say(const QString& word) {
    if (ctx.speaker)
        ctx.speaker->speak(word, ctx.settings.toLanguage, systemEnglishVariant());
}

void ExerciseWindow::speakWord() {
    if (m_speaker && m_speaker->isEnabled())
        say(wordToSpeak());
}

void ExerciseWindow::speakRightAnswer(const QString& word) {
    if (ctx.settings.speakWords)
        say(word);
}

void ExerciseWindow::finishLoading() {
    centre();
    ApplyTexts(this);
    ApplyFormBackground(this);
    Shape1->setStyleSheet(QStringLiteral("background: %1; border-radius: 10px;").arg(ctx.accentColor().name()));
}

void ExerciseWindow::ShowScore() {
    if (!lblScore)
        return;
    const ScoreTexts t = scoreTexts(ctx.rightAnswers, ctx.wrongAnswers);
    if (lblWrong)
        lblWrong->setText(t.wrong);
    if (lblCorrect)
        lblCorrect->setText(t.correct);
    lblScore->setText(t.score);
}

void ExerciseWindow::showHelp() {
    if (ctx.introWindow) {
        ctx.introWindow->show();
        ctx.introWindow->raise();
    }
}

void ExerciseWindow::exitExercise() {
    WaitCursor wait;
    if (m_exitStyle == ExitStyle::ShowMainHideHelp || m_exitStyle == ExitStyle::ShowMainKeepHelp) {
        if (ctx.mainWindow)
            ctx.mainWindow->show();
    }
    QPointer<QWidget> intro = ctx.introWindow;
    close();
    if (m_exitStyle != ExitStyle::ShowMainKeepHelp && intro)
        intro->hide();
}

void ExerciseWindow::escapePressed() {
    if (cmdExit)
        cmdExit->click();
}

void ExerciseWindow::openKeyboard() { frmKeyboard::showKeyboard(this); }

void ExerciseWindow::closeEvent(QCloseEvent* event) {
    if (ctx.mainWindow)
        ctx.mainWindow->show();
    VxWindow::closeEvent(event);
}

void ExerciseWindow::redraw(DrawnButton* button) { button->update(); }

} // namespace vx
