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
    QString where; // "dictionary.tsv, line 12"; a line that does not import gives its error
    QString above; // the file's line directly above the record
};

QString dataPath(const QString& name) {
    return QStringLiteral(VOKABRIX_DATA_DIR "/") + name;
}

// Each file is read once, line by line, the built-in dictionary enciphered as the build does.
const std::vector<Entry>& entries(const QString& name) {
    static std::map<QString, std::vector<Entry>> cache;
    auto [it, fresh] = cache.try_emplace(name);
    QFile f(dataPath(name));
    if (!fresh || !f.open(QIODevice::ReadOnly))
        return it->second;
    QString above;
    for (int i = 1; !f.atEnd(); ++i) {
        const QByteArray line = f.readLine().replace('\r', "").replace('\n', "");
        std::vector<WordRecord> records;
        QString where = QStringLiteral("%1, line %2").arg(name).arg(i), error;
        if (!line.isEmpty() && !line.startsWith('#')) {
            if (!tsv::importDictionary(line, where, name == kDictionary, records, error)) {
                records.resize(1); // an empty record: the checks report it under the error
                where = error;
            }
            it->second.push_back({records[0], where, above});
        }
        above = QString::fromUtf8(line);
    }
    return it->second;
}

// British before the slash, American after it; other texts are one spelling.
QStringList spellings(const QString& text, int code) {
    return code == kEnglish ? text.split(u'/') : QStringList{text};
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
        QVERIFY2(entries(file).size() >= size_t(minimum), qPrintable(file));
        QHash<QString, QString> seen;
        QStringList problems;
        for (const Entry& e : entries(file)) {
            const WordRecord& r = e.record;
            QStringList texts;
            for (int code = 1; code <= kLanguageCount; ++code) {
                const QString& text = r.text[code - 1];
                QStringList parts = spellings(text, code);
                if (r.wordClass < 0 || r.wordClass > 3 || r.level[code - 1] < 1 ||
                    r.level[code - 1] > 5 || text.count(u'/') > (code == kEnglish ? 1 : 0) ||
                    parts.removeDuplicates() || parts.first().trimmed().isEmpty() ||
                    parts.last().trimmed().isEmpty() ||
                    (code == kEnglish
                         ? r.wordClass == 1 && englishArticle.match(text).hasMatch()
                         : SplitArticle(text, 1, code).Article.isEmpty() == (r.wordClass == 1)))
                    problems << e.where + QStringLiteral(": class %1, %2 text \"%3\", level %4")
                                              .arg(r.wordClass)
                                              .arg(languageName(code), text)
                                              .arg(r.level[code - 1]);
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
        for (const Entry& e : entries(kDictionary)) {
            const QString& text = e.record.text[code - 1];
            const int cls = e.record.wordClass;
            crossword +=
                letters.match(SplitArticle(spellings(text, code)[0], cls, code).Bare).hasMatch();
            genus += cls == 1 && SplitArticle(text, 1, code).Genus;
            QSet<QString> noted;
            for (auto it = named.globalMatch(e.above);
                 e.above.startsWith("# repeat: ") && it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                if (m.captured(1) == kCodes[code - 1])
                    noted.insert(m.captured(2));
            }
            QString earlier;
            for (const QString& s : spellings(text, code))
                earlier = first.value(NormalizeText(s), earlier);
            for (const QString& s : spellings(text, code))
                first.insert(NormalizeText(s), e.where);
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
    // the dictionary still has. A word is checked with its article or mark split off and
    // punctuation stripped from both ends; a text without a slash is checked as American.
    void spelling() {
        static const QRegularExpression edges(
            QStringLiteral("^[^\\p{L}\\p{N}]+|[^\\p{L}\\p{N}]+$"));
        const SpellingExceptions ex =
            readSpellingExceptions(dataPath(QStringLiteral("spelling-exceptions.txt")), kCodes);
        QVERIFY2(ex.problems.isEmpty(), qPrintable(ex.problems.join(u'\n')));
        QHash<QString, QSet<QString>> used;
        int checked = 0;
        for (const SpellSource& s : kSpellSources) {
            const QString code = kCodes[s.code - 1];
            QSet<QString> words;
            for (const Entry& e : entries(kDictionary)) {
                const QStringList parts = spellings(e.record.text[s.code - 1], s.code);
                for (QString w : SplitArticle(parts.value(qMax(0, s.spelling), parts[0]),
                                              e.record.wordClass, s.code)
                                     .Bare.split(u' ', Qt::SkipEmptyParts))
                    if ((s.spelling != 0 || parts.size() == 2) && !w.remove(edges).isEmpty())
                        words.insert(w);
            }
            QVERIFY2(!words.isEmpty(), qPrintable(s.dictionary));
            used[code] += words;
            checked += static_cast<int>(words.size());
            const Misspelt misspelt =
                misspeltWords(s.dictionary, s.package, words.values().join(u'\n'));
            QVERIFY2(misspelt.error.isEmpty(), qPrintable(misspelt.error));
            const QStringList unknown =
                (QSet<QString>(misspelt.words.begin(), misspelt.words.end()) - ex.byCode[code])
                    .values();
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
            for (const QString& w : it.value() - used.value(it.key()))
                stale << it.key() + u' ' + w;
        QVERIFY2(stale.isEmpty(), qPrintable("exceptions no word needs: " + stale.join(u',')));
    }
};

QTEST_GUILESS_MAIN(TstDictionary)
#include "tst_dictionary.moc"
