#include "frmworm.h"

#include "app/drawnbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace vx {

namespace {
constexpr int kCell = 34;
const QRect kRowArea(20, 130, 680, 76);
} // namespace

WordRow::WordRow(QWidget* parent, const WormState& state) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("picWord"));
    setFocusPolicy(Qt::StrongFocus);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() + 5);
    f.setBold(true);
    setFont(f);
}

void WordRow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int cell = cellSize();
    const QFontMetrics fm(font());
    for (qsizetype i = 0; i < m_state.Shown.size(); ++i) {
        const QChar shown = m_state.Shown[i];
        if (shown == u' ')
            continue; // the words of a phrase stand apart
        const QRect r(static_cast<int>(i) * cell, 0, cell - 1, cell - 1);
        const int pos = static_cast<int>(i) + 1;
        p.fillRect(r, pos <= kWormMaxLetters ? m_state.LetterColor[pos] : kWormWhite);
        p.setPen(QColor(90, 90, 90));
        p.drawRect(r);
        const bool hidden = shown == u'.' && m_state.Target[i] != u'.';
        if (!hidden) {
            p.setPen(Qt::black);
            const QString letter(shown);
            p.drawText(r.left() + (cell - fm.horizontalAdvance(letter)) / 2, cell / 10 + fm.ascent(), letter);
        }
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(70, 90, 120), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void WordRow::mouseReleaseEvent(QMouseEvent* event) { emit released(event->position().x()); }

void WordRow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

frmWorm::frmWorm(AppContext& context)
    : ExerciseWindow(context, QStringLiteral("frmWorm"), 62, QSize(720, 470), ExitStyle::HideHelpAfter) {
    ctx.rightAnswers = 0;
    ctx.wrongAnswers = 0;
    lblWord1 = new QLabel(picHolder);
    lblWord1->setObjectName(QStringLiteral("lblWord1"));
    lblWord1->setGeometry(20, 30, 680, 70);
    lblWord1->setAlignment(Qt::AlignCenter);
    enlargeFont(lblWord1, 12);

    Shape1->setGeometry(kRowArea);
    Shape1->show();
    Image1 = new QWidget(picHolder);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kRowArea);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    picWord = new WordRow(picHolder, state);
    picWord->setGeometry(0, kRowArea.top() + (kRowArea.height() - kCell) / 2, kCell, kCell);
    lblArtBefore = new QLabel(picHolder);
    lblArtBefore->setObjectName(QStringLiteral("lblArtBefore"));
    lblArtAfter = new QLabel(picHolder);
    lblArtAfter->setObjectName(QStringLiteral("lblArtAfter"));
    for (QLabel* l : {lblArtBefore, lblArtAfter}) {
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() + 4);
        f.setItalic(true);
        l->setFont(f);
    }
    lblArtBefore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(picWord, &WordRow::released, this, [this](double x) {
        state.PointedLetter = PointedPosition(x, picWord->width(), static_cast<int>(state.Target.size()));
    });
    connect(picWord, &WordRow::doubleClicked, this, &frmWorm::buyLetter);

    addLabel(QStringLiteral("lblHint"), 24, QRect(20, 214, 680, 44))->setAlignment(Qt::AlignCenter);
    addScoreLabels(QPoint(34, 352));
    addLevelSlider(QPoint(250, 356));
    addKeyboardPicture(QRect(300, 270, 60, 40));
    addSpeakerPicture(QRect(364, 270, 60, 40));
    addCommonButtons(QRect(530, 346, 160, 36), QRect(530, 386, 160, 36), QRect(530, 426, 160, 36));
    connect(cmdNew, &DrawnButton::clicked, this, &frmWorm::newWord);

    finishLoading();
    DrawWord();
    ShowScore();
}

void frmWorm::newWord() {
    ctx.rng->randomize(clockSeed());
    const int maxCells = picHolder->width() / kCell;
    if (!NewWord(state, ctx.store, HScroll1->value(), ctx.settings.fromLanguage,
                 ctx.settings.toLanguage, maxCells, *ctx.rng)) {
        if (ctx.reporter)
            ctx.reporter->message(QStringLiteral("No word of the word lists fits in the row of letters. "
                                                 "Choose other word lists."));
        return;
    }
    m_completeSpoken = false;
    lblWord1->setText(state.FromText);
    DrawWord();
    picWord->setFocus();
    cmdNew->setEnabled(false);
}

void frmWorm::DrawWord() {
    const int n = static_cast<int>(state.Shown.size());
    const int width = std::max(1, n) * kCell;
    const int left = Image1->x() + Image1->width() / 2 - width / 2;
    picWord->setGeometry(left, picWord->y(), width, kCell);
    lblArtBefore->setText(state.ArtBefore);
    lblArtAfter->setText(state.ArtAfter);
    lblArtBefore->setGeometry(left - 130, picWord->y(), 122, kCell);
    lblArtAfter->setGeometry(left + width + 8, picWord->y(), 122, kCell);
    picWord->setVisible(n > 0);
    picWord->update();
}

void frmWorm::typed(QChar c) {
    const WormKey result = TypeLetter(state, ctx.store, c, ctx.rightAnswers, ctx.wrongAnswers);
    if (result == WormKey::Ignored)
        return;
    if (result == WormKey::Right)
        DrawWord();
    ShowScore();
    afterAnswer();
}

void frmWorm::buyLetter() {
    if (BuyLetter(state, ctx.store, ctx.wrongAnswers)) {
        DrawWord();
        ShowScore();
    }
    // Also when nothing was bought: a word whose one letter was shown at the start is
    // complete, and the double-click offers the next word as a key would.
    afterAnswer();
}

QString frmWorm::wordToSpeak() const {
    return state.complete() ? ctx.store.GetWord(state.WormWord, 1) : QString();
}

void frmWorm::afterAnswer() {
    if (state.complete()) {
        if (!m_completeSpoken)
            speakRightAnswer(wordToSpeak());
        m_completeSpoken = true;
        cmdNew->setEnabled(true);
        cmdNew->setFocus();
    }
    cmdNew->update();
}

void frmWorm::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text[0].isPrint()) {
        typed(text[0]);
        return;
    }
    ExerciseWindow::keyPressEvent(event);
}

} // namespace vx
