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
#include <QKeySequence>
#include <QStandardPaths>

using namespace vx;
using namespace vx::test;

namespace {

// The one list open, which the end of a game opened, its name box focused.
frmHighScores* listAskingForAName() {
    frmHighScores* list = frmHighScores::openWindow();
    int open = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        open += qobject_cast<frmHighScores*>(top) && top->isVisible() ? 1 : 0;
    if (open != 1 || !QTest::qWaitFor([list] { return list->txtAddName->hasFocus(); }))
        qFatal("no name asked");
    return list;
}

// What the speaker said since the last look, and the voice it used.
QStringList heard(RecordingSpeaker& speaker) {
    QStringList out;
    for (const RecordingSpeaker::Said& s : speaker.said)
        out << s.text + QStringLiteral(" @") + s.locale;
    speaker.said.clear();
    return out;
}

} // namespace

class TstDrillPlay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }

    // Five words linked in turn, each first to a wrong row and, once rows are linked, onto
    // a linked row: every judgement follows the captions on screen, and a linked row keeps
    // its translation.
    void synonymRound_data() { addCases("synonymorders.tsv"); }
    void synonymRound() {
        QFETCH(QStringList, c);
        TestApp app(0);
        const QHash<QString, QString> translation = fillNouns(app.ctx, 1, 2, 10);
        Drill d;
        frmSynonym& w = *startDrill<frmSynonym>(d, app.ctx);
        auto link = [&w](int s, int j) {
            QTest::mouseClick(w.Picture1[s], Qt::LeftButton);
            QTest::mouseClick(w.Picture2[j], Qt::LeftButton);
        };
        qint32 wrong = 0;
        QList<int> linked;
        for (const QString& row : c[1].split(u' ')) {
            const int s = row.toInt();
            const QString wanted = translation.value(w.RAD1[s]->text());
            const QStringList before = textsOf(w.RAD2);
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
            QCOMPARE(textsOf(w.RAD2), before);
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
    void quattroByDigitKeys_data() { addCases("quattrokeys.tsv"); }
    void quattroByDigitKeys() {
        QFETCH(QStringList, c);
        TestApp app(0);
        const QHash<QString, QString> translation = fillNouns(app.ctx, c[1].toInt(), 2, 10);
        Drill d;
        frmQuattro& w = *startDrill<frmQuattro>(d, app.ctx);
        auto press = [](qsizetype box) {
            QTest::keyClick(QApplication::focusWidget(), static_cast<char>('1' + box));
        };
        for (int q = 0; q < 40; ++q) {
            const QStringList boxes = textsOf(w.picOption);
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

    // Two games whose last answers change the score, "High scores" clicked between their
    // ends: one list, asking a name at each end, and both entries reach the file with the
    // score shown. The direction options paint the window's background, not the platform's.
    void quickGame_data() { addCases("quickgames.tsv"); }
    void quickGame() {
        QFETCH(QStringList, c);
        const bool ownQuestions = c[1] == "1", twins = c[5] == "1";
        TestApp app(0);
        fillNouns(app.ctx, 1, 3, 0);
        // Numbered nouns of one level: the cells show "das Wort7" and the questions "ord7" (or
        // the reverse); with twins, words 1 and 2 share their practised text, and either answers
        // their question.
        QHash<QString, QString> answer;
        for (int i = 1; i <= (twins ? 25 : 30); ++i) {
            const QString to = QStringLiteral("das Wort%1").arg(twins && i == 2 ? 1 : i);
            const QString bare = QStringLiteral("ord%1").arg(i);
            addWord(app.ctx.store, to, "ett " + bare, c[3].toInt() / 10, 1);
            answer[ownQuestions ? bare : to] = ownQuestions ? to : bare;
        }
        frmQuick w(app.ctx);
        QVERIFY(activate(&w));
        const QImage shot = w.grab().toImage();
        for (const QRadioButton* option : {w.optLanguage[1], w.optLanguage[2]})
            QCOMPARE(shot.pixelColor(option->mapTo(&w, QPoint(option->width() - 3, 16))),
                     QColor(225, 215, 195));
        QTest::mouseClick(w.optLanguage[ownQuestions ? 1 : 2], Qt::LeftButton);
        w.HScroll1->setValue(c[3].toInt());
        frmHighScores* list = nullptr;
        for (const char* name : {"Maja", "Ola"}) {
            // A whole game by clicks: the wrong cells first, then the right cell of every
            // question shown, a twin rather than the asked cell when there is one.
            int wrongClicks = c[2].toInt();
            QTest::mouseClick(w.cmdStarta, Qt::LeftButton);
            for (int n = 0; n < 60 && w.tmrTimer.isActive(); ++n) {
                const QString wanted = answer.value(w.lblWord->text());
                int right = 0, wrong = 0;
                for (int cell = 1; cell <= kQuickCells; ++cell) {
                    if (w.state.CellDone[cell])
                        continue;
                    if (w.state.CellText[cell] != wanted)
                        wrong = cell;
                    else if (right == 0 || right == w.state.QuickCell)
                        right = cell;
                }
                if (wrongClicks-- > 0 && wrong > 0)
                    clickCell(w.picQuick, wrong);
                clickCell(w.picQuick, right);
            }
            QVERIFY(!w.tmrTimer.isActive());
            QCOMPARE(w.state.MissedCount, 0L);
            QCOMPARE(w.lblScore->text(), c[4]);
            QVERIFY(!list || list == listAskingForAName());
            list = listAskingForAName();
            QCOMPARE(list->lblScore[1]->text(), u' ' + c[4]);
            QTest::keyClicks(list->txtAddName, name);
            QTest::mouseClick(w.cmdTop, Qt::LeftButton);
        }
        QTest::keyClick(list->txtAddName, Qt::Key_Return);
        const HighScoreList saved = ReadHighScores(app.ctx.folder, "Quick03.HGH");
        QCOMPARE(saved.lblScore[1] + saved.lblName[1] + saved.lblScore[2] + saved.lblName[2],
                 u' ' + c[4] + "Maja " + c[4] + "Ola");
    }

    // However the entry of a name ends (the keys typed or the close box, then OK while
    // the list is open), the new score reaches the one file of the list with the name typed.
    void nameEntry_data() { addCases("nameentry.tsv"); }
    void nameEntry() {
        QFETCH(QStringList, c);
        const QKeySequence keys(c[2]);
        TestApp app(0);
        writeBytes(app.dir.filePath(QStringLiteral("Quick03.HGH")),
                   " 300\r\nEva\r\n 100\r\nOla\r\n");
        frmHighScores::enterScore(app.ctx, 150, QStringLiteral("QUICK03.HGH"));
        frmHighScores* list = listAskingForAName();
        for (QChar ch : c[1]) // also letters that no key of the test's keyboard layout carries
            QTest::sendKeyEvent(QTest::Click, list->txtAddName, Qt::Key_unknown, ch, {});
        for (int k = 0; k < keys.count(); ++k) {
            QTest::keyClick(list->txtAddName, keys[k].key());
            QVERIFY(keys[k].key() != Qt::Key_Escape || list->txtAddName->isVisible());
        }
        if (keys.isEmpty())
            list->close();
        QVERIFY(c[2] != "Tab" || list->txtAddName->isHidden());
        if (list->isVisible())
            QTest::mouseClick(list->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(!frmHighScores::openWindow());
        const HighScoreList file = ReadHighScores(app.ctx.folder, "Quick03.HGH");
        QCOMPARE(file.lblScore[2] + file.lblName[2] + file.lblName[3], " 150" + c[3] + "Ola");
        QCOMPARE(QDir(app.dir.path()).entryList({"*.HGH"}, QDir::Files, QDir::IgnoreCase).size(),
                 1);
    }

    // Answers checked by Enter: a wrong check counts once and shows only the missed forms;
    // with the last answer corrected, Enter goes on (Next verb), never to Help or Exit.
    void verbEnterMovesOn_data() { addCases("verbenter.tsv"); }
    void verbEnterMovesOn() {
        QFETCH(QStringList, c);
        TestApp app(0);
        loadVerbs(app.ctx, c[1].toLatin1());
        const auto& forms = app.ctx.verbs.VerbTable[1];
        const int boxes = app.ctx.verbs.FormCount - 1;
        QWidget help;
        app.ctx.introWindow = &help;
        frmVerb w(app.ctx);
        QVERIFY(activate(&w));
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
        type(true);
        QCOMPARE(std::pair(app.ctx.rightAnswers, app.ctx.wrongAnswers), std::pair(1, 1));
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
        Drill d;
        frmWorm& w = *startDrill<frmWorm>(d, app.ctx);
        QVERIFY(!w.cmdNew->isEnabled());
        QTest::mouseDClick(w.picWord, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(w.cmdNew->isEnabled() && w.cmdNew->hasFocus());
        QCOMPARE(app.ctx.wrongAnswers, 0);
    }

    // Rows answered wrong keep their nouns into the next set, the others are drawn anew. A click
    // on an article that arrives while New lays out that set answers a row of the set on
    // screen, never a row that is being replaced.
    void genusClickDuringNewSet() {
        TestApp app(0);
        fillNouns(app.ctx, 1, 3, 0);
        for (int i = 0; i < 60; ++i)
            addWord(app.ctx.store, QStringLiteral("die Sache%1").arg(i),
                    QStringLiteral("en sak%1").arg(i), 3, 1);
        Drill d;
        frmGenus& w = *startDrill<frmGenus>(d, app.ctx);
        QSet<int> wrongWords, previous, now;
        for (int row : {1, 4, 8}) {
            QTest::mouseClick(w.lblGenus[row][0], Qt::LeftButton); // "der"
            wrongWords << w.state.GenusRows[row].Word;
        }
        for (const GenusRow& row : w.state.GenusRows)
            previous << row.Word;
        QTimer::singleShot(0, &w, [&w] { QTest::mouseClick(w.lblGenus[0][2], Qt::LeftButton); });
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        QTRY_COMPARE(app.ctx.rightAnswers, 1);
        QCOMPARE(w.frameColour(0), QColor(0xC0, 0xFF, 0xC0));
        for (const GenusRow& row : w.state.GenusRows) {
            now << row.Word;
            QCOMPARE(row.Answered, &row == &w.state.GenusRows[0]);
        }
        // New draws by the clock: a word of the old set may come again in a new row.
        QCOMPARE(now & wrongWords, wrongWords);
        QVERIFY(now != previous);
    }

    // F4 and the keyboard picture open the keyboard with the cursor in each window's typing
    // field, and the Ö clicked reaches that field's own key handling.
    void keyboardInEveryTypingWindow_data() { addCases("keyboards.tsv"); }
    void keyboardInEveryTypingWindow() {
        QFETCH(QStringList, c);
        TestApp app(0);
        app.ctx.settings.toLanguage = 3;
        CrosswordState crossword;
        std::unique_ptr<QWidget> w; // goes before the state and context it refers to
        if (c[1] == "crossword") {
            auto* korsord = new frmKorsord(app.ctx, crossword);
            w.reset(korsord);
            korsord->korsord.SetUpBoard(3, korsord->Bild->width());
            for (int r = 1; r <= 3; ++r)
                std::fill_n(crossword.Grid[r].begin() + 1, 3, QStringLiteral("A"));
            crossword.PuzzleActive = true;
            korsord->korsord.MoveCursor(1, 1);
            QVERIFY(activate(korsord));
        } else {
            w = std::move(openDrill(app.ctx, c[1]).window);
        }
        auto* field = w->findChild<QWidget*>(c[2]);
        const auto how = c[3] == "F4" ? KeyboardOpening::F4 : KeyboardOpening::Picture;
        QVERIFY(typeWithKeyboard(w.get(), field, how, w->findChild<QWidget*>("imgKeyboard"), 5));
        QTRY_VERIFY(field->hasFocus());
        if (auto* box = qobject_cast<QLineEdit*>(field))
            QTRY_COMPARE(box->text().toUpper(), QStringLiteral("Ö"));
        else if (c[1] == "worm")
            QTRY_COMPARE(app.ctx.wrongAnswers, 1); // HUND has no Ö
        else
            QTRY_COMPARE(crossword.TypedLetter[1][1], QStringLiteral("Ö"));
    }

    void speakableText_data() { addCases("speakable.tsv"); }
    void speakableText() {
        QFETCH(QStringList, c);
        RecordingSpeaker speaker;
        speaker.speak(c[1], c[2].toInt(), EnglishVariant(c[3].toInt()));
        QCOMPARE(heard(speaker).join(u'|'), c[4]);
    }

    // What F5 and the speaker picture say before and after a right answer, and what the
    // answer says by itself when "Speak words" was ticked in About; without speech the picture is
    // disabled and says why, in the interface's language, and F5 says nothing, until the engine
    // reports it is ready.
    void speakingInEveryDrill_data() { addCases("speaking.tsv"); }
    void speakingInEveryDrill() {
        QFETCH(QStringList, c);
        const auto problem = static_cast<SpeechProblem>(
            QStringList{"None", "Starting", "NoEngine", "NoVoice"}.indexOf(c[5]));
        TestApp app(0);
        if (c[4] == "1") { // "Speak words" in About, off on a first start
            frmAbout about(app.ctx);
            QVERIFY(activate(&about));
            QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Label8")), Qt::LeftButton);
            QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        }
        app.speaker.reported = problem;
        QWidget help;
        app.ctx.introWindow = &help;
        const Drill d = openDrill(app.ctx, c[1]);
        auto* picture = d.window->findChild<QLabel*>(QStringLiteral("imgSpeaker"));
        if (problem != SpeechProblem::None) {
            QVERIFY(!picture->isEnabled());
            QCOMPARE(picture->toolTip(), app.ctx.texts.text(c[6].toInt()));
            pressKey(d.window.get(), Qt::Key_F5);
            QCOMPARE(heard(app.speaker), QStringList());
            app.speaker.report(SpeechProblem::None);
        }
        heard(app.speaker);
        QVERIFY(picture->isEnabled());
        QCOMPARE(picture->toolTip(), app.ctx.texts.text(260));
        pressKey(d.window.get(), Qt::Key_F5);
        QCOMPARE(heard(app.speaker).join(u'|'), c[2]);
        d.answerRight();
        pressKey(d.window.get(), Qt::Key_F5);
        QTest::mouseClick(picture, Qt::LeftButton);
        const QString said = heard(app.speaker).join(u'|');
        // Quick asks its next question at once: what is said for it is not checked.
        QCOMPARE(c[1].startsWith("quick") ? said.left(c[3].size()) : said, c[3]);
    }
};

QTEST_MAIN(TstDrillPlay)
#include "tst_drillplay.moc"
