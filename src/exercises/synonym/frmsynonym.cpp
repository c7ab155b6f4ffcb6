#include "frmsynonym.h"

#include "app/drawnbutton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace vx {

namespace {
// Twips of the board, 15 to a pixel: rows from 900 + 300 k, columns at 930, 4335, 5130, 5430.
constexpr int rowTop(int k) { return (900 + 300 * k) / 15; }
constexpr int kLeftX = 930 / 15;
constexpr int kWordWidth = 3345 / 15;
constexpr int kMarker1X = 4335 / 15;
constexpr int kMarker2X = 5130 / 15;
constexpr int kRightX = 5430 / 15;
constexpr int kMarker = 255 / 15;
constexpr int kLine3Y = rowTop(10) + 10;
} // namespace

LinePanel::LinePanel(QWidget* parent, const frmSynonym& window) : QWidget(parent), m_window(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LinePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 90, 40), 2));
    for (const QLine& line : m_window.permanentLines)
        p.drawLine(line);
    if (m_window.state.LinkActive) {
        p.setClipRect(0, 0, width(), kLine3Y);
        p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DashLine));
        p.drawLine(m_window.bandStart, m_window.bandEnd);
    }
}

frmSynonym::frmSynonym(AppContext& context)
    : ExerciseWindow(context, QStringLiteral("frmSynonym"), 63, QSize(640, 430), ExitStyle::ShowMainHideHelp) {
    lines = new LinePanel(picHolder, *this);
    lines->setGeometry(0, 0, picHolder->width(), picHolder->height());
    for (int k = 0; k < kSynonymPairs; ++k) {
        RAD1[k] = new QLabel(picHolder);
        RAD1[k]->setObjectName(QStringLiteral("RAD1_%1").arg(k));
        RAD1[k]->setGeometry(kLeftX, rowTop(k), kWordWidth, 19);
        RAD1[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        RAD2[k] = new QLabel(picHolder);
        RAD2[k]->setObjectName(QStringLiteral("RAD2_%1").arg(k));
        RAD2[k]->setGeometry(kRightX, rowTop(k), kWordWidth, 19);
        Picture1[k] = new QWidget(picHolder);
        Picture1[k]->setObjectName(QStringLiteral("Picture1_%1").arg(k));
        Picture1[k]->setGeometry(kMarker1X, rowTop(k) + 1, kMarker, kMarker);
        Picture2[k] = new QWidget(picHolder);
        Picture2[k]->setObjectName(QStringLiteral("Picture2_%1").arg(k));
        Picture2[k]->setGeometry(kMarker2X, rowTop(k) + 1, kMarker, kMarker);
        for (QWidget* marker : {Picture1[k], Picture2[k]}) {
            marker->setAttribute(Qt::WA_StyledBackground);
            marker->setCursor(Qt::PointingHandCursor);
            marker->setMouseTracking(true);
            marker->installEventFilter(this);
        }
    }
    Line3 = new QWidget(picHolder);
    Line3->setObjectName(QStringLiteral("Line3"));
    Line3->setGeometry(20, kLine3Y, 600, 1);
    Line3->setStyleSheet(QStringLiteral("background: #8c8c8c;"));
    picHolder->setMouseTracking(true);
    picHolder->installEventFilter(this);
    for (QLabel* label : RAD1) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
    for (QLabel* label : RAD2) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }

    addLabel(QStringLiteral("lblHint"), 25, QRect(20, kLine3Y + 6, 600, 22))->setAlignment(Qt::AlignCenter);
    addScoreLabels(QPoint(34, 316));
    addLevelSlider(QPoint(250, 320));
    addCommonButtons(QRect(460, 300, 160, 36), QRect(460, 342, 160, 36), QRect(460, 384, 160, 36));
    addSpeakerPicture(QRect(250, 390, 48, 32));
    connect(cmdNew, &DrawnButton::clicked, this, &frmSynonym::newBoard);

    finishLoading();
    resize(width() + 40, height() + 40); // a margin of window background, where a release cancels a link
    refresh();
    ShowSynonymScore();
}

QPoint frmSynonym::centreOf(const QWidget* marker) const {
    return QPoint(marker->x() + marker->width() / 2, marker->y() + marker->height() / 2);
}

void frmSynonym::refresh() {
    for (int k = 0; k < kSynonymPairs; ++k) {
        RAD1[k]->setText(state.RAD1[k]);
        RAD2[k]->setText(state.RAD2[k]);
        const QString look = state.Grey[k] ? QStringLiteral("background: rgb(128,128,128); border: 1px solid #555;")
                                           : QStringLiteral("background: white; border: 1px solid #555;");
        Picture1[k]->setStyleSheet(look);
        Picture2[k]->setStyleSheet(look);
    }
    lines->update();
}

void frmSynonym::newBoard() {
    permanentLines.clear();
    m_lastLinked.clear();
    for (int k = 0; k < kSynonymPairs; ++k) {
        state.RAD1[k].clear();
        state.RAD2[k].clear();
        state.Grey[k] = false;
    }
    state.LinkActive = false;
    ctx.rng->randomize(clockSeed());
    ShufflePairs(state, *ctx.rng);
    NewSynonymRound(state, ctx.store, HScroll1->value(), ctx.settings.fromLanguage, *ctx.rng);
    refresh();
}

void frmSynonym::startLink(int k) {
    // A second left marker does not restart a live link; a grey one, whose row is linked
    // already, starts none.
    if (state.LinkActive || state.Grey[k])
        return;
    state.LinkActive = true;
    state.LinkSource = k;
    bandStart = centreOf(Picture1[k]);
    bandEnd = bandStart;
    lines->update();
}

void frmSynonym::moveBand(QPoint panelPoint) {
    if (!state.LinkActive || state.LinkBusy)
        return;
    bandEnd = panelPoint;
    lines->update();
}

void frmSynonym::linkTo(int j) {
    const int s = state.LinkSource;
    const SynonymLink result = LinkTo(state, j, ctx.rightAnswers, ctx.wrongAnswers);
    if (result == SynonymLink::Ignored)
        return;
    if (result == SynonymLink::Right) {
        permanentLines << QLine(bandStart, centreOf(Picture2[s]));
        m_lastLinked = state.RAD1[s];
        speakRightAnswer(m_lastLinked);
    } else
        QApplication::beep();
    refresh();
    ShowSynonymScore();
}

void frmSynonym::cancelLink() {
    if (!state.LinkActive)
        return;
    state.LinkActive = false;
    lines->update();
}

bool frmSynonym::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return ExerciseWindow::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    for (int k = 0; k < kSynonymPairs; ++k) {
        if (watched == Picture1[k] && type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            startLink(k);
            return true;
        }
        if (watched == Picture2[k]) {
            if (type == QEvent::MouseMove && mouse->buttons() == Qt::NoButton)
                moveBand(pos + Picture2[k]->pos());
            else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
                linkTo(k);
            return true;
        }
    }
    if (watched == picHolder || watched->parent() == picHolder) {
        const QPoint panelPoint = watched == picHolder ? pos : static_cast<QWidget*>(watched)->mapTo(picHolder, pos);
        if (type == QEvent::MouseMove && mouse->buttons() == Qt::NoButton && panelPoint.y() < kLine3Y)
            moveBand(panelPoint);
        // Presses and releases on the panel itself leave a live link as it is.
        return watched == picHolder && type != QEvent::MouseMove;
    }
    return ExerciseWindow::eventFilter(watched, event);
}

void frmSynonym::mouseReleaseEvent(QMouseEvent* event) {
    cancelLink(); // released over the window's background
    ExerciseWindow::mouseReleaseEvent(event);
}

} // namespace vx
