#include "frmhighscores.h"

#include "app/drawnbutton.h"

#include <QApplication>

namespace vx {

frmHighScores::frmHighScores(AppContext& context)
    : VxWindow(context, QStringLiteral("frmHighScores"), QStringLiteral("NOMAX"), QSize(420, 440)) {
    setAttribute(Qt::WA_DeleteOnClose);
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
    txtAddName->hide();
    connect(txtAddName, &QLineEdit::editingFinished, this, [this] {
        if (txtAddName->isVisible() && !txtAddName->hasFocus())
            takeName();
    });
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

void frmHighScores::ReadHighScores(const QString& fileName) {
    VxWindow::show();
    raise();
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

void frmHighScores::ok() {
    if (txtAddName->isVisible())
        takeName();
    WaitCursor wait;
    QCoreApplication::processEvents();
    WriteHighScores();
    close();
}

} // namespace vx
