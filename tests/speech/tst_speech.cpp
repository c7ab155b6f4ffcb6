// What is said for a word as the learner reads it, in which voice, and that the speech
// engine underneath turns a word of each language into sound.
#include "speech/speech.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

class TstSpeech : public QObject {
    Q_OBJECT
private slots:
    void speakableText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("locale");
        QTest::addRow("Swedish noun keeps its article") << "en hund" << 1 << false << "en hund"
                                                        << "sv_SE";
        QTest::addRow("German noun keeps its article") << "der Hund" << 3 << false << "der Hund"
                                                       << "de_DE";
        QTest::addRow("French gender mark") << "chien (m)" << 4 << false << "chien"
                                            << "fr_FR";
        QTest::addRow("French plural mark") << "ciseaux (mpl)" << 4 << false << "ciseaux"
                                            << "fr_FR";
        QTest::addRow("Spanish mark without blank") << "mesa(f)" << 5 << false << "mesa"
                                                    << "es_ES";
        QTest::addRow("Spanish mf") << "estudiante (mf)" << 5 << false << "estudiante"
                                    << "es_ES";
        QTest::addRow("a bracket that is no mark") << "faire (qc)" << 4 << false << "faire (qc)"
                                                   << "fr_FR";
        QTest::addRow("German brackets are kept")
            << "die Eltern (pl)" << 3 << false << "die Eltern (pl)"
            << "de_DE";
        QTest::addRow("British alternative") << "colour/color" << 2 << false << "colour"
                                             << "en_GB";
        QTest::addRow("American alternative") << "colour/color" << 2 << true << "color"
                                              << "en_US";
        QTest::addRow("alternatives with blanks")
            << "surname / last name" << 2 << true << "last name"
            << "en_US";
        QTest::addRow("verb forms in another language") << "soñado/soñada" << 5 << true << "soñado"
                                                        << "es_ES";
        QTest::addRow("blanks around") << "  la table (f) " << 4 << false << "la table"
                                       << "fr_FR";
        QTest::addRow("nothing") << "" << 3 << false << ""
                                 << "de_DE";
        QTest::addRow("only a mark") << "(m)" << 4 << false << ""
                                     << "fr_FR";
    }
    void speakableText() {
        QFETCH(QString, text);
        QFETCH(int, language);
        QFETCH(bool, american);
        QFETCH(QString, spoken);
        QFETCH(QString, locale);
        const EnglishVariant variant =
            american ? EnglishVariant::American : EnglishVariant::British;
        RecordingSpeaker speaker;
        speaker.speak(text, language, variant);
        QCOMPARE(speaker.texts(), spoken.isEmpty() ? QStringList() : QStringList{spoken});
        QCOMPARE(speechLocale(language, variant), locale);
        speaker.reported = SpeechProblem::NoVoice;
        speaker.speak(text, language, variant);
        QCOMPARE(speaker.said.size(), size_t(spoken.isEmpty() ? 0 : 1)); // nothing without a voice
    }

    // The engine under the speech server turns a word of each language into sound.
    void espeakMakesSound_data() {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("word");
        QTest::addRow("Swedish") << "sv"
                                 << "sjuksköterska";
        QTest::addRow("British English") << "en-gb"
                                         << "colour";
        QTest::addRow("American English") << "en-us"
                                          << "color";
        QTest::addRow("German") << "de"
                                << "Schwiegermutter";
        QTest::addRow("French") << "fr"
                                << "œil";
        QTest::addRow("Spanish") << "es"
                                 << "niño";
    }
    void espeakMakesSound() {
        QFETCH(QString, voice);
        QFETCH(QString, word);
        const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
        if (espeak.isEmpty())
            QSKIP("espeak-ng is not installed");
        QTemporaryDir dir;
        const QString wav = dir.filePath(QStringLiteral("word.wav"));
        QCOMPARE(QProcess::execute(espeak,
                                   {QStringLiteral("-v"), voice, QStringLiteral("-w"), wav, word}),
                 0);
        QFile file(wav);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(44);
        QVERIFY(head.startsWith("RIFF") && head.mid(8, 4) == "WAVE");
        QVERIFY2(file.size() > 44 + 4000, qPrintable(QString::number(file.size()))); // some sound
    }
};

QTEST_GUILESS_MAIN(TstSpeech)
#include "tst_speech.moc"
