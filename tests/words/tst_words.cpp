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

using namespace vx;
using namespace vx::test;

namespace {

// A program folder with dictionaries of numbered words: "name=count" plain, "name=count@first"
// numbered from `first`, a trailing "e" enciphered, a trailing "!" with the length of the third
// word below its offset (a read error); "name" alone is an empty file.
struct Folder {
    QTemporaryDir dir;
    CollectingReporter reporter;
    LoadContext context;

    explicit Folder(const QStringList& lists = {}) {
        static const QRegularExpression fileEntry(
            QStringLiteral("([^=]+)(=(\\d+)(?:@(\\d+))?(e?)(!?))?"));
        for (const QString& list : lists) {
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
        context.folder = ProgramFolder(dir.path());
        context.reporter = &reporter;
    }
    WordStore load(const QByteArray& data, int from = 2, int fromSub = 0, int to = 3) {
        WordStore s;
        context.fromLanguage = from;
        context.fromSub = fromSub;
        context.toLanguage = to;
        LoadDictionaryBytes(s, data, QStringLiteral("x.dct"), context);
        return s;
    }
};

QString practised(const WordStore& s) {
    QStringList words;
    for (int k = 1; k <= s.wordCount; ++k)
        words << s.toWord[k];
    return words.join(u' ');
}

const QStringList kCodes{"sv", "en", "de", "fr", "es"};

QByteArray langFile(const std::vector<int>& numbers) {
    std::vector<LanguageEntry> entries;
    for (int n : numbers) {
        entries.push_back({n, {}});
        for (const QString& code : kCodes)
            entries.back().texts << QStringLiteral("Å%1&").arg(n) + code;
    }
    QByteArray out;
    QString error;
    if (!encodeLanguageFile(entries, 5, out, error))
        qFatal("%s", qPrintable(error));
    return out;
}

} // namespace

class TstWords : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void decipher_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("plain");
        QTest::addRow("empty") << QByteArray() << QByteArray();
        QTest::addRow("one character") << QByteArray("A") << QByteArray();
        QTest::addRow("codes below 45 pass") << QByteArray("('") << QByteArray("(");
        QTest::addRow("check fails") << QByteArray("((") << QByteArray();
        // 'a' (97) + key 'M' (77) = 174; check 'a' - 1 = 96 + key 'o' (111) = 207.
        QTest::addRow("one letter") << QByteArray("\xae\xcf") << QByteArray("a");
        // 255 + 77 = 332 - 211 = 121; check 254 + 111 = 365 - 211 = 154.
        QTest::addRow("ring wraps") << QByteArray("\x79\x9a") << QByteArray("\xff");
    }
    void decipher() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, plain);
        QCOMPARE(DecipherText(stored), plain);
    }

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
        QByteArray stored; // the key starts again at position 22
        QVERIFY(EncipherText(QByteArray(22, 'a'), stored));
        QCOMPARE(stored[21], stored[0]);
        QVERIFY(stored[20] != stored[0]);
    }

    // "article|bare word", with "|genus" where the article tells the genus.
    void splitArticle_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("wordClass");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("split");
        QTest::addRow("en bil") << 1 << 1 << "en bil" << QString("en|bil|genus");
        QTest::addRow("no blank") << 1 << 1 << "enbil" << QString("|enbil");
        QTest::addRow("die Katze") << 3 << 1 << "die Katze" << QString("die|Katze|genus");
        QTest::addRow("case-sensitive") << 3 << 1 << "Die Katze" << QString("|Die Katze");
        QTest::addRow("chien (m)") << 4 << 1 << "chien (m)" << QString("(m)|chien|genus");
        QTest::addRow("plural mark") << 4 << 1 << "chiens (mpl)" << QString("(mpl)|chiens");
        QTest::addRow("mark without blank") << 4 << 1 << "chien(m)" << QString("(m)|chien|genus");
        QTest::addRow("only an article") << 3 << 1 << "der" << QString("|der");
        QTest::addRow("not a noun") << 3 << 3 << " der Hund " << QString("| der Hund ");
        QTest::addRow("English") << 2 << 1 << "the dog" << QString("|the dog");
        QTest::addRow("blanks trimmed") << 3 << 1 << "der  Hund " << QString("der|Hund|genus");
        QTest::addRow("unknown language") << 9 << 1 << "der Hund" << QString("|der Hund");
    }
    void splitArticle() {
        QFETCH(int, code);
        QFETCH(int, wordClass);
        QFETCH(QString, word);
        QFETCH(QString, split);
        const WordForm f = SplitArticle(word, wordClass, code);
        QCOMPARE(f.Article + u'|' + f.Bare + (f.Genus ? "|genus" : ""), split);
        QCOMPARE(f.BeforeWord, !f.Article.isEmpty() && (code == 1 || code == 3));
        QCOMPARE(f.AfterWord, !f.Article.isEmpty() && code >= 4);
    }

    // Each word as "practised|own|class|level". The enciphered field is a flag (any value but
    // 0); a file cut inside its second record keeps the first word; a record needs both of
    // its sides; own language English gives British before the slash, American after it.
    void load_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<int>>("languages"); // own, its variant, practised
        QTest::addColumn<QString>("loaded");
        for (const int field : {0, -1, 7}) {
            QByteArray data = encode(
                {record("en hund", "dog", "der Hund", "chien (m)", "perro (m)", 2, 1)}, field != 0);
            data[0] = static_cast<char>(field & 0xFF);
            data[1] = static_cast<char>((field >> 8) & 0xFF);
            QTest::addRow("enciphered field %d", field)
                << data << QList<int>{2, 0, 3} << "der Hund|dog|1|2";
        }
        const QByteArray one = encode({record("a", "b", "c", "d", "e")});
        const QByteArray both =
            encode({record("a", "b", "c", "d", "e"), record("f", "g", "h", "i", "j")});
        for (qsizetype cut = one.size() + 1; cut < both.size(); ++cut)
            QTest::addRow("cut at %d", int(cut))
                << both.left(cut) << QList<int>{2, 0, 3} << "c|b|0|3";
        QTest::addRow("empty") << encode({}) << QList<int>{2, 0, 3} << "";
        QTest::addRow("one side missing")
            << encode({record("a", "b", "", "d", "e"), record("f", "", "h", "i", "j"),
                       record("k", "l", "m", "n", "o")})
            << QList<int>{2, 0, 3} << "m|l|0|3";
        QTest::addRow("own language practised") << one << QList<int>{3, 0, 3} << "";
        const QByteArray colour =
            encode({record("färg", "colour/color/x", "die Farbe", "couleur (f)", "color (m)")});
        QTest::addRow("British") << colour << QList<int>{2, 0, 3} << "die Farbe|colour|0|3";
        QTest::addRow("American") << colour << QList<int>{2, 1, 3} << "die Farbe|color/x|0|3";
        QTest::addRow("other variant keeps all")
            << colour << QList<int>{2, 2, 3} << "die Farbe|colour/color/x|0|3";
        QTest::addRow("practised English")
            << colour << QList<int>{3, 1, 2} << "colour|die Farbe|0|3";
    }
    void load() {
        QFETCH(QByteArray, data);
        QFETCH(QList<int>, languages);
        QFETCH(QString, loaded);
        Folder f;
        const WordStore s = f.load(data, languages[0], languages[1], languages[2]);
        QStringList words;
        for (int k = 1; k <= s.wordCount; ++k)
            words << QStringLiteral("%1|%2|%3|%4")
                         .arg(s.toWord[k], s.fromWord[k])
                         .arg(s.wordClass[k])
                         .arg(s.wordLevel[k]);
        QCOMPARE(words.join(u' '), loaded);
        QVERIFY(f.reporter.messages.isEmpty());
    }

    // The 3500th word fills the store, with a message; a further file adds nothing.
    void storeFull() {
        for (const int words : {3499, 3500, 3501}) {
            Folder f;
            WordStore s = f.load(encode(numberedRecords(words)));
            QCOMPARE(f.reporter.messages.size(), words < 3500 ? 0 : 1);
            LoadDictionaryBytes(s, encode(numberedRecords(3)), QStringLiteral("y"), f.context);
            QCOMPARE(s.wordCount, std::min(words + 3, 3500));
        }
    }

    // The command-line file, else the chosen lists in their order, else VOKABRIX.DCT and
    // OWN.DCT; names found without regard to case. A filled store is left as it is. A read
    // error keeps the words before it. The loader lets events run once per word read.
    void whichFilesLoad_data() {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("message"); // a pattern, %1 the folder
        QTest::addColumn<QString>("words");
        const QStringList three{"VOKABRIX.DCT=2e", "a.dct=1@20", "B.DCT=1@30"};
        QTest::addRow("own list missing")
            << QStringList{"Vokabrix.dct=2e"} << QStringList() << QString()
            << QString("The dictionary file %1/OWN.DCTwas not found.") << "Wort1 Wort2";
        QTest::addRow("both defaults")
            << QStringList{"Vokabrix.dct=2e", "own.dct=1@10"} << QStringList() << QString()
            << QString() << "Wort1 Wort2 Wort10";
        QTest::addRow("chosen") << three << QStringList{"b.dct", "a.dct"} << QString() << QString()
                                << "Wort30 Wort20";
        QTest::addRow("built-in chosen")
            << three << QStringList{kBuiltInChoice} << QString() << QString() << "Wort1 Wort2";
        QTest::addRow("command line")
            << three << QStringList{"b.dct"} << QString("a.dct") << QString() << "Wort20";
        QTest::addRow("read error")
            << QStringList{"bad.dct=3!"} << QStringList() << QString("bad.dct")
            << QString("Error reading file %1/bad.dct: .+") << "Wort1 Wort2";
    }
    void whichFilesLoad() {
        QFETCH(QStringList, lists);
        QFETCH(QStringList, chosen);
        QFETCH(QString, commandLine);
        QFETCH(QString, message);
        QFETCH(QString, words);
        Folder f(lists);
        if (!commandLine.isEmpty())
            f.context.commandLineFile = f.dir.filePath(commandLine);
        WordStore s;
        s.dictFiles = chosen;
        int pumps = 0;
        f.context.pumpEvents = [&pumps] { ++pumps; };
        LoadDictionaries(s, f.context);
        QCOMPARE(practised(s), words);
        QCOMPARE(pumps, s.wordCount);
        const QString said = f.reporter.messages.join(u'|');
        message.replace("%1", QRegularExpression::escape(f.dir.path()));
        QVERIFY2(QRegularExpression("^" + message + "$").match(said).hasMatch(), qPrintable(said));
        writeFile(f.dir.filePath("own.dct"), encode(numberedRecords(1, 40)));
        LoadDictionaries(s, f.context);
        QCOMPARE(practised(s), words);
    }

    // Plain dictionaries are listed (an empty file is a plain, empty list) and ticked by
    // name without regard to case; enciphered ones never by name.
    void listWordLists_data() {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("ticked");
        QTest::addRow("only the built-in dictionary")
            << QStringList{"VOKABRIX.DCT=3e"} << defaultWordLists() << ""
            << "vokabrix.dct";
        QTest::addRow("plain files")
            << QStringList{"Animals.DCT=2", "own.dct", "secret.dct=2e", "notes.txt=1"}
            << QStringList{"vokabrix.DCT", "ANIMALS.dct"} << "Animals.DCT own.dct"
            << "vokabrix.dct Animals.DCT";
        QTest::addRow("nothing chosen")
            << QStringList{"VOKABRIX.DCT=2e", "OWN.DCT=1"} << QStringList() << "OWN.DCT"
            << "";
    }
    void listWordLists() {
        QFETCH(QStringList, lists);
        QFETCH(QStringList, chosen);
        QFETCH(QString, files);
        QFETCH(QString, ticked);
        Folder f(lists);
        const WordListChoice c = ListWordLists(f.context.folder, chosen, nullptr);
        QStringList listed = c.files;
        listed.sort(Qt::CaseInsensitive);
        QCOMPARE(listed.join(u' '), files);
        QCOMPARE(ChosenWordLists(c).join(u' '), ticked);
    }

    // At most 36 lists are offered; one that cannot be read is reported and left out.
    void listLimits() {
        Folder f({"good.dct=0"});
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), f.dir.filePath("bad.dct")));
        QCOMPARE(ListWordLists(f.context.folder, {}, &f.reporter).files, QStringList{"good.dct"});
        QCOMPARE(f.reporter.messages.size(), 1);
        for (int i = 0; i < 36; ++i)
            writeFile(f.dir.filePath(QStringLiteral("list%1.dct").arg(i)), encode({}));
        QCOMPARE(ListWordLists(f.context.folder, {}, nullptr).files.size(), 36);
    }

    // Each language reads its own text of every entry, the file found without regard to
    // case; a number above 350 is a read error that keeps what was read before it. The writer
    // refuses what the reader would refuse, rather than writing a file that breaks the
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
        QByteArray damaged = langFile({1, 2, 3});
        damaged[langFile({1, 2}).size()] = static_cast<char>(351 & 0xFF);
        damaged[langFile({1, 2}).size() + 1] = static_cast<char>(351 >> 8);
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

    // An access mark is dropped and a doubled "&" kept once; tag numbers read their digits
    // only; words compare upper-cased without outer blanks; a slot beyond the store takes no
    // word.
    void smallHelpers() {
        QStringList stripped;
        for (const char* text : {"&Worm", "E&xit", "Salt && pepper", "a&&&b", "end&"})
            stripped << StripAmpersands(QString::fromLatin1(text));
        QCOMPARE(stripped.join(u'|'), QStringLiteral("Worm|Exit|Salt & pepper|a&&b|end"));
        QCOMPARE(tagNumber("NOMAX") + tagNumber("0") + tagNumber("306"), 306);
        QCOMPARE(NormalizeText(QStringLiteral("  straße ")), QStringLiteral("STRAßE"));
        WordStore s;
        s.SetWord(WordStore::kCapacity + 1, 1, QStringLiteral("outside"));
        QCOMPARE(s.GetWord(WordStore::kCapacity + 1, 1), QString());
    }

    // Values out of range are corrected when read, numbers without digits read as 0. The
    // exit writes values where they stand, keeps other lines, and writes positive numbers
    // with a leading blank.
    void settings_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("read"); // scheme, full screen, From, FromSub, To
        QTest::addColumn<QString>("written"); // after the warranty was seen, From set to -1
        QTest::addRow("first start") << QByteArray() << QList<int>{1, 0, 2, 1, 3}
                                     << "[Misc]\nSeenWarranty=1\nColorScheme= 1\nFullScreen=0\n"
                                        "Speak=0\n[Languages]\nFrom=-1\nFromSub= 1\nTo= 3\n";
        QTest::addRow("lines kept")
            << QByteArray("; kept\n[Misc]\nFullScreen=5\nSpeak=2\nOther=x\n\n[Languages]\nTo=4\n")
            << QList<int>{1, 1, 2, 1, 4}
            << "; kept\n[Misc]\nFullScreen=1\nSpeak=1\nOther=x\nSeenWarranty=1\nColorScheme= 1\n\n"
               "[Languages]\nTo= 4\nFrom=-1\nFromSub= 1\n";
        QTest::addRow("From 0") << QByteArray("[Languages]\nFrom=0\nFromSub=0\nTo=5\n")
                                << QList<int>{1, 0, 2, 1, 5} << "";
        QTest::addRow("From -1") << QByteArray("[languages]\nfrom= -1\nFromSub=0\n")
                                 << QList<int>{1, 0, 2, 1, 3} << "";
        QTest::addRow("From 65535")
            << QByteArray("[Languages]\nFrom=65535\n") << QList<int>{1, 0, 2, 1, 3} << "";
        QTest::addRow("From 7 stays") << QByteArray("[Languages]\nFrom= 7\nFromSub= 0\nTo= 1\n")
                                      << QList<int>{1, 0, 7, 0, 1} << "";
        QTest::addRow("To 0") << QByteArray("[Languages]\nFrom= 4\nTo=0\n")
                              << QList<int>{1, 0, 4, 0, 3} << "";
        QTest::addRow("scheme 3, full screen 5")
            << QByteArray("[MISC]\r\nColorScheme= 3\r\nFullScreen=5\r\n")
            << QList<int>{3, 1, 2, 1, 3} << "";
        QTest::addRow("no digits") << QByteArray("[Misc]\nColorScheme=x\nFullScreen=abc\n")
                                   << QList<int>{1, 0, 2, 1, 3} << "";
    }
    // Lines are written ending in CR LF.
    void settings() {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, read);
        QFETCH(QString, written);
        Folder f;
        const ProfileFile profile(f.dir.filePath("VOKABRIX.INI"));
        if (!file.isEmpty())
            writeFile(profile.path(), file);
        AppSettings s;
        ReadMiscSettings(profile, s);
        ReadLanguageSettings(profile, s);
        QCOMPARE((QList<int>{s.colorScheme, s.fullScreen, s.fromLanguage, s.fromSub, s.toLanguage}),
                 read);
        if (written.isEmpty())
            return;
        MarkWarrantySeen(profile);
        s.fromLanguage = -1;
        SaveExitSettings(profile, s);
        QCOMPARE(QString::fromLatin1(readFile(profile.path())), written.replace("\n", "\r\n"));
        QVERIFY(ProfileFile::defaultPath().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    }
};

QTEST_GUILESS_MAIN(TstWords)
#include "tst_words.moc"
