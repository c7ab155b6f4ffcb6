#include "frame.h"

#include "drawnbutton.h"
#include "resources/artwork.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace vx {

ContentBox::ContentBox(QWidget* parent, QSize size) : QWidget(parent) {
    setObjectName(QStringLiteral("picHolder"));
    setFixedSize(size);
}

void ContentBox::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void ContentBox::setColor(const QColor& color) {
    m_color = color;
    update();
}

void ContentBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_color);
    if (!m_picture.isNull())
        p.drawPixmap(rect(), m_picture);
}

PictureLabel::PictureLabel(QWidget* parent, const QString& name) : QLabel(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

void PictureLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QLabel::mousePressEvent(event);
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void applyProgramFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    QApplication::setFont(font);
}

void enlargeFont(QWidget* widget, double points, bool bold) {
    QFont f = widget->font();
    f.setPointSizeF(f.pointSizeF() + points);
    if (bold)
        f.setBold(true);
    widget->setFont(f);
}

void setTag(QWidget* widget, const QString& tag) { widget->setProperty("Tag", tag); }

VxWindow::VxWindow(AppContext& context, const QString& name, const QString& tag,
                   QSize contentSize, QWidget* parent)
    : QDialog(parent), ctx(context) {
    setObjectName(name);
    setTag(this, tag);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    picHolder = new ContentBox(this, contentSize);
    resize(contentSize);
    setMinimumSize(contentSize);
    setWindowIcon(art::icon(QStringLiteral("app_icon")));
}

QString VxWindow::tag() const { return property("Tag").toString(); }

DrawnButton* VxWindow::addButton(const QString& name, int textNumber, QRect geometry) {
    auto* b = new DrawnButton(picHolder, name);
    setTag(b, textNumber);
    b->setGeometry(geometry);
    b->draw(StripAmpersands(ctx.texts.text(textNumber)));
    return b;
}

DrawnButton* VxWindow::addButton(const QString& name, const QString& caption, QRect geometry) {
    auto* b = new DrawnButton(picHolder, name);
    b->setGeometry(geometry);
    b->draw(caption);
    return b;
}

QLabel* VxWindow::addLabel(const QString& name, int textNumber, QRect geometry) {
    auto* l = new QLabel(picHolder);
    l->setObjectName(name);
    setTag(l, textNumber);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    return l;
}

void VxWindow::centre() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void VxWindow::reject() {
    escapePressed();
}

void VxWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void VxWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ApplyLayout(this);
}

void ApplyLayout(VxWindow* window) {
    const AppContext& ctx = window->ctx;
    const bool maximise = ctx.settings.fullScreen && window->tag() != QLatin1String("NOMAX");
    if (window->isVisible()) {
        if (maximise && !window->isMaximized())
            window->showMaximized();
        else if (!maximise && (window->isMaximized() || window->isFullScreen()))
            window->showNormal();
    } else {
        window->setWindowState(maximise ? Qt::WindowMaximized : Qt::WindowNoState);
    }
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, ctx.backColor());
    window->setPalette(pal);
    if (ContentBox* box = window->picHolder) {
        box->setColor(ctx.backColor());
        box->move(std::max(0, (window->width() - box->width()) / 2),
                  std::max(0, (window->height() - box->height()) / 2));
    }
}

void ApplyBackground(ContentBox* box, const AppContext& ctx) {
    if (box && box->picture().cacheKey() != ctx.mainPicture.cacheKey())
        box->setPicture(ctx.mainPicture);
}

void ApplyFormBackground(VxWindow* window) { ApplyBackground(window->picHolder, window->ctx); }

void ApplyTexts(VxWindow* window) {
    ApplyLayout(window);
    const TextTable& texts = window->ctx.texts;
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* w : controls) {
        const QString tag = w->property("Tag").toString();
        // Windows opened from this one (About from the main window) have texts of their own.
        if (tag.isEmpty() || w->window() != window)
            continue;
        const int number = tagNumber(tag);
        QString problem;
        if (number < 0 || number > kLastTextNumber)
            problem = QStringLiteral("Subscript out of range (text %1)").arg(number);
        else if (auto* button = qobject_cast<DrawnButton*>(w))
            button->draw(StripAmpersands(texts.text(number)));
        else if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(StripAmpersands(texts.text(number))); // a label shows no access-key mark
        else if (auto* option = qobject_cast<QAbstractButton*>(w))
            option->setText(texts.text(number));
        else
            problem = QStringLiteral("The control %1 has no caption").arg(w->objectName());
        if (!problem.isEmpty())
            showMessage(QStringLiteral("Vokabrix"), problem, window);
    }
    window->setWindowTitle(texts.text(tagNumber(window->tag())));
}

void ShowFlags(VxWindow* window) {
    const AppContext& ctx = window->ctx;
    if (auto* from = window->findChild<QLabel*>(QStringLiteral("picFromFlag")))
        from->setPixmap(art::flag(ctx.fromFlagKey(), from->size()));
    if (auto* to = window->findChild<QLabel*>(QStringLiteral("picToFlag")))
        to->setPixmap(art::flag(ctx.settings.toLanguage, to->size()));
}

} // namespace vx
