// The shipped word lists: the built-in dictionary (data/dictionary.tsv) and the example own
// list (data/own.tsv), read with the importer the build uses and split with the article
// rules of the exercises, so that every check sees the words as the program does.
#include "data/spelling.h"
#include "tools/dicttool/tsv.h"
#include "words/articles.h"
#include "words/wordstore.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <map>

using namespace vx;
using namespace vx::test;

namespace {

// Language codes 1..5 as the files and the exception list name them.
const QStringList kCodes{"sv", "en", "de", "fr", "es"};
constexpr int kSwedish = 1, kEnglish = 2, kGerman = 3, kFrench = 4, kSpanish = 5;

// A text that stands a second time in one language needs this comment directly above it:
//   # repeat: de "tragen", fr "porter" - here wear clothes; the earlier record is carry
// naming the language and the record's own text for each repeated text.
const QRegularExpression kRepeatNote(QStringLiteral(R"(^# repeat: (.+))"));
// (No raw string here: the meta-object compiler misreads its quotes.)
const QRegularExpression kNamedText(QStringLiteral("\\b(sv|en|de|fr|es) \"([^\"]*)\""));

struct Entry {
    WordRecord record;
    int line = 0;
    QString above; // the file's line directly above the record
};

struct WordList {
    std::vector<Entry> entries;
    QString error; // empty when every line imported
};

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString dataPath(const QString& name) { return QStringLiteral(VOKABRIX_DATA_DIR "/") + name; }

// The built-in dictionary is imported enciphered, as the build does; the own list plain.
WordList load(const QString& name) {
    WordList list;
    const QByteArray bytes = readFile(dataPath(name));
    if (bytes.isEmpty()) {
        list.error = name + QStringLiteral(" cannot be read");
        return list;
    }
    std::vector<WordRecord> records;
    if (!tsv::importDictionary(bytes, name, name == QLatin1String("dictionary.tsv"), records, list.error))
        return list;
    // The same data lines the importer takes (empty lines and comments skipped), in order.
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    QString above;
    size_t next = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty() && !line.startsWith(u'#')) {
            if (next >= records.size()) {
                list.error = QStringLiteral("%1: more data lines than records").arg(name);
                return list;
            }
            list.entries.push_back({records[next++], i + 1, above});
        }
        above = line;
    }
    if (next != records.size())
        list.error = QStringLiteral("%1: fewer data lines than records").arg(name);
    return list;
}

// Each file is read once; std::map keeps the references it hands out valid.
const WordList& wordList(const QString& name) {
    static std::map<QString, WordList> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.emplace(name, load(name)).first;
    return it->second;
}

QString where(const QString& file, const Entry& e) { return QStringLiteral("%1, line %2").arg(file).arg(e.line); }

// British before the slash, American after it; other texts are one spelling.
QStringList spellings(const QString& text, int code) {
    const qsizetype slash = text.indexOf(u'/');
    if (code != kEnglish || slash < 0)
        return {text};
    return {text.left(slash), text.mid(slash + 1)};
}

void addFileRows() {
    QTest::addColumn<QString>("file");
    QTest::addRow("dictionary.tsv") << QStringLiteral("dictionary.tsv");
    QTest::addRow("own.tsv") << QStringLiteral("own.tsv");
}

// The words of a text for the spelling check: article or mark split off, then word by word
// with punctuation stripped from both ends.
QStringList wordsOf(const QString& text, int wordClass, int code) {
    QStringList out;
    const QString bare = SplitArticle(text, wordClass, code).Bare;
    for (QString w : bare.split(u' ', Qt::SkipEmptyParts)) {
        while (!w.isEmpty() && !w.front().isLetterOrNumber())
            w.remove(0, 1);
        while (!w.isEmpty() && !w.back().isLetterOrNumber())
            w.chop(1);
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
    {"sv_SE", "hunspell-sv", kSwedish, -1},   {"de_DE", "hunspell-de-de", kGerman, -1},
    {"fr_FR", "hunspell-fr", kFrench, -1},    {"es_ES", "hunspell-es", kSpanish, -1},
    {"en_GB", "hunspell-en-gb", kEnglish, 0}, {"en_US", "hunspell-en-us", kEnglish, 1},
};

// The distinct words one dictionary of hunspell checks.
QSet<QString> wordsFor(const SpellSource& source, const WordList& list) {
    QSet<QString> words;
    for (const Entry& e : list.entries) {
        const QString text = e.record.text[source.code - 1];
        const QStringList parts = spellings(text, source.code);
        QString checked;
        if (source.spelling < 0)
            checked = text;
        else if (parts.size() == 2)
            checked = parts[source.spelling];
        else if (source.spelling == 1)
            checked = text; // no slash: the American check takes the whole text
        else
            continue;
        for (const QString& w : wordsOf(checked, e.record.wordClass, source.code))
            words.insert(w);
    }
    return words;
}

SpellingExceptions readExceptions() {
    return readSpellingExceptions(dataPath(QStringLiteral("spelling-exceptions.txt")), kCodes);
}

} // namespace

class TstDictionary : public QObject {
    Q_OBJECT
private slots:
    void everyLineImports_data() { addFileRows(); }
    void everyLineImports() {
        QFETCH(QString, file);
        const WordList& list = wordList(file);
        QVERIFY2(list.error.isEmpty(), qPrintable(list.error));
        QVERIFY(!list.entries.empty());
    }

    void enoughRecords_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minimum");
        QTest::addRow("dictionary.tsv") << QStringLiteral("dictionary.tsv") << 2000;
        QTest::addRow("own.tsv") << QStringLiteral("own.tsv") << 30;
    }
    void enoughRecords() {
        QFETCH(QString, file);
        QFETCH(int, minimum);
        const int count = static_cast<int>(wordList(file).entries.size());
        QVERIFY2(count >= minimum, qPrintable(QStringLiteral("%1 records, at least %2 wanted").arg(count).arg(minimum)));
    }

    // All five texts filled, "/" only in English (one British and one American spelling),
    // levels 1 to 5, classes 0 to 3.
    void textsLevelsAndClasses_data() { addFileRows(); }
    void textsLevelsAndClasses() {
        QFETCH(QString, file);
        QStringList problems;
        for (const Entry& e : wordList(file).entries) {
            const WordRecord& r = e.record;
            if (r.wordClass < 0 || r.wordClass > 3)
                problems << where(file, e) + QStringLiteral(": word class %1").arg(r.wordClass);
            for (int code = 1; code <= kLanguageCount; ++code) {
                const QString& text = r.text[code - 1];
                const QString name = languageName(code);
                if (text.trimmed().isEmpty())
                    problems << where(file, e) + QStringLiteral(": no %1 text").arg(name);
                if (r.level[code - 1] < 1 || r.level[code - 1] > 5)
                    problems << where(file, e) + QStringLiteral(": %1 level %2").arg(name).arg(r.level[code - 1]);
                if (text.contains(u'/') && code != kEnglish)
                    problems << where(file, e) + QStringLiteral(": \"/\" in the %1 text \"%2\"").arg(name, text);
                if (code == kEnglish && text.count(u'/') > 0) {
                    const QStringList parts = spellings(text, code);
                    if (text.count(u'/') > 1 || parts[0].trimmed().isEmpty() || parts[1].trimmed().isEmpty()
                        || parts[0] == parts[1])
                        problems << where(file, e) + QStringLiteral(": \"%1\" is not British/American").arg(text);
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // Every noun carries an article or gender mark that SplitArticle finds in Swedish,
    // German, French and Spanish, and no other word would be taken for one; English nouns
    // stand without an article.
    void articlesOnNounsOnly_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("code");
        for (const QString& file : {QStringLiteral("dictionary.tsv"), QStringLiteral("own.tsv")}) {
            for (int code : {kSwedish, kEnglish, kGerman, kFrench, kSpanish})
                QTest::addRow("%s %s", qPrintable(file), qPrintable(kCodes[code - 1])) << file << code;
        }
    }
    void articlesOnNounsOnly() {
        QFETCH(QString, file);
        QFETCH(int, code);
        static const QRegularExpression englishArticle(QStringLiteral(R"(^(a|an|the) )"),
                                                       QRegularExpression::CaseInsensitiveOption);
        QStringList problems;
        for (const Entry& e : wordList(file).entries) {
            const QString& text = e.record.text[code - 1];
            const WordForm asNoun = SplitArticle(text, 1, code);
            if (code == kEnglish) {
                if (e.record.wordClass == 1 && englishArticle.match(text).hasMatch())
                    problems << where(file, e) + QStringLiteral(": English noun with an article: \"%1\"").arg(text);
                continue;
            }
            if (e.record.wordClass == 1 && (asNoun.Article.isEmpty() || asNoun.Bare.isEmpty()))
                problems << where(file, e) + QStringLiteral(": noun without article or mark: \"%1\"").arg(text);
            if (e.record.wordClass != 1 && !asNoun.Article.isEmpty())
                problems << where(file, e)
                                + QStringLiteral(": class %1 with the noun's \"%2\": \"%3\"")
                                      .arg(e.record.wordClass)
                                      .arg(asNoun.Article, text);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // A text (each spelling of an English one, compared as the exercises compare answers)
    // stands once per language, unless the later record has the repeat comment above it;
    // a repeat comment names only texts that do repeat.
    void noTextTwiceWithoutNote_data() {
        QTest::addColumn<int>("code");
        for (int code : {kSwedish, kEnglish, kGerman, kFrench, kSpanish})
            QTest::addRow("%s", qPrintable(kCodes[code - 1])) << code;
    }
    void noTextTwiceWithoutNote() {
        QFETCH(int, code);
        const QString file = QStringLiteral("dictionary.tsv");
        QHash<QString, int> firstLine;
        QStringList problems;
        for (const Entry& e : wordList(file).entries) {
            const QString& text = e.record.text[code - 1];
            QSet<QString> named;
            const QRegularExpressionMatch note = kRepeatNote.match(e.above);
            if (note.hasMatch()) {
                auto it = kNamedText.globalMatch(note.captured(1));
                while (it.hasNext()) {
                    const QRegularExpressionMatch m = it.next();
                    if (m.captured(1) == kCodes[code - 1])
                        named.insert(m.captured(2));
                }
            }
            int earlier = 0;
            for (const QString& s : spellings(text, code)) {
                const QString key = NormalizeText(s);
                if (firstLine.contains(key) && firstLine[key] != e.line)
                    earlier = firstLine[key];
                else
                    firstLine.insert(key, e.line);
            }
            if (earlier != 0 && !named.contains(text))
                problems << where(file, e)
                                + QStringLiteral(": \"%1\" stands on line %2 too; the comment above must say "
                                                 "# repeat: %3 \"%1\" - <how the meanings differ>")
                                      .arg(text)
                                      .arg(earlier)
                                      .arg(kCodes[code - 1]);
            for (const QString& n : named) {
                if (n != text || earlier == 0)
                    problems << where(file, e) + QStringLiteral(": the repeat comment names \"%1\", which does not repeat here").arg(n);
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void noRecordTwice() {
        const QString file = QStringLiteral("dictionary.tsv");
        QHash<QString, int> seen;
        QStringList problems;
        for (const Entry& e : wordList(file).entries) {
            QStringList texts;
            for (const QString& t : e.record.text)
                texts << NormalizeText(t);
            const QString key = texts.join(u'\t');
            if (seen.contains(key))
                problems << where(file, e) + QStringLiteral(": the same record as line %1").arg(seen[key]);
            else
                seen.insert(key, e.line);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // Every word is known to hunspell with Debian's dictionary of its language, or listed in
    // data/spelling-exceptions.txt. Missing hunspell or dictionaries fail with the package name.
    void spelling_data() {
        QTest::addColumn<int>("source");
        for (int i = 0; i < kSpellSources.size(); ++i)
            QTest::addRow("%s", qPrintable(kSpellSources[i].dictionary)) << i;
    }
    void spelling() {
        QFETCH(int, source);
        const SpellSource& s = kSpellSources[source];
        const SpellingExceptions ex = readExceptions();
        QVERIFY2(ex.problems.isEmpty(), qPrintable(ex.problems.join(u'\n')));
        QStringList words = wordsFor(s, wordList(QStringLiteral("dictionary.tsv"))).values();
        words.sort();
        QVERIFY(!words.isEmpty());
        const Misspelt misspelt = misspeltWords(s.dictionary, s.package, words.join(u'\n'));
        if (!misspelt.error.isEmpty())
            QFAIL(qPrintable(misspelt.error));

        QStringList unknown;
        const QSet<QString> allowed = ex.byCode.value(kCodes[s.code - 1]);
        for (const QString& w : misspelt.words) {
            if (!allowed.contains(w))
                unknown << w;
        }
        QVERIFY2(unknown.isEmpty(),
                 qPrintable(QStringLiteral("%1 does not know: %2 (fix the spelling, or add a reviewed line "
                                           "\"%3 <word>\" to data/spelling-exceptions.txt)")
                                .arg(s.dictionary, unknown.join(QStringLiteral(", ")), kCodes[s.code - 1])));
    }

    // The exception list stays under 1% of the words checked and names only words that the
    // dictionary still has.
    void exceptionListStaysSmall() {
        const SpellingExceptions ex = readExceptions();
        QVERIFY2(ex.problems.isEmpty(), qPrintable(ex.problems.join(u'\n')));
        const WordList& list = wordList(QStringLiteral("dictionary.tsv"));
        QHash<QString, QSet<QString>> used;
        int checked = 0;
        for (const SpellSource& s : kSpellSources) {
            const QSet<QString> words = wordsFor(s, list);
            used[kCodes[s.code - 1]] += words;
            checked += static_cast<int>(words.size());
        }
        QVERIFY2(ex.count * 100 < checked,
                 qPrintable(QStringLiteral("%1 exceptions for %2 words checked").arg(ex.count).arg(checked)));
        QStringList stale;
        for (auto it = ex.byCode.cbegin(); it != ex.byCode.cend(); ++it) {
            for (const QString& w : it.value()) {
                if (!used.value(it.key()).contains(w))
                    stale << it.key() + u' ' + w;
            }
        }
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("exceptions no word needs: ") + stale.join(QStringLiteral(", "))));
    }

    // The crossword takes the bare practised-language word (British spelling in English)
    // of 3 to 14 letters, with no blank, apostrophe, hyphen or other sign.
    void enoughCrosswordWords_data() {
        QTest::addColumn<int>("code");
        for (int code : {kSwedish, kEnglish, kGerman, kFrench, kSpanish})
            QTest::addRow("%s", qPrintable(kCodes[code - 1])) << code;
    }
    void enoughCrosswordWords() {
        QFETCH(int, code);
        int count = 0;
        for (const Entry& e : wordList(QStringLiteral("dictionary.tsv")).entries) {
            const QString bare = SplitArticle(spellings(e.record.text[code - 1], code)[0], e.record.wordClass, code).Bare;
            bool letters = bare.size() >= 3 && bare.size() <= 14;
            for (QChar c : bare)
                letters = letters && c.isLetter();
            count += letters ? 1 : 0;
        }
        QVERIFY2(count >= 300, qPrintable(QStringLiteral("%1 crossword words").arg(count)));
    }

    // Genus asks the nouns whose article is one it offers as an answer.
    void enoughGenusNouns_data() {
        QTest::addColumn<int>("code");
        for (int code : {kSwedish, kGerman, kFrench, kSpanish})
            QTest::addRow("%s", qPrintable(kCodes[code - 1])) << code;
    }
    void enoughGenusNouns() {
        QFETCH(int, code);
        int count = 0;
        for (const Entry& e : wordList(QStringLiteral("dictionary.tsv")).entries) {
            if (e.record.wordClass == 1 && SplitArticle(e.record.text[code - 1], 1, code).Genus)
                ++count;
        }
        QVERIFY2(count >= 300, qPrintable(QStringLiteral("%1 Genus nouns").arg(count)));
    }
};

QTEST_GUILESS_MAIN(TstDictionary)
#include "tst_dictionary.moc"
