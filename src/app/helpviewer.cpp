#include "helpviewer.h"

#include "helpfile.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vx {

namespace {

// The widest column of text: lines much longer than this are hard to follow.
constexpr int kMaxTextWidth = 900;

const char* const kStyle = "body { font-size: 11pt; }"
                           "h1 { color: #2b4a6f; } h2 { color: #2b4a6f; } h3 { color: #3d5f86; }"
                           "kbd { font-family: 'DejaVu Sans'; background-color: #e6ebf2; }"
                           "p.note { background-color: #fbf3dc; }"
                           "p.placeholder { color: #6b6b6b; font-style: italic; }";

// The viewer closes on Escape, like the help windows of the platform. In a wide window
// (maximised, or on a full screen) the text keeps a readable column in the middle.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
        document()->setDefaultStyleSheet(QString::fromLatin1(kStyle));
        document()->setDocumentMargin(14);
        // The margins beside the column take the page's colour.
        QPalette pal = palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::Base));
        setPalette(pal);
        setAutoFillBackground(true);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        // The viewport's resizing comes here too: the margins follow the window's width,
        // and are set only when they change, since setting them resizes the viewport.
        const int side = std::max(0, (width() - kMaxTextWidth) / 2);
        if (viewportMargins() != QMargins(side, 0, side, 0))
            setViewportMargins(side, 0, side, 0);
        QTextBrowser::resizeEvent(event);
    }
};

QPointer<QTextBrowser>& viewer() {
    static QPointer<QTextBrowser> v;
    return v;
}

} // namespace

QWidget* HelpViewer::window() { return viewer(); }

void HelpViewer::open(const ProgramFolder& folder, int language, const QString& topic) {
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
    }
    const QString path = helpFilePath(folder, language);
    if (QFileInfo::exists(path)) {
        // The document is opened by its name from its own folder; its pictures are looked
        // for beside it, then in the user's folder and among the data, so that a copy of a
        // document in the user's folder still shows the installed pictures.
        const QFileInfo file(path);
        QStringList paths{file.absolutePath()};
        for (const QString& p : {folder.path(), folder.dataPath()}) {
            if (!paths.contains(QFileInfo(p).absoluteFilePath()))
                paths << QFileInfo(p).absoluteFilePath();
        }
        v->setSearchPaths(paths);
        QUrl url(file.fileName());
        if (!topic.isEmpty())
            url.setFragment(topic);
        v->setSource(url);
        if (!topic.isEmpty())
            v->scrollToAnchor(topic);
        v->setWindowTitle(v->documentTitle());
    } else {
        v->setHtml(
            QStringLiteral("<p>The help document %1 was not found in the program folder.</p>")
                .arg(helpFileName(language)));
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
            HelpViewer::open(m_folder, m_language(), active ? active->objectName() : QString());
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
