// Spoken words: the text a learner reads, made speakable, and the voice of its language.
// The programs speak through a Speaker; the Qt speech engine is one implementation, tests
// record what would have been said.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace vx {

enum class EnglishVariant { British, American };

// The voice's locale for a language code 1..5: sv_SE, en_GB or en_US, de_DE, fr_FR, es_ES.
QString speechLocale(int language, EnglishVariant variant);

// English as the system speaks it: American when the system locale is American, else British.
EnglishVariant systemEnglishVariant();

// What is said for a text as the learner reads it: a noun keeps the article in front of it
// ("der Hund", "en hund"); French and Spanish gender marks such as "(m)", "(fpl)" or "(pl)"
// are left out; of alternatives written with "/" the one that fits the voice is kept (the
// first, the second for American English: "colour/color"). Empty when nothing is to be said.
QString speakableText(const QString& text, int language, EnglishVariant variant);

// Why a language cannot be spoken now.
enum class SpeechProblem {
    None,
    Starting, // the engine has not answered yet
    NoEngine, // Qt's speech module, its plugin or the speech server is missing
    NoVoice,  // no voice for the language
};

// The reason in English, for the editor, whose interface is English.
QString englishReason(SpeechProblem problem);

class Speaker : public QObject {
    Q_OBJECT
public:
    ~Speaker() override = default;
    virtual SpeechProblem problem(int language, EnglishVariant variant) const = 0;
    bool canSpeak(int language, EnglishVariant variant) const {
        return problem(language, variant) == SpeechProblem::None;
    }
    // Says the text in the language's voice, at once and without waiting for the end; a
    // word still being spoken is cut short. Nothing is said for an empty text or a
    // language without a voice.
    virtual void say(const QString& text, int language, EnglishVariant variant) = 0;

    // Makes `text` speakable and says it; the text as the learner reads it.
    void speak(const QString& text, int language, EnglishVariant variant) {
        const QString spoken = speakableText(text, language, variant);
        if (!spoken.isEmpty() && canSpeak(language, variant))
            say(spoken, language, variant);
    }

signals:
    // The engine became ready or failed: what canSpeak answers may have changed.
    void availabilityChanged();
};

// Says nothing: speech is not there.
class SilentSpeaker : public Speaker {
    Q_OBJECT
public:
    SpeechProblem problem(int, EnglishVariant) const override { return SpeechProblem::NoEngine; }
    void say(const QString&, int, EnglishVariant) override {}
};

// Keeps what would have been said, for tests.
class RecordingSpeaker : public Speaker {
    Q_OBJECT
public:
    struct Said {
        QString text;
        QString locale;
    };
    std::vector<Said> said;
    SpeechProblem reported = SpeechProblem::None; // what every language reports

    SpeechProblem problem(int, EnglishVariant) const override { return reported; }
    void say(const QString& text, int language, EnglishVariant variant) override {
        said.push_back({text, speechLocale(language, variant)});
    }
    QStringList texts() const {
        QStringList out;
        for (const Said& s : said)
            out << s.text;
        return out;
    }
    // Makes the engine ready or not, as a real one would announce it.
    void report(SpeechProblem p) {
        reported = p;
        emit availabilityChanged();
    }
};

// The program's speaker: the Qt speech engine when this build has it, else a silent one.
std::unique_ptr<Speaker> makeProgramSpeaker();

} // namespace vx
