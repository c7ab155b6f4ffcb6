#include "wordlist.h"

#include "common/textconv.h"
#include "words/articles.h"

namespace vx::exchange {

namespace {

struct NamedLanguage {
    const char16_t* name;
    int code;
};

// English and native names, and the names in the other four languages of the system.
constexpr NamedLanguage kNames[] = {
    {u"swedish", 1},  {u"svenska", 1},    {u"schwedisch", 1},  {u"suédois", 1},  {u"suedois", 1},
    {u"sueco", 1},    {u"english", 2},    {u"engelska", 2},    {u"englisch", 2}, {u"anglais", 2},
    {u"inglés", 2},   {u"ingles", 2},     {u"german", 3},      {u"deutsch", 3},  {u"tyska", 3},
    {u"allemand", 3}, {u"alemán", 3},     {u"aleman", 3},      {u"french", 4},   {u"français", 4},
    {u"francais", 4}, {u"franska", 4},    {u"französisch", 4}, {u"francés", 4},  {u"frances", 4},
    {u"spanish", 5},  {u"español", 5},    {u"espanol", 5},     {u"spanska", 5},  {u"spanisch", 5},
    {u"espagnol", 5}, {u"castellano", 5},
};

constexpr const char* kLocales[] = {"sv", "en", "de", "fr", "es"};

bool americanMark(const QString& s) {
    for (const char* mark :
         {"american", "us", "usa", "united states", "amerikanska", "amerikanisch"})
        if (s == QLatin1String(mark))
            return true;
    return false;
}

// The article or mark with which a noun of this gender is stored; empty when the language
// has none for it.
QString compose(int code, const QString& bare, Gender gender, bool plural) {
    switch (code) {
    case 1:
        if (plural || gender == Gender::None)
            return {};
        return (gender == Gender::Neutral ? QStringLiteral("ett ") : QStringLiteral("en ")) + bare;
    case 2:
        return bare;
    case 3:
        if (plural)
            return QStringLiteral("die ") + bare;
        switch (gender) {
        case Gender::Male:
            return QStringLiteral("der ") + bare;
        case Gender::Female:
            return QStringLiteral("die ") + bare;
        case Gender::Neutral:
            return QStringLiteral("das ") + bare;
        case Gender::None:
            return {};
        }
        return {};
    case 4:
    case 5:
        if (gender == Gender::Male)
            return bare + (plural ? QStringLiteral(" (mpl)") : QStringLiteral(" (m)"));
        if (gender == Gender::Female)
            return bare + (plural ? QStringLiteral(" (fpl)") : QStringLiteral(" (f)"));
        return {};
    default:
        return {};
    }
}

bool isApostrophe(QChar c) {
    return c == u'\'' || c == u'\u2019';
}

} // namespace

LanguageMatch matchLanguage(const QString& localeOrName) {
    QString t = localeOrName.trimmed().toLower();
    for (QChar cut : {u'.', u'@'}) {
        const qsizetype at = t.indexOf(cut);
        if (at >= 0)
            t.truncate(at);
    }
    t.replace(u'-', u'_');
    const QString lang = t.section(u'_', 0, 0);
    const QString region = t.section(u'_', 1);
    for (int code = 1; code <= 5; ++code)
        if (lang == QLatin1String(kLocales[code - 1]))
            return {code, code == 2 && region == QLatin1String("us")};

    // A name, perhaps with a region: "English (US)", "American English", "Deutsch (Österreich)".
    QString base = t;
    QString detail;
    const qsizetype open = t.indexOf(u'(');
    if (open >= 0) {
        base = t.left(open).trimmed();
        detail = t.mid(open + 1).remove(u')').trimmed();
    }
    bool american = americanMark(detail);
    for (const char* prefix : {"american ", "us ", "british ", "uk "}) {
        if (base.startsWith(QLatin1String(prefix))) {
            american = american || americanMark(base.section(u' ', 0, 0));
            base = base.mid(qsizetype(qstrlen(prefix)));
        }
    }
    for (const NamedLanguage& n : kNames)
        if (base == QStringView(n.name))
            return {n.code, n.code == 2 && american};
    return {};
}

QString localeOf(int code) {
    return code >= 1 && code <= 5 ? QString::fromLatin1(kLocales[code - 1]) : QString();
}

std::vector<ArticleDefinition> defaultArticles(int code) {
    using G = Gender;
    constexpr bool P = true; // plural
    constexpr bool I = true; // indefinite
    switch (code) {
    case 1:
        return {
            {"en", G::Male, false, I}, {"en", G::Female, false, I}, {"ett", G::Neutral, false, I}};
    case 2:
        return {{"the", G::None}, {"a", G::None, false, I}, {"an", G::None, false, I}};
    case 3:
        return {{"der", G::Male},
                {"die", G::Female},
                {"das", G::Neutral},
                {"ein", G::Male, false, I},
                {"eine", G::Female, false, I},
                {"ein", G::Neutral, false, I},
                {"die", G::Male, P},
                {"die", G::Female, P},
                {"die", G::Neutral, P}};
    case 4:
        return {{"le", G::Male},         {"la", G::Female},         {"l'", G::Male},
                {"l'", G::Female},       {"un", G::Male, false, I}, {"une", G::Female, false, I},
                {"les", G::Male, P},     {"les", G::Female, P},     {"des", G::Male, P, I},
                {"des", G::Female, P, I}};
    case 5:
        return {{"el", G::Male},           {"la", G::Female},
                {"un", G::Male, false, I}, {"una", G::Female, false, I},
                {"los", G::Male, P},       {"las", G::Female, P},
                {"unos", G::Male, P, I},   {"unas", G::Female, P, I}};
    default:
        return {};
    }
}

bool hasNounMark(int code, const QString& text) {
    return !SplitArticle(text, static_cast<int>(WordClass::Noun), code).Article.isEmpty();
}

QString nounForm(int code, const QString& text, Gender gender,
                 const std::vector<ArticleDefinition>& articles) {
    if (hasNounMark(code, text))
        return text;
    // The longest article the text begins with, followed by a blank (or an apostrophe's
    // own end, as in "l'arbre").
    qsizetype length = 0;
    for (const ArticleDefinition& a : articles) {
        const qsizetype n = a.text.size();
        if (n == 0 || n <= length || text.size() <= n ||
            !text.startsWith(a.text, Qt::CaseInsensitive))
            continue;
        if (text[n] == u' ' || isApostrophe(a.text.back()))
            length = n;
    }
    const QString bare = length > 0 ? trimBlanks(text.mid(length)) : text;
    if (bare.isEmpty())
        return text;

    // The forms the word can take: from its word type, else from every meaning its article has.
    QStringList forms;
    if (gender != Gender::None) {
        bool plural = false;
        for (const ArticleDefinition& a : articles)
            plural = plural || (a.text.size() == length && a.plural &&
                                text.startsWith(a.text, Qt::CaseInsensitive));
        forms << compose(code, bare, gender, plural);
    } else if (length > 0) {
        for (const ArticleDefinition& a : articles)
            if (a.text.size() == length && text.startsWith(a.text, Qt::CaseInsensitive))
                forms << compose(code, bare, a.gender, a.plural);
    } else {
        forms << compose(code, bare, Gender::None, false);
    }
    forms.removeDuplicates();
    if (forms.size() == 1 && !forms.front().isEmpty())
        return forms.front();
    return text;
}

SplitNoun splitNoun(int code, const QString& stored) {
    const WordForm form = SplitArticle(stored, static_cast<int>(WordClass::Noun), code);
    Gender gender = Gender::None;
    const QString& a = form.Article;
    if (a == QLatin1String("en") || a == QLatin1String("der") || a == QLatin1String("(m)"))
        gender = Gender::Male;
    else if (a == QLatin1String("die") || a == QLatin1String("(f)"))
        gender = Gender::Female;
    else if (a == QLatin1String("ett") || a == QLatin1String("das"))
        gender = Gender::Neutral;
    // Read back, the bare word and its gender must give the stored text again.
    if (gender == Gender::None ||
        nounForm(code, form.Bare, gender, defaultArticles(code)) != stored)
        return {stored, Gender::None};
    return {form.Bare, gender};
}

QString cleanText(const QString& text) {
    QString t = text;
    for (QChar& c : t)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return trimBlanks(t);
}

QString ImportResult::skippedSummary() const {
    QStringList parts;
    for (const QString& name : skippedLanguages)
        parts << QStringLiteral("the language \"%1\"").arg(name);
    for (const QString& name : ignoredColumns)
        parts << QStringLiteral("the column \"%1\"").arg(name);
    if (emptyEntries == 1)
        parts << QStringLiteral("1 entry without a word in the five languages");
    else if (emptyEntries > 1)
        parts
            << QStringLiteral("%1 entries without a word in the five languages").arg(emptyEntries);
    return parts.isEmpty() ? QString() : QStringLiteral("Skipped: ") + parts.join(u"; ") + u'.';
}

bool addRecord(ImportResult& result, const WordRecord& record, const QString& label,
               const QString& where, QString& error) {
    bool any = false;
    for (const QString& t : record.text)
        any = any || !t.isEmpty();
    if (!any) {
        ++result.emptyEntries;
        return true;
    }
    if (result.records.size() >= static_cast<size_t>(kMaxWordListRecords)) {
        error = QStringLiteral("%1 holds more than %2 words, more than a dictionary can take.")
                    .arg(label)
                    .arg(kMaxWordListRecords);
        return false;
    }
    const QString problem = checkStorable(record);
    if (!problem.isEmpty()) {
        error = QStringLiteral("%1, %2: %3.").arg(label, where, problem);
        return false;
    }
    result.records.push_back(record);
    return true;
}

} // namespace vx::exchange
