#include "frmhighscores.h"

#include "app/drawnbutton.h"
#include "common/cp1252.h"

#include <QApplication>
#include <QFocusEvent>
#include <QValidator>
#include <QWindow>

namespace vx {

namespace {

// Refuses, as they are typed or pasted, characters that the file's code page cannot hold,
// so that a name is never written other than it was typed.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return isCp1252(input) ? Acceptable : Invalid;
    }
};

} // namespace

frmHighScores::frmHighScores(AppContext& context)
    : VxWindow(context, QStringLiteral("frmHighScores"), QStringLiteral("NOMAX"), QSize(420, 440)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A dialog, so that the window manager keeps it above the game window (see keepAbove).
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* heading = addLabel(QStringLiteral("lblHeading"), 68, QRect(24, 16, 372, 32));
    enlargeFont(heading, 5);
    heading->setAlignment(Qt::AlignCenter);
    for (int k = 1; k <= 10; ++k) {
        const int y = 58 + (k - 1) * 30;
        auto* rank = new QLabel(QStringLiteral("%1.").arg(k), picHolder);
        rank->setGeometry(30, y, 30, 26);
        rank->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblScore[k] = new QLabel(picHolder);
        lblScore[k]->setObjectName(QStringLiteral("lblScore%1").arg(k));
        lblScore[k]->setGeometry(66, y, 70, 26);
        lblScore[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = lblScore[k]->font();
        bold.setBold(true);
        lblScore[k]->setFont(bold);
        lblName[k] = new QLabel(picHolder);
        lblName[k]->setObjectName(QStringLiteral("lblName%1").arg(k));
        lblName[k]->setGeometry(150, y, 240, 26);
    }
    txtAddName = new QLineEdit(picHolder);
    txtAddName->setObjectName(QStringLiteral("txtAddName"));
    txtAddName->setMaxLength(40);
    txtAddName->setValidator(new Cp1252Validator(txtAddName));
    connect(txtAddName, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
    txtAddName->installEventFilter(this);
    txtAddName->hide();
    connect(txtAddName, &QLineEdit::returnPressed, this, &frmHighScores::ok);
    txtFilename = new QLineEdit(picHolder);
    txtFilename->setObjectName(QStringLiteral("txtFilename"));
    txtFilename->hide();
    addLabel(QStringLiteral("lblTypeName"), 73, QRect(24, 360, 372, 22))->setAlignment(Qt::AlignCenter);
    cmdOK = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(150, 388, 120, 38));
    connect(cmdOK, &DrawnButton::clicked, this, &frmHighScores::ok);
    findChild<QLabel*>(QStringLiteral("lblTypeName"))->hide();

    // Loading: centred, layout, background and captions.
    ApplyLayout(this);
    centre();
    ApplyTexts(this);
    ApplyFormBackground(this);
    cmdOK->draw(QStringLiteral("OK"));
}

void frmHighScores::show(const HighScoreList& list) {
    for (int k = 1; k <= 10; ++k) {
        lblScore[k]->setText(list.lblScore[k]);
        lblName[k]->setText(list.lblName[k]);
    }
}

HighScoreList frmHighScores::list() const {
    HighScoreList l;
    for (int k = 1; k <= 10; ++k) {
        l.lblScore[k] = lblScore[k]->text();
        l.lblName[k] = lblName[k]->text();
    }
    return l;
}

frmHighScores* frmHighScores::openWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* list = qobject_cast<frmHighScores*>(top); list && list->isVisible())
            return list;
    }
    return nullptr;
}

void frmHighScores::keepAbove(QWidget* opener) {
    // Not a child of the window that opened it, which may close first, but kept above it:
    // a list that opened behind the game window would leave the name box out of sight.
    if (!opener)
        return;
    winId();
    windowHandle()->setTransientParent(opener->window()->windowHandle());
}

void frmHighScores::showList(AppContext& context, const QString& fileName, QWidget* opener) {
    frmHighScores* list = openWindow();
    if (!list)
        list = new frmHighScores(context);
    list->keepAbove(opener);
    if (!list->isVisible()) {
        list->ReadHighScores(fileName);
    } else if (list->txtFilename->text().compare(fileName, Qt::CaseInsensitive) != 0) {
        list->finishEntry();
        list->ReadHighScores(fileName);
    } else {
        list->raise();
        list->activateWindow();
    }
}

void frmHighScores::enterScore(AppContext& context, int score, const QString& fileName,
                               QWidget* opener) {
    frmHighScores* list = openWindow();
    if (list)
        list->finishEntry(); // the entry shown so far goes into its file before it is read again
    else
        list = new frmHighScores(context);
    list->keepAbove(opener);
    list->AddHighScore(score, fileName);
}

void frmHighScores::ReadHighScores(const QString& fileName) {
    VxWindow::show();
    raise();
    activateWindow();
    txtAddName->hide();
    findChild<QLabel*>(QStringLiteral("lblTypeName"))->hide();
    txtFilename->setText(fileName);
    show(vx::ReadHighScores(ctx.folder, fileName));
    cmdOK->setFocus();
}

void frmHighScores::AddHighScore(int score, const QString& fileName) {
    ReadHighScores(fileName);
    HighScoreList l = list();
    const int rank = vx::AddHighScore(l, score);
    if (rank == 0)
        return;
    show(l);
    m_unwritten = true;
    txtAddName->setGeometry(lblName[rank]->geometry());
    txtAddName->setProperty("Tag", QString::number(rank));
    txtAddName->clear();
    txtAddName->show();
    txtAddName->setFocus();
    findChild<QLabel*>(QStringLiteral("lblTypeName"))->show();
}

void frmHighScores::takeName() {
    const int rank = txtAddName->property("Tag").toInt();
    if (rank >= 1 && rank <= 10)
        lblName[rank]->setText(txtAddName->text());
    txtAddName->hide();
}

void frmHighScores::WriteHighScores() {
    QString error;
    if (!vx::WriteHighScores(ctx.folder, txtFilename->text(), list(), error) && ctx.reporter)
        ctx.reporter->message(QStringLiteral("The following error occurred when attempting to write the highscore file: ") + error);
}

void frmHighScores::finishEntry() {
    if (txtAddName->isVisible())
        takeName();
    if (m_unwritten)
        WriteHighScores();
    m_unwritten = false;
}

void frmHighScores::ok() {
    if (txtAddName->isVisible())
        takeName();
    {
        WaitCursor wait;
        WriteHighScores();
    }
    m_unwritten = false;
    close();
}

void frmHighScores::reject() {
    // Escape while a name is typed would close the list with the new score unwritten.
    if (!txtAddName->isVisible())
        VxWindow::reject();
}

void frmHighScores::closeEvent(QCloseEvent* event) {
    finishEntry(); // closed another way than by OK: a new score is still written
    VxWindow::closeEvent(event);
}

bool frmHighScores::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the name box takes the name, whether or not it was changed. The window losing
    // its activation is no leaving: the box waits for the user to come back.
    if (watched == txtAddName && event->type() == QEvent::FocusOut && txtAddName->isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            takeName();
    }
    return VxWindow::eventFilter(watched, event);
}

} // namespace vx
