#include "settings.h"

#include "common/textconv.h"

namespace vx {

namespace {
const QString kMisc = QStringLiteral("Misc");
const QString kLanguages = QStringLiteral("Languages");
} // namespace

void ReadMiscSettings(const ProfileFile& profile, AppSettings& settings) {
    settings.colorScheme = profile.getInt(kMisc, QStringLiteral("ColorScheme"), 1);
    settings.fullScreen = profile.getInt(kMisc, QStringLiteral("FullScreen"), 0) != 0;
    settings.speakWords = profile.getInt(kMisc, QStringLiteral("Speak"), 0) != 0;
    if (settings.colorScheme == 0)
        settings.colorScheme = 1;
}

void ReadLanguageSettings(const ProfileFile& profile, AppSettings& settings) {
    settings.fromLanguage = static_cast<qint16>(profile.getInt(kLanguages, QStringLiteral("From"), -1));
    settings.fromSub = static_cast<qint16>(profile.getInt(kLanguages, QStringLiteral("FromSub"), 0));
    settings.toLanguage = static_cast<qint16>(profile.getInt(kLanguages, QStringLiteral("To"), 3));
    if (settings.toLanguage == 0)
        settings.toLanguage = 3;
    if (settings.fromLanguage == 0 || settings.fromLanguage == -1) {
        settings.fromLanguage = 2;
        settings.fromSub = 1;
    }
}

void MarkWarrantySeen(const ProfileFile& profile) {
    if (profile.getInt(kMisc, QStringLiteral("SeenWarranty"), 0) == 0)
        profile.writeString(kMisc, QStringLiteral("SeenWarranty"), QStringLiteral("1"));
}

void SaveSettings(const ProfileFile& profile, const AppSettings& settings) {
    profile.writeString(kLanguages, QStringLiteral("From"), str(static_cast<int>(settings.fromLanguage)));
    profile.writeString(kLanguages, QStringLiteral("FromSub"), str(static_cast<int>(settings.fromSub)));
    profile.writeString(kLanguages, QStringLiteral("To"), str(static_cast<int>(settings.toLanguage)));
}

void SaveExitSettings(const ProfileFile& profile, const AppSettings& settings) {
    SaveSettings(profile, settings);
    profile.writeString(kMisc, QStringLiteral("ColorScheme"), str(settings.colorScheme));
    profile.writeString(kMisc, QStringLiteral("FullScreen"),
                        settings.fullScreen ? QStringLiteral("1") : QStringLiteral("0"));
    profile.writeString(kMisc, QStringLiteral("Speak"),
                        settings.speakWords ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace vx
