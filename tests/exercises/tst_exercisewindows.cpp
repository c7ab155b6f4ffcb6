// The shared behaviour of the exercise windows and the on-screen keyboard, in windows.
#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "app/frmmain.h"
#include "crossword/frmkorsord.h"
#include "exercises/highscores/frmhighscores.h"
#include "exercises/quattro/frmquattro.h"
#include "exercises/quick/frmquick.h"
#include "exercises/verb/frmverb.h"
#include "exercises/worm/frmworm.h"
#include "keyboard/frmkeyboard.h"
#include "keyboard/keyboarddriver.h"
#include "storebuilder.h"

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

    // F4 and the keyboard picture open the keyboard with the cursor in each window's typing
    // field, and the letter clicked reaches that field's own key handling.
    void keyboardInEveryTypingWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("box"); // the answer box of Verb
        QTest::addColumn<KeyboardOpening>("how");
        for (KeyboardOpening how : {KeyboardOpening::F4, KeyboardOpening::Picture}) {
            const char* way = how == KeyboardOpening::F4 ? "F4" : "picture";
            QTest::addRow("Worm, %s", way) << "Worm" << 0 << how;
            QTest::addRow("crossword, %s", way) << "Crossword" << 0 << how;
            for (int box = 0; box < 3; ++box)
                QTest::addRow("Verb box %d, %s", box, way) << "Verb" << box << how;
        }
    }
    void keyboardInEveryTypingWindow() {
        QFETCH(QString, window);
        QFETCH(int, box);
        QFETCH(KeyboardOpening, how);
        TestApp app(0);
        app.ctx.settings.toLanguage = 3;
        CrosswordState crossword;
        QWidget* w = nullptr;
        std::unique_ptr<QWidget> owner; // goes before the state and context it refers to
        QWidget* field = nullptr;
        std::function<QString()> seen; // what shows that the letter arrived
        QString expected;
        if (window == QLatin1String("Worm")) {
            addWord(app.ctx.store, QStringLiteral("der Hund"), QStringLiteral("dog"), 3, 1);
            auto* worm = new frmWorm(app.ctx);
            worm->cmdNew->click();
            field = worm->picWord;
            seen = [&app] { return QString::number(app.ctx.wrongAnswers); };
            expected = QStringLiteral("1"); // HUND has no Ö
            w = worm;
        } else if (window == QLatin1String("Crossword")) {
            auto* korsord = new frmKorsord(app.ctx, crossword);
            korsord->korsord.SetUpBoard(3, korsord->Bild->width());
            for (int r = 1; r <= 3; ++r)
                for (int c = 1; c <= 3; ++c)
                    crossword.Grid[r][c] = QStringLiteral("A");
            crossword.PuzzleActive = true;
            korsord->korsord.MoveCursor(1, 1);
            field = korsord->Picture1;
            seen = [&crossword] { return crossword.TypedLetter[1][1]; };
            expected = QStringLiteral("\u00d6");
            w = korsord;
        } else {
            CollectingReporter r;
            QVERIFY(LoadVerbBytes(app.ctx.verbs, "4\r\na,b,c,d\r\ngehen,geht,ging,gegangen\r\n",
                                  "VERB03.TXT", r));
            auto* verb = new frmVerb(app.ctx);
            QLineEdit* answer = verb->txtGuess[static_cast<size_t>(box)];
            field = answer;
            seen = [answer] { return answer->text(); };
            expected = QStringLiteral("\u00f6");
            w = verb;
        }
        owner.reset(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(typeWithKeyboard(w, field, how,
                                 w->findChild<QWidget*>(QStringLiteral("imgKeyboard")), 5));
        QTRY_VERIFY(field->hasFocus());
        QTRY_COMPARE(seen(), expected);
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
