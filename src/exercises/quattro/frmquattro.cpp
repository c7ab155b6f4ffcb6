#include "frmquattro.h"

#include "app/drawnbutton.h"

#include <QKeyEvent>
#include <QPainter>

namespace vx {

OptionBox::OptionBox(QWidget* parent, int index) : QWidget(parent), m_index(index) {
    setObjectName(QStringLiteral("picOption%1").arg(index));
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() + 4);
    setFont(f);
}

void OptionBox::setContent(const QString& text, const QColor& colour) {
    m_text = text;
    m_colour = colour;
    update();
}

void OptionBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(m_colour);
    p.drawRoundedRect(box, 6, 6);
    const bool dark = m_colour.lightness() < 110;
    p.setPen(dark ? Qt::white : Qt::black);
    p.drawText(rect(), Qt::AlignCenter, m_text);
    // The digit that answers with this box.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() - 5);
    p.setFont(small);
    p.setPen(dark ? QColor(230, 230, 230) : QColor(140, 140, 140));
    p.drawText(QRect(8, 4, 20, 18), Qt::AlignLeft | Qt::AlignTop, QString::number(m_index + 1));
    if (m_colour == kQuattroRed) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(0, height() - 1), QPointF(width() - 1, 0));
    }
}

void OptionBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
}

frmQuattro::frmQuattro(AppContext& context)
    : ExerciseWindow(context, QStringLiteral("frmQuattro"), 64, QSize(680, 470), ExitStyle::HideHelpAfter) {
    Shape1->setGeometry(30, 24, 620, 96);
    Shape1->show();
    lblWord1 = new QLabel(picHolder);
    lblWord1->setObjectName(QStringLiteral("lblWord1"));
    // The word keeps the middle of its box; the speaker picture stands at the box's end.
    lblWord1->setGeometry(90, 30, 500, 84);
    lblWord1->setAlignment(Qt::AlignCenter);
    enlargeFont(lblWord1, 14);

    for (int i = 0; i < 4; ++i) {
        picOption[i] = new OptionBox(picHolder, i);
        picOption[i]->setGeometry(30 + (i % 2) * 320, 140 + (i / 2) * 88, 300, 74);
        connect(picOption[i], &OptionBox::clicked, this, &frmQuattro::optionClicked);
    }
    addLabel(QStringLiteral("lblHint"), 23, QRect(30, 318, 620, 22))->setAlignment(Qt::AlignCenter);
    addScoreLabels(QPoint(34, 352));
    addLevelSlider(QPoint(250, 356));
    addCommonButtons(QRect(490, 346, 160, 36), QRect(490, 386, 160, 36), QRect(490, 426, 160, 36));
    addSpeakerPicture(QRect(594, 56, 48, 32));
    Picture1 = new QWidget(picHolder);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 0, 1, 1);
    Picture1->setFocusPolicy(Qt::StrongFocus);

    tmrNew.setInterval(500);
    tmrNew.setSingleShot(true);
    connect(&tmrNew, &QTimer::timeout, this, [this] {
        newQuestion();
        tmrNew.stop();
    });
    connect(cmdNew, &DrawnButton::clicked, this, &frmQuattro::newQuestion);

    finishLoading();
    QPalette pal = lblWord1->palette();
    pal.setColor(QPalette::WindowText, ctx.accentColor().darker(330));
    lblWord1->setPalette(pal);
    state.CorrectOption = 0;
    DrawOptions();
    ShowScore();
}

void frmQuattro::newQuestion() {
    tmrNew.stop();
    ctx.rng->randomize(clockSeed());
    NewQuestion(state, ctx.store, HScroll1->value(), ctx.settings.fromLanguage, *ctx.rng);
    lblWord1->setText(ctx.store.GetWord(state.QuestionWord, 1));
    DrawOptions();
    cmdNew->setEnabled(false);
    Picture1->setFocus();
}

void frmQuattro::DrawOptions() {
    for (int n = 1; n <= 4; ++n)
        picOption[n - 1]->setContent(state.Options[n], state.BoxColor[n].isValid() ? state.BoxColor[n] : kQuattroWhite);
}

void frmQuattro::optionClicked(int index) {
    const QuattroAnswer result = AnswerBox(state, ctx.store, index + 1, tmrNew.isActive(),
                                           ctx.rightAnswers, ctx.wrongAnswers);
    if (result == QuattroAnswer::Ignored)
        return;
    if (result == QuattroAnswer::Right) {
        speakRightAnswer(lblWord1->text());
        cmdNew->setEnabled(true);
        cmdNew->setFocus();
        tmrNew.start();
    }
    DrawOptions();
    ShowScore();
}

void frmQuattro::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text[0] >= u'1' && text[0] <= u'4') {
        optionClicked(text[0].unicode() - u'1');
        return;
    }
    ExerciseWindow::keyPressEvent(event);
}

} // namespace vx
