// The exercise program as the user meets it, with every window registered as in the
// program: start-up and exit, the language window and the choice of languages, drawn
// buttons, About, the introduction, a language file that breaks while it runs, Escape, full
// screen and help in every kind of window, message boxes with the normal pointer, and every
// text of every window in every own language fitting its box.
#include "common/modalbox.h"
#include "program.h"

#include "app/helpviewer.h"

#include <QAbstractScrollArea>
#include <QDebug>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBrowser>

using namespace vx;
using namespace vx::test;

namespace {

// What a user cannot read in a window once shown: a text that needs more room than its control has,
// a control that runs past the box it sits in, a text that a sibling stacked above it covers.
QStringList unreadableTexts(VxWindow* window, const QString& okCaption = {}) {
    window->show();
    QStringList faults;
    if (!QTest::qWaitForWindowExposed(window))
        faults << window->objectName() + QStringLiteral(" is not shown");
    for (QWidget* w : window->picHolder->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* drawn = qobject_cast<DrawnButton*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        const QString shown = label    ? label->text()
                              : drawn  ? drawn->caption()
                              : button ? button->text()
                                       : QString();
        if (!w->isVisibleTo(window) || shown.isEmpty() ||
            qobject_cast<QAbstractScrollArea*>(w->parentWidget()))
            continue;
        const QString id = window->objectName() + u' ' + w->objectName();
        // The introduction's OK also shows a second caption.
        for (const QString& text : {shown, w->objectName() == "cmdOK" ? okCaption : QString()}) {
            // A drawn caption stays clear of the focus frame, drawn 2 pixels inside the edge.
            const int m = label ? label->margin() : 0;
            const QSize room =
                label ? label->contentsRect().adjusted(m, m, -m, -m).size() : w->size();
            const int wrap = label && label->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect bounds(0, 0, room.width(), 1 << 20);
            const QSize need =
                label || drawn ? QFontMetrics(w->font()).boundingRect(bounds, wrap, text).size() +
                                     (drawn ? QSize(8, 4) : QSize())
                               : w->sizeHint();
            if (need.width() > room.width() || need.height() > room.height())
                QDebug(&faults.emplace_back(id)) << text.left(40) << "needs" << need << room;
        }
        if (!w->parentWidget()->rect().contains(w->geometry()))
            faults << id + QStringLiteral(" runs past its box");
        const QObjectList siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto* other = qobject_cast<QWidget*>(siblings[i]);
            auto* above = qobject_cast<QLabel*>(other);
            // Any control covers; a bare box and an empty label do not.
            const bool solid = above ? !above->text().isEmpty() || !above->pixmap().isNull()
                                     : other && other->metaObject() != &QWidget::staticMetaObject;
            if (solid && other->isVisibleTo(window) && other->geometry().intersects(w->geometry()))
                faults << id + QStringLiteral(" is covered by ") + other->objectName();
        }
    }
    return faults;
}

void clickFlag(QWidget* languageWindow, int option) {
    QTest::mouseClick(languageWindow->findChild<QWidget*>(QStringLiteral("picFlag%1").arg(option)),
                      Qt::LeftButton);
}

constexpr int Cancel = 0, Exit = 1, CloseBox = 2;
constexpr int NoHelp = 0, HelpButton = 1, F1 = 2;

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

    // Start-up over the languages the user left (";" for a line break): the own
    // language preselected by its flag key, OK taking a choice and never "no language", the
    // practised language in force however it was stored. Exit writes the settings, the close
    // box and Cancel nothing.
    void startAndEnd_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("preselected");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QList<int>>("inForce"); // own language, its variant, practised
        QTest::addColumn<int>("end");
        const QList<int> firstStart{2, 1, 3};
        QTest::addRow("first start, Cancel") << "" << 0 << -1 << firstStart << Cancel;
        QTest::addRow("first start, Exit") << "" << 0 << -1 << firstStart << Exit;
        QTest::addRow("first start, close box") << "" << 0 << -1 << firstStart << CloseBox;
        QTest::addRow("corrected")
            << "From=-1;To=0;[Misc];ColorScheme=0;FullScreen=5" << 0 << -1 << firstStart << Exit;
        QTest::addRow("British") << "From=2;FromSub=0" << 1 << -1 << QList{2, 0, 3} << Exit;
        QTest::addRow("Swedish") << "From=1;To=4" << 5 << -1 << QList{1, 0, 4} << Exit;
        QTest::addRow("French") << "From=4" << 2 << -1 << QList{4, 0, 3} << Exit;
        QTest::addRow("Spanish") << "From=5" << 4 << -1 << QList{5, 0, 3} << Exit;
        QTest::addRow("British chosen") << "From=2;FromSub=1" << 0 << 1 << QList{2, 0, 3} << Exit;
        QTest::addRow("From=7, German chosen")
            << "From=7;To=2" << -1 << 3 << QList{3, 0, 2} << Exit;
        QTest::addRow("English, To=7")
            << "From=2;FromSub=0;To=7" << 1 << -1 << QList{2, 0, 3} << Exit;
        QTest::addRow("German, To=7") << "From=3;To=7" << 3 << -1 << QList{3, 0, 4} << Exit;
        QTest::addRow("Swedish, To=-4") << "From=1;To=-4" << 5 << -1 << QList{1, 0, 3} << Exit;
    }
    void startAndEnd() {
        QFETCH(QString, settings);
        QFETCH(int, preselected);
        QFETCH(int, chosen);
        QFETCH(QList<int>, inForce);
        QFETCH(int, end);
        const int from = inForce[0], to = inForce[2];
        Program app;
        const QString stored = QStringLiteral("[Languages];%1").arg(settings).replace(u';', u'\n');
        writeFile(app.ctx.profile.path(), stored.toLatin1());
        qsizetype checked = -1; // the option checked first, 6 for none
        bool okRefused = true;
        frmMain* main = app.start([&](frmFromLanguage* w) {
            checked = std::ranges::find_if(w->optLanguage, &QRadioButton::isChecked) -
                      w->optLanguage.begin();
            if (preselected < 0) {
                w->cmdOK->click();
                okRefused = w->isVisible();
            }
            if (chosen >= 0)
                clickFlag(w, chosen);
            QTest::mouseClick(end == Cancel ? w->cmdCancel : w->cmdOK, Qt::LeftButton);
        });
        QCOMPARE(checked, preselected < 0 ? 6 : preselected);
        QVERIFY(okRefused);
        if (end == Cancel) {
            QCOMPARE(main, nullptr);
            QCOMPARE(settingsText(app), stored);
            return;
        }
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->isMaximized(), settings.contains("FullScreen"));
        QCOMPARE(QList<int>({app.ctx.settings.fromLanguage, app.ctx.settings.fromSub,
                             app.ctx.settings.toLanguage}),
                 inForce);
        for (int code = 1; code <= 5; ++code)
            QCOMPARE(main->optLanguage[code]->isChecked(), code == to);
        QVERIFY(main->imgFlag[from]->isHidden());
        QCOMPARE(main->cmdExercise[7]->isEnabled(), to != 2); // no Genus for English
        QCOMPARE(main->cmdExercise[1]->caption(), QStringLiteral("Worm%1").arg(from)); // no "&"
        QCOMPARE(main->windowTitle(), QStringLiteral("T8/%1").arg(from));
        const QString before = settingsText(app);
        QVERIFY(before.contains("SeenWarranty=1"));
        end == Exit ? main->exitProgram() : void(main->close());
        QCOMPARE(app.quits, 1);
        const QString text = settingsText(app);
        for (const QString& line :
             {QStringLiteral("From= %1").arg(from), QStringLiteral("FromSub= %1").arg(inForce[1]),
              QStringLiteral("To= %1").arg(to), QStringLiteral("ColorScheme= 1")})
            QVERIFY2(end == CloseBox ? text == before : text.contains(line + "\r\n"),
                     qPrintable(text));
    }

    // Lines at the top and bottom, at the sides only below 200 pixels; Enter and Space
    // click an enabled button; a disabled one has a grey caption.
    void drawnButton() {
        const QColor light(255, 255, 255), dark(150, 150, 150);
        DrawnButton::setFace(QPixmap());
        for (int width : {199, 200}) {
            DrawnButton b;
            b.resize(width, 40);
            b.draw(QStringLiteral("HHHH"));
            int clicks = 0;
            connect(&b, &DrawnButton::clicked, [&clicks] { ++clicks; });
            for (bool enabled : {true, false}) {
                b.setEnabled(enabled);
                const QImage image = b.grab().toImage();
                QCOMPARE(image.pixelColor(width / 2, 0), light);
                QCOMPARE(image.pixelColor(width / 2, 39), dark);
                QCOMPARE(image.pixelColor(width - 1, 20) == dark, width < 200);
                QCOMPARE(image.pixelColor(0, 20) == light, width < 200);
                QMap<QRgb, int> caption; // the colours of the caption's pixels
                for (int y = 5; y < 35; ++y)
                    for (int x = 10; x < 150; ++x)
                        ++caption[image.pixel(x, y)];
                QCOMPARE(caption.value(qRgb(0, 0, 0)) > 20, enabled);
                QCOMPARE(caption.value(qRgb(160, 160, 160)) > 20, !enabled);
                for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_A})
                    QTest::keyClick(&b, key);
            }
            QCOMPARE(clicks, 2);
        }
    }

    // A message shown during long work has the normal pointer; the hourglass comes back.
    void messagesAreNeverUnderTheHourglass() {
        auto outer = std::make_unique<WaitCursor>(), inner = std::make_unique<WaitCursor>();
        auto seen = std::make_shared<SeenBox>();
        answerNextBox(QMessageBox::Ok, seen);
        showMessage(QStringLiteral("Vokabrix"), QStringLiteral("Text"));
        QVERIFY(seen->count == 1 && seen->normalPointer);
        inner.reset();
        QVERIFY(QApplication::overrideCursor());
        outer.reset();
        QVERIFY(!QApplication::overrideCursor());
    }

    // A session in steps from a first start. Each message is shown once, with the normal pointer,
    // in the step that causes it: the language file is read at start-up and when the own language
    // changes, never when windows are switched, and a missing file ends the program. The
    // introduction last opened has the texts of the own language in force, however the
    // exercise before was left; the main window is hidden while it is up.
    void session_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("message"); // the step showing it, and how it starts
        QTest::addColumn<int>("ownAfter");
        QTest::addColumn<QString>("title"); // of the introduction last opened
        const QString damaged = "Error reading LANG.CRP: ",
                      few = "1 Too few words in the dictionary";
        QTest::addRow("damaged at start-up") << 40 << "damage,start"
                                             << "1 " + damaged << 2 << "";
        QTest::addRow("damaged while running") << 40 << "start,damage,switch,own 2,switch"
                                               << "3 " + damaged << 4 << "";
        QTest::addRow("removed while running")
            << 40 << "start,remove,switch,own 2"
            << "3 The file LANG.CRP was not found. Vokabrix must be reinstalled." << 4 << "";
        QTest::addRow("too few words, then French")
            << 10 << "start,launch 2,own 2,launch 1" << few << 4 << "T62/4";
        QTest::addRow("too few words, About's OK, then Spanish")
            << 10 << "start,launch 2,about,own 4,launch 1" << few << 5 << "T62/5";
        QTest::addRow("an exercise left, then English")
            << 40 << "start,flags,own 0,own 5,launch 6,play,own 1,launch 3"
            << "" << 2 << "T E M P O";
    }
    void session() {
        QFETCH(int, words);
        QFETCH(QString, script);
        QFETCH(QString, message);
        QFETCH(int, ownAfter);
        QFETCH(QString, title);
        Program app(words); // first start: English
        MessageBoxReporter boxes;
        app.ctx.reporter = &boxes;
        // Every box is answered, so that a second one shows up too.
        QStringList shown;
        const QStringList steps = script.split(u',');
        qsizetype step = 0;
        bool hourglass = false;
        QObject answering;
        std::function<void(QMessageBox*)> answer = [&](QMessageBox* box) {
            shown << QStringLiteral("%1 %2").arg(step).arg(box->text());
            hourglass = hourglass || QApplication::overrideCursor();
            whenModal<QMessageBox>(answer, &answering);
            box->button(QMessageBox::Ok)->click();
        };
        whenModal<QMessageBox>(answer, &answering);
        QFile file(app.dir.filePath("LANG.CRP"));
        QWidget other; // nameless, as menus are: an introduction that gave up must not delete it
        QPointer<frmHelp> intro;
        for (; step < steps.size(); ++step) {
            const QString what = steps[step].section(u' ', 0, 0);
            const int n = steps[step].section(u' ', 1).toInt();
            if (what == "own" || what == "about" || what == "launch") {
                QTRY_VERIFY(app.main->isVisible());
                QVERIFY((!intro || !intro->isVisible()) && activate(app.main));
            }
            if (what == "damage" || what == "remove")
                QVERIFY(what == "remove" ? file.remove() : file.resize(file.size() / 2 + 1));
            if (what == "start")
                QVERIFY(app.start());
            for (int round = 0; what == "switch" && round < 3; ++round)
                QVERIFY(activate(&other) && activate(app.main));
            if (what == "flags") {
                // A click on the practised language in force (German) keeps the word store,
                // another empties it. A key pressed and released in the flag strip moves on,
                // skipping the own language; the release of a key pressed elsewhere (Enter on
                // the language window's OK) does not.
                app.ctx.store.wordCount = 40;
                app.main->optLanguage[3]->click();
                QCOMPARE(app.ctx.store.wordCount, 40);
                app.main->optLanguage[1]->click();
                QCOMPARE(app.ctx.store.wordCount, 0);
                QTest::keyClick(app.main->picFlags, Qt::Key_Right);
                QTest::keyRelease(app.main->picFlags, Qt::Key_Return);
                QCOMPARE(int(app.ctx.settings.toLanguage), 3);
            }
            if (what == "own") { // its OK empties the word store, also when the language stays
                app.ctx.store.wordCount = 12;
                app.reach("frmFromLanguage", [n](VxWindow* w) {
                    clickFlag(w, n);
                    static_cast<frmFromLanguage*>(w)->cmdOK->click();
                });
                QCOMPARE(app.ctx.store.wordCount, 0);
            }
            if (what == "launch") {
                QTest::mouseClick(app.main->cmdExercise[n], Qt::LeftButton);
                intro = qobject_cast<frmHelp*>(app.ctx.introWindow.data());
            }
            if (what == "play") { // the introduction's OK, then the exercise's Exit
                QTest::mouseClick(intro->cmdOK, Qt::LeftButton);
                QTest::mouseClick(
                    windowsNamed(intro->windowName)[0]->findChild<DrawnButton*>("cmdExit"),
                    Qt::LeftButton);
            }
            if (what == "about") {
                // About shows the read-me; its OK applies the colour scheme and full screen
                // and closes every other window, the loaded introduction too.
                writeFile(app.dir.filePath("README.TXT"), "first\r\nsecond\r\n");
                const qint64 picture = app.ctx.mainPicture.cacheKey();
                app.reach("frmAbout", [](VxWindow* w) {
                    auto* about = static_cast<frmAbout*>(w);
                    QCOMPARE(about->txtReadme->toPlainText(), QStringLiteral("\nfirst\nsecond"));
                    QTest::mouseClick(about->optColor[3], Qt::LeftButton);
                    QTest::mouseClick(about->chkFullScreen, Qt::LeftButton);
                    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
                });
                QTRY_VERIFY(!intro);
                QVERIFY(app.ctx.settings.colorScheme == 3 && app.ctx.settings.fullScreen);
                QVERIFY(app.ctx.mainPicture.cacheKey() != picture);
                QCOMPARE(app.main->picHolder->picture().cacheKey(), app.ctx.mainPicture.cacheKey());
            }
        }
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        QVERIFY2(message.isEmpty() || shown[0].startsWith(message), qPrintable(shown.value(0)));
        QVERIFY(!hourglass && !QApplication::overrideCursor());
        QCOMPARE(app.quits, int(steps.contains("remove")));
        QCOMPARE(int(app.ctx.settings.fromLanguage), ownAfter);
        QVERIFY(app.main->isVisible() == title.isEmpty() && app.main->cmdExit->isEnabled());
        if (!title.isEmpty()) {
            QVERIFY(intro && intro->isVisible());
            QCOMPARE(intro->Label1->text(), title);
            QCOMPARE(intro->findChild<QLabel*>("Label2")->text(),
                     QStringLiteral("T20/%1").arg(ownAfter));
            QCOMPARE(intro->windowTitle(), QStringLiteral("T21/%1").arg(ownAfter));
            intro->close();
            QVERIFY(app.main->isVisible());
        }
    }

    // In full-screen mode every window but three is maximised, its content centred. Help
    // comes up above each at its topic, scrolls and closes on Escape, the window staying;
    // Escape never ends the program, and closes a window only as its Cancel or Exit.
    void everyKindOfWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("help");
        QTest::addRow("main window") << "frmMain" << true << false << F1;
        QTest::addRow("introduction") << "frmHelp" << true << false << F1;
        QTest::addRow("language window (its Cancel)")
            << "frmFromLanguage" << false << true << HelpButton;
        QTest::addRow("About") << "frmAbout" << true << false << F1;
        QTest::addRow("word lists") << "frmDictionaries" << false << false << F1;
        QTest::addRow("Quick (its Exit)") << "frmQuick" << true << true << F1;
        QTest::addRow("high scores") << "frmHighScores" << false << false << NoHelp;
    }
    void everyKindOfWindow() {
        QFETCH(QString, window);
        QFETCH(bool, maximised);
        QFETCH(bool, closes);
        QFETCH(int, help);
        Program app;
        app.copyFromProgramFolder("Vokabrix.html");
        writeFile(app.ctx.profile.path(), "[Misc]\nFullScreen=1\n");
        HelpKeyFilter keys(app.ctx.folder, [] { return 2; });
        qApp->installEventFilter(&keys);
        QVERIFY(app.start());
        // The viewer is already open from the main window when the window comes.
        pressKey(app.main, Qt::Key_F1);
        QTRY_VERIFY(HelpViewer::window() && HelpViewer::window()->isVisible());
        QVERIFY(activate(app.main));
        const QString settingsBefore = settingsText(app);
        int open = -1; // whether the window stays open on Escape
        app.reach(window, [&](VxWindow* w) {
            QVERIFY(activate(w));
            QCOMPARE(w->objectName(), window);
            QCOMPARE(bool(w->windowState() & Qt::WindowMaximized), maximised);
            QTRY_COMPARE(w->picHolder->x(), (w->width() - w->picHolder->width()) / 2);
            if (help != NoHelp) {
                help == F1
                    ? pressKey(w, Qt::Key_F1)
                    : QTest::mouseClick(w->findChild<DrawnButton*>("cmdHelp"), Qt::LeftButton);
                QPointer<QTextBrowser> viewer = qobject_cast<QTextBrowser*>(HelpViewer::window());
                QTRY_COMPARE(viewer->source().fragment(), window);
                QTRY_VERIFY(viewer->isActiveWindow());
                const QScrollBar* bar = viewer->verticalScrollBar();
                const int at = bar->value();
                QTest::keyClick(viewer->windowHandle(),
                                at < bar->maximum() ? Qt::Key_PageDown : Qt::Key_PageUp);
                QVERIFY(bar->value() != at);
                QTest::keyClick(viewer->windowHandle(), Qt::Key_Escape);
                QTRY_VERIFY(!viewer || !viewer->isVisible());
                QVERIFY(w->isVisible());
            }
            QPointer<VxWindow> shown = w;
            pressKey(w, Qt::Key_Escape);
            QCoreApplication::processEvents();
            open = shown && shown->isVisible();
        });
        qApp->removeEventFilter(&keys);
        QCOMPARE(open, int(!closes));
        QCOMPARE(app.quits, 0);
        QCOMPARE(settingsText(app), settingsBefore);
        QCOMPARE(int(app.ctx.settings.fromLanguage), 2); // Cancel keeps the own language
    }

    // Every text of every window, in every own language, fits its box and is not covered.
    void everyTextFitsItsBox_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 5; ++language)
            QTest::addRow("%d", language) << language;
    }
    void everyTextFitsItsBox() {
        QFETCH(int, language);
        Program app;
        app.copyFromProgramFolder("LANG.CRP");
        writeDictionary(app.dir.filePath("Ein sehr langer Name einer eigenen Wortliste.dct"), 3,
                        false);
        app.ctx.settings.fromLanguage = static_cast<qint16>(language);
        app.ctx.settings.fromSub = language == 2; // American English
        app.ctx.settings.toLanguage = language == 3 ? 4 : 3;
        QCOMPARE(ReadLanguageFile(app.ctx.folder, language, app.ctx.texts, app.reporter),
                 LanguageFileResult::Read);
        QStringList faults;
        frmMain main(app.ctx);
        main.LayoutLanguageChoice();
        frmFromLanguage own(app.ctx);
        frmDictionaries lists(app.ctx);
        faults << unreadableTexts(&main) << unreadableTexts(&own) << unreadableTexts(&lists);
        frmHelp intro(app.ctx);
        for (int index = 1; index <= 7; ++index) {
            const ExerciseInfo* info = exerciseInfo(index);
            intro.ShowIntro(exerciseTitle(*info, app.ctx.texts), info->window, 0,
                            exerciseInstructions(info->exercise, app.ctx.texts));
            faults << unreadableTexts(&intro, StripAmpersands(app.ctx.texts.text(50)));
        }
        // On a palette screen the colour choice is hidden and the read-me grows into its
        // place; OK keeps the scheme.
        app.ctx.settings.colorScheme = 2;
        QRect readme;
        for (int bits : {24, 8}) {
            app.ctx.settings.screenColorBits = static_cast<qint16>(bits);
            frmAbout about(app.ctx);
            faults << unreadableTexts(&about);
            QCOMPARE(about.picColorScheme->isVisible(), bits > 8);
            QVERIFY(bits > 8 || (about.txtReadme->height() > readme.height() &&
                                 about.txtReadme->width() == readme.width()));
            readme = about.txtReadme->geometry();
            about.ok();
            QCOMPARE(app.ctx.settings.colorScheme, 2);
        }
        for (auto& [exercise, entry] : app.ctx.exercises) {
            if (entry.beforeIntro)
                entry.beforeIntro(app.ctx);
            std::unique_ptr<QWidget> w(entry.create(app.ctx));
            faults << unreadableTexts(qobject_cast<VxWindow*>(w.get()));
        }
        frmHighScores scores(app.ctx); // after About, whose OK closes it
        faults << unreadableTexts(&scores);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TstProgram)
#include "tst_program.moc"
