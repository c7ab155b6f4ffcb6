// The verb drill's data: the verb file of the practised language (a form count, the form
// headings, then one verb a row), the choice of the next verb and the judging of a form.
#pragma once

#include "common/programfolder.h"
#include "common/random.h"
#include "common/reporter.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace vx {

inline constexpr int kMaxVerbs = 500;
inline constexpr int kMaxForms = 4;
inline constexpr int kMaxAlternatives = 10;

struct VerbState {
    int FormCount = 0;
    std::array<QString, 11> VerbHeadings;                    // 1..FormCount used
    std::vector<std::array<QString, kMaxForms + 1>> VerbTable =
        std::vector<std::array<QString, kMaxForms + 1>>(kMaxVerbs + 1); // [row][form], from 1
    int VerbCount = 0;
    int CurrentVerb = 0;
    // Rows answered right; kept for the whole run, whatever verb a row holds later.
    std::array<bool, kMaxVerbs + 1> VerbUsed{};
};

// Reads a verb file from the program folder. On failure it reports "Error reading file
// NAME. REASON" and leaves the state as it was.
bool LoadVerbs(VerbState& state, const ProgramFolder& folder, const QString& fileName,
               Reporter& reporter);
bool LoadVerbBytes(VerbState& state, QByteArrayView data, const QString& fileName,
                   Reporter& reporter);

// A row not yet answered right, at random; the 31st draw is taken whatever it is. 0 when
// there is no verb.
int PickVerb(const VerbState& state, Random& rng);

// Whether an answer is one of the "/"-separated alternatives of a stored form; case and
// surrounding blanks do not count.
bool IsRightForm(const QString& answer, const QString& stored);

} // namespace vx
