// The shared behaviour of the exercise windows and the on-screen keyboard, in windows.
#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "app/frmmain.h"
#include "exercises/highscores/frmhighscores.h"
#include "exercises/quattro/frmquattro.h"
#include "exercises/quick/frmquick.h"
#include "exercises/verb/frmverb.h"
#include "exercises/worm/frmworm.h"
#include "keyboard/frmkeyboard.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace vx;
using namespace vx::test;

class TstExerciseWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
    }

    void scoreLabels_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("score");
        QTest::addRow("nothing yet") << 0 << 0 << "0";
        QTest::addRow("only wrong") << 0 << 3 << "0";
        QTest::addRow("1 right, 2 wrong") << 1 << 2 << "33";
        QTest::addRow("2 right, 1 wrong") << 2 << 1 << "67";
        QTest::addRow("halves upward") << 1 << 7 << "13";
    }
    void scoreLabels() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, score);
        TestApp app;
        frmQuattro w(app.ctx);
        app.ctx.rightAnswers = right;
        app.ctx.wrongAnswers = wrong;
        w.ShowScore();
        QCOMPARE(w.lblScore->text(), score);
        QCOMPARE(w.lblCorrect->text(), QString::number(right));
        QCOMPARE(w.lblWrong->text(), QString::number(wrong));
    }

    void levelSlider() {
        TestApp app;
        frmWorm w(app.ctx);
        QCOMPARE(w.HScroll1->minimum(), 5);
        QCOMPARE(w.HScroll1->maximum(), 55);
        QCOMPARE(w.HScroll1->singleStep(), 5);
        QCOMPARE(w.HScroll1->pageStep(), 5);
        QCOMPARE(w.HScroll1->value(), 30);
    }

    void keyboardTypesIntoTheFocusedBox() {
        QWidget window;
        auto* box = new QLineEdit(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        QPointer<frmKeyboard> keyboard = frmKeyboard::showKeyboard();
        QVERIFY(keyboard);
        QCOMPARE(keyboard->cmdKey[5]->text(), QStringLiteral("Ö"));
        keyboard->keyClicked(5);
        QTRY_COMPARE(box->text(), QStringLiteral("ö"));
        QTRY_VERIFY(!keyboard);
    }

    void keyboardCaptions() {
        QString all;
        for (QChar c : frmKeyboard::captions())
            all += c;
        QCOMPARE(all, QStringLiteral("ÁÀÅÄÊÖÈÉßÂÍÌÜÔÒÓÎÏÚÙÛËÑÇÆ"));
        QVERIFY(!all.contains(u'{') && !all.contains(u'+') && !all.contains(u'^'));
    }

    void quattroPlaysByDigitKeys() {
        TestApp app(12);
        app.ctx.loadDictionaries();
        frmQuattro w(app.ctx);
        w.show();
        w.cmdNew->click();
        QVERIFY(!w.cmdNew->isEnabled());
        const int correct = w.state.CorrectOption;
        const int wrongBox = correct % 4 + 1;
        QTest::keyClick(&w, static_cast<char>('0' + wrongBox));
        QCOMPARE(app.ctx.wrongAnswers, 1);
        QCOMPARE(w.picOption[wrongBox - 1]->colour(), kQuattroRed);
        QTest::keyClick(&w, '9');
        QCOMPARE(app.ctx.wrongAnswers, 1);
        QTest::keyClick(&w, static_cast<char>('0' + correct));
        QCOMPARE(app.ctx.rightAnswers, 1);
        QVERIFY(w.tmrNew.isActive());
        QTest::keyClick(&w, static_cast<char>('0' + wrongBox)); // ignored during the pause
        QCOMPARE(app.ctx.wrongAnswers, 1);
        QCOMPARE(w.lblScore->text(), QStringLiteral("50"));
        QTRY_VERIFY(!w.tmrNew.isActive()); // the next question opens by itself
        QCOMPARE(w.state.BoxColor[correct == 1 ? 2 : 1], kQuattroWhite);
    }

    void aWholeGameOfQuickEntersTheHighScoreList() {
        TestApp app(40);
        app.ctx.loadDictionaries();
        app.ctx.settings.toLanguage = 3;
        frmQuick w(app.ctx);
        w.show();
        w.cmdStarta->click();
        QVERIFY(w.tmrTimer.isActive());
        for (int n = 0; n < 25; ++n) {
            int cell = 1;
            while (w.state.CellText[cell] != w.state.QuickAnswer || w.state.CellDone[cell])
                ++cell;
            w.clickCell(cell);
        }
        QVERIFY(!w.tmrTimer.isActive());
        QCOMPARE(w.lblScore->text(), QStringLiteral("200")); // flawless at slider 30
        frmHighScores* list = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<frmHighScores*>(top))
                list = h;
        QVERIFY(list);
        QVERIFY(list->txtAddName->isVisible());
        QCOMPARE(list->lblScore[1]->text(), QStringLiteral(" 200"));
        list->txtAddName->setText(QStringLiteral("Maja"));
        list->cmdOK->click();
        const HighScoreList saved = ReadHighScores(app.ctx.folder, QStringLiteral("Quick03.HGH"));
        QCOMPARE(saved.lblName[1], QStringLiteral("Maja"));
        QCOMPARE(saved.lblScore[1], QStringLiteral(" 200"));
    }

    void verbCheckCountsOncePerVerb() {
        TestApp app(0);
        CollectingReporter r;
        QVERIFY(LoadVerbBytes(app.ctx.verbs, "3\r\n\"Inf\",\"Past\",\"PP\"\r\n\"go\",\"went\",\"gone\"\r\n"
                              "\"run\",\"ran\",\"run\"\r\n", "VERB02.TXT", r));
        frmVerb w(app.ctx);
        w.show();
        QVERIFY(w.lblHeading[3]->isHidden());
        QVERIFY(w.txtGuess[2]->isHidden());
        QVERIFY(!w.picApple[0]->isHidden());
        QVERIFY(w.picApple[1]->isHidden());
        const int verb = app.ctx.verbs.CurrentVerb;
        const QString past = app.ctx.verbs.VerbTable[verb][2];
        const QString participle = app.ctx.verbs.VerbTable[verb][3];
        w.txtGuess[0]->setText(past.toUpper());
        w.txtGuess[1]->setText(QStringLiteral("wrong"));
        w.cmdCorrect->click();
        QCOMPARE(app.ctx.wrongAnswers, 1);
        QCOMPARE(app.ctx.rightAnswers, 0);
        QVERIFY(w.lblAnswer[0]->text().isEmpty()); // only the missed form is shown
        QCOMPARE(w.lblAnswer[1]->text(), participle);
        QVERIFY(w.isMarked(1) && !w.isMarked(0));
        QVERIFY(!w.cmdCorrect->isEnabled());
        w.cmdNew->click();
        QVERIFY(w.cmdCorrect->isEnabled());
        QVERIFY(!w.isMarked(1));
        const int next = app.ctx.verbs.CurrentVerb;
        w.txtGuess[0]->setText(app.ctx.verbs.VerbTable[next][2]);
        w.txtGuess[1]->setText(QStringLiteral(" ") + app.ctx.verbs.VerbTable[next][3] + QStringLiteral(" "));
        w.cmdCorrect->click();
        QCOMPARE(app.ctx.rightAnswers, 1);
        QVERIFY(app.ctx.verbs.VerbUsed[next]);
        QCOMPARE(w.lblScore->text(), QStringLiteral("50"));
        // The next verb is offered only while the first two boxes are empty.
        QTest::keyClick(w.txtGuess[0], Qt::Key_A);
        QTest::keyClick(w.txtGuess[0], Qt::Key_B);
        QVERIFY(!w.cmdNew->isEnabled());
    }

    void closingAnExerciseBringsBackTheMainWindow() {
        TestApp app(12);
        frmMain main(app.ctx);
        auto* w = new frmWorm(app.ctx);
        w->show();
        QVERIFY(!main.isVisible());
        w->close();
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(TstExerciseWindows)
#include "tst_exercisewindows.moc"
