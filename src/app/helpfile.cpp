#include "helpfile.h"

#include "words/profile.h"

namespace vx {

namespace {

constexpr int kEnglish = 2;
// Language codes 1..5 and the suffix of their documents; English has the plain name.
const char* const kSuffixes[] = {"", "sv", "", "de", "fr", "es"};

bool isLanguage(int code) {
    return code >= 1 && code <= 5;
}

} // namespace

QString helpFileName(int language) {
    if (!isLanguage(language) || language == kEnglish)
        return QStringLiteral("Vokabrix.html");
    return QStringLiteral("Vokabrix.%1.html").arg(QLatin1String(kSuffixes[language]));
}

QString helpFilePath(const ProgramFolder& folder, int language) {
    const QString own = helpFileName(language);
    return folder.resolve(folder.exists(own) ? own : helpFileName(kEnglish));
}

int languageOfLocale(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::Swedish:
        return 1;
    case QLocale::German:
        return 3;
    case QLocale::French:
        return 4;
    case QLocale::Spanish:
        return 5;
    default:
        return kEnglish;
    }
}

int editorHelpLanguage(const ProfileFile& profile, const QLocale& locale) {
    // A From that names no language (0 and -1 stand for "not chosen yet") counts as none.
    const int stored = profile.getInt(QStringLiteral("Languages"), QStringLiteral("From"), 0);
    return isLanguage(stored) ? stored : languageOfLocale(locale);
}

} // namespace vx
