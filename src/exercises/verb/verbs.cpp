#include "verbs.h"

#include "common/cp1252.h"
#include "common/sequential.h"
#include "common/textconv.h"

#include <QFile>

namespace vx {

bool LoadVerbBytes(VerbState& state, QByteArrayView data, const QString& fileName,
                   Reporter& reporter) {
    auto fail = [&](const QString& reason) {
        reporter.message(QStringLiteral("Error reading file ") + fileName + QStringLiteral(". ") + reason);
        return false;
    };
    const QStringList fields = readSequentialFields(data);
    if (fields.isEmpty())
        return fail(QStringLiteral("The file is empty."));
    qsizetype k = 0;
    // The form count is the whole part of the first field's number, which is checked as read:
    // a number far beyond 1..4 has no whole part in an int.
    const QString countField = fields[k++];
    const double count = val(countField);
    if (!(count >= 1 && count < kMaxForms + 1))
        return fail(QStringLiteral("The form count %1 is not 1 to %2.").arg(countField).arg(kMaxForms));
    const int formCount = static_cast<int>(count);
    VerbState next = state;
    next.FormCount = formCount;
    for (int h = 1; h <= formCount; ++h)
        next.VerbHeadings[h] = k < fields.size() ? fields[k++] : QString();
    int row = 0;
    for (;;) {
        std::array<QString, kMaxForms + 1> forms;
        int c = 1;
        for (; c <= formCount; ++c) {
            // Empty fields (blank lines, doubled commas) are skipped so the columns never shift.
            while (k < fields.size() && fields[k].isEmpty())
                ++k;
            if (k >= fields.size())
                break;
            forms[c] = fields[k++];
            if (forms[c].count(u'/') + 1 > kMaxAlternatives)
                return fail(QStringLiteral("Row %1 has more than %2 alternatives in one form.")
                                .arg(row + 1)
                                .arg(kMaxAlternatives));
        }
        if (c <= formCount) // the file ended inside the row: it does not count
            break;
        if (++row > kMaxVerbs)
            return fail(QStringLiteral("The file has more than %1 verbs.").arg(kMaxVerbs));
        next.VerbTable[row] = forms;
    }
    next.VerbCount = row;
    state = std::move(next);
    return true;
}

bool LoadVerbs(VerbState& state, const ProgramFolder& folder, const QString& fileName,
               Reporter& reporter) {
    QFile file(folder.resolve(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        reporter.message(QStringLiteral("Error reading file ") + fileName + QStringLiteral(". ") +
                         (file.exists() ? file.errorString() : QStringLiteral("File not found.")));
        return false;
    }
    return LoadVerbBytes(state, file.readAll(), fileName, reporter);
}

int PickVerb(const VerbState& state, Random& rng) {
    if (state.VerbCount < 1)
        return 0;
    int tries = 0;
    for (;;) {
        ++tries;
        const int r = rng.draw(state.VerbCount);
        if (!state.VerbUsed[r] || tries > 30)
            return r;
    }
}

bool IsRightForm(const QString& answer, const QString& stored) {
    const QString wanted = ucase(trimBlanks(answer));
    const QStringList alternatives = ucase(trimBlanks(stored)).split(u'/');
    for (qsizetype i = 0; i < alternatives.size() && i < kMaxAlternatives; ++i) {
        if (ucase(trimBlanks(alternatives[i])) == wanted)
            return true;
    }
    return false;
}

} // namespace vx
