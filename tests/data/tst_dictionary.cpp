// The shipped word lists: the built-in dictionary (data/dictionary.tsv) and the example own
// list (data/own.tsv), read with the importer the build uses and split with the article
// rules of the exercises, so that every check sees the words as the program does.
#include "data/spelling.h"
#include "tools/dicttool/tsv.h"
#include "words/articles.h"
#include "words/wordstore.h"

#include <QRegularExpression>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

// Language codes 1..5 as the files and the exception list name them.
const QStringList kCodes{"sv", "en", "de", "fr", "es"};
constexpr int kEnglish = 2;

struct Entry {
    WordRecord record;
    QString where; // "dictionary.tsv, line 12"; a line that does not import gives its error
    QString above; // the file's line directly above the record
};

// The file's records line by line, the built-in dictionary enciphered as the build does.
std::vector<Entry> entries(const QString& name = QStringLiteral("dictionary.tsv")) {
    std::vector<Entry> out;
    QFile f(QStringLiteral(VOKABRIX_DATA_DIR "/") + name);
    QString above;
    for (int i = 1; (f.isOpen() || f.open(QIODevice::ReadOnly)) && !f.atEnd(); ++i) {
        const QByteArray line = f.readLine().replace('\r', "").replace('\n', "");
        std::vector<WordRecord> records;
        QString where = QStringLiteral("%1, line %2").arg(name).arg(i), error;
        const bool isRecord = !line.isEmpty() && !line.startsWith('#');
        if (isRecord && tsv::importDictionary(line, where, name.startsWith("dict"), records, error))
            out.push_back({records[0], where, above});
        else if (isRecord) // an empty record, which the checks report under the error
            out.push_back({WordRecord(), error, above});
        above = QString::fromUtf8(line);
    }
    return out;
}

} // namespace

class TstDictionary : public QObject {
    Q_OBJECT
private slots:
    // Every line imports. Every text is filled, "/" only in English (one British and one
    // American spelling), levels 1 to 5, classes 0 to 3. Every noun carries an article or
    // gender mark that SplitArticle finds in Swedish, German, French and Spanish, and no other
    // word would be taken for one; English nouns stand without an article.
    // A text (each spelling of an English one, compared as the exercises compare answers)
    // stands once per language, unless the later record has the repeat comment above it:
    //   # repeat: de "tragen", fr "porter" - here wear clothes; the earlier record is carry
    // A repeat comment names only texts that do repeat. In the built-in dictionary, the
    // crossword has at least 300 bare practised-language words (British spelling in English)
    // of 3 to 14 letters, and Genus at least 300 nouns whose article it offers as an answer.
    void eachLanguage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("code");
        // hunspell's dictionary and the Debian package that brings it: for the whole text,
        // or in English its American spelling, then for the British spelling.
        QTest::addColumn<QStringList>("hunspell");
        const QStringList hunspell{"sv_SE hunspell-sv", "en_US hunspell-en-us en_GB hunspell-en-gb",
                                   "de_DE hunspell-de-de", "fr_FR hunspell-fr",
                                   "es_ES hunspell-es"};
        for (const QString& file : {"dictionary", "own"})
            for (int code = 1; code <= kLanguageCount; ++code)
                QTest::addRow("%s %s", qPrintable(file), qPrintable(kCodes[code - 1]))
                    << file + ".tsv" << code
                    << (file == "own" ? QStringList() : hunspell[code - 1].split(u' '));
    }
    void eachLanguage() {
        QFETCH(QString, file);
        QFETCH(int, code);
        QFETCH(QStringList, hunspell);
        // Records, and crossword words and Genus nouns at least.
        const int records = file == "own.tsv" ? 30 : 2000, words = file == "own.tsv" ? 0 : 300;
        static const QRegularExpression englishArticle(QStringLiteral("(?i)^(a|an|the) "));
        static const QRegularExpression letters(QStringLiteral("^\\p{L}{3,14}$"));
        const QRegularExpression named("\\b" + kCodes[code - 1] + " \"([^\"]*)\"");
        const std::vector<Entry> all = entries(file);
        QVERIFY(all.size() >= size_t(records));
        static const QRegularExpression edges("^[^\\p{L}\\p{N}]+|[^\\p{L}\\p{N}]+$");
        int crossword = 0, genus = 0;
        std::array<QSet<QString>, 2> spelt; // the whole text or American; British
        QHash<QString, QString> first;
        QStringList problems;
        for (const Entry& e : all) {
            const QString& text = e.record.text[code - 1];
            const int cls = e.record.wordClass, level = e.record.level[code - 1];
            // British before the slash, American after it; other texts are one spelling.
            QStringList parts = code == kEnglish ? text.split(u'/') : QStringList{text};
            if (cls < 0 || cls > 3 || level < 1 || level > 5 ||
                text.count(u'/') > (code == kEnglish ? 1 : 0) || parts.removeDuplicates() ||
                parts.first().trimmed().isEmpty() || parts.last().trimmed().isEmpty() ||
                (code == kEnglish ? cls == 1 && englishArticle.match(text).hasMatch()
                                  : SplitArticle(text, 1, code).Article.isEmpty() == (cls == 1)))
                problems << e.where + QString::asprintf(": class %d, level %d: ", cls, level) +
                                text;
            crossword += letters.match(SplitArticle(parts[0], cls, code).Bare).hasMatch();
            for (int i = 0; i < parts.size() && i < 2; ++i)
                for (QString w : SplitArticle(parts[parts.size() - 1 - i], cls, code)
                                     .Bare.split(u' ', Qt::SkipEmptyParts))
                    if (!w.remove(edges).isEmpty())
                        spelt[i].insert(w);
            genus += cls == 1 && SplitArticle(text, 1, code).Genus;
            QSet<QString> noted;
            for (auto it = named.globalMatch(e.above);
                 e.above.startsWith("# repeat: ") && it.hasNext();)
                noted.insert(it.next().captured(1));
            QString earlier;
            for (const QString& s : parts)
                earlier = first.value(NormalizeText(s), earlier);
            for (const QString& s : parts)
                first.insert(NormalizeText(s), e.where);
            if (!earlier.isEmpty() && !noted.contains(text))
                problems << e.where + ": \"" + text + "\" repeats " + earlier + ", no comment";
            for (const QString& n : noted)
                if (n != text || earlier.isEmpty())
                    problems << e.where + QStringLiteral(": \"%1\" noted, not repeated").arg(n);
        }
        QVERIFY2(crossword >= words, qPrintable(QString::number(crossword)));
        QVERIFY2(code == kEnglish || genus >= words, qPrintable(QString::number(genus)));
        // Every word is known to hunspell, or listed in data/spelling-exceptions.txt, which
        // stays under 1% of the words checked and names only words that the file still has.
        const SpellingExceptions ex =
            readSpellingExceptions(VOKABRIX_DATA_DIR "/spelling-exceptions.txt", kCodes);
        problems << ex.problems;
        const QSet<QString> allowed =
            hunspell.isEmpty() ? QSet<QString>() : ex.byCode[kCodes[code - 1]];
        for (int i = 0; i < hunspell.size() / 2; ++i) {
            const Misspelt m =
                misspeltWords(hunspell[2 * i], hunspell[2 * i + 1], spelt[i].values().join(u'\n'));
            QVERIFY2(m.error.isEmpty() && !spelt[i].isEmpty(), qPrintable(m.error));
            for (const QString& w : m.words) // fix the word, or list it as an exception
                if (!allowed.contains(w))
                    problems << hunspell[2 * i] + " does not know " + w;
        }
        for (const QString& w : allowed - spelt[0] - spelt[1])
            problems << "exception no word needs: " + w;
        QVERIFY(allowed.size() * 100 < spelt[0].size() + spelt[1].size());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TstDictionary)
#include "tst_dictionary.moc"
