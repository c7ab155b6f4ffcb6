#include "frmkorsord.h"

#include "app/drawnbutton.h"
#include "app/messagebox.h"
#include "common/textconv.h"
#include "printout.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

namespace vx {

namespace {
constexpr int kBoard = 525;    // the drawing width the cell size is taken from
const QPoint kBoardAt(64, 52); // the grid's top left corner in the window
const QColor kFocusFrame(70, 96, 127);

// Mouse buttons by their numbers on the board: 1 left, 2 right, 4 middle.
int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    default:
        return 4;
    }
}

// The board's key codes: the arrows 37..40, Enter 13, Backspace 8, the blank, digits and
// letters A..Z by their own codes; any other key (punctuation among them) is 255, so that
// "%", "&", "'" and "(" never pass for arrows.
int boardKeyCode(int key) {
    switch (key) {
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const bool plain = key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_9) ||
                       (key >= Qt::Key_A && key <= Qt::Key_Z);
    return plain ? key : 255;
}

QFont boardFont(double pointSize) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(pointSize);
    f.setBold(true);
    return f;
}
} // namespace

BoardView::BoardView(QWidget* parent, const CrosswordState& state) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("Bild"));
    fitGrid();
}

QRect BoardView::cellRect(int r, int c) const {
    const int cs = m_state.CellSize;
    return QRect(kFrame + (c - 1) * cs, kFrame + (r - 1) * cs, cs, cs);
}

void BoardView::fitGrid() {
    // The cell size is rounded, so the grid may be a few pixels wider than the drawing width.
    const int side = m_state.CellSize > 0 ? m_state.CellSize * m_state.GridSize : kBoard;
    setFixedSize(side + 2 * kFrame, side + 2 * kFrame);
    update();
}

void BoardView::setFramed(bool framed) {
    if (framed == m_framed)
        return;
    m_framed = framed;
    update();
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(rect().adjusted(kFrame, kFrame, -kFrame, -kFrame), Qt::white);
    if (m_framed) {
        p.setPen(QPen(kFocusFrame, 2));
        p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    }
    const int cs = m_state.CellSize;
    if (cs == 0)
        return;
    p.setFont(boardFont(m_state.FontSize));
    const QFontMetricsF fm(p.font());
    const int n = m_state.GridSize;
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            const QRect cell = cellRect(r, c);
            if (!event->rect().intersects(cell))
                continue;
            const QColor colour = m_state.CellColour[r][c];
            p.fillRect(cell, colour);
            if (colour == m_state.CursorColour || colour == m_state.CursorBlackColour) {
                // The direction mark: the top half for across, the left half for down.
                p.setPen(QColor(128, 128, 128));
                const double x0 = cell.left();
                const double y0 = cell.top();
                if (m_state.TypingDirection == 1) {
                    const QRectF box(x0, y0, cs * 0.85, cs * 0.5);
                    p.drawRect(box);
                    p.drawLine(box.bottomRight(), QPointF(x0, y0 + cs));
                } else {
                    const QRectF box(x0, y0, cs * 0.5, cs * 0.85);
                    p.drawRect(box);
                    p.drawLine(box.bottomRight(), QPointF(x0 + cs, y0));
                }
            }
            const QString& letter = m_state.TypedLetter[r][c];
            if (!letter.trimmed().isEmpty()) {
                p.setPen(colour == QColor(0, 0, 0) ? Qt::white : Qt::black);
                const double x = (c - 0.5) * cs - fm.horizontalAdvance(letter) / 2;
                const double y = (r - 0.45) * cs - fm.height() / 2;
                p.drawText(QPointF(x, y + fm.ascent()), letter);
            }
            if (colour != QColor(0, 0, 0)) {
                p.setPen(Qt::black);
                p.drawRect(cell.adjusted(0, 0, -1, -1));
            }
        }
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position() - QPointF(kFrame, kFrame);
    emit pressed(buttonCode(event->button()), at.x(), at.y());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(buttonCode(event->button()));
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press as well.
    mousePressEvent(event);
    const QPointF at = event->position() - QPointF(kFrame, kFrame);
    emit doubleClicked(buttonCode(event->button()), at.x(), at.y());
}

LabelStrip::LabelStrip(QWidget* parent, const CrosswordState& state, bool letters)
    : QWidget(parent), m_state(state), m_letters(letters) {
    setObjectName(letters ? QStringLiteral("Letterz") : QStringLiteral("Numbers"));
}

void LabelStrip::paintEvent(QPaintEvent*) {
    const int cs = m_state.CellSize;
    if (cs == 0)
        return;
    QPainter p(this);
    QFont f = font();
    f.setPointSizeF(std::clamp(cs * 0.42, 7.0, 11.0));
    p.setFont(f);
    const QFontMetricsF fm(f);
    for (int k = 1; k <= m_state.GridSize; ++k) {
        if (m_letters) {
            const QString t(QChar(64 + k));
            p.drawText(QPointF((k - 0.5) * cs - fm.horizontalAdvance(t) / 2, fm.ascent() + 2), t);
        } else {
            const QString t = QString::number(k);
            p.drawText(QPointF(0.8 * width() - fm.horizontalAdvance(t), (k - 0.5) * cs - fm.height() / 2 + fm.ascent()), t);
        }
    }
}

frmKorsord::frmKorsord(AppContext& context, CrosswordState& crossword)
    : ExerciseWindow(context, QStringLiteral("frmKorsord"), 52, QSize(1000, 700), ExitStyle::HideHelpAfter),
      state(crossword), korsord(crossword, *context.rng, this) {
    // The state outlives the window with its candidate tables; each window starts from an
    // empty board.
    korsord.ClearBoard();
    constexpr int frame = BoardView::kFrame;
    Letterz = new LabelStrip(picHolder, state, true);
    Letterz->setGeometry(kBoardAt.x(), kBoardAt.y() - frame - 24, kBoard, 24);
    Numbers = new LabelStrip(picHolder, state, false);
    Numbers->setGeometry(kBoardAt.x() - frame - 34, kBoardAt.y(), 34, kBoard);
    Bild = new BoardView(picHolder, state);
    Bild->move(kBoardAt - QPoint(frame, frame));
    connect(Bild, &BoardView::pressed, this, [this](int button, double x, double y) {
        int row = 0;
        int col = 0;
        if (korsord.MouseDown(button, x, y, row, col))
            showClueHints(row, col);
        focusBoard();
    });
    connect(Bild, &BoardView::released, this, [this](int button) {
        if (button != 1 && state.CellSize != 0)
            hideClueHints();
        focusBoard();
    });
    connect(Bild, &BoardView::doubleClicked, this,
            [this](int button, double x, double y) { korsord.DoubleClick(button, x, y); });

    Picture1 = new QWidget(picHolder);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 0, 1, 1);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->installEventFilter(this);

    const QFont mono(QStringLiteral("DejaVu Sans Mono"), 10);
    lblAcross = addLabel(QStringLiteral("lblAcross"), 53, QRect(620, 28, 360, 22));
    lstAcross = new QListWidget(picHolder);
    lstAcross->setObjectName(QStringLiteral("lstAcross"));
    lstAcross->setGeometry(620, 52, 360, 236);
    lblDown = addLabel(QStringLiteral("lblDown"), 54, QRect(620, 296, 360, 22));
    lstDown = new QListWidget(picHolder);
    lstDown->setObjectName(QStringLiteral("lstDown"));
    lstDown->setGeometry(620, 320, 360, 236);
    for (QLabel* l : {lblAcross, lblDown}) {
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
    }
    for (QListWidget* list : {lstAcross, lstDown}) {
        list->setFont(mono);
        list->setFocusPolicy(Qt::NoFocus);
    }
    connect(lstAcross, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) {
        korsord.ListJump(item->text(), 1);
        focusBoard();
    });
    connect(lstDown, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) {
        korsord.ListJump(item->text(), 2);
        focusBoard();
    });
    lblAcross2 = addLabel(QStringLiteral("lblAcross2"), 53, QRect(0, 0, 10, 10));
    lblDown2 = addLabel(QStringLiteral("lblDown2"), 54, QRect(0, 0, 10, 10));
    lblAcross2->hide();
    lblDown2->hide();
    HintAcross = new QLineEdit(picHolder);
    HintDown = new QLineEdit(picHolder);
    for (QLineEdit* hint : {HintAcross, HintDown}) {
        hint->setReadOnly(true);
        hint->setFocusPolicy(Qt::NoFocus);
        hint->setStyleSheet(QStringLiteral("background: #fffbe6; border: 1px solid #8a7a50;"));
        hint->hide();
    }
    HintAcross->setObjectName(QStringLiteral("HintAcross"));
    HintDown->setObjectName(QStringLiteral("HintDown"));

    addLabel(QStringLiteral("lblSize"), 55, QRect(64, 588, 150, 20));
    Storlek = new QScrollBar(Qt::Horizontal, picHolder);
    Storlek->setObjectName(QStringLiteral("Storlek"));
    // The row under the board: size, difficulty, then the keyboard, printer and speaker
    // pictures before the buttons.
    Storlek->setGeometry(64, 610, 120, 20);
    Storlek->setRange(3, kMaxGrid);
    Storlek->setSingleStep(3);
    Storlek->setPageStep(3);
    Storlek->setValue(14);
    St = new QLabel(picHolder);
    St->setObjectName(QStringLiteral("St"));
    St->setGeometry(190, 608, 80, 24);
    connect(Storlek, &QScrollBar::valueChanged, this, &frmKorsord::sizeChanged);
    addLabel(QStringLiteral("lblDiffi"), 56, QRect(276, 588, 160, 20));
    Diffi = new QScrollBar(Qt::Horizontal, picHolder);
    Diffi->setObjectName(QStringLiteral("Diffi"));
    Diffi->setGeometry(276, 610, 94, 20);
    Diffi->setRange(0, 2);
    Diffi->setSingleStep(1);
    Diffi->setPageStep(1);
    Diffi->setValue(1);
    for (int i = 0; i < 3; ++i) {
        lblDifficulty[i] =
            addLabel(QStringLiteral("lblDifficulty%1").arg(i), 57 + i, QRect(376, 608, 66, 24));
        lblDifficulty[i]->setVisible(i == 1);
    }
    connect(Diffi, &QScrollBar::valueChanged, this, &frmKorsord::difficultyChanged);

    addCommonButtons(QRect(620, 570, 176, 36), QRect(620, 614, 176, 36), QRect(804, 614, 176, 36));
    cmdCorrect = addButton(QStringLiteral("cmdCorrect"), 13, QRect(804, 570, 176, 36));
    connect(cmdNew, &DrawnButton::clicked, this, &frmKorsord::newPuzzle);
    connect(cmdCorrect, &DrawnButton::clicked, this, &frmKorsord::check);
    disconnect(cmdHelp, nullptr, nullptr, nullptr);
    connect(cmdHelp, &DrawnButton::clicked, this, [this] {
        if (m_busy)
            return;
        focusBoard();
        showHelp();
    });
    const QRect keyboard(448, 600, 48, 32);
    addKeyboardPicture(keyboard);
    imgPrinter = new PictureLabel(picHolder, QStringLiteral("imgPrinter"));
    imgPrinter->setGeometry(keyboard.translated(keyboard.width() + 8, 0));
    imgPrinter->setPixmap(art::picture(QStringLiteral("printer"), keyboard.size()));
    imgPrinter->setCursor(Qt::PointingHandCursor);
    imgPrinter->setToolTip(ctx.texts.text(static_cast<int>(PrintText::PrinterPicture)));
    imgPrinter->setEnabled(false); // until the first puzzle is made
    connect(imgPrinter, &PictureLabel::clicked, this, &frmKorsord::printPuzzle);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &frmKorsord::printPuzzle);
    addSpeakerPicture(keyboard.translated(2 * (keyboard.width() + 8), 0));

    lblSure = addLabel(QStringLiteral("lblSure"), 65, QRect(0, 0, 10, 10));
    lblSure->hide();
    Label4 = addLabel(QStringLiteral("Label4"), 66, QRect(64, 646, 230, 22));
    Label4->setWordWrap(false);
    progressFrame = new QWidget(picHolder);
    progressFrame->setObjectName(QStringLiteral("Shape2"));
    progressFrame->setGeometry(300, 650, 220, 14);
    progressFrame->setStyleSheet(QStringLiteral("#Shape2 { background: white; border: 1px solid #777; }"));
    progressBar = new QWidget(progressFrame);
    progressBar->setObjectName(QStringLiteral("Shape3"));
    progressBar->setStyleSheet(QStringLiteral("background: #4f7db0;"));
    progressBar->setGeometry(0, 0, 0, 14);
    Label2 = new QLabel(QStringLiteral("0 %"), picHolder);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(528, 646, 60, 22);
    showProgressDisplay(false);

    imgDuck = new QLabel(picHolder);
    imgDuck->setObjectName(QStringLiteral("imgDuck"));
    imgDuck->setGeometry(kBoard, 640, 48, 48);
    imgDuck->setPixmap(art::picture(QStringLiteral("duck"), QSize(48, 48)));
    imgDuck->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgDuck->hide();
    tmrTimer.setInterval(100);
    connect(&tmrTimer, &QTimer::timeout, this, &frmKorsord::animate);
    tmrTimer.start();

    // Loading.
    korsord.SetCursorColours(ctx.settings.screenColorBits);
    finishLoading();
    sizeChanged(Storlek->value());
    difficultyChanged(Diffi->value());
    Picture1->setFocus();
}

void frmKorsord::focusBoard() { Picture1->setFocus(); }

void frmKorsord::sizeChanged(int value) {
    St->setText(str(value) + QStringLiteral(" X") + str(value));
    focusBoard();
}

void frmKorsord::difficultyChanged(int value) {
    korsord.SetDifficulty(value);
    for (int i = 0; i < 3; ++i)
        lblDifficulty[i]->setVisible(i == value);
    focusBoard();
}

void frmKorsord::newPuzzle() {
    if (m_busy)
        return;
    m_busy = true;
    bool generate = true;
    if (state.PuzzleActive) {
        generate = askQuestion(this, windowTitle(), lblSure->text(),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    if (generate) {
        m_generating = true;
        hideClueHints();
        showProgressDisplay(true);
        korsord.SetUpBoard(Storlek->value(), kBoard);
        korsord.GenerateCrossword();
        showProgressDisplay(false);
        m_generating = false;
        m_hasPuzzle = true;
        imgPrinter->setEnabled(true);
        if (m_closePending) {
            m_busy = false;
            close();
            return;
        }
    }
    m_busy = false;
    focusBoard();
}

void frmKorsord::check() {
    // Nothing is checked while New is at work; without a puzzle in play (none yet, or
    // checked already) the check itself does nothing.
    if (!m_busy)
        korsord.Check();
    focusBoard();
}

void frmKorsord::printPuzzle() {
    if (m_busy || !m_hasPuzzle)
        return;
    const PrintTexts texts = printTexts(ctx.texts, ctx.settings.toLanguage, state.GridSize);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(printPageLayout(defaultPageSize(QLocale())));
    printer.setDocName(texts.document);
    printer.setCreator(QStringLiteral("Vokabrix"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        bool printed = false;
        {
            WaitCursor wait;
            printed = printCrossword(state, texts, printer);
        }
        if (!printed) {
            const QString file = printer.outputFileName();
            showMessage(QStringLiteral("Vokabrix"),
                        file.isEmpty()
                            ? QStringLiteral("The crossword could not be printed.")
                            : QStringLiteral("The crossword could not be written to %1.").arg(file),
                        this);
        }
    }
    focusBoard();
}

void frmKorsord::showClueHints(int r, int c) {
    const QStringList texts = korsord.ClueHints(r, c, lblAcross2->text(), lblDown2->text());
    HintAcross->setText(texts[0]);
    HintDown->setText(texts[1]);
    const QFontMetrics fm(HintAcross->font());
    const int width = std::max(fm.horizontalAdvance(texts[0]), fm.horizontalAdvance(texts[1])) + 20;
    const int cs = state.CellSize;
    const int left = Bild->x() + BoardView::kFrame + static_cast<int>((c - 0.2) * cs);
    const int top = Bild->y() + BoardView::kFrame + static_cast<int>((r - 0.2) * cs);
    HintAcross->setGeometry(left, top, width, fm.height() + 8);
    HintDown->setGeometry(left, top + HintAcross->height(), width, fm.height() + 8);
    HintAcross->show();
    HintDown->show();
    HintAcross->raise();
    HintDown->raise();
}

void frmKorsord::hideClueHints() {
    HintAcross->hide();
    HintDown->hide();
}

bool frmKorsord::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Picture1)
        return ExerciseWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers m = key->modifiers();
        const int shift = (m & Qt::ShiftModifier ? 1 : 0) + (m & Qt::ControlModifier ? 2 : 0) +
                          (m & Qt::AltModifier ? 4 : 0);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_F1)
            return false;
        if (korsord.KeyDown(boardKeyCode(key->key()), shift) && state.PuzzleActive)
            showClueHints(state.CursorRow, state.CursorCol);
        const QString text = key->text();
        if (text.size() == 1 && text[0].isPrint() && !(m & (Qt::ControlModifier | Qt::AltModifier))) {
            if (!korsord.KeyPress(text[0]))
                QApplication::beep();
        }
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (state.PuzzleActive && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
            hideClueHints();
        return false; // F4 goes on to the window
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        Bild->setFramed(event->type() == QEvent::FocusIn);
    return false;
}

// The progress display says "Generating the crossword..." and shows only while it does.
void frmKorsord::showProgressDisplay(bool shown) {
    Label4->setVisible(shown);
    progressFrame->setVisible(shown);
    Label2->setVisible(shown);
}

void frmKorsord::closeEvent(QCloseEvent* event) {
    // A window closed while it generates closes when the generation is done.
    if (m_generating) {
        m_closePending = true;
        event->ignore();
        return;
    }
    tmrTimer.stop();
    ExerciseWindow::closeEvent(event);
}

void frmKorsord::animate() {
    const int width = Bild->width();
    if (duckPhase == 0) {
        if (++duckTicks >= 500) {
            imgDuck->move(width, imgDuck->y());
            imgDuck->show();
            imgDuck->raise();
            duckPhase = 1;
            duckTicks = 0;
        }
        return;
    }
    imgDuck->move(imgDuck->x() - width / 100, imgDuck->y());
    if (imgDuck->x() < -imgDuck->width()) {
        duckPhase = 0;
        duckTicks = 0;
        imgDuck->hide();
        imgDuck->move(width, imgDuck->y());
        tmrTimer.stop();
    }
}

void frmKorsord::pumpEvents() { QCoreApplication::processEvents(); }

void frmKorsord::cellChanged(int row, int column) {
    if (row >= 1 && row <= state.GridSize && column >= 1 && column <= state.GridSize)
        Bild->update(Bild->cellRect(row, column));
}

void frmKorsord::boardReset() {
    Bild->fitGrid();
    const int side = state.CellSize * state.GridSize;
    Letterz->resize(side, Letterz->height());
    Numbers->resize(Numbers->width(), side);
    Letterz->update();
    Numbers->update();
}

void frmKorsord::listsChanged() {
    lstAcross->clear();
    lstDown->clear();
    lstAcross->addItems(state.AcrossList);
    lstDown->addItems(state.DownList);
}

void frmKorsord::listsVisible(bool visible) {
    for (QWidget* w : std::initializer_list<QWidget*>{lstAcross, lstDown, lblAcross, lblDown})
        w->setVisible(visible);
}

void frmKorsord::listSelectionChanged() {
    auto select = [](QListWidget* list, int index) {
        const QSignalBlocker block(list);
        if (index < 0) {
            list->clearSelection();
            list->setCurrentRow(-1);
        } else {
            list->setCurrentRow(index);
            list->scrollToItem(list->item(index));
        }
    };
    select(lstAcross, state.AcrossSelected);
    select(lstDown, state.DownSelected);
}

void frmKorsord::progressChanged(int percent) {
    progressBar->setGeometry(0, 0, progressFrame->width() * percent / 100, progressFrame->height());
    Label2->setText(QString::number(percent) + QStringLiteral(" %"));
}

double frmKorsord::letterWidth(double pointSize) const {
    return QFontMetricsF(boardFont(pointSize)).horizontalAdvance(QStringLiteral("W"));
}

} // namespace vx
