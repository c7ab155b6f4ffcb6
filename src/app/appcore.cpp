#include "appcore.h"

namespace vx {

void ColorTables::fill(int screenColorBits) {
    const bool full = screenColorBits >= 9;
    struct Row {
        QColor back, second, plainBack, plainSecond;
    };
    static const Row rows[kSchemeCount] = {
        {QColor(245, 240, 220), QColor(236, 214, 144), QColor(255, 255, 255), QColor(255, 255, 128)},
        {QColor(220, 230, 235), QColor(180, 195, 210), QColor(255, 255, 255), QColor(192, 192, 192)},
        {QColor(245, 220, 220), QColor(215, 180, 190), QColor(255, 255, 255), QColor(192, 192, 192)},
        {QColor(245, 235, 190), QColor(248, 228, 137), QColor(255, 255, 255), QColor(255, 255, 128)},
    };
    for (int i = 0; i < kSchemeCount; ++i) {
        backColors[i + 1] = full ? rows[i].back : rows[i].plainBack;
        accentColors[i + 1] = full ? rows[i].second : rows[i].plainSecond;
    }
}

int NextPracticeLanguage(int code, int fromLanguage) {
    int next = code + 1;
    if (next == fromLanguage)
        ++next;
    if (next > 5) {
        next = 1;
        if (next == fromLanguage)
            ++next;
    }
    return next;
}

const ExerciseInfo* exerciseInfo(int index) {
    static const ExerciseInfo table[] = {
        {Exercise::Worm, 1, "frmWorm", 62, nullptr, 5},
        {Exercise::Synonym, 2, "frmSynonym", 63, nullptr, 15},
        {Exercise::Quick, 3, "frmQuick", 0, "T E M P O", 30},
        {Exercise::Crossword, 4, "frmKorsord", 52, nullptr, 50},
        {Exercise::Verb, 5, "frmVerb", 60, nullptr, 30},
        {Exercise::Quattro, 95, "frmQuattro", 64, nullptr, 5},
        {Exercise::Genus, 301, "frmGenus", 306, nullptr, 50},
    };
    return index >= 1 && index <= 7 ? &table[index - 1] : nullptr;
}

QString exerciseTitle(const ExerciseInfo& info, const TextTable& texts) {
    return info.fixedTitle ? QString::fromLatin1(info.fixedTitle) : texts.text(info.titleText);
}

QString exerciseInstructions(Exercise exercise, const TextTable& texts) {
    const QString blankLine = QStringLiteral("\r\n\r\n");
    auto t = [&texts](int n) { return texts.text(n); };
    switch (exercise) {
    case Exercise::Worm: return t(231) + blankLine + t(232);
    case Exercise::Synonym: return t(210) + blankLine + t(211);
    case Exercise::Quick: return t(241) + blankLine + t(242);
    case Exercise::Crossword:
        return t(201) + blankLine + t(202) + u' ' + t(203) + blankLine + t(205) + u' ' + t(204);
    case Exercise::Verb: return t(220) + blankLine + t(221) + blankLine + t(222);
    case Exercise::Quattro: return t(250) + blankLine + t(251);
    case Exercise::Genus: return t(303) + blankLine + t(304);
    }
    return {};
}

QString verbFileName(int toLanguage) {
    return QStringLiteral("VERB%1.TXT").arg(toLanguage, 2, 10, QLatin1Char('0'));
}

} // namespace vx
