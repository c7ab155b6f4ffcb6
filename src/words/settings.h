// The settings of the exercise program: the colour scheme and full-screen mode (section
// Misc) and the languages (section Languages) of VOKABRIX.INI, held in memory from start-up
// to exit and written back only by the main window's exit button.
#pragma once

#include "profile.h"

namespace vx {

struct AppSettings {
    int colorScheme = 1;
    bool fullScreen = false;
    bool speakWords = false; // "Speak words" in About: each right answer is spoken
    qint16 fromLanguage = 2;
    qint16 fromSub = 1;
    qint16 toLanguage = 3;
    bool returnToMain = false;
    qint16 screenColorBits = 32;

    // The flag key of the own language: 2 British, 12 American English, else the code.
    int fromFlagKey() const { return 10 * fromSub + fromLanguage; }
};

// ColorScheme (a stored 0 becomes 1), FullScreen and Speak (anything but 0 is on).
void ReadMiscSettings(const ProfileFile& profile, AppSettings& settings);
// From, FromSub and To with their corrections: To 0 becomes 3; From 0 or -1 becomes 2
// with FromSub 1.
void ReadLanguageSettings(const ProfileFile& profile, AppSettings& settings);
// Writes SeenWarranty=1 on the very first start.
void MarkWarrantySeen(const ProfileFile& profile);
// The exit: From, FromSub, To, then ColorScheme, FullScreen and Speak.
void SaveSettings(const ProfileFile& profile, const AppSettings& settings);
void SaveExitSettings(const ProfileFile& profile, const AppSettings& settings);

} // namespace vx
