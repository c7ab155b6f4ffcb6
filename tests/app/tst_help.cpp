// The help documents in the five own languages and the viewer that opens them: each
// document is well formed, has the topics of the English one and every topic a window of
// either program asks for, and is spelt right; the viewer opens the own language's
// document at a topic with its pictures, the English one where the own language has none;
// the editor takes the own language the exercise program stored.
#include "data/spelling.h"
#include "program.h"

#include "app/helpfile.h"
#include "app/helpviewer.h"
#include "editor/frmedit.h"
#include "editor/frmnyfil.h"
#include "editor/frmword.h"
#include "keyboard/frmkeyboard.h"

#include <QDir>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBrowser>
#include <QXmlStreamReader>

using namespace vx;
using namespace vx::test;
using namespace Qt::StringLiterals;

namespace {

const QString kProgramDir = QStringLiteral(VOKABRIX_PROGRAM_DIR);
const QStringList kCodes{"sv", "en", "de", "fr", "es"};

// What the checks need of a document, read as XML so that a tag left open or a stray "&"
// is found with its line.
struct Document {
    QString error;
    QStringList anchors, links, pictures;
    QString spelt; // the text outside code, keys and words marked as another language
};

Document readDocument(const QString& path) {
    Document d;
    QFile file(path);
    file.open(QIODevice::ReadOnly); // one that cannot be read ends the document at once
    QXmlStreamReader xml(&file);
    QString language;
    QList<bool> foreign{false}; // per open element: its text is not checked for spelling
    while (!xml.atEnd()) {
        xml.readNext();
        const QXmlStreamAttributes at = xml.attributes();
        if (xml.isStartElement()) {
            const QString name = xml.name().toString(), lang = at.value("lang"_L1).toString();
            if (name == QLatin1String("html"))
                language = lang;
            static const QStringList notWords{"tt", "kbd", "pre", "code"};
            foreign << (foreign.last() || notWords.contains(name) ||
                        (!lang.isEmpty() && lang != language));
            if (name == QLatin1String("a") && !at.value("name"_L1).isEmpty())
                d.anchors << at.value("name"_L1).toString();
            if (at.value("href"_L1).startsWith(u'#'))
                d.links << at.value("href"_L1).mid(1).toString();
            if (name == QLatin1String("img"))
                d.pictures << at.value("src"_L1).toString();
        } else if (xml.isEndElement()) {
            foreign.removeLast();
        } else if (xml.isCharacters() && !foreign.last()) {
            d.spelt += xml.text().toString() + u' ';
        }
    }
    if (xml.hasError())
        d.error =
            QStringLiteral("%1 line %2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return d;
}

// The viewer scrolled to a topic: its line at the top, or the end reached.
bool showsTopic(QTextBrowser& viewer, const QString& topic) {
    QTextCursor at(viewer.document());
    for (QTextBlock block = viewer.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(topic))
                at.setPosition(it.fragment().position());
    QScrollBar* bar = viewer.verticalScrollBar();
    return at.position() > 0 && QTest::qWaitFor([&] {
               const int y = viewer.cursorRect(at).top();
               return bar->value() > 0 &&
                      (qAbs(y) <= 2 || (bar->value() == bar->maximum() && y > 0));
           });
}

// Every window of both programs, made as the programs make them; their names are the
// topics that F1 asks the help for.
QStringList windowTopics() {
    Program app;
    EditorStore store;
    auto* grid = new editor::frmEdit(store, app.ctx.folder, app.reporter);
    new editor::frmWord(store, *grid); // both belong to the grid
    new editor::frmNyFil(store, grid->edit(), grid);
    std::vector<std::unique_ptr<QWidget>> windows;
    for (QWidget* w : std::initializer_list<QWidget*>{
             new frmMain(app.ctx), new frmFromLanguage(app.ctx), new frmHelp(app.ctx),
             new frmAbout(app.ctx), new frmDictionaries(app.ctx), new frmHighScores(app.ctx),
             new frmKeyboard, new editor::frmHelp, grid})
        windows.emplace_back(w);
    for (auto& entry : app.ctx.exercises)
        windows.emplace_back(entry.second.create(app.ctx));
    QStringList topics;
    for (QWidget* w : QApplication::topLevelWidgets())
        topics << w->objectName();
    topics.removeAll(QString());
    return topics;
}

// A program folder with the pictures and the help documents of all languages but `missing`;
// installed, they lie among the read-only data.
ProgramFolder helpFolder(const QTemporaryDir& dir, bool installed, int missing) {
    const QString data = installed ? dir.filePath("share") : dir.path();
    QDir().mkpath(data);
    QFile::link(kProgramDir + "/help", data + "/help");
    for (int code = 1; code <= 5; ++code)
        if (code != missing)
            QFile::copy(kProgramDir + u'/' + helpFileName(code), data + u'/' + helpFileName(code));
    return installed ? ProgramFolder(dir.filePath("user"), data) : ProgramFolder(dir.path());
}

} // namespace

class TstHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The documents as they lie in the program folder. The text a learner reads is known
    // to hunspell in its language, or listed in data/help-spelling-exceptions.txt; the list
    // names no word that needs no exception.
    void documents_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("hunspell"); // the dictionary and its package
        QTest::addRow("sv") << 1 << QStringList{"sv_SE", "hunspell-sv"};
        QTest::addRow("en") << 2 << QStringList{"en_GB", "hunspell-en-gb"};
        QTest::addRow("de") << 3 << QStringList{"de_DE", "hunspell-de-de"};
        QTest::addRow("fr") << 4 << QStringList{"fr_FR", "hunspell-fr"};
        QTest::addRow("es") << 5 << QStringList{"es_ES", "hunspell-es"};
    }
    void documents() {
        QFETCH(int, language);
        QFETCH(QStringList, hunspell);
        const Document d = readDocument(kProgramDir + u'/' + helpFileName(language));
        QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
        const QStringList english = readDocument(kProgramDir + "/Vokabrix.html").anchors;
        const QSet<QString> anchors(d.anchors.begin(), d.anchors.end());
        QCOMPARE(anchors, QSet<QString>(english.begin(), english.end()));
        QCOMPARE(anchors.size(), d.anchors.size());
        QVERIFY(!d.pictures.isEmpty());
        static const QStringList topics = windowTopics();
        QVERIFY(topics.contains("frmMain") && topics.contains("frmWord"));
        for (const QString& topic : d.links + topics)
            QVERIFY2(anchors.contains(topic), qPrintable("no anchor " + topic));

        const SpellingExceptions ex = readSpellingExceptions(
            QStringLiteral(VOKABRIX_DATA_DIR "/help-spelling-exceptions.txt"), kCodes);
        QVERIFY2(ex.problems.isEmpty(), qPrintable(ex.problems.join(u'\n')));
        // Word by word, punctuation stripped; single letters and names with digits (the
        // example list "Week12") are no words to check.
        static const QRegularExpression edges(QStringLiteral("^\\W+|\\W+$"),
                                              QRegularExpression::UseUnicodePropertiesOption);
        QStringList words;
        for (QString w : d.spelt.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            if (w.remove(edges).size() > 1 && !w.contains(QRegularExpression("\\d")))
                words << w;
        const Misspelt misspelt = misspeltWords(hunspell[0], hunspell[1], words.join(u'\n'));
        QVERIFY2(misspelt.error.isEmpty(), qPrintable(misspelt.error));
        QStringList allowed = ex.byCode.value(kCodes[language - 1]).values(),
                    unknown = misspelt.words;
        allowed.sort();
        unknown.sort();
        QCOMPARE(unknown, allowed); // each word unknown to hunspell is an exception, and no more
    }

    // The editor's own language is the one the exercise program stored, or the system's. Its
    // document where the folder holds it, the English one otherwise; the viewer shows the
    // topic and its pictures, narrower than the viewer at its first size beside the scroll
    // bar, also when installed.
    void viewerOpensTheOwnLanguage_data() {
        QTest::addColumn<int>("stored"); // -1: no settings file
        QTest::addColumn<QString>("system");
        QTest::addColumn<int>("missing"); // the language whose document the folder lacks
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("opened");
        QTest::addRow("Swedish") << 1 << "en_US" << 0 << false << "Vokabrix.sv.html";
        QTest::addRow("English, installed") << 2 << "de_DE" << 0 << true << "Vokabrix.html";
        QTest::addRow("no settings, de_AT") << -1 << "de_AT" << 0 << false << "Vokabrix.de.html";
        QTest::addRow("French, installed") << 4 << "sv_SE" << 0 << true << "Vokabrix.fr.html";
        QTest::addRow("no such language") << 9 << "es_ES" << 0 << false << "Vokabrix.es.html";
        QTest::addRow("French missing, installed") << 4 << "fr_FR" << 4 << true << "Vokabrix.html";
        QTest::addRow("no settings, ja_JP") << -1 << "ja_JP" << 0 << false << "Vokabrix.html";
        QTest::addRow("never chosen") << 0 << "fr_FR" << 0 << false << "Vokabrix.fr.html";
    }
    void viewerOpensTheOwnLanguage() {
        QFETCH(int, stored);
        QFETCH(QString, system);
        QFETCH(int, missing);
        QFETCH(bool, installed);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        const ProgramFolder folder = helpFolder(dir, installed, missing);
        const QString settings = dir.filePath("VOKABRIX.INI");
        if (stored >= 0)
            writeFile(settings, QByteArray("[Languages]\nFrom=") + QByteArray::number(stored));
        HelpViewer::open(folder, editorHelpLanguage(ProfileFile(settings), QLocale(system)),
                         "frmKorsord");
        auto* viewer = qobject_cast<QTextBrowser*>(HelpViewer::window());
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        QCOMPARE(QFileInfo(viewer->source().path()).fileName(), opened);
        QVERIFY(showsTopic(*viewer, "frmKorsord"));
        for (const QString& picture : readDocument(kProgramDir + u'/' + opened).pictures) {
            const QImage image = QImage::fromData(
                viewer->loadResource(QTextDocument::ImageResource, QUrl(picture)).toByteArray());
            QVERIFY2(!image.isNull() && image.width() <= 640, qPrintable(picture));
        }
        // Maximised or on a full screen, the text keeps a column narrow enough to read.
        for (const auto& [width, column] : {std::pair{1920, 900}, {760, 760}}) {
            viewer->resize(width, 700);
            QTRY_VERIFY2(viewer->viewport()->width() <= column &&
                             viewer->viewport()->width() > column - 40,
                         qPrintable(QString::number(viewer->viewport()->width())));
        }
        viewer->close();
        // The exercise program passes a stored number of no language on as it is.
        QCOMPARE(helpFilePath(folder, 9), helpFilePath(folder, 2));
    }
};

QTEST_MAIN(TstHelp)
#include "tst_help.moc"
