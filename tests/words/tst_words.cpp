// The word data without a window: the text cipher, articles, the word store and its loader,
// the choice of word lists, the language file and the settings file.
#include "dictbuilder.h"
#include "words/articles.h"
#include "words/cipher.h"
#include "words/langfile.h"
#include "words/settings.h"
#include "words/wordlists.h"
#include "words/wordstore.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace vx;
using namespace vx::test;

namespace {

// A program folder with dictionaries of numbered words: "name=count" plain, "name=count@first"
// numbered from `first`, a trailing "e" enciphered, a trailing "!" with the length of the third
// word below its offset (a read error); "name" alone is an empty file; "name>target" a link.
struct Folder {
    QTemporaryDir dir;
    CollectingReporter reporter;
    LoadContext context{.folder = ProgramFolder(dir.path()), .reporter = &reporter};

    explicit Folder(const QStringList& lists = {}) {
        static const QRegularExpression fileEntry(
            QStringLiteral("([^=]+)(=(\\d+)(?:@(\\d+))?(e?)(!?))?"));
        for (const QString& list : lists) {
            if (list.contains(u'>') &&
                QFile::link(list.section(u'>', 1), dir.filePath(list.section(u'>', 0, 0))))
                continue;
            const QRegularExpressionMatch m = fileEntry.match(list);
            const int first = qMax(1, m.captured(4).toInt());
            QByteArray data = m.captured(2).isEmpty()
                                  ? QByteArray()
                                  : encode(numberedRecords(m.captured(3).toInt(), first),
                                           !m.captured(5).isEmpty());
            if (!m.captured(6).isEmpty())
                data.replace(encode(numberedRecords(2, first)).size(), 2, "\x9b\x7c");
            writeFile(dir.filePath(m.captured(1)), data);
        }
    }
};

// The words loaded, each as "practised" or, in full, as "practised|own|class|level".
QString loaded(const WordStore& s, bool full = false) {
    QStringList words;
    for (int k = 1; k <= s.wordCount; ++k)
        words << (full ? s.toWord[k] + u'|' + s.fromWord[k] +
                             QString::asprintf("|%d|%d", s.wordClass[k], s.wordLevel[k])
                       : s.toWord[k]);
    return words.join(u' ');
}

// Records written as "sv,en,de,fr,es[,level[,class]]", separated by ";".
std::vector<WordRecord> records(const QString& field) {
    std::vector<WordRecord> out;
    for (const QString& r : field.split(u';', Qt::SkipEmptyParts)) {
        const QStringList t = r.split(u',');
        out.push_back(
            record(t[0], t[1], t[2], t[3], t[4], t.value(5, "3").toInt(), t.value(6).toInt()));
    }
    return out;
}

const QStringList kCodes{"sv", "en", "de", "fr", "es"};

// A language file whose text `n` reads "Å<n>&" and the language code in every language.
QByteArray langFile(const std::vector<int>& numbers) {
    std::vector<LanguageEntry> entries;
    for (int n : numbers)
        entries.push_back({n, QStringList(kCodes).replaceInStrings(QRegularExpression("^"),
                                                                   QStringLiteral("Å%1&").arg(n))});
    QByteArray out;
    QString error;
    return encodeLanguageFile(entries, 5, out, error) ? out : QByteArray();
}

// The rows of a tab-separated table in tests/words/data as the column "row", named by their
// first field; "#" starts a comment line, "\n" and "\r" in a field stand for line ends.
void addRows(const QString& name) {
    QTest::addColumn<QStringList>("row");
    QFile f(QStringLiteral(WORDS_TEST_DATA "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(f.fileName()));
    for (QString line : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#'))
            QTest::addRow("%s", qPrintable(line.section(u'\t', 0, 0)))
                << line.replace("\\n", "\n").replace("\\r", "\r").split(u'\t');
}

} // namespace

class TstWords : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Every byte at every key position comes back, and a changed check character is refused.
    void cipherRoundTrip() {
        for (int position = 1; position <= 23; ++position)
            for (int code = 1; code <= 255; ++code) {
                const QByteArray plain = QByteArray(position - 1, 'x') + char(code);
                QByteArray stored;
                QVERIFY(EncipherText(plain, stored));
                QCOMPARE(DecipherText(stored), plain);
                stored.back() = char(stored.back() ^ 1);
                QCOMPARE(DecipherText(stored), QByteArray());
            }
    }

    void splitArticle_data() { addRows("splitarticle.tsv"); }
    void splitArticle() {
        QFETCH(QStringList, row); // name, language, word class, word, "article|bare|genus"
        const int code = row[1].toInt();
        const WordForm f = SplitArticle(row[3], row[2].toInt(), code);
        QCOMPARE(f.Article + u'|' + f.Bare + (f.Genus ? "|genus" : ""), row[4]);
        QCOMPARE(f.BeforeWord, !f.Article.isEmpty() && (code == 1 || code == 3));
        QCOMPARE(f.AfterWord, !f.Article.isEmpty() && code >= 4);
    }

    // The enciphered field is a flag (any value but 0); a file cut inside its second record
    // keeps the first word; a record needs both of its sides; own language English gives
    // British before the slash, American after it.
    void load_data() {
        addRows("load.tsv");
        const QString both = QStringLiteral("a,b,c,d,e;f,g,h,i,j");
        for (qsizetype cut = encode(records("a,b,c,d,e")).size() + 1;
             cut < encode(records(both)).size(); ++cut)
            QTest::addRow("cut at %d", int(cut))
                << QStringList{"", "2 0 3", "", QString::number(cut), both, "c|b|0|3"};
    }
    void load() {
        QFETCH(QStringList, row); // name, own sub practised, enciphered field, cut, records, words
        QByteArray data = encode(records(row[4]), row[2].toInt(nullptr, 16) != 0);
        if (!row[2].isEmpty())
            data.replace(0, 2, QByteArray::fromHex(row[2].toLatin1()));
        data.truncate(row[3].isEmpty() ? data.size() : row[3].toInt());
        Folder f;
        QTextStream(&row[1]) >> f.context.fromLanguage >> f.context.fromSub >> f.context.toLanguage;
        WordStore s;
        LoadDictionaryBytes(s, data, QStringLiteral("x.dct"), f.context);
        QCOMPARE(loaded(s, true), row[5]);
        QVERIFY(f.reporter.messages.isEmpty());
    }

    // The 3500th word fills the store, with a message; a further file adds nothing. A slot
    // beyond the store takes no word.
    void storeFull() {
        for (const int words : {3499, 3500, 3501}) {
            Folder f;
            WordStore s;
            LoadDictionaryBytes(s, encode(numberedRecords(words)), QStringLiteral("x"), f.context);
            QCOMPARE(f.reporter.messages.size(), words < 3500 ? 0 : 1);
            LoadDictionaryBytes(s, encode(numberedRecords(3)), QStringLiteral("y"), f.context);
            QCOMPARE(s.wordCount, std::min(words + 3, 3500));
        }
        WordStore s;
        s.SetWord(WordStore::kCapacity + 1, 1, QStringLiteral("outside"));
        QCOMPARE(s.GetWord(WordStore::kCapacity + 1, 1), QString());
    }

    // Plain dictionaries are listed (an empty file is a plain, empty list) and ticked by name
    // without regard to case; enciphered ones never by name. At most 36 are offered; one that
    // cannot be read is reported and left out. Loaded are the command-line file,
    // else the chosen lists in their order, else VOKABRIX.DCT and OWN.DCT, names found
    // without regard to case. A filled store is left as it is. A read error keeps the words
    // before it. The loader lets events run once per word read.
    void folder_data() { addRows("folders.tsv"); }
    void folder() {
        QFETCH(QStringList, row); // name, files, chosen, command line, then the patterns
        Folder f(row[1].split(u' ', Qt::SkipEmptyParts));
        const QStringList chosen = row[2].split(u' ', Qt::SkipEmptyParts);
        const WordListChoice c = ListWordLists(f.context.folder, chosen, &f.reporter);
        QStringList listed = c.files;
        listed.sort(Qt::CaseInsensitive);
        if (!row[3].isEmpty())
            f.context.commandLineFile = f.dir.filePath(row[3]);
        WordStore s;
        s.dictFiles = chosen;
        int pumps = 0;
        f.context.pumpEvents = [&pumps] { ++pumps; };
        LoadDictionaries(s, f.context);
        QCOMPARE(pumps, s.wordCount);
        const QString outcome = QStringList{listed.join(u' '), ChosenWordLists(c).join(u' '),
                                            loaded(s), f.reporter.messages.join(u'/')}
                                    .join(u'/');
        const QString pattern =
            row.mid(4).join(u'/').replace("%1", QRegularExpression::escape(f.dir.path()));
        QVERIFY2(QRegularExpression("^" + pattern + "$").match(outcome).hasMatch(),
                 qPrintable(outcome));
        const QString before = loaded(s);
        writeFile(f.dir.filePath("own.dct"), encode(numberedRecords(1, 40)));
        LoadDictionaries(s, f.context);
        QVERIFY(before.isEmpty() || loaded(s) == before); // a filled store is left as it is
    }

    // Each language reads its own text of every entry, the file found without regard to
    // case; a number above 350 (351 = 0x15f) is a read error that keeps what was read before it.
    // The writer refuses what the reader would refuse, rather than writing a file that breaks the
    // program at start-up: a number outside 0..350, a text over 866 bytes.
    void languageFile() {
        Folder f;
        TextTable t;
        QCOMPARE(ReadLanguageFile(f.context.folder, 1, t, f.reporter), LanguageFileResult::Missing);
        writeFile(f.dir.filePath("lang.crp"), langFile({0, 350, 7}));
        for (int code = 1; code <= 5; ++code) {
            QCOMPARE(ReadLanguageFile(f.context.folder, code, t, f.reporter),
                     LanguageFileResult::Read);
            QCOMPARE(t.uiText[0] + t.uiText[350] + t.uiText[7] + t.uiText[8],
                     QStringLiteral("Å0&%1Å350&%1Å7&%1").arg(kCodes[code - 1]));
        }
        const QByteArray damaged =
            langFile({1, 2, 3}).replace(langFile({1, 2}).size(), 2, "\x5f\x01");
        QCOMPARE(ReadLanguageBytes(damaged, 2, t, f.reporter), LanguageFileResult::ReadError);
        QCOMPARE(t.uiText[2], QStringLiteral("Å2&en"));
        QCOMPARE(f.reporter.messages.size(), 2);
        QVERIFY(f.reporter.messages[1].startsWith(QStringLiteral("Error reading LANG.CRP: ")));
        for (const auto& [number, length, fits] :
             {std::tuple{5, 866, true}, {5, 867, false}, {-1, 1, false}, {351, 1, false}}) {
            QByteArray out;
            QString error;
            QCOMPARE(encodeLanguageFile({{number, {QString(length, u'x'), "b", "c", "d", "e"}}}, 5,
                                        out, error),
                     fits);
            QVERIFY(fits || (out.isEmpty() && error.contains(QString::number(number))));
        }
    }

    void helpers_data() { addRows("helpers.tsv"); }
    void helpers() {
        QFETCH(QStringList, row); // name, helper, text, result
        QCOMPARE(
            row[1] == "strip" ? StripAmpersands(row[2])
            : row[1] == "tag" ? QString::number(tagNumber(row[2]))
            : row[1] == "decipher"
                ? QString::fromLatin1(DecipherText(QByteArray::fromHex(row[2].toLatin1())).toHex())
                : NormalizeText(row[2]),
            row[3]);
    }

    // Values out of range are corrected when read, numbers without digits read as 0. The
    // exit writes values where they stand, keeps other lines, and writes positive numbers
    // with a leading blank.
    void settings_data() { addRows("settings.tsv"); }
    void settings() {
        QFETCH(QStringList, row); // name, file, scheme full From FromSub To, file written
        Folder f;
        const ProfileFile profile(f.dir.filePath("VOKABRIX.INI"));
        if (!row[1].isEmpty())
            writeFile(profile.path(), row[1].toLatin1());
        AppSettings s;
        ReadMiscSettings(profile, s);
        ReadLanguageSettings(profile, s);
        QCOMPARE(QString::asprintf("%d %d %d %d %d", s.colorScheme, int(s.fullScreen),
                                   s.fromLanguage, s.fromSub, s.toLanguage),
                 row[2]);
        if (row[3].isEmpty())
            return;
        MarkWarrantySeen(profile);
        s.fromLanguage = -1;
        SaveExitSettings(profile, s);
        QCOMPARE(QString::fromLatin1(readFile(profile.path())), row[3].replace("\n", "\r\n"));
        QVERIFY(ProfileFile::defaultPath().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    }
};

QTEST_GUILESS_MAIN(TstWords)
#include "tst_words.moc"
