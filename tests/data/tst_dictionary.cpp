// The shipped word lists: the built-in dictionary (data/dictionary.tsv) and the example own
// list (data/own.tsv), read with the importer the build uses and split with the article
// rules of the exercises, so that every check sees the words as the program does.
#include "data/spelling.h"
#include "tools/dicttool/tsv.h"
#include "words/articles.h"
#include "words/wordstore.h"

#include <QRegularExpression>
#include <QTest>

#include <map>

using namespace vx;
using namespace vx::test;

namespace {

// Language codes 1..5 as the files and the exception list name them.
const QStringList kCodes{"sv", "en", "de", "fr", "es"};
constexpr int kEnglish = 2;
const QString kDictionary = QStringLiteral("dictionary.tsv");

struct Entry {
    WordRecord record;
    QString where; // "dictionary.tsv, line 12"
    QString above; // the file's line directly above the record
};

struct WordList {
    std::vector<Entry> entries;
    QString error; // empty when every line imported
};

QString dataPath(const QString& name) {
    return QStringLiteral(VOKABRIX_DATA_DIR "/") + name;
}

// Each file is read once, the built-in dictionary enciphered as the build does; the records
// are paired with the data lines the importer takes (empty lines and comments skipped).
const WordList& wordList(const QString& name) {
    static std::map<QString, WordList> cache;
    auto [it, fresh] = cache.try_emplace(name);
    WordList& list = it->second;
    QFile f(dataPath(name));
    std::vector<WordRecord> records;
    if (!fresh || !f.open(QIODevice::ReadOnly) ||
        !tsv::importDictionary(f.readAll(), name, name == kDictionary, records, list.error))
        return list;
    f.seek(0);
    QString above;
    size_t dataLines = 0;
    for (int i = 1; !f.atEnd(); ++i) {
        const QString line = QString::fromUtf8(f.readLine()).remove(u'\r').remove(u'\n');
        if (!line.isEmpty() && !line.startsWith(u'#') && dataLines++ < records.size())
            list.entries.push_back(
                {records[dataLines - 1], QStringLiteral("%1, line %2").arg(name).arg(i), above});
        above = line;
    }
    if (dataLines != records.size())
        list.error = name + QStringLiteral(": data lines and records differ");
    return list;
}

// British before the slash, American after it; other texts are one spelling.
QStringList spellings(const QString& text, int code) {
    const qsizetype slash = text.indexOf(u'/');
    return code != kEnglish || slash < 0 ? QStringList{text}
                                         : QStringList{text.left(slash), text.mid(slash + 1)};
}

// The words of a text for the spelling check: article or mark split off, then word by word
// with punctuation stripped from both ends.
QStringList wordsOf(const QString& text, int wordClass, int code) {
    static const QRegularExpression edges(QStringLiteral("^[^\\p{L}\\p{N}]+|[^\\p{L}\\p{N}]+$"));
    QStringList out;
    for (QString w : SplitArticle(text, wordClass, code).Bare.split(u' ', Qt::SkipEmptyParts)) {
        w.remove(edges);
        if (!w.isEmpty())
            out << w;
    }
    return out;
}

struct SpellSource {
    QString dictionary; // hunspell's name
    QString package;    // the Debian package that brings it
    int code;
    int spelling; // -1: the whole text; 0: the British part of a slashed text; 1: the American part
};

const QList<SpellSource> kSpellSources{
    {"sv_SE", "hunspell-sv", 1, -1},   {"de_DE", "hunspell-de-de", 3, -1},
    {"fr_FR", "hunspell-fr", 4, -1},   {"es_ES", "hunspell-es", 5, -1},
    {"en_GB", "hunspell-en-gb", 2, 0}, {"en_US", "hunspell-en-us", 2, 1},
};

// The distinct words one dictionary of hunspell checks; a text without a slash is checked
// as American.
QSet<QString> wordsFor(const SpellSource& source) {
    QSet<QString> words;
    for (const Entry& e : wordList(kDictionary).entries) {
        const QStringList parts = spellings(e.record.text[source.code - 1], source.code);
        if (source.spelling == 0 && parts.size() < 2)
            continue;
        const QString checked = parts.value(qMax(0, source.spelling), parts[0]);
        for (const QString& w : wordsOf(checked, e.record.wordClass, source.code))
            words.insert(w);
    }
    return words;
}

} // namespace

class TstDictionary : public QObject {
    Q_OBJECT
private slots:
    // Every line imports, and no record stands twice. All five texts filled, "/" only in
    // English (one British and one American spelling), levels 1 to 5, classes 0 to 3. Every
    // noun carries an article or gender mark that SplitArticle finds in Swedish, German,
    // French and Spanish, and no other word would be taken for one; English nouns stand
    // without an article.
    void records_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minimum");
        QTest::addRow("dictionary.tsv") << kDictionary << 2000;
        QTest::addRow("own.tsv") << QStringLiteral("own.tsv") << 30;
    }
    void records() {
        QFETCH(QString, file);
        QFETCH(int, minimum);
        static const QRegularExpression englishArticle(QStringLiteral("^(a|an|the) "),
                                                       QRegularExpression::CaseInsensitiveOption);
        const WordList& list = wordList(file);
        QVERIFY2(list.error.isEmpty(), qPrintable(list.error));
        QVERIFY2(list.entries.size() >= size_t(minimum), qPrintable(file));
        QHash<QString, QString> seen;
        QStringList problems;
        for (const Entry& e : list.entries) {
            const WordRecord& r = e.record;
            const bool noun = r.wordClass == 1;
            if (r.wordClass < 0 || r.wordClass > 3)
                problems << e.where + QStringLiteral(": word class %1").arg(r.wordClass);
            QStringList texts;
            for (int code = 1; code <= kLanguageCount; ++code) {
                const QString& text = r.text[code - 1];
                const QStringList parts = spellings(text, code);
                if (text.trimmed().isEmpty() || r.level[code - 1] < 1 || r.level[code - 1] > 5 ||
                    (code != kEnglish && text.contains(u'/')) || text.count(u'/') > 1 ||
                    (parts.size() == 2 && (parts[0].trimmed().isEmpty() ||
                                           parts[1].trimmed().isEmpty() || parts[0] == parts[1])))
                    problems << e.where + QStringLiteral(": %1 text \"%2\", level %3")
                                              .arg(languageName(code), text)
                                              .arg(r.level[code - 1]);
                const WordForm asNoun = SplitArticle(text, 1, code);
                if (code == kEnglish ? noun && englishArticle.match(text).hasMatch()
                    : noun           ? asNoun.Article.isEmpty() || asNoun.Bare.isEmpty()
                                     : !asNoun.Article.isEmpty())
                    problems << e.where + QStringLiteral(": class %1, article of \"%2\"")
                                              .arg(r.wordClass)
                                              .arg(text);
                texts << NormalizeText(text);
            }
            const QString key = texts.join(u'\t');
            if (seen.contains(key))
                problems << e.where + QStringLiteral(": the same record as ") + seen[key];
            seen.insert(key, e.where);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // A text (each spelling of an English one, compared as the exercises compare answers)
    // stands once per language, unless the later record has the repeat comment above it:
    //   # repeat: de "tragen", fr "porter" - here wear clothes; the earlier record is carry
    // A repeat comment names only texts that do repeat. The crossword has at least 300 bare
    // practised-language words (British spelling in English) of 3 to 14 letters, and Genus
    // at least 300 nouns whose article it offers as an answer.
    void eachLanguage_data() {
        QTest::addColumn<int>("code");
        for (int code = 1; code <= kLanguageCount; ++code)
            QTest::addRow("%s", qPrintable(kCodes[code - 1])) << code;
    }
    void eachLanguage() {
        QFETCH(int, code);
        static const QRegularExpression named(QStringLiteral("\\b(sv|en|de|fr|es) \"([^\"]*)\""));
        static const QRegularExpression letters(QStringLiteral("^\\p{L}{3,14}$"));
        int crossword = 0, genus = 0;
        QHash<QString, QString> first;
        QStringList problems;
        for (const Entry& e : wordList(kDictionary).entries) {
            const QString& text = e.record.text[code - 1];
            const int cls = e.record.wordClass;
            crossword +=
                letters.match(SplitArticle(spellings(text, code)[0], cls, code).Bare).hasMatch();
            genus += cls == 1 && SplitArticle(text, 1, code).Genus;
            QSet<QString> noted;
            if (e.above.startsWith(QLatin1String("# repeat: "))) {
                for (auto it = named.globalMatch(e.above); it.hasNext();) {
                    const QRegularExpressionMatch m = it.next();
                    if (m.captured(1) == kCodes[code - 1])
                        noted.insert(m.captured(2));
                }
            }
            QString earlier;
            for (const QString& s : spellings(text, code)) {
                const QString seen = first.value(NormalizeText(s));
                if (seen.isEmpty())
                    first.insert(NormalizeText(s), e.where);
                else if (seen != e.where)
                    earlier = seen;
            }
            if (!earlier.isEmpty() && !noted.contains(text))
                problems << e.where + QStringLiteral(": \"%1\" stands on %2 too; the comment above "
                                                     "must say # repeat: %3 \"%1\" - <how the "
                                                     "meanings differ>")
                                          .arg(text, earlier, kCodes[code - 1]);
            for (const QString& n : noted)
                if (n != text || earlier.isEmpty())
                    problems << e.where + QStringLiteral(": \"%1\" noted, not repeated").arg(n);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY2(crossword >= 300, qPrintable(QString::number(crossword)));
        QVERIFY2(code == kEnglish || genus >= 300, qPrintable(QString::number(genus)));
    }

    // Every word is known to hunspell with Debian's dictionary of its language, or listed in
    // data/spelling-exceptions.txt; missing hunspell or dictionaries fail with the package
    // name. The exception list stays under 1% of the words checked and names only words that
    // the dictionary still has.
    void spelling() {
        const SpellingExceptions ex =
            readSpellingExceptions(dataPath(QStringLiteral("spelling-exceptions.txt")), kCodes);
        QVERIFY2(ex.problems.isEmpty(), qPrintable(ex.problems.join(u'\n')));
        QHash<QString, QSet<QString>> used;
        int checked = 0;
        for (const SpellSource& s : kSpellSources) {
            const QString code = kCodes[s.code - 1];
            const QSet<QString> words = wordsFor(s);
            QVERIFY2(!words.isEmpty(), qPrintable(s.dictionary));
            used[code] += words;
            checked += static_cast<int>(words.size());
            QStringList sorted = words.values();
            sorted.sort();
            const Misspelt misspelt = misspeltWords(s.dictionary, s.package, sorted.join(u'\n'));
            QVERIFY2(misspelt.error.isEmpty(), qPrintable(misspelt.error));
            QStringList unknown;
            for (const QString& w : misspelt.words)
                if (!ex.byCode.value(code).contains(w))
                    unknown << w;
            QVERIFY2(unknown.isEmpty(),
                     qPrintable(QStringLiteral("%1 does not know: %2 (fix the spelling, or add a "
                                               "reviewed line \"%3 <word>\" to "
                                               "data/spelling-exceptions.txt)")
                                    .arg(s.dictionary, unknown.join(QStringLiteral(", ")), code)));
        }
        QVERIFY2(ex.count * 100 < checked,
                 qPrintable(QStringLiteral("%1 exceptions, %2 words").arg(ex.count).arg(checked)));
        QStringList stale;
        for (auto it = ex.byCode.cbegin(); it != ex.byCode.cend(); ++it)
            for (const QString& w : it.value())
                if (!used.value(it.key()).contains(w))
                    stale << it.key() + u' ' + w;
        QVERIFY2(stale.isEmpty(), qPrintable("exceptions no word needs: " + stale.join(u',')));
    }
};

QTEST_GUILESS_MAIN(TstDictionary)
#include "tst_dictionary.moc"
