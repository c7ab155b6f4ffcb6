#include "helpviewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vx {

namespace {

// The viewer closes on Escape, like the help windows of the platform.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }
};

QPointer<QTextBrowser>& viewer() {
    static QPointer<QTextBrowser> v;
    return v;
}

} // namespace

QWidget* HelpViewer::window() { return viewer(); }

void HelpViewer::open(const ProgramFolder& folder, const QString& topic) {
    QPointer<QTextBrowser>& v = viewer();
    // A modal window blocks every window but its own: the viewer belongs to the modal
    // window that asked for help, so that it comes up above it and can be used and closed
    // while that window stays open. It goes with that window.
    QWidget* owner = QApplication::activeModalWidget();
    if (v && v->parentWidget() != owner) {
        const QRect geometry = v->geometry();
        v->setParent(owner, v->windowFlags());
        v->setGeometry(geometry);
    }
    if (!v) {
        v = new HelpBrowser(owner);
        v->setWindowFlag(Qt::Window);
        v->setAttribute(Qt::WA_DeleteOnClose);
        v->setObjectName(QStringLiteral("HelpViewer"));
        v->setWindowTitle(QStringLiteral("Vokabrix Help"));
        v->setOpenExternalLinks(true);
        v->resize(760, 640);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            v->move(area.left() + (area.width() - v->width()) / 2, area.top() + (area.height() - v->height()) / 2);
        }
        v->document()->setDefaultStyleSheet(
            QStringLiteral("body { font-size: 11pt; } h2 { color: #2b4a6f; }"));
    }
    const QString path = folder.resolve(QString::fromLatin1(kFileName));
    if (QFileInfo::exists(path)) {
        QUrl url = QUrl::fromLocalFile(path);
        if (!topic.isEmpty())
            url.setFragment(topic);
        v->setSource(url);
        if (!topic.isEmpty())
            v->scrollToAnchor(topic);
    } else {
        v->setHtml(QStringLiteral("<p>The help document %1 was not found in the program folder.</p>")
                       .arg(QString::fromLatin1(kFileName)));
    }
    v->show();
    v->raise();
    v->activateWindow();
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        QWidget* active = QApplication::activeWindow();
        if (!active && watched->isWidgetType())
            active = static_cast<QWidget*>(watched)->window();
        if (active != HelpViewer::window()) {
            HelpViewer::open(m_folder, active ? active->objectName() : QString());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void sendHelpKey(QWidget* window) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

} // namespace vx
