#include "frmquick.h"

#include "app/drawnbutton.h"
#include "exercises/highscores/frmhighscores.h"
#include "exercises/highscores/highscores.h"
#include "common/textconv.h"
#include "resources/artwork.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vx {

QuickGrid::QuickGrid(QWidget* parent, const QuickState& state) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("picQuick"));
    colour.fill(QColor(255, 255, 255));
    setCursor(Qt::PointingHandCursor);
}

int QuickGrid::cellAt(double x, double y) const {
    const double w = std::round(width() / 5.0);
    const double h = std::round(height() / 5.0);
    const int column = static_cast<int>(x / w) + 1;
    const int row = static_cast<int>(y / h) + 1;
    if (column < 1 || column > 5 || row < 1 || row > 5)
        return 0;
    return QuickCellNumber(column, row);
}

void QuickGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double w = width() / 5.0;
    const double h = height() / 5.0;
    const QFontMetricsF fm(font());
    for (int cell = 1; cell <= kQuickCells; ++cell) {
        const int c = QuickCellColumn(cell);
        const int r = QuickCellRow(cell);
        const QRectF box((c - 1) * w, (r - 1) * h, w - 1, h - 1);
        p.fillRect(box, colour[cell]);
        p.setPen(QColor(90, 90, 90));
        p.drawRect(box);
        const QString text = m_state.CellText[cell];
        p.setPen(colour[cell] == QColor(0, 128, 0) ? Qt::white : Qt::black);
        if (fm.horizontalAdvance(text) <= w - 6)
            p.drawText(QPointF((c - 0.5) * w - fm.horizontalAdvance(text) / 2, (r - 0.6) * h + fm.ascent()), text);
        else // a long word or phrase takes two lines rather than being cut
            p.drawText(box.adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap, text);
    }
}

void QuickGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit released(event->position().x(), event->position().y());
}

frmQuick::frmQuick(AppContext& context)
    : ExerciseWindow(context, QStringLiteral("frmQuick"), 72, QSize(760, 520), ExitStyle::ShowMainHideHelp) {
    ctx.rightAnswers = 0;
    ctx.wrongAnswers = 0;
    lblWord = new QLabel(picHolder);
    lblWord->setObjectName(QStringLiteral("lblWord"));
    lblWord->setGeometry(24, 18, 500, 56);
    lblWord->setAlignment(Qt::AlignCenter);
    lblWord->setStyleSheet(QStringLiteral("background: rgba(255,255,255,170); border-radius: 8px;"));
    enlargeFont(lblWord, 10);
    picQuick = new QuickGrid(picHolder, state);
    picQuick->setGeometry(24, 88, 560, 300);
    picQuick->setEnabled(false);
    connect(picQuick, &QuickGrid::released, this, [this](double x, double y) { clickCell(picQuick->cellAt(x, y)); });

    auto* timeCaption = addLabel(QStringLiteral("lblTimeCaption"), 69, QRect(604, 20, 130, 22));
    timeCaption->setWordWrap(false);
    lblTime = new QLabel(QStringLiteral("0"), picHolder);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblTime->setGeometry(604, 42, 130, 34);
    enlargeFont(lblTime, 8);
    addLabel(QStringLiteral("lblScoreCaption"), 16, QRect(604, 84, 130, 22))->setWordWrap(false);
    lblScore = new QLabel(QStringLiteral("0"), picHolder);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->setGeometry(604, 106, 130, 34);
    lblScore->setFont(lblTime->font());
    addLabel(QStringLiteral("lblWordsCaption"), 20, QRect(604, 150, 130, 22))->setWordWrap(false);
    lblNrOfWords = new QLabel(picHolder);
    lblNrOfWords->setObjectName(QStringLiteral("lblNrOfWords"));
    lblNrOfWords->setGeometry(604, 172, 130, 22);

    auto* options = new QWidget(picHolder);
    options->setObjectName(QStringLiteral("picOption"));
    options->setGeometry(24, 400, 390, 80);
    for (int i = 1; i <= 2; ++i) {
        const int y = (i - 1) * 40 + 4;
        optLanguage[i] = new QRadioButton(options);
        optLanguage[i]->setObjectName(QStringLiteral("optLanguage%1").arg(i));
        // The button spans its row, under its flags and caption, so that its colour is the
        // row's and a click anywhere on the row chooses it.
        optLanguage[i]->setGeometry(0, y, 380, 32);
        optLanguage[i]->setAutoExclusive(false);
        auto* flag1 = new QLabel(options);
        flag1->setObjectName(QStringLiteral("imgFlag1_%1").arg(i));
        flag1->setGeometry(30, y + 4, 36, 24);
        auto* arrow = new QLabel(QStringLiteral("\u2192"), options);
        arrow->setGeometry(70, y + 4, 20, 24);
        auto* flag2 = new QLabel(options);
        flag2->setObjectName(QStringLiteral("imgFlag2_%1").arg(i));
        flag2->setGeometry(92, y + 4, 36, 24);
        const int own = ctx.fromFlagKey();
        const int to = ctx.settings.toLanguage;
        flag1->setPixmap(art::flag(i == 1 ? own : to, QSize(36, 24)));
        flag2->setPixmap(art::flag(i == 1 ? to : own, QSize(36, 24)));
        auto* caption = new QLabel(options);
        caption->setObjectName(QStringLiteral("lblOption%1").arg(i));
        setTag(caption, 69 + i);
        caption->setGeometry(136, y, 250, 32);
        caption->setWordWrap(true);
        for (QLabel* label : {flag1, arrow, flag2, caption})
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
        connect(optLanguage[i], &QRadioButton::clicked, this, [this, i] {
            optLanguage[i]->setChecked(true);
            optLanguage[3 - i]->setChecked(false);
        });
    }
    optLanguage[1]->setChecked(true);
    // A radio button paints no background of its own: the style sheet gives it one.
    for (int i = 1; i <= 2; ++i)
        optLanguage[i]->setStyleSheet(
            QStringLiteral("QRadioButton { background: rgb(225, 215, 195); border-radius: 5px; "
                           "padding-left: 6px; }"));

    addLevelSlider(QPoint(412, 404));
    addSpeakerPicture(QRect(536, 30, 48, 32));
    cmdStarta = addButton(QStringLiteral("cmdStarta"), 67, QRect(604, 252, 140, 36));
    cmdTop = addButton(QStringLiteral("cmdTop"), 68, QRect(604, 296, 140, 36));
    addCommonButtons(QRect(0, 0, 0, 0), QRect(604, 388, 140, 36), QRect(604, 432, 140, 36));
    cmdNew->hide();
    connect(cmdStarta, &DrawnButton::clicked, this, &frmQuick::start);
    connect(cmdTop, &DrawnButton::clicked, this, &frmQuick::showTop);

    tmrTimer.setSingleShot(false);
    connect(&tmrTimer, &QTimer::timeout, this, &frmQuick::tick);
    tmrSeconds.setInterval(1000);
    connect(&tmrSeconds, &QTimer::timeout, this, [this] {
        lblTime->setText(formatWhole(val(lblTime->text()) + 1));
    });

    finishLoading();
    state.QuickCell = 0;
    lblNrOfWords->setText(str(ctx.store.wordCount));
}

bool frmQuick::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        lblNrOfWords->setText(str(ctx.store.wordCount));
    return ExerciseWindow::event(event);
}

void frmQuick::start() {
    ctx.rng->randomize(clockSeed());
    if (!BuildGrid(state, ctx.store, HScroll1->value(), optLanguage[1]->isChecked(),
                   ctx.settings.fromLanguage, *ctx.rng))
        return;
    m_practisedAsked = !optLanguage[1]->isChecked();
    NextQuestion(state, *ctx.rng);
    lblWord->setText(state.CellQuestion[state.QuickCell]);
    DrawGrid();
    lblTime->setText(QStringLiteral("0"));
    state.Interval = kQuickStartInterval;
    tmrTimer.stop();
    tmrTimer.start(state.Interval);
    tmrSeconds.start();
    picQuick->setEnabled(true);
    ShowQuickScore();
}

void frmQuick::DrawGrid() {
    for (int cell = 1; cell <= kQuickCells; ++cell)
        picQuick->colour[cell] = state.CellDone[cell] ? QColor(0, 128, 0) : QColor(255, 255, 255);
    picQuick->update();
}

void frmQuick::ShowQuickScore() { lblScore->setText(QString::number(QuickScore(state))); }

QString frmQuick::wordToSpeak() const {
    return m_practisedAsked && state.QuickCell != 0 ? lblWord->text() : QString();
}

void frmQuick::clickCell(int cell) {
    picQuick->setEnabled(false);
    // The practised word of the pair: the question or the cell, by the game's direction.
    const QString practised = m_practisedAsked ? lblWord->text() : state.CellText[cell];
    const QuickClick result = ClickCell(state, cell);
    if (result == QuickClick::Right)
        speakRightAnswer(practised);
    if (result == QuickClick::Wrong) {
        picQuick->colour[cell] = QColor(255, 0, 0);
        picQuick->update();
    } else if (result == QuickClick::Right) {
        DrawGrid(); // the clicked cell, and the asked one when a twin was clicked, turn green
        tick();
    }
    if (result != QuickClick::Ignored)
        ShowQuickScore();
    picQuick->setEnabled(tmrTimer.isActive());
}

void frmQuick::tick() {
    const QuickTick result = Tick(state, *ctx.rng);
    tmrTimer.start(state.Interval); // the next tick comes a full interval later
    if (result == QuickTick::GameOver) {
        tmrTimer.stop();
        tmrSeconds.stop();
        picQuick->setEnabled(false);
        // The list gets the final score, the last answer counted, as the label then shows it.
        ShowQuickScore();
        frmHighScores::enterScore(
            ctx, QuickScore(state),
            highScoreFileName(ctx.settings.toLanguage, QStringLiteral("QUICK")), this);
        return;
    }
    if (result == QuickTick::Next) {
        lblWord->setText(state.CellQuestion[state.QuickCell]);
        DrawGrid();
        ShowQuickScore();
    }
}

void frmQuick::showTop() {
    frmHighScores::showList(ctx, highScoreFileName(ctx.settings.toLanguage), this);
}

void frmQuick::closeEvent(QCloseEvent* event) {
    tmrTimer.stop();
    tmrSeconds.stop();
    ExerciseWindow::closeEvent(event);
}

} // namespace vx
