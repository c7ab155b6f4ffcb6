#include "frmgenus.h"

#include "app/drawnbutton.h"

namespace vx {

namespace {
const QColor kGrey(0xC0, 0xC0, 0xC0);
const QColor kRed(255, 0, 0);
const QColor kLightGreen(0xC0, 0xFF, 0xC0);
} // namespace

frmGenus::frmGenus(AppContext& context)
    : ExerciseWindow(context, QStringLiteral("frmGenus"), 306, QSize(700, 520), ExitStyle::ShowMainKeepHelp) {
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 1);
    for (int k = 0; k < kGenusRows; ++k) {
        const int y = 16 + k * 34;
        Shape4[k] = new QWidget(picHolder);
        Shape4[k]->setObjectName(QStringLiteral("Shape4_%1").arg(k));
        Shape4[k]->setGeometry(20, y, 660, 30);
        Shape4[k]->setAttribute(Qt::WA_StyledBackground);
        lblWord1[k] = new QLabel(picHolder);
        lblWord1[k]->setObjectName(QStringLiteral("lblWord1_%1").arg(k));
        lblWord1[k]->setGeometry(34, y + 4, 200, 22);
        lblWord1[k]->setFont(bold);
        lblWord2[k] = new QLabel(picHolder);
        lblWord2[k]->setObjectName(QStringLiteral("lblWord2_%1").arg(k));
        lblWord2[k]->setGeometry(240, y + 4, 200, 22);
        for (int i = 0; i < 3; ++i) {
            auto* label = new PictureLabel(picHolder, QStringLiteral("lblGenus%1_%2").arg(i + 1).arg(k));
            label->setGeometry(452 + i * 74, y + 3, 68, 24);
            label->setCursor(Qt::PointingHandCursor);
            label->setStyleSheet(QStringLiteral("background: rgba(255,255,255,200); border: 1px solid #999; border-radius: 4px;"));
            connect(label, &PictureLabel::clicked, this, [this, k, i] { answer(k, i); });
            lblGenus[k][i] = label;
        }
    }
    addLabel(QStringLiteral("lblHint"), 26, QRect(20, 362, 660, 22))->setAlignment(Qt::AlignCenter);
    addScoreLabels(QPoint(34, 400));
    addLevelSlider(QPoint(250, 404));
    addCommonButtons(QRect(520, 390, 160, 36), QRect(520, 432, 160, 36), QRect(520, 474, 160, 36));
    addSpeakerPicture(QRect(250, 476, 48, 32));
    connect(cmdNew, &DrawnButton::clicked, this, &frmGenus::newSet);

    // Loading: empty rows with the articles of the practised language.
    for (GenusRow& row : state.GenusRows) {
        row.Replace = true;
        row.RightArticle.clear();
    }
    resetRows();
    LabelArticles(state, ctx.settings.toLanguage);
    for (int k = 0; k < kGenusRows; ++k) {
        for (int i = 0; i < 3; ++i) {
            lblGenus[k][i]->setText(state.Articles[i]);
        }
    }
    finishLoading();
    ShowScore();
}

void frmGenus::resetRows() {
    ResetRows(state);
    for (int k = 0; k < kGenusRows; ++k) {
        for (int i = 0; i < 3; ++i)
            lblGenus[k][i]->show();
        lblWord1[k]->clear();
        lblWord2[k]->clear();
        Shape4[k]->setStyleSheet(QStringLiteral("background: rgba(255,255,255,120); border: 2px solid %1; border-radius: 6px;")
                                     .arg(kGrey.name()));
    }
}

QColor frmGenus::frameColour(int row) const {
    const GenusRow& r = state.GenusRows[row];
    if (!r.Answered)
        return kGrey;
    return r.Replace ? kLightGreen : kRed;
}

void frmGenus::ShowRow(int row) {
    const GenusRow& r = state.GenusRows[row];
    lblWord1[row]->setText(r.ToBare);
    lblWord2[row]->setText(r.FromBare);
    const QColor frame = frameColour(row);
    const QString fill = frame == kLightGreen ? QStringLiteral("rgba(192,255,192,170)")
                         : frame == kRed      ? QStringLiteral("rgba(255,220,220,170)")
                                              : QStringLiteral("rgba(255,255,255,120)");
    Shape4[row]->setStyleSheet(QStringLiteral("background: %1; border: 2px solid %2; border-radius: 6px;")
                                   .arg(fill, frame.name()));
    for (int i = 0; i < 3; ++i)
        lblGenus[row][i]->setVisible(state.LabelVisible[row][i]);
}

void frmGenus::newSet() {
    ctx.rng->randomize(clockSeed());
    resetRows();
    const int filled = NewSet(state, ctx.store, HScroll1->value(), ctx.settings.fromLanguage,
                              ctx.settings.toLanguage, *ctx.rng);
    for (int k = 0; k < kGenusRows; ++k)
        ShowRow(k);
    if (filled == 0 && ctx.reporter)
        ctx.reporter->message(QStringLiteral("The word lists hold no noun with an article of this language."));
}

void frmGenus::answer(int row, int label) {
    const GenusAnswer result = Answer(state, row, lblGenus[row][label]->text(), ctx.rightAnswers, ctx.wrongAnswers);
    if (result == GenusAnswer::Ignored)
        return;
    // The noun as the learner reads it in a word list, its right article included.
    m_lastNoun = ctx.store.GetWord(state.GenusRows[row].Word, 1);
    if (result == GenusAnswer::Right)
        speakRightAnswer(m_lastNoun);
    ShowScore();
    ShowRow(row);
}

} // namespace vx
