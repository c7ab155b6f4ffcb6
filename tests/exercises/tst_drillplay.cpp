// The drills played in their windows as a learner plays them: clicks and keys on the real
// controls, every answer judged as the words on screen say it should be.
#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "exercises/genus/frmgenus.h"
#include "exercises/highscores/frmhighscores.h"
#include "exercises/quattro/frmquattro.h"
#include "exercises/quick/frmquick.h"
#include "exercises/synonym/frmsynonym.h"
#include "exercises/verb/frmverb.h"
#include "exercises/worm/frmworm.h"
#include "storebuilder.h"
#include "words/articles.h"

#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

void showActive(QWidget& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("window not active");
}

// English words as the practised language, with their own-language translations as stored.
struct Pair {
    QString practised;
    QString own;
};

// Fills the store with nouns and returns, by practised word, the translation as a box shows it.
QHash<QString, QString> fillNouns(AppContext& ctx, int own, const QList<Pair>& pairs) {
    ctx.settings.fromLanguage = own;
    ctx.settings.toLanguage = 2;
    QHash<QString, QString> shown;
    for (const Pair& p : pairs) {
        addWord(ctx.store, p.practised, p.own, 3, 1);
        shown[p.practised] = SplitArticle(p.own, 1, own).Bare;
    }
    return shown;
}

const QList<Pair> kSwedish = {
    {"umbrella", "ett paraply"}, {"make-up", "ett smink"}, {"car", "en bil"},  {"dog", "en hund"},
    {"house", "ett hus"},        {"bread", "ett bröd"},    {"cat", "en katt"}, {"boat", "en båt"},
    {"key", "en nyckel"},        {"chair", "en stol"}};
const QList<Pair> kGerman = {{"umbrella", "der Schirm"}, {"make-up", "die Schminke"},
                             {"car", "das Auto"},        {"dog", "der Hund"},
                             {"house", "das Haus"},      {"bread", "das Brot"},
                             {"cat", "die Katze"},       {"boat", "das Boot"},
                             {"key", "der Schlüssel"},   {"chair", "der Stuhl"}};
const QList<Pair> kFrench = {
    {"umbrella", "parapluie (m)"}, {"make-up", "maquillage (m)"}, {"car", "voiture (f)"},
    {"dog", "chien (m)"},          {"house", "maison (f)"},       {"bread", "pain (m)"},
    {"cat", "chat (m)"},           {"boat", "bateau (m)"},        {"key", "clé (f)"},
    {"chair", "chaise (f)"}};

QStringList captions(const std::array<QLabel*, kSynonymPairs>& labels) {
    QStringList texts;
    for (const QLabel* l : labels)
        texts << l->text();
    return texts;
}

QPoint cellCentre(const QuickGrid* grid, int cell) {
    return QPoint(static_cast<int>((QuickCellColumn(cell) - 0.5) * grid->width() / 5),
                  static_cast<int>((QuickCellRow(cell) - 0.5) * grid->height() / 5));
}

// A Quick store of numbered nouns of one level: the cells show "das Wort7" and the questions
// "ord7" (or the reverse); with twins, words 1 and 2 share their practised text.
QHash<QString, QString> fillQuick(AppContext& ctx, int words, bool ownQuestions, bool twins,
                                  int level = 3) {
    ctx.settings.fromLanguage = 1;
    ctx.settings.toLanguage = 3;
    QHash<QString, QString> answer;
    for (int i = 1; i <= words; ++i) {
        const QString to = QStringLiteral("das Wort%1").arg(twins && i == 2 ? 1 : i);
        const QString own = QStringLiteral("ett ord%1").arg(i);
        addWord(ctx.store, to, own, level, 1);
        const QString bare = QStringLiteral("ord%1").arg(i);
        if (ownQuestions)
            answer[bare] = to;
        else
            answer[to] = bare; // with twins both words ask the same question, answered by either
    }
    return answer;
}

// Plays a whole Quick game by clicks: `wrongClicks` wrong cells first, then the right cell
// of every question, a twin rather than the asked cell when there is one.
void playQuick(frmQuick& w, const QHash<QString, QString>& answer, int wrongClicks) {
    QTest::mouseClick(w.cmdStarta, Qt::LeftButton);
    for (int n = 0; n < 60 && w.tmrTimer.isActive(); ++n) {
        const QString wanted = answer.value(w.lblWord->text());
        QList<int> right;
        int wrong = 0;
        for (int cell = 1; cell <= kQuickCells; ++cell) {
            if (w.state.CellDone[cell])
                continue;
            if (w.state.CellText[cell] == wanted)
                right.prepend(cell);
            else
                wrong = cell;
        }
        if (right.isEmpty())
            qFatal("no cell answers %s", qPrintable(w.lblWord->text()));
        if (wrongClicks > 0 && wrong > 0) {
            --wrongClicks;
            QTest::mouseClick(w.picQuick, Qt::LeftButton, {}, cellCentre(w.picQuick, wrong));
        }
        const int cell =
            right.size() > 1 && right.first() == w.state.QuickCell ? right.last() : right.first();
        QTest::mouseClick(w.picQuick, Qt::LeftButton, {}, cellCentre(w.picQuick, cell));
    }
}

// Types a text key by key into a widget, also letters that no key of the test's keyboard
// layout carries.
void typeText(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        const QChar upper = ch.toUpper();
        const auto key =
            upper.unicode() < 0x100 ? static_cast<Qt::Key>(upper.unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(ch), Qt::NoModifier);
    }
}

int openHighScoreWindows() {
    int n = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        n += qobject_cast<frmHighScores*>(top) && top->isVisible() ? 1 : 0;
    return n;
}

// How the user ends the entry of a name.
enum class NameEnd { Enter, EscapeThenEnter, TabThenOk, CloseBox };

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
        const QHash<QString, QString> translation = fillNouns(app.ctx, 1, kSwedish);
        frmSynonym w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        auto link = [&w](int s, int j) {
            QTest::mouseClick(w.Picture1[s], Qt::LeftButton);
            QTest::mouseClick(w.Picture2[j], Qt::LeftButton);
        };
        qint32 right = 0;
        qint32 wrong = 0;
        QList<int> linked;
        for (int s : order) {
            const QString wanted = translation.value(w.RAD1[s]->text());
            QVERIFY(!wanted.isEmpty());
            const QStringList before = captions(w.RAD2);
            int other = 0;
            while (w.RAD2[other]->text() == wanted || linked.contains(other))
                ++other;
            link(s, other);
            QCOMPARE(app.ctx.wrongAnswers, ++wrong);
            QCOMPARE(captions(w.RAD2), before);
            if (!linked.isEmpty()) {
                link(s, linked.last());
                QCOMPARE(captions(w.RAD2), before);
                QCOMPARE(app.ctx.rightAnswers + app.ctx.wrongAnswers, right + wrong);
                QTest::mouseClick(&w, Qt::LeftButton, {},
                                  QPoint(4, 4)); // released beside the board
                QVERIFY(!w.state.LinkActive);
            }
            link(s, static_cast<int>(before.indexOf(wanted)));
            QCOMPARE(app.ctx.rightAnswers, ++right);
            linked << s;
            for (int k : linked)
                QCOMPARE(w.RAD2[k]->text(), translation.value(w.RAD1[k]->text()));
        }
        QCOMPARE(app.ctx.wrongAnswers, wrong);
    }

    // Forty questions answered by their digit keys: the four boxes never repeat a text,
    // also when the own language stores its nouns with articles.
    void quattroBoxesDiffer_data() {
        QTest::addColumn<int>("own");
        QTest::addColumn<QList<Pair>>("pairs");
        QTest::addRow("Swedish") << 1 << kSwedish;
        QTest::addRow("German") << 3 << kGerman;
        QTest::addRow("French") << 4 << kFrench;
    }
    void quattroBoxesDiffer() {
        QFETCH(int, own);
        QFETCH(QList<Pair>, pairs);
        TestApp app(0);
        const QHash<QString, QString> translation = fillNouns(app.ctx, own, pairs);
        frmQuattro w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        for (int q = 0; q < 40; ++q) {
            QStringList boxes;
            for (const OptionBox* box : w.picOption)
                boxes << box->text();
            QCOMPARE(QSet<QString>(boxes.begin(), boxes.end()).size(), 4);
            const qsizetype right = boxes.indexOf(translation.value(w.lblWord1->text()));
            QVERIFY2(right >= 0, qPrintable(boxes.join(u',')));
            QTest::keyClick(QApplication::focusWidget(), static_cast<char>('1' + right));
            QVERIFY(w.cmdNew->hasFocus());
            QTest::keyClick(QApplication::focusWidget(),
                            Qt::Key_Return); // the next question at once
        }
        QCOMPARE(app.ctx.rightAnswers, 40);
        QCOMPARE(app.ctx.wrongAnswers, 0);
    }

    // A whole game whose last answer changes the score: the list gets the score shown.
    void quickGame_data() {
        QTest::addColumn<bool>("ownQuestions");
        QTest::addColumn<int>("slider");
        QTest::addColumn<int>("wrongClicks");
        QTest::addColumn<bool>("twins");
        QTest::addColumn<QString>("score");
        QTest::addRow("own-language questions, 178 before the last")
            << true << 30 << 3 << false << "179";
        QTest::addRow("practised-language questions, 277 before the last")
            << false << 55 << 2 << false << "278";
        QTest::addRow("twin cells answered by either") << true << 30 << 0 << true << "200";
    }
    void quickGame() {
        QFETCH(bool, ownQuestions);
        QFETCH(int, slider);
        QFETCH(int, wrongClicks);
        QFETCH(bool, twins);
        QFETCH(QString, score);
        TestApp app(0);
        const QHash<QString, QString> answer =
            fillQuick(app.ctx, twins ? 25 : 30, ownQuestions, twins, slider / 10);
        frmQuick w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.optLanguage[ownQuestions ? 1 : 2], Qt::LeftButton);
        w.HScroll1->setValue(slider);
        playQuick(w, answer, wrongClicks);
        QVERIFY(!w.tmrTimer.isActive());
        QCOMPARE(w.state.MissedCount, 0L);
        QCOMPARE(w.lblScore->text(), score);
        frmHighScores* list = frmHighScores::openWindow();
        QVERIFY(list);
        QCOMPARE(list->lblScore[1]->text(), u' ' + score);
        QVERIFY(QTest::qWaitForWindowActive(list));
        QTRY_VERIFY(list->txtAddName->hasFocus());
        QTest::keyClicks(list->txtAddName, QStringLiteral("Maja"));
        QTest::keyClick(list->txtAddName, Qt::Key_Return);
        const HighScoreList saved = ReadHighScores(app.ctx.folder, QStringLiteral("Quick03.HGH"));
        QCOMPARE(saved.lblScore[1], u' ' + score);
        QCOMPARE(saved.lblName[1], QStringLiteral("Maja"));
    }

    void quickDirectionsShowTheirColour() {
        TestApp app(40);
        frmQuick w(app.ctx);
        showActive(w);
        const QImage shot = w.grab().toImage();
        for (int i = 1; i <= 2; ++i)
            QCOMPARE(shot.pixelColor(
                         w.optLanguage[i]->mapTo(&w, QPoint(w.optLanguage[i]->width() - 3, 16))),
                     QColor(225, 215, 195));
    }

    // Two game ends with "High scores" clicked between them: one window, and both entries
    // reach the file.
    void oneHighScoreWindow() {
        TestApp app(0);
        const QHash<QString, QString> answer = fillQuick(app.ctx, 30, true, false, 4);
        frmQuick w(app.ctx);
        showActive(w);
        w.HScroll1->setValue(50);
        playQuick(w, answer, 0);
        frmHighScores* list = frmHighScores::openWindow();
        QVERIFY(list);
        QTRY_VERIFY(list->txtAddName->hasFocus());
        typeText(list->txtAddName, QStringLiteral("Winner"));
        QTest::mouseClick(w.cmdTop, Qt::LeftButton);
        QCOMPARE(openHighScoreWindows(), 1);
        w.HScroll1->setValue(30);
        playQuick(w, answer, 0);
        QCOMPARE(openHighScoreWindows(), 1);
        QCOMPARE(frmHighScores::openWindow(), list);
        QCOMPARE(list->lblName[1]->text(), QStringLiteral("Winner"));
        QTRY_VERIFY(list->txtAddName->hasFocus());
        typeText(list->txtAddName, QStringLiteral("Second"));
        QTest::keyClick(list->txtAddName, Qt::Key_Return);
        const HighScoreList saved = ReadHighScores(app.ctx.folder, QStringLiteral("Quick03.HGH"));
        QCOMPARE(saved.lblScore[1], QStringLiteral(" 280"));
        QCOMPARE(saved.lblName[1], QStringLiteral("Winner"));
        QCOMPARE(saved.lblScore[2], QStringLiteral(" 200"));
        QCOMPARE(saved.lblName[2], QStringLiteral("Second"));
    }

    // However the entry of a name ends, the new score reaches the file, with the name as
    // typed.
    void nameEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<NameEnd>("end");
        QTest::addColumn<QString>("saved");
        QTest::addRow("Enter") << "Maja" << NameEnd::Enter << "Maja";
        QTest::addRow("Escape while typing") << "Maja" << NameEnd::EscapeThenEnter << "Maja";
        QTest::addRow("Tab from an empty name, then OK") << "" << NameEnd::TabThenOk << "";
        QTest::addRow("Tab from a name, then OK") << "Ola" << NameEnd::TabThenOk << "Ola";
        QTest::addRow("close box") << "Maja" << NameEnd::CloseBox << "Maja";
        QTest::addRow("a letter outside the code page") << "Łukasz" << NameEnd::Enter << "ukasz";
    }
    void nameEntry() {
        QFETCH(QString, typed);
        QFETCH(NameEnd, end);
        QFETCH(QString, saved);
        TestApp app(0);
        writeBytes(app.dir.filePath(QStringLiteral("Quick03.HGH")),
                   " 300\r\nEva\r\n 100\r\nOla\r\n");
        frmHighScores::enterScore(app.ctx, 150, QStringLiteral("QUICK03.HGH"));
        frmHighScores* list = frmHighScores::openWindow();
        QVERIFY(list);
        QTRY_VERIFY(list->txtAddName->hasFocus());
        typeText(list->txtAddName, typed);
        switch (end) {
        case NameEnd::Enter:
            QTest::keyClick(list->txtAddName, Qt::Key_Return);
            break;
        case NameEnd::EscapeThenEnter:
            QTest::keyClick(list->txtAddName, Qt::Key_Escape);
            QVERIFY(list->isVisible());
            QVERIFY(list->txtAddName->hasFocus());
            QTest::keyClick(list->txtAddName, Qt::Key_Return);
            break;
        case NameEnd::TabThenOk:
            QTest::keyClick(list->txtAddName, Qt::Key_Tab);
            QVERIFY(list->txtAddName->isHidden());
            QCOMPARE(list->lblName[2]->text(), saved);
            QTest::mouseClick(list->cmdOK, Qt::LeftButton);
            break;
        case NameEnd::CloseBox:
            list->close();
            break;
        }
        QTRY_COMPARE(openHighScoreWindows(), 0);
        const HighScoreList file = ReadHighScores(app.ctx.folder, QStringLiteral("Quick03.HGH"));
        QCOMPARE(file.lblScore[2], QStringLiteral(" 150"));
        QCOMPARE(file.lblName[2], saved);
        QCOMPARE(file.lblName[3], QStringLiteral("Ola"));
    }

    // A score beyond 16 bits is a damaged line: the rank shows the score read before it.
    void damagedScoreLines_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("shown");
        QTest::addRow("40000") << QByteArray(" 40000") << " 25";
        QTest::addRow("-32769") << QByteArray("-32769") << " 25";
        QTest::addRow("text") << QByteArray("many") << " 25";
        QTest::addRow("32767") << QByteArray(" 32767") << " 32767";
        QTest::addRow("-32768") << QByteArray("-32768") << "-32768";
    }
    void damagedScoreLines() {
        QFETCH(QByteArray, line);
        QFETCH(QString, shown);
        TestApp app(0);
        writeBytes(app.dir.filePath(QStringLiteral("Quick03.HGH")),
                   " 25\r\nEva\r\n" + line + "\r\nBig\r\n");
        frmHighScores::showList(app.ctx, highScoreFileName(3));
        frmHighScores* list = frmHighScores::openWindow();
        QVERIFY(list);
        QCOMPARE(list->lblScore[2]->text(), shown);
        QCOMPARE(list->lblName[2]->text(), QStringLiteral("Big"));
    }

    // Wrong answers checked by Enter, one corrected, Enter again: the learner always goes on
    // (Next verb), never to Help or Exit; right answers checked by Enter count.
    void verbEnterMovesOn_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addRow("two answer boxes") << QByteArray("3\r\nInf,Past,PP\r\ngo,went,gone\r\n");
        QTest::addRow("three answer boxes")
            << QByteArray("4\r\nInf,Pres,Past,PP\r\ngehen,geht,ging,gegangen\r\n");
    }
    void verbEnterMovesOn() {
        QFETCH(QByteArray, file);
        TestApp app(0);
        CollectingReporter r;
        QVERIFY(LoadVerbBytes(app.ctx.verbs, file, QStringLiteral("VERB03.TXT"), r));
        const auto& forms = app.ctx.verbs.VerbTable[1];
        const int boxes = app.ctx.verbs.FormCount - 1;
        QWidget help;
        app.ctx.introWindow = &help;
        frmVerb w(app.ctx);
        showActive(w);
        auto typeAll = [&](bool right) {
            for (int i = 0; i < boxes; ++i) {
                QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtGuess[i]));
                QTest::keyClicks(w.txtGuess[i], right ? forms[i + 2] : QStringLiteral("x"));
                QTest::keyClick(w.txtGuess[i], Qt::Key_Return);
            }
        };
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtGuess[0]));
        typeAll(false);
        QCOMPARE(app.ctx.wrongAnswers, 1);
        QVERIFY(!w.cmdCorrect->isEnabled());
        QVERIFY(w.cmdNew->hasFocus());
        // The learner corrects the last answer: Next verb stays offered.
        QLineEdit* last = w.txtGuess[boxes - 1];
        QTest::mouseClick(last, Qt::LeftButton);
        QTest::keyClick(last, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(last, forms[boxes + 1]);
        QVERIFY(w.cmdNew->isEnabled());
        QTest::keyClick(last, Qt::Key_Return);
        QVERIFY(w.isVisible());
        QVERIFY(!help.isVisible());
        QVERIFY(w.cmdCorrect->isEnabled());
        QVERIFY(last->text().isEmpty());
        QCOMPARE(app.ctx.wrongAnswers, 1);
        typeAll(true);
        QCOMPARE(app.ctx.rightAnswers, 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtGuess[0]));
    }

    // A word of one repeated letter is complete at once; the next key or double-click
    // offers the next word, at no cost.
    void wormCompleteWordOffersNew_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::addRow("a key") << false;
        QTest::addRow("a double-click") << true;
    }
    void wormCompleteWordOffersNew() {
        QFETCH(bool, doubleClick);
        TestApp app(0);
        app.ctx.settings.toLanguage = 2;
        addWord(app.ctx.store, QStringLiteral("zzz"), QStringLiteral("sova"));
        frmWorm w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        QVERIFY(!w.cmdNew->isEnabled());
        if (doubleClick)
            QTest::mouseDClick(w.picWord, Qt::LeftButton, {}, QPoint(5, 5));
        else
            QTest::keyClick(QApplication::focusWidget(), 'z');
        QVERIFY(w.cmdNew->isEnabled());
        QVERIFY(w.cmdNew->hasFocus());
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

    // No drill draws from an empty store: each asks nothing.
    void anEmptyStoreAsksNothing() {
        WordStore empty;
        Random rng;
        QuattroState quattro;
        NewQuestion(quattro, empty, 30, 1, rng);
        QCOMPARE(quattro.CorrectOption, 0);
        WormState worm;
        QVERIFY(!NewWord(worm, empty, 30, 1, 3, 20, rng));
        QuickState quick;
        QVERIFY(!BuildGrid(quick, empty, 30, true, 1, rng));
        SynonymState synonym;
        NewSynonymRound(synonym, empty, 30, 1, rng);
        QVERIFY(synonym.RAD1[0].isEmpty());
        GenusState genus;
        QCOMPARE(NewSet(genus, empty, 30, 1, 3, rng), 0);
        QCOMPARE(PickVerb(VerbState{}, rng), 0);
    }
};

QTEST_MAIN(TstDrillPlay)
#include "tst_drillplay.moc"
