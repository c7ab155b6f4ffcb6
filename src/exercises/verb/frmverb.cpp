#include "frmverb.h"

#include "app/drawnbutton.h"
#include "common/textconv.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QKeyEvent>

namespace vx {

frmVerb::frmVerb(AppContext& context)
    : ExerciseWindow(context, QStringLiteral("frmVerb"), 60, QSize(720, 470), ExitStyle::HideHelpAfter) {
    VerbState& v = ctx.verbs;
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() + 4);
    for (int i = 0; i < 4; ++i) {
        const int y = 30 + i * 62;
        lblHeading[i] = new QLabel(picHolder);
        lblHeading[i]->setObjectName(QStringLiteral("lblHeading%1").arg(i));
        lblHeading[i]->setGeometry(30, y + 6, 190, 30);
        lblHeading[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblHeading[i]->setStyleSheet(QStringLiteral("background: rgba(255,255,255,150); border-radius: 5px;"));
        QLineEdit* box = new QLineEdit(picHolder);
        box->setGeometry(232, y, 250, 40);
        box->setFont(big);
        box->installEventFilter(this);
        if (i == 0) {
            txtVerb = box;
            txtVerb->setObjectName(QStringLiteral("txtVerb"));
            txtVerb->setReadOnly(true);
            QFont bold = big;
            bold.setBold(true);
            txtVerb->setFont(bold);
        } else {
            txtGuess[i - 1] = box;
            box->setObjectName(QStringLiteral("txtGuess%1").arg(i - 1));
            lblAnswer[i - 1] = new QLabel(picHolder);
            lblAnswer[i - 1]->setObjectName(QStringLiteral("lblAnswer%1").arg(i - 1));
            lblAnswer[i - 1]->setGeometry(494, y, 200, 40);
            lblAnswer[i - 1]->setStyleSheet(QStringLiteral("color: #a01010;"));
            lblAnswer[i - 1]->setFont(big);
        }
    }
    picApple[0] = new QLabel(picHolder);
    picApple[1] = new QLabel(picHolder);
    for (int i = 0; i < 2; ++i) {
        picApple[i]->setObjectName(QStringLiteral("picApple%1").arg(i));
        picApple[i]->setGeometry(600, 26, 80, 80);
        picApple[i]->setPixmap(art::picture(i == 0 ? QStringLiteral("apple_green") : QStringLiteral("apple_red"),
                                            QSize(80, 80)));
    }
    addScoreLabels(QPoint(34, 352));
    addKeyboardPicture(QRect(300, 372, 60, 40));
    addSpeakerPicture(QRect(364, 372, 60, 40));
    addCommonButtons(QRect(530, 330, 160, 36), QRect(530, 374, 160, 36), QRect(530, 418, 160, 36), 61);
    cmdCorrect = addButton(QStringLiteral("cmdCorrect"), 13, QRect(530, 286, 160, 36));
    connect(cmdCorrect, &DrawnButton::clicked, this, &frmVerb::check);
    connect(cmdNew, &DrawnButton::clicked, this, &frmVerb::nextVerb);

    finishLoading();
    // The headings and boxes of the forms the file has.
    for (int i = 1; i <= std::min(v.FormCount, 4); ++i)
        lblHeading[i - 1]->setText(u' ' + trimLeftBlanks(v.VerbHeadings[i]) + u' ');
    for (int i = v.FormCount + 1; i <= 4; ++i) {
        lblHeading[i - 1]->hide();
        if (i >= 2) {
            txtGuess[i - 2]->hide();
            lblAnswer[i - 2]->hide();
        }
    }
    picApple[1]->setVisible(v.FormCount == 4);
    picApple[0]->setVisible(v.FormCount != 4);
    setTabOrder(txtGuess[0], txtGuess[1]);
    setTabOrder(txtGuess[1], txtGuess[2]);
    setTabOrder(txtGuess[2], cmdCorrect);
    setTabOrder(cmdCorrect, cmdNew);
    ShowScore();
    v.CurrentVerb = PickVerb(v, *ctx.rng);
    ShowVerb(v.CurrentVerb);
    txtGuess[0]->setFocus();
}

void frmVerb::ShowVerb(int r) { txtVerb->setText(ctx.verbs.VerbTable[r][1]); }

void frmVerb::mark(int box, bool wrong) {
    txtGuess[box]->setProperty("wrong", wrong);
    txtGuess[box]->setStyleSheet(wrong ? QStringLiteral("QLineEdit { border: 2px solid #d02020; background: #fff0f0; }")
                                       : QString());
}

bool frmVerb::isMarked(int box) const { return txtGuess[box]->property("wrong").toBool(); }

void frmVerb::ClearVerbAnswers() {
    for (int i = 0; i < 3; ++i) {
        lblAnswer[i]->clear();
        txtGuess[i]->clear();
        mark(i, false);
    }
}

QString frmVerb::formsOf(int verb) const {
    // Each form spoken as one word: of its alternatives the one the voice reads.
    QStringList forms;
    for (int i = 1; i <= ctx.verbs.FormCount; ++i)
        forms << speakableText(ctx.verbs.VerbTable[verb][i], ctx.settings.toLanguage, systemEnglishVariant());
    forms.removeAll(QString());
    return forms.join(QStringLiteral(", "));
}

QString frmVerb::wordToSpeak() const {
    const int verb = ctx.verbs.CurrentVerb;
    if (verb == m_checkedVerb && verb != 0)
        return formsOf(verb);
    return speakableText(txtVerb->text(), ctx.settings.toLanguage, systemEnglishVariant());
}

void frmVerb::check() {
    VerbState& v = ctx.verbs;
    m_checkedVerb = v.CurrentVerb;
    cmdCorrect->setEnabled(false);
    cmdNew->setEnabled(true);
    bool anyWrong = false;
    for (int i = 2; i <= v.FormCount; ++i) {
        const QString answer = ucase(trimBlanks(txtGuess[i - 2]->text()));
        if (IsRightForm(answer, v.VerbTable[v.CurrentVerb][i]))
            continue;
        lblAnswer[i - 2]->setText(trimLeftBlanks(v.VerbTable[v.CurrentVerb][i]));
        mark(i - 2, true);
        anyWrong = true;
    }
    if (!anyWrong) {
        speakRightAnswer(formsOf(v.CurrentVerb));
        cmdCorrect->setEnabled(true);
        ++ctx.rightAnswers;
        ClearVerbAnswers();
        v.VerbUsed[v.CurrentVerb] = true;
        v.CurrentVerb = PickVerb(v, *ctx.rng);
        ShowVerb(v.CurrentVerb);
        txtGuess[0]->setFocus();
    } else {
        ++ctx.wrongAnswers;
        cmdNew->setFocus();
    }
    ShowScore();
}

void frmVerb::nextVerb() {
    VerbState& v = ctx.verbs;
    ClearVerbAnswers();
    cmdCorrect->setEnabled(true);
    v.CurrentVerb = PickVerb(v, *ctx.rng);
    ShowVerb(v.CurrentVerb);
    txtGuess[0]->setFocus();
}

void frmVerb::enterMovesOn(int box) {
    const int last = ctx.verbs.FormCount - 2; // the last answer box shown
    if (box < last) {
        txtGuess[box + 1]->setFocus(Qt::TabFocusReason);
        return;
    }
    // From the last box Enter goes to the button that moves the exercise on, never past it
    // to Help or Exit: Check while it is offered, otherwise Next verb.
    if (cmdCorrect->isEnabled())
        cmdCorrect->click();
    else
        cmdNew->click();
}

bool frmVerb::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return ExerciseWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == txtVerb) {
        // The shown form takes no typing; Enter moves on like Tab.
        if (enter)
            focusNextChild();
        return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab && key->key() != Qt::Key_F1;
    }
    for (int i = 0; i < 3; ++i) {
        if (watched != txtGuess[i])
            continue;
        // Before a check, Next verb is offered only while the first two boxes are empty, as
        // they stand before this key. After a wrong check it stays offered, since Check is
        // not: correcting an answer must not leave the learner without a way on.
        if (cmdCorrect->isEnabled())
            cmdNew->setEnabled(txtGuess[0]->text().isEmpty() && txtGuess[1]->text().isEmpty());
        if (enter) {
            enterMovesOn(i);
            return true;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

void frmVerb::mouseDoubleClickEvent(QMouseEvent* event) {
    QApplication::beep();
    ExerciseWindow::mouseDoubleClickEvent(event);
}

} // namespace vx
