// Which help document to open: the one written in the user's own language, or the English
// one when that language has none. No widgets: both programs and the tests use it.
#pragma once

#include "common/programfolder.h"

#include <QLocale>
#include <QString>

namespace vx {

class ProfileFile;

// The document of an own language (code 1 Swedish .. 5 Spanish): Vokabrix.html for English
// (both variants) and for a code outside 1..5, Vokabrix.<sv|de|fr|es>.html for the others.
QString helpFileName(int language);

// The path of the document to show: the own language's when the folder holds it, otherwise
// the English one's.
QString helpFilePath(const ProgramFolder& folder, int language);

// The language code of a locale (de_AT is German); English for a language Vokabrix does
// not speak.
int languageOfLocale(const QLocale& locale);

// The own language of the editor, which has no language choice of its own: the one the
// exercise program keeps in the settings file, or the locale's when none is stored there.
int editorHelpLanguage(const ProfileFile& profile, const QLocale& locale);

} // namespace vx
