#include "drawnbutton.h"

#include <QKeyEvent>
#include <QPainter>

namespace vx {

namespace {
QPixmap& sharedFace() {
    static QPixmap face;
    return face;
}
} // namespace

DrawnButton::DrawnButton(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() + 0.5);
    f.setBold(true);
    setFont(f);
}

void DrawnButton::setFace(const QPixmap& face) { sharedFace() = face; }
const QPixmap& DrawnButton::face() { return sharedFace(); }

void DrawnButton::draw(const QString& caption) {
    m_caption = caption;
    update();
}

void DrawnButton::click() {
    if (isEnabled())
        emit clicked();
}

void DrawnButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();
    if (!face().isNull())
        p.drawPixmap(rect(), face());
    else
        p.fillRect(rect(), QColor(248, 248, 246));
    if (m_pressed)
        p.fillRect(rect(), QColor(0, 0, 0, 18));

    const QFontMetrics fm(font());
    const int x = (w - fm.horizontalAdvance(m_caption)) / 2;
    const int y = (h - fm.height()) / 2;
    p.setPen(isEnabled() ? QColor(0, 0, 0) : QColor(160, 160, 160));
    p.drawText(x, y + fm.ascent(), m_caption);

    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, 0, w - 1, 0);
    p.setPen(QColor(150, 150, 150));
    p.drawLine(0, h - 1, w - 1, h - 1);
    if (w < 200) {
        p.drawLine(w - 1, 0, w - 1, h - 1);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(0, 0, 0, h - 1);
    }
    if (hasFocus()) {
        QPen pen(QColor(70, 90, 120));
        pen.setWidth(2);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2, 2, w - 4, h - 4));
    }
}

void DrawnButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DrawnButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        update();
    }
}

void DrawnButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        click();
}

void DrawnButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void DrawnButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void DrawnButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

} // namespace vx
