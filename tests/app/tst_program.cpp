// The exercise program as the user meets it, with every window registered as in the
// program: a language file that breaks while it runs, Escape and help in every kind of
// window, the introduction after a change of language, message boxes during start-up and
// launch, and every text of every window in every own language fitting its box.
#include "apptestutil.h"

#include "app/drawnbutton.h"
#include "app/frmabout.h"
#include "app/frmfromlanguage.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "app/helpviewer.h"
#include "app/startup.h"
#include "exercises/highscores/frmhighscores.h"
#include "exercises/registry.h"
#include "words/frmdictionaries.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

using namespace vx;
using namespace vx::test;

namespace {

// The program as main() puts it together, over a test folder.
struct Program : TestApp {
    explicit Program(int words = 40) : TestApp(words) { registerExercises(ctx); }

    // Start-up with OK in the language window; the main window active.
    frmMain* start() {
        whenModal<frmFromLanguage>([](frmFromLanguage* w) { w->cmdOK->click(); });
        frmMain* main = StartVokabrix(ctx);
        if (main) {
            registerWordLists(*main);
            activate(main);
        }
        return main;
    }
    void copyFromProgramFolder(const char* name) {
        const QString target = dir.filePath(QString::fromLatin1(name));
        QFile::remove(target);
        QFile::copy(QStringLiteral(VOKABRIX_PROGRAM_DIR "/") + QString::fromLatin1(name), target);
    }
};

// The modal window that a click on one of the main window's buttons opens.
enum class Opener { OwnLanguage, About, WordLists };

void open(frmMain* main, Opener opener) {
    switch (opener) {
    case Opener::OwnLanguage:
        QTest::mouseClick(main->picFromLanguage, Qt::LeftButton);
        break;
    case Opener::About:
        QTest::mouseClick(main->cmdAbout, Qt::LeftButton);
        break;
    case Opener::WordLists:
        QTest::mouseClick(main->picDictionaries, Qt::LeftButton);
        break;
    }
}

VxWindow* visibleWindow(const QString& name) {
    for (QWidget* w : windowsNamed(name))
        if (w->isVisible())
            return qobject_cast<VxWindow*>(w);
    return nullptr;
}

// What a user cannot read in a window: a text that needs more room than its control
// has, a control that runs past the box it sits in, a text that another control covers.
bool holdsText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return !label->text().isEmpty();
    if (auto* button = qobject_cast<DrawnButton*>(w))
        return !button->caption().isEmpty();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return !button->text().isEmpty();
    return false;
}

bool isSolid(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    return holdsText(w) || qobject_cast<DrawnButton*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w) ||
           qobject_cast<QAbstractSlider*>(w);
}

QString overflow(QWidget* w, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        QRect box = label->contentsRect();
        const int m = label->margin();
        box.adjust(m, m, -m, -m);
        int flags = Qt::AlignLeft | Qt::AlignTop;
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        const QRect need = QFontMetrics(label->font())
                               .boundingRect(QRect(0, 0, box.width(), 1 << 20), flags, text);
        if (need.width() > box.width() || need.height() > box.height())
            return QStringLiteral("needs %1x%2, has %3x%4")
                .arg(need.width())
                .arg(need.height())
                .arg(box.width())
                .arg(box.height());
        return {};
    }
    if (qobject_cast<DrawnButton*>(w)) {
        // Clear of the focus frame, which is drawn 2 pixels inside the edge.
        const QFontMetrics fm(w->font());
        if (fm.horizontalAdvance(text) + 8 > w->width() || fm.height() + 4 > w->height())
            return QStringLiteral("needs %1 wide, has %2")
                .arg(fm.horizontalAdvance(text) + 8)
                .arg(w->width());
        return {};
    }
    const QSize hint = w->sizeHint();
    if (hint.width() > w->width() || hint.height() > w->height())
        return QStringLiteral("needs %1x%2").arg(hint.width()).arg(hint.height());
    return {};
}

QString shownText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<DrawnButton*>(w))
        return button->caption();
    return static_cast<QAbstractButton*>(w)->text();
}

QStringList unreadableTexts(VxWindow* window, const QString& where,
                            const std::map<QString, QString>& otherCaptions = {}) {
    QStringList faults;
    const QList<QWidget*> all = window->picHolder->findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (!w->isVisibleTo(window) || !holdsText(w) ||
            qobject_cast<QAbstractScrollArea*>(w->parentWidget()))
            continue;
        const QString id =
            QStringLiteral("%1 %2 %3").arg(where, window->objectName(), w->objectName());
        QStringList texts{shownText(w)};
        if (const auto other = otherCaptions.find(w->objectName()); other != otherCaptions.end())
            texts << other->second;
        for (const QString& text : texts) {
            const QString problem = overflow(w, text);
            if (!problem.isEmpty())
                faults << QStringLiteral("%1 \"%2\" %3").arg(id, text.left(40), problem);
        }
        if (!w->parentWidget()->rect().contains(w->geometry()))
            faults << QStringLiteral("%1 runs past its box").arg(id);
        // Only a sibling stacked above the text covers it (later children are drawn on top).
        const QObjectList siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto* other = qobject_cast<QWidget*>(siblings[i]);
            if (other && other->isVisibleTo(window) && isSolid(other) &&
                other->geometry().intersects(w->geometry()))
                faults << QStringLiteral("%1 is covered by %2").arg(id, other->objectName());
        }
    }
    return faults;
}

} // namespace

class TstProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        applyProgramFont();
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The main window reads the language file only at start-up and when the own language
    // changes: a damage is reported once, a missing file ends the program.
    void languageFileBreaksWhileRunning_data() {
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("message");
        QTest::addRow("damaged") << false << "Error reading LANG.CRP: ";
        QTest::addRow("removed")
            << true << "The file LANG.CRP was not found. Vokabrix must be reinstalled.";
    }
    void languageFileBreaksWhileRunning() {
        QFETCH(bool, removed);
        QFETCH(QString, message);
        Program app;
        frmMain* main = app.start();
        QVERIFY(main);
        const QString path = app.dir.filePath(QStringLiteral("LANG.CRP"));
        if (removed) {
            QVERIFY(QFile::remove(path));
        } else {
            QFile f(path);
            QVERIFY(f.resize(f.size() / 2 + 1));
        }
        QWidget other;
        for (int round = 0; round < 3; ++round) {
            QVERIFY(activate(&other));
            QVERIFY(activate(main));
        }
        QCOMPARE(app.reporter.messages, QStringList());

        whenModal<frmFromLanguage>([](frmFromLanguage* w) {
            QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("picFlag2")), Qt::LeftButton);
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        });
        open(main, Opener::OwnLanguage);
        QCOMPARE(app.reporter.messages.size(), 1);
        QVERIFY2(app.reporter.messages[0].startsWith(message),
                 qPrintable(app.reporter.messages[0]));
        QCOMPARE(app.quits, removed ? 1 : 0);
        if (removed)
            return;
        for (int round = 0; round < 3; ++round) {
            QVERIFY(activate(&other));
            QVERIFY(activate(main));
        }
        QCOMPARE(app.reporter.messages.size(), 1);
        QCOMPARE(int(app.ctx.settings.fromLanguage), 4);
        QVERIFY(main->cmdExit->isEnabled());
    }

    // Escape never ends the program; a window closes on it only as its Cancel or Exit.
    void escapeInEveryKindOfWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("closes");
        QTest::addRow("main window") << "frmMain" << false;
        QTest::addRow("introduction") << "frmHelp" << false;
        QTest::addRow("language window (its Cancel)") << "frmFromLanguage" << true;
        QTest::addRow("About") << "frmAbout" << false;
        QTest::addRow("word lists") << "frmDictionaries" << false;
        QTest::addRow("Quattro (its Exit)") << "frmQuattro" << true;
        QTest::addRow("Quick (its Exit)") << "frmQuick" << true;
    }
    void escapeInEveryKindOfWindow() {
        QFETCH(QString, window);
        QFETCH(bool, closes);
        Program app;
        frmMain* main = app.start();
        QVERIFY(main);
        const QString settingsBefore = settingsText(app);
        bool stillOpen = false;
        auto escape = [&stillOpen](VxWindow* w) {
            QPointer<VxWindow> window = w;
            pressKey(w, Qt::Key_Escape);
            QCoreApplication::processEvents();
            stillOpen = window && window->isVisible();
        };
        const std::map<QString, Opener> modal{{"frmFromLanguage", Opener::OwnLanguage},
                                              {"frmAbout", Opener::About},
                                              {"frmDictionaries", Opener::WordLists}};
        if (const auto found = modal.find(window); found != modal.end()) {
            whenModal<VxWindow>([&escape](VxWindow* w) {
                escape(w);
                if (w->isVisible())
                    w->close();
            });
            open(main, found->second);
            QVERIFY(main->isVisible());
        } else if (window == QLatin1String("frmMain")) {
            escape(main);
        } else {
            const int index = window == QLatin1String("frmQuick") ? 3 : 6;
            QTest::mouseClick(main->cmdExercise[index], Qt::LeftButton);
            auto* intro = qobject_cast<frmHelp*>(app.ctx.introWindow.data());
            QVERIFY(intro && intro->isVisible());
            if (window != QLatin1String("frmHelp")) {
                QTest::mouseClick(intro->cmdOK, Qt::LeftButton);
                QVERIFY(visibleWindow(window));
                QVERIFY(activate(visibleWindow(window)));
            }
            escape(visibleWindow(window) ? visibleWindow(window) : intro);
            if (closes) {
                QVERIFY(main->isVisible()); // Exit brings the main window back
                QVERIFY(!intro->isVisible());
            }
        }
        QCOMPARE(stillOpen, !closes);
        QCOMPARE(app.quits, 0);
        QCOMPARE(settingsText(app), settingsBefore);
        QCOMPARE(int(app.ctx.settings.fromLanguage), 2); // Cancel keeps the own language
        QCOMPARE(int(app.ctx.settings.toLanguage), 3);
    }

    // Help opened from a modal window comes up above it and can be scrolled and closed
    // while that window is still open.
    void helpFromEveryModalWindow_data() {
        QTest::addColumn<int>("opener");
        QTest::addColumn<bool>("helpButton");
        QTest::addRow("language window, Help button") << int(Opener::OwnLanguage) << true;
        QTest::addRow("language window, F1") << int(Opener::OwnLanguage) << false;
        QTest::addRow("About, F1") << int(Opener::About) << false;
        QTest::addRow("word lists, F1") << int(Opener::WordLists) << false;
    }
    void helpFromEveryModalWindow() {
        QFETCH(int, opener);
        QFETCH(bool, helpButton);
        Program app;
        app.copyFromProgramFolder("Vokabrix.html");
        HelpKeyFilter keys(app.ctx.folder, [] { return 2; });
        qApp->installEventFilter(&keys);
        frmMain* main = app.start();
        QVERIFY(main);
        // The viewer already open from the main window before the modal window came.
        pressKey(main, Qt::Key_F1);
        QTRY_VERIFY(HelpViewer::window() && HelpViewer::window()->isVisible());
        QVERIFY(activate(main));

        bool active = false, scrolled = false, closed = false, modalStayed = false;
        whenModal<VxWindow>([&, helpButton](VxWindow* modal) {
            if (helpButton)
                QTest::mouseClick(modal->findChild<DrawnButton*>(QStringLiteral("cmdHelp")),
                                  Qt::LeftButton);
            else
                pressKey(modal, Qt::Key_F1);
            // Escape closes and deletes the viewer: hold it by a guarded pointer.
            QPointer<QTextBrowser> viewer = qobject_cast<QTextBrowser*>(HelpViewer::window());
            active = QTest::qWaitFor([viewer] { return viewer && viewer->isActiveWindow(); });
            if (viewer) {
                QScrollBar* bar = viewer->verticalScrollBar();
                const int before = bar->value();
                QTest::keyClick(viewer->windowHandle(), Qt::Key_PageDown);
                QTest::keyClick(viewer->windowHandle(), Qt::Key_PageDown);
                scrolled = bar->value() > before;
                QTest::keyClick(viewer->windowHandle(), Qt::Key_Escape);
                closed = QTest::qWaitFor([viewer] { return !viewer || !viewer->isVisible(); });
            }
            modalStayed = modal->isVisible();
            modal->close();
        });
        open(main, Opener(opener));
        qApp->removeEventFilter(&keys);
        QVERIFY(active);
        QVERIFY(scrolled);
        QVERIFY(closed);
        QVERIFY(modalStayed);
    }

    // The introduction shows the texts of the own language in force, however it was left.
    void introductionTakesTheCurrentTexts_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("ownBefore");
        QTest::addColumn<int>("firstExercise");
        QTest::addColumn<bool>("aboutOk");
        QTest::addColumn<int>("newOption");
        QTest::addColumn<int>("newOwn");
        QTest::addRow("too few words, then French") << 10 << 2 << 2 << false << 2 << 4;
        QTest::addRow("too few words, About's OK, then Spanish") << 10 << 2 << 2 << true << 4 << 5;
        QTest::addRow("an exercise left, then English") << 40 << 1 << 6 << false << 1 << 2;
    }
    void introductionTakesTheCurrentTexts() {
        QFETCH(int, words);
        QFETCH(int, ownBefore);
        QFETCH(int, firstExercise);
        QFETCH(bool, aboutOk);
        QFETCH(int, newOption);
        QFETCH(int, newOwn);
        Program app(words);
        app.ctx.settings.fromLanguage = static_cast<qint16>(ownBefore);
        writeBytes(app.ctx.profile.path(),
                   QStringLiteral("[Languages]\nFrom=%1\nFromSub=0\n").arg(ownBefore).toLatin1());
        frmMain* main = app.start();
        QVERIFY(main);
        QTest::mouseClick(main->cmdExercise[firstExercise], Qt::LeftButton);
        QPointer<frmHelp> intro = qobject_cast<frmHelp*>(app.ctx.introWindow.data());
        QVERIFY(intro);
        if (intro->isVisible()) {
            QTest::mouseClick(intro->cmdOK, Qt::LeftButton);
            VxWindow* exercise = visibleWindow(intro->windowName);
            QVERIFY(exercise);
            QTest::mouseClick(exercise->findChild<DrawnButton*>(QStringLiteral("cmdExit")),
                              Qt::LeftButton);
        }
        QTRY_VERIFY(main->isVisible());
        QVERIFY(!intro || !intro->isVisible());
        QVERIFY(activate(main));
        if (aboutOk) {
            whenModal<frmAbout>([](frmAbout* w) { QTest::mouseClick(w->cmdOK, Qt::LeftButton); });
            open(main, Opener::About);
            QTRY_VERIFY(!intro); // About's OK closes the loaded introduction too
        }
        whenModal<frmFromLanguage>([newOption](frmFromLanguage* w) {
            QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("picFlag%1").arg(newOption)),
                              Qt::LeftButton);
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        });
        open(main, Opener::OwnLanguage);
        QCOMPARE(int(app.ctx.settings.fromLanguage), newOwn);
        QVERIFY(activate(main));
        QTest::mouseClick(main->cmdExercise[1], Qt::LeftButton);
        intro = qobject_cast<frmHelp*>(app.ctx.introWindow.data());
        QVERIFY(intro && intro->isVisible());
        QCOMPARE(intro->windowTitle(), QStringLiteral("T21/%1").arg(newOwn));
        QCOMPARE(intro->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("T20/%1").arg(newOwn));
        QCOMPARE(intro->Label1->text(), QStringLiteral("T62/%1").arg(newOwn));
    }

    // Only the language window, the word lists and the high scores keep their size in
    // full-screen mode.
    void fullScreenMaximisesAllButThree_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("maximised");
        QTest::addRow("main window") << "frmMain" << true;
        QTest::addRow("introduction") << "frmHelp" << true;
        QTest::addRow("About") << "frmAbout" << true;
        QTest::addRow("Quattro") << "frmQuattro" << true;
        QTest::addRow("language window") << "frmFromLanguage" << false;
        QTest::addRow("word lists") << "frmDictionaries" << false;
        QTest::addRow("high scores") << "frmHighScores" << false;
    }
    void fullScreenMaximisesAllButThree() {
        QFETCH(QString, window);
        QFETCH(bool, maximised);
        Program app;
        app.ctx.settings.fullScreen = true;
        frmMain main(app.ctx);
        VxWindow* w = nullptr;
        if (window == QLatin1String("frmMain"))
            w = &main;
        else if (window == QLatin1String("frmHelp"))
            w = new frmHelp(app.ctx);
        else if (window == QLatin1String("frmAbout"))
            w = new frmAbout(app.ctx);
        else if (window == QLatin1String("frmQuattro"))
            w = qobject_cast<VxWindow*>(app.ctx.exercises[Exercise::Quattro].create(app.ctx));
        else if (window == QLatin1String("frmFromLanguage"))
            w = new frmFromLanguage(app.ctx);
        else if (window == QLatin1String("frmDictionaries"))
            w = new frmDictionaries(app.ctx);
        else
            w = new frmHighScores(app.ctx);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(bool(w->windowState() & Qt::WindowMaximized), maximised);
        QTRY_COMPARE(w->picHolder->x(), (w->width() - w->picHolder->width()) / 2);
    }

    // Messages during start-up and launch are read with the normal pointer.
    void messagesOfStartAndLaunchHaveTheNormalPointer_data() {
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<QString>("message");
        QTest::addRow("start-up, damaged language file") << true << "Error reading LANG.CRP: ";
        QTest::addRow("launch, too few words") << false << "Too few words in the dictionary";
    }
    void messagesOfStartAndLaunchHaveTheNormalPointer() {
        QFETCH(bool, atStart);
        QFETCH(QString, message);
        Program app(atStart ? 40 : 10);
        MessageBoxReporter boxes;
        app.ctx.reporter = &boxes;
        // Every box is answered, so that a second one shows up in the count.
        QStringList shown;
        bool hourglass = false;
        QObject answering;
        std::function<void(QMessageBox*)> answer = [&](QMessageBox* box) {
            shown << box->text();
            hourglass = hourglass || QApplication::overrideCursor() != nullptr;
            whenModal<QMessageBox>(answer, &answering);
            box->button(QMessageBox::Ok)->click();
        };
        frmMain* main = nullptr;
        if (atStart) {
            QFile f(app.dir.filePath(QStringLiteral("LANG.CRP")));
            QVERIFY(f.resize(f.size() / 2 + 1));
            whenModal<frmFromLanguage>([&](frmFromLanguage* w) {
                w->cmdOK->click();
                whenModal<QMessageBox>(answer, &answering);
            });
            main = StartVokabrix(app.ctx);
        } else {
            main = app.start();
            whenModal<QMessageBox>(answer, &answering);
            QTest::mouseClick(main->cmdExercise[2], Qt::LeftButton);
        }
        QVERIFY(main);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(message), qPrintable(shown[0]));
        QVERIFY(!hourglass);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(main->isVisible());
    }

    // Every text of every window, in every own language, fits its box and is not covered.
    void everyTextFitsItsBox_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("variant");
        QTest::addRow("Swedish") << 1 << 0;
        QTest::addRow("English") << 2 << 1;
        QTest::addRow("German") << 3 << 0;
        QTest::addRow("French") << 4 << 0;
        QTest::addRow("Spanish") << 5 << 0;
    }
    void everyTextFitsItsBox() {
        QFETCH(int, language);
        QFETCH(int, variant);
        Program app;
        app.copyFromProgramFolder("LANG.CRP");
        writeDictionary(
            app.dir.filePath(QStringLiteral("Ein sehr langer Name einer eigenen Wortliste.dct")), 3,
            false);
        app.ctx.settings.fromLanguage = static_cast<qint16>(language);
        app.ctx.settings.fromSub = static_cast<qint16>(variant);
        app.ctx.settings.toLanguage = language == 3 ? 4 : 3;
        QCOMPARE(ReadLanguageFile(app.ctx.folder, language, app.ctx.texts, app.reporter),
                 LanguageFileResult::Read);
        QStringList faults;
        auto check = [&faults](VxWindow* w, const QString& where = {},
                               const std::map<QString, QString>& other = {}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            faults << unreadableTexts(w, where, other);
        };

        frmMain main(app.ctx);
        main.LayoutLanguageChoice();
        check(&main);
        frmHelp intro(app.ctx);
        for (int index = 1; index <= 7; ++index) {
            const ExerciseInfo* info = exerciseInfo(index);
            intro.ShowIntro(exerciseTitle(*info, app.ctx.texts), info->window, 0,
                            exerciseInstructions(info->exercise, app.ctx.texts));
            check(&intro, QString::fromLatin1(info->window),
                  {{"cmdOK", StripAmpersands(app.ctx.texts.text(50))}});
        }
        frmFromLanguage own(app.ctx);
        check(&own);
        frmDictionaries lists(app.ctx);
        check(&lists);
        for (int bits : {24, 8}) {
            app.ctx.settings.screenColorBits = static_cast<qint16>(bits);
            frmAbout about(app.ctx);
            check(&about, QStringLiteral("%1 bits").arg(bits));
        }
        for (auto& [exercise, entry] : app.ctx.exercises) {
            if (entry.beforeIntro)
                entry.beforeIntro(app.ctx);
            QWidget* w = entry.create(app.ctx);
            check(qobject_cast<VxWindow*>(w));
            delete w;
        }
        frmHighScores scores(app.ctx);
        check(&scores);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TstProgram)
#include "tst_program.moc"
