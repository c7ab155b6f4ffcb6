// Spoken words in the exercise windows, with a speaker that records what it would say: F5
// and the speaker picture say the practised word the window offers, never before the answer
// is known; "Speak words" says each right answer by itself; without speech the picture is
// disabled and says why.
#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "app/frmabout.h"
#include "exercises/genus/frmgenus.h"
#include "exercises/quattro/frmquattro.h"
#include "exercises/quick/frmquick.h"
#include "exercises/synonym/frmsynonym.h"
#include "exercises/verb/frmverb.h"
#include "exercises/worm/frmworm.h"
#include "storebuilder.h"

#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

using namespace vx;
using namespace vx::test;

Q_DECLARE_METATYPE(vx::SpeechProblem)

namespace {

void showActive(QWidget& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("window not active");
}

// German nouns practised from Swedish: one word of each, so every question asks it.
void fillGerman(AppContext& ctx, int words) {
    ctx.settings.fromLanguage = 1;
    ctx.settings.toLanguage = 3;
    const QStringList de{"der Hund", "die Katze", "das Haus", "der Tisch", "die Lampe",
                         "das Brot", "der Stuhl", "die Tür",  "das Auto",  "der Baum"};
    const QStringList sv{"en hund",  "en katt", "ett hus", "ett bord", "en lampa",
                         "ett bröd", "en stol", "en dörr", "en bil",   "ett träd"};
    for (int i = 0; i < words; ++i)
        addWord(ctx.store, de[i], sv[i], 3, 1);
}

// What the speaker said since the last look, and the voice it used.
QStringList heard(TestApp& app) {
    QStringList out;
    for (const RecordingSpeaker::Said& s : app.speaker.said)
        out << s.text + QStringLiteral(" @") + s.locale;
    app.speaker.said.clear();
    return out;
}

void pressF5(QWidget& w) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_F5);
}

QLabel* speakerPicture(QWidget& w) {
    return w.findChild<QLabel*>(QStringLiteral("imgSpeaker"));
}

} // namespace

class TstSpeaking : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
    }

    // Each drill: what F5 says before the answer, what a right answer says by itself, and
    // what F5 and the picture say after it.
    void speakingInEveryDrill_data() {
        QTest::addColumn<QString>("drill");
        QTest::addColumn<QStringList>("before"); // F5 before the answer
        QTest::addColumn<QStringList>("after");  // said by itself, then by F5, then by the picture
        const QString dog = QStringLiteral("der Hund @de_DE");
        QTest::addRow("Quattro") << "quattro" << QStringList{dog} << QStringList{dog, dog, dog};
        QTest::addRow("Worm: nothing before the word is complete")
            << "worm" << QStringList{} << QStringList{dog, dog, dog};
        QTest::addRow("Quick asking German")
            << "quick german" << QStringList{dog} << QStringList{dog};
        QTest::addRow("Quick asking Swedish")
            << "quick swedish" << QStringList{} << QStringList{dog};
        QTest::addRow("Synonym") << "synonym" << QStringList{} << QStringList{dog, dog, dog};
        QTest::addRow("Genus") << "genus" << QStringList{} << QStringList{dog, dog, dog};
        const QString verb = QStringLiteral("gehen @de_DE");
        const QString forms = QStringLiteral("gehen, geht, ging, gegangen @de_DE");
        QTest::addRow("Verb: the verb, after a right check its forms")
            << "verb" << QStringList{verb}
            << QStringList{forms, QStringLiteral("sein @de_DE"), QStringLiteral("sein @de_DE")};
    }
    void speakingInEveryDrill() {
        QFETCH(QString, drill);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        TestApp app(0);
        app.ctx.settings.speakWords = true;
        QWidget help;
        app.ctx.introWindow = &help;
        std::unique_ptr<ExerciseWindow> window;
        std::function<void()> answerRight;

        if (drill == "quattro") {
            fillGerman(app.ctx, 4);
            auto* w = new frmQuattro(app.ctx);
            window.reset(w);
            showActive(*w);
            QTest::mouseClick(w->cmdNew, Qt::LeftButton);
            // The store gives "der Hund" only when it is asked: ask until it is.
            for (int n = 0; n < 50 && w->lblWord1->text() != "der Hund"; ++n) {
                QTest::keyClick(w, static_cast<Qt::Key>(Qt::Key_1 + w->state.CorrectOption - 1));
                QTest::mouseClick(w->cmdNew, Qt::LeftButton);
            }
            QCOMPARE(w->lblWord1->text(), QStringLiteral("der Hund"));
            app.speaker.said.clear();
            answerRight = [w] {
                QTest::keyClick(w, static_cast<Qt::Key>(Qt::Key_1 + w->state.CorrectOption - 1));
            };
        } else if (drill == "worm") {
            fillGerman(app.ctx, 1);
            auto* w = new frmWorm(app.ctx);
            window.reset(w);
            showActive(*w);
            QTest::mouseClick(w->cmdNew, Qt::LeftButton);
            answerRight = [w] {
                for (QChar c : QStringLiteral("HUND"))
                    QTest::keyClick(QApplication::focusWidget(), c.toLower().toLatin1());
            };
        } else if (drill.startsWith("quick")) {
            fillGerman(app.ctx, 1);
            auto* w = new frmQuick(app.ctx);
            window.reset(w);
            showActive(*w);
            // The first option asks the own language, the second the practised one.
            QTest::mouseClick(w->optLanguage[drill == "quick german" ? 2 : 1], Qt::LeftButton);
            QTest::mouseClick(w->cmdStarta, Qt::LeftButton);
            answerRight = [w] {
                int cell = 1;
                while (w->state.CellDone[cell] ||
                       (cell != w->state.QuickCell &&
                        w->state.CellText[cell] != w->state.CellText[w->state.QuickCell]))
                    ++cell;
                const QRect r = w->picQuick->rect();
                QTest::mouseClick(w->picQuick, Qt::LeftButton, {},
                                  QPoint((QuickCellColumn(cell) * 2 - 1) * r.width() / 10,
                                         (QuickCellRow(cell) * 2 - 1) * r.height() / 10));
            };
        } else if (drill == "synonym") {
            fillGerman(app.ctx, 10);
            app.ctx.settings.toLanguage = 3;
            auto* w = new frmSynonym(app.ctx);
            window.reset(w);
            showActive(*w);
            QTest::mouseClick(w->cmdNew, Qt::LeftButton);
            answerRight = [w] {
                const int s = static_cast<int>(std::find(w->state.RAD1.begin(), w->state.RAD1.end(),
                                                         QStringLiteral("der Hund")) -
                                               w->state.RAD1.begin());
                const int j = static_cast<int>(
                    std::find(w->state.RAD2.begin(), w->state.RAD2.end(), QStringLiteral("hund")) -
                    w->state.RAD2.begin());
                QVERIFY(s < kSynonymPairs && j < kSynonymPairs);
                w->startLink(s);
                w->linkTo(j);
            };
        } else if (drill == "genus") {
            fillGerman(app.ctx, 1);
            auto* w = new frmGenus(app.ctx);
            window.reset(w);
            showActive(*w);
            QTest::mouseClick(w->cmdNew, Qt::LeftButton);
            answerRight = [w] {
                for (PictureLabel* label : w->lblGenus[0])
                    if (label->text() == QStringLiteral("der"))
                        QTest::mouseClick(label, Qt::LeftButton);
            };
        } else {
            CollectingReporter r;
            QVERIFY(LoadVerbBytes(
                app.ctx.verbs,
                "4\r\nInf,Pres,Past,PP\r\ngehen,geht,ging,gegangen\r\nsein,ist,war,gewesen\r\n",
                QStringLiteral("VERB03.TXT"), r));
            app.ctx.settings.toLanguage = 3;
            auto* w = new frmVerb(app.ctx);
            window.reset(w);
            showActive(*w);
            while (w->txtVerb->text() != QStringLiteral("gehen"))
                QTest::mouseClick(w->cmdNew, Qt::LeftButton);
            answerRight = [w] {
                const QStringList forms{"geht", "ging", "gegangen"};
                for (int i = 0; i < 3; ++i)
                    QTest::keyClicks(w->txtGuess[i], forms[i]);
                QTest::mouseClick(w->cmdCorrect, Qt::LeftButton);
            };
        }

        QVERIFY(speakerPicture(*window)->isEnabled());
        pressF5(*window);
        QCOMPARE(heard(app), before);
        answerRight();
        QStringList said = heard(app);
        pressF5(*window);
        said << heard(app);
        QTest::mouseClick(speakerPicture(*window), Qt::LeftButton);
        said << heard(app);
        QCOMPARE(said.mid(0, after.size()), after);
        QCOMPARE(said.size(), drill.startsWith("quick") ? said.size() : after.size());
    }

    // "Speak words" off: a right answer is silent; F5 still speaks.
    void rightAnswersAreSilentUnlessAsked() {
        TestApp app(0);
        fillGerman(app.ctx, 1);
        frmWorm w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        for (QChar c : QStringLiteral("hund"))
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QVERIFY(w.state.complete());
        QCOMPARE(heard(app), QStringList());
        pressF5(w);
        QCOMPARE(heard(app), QStringList{"der Hund @de_DE"});
    }

    // Without speech the picture is disabled and says why, in the interface's language;
    // F5 says nothing. When the engine becomes ready, the picture comes alive.
    void withoutSpeech_data() {
        QTest::addColumn<SpeechProblem>("problem");
        QTest::addColumn<int>("tip");
        QTest::addRow("starting") << SpeechProblem::Starting << 262;
        QTest::addRow("no engine") << SpeechProblem::NoEngine << 263;
        QTest::addRow("no voice") << SpeechProblem::NoVoice << 264;
    }
    void withoutSpeech() {
        QFETCH(SpeechProblem, problem);
        QFETCH(int, tip);
        TestApp app(0);
        fillGerman(app.ctx, 4);
        app.speaker.reported = problem;
        frmQuattro w(app.ctx);
        showActive(w);
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        QLabel* picture = speakerPicture(w);
        QVERIFY(!picture->isEnabled());
        QCOMPARE(picture->toolTip(), app.ctx.texts.text(tip));
        pressF5(w);
        QCOMPARE(heard(app), QStringList());
        app.speaker.report(SpeechProblem::None);
        QVERIFY(picture->isEnabled());
        QCOMPARE(picture->toolTip(), app.ctx.texts.text(260));
        pressF5(w);
        QCOMPARE(heard(app).size(), 1);
    }

    // "Speak words" in About is kept in the settings file as Speak in section Misc.
    void speakWordsSetting() {
        TestApp app(0);
        QCOMPARE(app.ctx.settings.speakWords, false); // off on a first start
        frmAbout about(app.ctx);
        showActive(about);
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label8"))->text(),
                 app.ctx.texts.text(261));
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Label8")), Qt::LeftButton);
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        QVERIFY(app.ctx.settings.speakWords);
        SaveExitSettings(app.ctx.profile, app.ctx.settings);
        QCOMPARE(app.ctx.profile.getInt(QStringLiteral("Misc"), QStringLiteral("Speak"), -1), 1);
        AppSettings read;
        ReadMiscSettings(app.ctx.profile, read);
        QVERIFY(read.speakWords);
        frmAbout again(app.ctx);
        QVERIFY(again.chkSpeak->isChecked());
    }
};

QTEST_MAIN(TstSpeaking)
#include "tst_speaking.moc"
