// The application frame in windows, on the offscreen platform: start-up and exit, the
// language window, the main window's language choice, drawn buttons, layout, About and
// the introduction's word check.
#include "apptestutil.h"

#include "app/drawnbutton.h"
#include "app/frmabout.h"
#include "app/frmfromlanguage.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "app/startup.h"

#include <QStandardPaths>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

void clickModalButton(const char* name) {
    onNextModal([name](QWidget* modal) {
        if (auto* b = modal->findChild<DrawnButton*>(QString::fromLatin1(name)))
            b->click();
    });
}

int countPixels(const QImage& image, QRect area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

class TstFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
    }

    // A message shown during long work has the normal pointer; the hourglass comes back.
    void messagesAreNeverUnderTheHourglass() {
        WaitCursor outer;
        WaitCursor inner;
        bool normalWhileShown = false;
        onNextModal([&normalWhileShown](QWidget* modal) {
            normalWhileShown = QApplication::overrideCursor() == nullptr;
            static_cast<QDialog*>(modal)->accept();
        });
        showMessage(QStringLiteral("Vokabrix"), QStringLiteral("Text"));
        QVERIFY(normalWhileShown);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void cancelAtStartEndsBeforeTheMainWindow() {
        TestApp app;
        clickModalButton("cmdCancel");
        QCOMPARE(StartVokabrix(app.ctx), nullptr);
        QVERIFY(!app.ctx.mainWindow);
        QVERIFY(settingsText(app).isEmpty());
    }

    void firstStartThenExitWritesTheSettings() {
        TestApp app;
        clickModalButton("cmdOK");
        frmMain* main = StartVokabrix(app.ctx);
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QCOMPARE(int(app.ctx.settings.fromLanguage), 2);
        QCOMPARE(int(app.ctx.settings.fromSub), 1);
        QCOMPARE(int(app.ctx.settings.toLanguage), 3);
        QCOMPARE(app.ctx.texts.text(7), QStringLiteral("T7/2"));
        QCOMPARE(main->cmdExit->caption(), QStringLiteral("T7/2"));
        QVERIFY(settingsText(app).contains("SeenWarranty=1"));
        main->exitProgram();
        QCOMPARE(app.quits, 1);
        const QString text = settingsText(app);
        QVERIFY2(text.contains("From= 2\r\nFromSub= 1\r\nTo= 3"), qPrintable(text));
        QVERIFY(text.contains("ColorScheme= 1\r\n"));
        QVERIFY(text.contains("FullScreen=0\r\n"));
    }

    void closeBoxWritesNothing() {
        TestApp app;
        clickModalButton("cmdOK");
        frmMain* main = StartVokabrix(app.ctx);
        QVERIFY(main);
        const QString before = settingsText(app);
        main->close();
        QCOMPARE(app.quits, 1);
        QCOMPARE(settingsText(app), before);
        QVERIFY(!before.contains("From="));
    }

    void startUpCorrectionsReachTheWindows() {
        TestApp app;
        writeBytes(app.ctx.profile.path(), "[Misc]\nColorScheme=0\nFullScreen=5\n[Languages]\nFrom=-1\nFromSub=0\nTo=0\n");
        clickModalButton("cmdOK");
        frmMain* main = StartVokabrix(app.ctx);
        QVERIFY(main);
        QCOMPARE(app.ctx.settings.colorScheme, 1);
        QVERIFY(app.ctx.settings.fullScreen);
        QVERIFY(main->windowState() & Qt::WindowMaximized);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QCOMPARE(int(app.ctx.fromFlagKey()), 12); // American English preselected and kept
        QVERIFY(main->optLanguage[3]->isChecked());
        QVERIFY(main->imgFlag[2]->isHidden());
        main->exitProgram();
        QVERIFY(settingsText(app).contains("FullScreen=1"));
    }

    // The stored own language is preselected by its flag key; OK takes the option chosen
    // and never "no language".
    void languageWindowPreselectsByFlagKey_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("sub");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("flagClicked");
        QTest::addColumn<int>("newFrom");
        QTest::addColumn<int>("newSub");
        QTest::addRow("American") << 2 << 1 << 0 << -1 << 2 << 1;
        QTest::addRow("British") << 2 << 0 << 1 << -1 << 2 << 0;
        QTest::addRow("French") << 4 << 0 << 2 << -1 << 4 << 0;
        QTest::addRow("German") << 3 << 0 << 3 << -1 << 3 << 0;
        QTest::addRow("Spanish") << 5 << 0 << 4 << -1 << 5 << 0;
        QTest::addRow("Swedish") << 1 << 0 << 5 << -1 << 1 << 0;
        QTest::addRow("American, then British chosen") << 2 << 1 << 0 << 1 << 2 << 0;
        QTest::addRow("unknown 7, then German chosen") << 7 << 0 << -1 << 3 << 3 << 0;
        QTest::addRow("British variant 5, then Swedish chosen") << 2 << 5 << -1 << 5 << 1 << 0;
    }
    void languageWindowPreselectsByFlagKey() {
        QFETCH(int, from);
        QFETCH(int, sub);
        QFETCH(int, option);
        QFETCH(int, flagClicked);
        QFETCH(int, newFrom);
        QFETCH(int, newSub);
        TestApp app;
        app.ctx.settings.fromLanguage = static_cast<qint16>(from);
        app.ctx.settings.fromSub = static_cast<qint16>(sub);
        frmFromLanguage w(app.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(w.optLanguage[i]->isChecked(), i == option);
        if (option < 0) {
            QTest::mouseClick(w.cmdOK, Qt::LeftButton); // nothing chosen: OK does nothing
            QVERIFY(w.isVisible());
            QCOMPARE(int(app.ctx.settings.fromLanguage), from);
        }
        if (flagClicked >= 0)
            QTest::mouseClick(w.findChild<QWidget*>(QStringLiteral("picFlag%1").arg(flagClicked)),
                              Qt::LeftButton);
        // OK empties the word store, also when the language stays the same.
        app.ctx.store.wordCount = 12;
        QTest::mouseClick(w.cmdOK, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.cancelled());
        QCOMPARE(app.ctx.store.wordCount, 0);
        QCOMPARE(int(app.ctx.settings.fromLanguage), newFrom);
        QCOMPARE(int(app.ctx.settings.fromSub), newSub);
    }

    // A practised language outside 1..5 in the settings file: the flag ticked is the
    // language in force.
    void practisedLanguageOutOfRange_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("inForce");
        QTest::addRow("own English, To=7") << 2 << 7 << 3;
        QTest::addRow("own German, To=7") << 3 << 7 << 4;
        QTest::addRow("own Swedish, To=-4") << 1 << -4 << 3;
    }
    void practisedLanguageOutOfRange() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, inForce);
        TestApp app;
        writeBytes(app.ctx.profile.path(),
                   QStringLiteral("[Languages]\nFrom=%1\nFromSub=0\nTo=%2\n")
                       .arg(from)
                       .arg(to)
                       .toLatin1());
        clickModalButton("cmdOK");
        frmMain* main = StartVokabrix(app.ctx);
        QVERIFY(main);
        QVERIFY(activate(main));
        QCOMPARE(int(app.ctx.settings.toLanguage), inForce);
        for (int code = 1; code <= 5; ++code)
            QCOMPARE(main->optLanguage[code]->isChecked(), code == inForce);
        QVERIFY(main->cmdExercise[7]->isEnabled());
    }

    void practisedLanguageChoice() {
        TestApp app;
        app.ctx.settings.fromLanguage = 1;
        app.ctx.settings.fromSub = 0;
        app.ctx.settings.toLanguage = 5;
        frmMain main(app.ctx);
        main.LayoutLanguageChoice();
        main.show();
        main.activateWindow();
        app.ctx.store.wordCount = 40;
        main.optLanguage[5]->click(); // the language already practised keeps the store
        QCOMPARE(app.ctx.store.wordCount, 40);
        main.optLanguage[2]->click();
        QCOMPARE(app.ctx.store.wordCount, 0);
        QVERIFY(!main.cmdExercise[7]->isEnabled()); // no Genus for English
        main.optLanguage[4]->click();
        QVERIFY(main.cmdExercise[7]->isEnabled());
        // A key pressed and released in the flag strip cycles on, skipping the own language;
        // the release of a key pressed elsewhere (Enter on the language window's OK) does not.
        app.ctx.settings.toLanguage = 5;
        QTest::keyClick(main.picFlags, Qt::Key_Right);
        QCOMPARE(int(app.ctx.settings.toLanguage), 2);
        QTest::keyRelease(main.picFlags, Qt::Key_Return);
        QCOMPARE(int(app.ctx.settings.toLanguage), 2);
    }

    void drawnButtonLines_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("sideLines");
        QTest::addRow("199 wide") << 199 << true;
        QTest::addRow("200 wide") << 200 << false;
    }
    void drawnButtonLines() {
        QFETCH(int, width);
        QFETCH(bool, sideLines);
        DrawnButton::setFace(QPixmap());
        DrawnButton b;
        b.resize(width, 40);
        b.draw(QStringLiteral("Go"));
        const QImage image = b.grab().toImage();
        QCOMPARE(image.pixelColor(width / 2, 0), QColor(255, 255, 255));
        QCOMPARE(image.pixelColor(width / 2, 39), QColor(150, 150, 150));
        QCOMPARE(image.pixelColor(width - 1, 20) == QColor(150, 150, 150), sideLines);
        QCOMPARE(image.pixelColor(0, 20) == QColor(255, 255, 255), sideLines);
    }

    void disabledCaptionIsGrey() {
        DrawnButton::setFace(QPixmap());
        DrawnButton b;
        b.resize(160, 40);
        b.draw(QStringLiteral("HHHH"));
        const QRect inside(10, 5, 140, 30);
        QVERIFY(countPixels(b.grab().toImage(), inside, QColor(0, 0, 0)) > 20);
        b.setEnabled(false);
        const QImage grey = b.grab().toImage();
        QCOMPARE(countPixels(grey, inside, QColor(0, 0, 0)), 0);
        QVERIFY(countPixels(grey, inside, QColor(160, 160, 160)) > 20);
    }

    void enterAndSpaceClick() {
        DrawnButton b;
        int clicks = 0;
        connect(&b, &DrawnButton::clicked, [&clicks] { ++clicks; });
        QTest::keyClick(&b, Qt::Key_Return);
        QTest::keyClick(&b, Qt::Key_Space);
        QTest::keyClick(&b, Qt::Key_A);
        QCOMPARE(clicks, 2);
        b.setEnabled(false);
        QTest::keyClick(&b, Qt::Key_Space);
        QCOMPARE(clicks, 2);
    }

    void captionsLoseTheirAccessMarks() {
        TestApp app;
        frmMain main(app.ctx);
        ApplyTexts(&main);
        QCOMPARE(main.cmdExercise[1]->caption(), QStringLiteral("Worm2"));
        QCOMPARE(main.windowTitle(), QStringLiteral("T8/2"));
    }

    void aboutOkAppliesSchemeAndClosesOtherWindows() {
        TestApp app;
        frmMain main(app.ctx);
        main.setBackgroundPicture(QPixmap(10, 10));
        main.show();
        QWidget other;
        other.setObjectName(QStringLiteral("frmQuattro"));
        other.show();
        frmAbout about(app.ctx, &main);
        about.show();
        const qint64 before = app.ctx.mainPicture.cacheKey();
        about.optColor[3]->setChecked(true);
        about.chkFullScreen->setChecked(true);
        about.ok();
        QCOMPARE(app.ctx.settings.colorScheme, 3);
        QVERIFY(app.ctx.settings.fullScreen);
        QVERIFY(app.ctx.mainPicture.cacheKey() != before);
        QCOMPARE(main.picHolder->picture().cacheKey(), app.ctx.mainPicture.cacheKey());
        QVERIFY(!other.isVisible());
        QVERIFY(main.isVisible());
    }

    // On a palette screen the colour choice is hidden and the read-me grows into its place
    // (that it covers nothing is checked with all texts of all windows); OK keeps the scheme.
    void aboutOnAPaletteScreen() {
        TestApp app;
        app.ctx.settings.colorScheme = 2;
        std::map<int, QRect> readme;
        for (int bits : {24, 8}) {
            app.ctx.settings.screenColorBits = static_cast<qint16>(bits);
            frmAbout about(app.ctx);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QCOMPARE(about.picColorScheme->isVisible(), bits > 8);
            readme[bits] = about.txtReadme->geometry();
            about.ok();
            QCOMPARE(app.ctx.settings.colorScheme, 2);
        }
        QVERIFY(readme[8].height() > readme[24].height());
        QCOMPARE(readme[8].width(), readme[24].width());
    }

    void readmeLinesArePrecededByBreaks() {
        TestApp app;
        writeBytes(app.dir.filePath("README.TXT"), "first\r\nsecond\r\n");
        QCOMPARE(frmAbout::readmeText(app.ctx.folder), QStringLiteral("\nfirst\nsecond"));
    }

    void introChecksTheNumberOfWords_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<bool>("starts");
        QTest::addRow("5 words, Worm") << 5 << 5 << true;
        QTest::addRow("4 words, Worm") << 4 << 5 << false;
        QTest::addRow("5 words, Synonym") << 5 << 15 << false;
    }
    void introChecksTheNumberOfWords() {
        QFETCH(int, words);
        QFETCH(int, minimum);
        QFETCH(bool, starts);
        TestApp app(words);
        frmMain main(app.ctx);
        frmHelp intro(app.ctx);
        QCOMPARE(intro.ShowIntro(QStringLiteral("Title"), QStringLiteral("frmWorm"), minimum,
                                 QStringLiteral("Text")),
                 starts);
        QCOMPARE(app.ctx.store.wordCount, words);
        QCOMPARE(intro.lblNrOfWords->text(), QStringLiteral(" %1").arg(words));
        QCOMPARE(intro.isVisible(), starts);
        QCOMPARE(intro.cmdOK->isEnabled(), starts);
        QCOMPARE(app.reporter.messages,
                 starts ? QStringList() : QStringList{QStringLiteral("Too few words in the dictionary")});
    }

    void verbsComeFromTheirOwnFile() {
        TestApp app(0);
        frmMain main(app.ctx);
        frmHelp intro(app.ctx);
        app.ctx.settings.toLanguage = 3;
        QVERIFY(!intro.ShowIntro("Verbs", "frmVerb", 30, "Text"));
        QCOMPARE(app.reporter.messages.last(), QStringLiteral("No verbs found"));
        writeBytes(app.dir.filePath("VERB03.TXT"), "2\r\n\"Infinitiv\",\"Partizip\"\r\n\"gehen\",\"gegangen\"\r\n");
        QVERIFY(intro.ShowIntro("Verbs", "frmVerb", 30, "Text"));
        QCOMPARE(app.ctx.verbs.VerbCount, 1);
    }

    void quickIsTitledTempoInEveryLanguage() {
        TestApp app(40);
        for (int from = 1; from <= 5; ++from) {
            app.ctx.settings.fromLanguage = static_cast<qint16>(from);
            ReadLanguageFile(app.ctx.folder, from, app.ctx.texts, app.reporter);
            QCOMPARE(exerciseTitle(*exerciseInfo(3), app.ctx.texts), QStringLiteral("T E M P O"));
        }
        frmMain main(app.ctx);
        main.show();
        main.startExercise(3);
        auto* intro = qobject_cast<frmHelp*>(app.ctx.introWindow.data());
        QVERIFY(intro && intro->isVisible());
        QCOMPARE(intro->Label1->text(), QStringLiteral("T E M P O"));
        QVERIFY(!main.isVisible());
        intro->close();
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(TstFrame)
#include "tst_frame.moc"
