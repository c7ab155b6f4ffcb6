// The drills played in their windows as a learner plays them: clicks and keys on the real
// controls, every answer judged as the words on screen say it should be; the high-score
// list that a game ends in; the on-screen keyboard in every window that takes typing; and
// spoken words, with a speaker that records what it would say.
#include "app/frmabout.h"
#include "crossword/frmkorsord.h"
#include "drilldriver.h"
#include "exercises/highscores/frmhighscores.h"
#include "keyboard/keyboarddriver.h"

#include <QDir>
#include <QStandardPaths>

using namespace vx;
using namespace vx::test;

namespace {

// A Quick store of numbered nouns of one level: the cells show "das Wort7" and the questions
// "ord7" (or the reverse); with twins, words 1 and 2 share their practised text.
QHash<QString, QString> fillQuick(AppContext& ctx, int words, bool ownQuestions, bool twins,
                                  int level) {
    ctx.settings.fromLanguage = 1;
    ctx.settings.toLanguage = 3;
    QHash<QString, QString> answer;
    for (int i = 1; i <= words; ++i) {
        const QString to = QStringLiteral("das Wort%1").arg(twins && i == 2 ? 1 : i);
        addWord(ctx.store, to, QStringLiteral("ett ord%1").arg(i), level, 1);
        const QString bare = QStringLiteral("ord%1").arg(i);
        // With twins both words ask the same question, answered by either.
        answer[ownQuestions ? bare : to] = ownQuestions ? to : bare;
    }
    return answer;
}

// Plays a whole Quick game by clicks: `wrongClicks` wrong cells first, then the right cell
// of every question shown, a twin rather than the asked cell when there is one.
void playQuick(frmQuick& w, const QHash<QString, QString>& answer, int wrongClicks) {
    QTest::mouseClick(w.cmdStarta, Qt::LeftButton);
    for (int n = 0; n < 60 && w.tmrTimer.isActive(); ++n) {
        const QString wanted = answer.value(w.lblWord->text());
        int right = 0;
        int wrong = 0;
        for (int cell = 1; cell <= kQuickCells; ++cell) {
            if (w.state.CellDone[cell])
                continue;
            if (w.state.CellText[cell] != wanted)
                wrong = cell;
            else if (right == 0 || right == w.state.QuickCell)
                right = cell;
        }
        if (right == 0)
            qFatal("no cell answers %s", qPrintable(w.lblWord->text()));
        if (wrongClicks > 0 && wrong > 0) {
            --wrongClicks;
            clickCell(w.picQuick, wrong);
        }
        clickCell(w.picQuick, right);
    }
}

// Types a text key by key, also letters that no key of the test's keyboard layout carries.
void typeText(QWidget* widget, const QString& text) {
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

int openHighScoreWindows() {
    int n = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        n += qobject_cast<frmHighScores*>(top) && top->isVisible() ? 1 : 0;
    return n;
}

// The list that the end of a game opened, its name box focused.
frmHighScores* listAskingForAName() {
    frmHighScores* list = frmHighScores::openWindow();
    if (!list || !QTest::qWaitFor([list] { return list->txtAddName->hasFocus(); }))
        qFatal("no name asked");
    return list;
}

HighScoreList savedList(TestApp& app) {
    return ReadHighScores(app.ctx.folder, QStringLiteral("Quick03.HGH"));
}

// What the speaker said since the last look, and the voice it used.
QStringList heard(RecordingSpeaker& speaker) {
    QStringList out;
    for (const RecordingSpeaker::Said& s : speaker.said)
        out << s.text + QStringLiteral(" @") + s.locale;
    speaker.said.clear();
    return out;
}

void pressF5(QWidget& w) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_F5);
}

struct QuickGame {
    bool ownQuestions;
    int wrongClicks, slider;
    QString score;
    bool twins = false;
};

struct Speaking {
    QString drill;
    QStringList before; // said by F5 before the answer
    QStringList after;  // said by itself after a right answer, then by F5 and the picture
    bool speakWords = true;
    SpeechProblem problem = SpeechProblem::None; // until the engine reports it can speak
    int tip = 0;                                 // the picture's tooltip meanwhile
};

} // namespace

class TstDrillPlay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
    }

    // Five words linked in turn, each first to a wrong row and, once rows are linked, onto
    // a linked row: every judgement follows the captions on screen, and a linked row keeps
    // its translation.
    void synonymRound_data() {
        QTest::addColumn<QList<int>>("order"); // the left rows, in the order they are linked
        QTest::addRow("top down") << QList<int>{0, 1, 2, 3, 4};
        QTest::addRow("bottom up") << QList<int>{4, 3, 2, 1, 0};
        QTest::addRow("scattered") << QList<int>{3, 0, 4, 1, 2};
        QTest::addRow("the lower rows") << QList<int>{9, 5, 7, 6, 8};
    }
    void synonymRound() {
        QFETCH(QList<int>, order);
        TestApp app(0);
        const QHash<QString, QString> translation = fillNouns(app.ctx, 1, 2, 10);
        frmSynonym w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        auto link = [&w](int s, int j) {
            QTest::mouseClick(w.Picture1[s], Qt::LeftButton);
            QTest::mouseClick(w.Picture2[j], Qt::LeftButton);
        };
        auto captions = [&w] {
            QStringList texts;
            for (const QLabel* l : w.RAD2)
                texts << l->text();
            return texts;
        };
        qint32 wrong = 0;
        QList<int> linked;
        for (int s : order) {
            const QString wanted = translation.value(w.RAD1[s]->text());
            const QStringList before = captions();
            int other = 0;
            while (before[other] == wanted || linked.contains(other))
                ++other;
            link(s, other);
            QCOMPARE(app.ctx.wrongAnswers, ++wrong);
            if (!linked.isEmpty()) {
                link(s, linked.last());
                QCOMPARE(app.ctx.rightAnswers + app.ctx.wrongAnswers, linked.size() + wrong);
                QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(4, 4)); // beside the board
                QVERIFY(!w.state.LinkActive);
            }
            QCOMPARE(captions(), before);
            link(s, static_cast<int>(before.indexOf(wanted)));
            linked << s;
            QCOMPARE(app.ctx.rightAnswers, linked.size());
            for (int k : linked)
                QCOMPARE(w.RAD2[k]->text(), translation.value(w.RAD1[k]->text()));
        }
    }

    // Forty questions answered by their digit keys: the four boxes never repeat a text, also
    // when the own language stores its nouns with articles. On the first, a wrong box turns
    // red, a key of no box and keys in the pause after the right answer do nothing, and the
    // next question comes by itself.
    void quattroByDigitKeys_data() {
        QTest::addColumn<int>("own");
        QTest::addRow("Swedish") << 1;
        QTest::addRow("German") << 3;
        QTest::addRow("French") << 4;
    }
    void quattroByDigitKeys() {
        QFETCH(int, own);
        TestApp app(0);
        const QHash<QString, QString> translation = fillNouns(app.ctx, own, 2, 10);
        frmQuattro w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        auto press = [](qsizetype box) {
            QTest::keyClick(QApplication::focusWidget(), static_cast<char>('1' + box));
        };
        for (int q = 0; q < 40; ++q) {
            QStringList boxes;
            for (const OptionBox* box : w.picOption)
                boxes << box->text();
            QCOMPARE(QSet<QString>(boxes.begin(), boxes.end()).size(), 4);
            const qsizetype right = boxes.indexOf(translation.value(w.lblWord1->text()));
            QVERIFY2(right >= 0, qPrintable(boxes.join(u',')));
            if (q == 0) {
                press((right + 1) % 4);
                QCOMPARE(w.picOption[(right + 1) % 4]->colour(), kQuattroRed);
                press(8);
            }
            press(right);
            QVERIFY(w.cmdNew->hasFocus());
            if (q == 0) {
                press((right + 1) % 4);
                QCOMPARE(w.lblScore->text(), QStringLiteral("50"));
                QTRY_VERIFY(!w.tmrNew.isActive());
                QCOMPARE(w.picOption[right]->colour(), kQuattroWhite);
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
        }
        QCOMPARE(app.ctx.rightAnswers, 40);
        QCOMPARE(app.ctx.wrongAnswers, 1);
    }

    // A whole game whose last answer changes the score: the list gets the score shown.
    void quickGame_data() {
        QTest::addColumn<QuickGame>("c");
        QTest::addRow("own language, 178 before the last") << QuickGame{true, 3, 30, "179"};
        QTest::addRow("practised language, 277 before the last") << QuickGame{false, 2, 55, "278"};
        QTest::addRow("twin cells answered by either") << QuickGame{true, 0, 30, "200", true};
    }
    void quickGame() {
        QFETCH(QuickGame, c);
        TestApp app(0);
        const auto answer =
            fillQuick(app.ctx, c.twins ? 25 : 30, c.ownQuestions, c.twins, c.slider / 10);
        frmQuick w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.optLanguage[c.ownQuestions ? 1 : 2], Qt::LeftButton);
        w.HScroll1->setValue(c.slider);
        playQuick(w, answer, c.wrongClicks);
        QVERIFY(!w.tmrTimer.isActive());
        QCOMPARE(w.state.MissedCount, 0L);
        QCOMPARE(w.lblScore->text(), c.score);
        frmHighScores* list = listAskingForAName();
        QCOMPARE(list->lblScore[1]->text() + list->lblScore[2]->text(), u' ' + c.score + " 0");
        QTest::keyClicks(list->txtAddName, QStringLiteral("Maja"));
        QTest::keyClick(list->txtAddName, Qt::Key_Return);
        QCOMPARE(savedList(app).lblScore[1] + savedList(app).lblName[1], u' ' + c.score + "Maja");
    }

    // The direction options paint the window's background, not the platform's.
    void quickDirectionsShowTheirColour() {
        TestApp app(40);
        frmQuick w(app.ctx);
        showActive(w);
        const QImage shot = w.grab().toImage();
        for (const QRadioButton* option : {w.optLanguage[1], w.optLanguage[2]})
            QCOMPARE(shot.pixelColor(option->mapTo(&w, QPoint(option->width() - 3, 16))),
                     QColor(225, 215, 195));
    }

    // Two game ends with "High scores" clicked between them: one window, and both entries
    // reach the file.
    void oneHighScoreWindow() {
        TestApp app(0);
        const auto answer = fillQuick(app.ctx, 30, true, false, 4);
        frmQuick w(app.ctx);
        showActive(w);
        w.HScroll1->setValue(50);
        playQuick(w, answer, 0);
        frmHighScores* list = listAskingForAName();
        typeText(list->txtAddName, QStringLiteral("Winner"));
        QTest::mouseClick(w.cmdTop, Qt::LeftButton);
        QCOMPARE(openHighScoreWindows(), 1);
        w.HScroll1->setValue(30);
        playQuick(w, answer, 0);
        QCOMPARE(openHighScoreWindows(), 1);
        QCOMPARE(listAskingForAName(), list);
        QCOMPARE(list->lblName[1]->text(), QStringLiteral("Winner"));
        typeText(list->txtAddName, QStringLiteral("Second"));
        QTest::keyClick(list->txtAddName, Qt::Key_Return);
        const HighScoreList saved = savedList(app);
        QCOMPARE(saved.lblScore[1] + saved.lblName[1] + saved.lblScore[2] + saved.lblName[2],
                 QStringLiteral(" 280Winner 200Second"));
    }

    // However the entry of a name ends (the keys typed, 0 for the close box, then OK while
    // the list is open), the new score reaches the one file of the list with the name typed.
    void nameEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("saved");
        QTest::addRow("Escape while typing")
            << "Maja" << QList<int>{Qt::Key_Escape, Qt::Key_Return} << "Maja";
        QTest::addRow("Tab from an empty name") << "" << QList<int>{Qt::Key_Tab} << "";
        QTest::addRow("Tab from a name") << "Ola" << QList<int>{Qt::Key_Tab} << "Ola";
        QTest::addRow("close box") << "Maja" << QList<int>{0} << "Maja";
        QTest::addRow("a letter outside the code page")
            << "Łukasz" << QList<int>{Qt::Key_Return} << "ukasz";
    }
    void nameEntry() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QFETCH(QString, saved);
        TestApp app(0);
        writeBytes(app.dir.filePath(QStringLiteral("Quick03.HGH")),
                   " 300\r\nEva\r\n 100\r\nOla\r\n");
        frmHighScores::enterScore(app.ctx, 150, QStringLiteral("QUICK03.HGH"));
        frmHighScores* list = listAskingForAName();
        typeText(list->txtAddName, typed);
        for (int key : keys) {
            key ? QTest::keyClick(list->txtAddName, Qt::Key(key)) : void(list->close());
            QVERIFY(key != Qt::Key_Escape || list->txtAddName->isVisible());
        }
        QVERIFY(keys.last() != Qt::Key_Tab || list->txtAddName->isHidden());
        if (list->isVisible())
            QTest::mouseClick(list->cmdOK, Qt::LeftButton);
        QTRY_COMPARE(openHighScoreWindows(), 0);
        const HighScoreList file = savedList(app);
        QCOMPARE(file.lblScore[2] + file.lblName[2] + file.lblName[3], " 150" + saved + "Ola");
        QCOMPARE(QDir(app.dir.path()).entryList({"*.HGH"}, QDir::Files, QDir::IgnoreCase).size(),
                 1);
    }

    // Answers checked by Enter: a wrong check counts once and shows only the missed forms;
    // with the last answer corrected, Enter goes on (Next verb), never to Help or Exit.
    void verbEnterMovesOn_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addRow("two answer boxes") << QByteArray("3\r\nInf,Past,PP\r\ngo,went,gone\r\n");
        QTest::addRow("three answer boxes")
            << QByteArray("4\r\nInf,Pres,Past,PP\r\ngehen,geht,ging,gegangen\r\n");
    }
    void verbEnterMovesOn() {
        QFETCH(QByteArray, file);
        TestApp app(0);
        loadVerbs(app.ctx, file);
        const auto& forms = app.ctx.verbs.VerbTable[1];
        const int boxes = app.ctx.verbs.FormCount - 1;
        QWidget help;
        app.ctx.introWindow = &help;
        frmVerb w(app.ctx);
        showActive(w);
        QCOMPARE(w.txtGuess[2]->isHidden(), boxes == 2);
        auto type = [&](bool allRight) { // the first answer is always right
            for (int i = 0; i < boxes; ++i) {
                QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtGuess[i]));
                QTest::keyClicks(w.txtGuess[i], i == 0 || allRight ? forms[i + 2] : "x");
                QTest::keyClick(w.txtGuess[i], Qt::Key_Return);
            }
        };
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtGuess[0]));
        type(false);
        QCOMPARE(app.ctx.wrongAnswers, 1);
        QVERIFY(w.lblAnswer[0]->text().isEmpty());
        QCOMPARE(w.lblAnswer[boxes - 1]->text(), forms[boxes + 1]);
        QVERIFY(w.isMarked(boxes - 1) && !w.isMarked(0));
        QVERIFY(!w.cmdCorrect->isEnabled() && w.cmdNew->hasFocus());
        QLineEdit* last = w.txtGuess[boxes - 1];
        QTest::mouseClick(last, Qt::LeftButton);
        QTest::keyClick(last, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(last, forms[boxes + 1]);
        QVERIFY(w.cmdNew->isEnabled());
        QTest::keyClick(last, Qt::Key_Return);
        QVERIFY(w.isVisible() && !help.isVisible());
        QVERIFY(w.cmdCorrect->isEnabled() && last->text().isEmpty() && !w.isMarked(boxes - 1));
        QCOMPARE(app.ctx.wrongAnswers, 1);
        type(true);
        QCOMPARE(app.ctx.rightAnswers, 1);
        QCOMPARE(w.lblScore->text(), QStringLiteral("50"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtGuess[0]));
        // Before a check, Next verb is offered only while the first two boxes are empty.
        QTest::keyClicks(w.txtGuess[0], QStringLiteral("ab"));
        QVERIFY(!w.cmdNew->isEnabled());
    }

    // A word of one repeated letter is complete at once; a double-click offers the next word,
    // at no cost.
    void wormCompleteWordOffersNew() {
        TestApp app(0);
        app.ctx.settings.toLanguage = 2;
        addWord(app.ctx.store, QStringLiteral("zzz"), QStringLiteral("sova"));
        frmWorm w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        QVERIFY(!w.cmdNew->isEnabled());
        QTest::mouseDClick(w.picWord, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(w.cmdNew->isEnabled() && w.cmdNew->hasFocus());
        QCOMPARE(app.ctx.wrongAnswers, 0);
    }

    // A click on an article that arrives while New lays out the next set answers a row of
    // the set on screen, never a row that is being replaced.
    void genusClickDuringNewSet() {
        TestApp app(0);
        app.ctx.settings.fromLanguage = 1;
        app.ctx.settings.toLanguage = 3;
        for (int i = 0; i < 60; ++i)
            addWord(app.ctx.store, QStringLiteral("die Sache%1").arg(i),
                    QStringLiteral("en sak%1").arg(i), 3, 1);
        frmGenus w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        QTimer::singleShot(0, &w, [&w] { QTest::mouseClick(w.lblGenus[0][2], Qt::LeftButton); });
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        QTRY_COMPARE(app.ctx.rightAnswers, 1);
        QVERIFY(w.state.GenusRows[0].Answered);
        QCOMPARE(w.frameColour(0), QColor(0xC0, 0xFF, 0xC0));
    }

    // F4 and the keyboard picture open the keyboard with the cursor in each window's typing
    // field, and the Ö clicked reaches that field's own key handling.
    void keyboardInEveryTypingWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("box"); // the answer box of Verb
        QTest::addColumn<KeyboardOpening>("how");
        for (KeyboardOpening how : {KeyboardOpening::F4, KeyboardOpening::Picture}) {
            const char* way = how == KeyboardOpening::F4 ? "F4" : "picture";
            QTest::addRow("Worm, %s", way) << "worm" << 0 << how;
            QTest::addRow("crossword, %s", way) << "crossword" << 0 << how;
            for (int box = 0; box < 3; ++box)
                QTest::addRow("Verb box %d, %s", box, way) << "verb" << box << how;
        }
    }
    void keyboardInEveryTypingWindow() {
        QFETCH(QString, window);
        QFETCH(int, box);
        QFETCH(KeyboardOpening, how);
        TestApp app(0);
        app.ctx.settings.toLanguage = 3;
        CrosswordState crossword;
        std::unique_ptr<QWidget> w; // goes before the state and context it refers to
        QWidget* field = nullptr;
        std::function<QString()> seen; // what shows that the letter arrived
        if (window == "crossword") {
            auto* korsord = new frmKorsord(app.ctx, crossword);
            w.reset(korsord);
            korsord->korsord.SetUpBoard(3, korsord->Bild->width());
            for (int r = 1; r <= 3; ++r)
                std::fill_n(crossword.Grid[r].begin() + 1, 3, QStringLiteral("A"));
            crossword.PuzzleActive = true;
            korsord->korsord.MoveCursor(1, 1);
            field = korsord->Picture1;
            seen = [&crossword] { return crossword.TypedLetter[1][1]; };
            showActive(*korsord);
        } else if (Drill d = openDrill(app.ctx, window); window == "worm") {
            field = static_cast<frmWorm*>(d.window.get())->picWord;
            seen = [&app] { return app.ctx.wrongAnswers == 1 ? "Ö" : ""; }; // HUND has no Ö
            w = std::move(d.window);
        } else {
            QLineEdit* answer = static_cast<frmVerb*>(d.window.get())->txtGuess[box];
            field = answer;
            seen = [answer] { return answer->text().toUpper(); };
            w = std::move(d.window);
        }
        QVERIFY(typeWithKeyboard(w.get(), field, how, w->findChild<QWidget*>("imgKeyboard"), 5));
        QTRY_VERIFY(field->hasFocus());
        QTRY_COMPARE(seen(), QStringLiteral("Ö"));
    }

    void speakableText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("said"); // and the voice
        QTest::addRow("a Swedish article") << "en hund" << 1 << false << "en hund @sv_SE";
        QTest::addRow("a German article") << "der Hund" << 3 << true << "der Hund @de_DE";
        QTest::addRow("French gender") << "  la table (f) " << 4 << false << "la table @fr_FR";
        QTest::addRow("Spanish, no blank") << "mesa(f)" << 5 << false << "mesa @es_ES";
        QTest::addRow("no mark") << "faire (qc)" << 4 << false << "faire (qc) @fr_FR";
        QTest::addRow("German brackets")
            << "die Eltern (pl)" << 3 << false << "die Eltern (pl) @de_DE";
        QTest::addRow("British") << "colour/color" << 2 << false << "colour @en_GB";
        QTest::addRow("American") << "surname / last name" << 2 << true << "last name @en_US";
        QTest::addRow("other alternatives") << "soñado/soñada" << 5 << true << "soñado @es_ES";
        QTest::addRow("nothing") << "" << 3 << false << "";
        QTest::addRow("only a mark") << "(m)" << 4 << false << "";
    }
    void speakableText() {
        QFETCH(QString, text);
        QFETCH(int, language);
        QFETCH(bool, american);
        QFETCH(QString, said);
        RecordingSpeaker speaker;
        speaker.speak(text, language,
                      american ? EnglishVariant::American : EnglishVariant::British);
        QCOMPARE(heard(speaker).join(u'|'), said);
    }

    // What F5 and the speaker picture say before and after a right answer, and what the
    // answer says by itself; without speech the picture is disabled and says why, in the
    // interface's language, and F5 says nothing, until the engine reports it is ready.
    void speakingInEveryDrill_data() {
        QTest::addColumn<Speaking>("c");
        const QString dog = QStringLiteral("der Hund @de_DE");
        const QStringList dogs{dog, dog, dog};
        const QString sein = QStringLiteral("sein @de_DE");
        QTest::addRow("Quattro") << Speaking{"quattro", {dog}, dogs};
        QTest::addRow("Worm: nothing before the word is complete") << Speaking{"worm", {}, dogs};
        QTest::addRow("Worm, right answers silent") << Speaking{"worm", {}, {dog, dog}, false};
        QTest::addRow("Quick asking German") << Speaking{"quick german", {dog}, {dog}};
        QTest::addRow("Quick asking Swedish") << Speaking{"quick swedish", {}, {dog}};
        QTest::addRow("Synonym") << Speaking{"synonym", {}, dogs};
        QTest::addRow("Genus") << Speaking{"genus", {}, dogs};
        QTest::addRow("Verb: the verb, after a right check its forms") << Speaking{
            "verb", {"gehen @de_DE"}, {"gehen, geht, ging, gegangen @de_DE", sein, sein}};
        QTest::addRow("speech starting")
            << Speaking{"quattro", {dog}, dogs, true, SpeechProblem::Starting, 262};
        QTest::addRow("no engine")
            << Speaking{"worm", {}, dogs, true, SpeechProblem::NoEngine, 263};
        QTest::addRow("no voice") << Speaking{"verb", {"gehen @de_DE"},       {sein, sein},
                                              false,  SpeechProblem::NoVoice, 264};
    }
    void speakingInEveryDrill() {
        QFETCH(Speaking, c);
        TestApp app(0);
        app.ctx.settings.speakWords = c.speakWords;
        app.speaker.reported = c.problem;
        QWidget help;
        app.ctx.introWindow = &help;
        const Drill d = openDrill(app.ctx, c.drill);
        auto* picture = d.window->findChild<QLabel*>(QStringLiteral("imgSpeaker"));
        if (c.problem != SpeechProblem::None) {
            QVERIFY(!picture->isEnabled());
            QCOMPARE(picture->toolTip(), app.ctx.texts.text(c.tip));
            pressF5(*d.window);
            QCOMPARE(heard(app.speaker), QStringList());
            app.speaker.report(SpeechProblem::None);
        }
        heard(app.speaker);
        QVERIFY(picture->isEnabled());
        QCOMPARE(picture->toolTip(), app.ctx.texts.text(260));
        pressF5(*d.window);
        QCOMPARE(heard(app.speaker), c.before);
        d.answerRight();
        QStringList said = heard(app.speaker);
        pressF5(*d.window);
        said << heard(app.speaker);
        QTest::mouseClick(picture, Qt::LeftButton);
        said << heard(app.speaker);
        // Quick asks its next question at once: what is said for it is not checked.
        QCOMPARE(c.drill.startsWith("quick") ? said.mid(0, c.after.size()) : said, c.after);
    }

    // "Speak words" in About is off on a first start and kept in the settings file.
    void speakWordsSetting() {
        TestApp app(0);
        frmAbout about(app.ctx);
        showActive(about);
        QVERIFY(!about.chkSpeak->isChecked());
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Label8")), Qt::LeftButton);
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        SaveExitSettings(app.ctx.profile, app.ctx.settings);
        AppSettings read;
        ReadMiscSettings(app.ctx.profile, read);
        QVERIFY(read.speakWords);
        QVERIFY(frmAbout(app.ctx).chkSpeak->isChecked());
    }
};

QTEST_MAIN(TstDrillPlay)
#include "tst_drillplay.moc"
