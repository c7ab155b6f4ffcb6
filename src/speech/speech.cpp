#include "speech.h"

#include <QLocale>
#include <QRegularExpression>

namespace vx {

QString speechLocale(int language, EnglishVariant variant) {
    switch (language) {
    case 1:
        return QStringLiteral("sv_SE");
    case 2:
        return variant == EnglishVariant::American ? QStringLiteral("en_US")
                                                   : QStringLiteral("en_GB");
    case 3:
        return QStringLiteral("de_DE");
    case 4:
        return QStringLiteral("fr_FR");
    case 5:
        return QStringLiteral("es_ES");
    default:
        return {};
    }
}

EnglishVariant systemEnglishVariant() {
    return QLocale::system().territory() == QLocale::UnitedStates ? EnglishVariant::American
                                                                  : EnglishVariant::British;
}

QString speakableText(const QString& text, int language, EnglishVariant variant) {
    QString spoken = text;
    if (language == 4 || language == 5) {
        static const QRegularExpression mark(QStringLiteral("\\s*\\((?:m|f|mf|pl|mpl|fpl)\\)"));
        spoken.remove(mark);
    }
    if (spoken.contains(u'/')) {
        const QStringList choices = spoken.split(u'/');
        const bool american = language == 2 && variant == EnglishVariant::American;
        spoken = american ? choices.last() : choices.first();
    }
    return spoken.simplified();
}

QString englishReason(SpeechProblem problem) {
    switch (problem) {
    case SpeechProblem::None: return {};
    case SpeechProblem::Starting: return QStringLiteral("Speech is starting.");
    case SpeechProblem::NoEngine:
        return QStringLiteral("Speech is not available: the speech module or speech-dispatcher is missing.");
    case SpeechProblem::NoVoice: return QStringLiteral("No voice is installed for this language.");
    }
    return {};
}

} // namespace vx
