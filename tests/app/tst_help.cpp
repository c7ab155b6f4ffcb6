// The help documents in the five own languages and the viewer that opens them: each
// document is well formed, has the topics of the English one and every topic a window of
// either program asks for, shows all its text and pictures in the viewer and is spelt
// right; F1 in the windows of both programs opens the own language's document at the
// window's topic, and the English one where the own language has none.
#include "apptestutil.h"
#include "data/spelling.h"

#include "app/frmabout.h"
#include "app/frmfromlanguage.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "app/helpfile.h"
#include "app/helpviewer.h"
#include "editor/frmedit.h"
#include "editor/frmnyfil.h"
#include "editor/frmword.h"
#include "exercises/highscores/frmhighscores.h"
#include "exercises/registry.h"
#include "keyboard/frmkeyboard.h"
#include "words/frmdictionaries.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBrowser>
#include <QXmlStreamReader>

using namespace vx;
using namespace vx::test;

namespace {

const QString kProgramDir = QStringLiteral(VOKABRIX_PROGRAM_DIR);
const QStringList kCodes{"sv", "en", "de", "fr", "es"};
constexpr int kEnglish = 2;

// What the viewer and the checks need of a document, read as XML so that a tag left open
// or a stray "&" is found with its line.
struct Document {
    QString error;
    QStringList anchors, links, pictures;
    QStringList texts; // the body's text pieces, as the reader sees them
    QString spelt;     // the text outside code, keys and words marked as another language
};

Document readDocument(const QString& path) {
    Document d;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        d.error = path + QStringLiteral(" cannot be read");
        return d;
    }
    QXmlStreamReader xml(&file);
    QString language;
    QList<bool> foreign{false}; // per open element: its text is not checked for spelling
    bool inBody = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString name = xml.name().toString();
            const QString lang = xml.attributes().value(QStringLiteral("lang")).toString();
            if (name == QLatin1String("html"))
                language = lang;
            inBody = inBody || name == QLatin1String("body");
            static const QStringList notWords{"tt", "kbd", "pre", "code"};
            foreign << (foreign.last() || notWords.contains(name) ||
                        (!lang.isEmpty() && lang != language));
            if (name == QLatin1String("a") && xml.attributes().hasAttribute(QStringLiteral("name")))
                d.anchors << xml.attributes().value(QStringLiteral("name")).toString();
            const QString href = xml.attributes().value(QStringLiteral("href")).toString();
            if (href.startsWith(u'#'))
                d.links << href.mid(1);
            if (name == QLatin1String("img"))
                d.pictures << xml.attributes().value(QStringLiteral("src")).toString();
        } else if (xml.isEndElement()) {
            foreign.removeLast();
        } else if (xml.isCharacters() && !xml.isWhitespace()) {
            if (inBody)
                d.texts << xml.text().toString().simplified();
            if (!foreign.last())
                d.spelt += xml.text().toString() + u' ';
        }
    }
    if (xml.hasError())
        d.error = QStringLiteral("%1 line %2, column %3: %4")
                      .arg(QFileInfo(path).fileName())
                      .arg(xml.lineNumber())
                      .arg(xml.columnNumber())
                      .arg(xml.errorString());
    return d;
}

QString documentPath(int language) {
    return kProgramDir + u'/' + helpFileName(language);
}

// Where the viewer shows an anchor: the top of its line in the document, or -1.
qreal anchorTop(QTextBrowser& viewer, const QString& name) {
    QTextDocument* doc = viewer.document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name)) {
                // The block's rectangle first: it lays the block out.
                const qreal top = doc->documentLayout()->blockBoundingRect(block).top();
                const QTextLine line = block.layout()->lineForTextPosition(
                    it.fragment().position() - block.position());
                return line.isValid() ? top + line.y() : top;
            }
        }
    }
    return -1;
}

// Every window of both programs, made as the programs make them; their names are the
// topics that F1 asks the help for.
QStringList windowTopics() {
    TestApp app;
    registerExercises(app.ctx);
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new frmMain(app.ctx));
    windows.emplace_back(new frmFromLanguage(app.ctx));
    windows.emplace_back(new frmHelp(app.ctx));
    windows.emplace_back(new frmAbout(app.ctx));
    windows.emplace_back(new frmDictionaries(app.ctx));
    windows.emplace_back(new frmHighScores(app.ctx));
    windows.emplace_back(new frmKeyboard);
    for (auto& entry : app.ctx.exercises)
        windows.emplace_back(entry.second.create(app.ctx));
    CollectingReporter reporter;
    EditorStore store;
    auto* grid = new editor::frmEdit(store, app.ctx.folder, reporter);
    windows.emplace_back(grid);
    windows.emplace_back(new editor::frmHelp);
    auto* word = new editor::frmWord(store, *grid);
    auto* newFile = new editor::frmNyFil(store, grid->edit(), grid);
    QStringList topics;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isWindow() && !w->objectName().isEmpty() && !topics.contains(w->objectName()))
            topics << w->objectName();
    }
    delete word;
    delete newFile;
    return topics;
}

enum class Window { Main, Quattro, WordLists, EditorGrid, EditorWord };

} // namespace

Q_DECLARE_METATYPE(Window)

class TstHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The documents are read by the viewer as they lie in the program folder.
    void documents_data() {
        QTest::addColumn<int>("language");
        for (int code = 1; code <= 5; ++code)
            QTest::addRow("%s", qPrintable(kCodes[code - 1])) << code;
    }
    void documents() {
        QFETCH(int, language);
        const Document d = readDocument(documentPath(language));
        QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
        const Document english = readDocument(documentPath(kEnglish));
        QCOMPARE(QSet<QString>(d.anchors.begin(), d.anchors.end()),
                 QSet<QString>(english.anchors.begin(), english.anchors.end()));
        QCOMPARE(d.anchors.size(), QSet<QString>(d.anchors.begin(), d.anchors.end()).size());
        for (const QString& link : d.links)
            QVERIFY2(d.anchors.contains(link),
                     qPrintable(QStringLiteral("a link to #%1, which is no anchor").arg(link)));

        QTextBrowser viewer;
        viewer.resize(760, 640);
        viewer.setSource(QUrl::fromLocalFile(documentPath(language)));
        const QString shown = viewer.document()->toRawText().simplified();
        for (const QString& text : d.texts)
            QVERIFY2(shown.contains(text),
                     qPrintable(QStringLiteral("the viewer does not show \"%1\"").arg(text)));
        for (const QString& anchor : d.anchors)
            QVERIFY2(anchorTop(viewer, anchor) >= 0,
                     qPrintable(QStringLiteral("the viewer cannot find #%1").arg(anchor)));
        QVERIFY(!d.pictures.isEmpty());
        for (const QString& picture : d.pictures) {
            const QImage image = QImage::fromData(
                viewer.loadResource(QTextDocument::ImageResource, QUrl(picture)).toByteArray());
            QVERIFY2(!image.isNull(),
                     qPrintable(picture + QStringLiteral(" is not found by the viewer")));
            // Narrower than the viewer at its first size, beside the scroll bar.
            QVERIFY2(image.width() <= 640,
                     qPrintable(QStringLiteral("%1 is %2 wide").arg(picture).arg(image.width())));
        }
    }

    // The text a learner reads is known to hunspell in its language, or listed in
    // data/help-spelling-exceptions.txt; the list names no word that needs no exception.
    void spelling_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<QString>("package");
        QTest::addRow("sv") << 1 << "sv_SE"
                            << "hunspell-sv";
        QTest::addRow("en") << 2 << "en_GB"
                            << "hunspell-en-gb";
        QTest::addRow("de") << 3 << "de_DE"
                            << "hunspell-de-de";
        QTest::addRow("fr") << 4 << "fr_FR"
                            << "hunspell-fr";
        QTest::addRow("es") << 5 << "es_ES"
                            << "hunspell-es";
    }
    void spelling() {
        QFETCH(int, language);
        QFETCH(QString, dictionary);
        QFETCH(QString, package);
        const SpellingExceptions ex = readSpellingExceptions(
            QStringLiteral(VOKABRIX_DATA_DIR "/help-spelling-exceptions.txt"), kCodes);
        QVERIFY2(ex.problems.isEmpty(), qPrintable(ex.problems.join(u'\n')));
        const Document d = readDocument(documentPath(language));
        QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
        // Word by word, punctuation stripped; single letters and names with digits (the
        // example list "Week12") are no words to check.
        QStringList words;
        for (QString w :
             d.spelt.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            while (!w.isEmpty() && !w.front().isLetterOrNumber())
                w.remove(0, 1);
            while (!w.isEmpty() && !w.back().isLetterOrNumber())
                w.chop(1);
            if (w.size() > 1 && !w.contains(QRegularExpression(QStringLiteral("\\d"))))
                words << w;
        }
        const Misspelt misspelt = misspeltWords(dictionary, package, words.join(u'\n'));
        QVERIFY2(misspelt.error.isEmpty(), qPrintable(misspelt.error));
        const QString code = kCodes[language - 1];
        QStringList unknown;
        for (const QString& w : misspelt.words) {
            if (!ex.byCode.value(code).contains(w))
                unknown << w;
        }
        QVERIFY2(
            unknown.isEmpty(),
            qPrintable(QStringLiteral("%1 does not know: %2").arg(dictionary, unknown.join(u' '))));
        QStringList stale;
        for (const QString& w : ex.byCode.value(code)) {
            if (!misspelt.words.contains(w))
                stale << w;
        }
        QVERIFY2(stale.isEmpty(),
                 qPrintable(QStringLiteral("exceptions no word needs: ") + stale.join(u' ')));
    }

    void everyWindowTopicInEveryDocument() {
        const QStringList topics = windowTopics();
        QVERIFY(topics.contains(QStringLiteral("frmMain")) &&
                topics.contains(QStringLiteral("frmWord")));
        QStringList missing;
        for (int code = 1; code <= 5; ++code) {
            const Document d = readDocument(documentPath(code));
            for (const QString& topic : topics) {
                if (!d.anchors.contains(topic))
                    missing << helpFileName(code) + u'#' + topic;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
    }

    // The own language's document where the folder holds it, the English one otherwise;
    // installed, the documents lie among the read-only data.
    void fileOfTheOwnLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("opened");
        const QStringList all{"Vokabrix.html", "Vokabrix.sv.html", "Vokabrix.de.html",
                              "Vokabrix.fr.html", "Vokabrix.es.html"};
        QTest::addRow("Swedish") << 1 << all << false << "Vokabrix.sv.html";
        QTest::addRow("Spanish, installed") << 5 << all << true << "Vokabrix.es.html";
        QTest::addRow("English") << 2 << all << false << "Vokabrix.html";
        QTest::addRow("German missing")
            << 3 << QStringList{"Vokabrix.html", "Vokabrix.fr.html"} << false << "Vokabrix.html";
        QTest::addRow("French missing, installed")
            << 4 << QStringList{"Vokabrix.html"} << true << "Vokabrix.html";
        QTest::addRow("no such language") << 9 << all << false << "Vokabrix.html";
    }
    void fileOfTheOwnLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, present);
        QFETCH(bool, installed);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        const QString data =
            dir.filePath(installed ? QStringLiteral("share") : QStringLiteral("."));
        QDir().mkpath(data);
        for (const QString& name : present)
            writeBytes(data + u'/' + name, "<html/>");
        const ProgramFolder folder = installed
                                         ? ProgramFolder(dir.filePath(QStringLiteral("user")), data)
                                         : ProgramFolder(dir.path());
        QCOMPARE(QFileInfo(helpFilePath(folder, language)).canonicalFilePath(),
                 QFileInfo(data + u'/' + opened).canonicalFilePath());
    }

    // The editor speaks the own language the exercise program stored, or the system's.
    void editorLanguage_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("language");
        QTest::addRow("stored French, Swedish system") << "[Languages]\nFrom=4\n"
                                                       << "sv_SE" << 4;
        QTest::addRow("stored American English") << "[Languages]\nFrom=2\nFromSub=1\n"
                                                 << "de_DE" << 2;
        QTest::addRow("no settings, Austrian German") << ""
                                                      << "de_AT" << 3;
        QTest::addRow("no settings, Mexican Spanish") << ""
                                                      << "es_MX" << 5;
        QTest::addRow("no settings, Japanese") << ""
                                               << "ja_JP" << 2;
        QTest::addRow("no language stored yet") << "[Misc]\nFullScreen=1\n"
                                                << "sv_SE" << 1;
        QTest::addRow("a language never chosen") << "[Languages]\nFrom=0\n"
                                                 << "fr_FR" << 4;
        QTest::addRow("a number of no language") << "[Languages]\nFrom=9\n"
                                                 << "es_ES" << 5;
    }
    void editorLanguage() {
        QFETCH(QString, settings);
        QFETCH(QString, locale);
        QFETCH(int, language);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VOKABRIX.INI"));
        if (!settings.isEmpty())
            writeBytes(path, settings.toLatin1());
        QCOMPARE(editorHelpLanguage(ProfileFile(path), QLocale(locale)), language);
    }

    // F1 in a window of either program: the viewer shows the document of the own language,
    // scrolled to the window's topic.
    void f1OpensOwnLanguageAtTopic_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<int>("own");
        QTest::addColumn<bool>("documentThere");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("topic");
        QTest::addRow("main window, Swedish")
            << Window::Main << 1 << true << false << "Vokabrix.sv.html"
            << "frmMain";
        QTest::addRow("main window, English, installed")
            << Window::Main << 2 << true << true << "Vokabrix.html"
            << "frmMain";
        QTest::addRow("Quattro, French")
            << Window::Quattro << 4 << true << false << "Vokabrix.fr.html"
            << "frmQuattro";
        QTest::addRow("word lists, Spanish, installed")
            << Window::WordLists << 5 << true << true << "Vokabrix.es.html"
            << "frmDictionaries";
        QTest::addRow("Quattro, German missing")
            << Window::Quattro << 3 << false << false << "Vokabrix.html"
            << "frmQuattro";
        QTest::addRow("editor grid, German stored")
            << Window::EditorGrid << 3 << true << false << "Vokabrix.de.html"
            << "frmEdit";
        QTest::addRow("editor word window, Swedish stored, installed")
            << Window::EditorWord << 1 << true << true << "Vokabrix.sv.html"
            << "frmWord";
        QTest::addRow("editor word window, French missing")
            << Window::EditorWord << 4 << false << false << "Vokabrix.html"
            << "frmWord";
    }
    void f1OpensOwnLanguageAtTopic() {
        QFETCH(Window, window);
        QFETCH(int, own);
        QFETCH(bool, documentThere);
        QFETCH(bool, installed);
        QFETCH(QString, opened);
        QFETCH(QString, topic);
        TestApp app;
        registerExercises(app.ctx);
        // Installed, the documents and their pictures lie among the read-only data.
        const QString data = installed ? app.dir.filePath(QStringLiteral("share")) : app.dir.path();
        const ProgramFolder folder =
            installed ? ProgramFolder(app.dir.filePath(QStringLiteral("user")), data)
                      : app.ctx.folder;
        const QString pictures = kProgramDir + QStringLiteral("/help/");
        QDir().mkpath(data + QStringLiteral("/help"));
        for (const QString& name : QDir(pictures).entryList(QDir::Files))
            QFile::copy(pictures + name, data + QStringLiteral("/help/") + name);
        for (int code = 1; code <= 5; ++code) {
            if (code == own && !documentThere)
                continue;
            QFile::copy(documentPath(code), data + u'/' + helpFileName(code));
        }
        app.ctx.settings.fromLanguage = static_cast<qint16>(own);
        app.ctx.settings.fromSub = 1;
        writeBytes(app.ctx.profile.path(),
                   QStringLiteral("[Languages]\nFrom=%1\n").arg(own).toLatin1());

        // The language as each program asks for it.
        const bool editor = window == Window::EditorGrid || window == Window::EditorWord;
        const ProfileFile profile = app.ctx.profile;
        HelpKeyFilter keys(folder, [&] {
            return editor ? editorHelpLanguage(profile, QLocale(QLocale::Japanese))
                          : int(app.ctx.settings.fromLanguage);
        });
        qApp->installEventFilter(&keys);

        std::unique_ptr<QWidget> shown;
        CollectingReporter reporter;
        EditorStore store;
        QWidget* active = nullptr;
        switch (window) {
        case Window::Main:
            shown.reset(active = new frmMain(app.ctx));
            break;
        case Window::Quattro:
            shown.reset(active = app.ctx.exercises[Exercise::Quattro].create(app.ctx));
            break;
        case Window::WordLists:
            shown.reset(active = new frmDictionaries(app.ctx));
            break;
        case Window::EditorGrid:
        case Window::EditorWord: {
            auto* grid = new editor::frmEdit(store, app.ctx.folder, reporter);
            shown.reset(active = grid);
            grid->show();
            grid->loadOwnDictionary();
            if (window == Window::EditorWord) {
                QTest::mouseClick(grid->cmdAdd, Qt::LeftButton);
                active = grid->wordWindow();
            }
            break;
        }
        }
        QVERIFY(activate(active));
        pressKey(active, Qt::Key_F1);
        auto* viewer = qobject_cast<QTextBrowser*>(HelpViewer::window());
        QVERIFY(viewer && QTest::qWaitForWindowExposed(viewer));
        qApp->removeEventFilter(&keys);
        QCOMPARE(QFileInfo(viewer->source().path()).fileName(), opened);
        QCOMPARE(viewer->source().fragment(), topic);
        QScrollBar* bar = viewer->verticalScrollBar();
        const qreal top = anchorTop(*viewer, topic);
        QVERIFY(top > 0);
        QTRY_VERIFY2(
            qAbs(bar->value() - qMin<qreal>(top, bar->maximum())) <= 2,
            qPrintable(
                QStringLiteral("scrolled to %1, the topic at %2").arg(bar->value()).arg(top)));
        for (const QString& picture :
             readDocument(kProgramDir + u'/' + opened).pictures.mid(0, 2)) {
            const QByteArray bytes =
                viewer->loadResource(QTextDocument::ImageResource, QUrl(picture)).toByteArray();
            QVERIFY2(!QImage::fromData(bytes).isNull(), qPrintable(picture));
        }
        viewer->close();
    }

    // Maximised or on a full screen, the text keeps a column narrow enough to read.
    void wideViewerKeepsAReadableColumn_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("column");
        QTest::addRow("first size") << 760 << 760;
        QTest::addRow("full screen") << 1920 << 900;
        QTest::addRow("back to the first size") << 760 << 760;
    }
    void wideViewerKeepsAReadableColumn() {
        QFETCH(int, width);
        QFETCH(int, column);
        HelpViewer::open(ProgramFolder(kProgramDir), 1, QStringLiteral("frmKorsord"));
        QWidget* viewer = HelpViewer::window();
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        viewer->resize(width, 700);
        auto* text = qobject_cast<QTextBrowser*>(viewer);
        QTRY_VERIFY2(text->viewport()->width() <= column && text->viewport()->width() > column - 40,
                     qPrintable(QStringLiteral("a column %1 wide").arg(text->viewport()->width())));
    }
};

QTEST_MAIN(TstHelp)
#include "tst_help.moc"
