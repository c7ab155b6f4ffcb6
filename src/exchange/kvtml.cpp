#include "kvtml.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <map>

namespace vx::exchange {

namespace {

constexpr char kGenerator[] = "Vokabrix";

// The XML as a tree: element names, the attributes the format uses, text and line.
struct Node {
    QString name;
    QString id;
    QString version;
    QString text;
    qint64 line = 0;
    std::vector<Node> children;

    const Node* child(QLatin1StringView n) const {
        for (const Node& c : children)
            if (c.name == n)
                return &c;
        return nullptr;
    }
    QString childText(QLatin1StringView n) const {
        const Node* c = child(n);
        return c ? c->text : QString();
    }
    template <typename F> void forEach(QLatin1StringView n, F f) const {
        for (const Node& c : children)
            if (c.name == n)
                f(c);
    }
};

// The elements the reader looks at; the others (comments, practice counts, lessons,
// conjugations...) are passed over without building nodes for them.
bool wanted(QStringView name) {
    static const QSet<QStringView> names{u"kvtml",
                                         u"information",
                                         u"generator",
                                         u"identifiers",
                                         u"identifier",
                                         u"name",
                                         u"locale",
                                         u"article",
                                         u"singular",
                                         u"dual",
                                         u"plural",
                                         u"definite",
                                         u"indefinite",
                                         u"male",
                                         u"female",
                                         u"neutral",
                                         u"entries",
                                         u"entry",
                                         u"translation",
                                         u"text",
                                         u"grade",
                                         u"currentgrade",
                                         u"wordtype",
                                         u"typename",
                                         u"subtypename",
                                         u"wordtypes",
                                         u"container",
                                         u"specialwordtype",
                                         u"wordtypedefinitions",
                                         u"wordtypedefinition",
                                         u"subwordtypedefinition"};
    return names.contains(name);
}

bool parseXml(QByteArrayView data, const QString& label, Node& root, QString& error) {
    QXmlStreamReader xml(data.toByteArray());
    std::vector<Node*> open;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (!open.empty() && !wanted(xml.name())) {
                xml.skipCurrentElement();
                break;
            }
            Node* node = &root;
            if (!open.empty()) {
                // Siblings are added only after this element closes, so the pointer holds.
                open.back()->children.emplace_back();
                node = &open.back()->children.back();
            }
            node->name = xml.name().toString();
            const QXmlStreamAttributes attributes = xml.attributes();
            node->id = attributes.value(QLatin1StringView("id")).toString();
            node->version = attributes.value(QLatin1StringView("version")).toString();
            node->line = xml.lineNumber();
            open.push_back(node);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty() && open.back()->children.empty() && !xml.isWhitespace())
                open.back()->text += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        error = QStringLiteral("%1, line %2, column %3: the file is not well-formed XML (%4).")
                    .arg(label)
                    .arg(xml.lineNumber())
                    .arg(xml.columnNumber())
                    .arg(xml.errorString());
        return false;
    }
    return true;
}

// A word type as the format names it: "noun", "noun male", "noun/female", "verb"...
WordKind kindOf(QString special, const WordKind& parent = {}) {
    special = special.trimmed().toLower();
    WordKind k = parent;
    if (special.isEmpty())
        return k;
    k.typed = true;
    special.replace(u'/', u' ');
    const QString first = special.section(u' ', 0, 0);
    const QString rest = special.section(u' ', 1).trimmed();
    const auto gender = [](const QString& g) {
        return g == QLatin1String("male") || g == QLatin1String("masculine")    ? Gender::Male
               : g == QLatin1String("female") || g == QLatin1String("feminine") ? Gender::Female
               : g == QLatin1String("neutral") || g == QLatin1String("neuter")  ? Gender::Neutral
                                                                                : Gender::None;
    };
    if (first == QLatin1String("noun")) {
        k.wordClass = WordClass::Noun;
        k.gender = gender(rest);
    } else if (gender(first) != Gender::None && parent.wordClass == WordClass::Noun) {
        // A subtype of a noun type written with the gender alone.
        k.gender = gender(first);
    } else if (first == QLatin1String("verb")) {
        k.wordClass = WordClass::Verb;
        k.gender = Gender::None;
    } else if (first == QLatin1String("adjective")) {
        k.wordClass = WordClass::Adjective;
        k.gender = Gender::None;
    } else if (parent.wordClass == WordClass::Other) {
        k.gender = Gender::None;
    }
    return k;
}

struct Language {
    int code = 0;
    bool american = false;
    std::vector<ArticleDefinition> articles;
};

std::vector<ArticleDefinition> readArticles(const Node& article) {
    std::vector<ArticleDefinition> out;
    for (const char* number : {"singular", "dual", "plural"}) {
        const Node* n = article.child(QLatin1StringView(number));
        if (!n)
            continue;
        for (const char* definiteness : {"definite", "indefinite"}) {
            const Node* d = n->child(QLatin1StringView(definiteness));
            if (!d)
                continue;
            const std::pair<const char*, Gender> genders[] = {
                {"male", Gender::Male}, {"female", Gender::Female}, {"neutral", Gender::Neutral}};
            for (const auto& [name, gender] : genders) {
                const QString text = cleanText(d->childText(QLatin1StringView(name)));
                if (!text.isEmpty())
                    out.push_back({text, gender, qstrcmp(number, "singular") != 0,
                                   qstrcmp(definiteness, "indefinite") == 0});
            }
        }
    }
    return out;
}

// Word types of the later form: containers listing the translations of each type.
void readTypeContainers(const Node& parent, const WordKind& kind,
                        std::map<std::pair<QString, QString>, WordKind>& kinds) {
    parent.forEach(QLatin1StringView("container"), [&](const Node& c) {
        // A word listed under any type is typed, even one without a special type ("Phrase").
        WordKind k = kindOf(c.childText(QLatin1StringView("specialwordtype")), kind);
        k.typed = true;
        c.forEach(QLatin1StringView("entry"), [&](const Node& e) {
            e.forEach(QLatin1StringView("translation"), [&](const Node& t) {
                kinds[{e.id, t.id}] = k;
            });
        });
        readTypeContainers(c, k, kinds);
    });
}

// Word types of the earlier form: definitions by name, the translations naming them.
struct TypeDefinitions {
    QHash<QString, QString> types;    // type name -> special type
    QHash<QString, QString> subtypes; // "type\nsubtype" -> special type

    void read(const Node& definitions) {
        definitions.forEach(QLatin1StringView("wordtypedefinition"), [&](const Node& d) {
            const QString type = d.childText(QLatin1StringView("typename")).trimmed().toLower();
            types[type] = d.childText(QLatin1StringView("specialwordtype"));
            d.forEach(QLatin1StringView("subwordtypedefinition"), [&](const Node& s) {
                const QString sub =
                    s.childText(QLatin1StringView("subtypename")).trimmed().toLower();
                subtypes[type + u'\n' + sub] = s.childText(QLatin1StringView("specialwordtype"));
            });
        });
    }
    WordKind kindOf(const Node& wordtype) const {
        const QString type = wordtype.childText(QLatin1StringView("typename")).trimmed().toLower();
        const QString sub =
            wordtype.childText(QLatin1StringView("subtypename")).trimmed().toLower();
        // A type without a definition is taken by its name ("Noun", "Verb").
        WordKind k = exchange::kindOf(types.contains(type) ? types.value(type) : type);
        k.typed = true;
        if (!sub.isEmpty())
            k = exchange::kindOf(
                subtypes.contains(type + u'\n' + sub) ? subtypes.value(type + u'\n' + sub) : sub,
                k);
        return k;
    }
};

// One translation of an entry as read.
struct Word {
    QString text;
    int grade = 0;
    WordKind kind;
};

int gradeOf(const Node& translation) {
    const Node* grade = translation.child(QLatin1StringView("grade"));
    return grade ? grade->childText(QLatin1StringView("currentgrade")).trimmed().toInt() : 0;
}

} // namespace

bool isXmlWordList(const QString& fileName, QByteArrayView data) {
    if (fileName.endsWith(QLatin1String(".kvtml"), Qt::CaseInsensitive))
        return true;
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    for (char c : data) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return c == '<';
    }
    return false;
}

int levelOfGrade(int grade) {
    if (grade <= 0)
        return 3;
    return grade >= 5 ? 1 : 6 - grade;
}

int gradeOfLevel(int level) {
    return level >= 1 && level <= 5 && level != 3 ? 6 - level : 0;
}

bool readKvtml(QByteArrayView data, const QString& label, ImportResult& result, QString& error) {
    result = ImportResult{};
    Node root;
    if (!parseXml(data, label, root, error))
        return false;
    if (root.name != QLatin1String("kvtml")) {
        error = QStringLiteral("%1 is not a KVTML word list: its first element is <%2>.")
                    .arg(label, root.name);
        return false;
    }
    bool versionOk = false;
    const double version = root.version.toDouble(&versionOk);
    if (!versionOk || version < 2.0 || version >= 3.0) {
        error = QStringLiteral("%1 is a KVTML file of version %2; only KVTML 2.0 word lists can be "
                               "imported.")
                    .arg(label, root.version.isEmpty() ? QStringLiteral("1") : root.version);
        return false;
    }

    // The languages, by identifier id. English may come as British and American columns.
    QHash<QString, Language> languages;
    QStringList foreign;
    bool taken[6][2] = {};
    if (const Node* ids = root.child(QLatin1StringView("identifiers"))) {
        ids->forEach(QLatin1StringView("identifier"), [&](const Node& id) {
            const QString locale = id.childText(QLatin1StringView("locale")).trimmed();
            const QString name = id.childText(QLatin1StringView("name")).trimmed();
            LanguageMatch m = matchLanguage(locale);
            if (m.code == 0)
                m = matchLanguage(name);
            const QString shown = !name.isEmpty() ? name : !locale.isEmpty() ? locale : id.id;
            if (m.code == 0 || taken[m.code][m.american]) {
                foreign << shown;
                return;
            }
            taken[m.code][m.american] = true;
            Language l{m.code, m.american, {}};
            if (const Node* a = id.child(QLatin1StringView("article")))
                l.articles = readArticles(*a);
            if (l.articles.empty())
                l.articles = defaultArticles(m.code);
            languages.insert(id.id, l);
        });
    }
    if (languages.isEmpty()) {
        error = foreign.isEmpty()
                    ? QStringLiteral("%1 names no language.").arg(label)
                    : QStringLiteral("%1 has none of the languages Swedish, English, German, "
                                     "French and Spanish (it has: %2).")
                          .arg(label, foreign.join(QStringLiteral(", ")));
        return false;
    }

    std::map<std::pair<QString, QString>, WordKind> containerKinds;
    if (const Node* types = root.child(QLatin1StringView("wordtypes")))
        readTypeContainers(*types, WordKind{}, containerKinds);
    TypeDefinitions definitions;
    if (const Node* defs = root.child(QLatin1StringView("wordtypedefinitions")))
        definitions.read(*defs);

    // A list this program wrote gives every noun's gender by its type, and an article in a
    // text without one is part of the word as the dictionary has it.
    const Node* information = root.child(QLatin1StringView("information"));
    const bool ownList =
        information && information->childText(QLatin1StringView("generator")).trimmed() ==
                           QLatin1String(kGenerator);

    ImportResult out;
    out.skippedLanguages = foreign;
    const Node* entries = root.child(QLatin1StringView("entries"));
    const std::vector<Node> none;
    for (const Node& entry : entries ? entries->children : none) {
        if (entry.name != QLatin1String("entry"))
            continue;
        // Words by language and English variant.
        Word words[6][2];
        WordClass wordClass = WordClass::Other;
        bool typed = false;
        entry.forEach(QLatin1StringView("translation"), [&](const Node& t) {
            const auto l = languages.constFind(t.id);
            if (l == languages.cend())
                return;
            Word& w = words[l->code][l->american];
            w.text = cleanText(t.childText(QLatin1StringView("text")));
            w.grade = gradeOf(t);
            const auto k = containerKinds.find({entry.id, t.id});
            if (k != containerKinds.end())
                w.kind = k->second;
            else if (const Node* wt = t.child(QLatin1StringView("wordtype")))
                w.kind = definitions.kindOf(*wt);
            if (w.kind.typed && !w.text.isEmpty() && !typed) {
                typed = true;
                wordClass = w.kind.wordClass;
            } else if (w.kind.wordClass != WordClass::Other && wordClass == WordClass::Other &&
                       !w.text.isEmpty()) {
                wordClass = w.kind.wordClass;
            }
        });

        WordRecord r;
        for (const Language& l : languages) {
            Word& w = words[l.code][l.american];
            if (w.text.isEmpty() || wordClass != WordClass::Noun ||
                (ownList && w.kind.gender == Gender::None))
                continue;
            w.text = nounForm(l.code, w.text, w.kind.gender, l.articles);
        }
        for (int code = 1; code <= 5; ++code) {
            const Word& british = words[code][0];
            const Word& american = words[code][1];
            QString text = british.text;
            if (text.isEmpty())
                text = american.text;
            else if (!american.text.isEmpty() && american.text != british.text)
                text += u'/' + american.text;
            r.text[code - 1] = text;
            r.level[code - 1] =
                text.isEmpty()
                    ? 0
                    : levelOfGrade(british.text.isEmpty() ? american.grade : british.grade);
        }
        if (!typed && !ownList) {
            // An entry without a word type is a noun when its words carry articles as the
            // dictionaries write them ("der Hund", "chien (m)").
            for (int code = 1; code <= 5 && wordClass == WordClass::Other; ++code)
                if (hasNounMark(code, r.text[code - 1]))
                    wordClass = WordClass::Noun;
        }
        r.wordClass = static_cast<int>(wordClass);
        if (!addRecord(out, r, label,
                       QStringLiteral("entry %1 (line %2)").arg(entry.id).arg(entry.line), error))
            return false;
    }
    result = std::move(out);
    return true;
}

QByteArray writeKvtml(const std::vector<WordRecord>& records, const QString& title) {
    // The languages that have a word, numbered as the file's identifiers.
    int identifier[6] = {-1, -1, -1, -1, -1, -1};
    int identifiers = 0;
    for (int code = 1; code <= 5; ++code)
        for (const WordRecord& r : records)
            if (!r.text[code - 1].isEmpty()) {
                identifier[code] = identifiers++;
                break;
            }

    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral(
        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QLatin1String(kGenerator));
    xml.writeTextElement(QStringLiteral("title"), title);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("identifiers"));
    for (int code = 1; code <= 5; ++code) {
        if (identifier[code] < 0)
            continue;
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(identifier[code]));
        xml.writeTextElement(QStringLiteral("name"), languageName(code));
        xml.writeTextElement(QStringLiteral("locale"), localeOf(code));
        // The articles, so that the trainers can ask for them.
        const std::vector<ArticleDefinition> articles = defaultArticles(code);
        xml.writeStartElement(QStringLiteral("article"));
        for (bool plural : {false, true}) {
            bool numberOpen = false;
            for (bool indefinite : {false, true}) {
                bool open = false;
                for (Gender g : {Gender::Male, Gender::Female, Gender::Neutral}) {
                    // "l'" stands for either gender before a vowel: the trainers' table has
                    // one article a gender.
                    const auto a =
                        std::find_if(articles.begin(), articles.end(), [&](const auto& a) {
                            return a.plural == plural && a.indefinite == indefinite &&
                                   (a.gender == g || a.gender == Gender::None) &&
                                   !a.text.endsWith(u'\'');
                        });
                    if (a == articles.end())
                        continue;
                    if (!numberOpen) {
                        xml.writeStartElement(plural ? QStringLiteral("plural")
                                                     : QStringLiteral("singular"));
                        numberOpen = true;
                    }
                    if (!open) {
                        xml.writeStartElement(indefinite ? QStringLiteral("indefinite")
                                                         : QStringLiteral("definite"));
                        open = true;
                    }
                    xml.writeTextElement(g == Gender::Male     ? QStringLiteral("male")
                                         : g == Gender::Female ? QStringLiteral("female")
                                                               : QStringLiteral("neutral"),
                                         a->text);
                }
                if (open)
                    xml.writeEndElement();
            }
            if (numberOpen)
                xml.writeEndElement();
        }
        xml.writeEndElement(); // article
        xml.writeEndElement(); // identifier
    }
    xml.writeEndElement();

    // Entries, and for each word type the translations that have it.
    enum Type { Noun, Male, Female, Neutral, Verb, Adjective, TypeCount };
    std::vector<std::pair<int, std::vector<int>>> typed[TypeCount]; // entry id, identifiers
    std::vector<int> entryIds;
    xml.writeStartElement(QStringLiteral("entries"));
    int entryId = 0;
    for (const WordRecord& r : records) {
        bool any = false;
        for (const QString& t : r.text)
            any = any || !t.isEmpty();
        if (!any)
            continue;
        std::vector<int> byType[TypeCount];
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(entryId));
        for (int code = 1; code <= 5; ++code) {
            if (identifier[code] < 0)
                continue;
            const QString& stored = r.text[code - 1];
            if (stored.isEmpty()) {
                // KDE's trainers take the translations of an entry by their place, not their
                // id: every language has its element, empty where the record has no word.
                xml.writeEmptyElement(QStringLiteral("translation"));
                xml.writeAttribute(QStringLiteral("id"), QString::number(identifier[code]));
                continue;
            }
            SplitNoun noun{stored, Gender::None};
            if (r.wordClass == static_cast<int>(WordClass::Noun))
                noun = splitNoun(code, stored);
            xml.writeStartElement(QStringLiteral("translation"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(identifier[code]));
            QString text = noun.text;
            // XML cannot carry control characters.
            for (QChar& c : text)
                if (c.unicode() < 0x20)
                    c = u' ';
            xml.writeTextElement(QStringLiteral("text"), text);
            if (const int grade = gradeOfLevel(r.level[code - 1])) {
                // The level as a grade; no practice is claimed.
                xml.writeStartElement(QStringLiteral("grade"));
                xml.writeTextElement(QStringLiteral("currentgrade"), QString::number(grade));
                xml.writeTextElement(QStringLiteral("count"), QStringLiteral("0"));
                xml.writeTextElement(QStringLiteral("errorcount"), QStringLiteral("0"));
                xml.writeEndElement();
            }
            xml.writeEndElement();
            switch (static_cast<WordClass>(r.wordClass)) {
            case WordClass::Noun:
                byType[noun.gender == Gender::Male      ? Male
                       : noun.gender == Gender::Female  ? Female
                       : noun.gender == Gender::Neutral ? Neutral
                                                        : Noun]
                    .push_back(identifier[code]);
                break;
            case WordClass::Verb:
                byType[Verb].push_back(identifier[code]);
                break;
            case WordClass::Adjective:
                byType[Adjective].push_back(identifier[code]);
                break;
            default:
                break;
            }
        }
        xml.writeEndElement();
        for (int t = 0; t < TypeCount; ++t)
            if (!byType[t].empty())
                typed[t].push_back({entryId, byType[t]});
        entryIds.push_back(entryId++);
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("lessons"));
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), title);
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (int id : entryIds) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    }
    xml.writeEndElement();
    xml.writeEndElement();

    const auto writeEntries = [&xml](const std::vector<std::pair<int, std::vector<int>>>& list) {
        for (const auto& [id, translations] : list) {
            xml.writeStartElement(QStringLiteral("entry"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id));
            for (int t : translations) {
                xml.writeEmptyElement(QStringLiteral("translation"));
                xml.writeAttribute(QStringLiteral("id"), QString::number(t));
            }
            xml.writeEndElement();
        }
    };
    const auto container = [&](const QString& name, const QString& special, Type type) {
        xml.writeStartElement(QStringLiteral("container"));
        xml.writeTextElement(QStringLiteral("name"), name);
        xml.writeTextElement(QStringLiteral("specialwordtype"), special);
        writeEntries(typed[type]);
    };
    xml.writeStartElement(QStringLiteral("wordtypes"));
    container(QStringLiteral("Noun"), QStringLiteral("noun"), Noun);
    container(QStringLiteral("Male"), QStringLiteral("noun/male"), Male);
    xml.writeEndElement();
    container(QStringLiteral("Female"), QStringLiteral("noun/female"), Female);
    xml.writeEndElement();
    container(QStringLiteral("Neutral"), QStringLiteral("noun/neutral"), Neutral);
    xml.writeEndElement();
    xml.writeEndElement(); // Noun
    container(QStringLiteral("Verb"), QStringLiteral("verb"), Verb);
    xml.writeEndElement();
    container(QStringLiteral("Adjective"), QStringLiteral("adjective"), Adjective);
    xml.writeEndElement();
    xml.writeEndElement(); // wordtypes

    xml.writeEndElement(); // kvtml
    xml.writeEndDocument();
    return out;
}

} // namespace vx::exchange
