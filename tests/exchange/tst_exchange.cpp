// Word lists of other vocabulary programs: KDE's KVTML files as Debian ships them, nouns
// turned into the forms the exercises split, round trips, text lists and bad input.
#include "exchange/kvtml.h"
#include "exchange/textlist.h"
#include "tools/dicttool/tsv.h"
#include "words/articles.h"
#include "words/dictbuilder.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

using namespace vx;
using namespace vx::exchange;

namespace {

// KDE's word lists for the five languages, from Debian's kdeedu-kvtml-data.
const QString kKdeData = QStringLiteral("/usr/share/apps/kvtml");
const QStringList kKdeLanguages{"sv", "en", "en_GB", "de", "fr", "es"};

// A KVTML 2.0 document: identifiers (locale, and article XML) and entries (XML of their
// translations), with `extra` after the entries (word types, definitions).
QByteArray kvtml(const QList<std::pair<QString, QString>>& identifiers, const QStringList& entries,
                 const QString& extra = {}) {
    QString x =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<identifiers>\n";
    for (qsizetype i = 0; i < identifiers.size(); ++i)
        x += QStringLiteral("<identifier id=\"%1\"><locale>%2</locale>%3</identifier>\n")
                 .arg(i)
                 .arg(identifiers[i].first, identifiers[i].second);
    x += "</identifiers>\n<entries>\n";
    for (qsizetype i = 0; i < entries.size(); ++i)
        x += QStringLiteral("<entry id=\"%1\">%2</entry>\n").arg(i).arg(entries[i]);
    return (x + "</entries>\n" + extra + "</kvtml>\n").toUtf8();
}

QString translation(int id, const QString& text, const QString& more = {}) {
    return QStringLiteral("<translation id=\"%1\"><text>%2</text>%3</translation>")
        .arg(id)
        .arg(text, more);
}

ImportResult readOk(const QByteArray& data) {
    ImportResult result;
    QString error;
    if (!readKvtml(data, QStringLiteral("list.kvtml"), result, error))
        qWarning("%s", qPrintable(error));
    return result;
}

QString dataPath(const QString& name) {
    return QStringLiteral(VOKABRIX_DATA_DIR "/") + name;
}

} // namespace

class TstExchange : public QObject {
    Q_OBJECT
private slots:
    // Every list of KDE's data for the five languages imports, one record a word, into
    // the column of its locale; or it is refused with a message naming it.
    void kdeDataFiles_data() {
        QTest::addColumn<QString>("path");
        if (!QDir(kKdeData).exists())
            QSKIP("kdeedu-kvtml-data is not installed (test.sh installs it)");
        for (const QString& lang : kKdeLanguages)
            for (const QString& f :
                 QDir(kKdeData + u'/' + lang).entryList({"*.kvtml"}, QDir::Files))
                QTest::addRow("%s", qPrintable(lang + u'/' + f))
                    << kKdeData + u'/' + lang + u'/' + f;
    }
    void kdeDataFiles() {
        QFETCH(QString, path);
        const QByteArray data = test::readFile(path);
        ImportResult result;
        QString error;
        if (!readKvtml(data, QFileInfo(path).fileName(), result, error)) {
            QVERIFY2(error.startsWith(QFileInfo(path).fileName()), qPrintable(error));
            QVERIFY(result.records.empty());
            return;
        }
        // The words, found independently of the reader: these lists have one language,
        // identifier 0; the texts of translation 1 are hints that belong to no language.
        static const QRegularExpression text(
            QStringLiteral("<translation id=\"0\"\\s*>\\s*<text>([^<]*)</text>"));
        QStringList expected;
        for (const auto& m : text.globalMatch(QString::fromUtf8(data)))
            if (!m.captured(1).trimmed().isEmpty())
                expected << m.captured(1).trimmed().replace(QStringLiteral("&amp;"),
                                                            QStringLiteral("&"));
        static const QRegularExpression locale(QStringLiteral("<locale>([^<]*)</locale>"));
        const int code = matchLanguage(locale.match(QString::fromUtf8(data)).captured(1)).code;
        QStringList got;
        for (const WordRecord& r : result.records) {
            for (int l = 0; l < kLanguageCount; ++l)
                QCOMPARE(r.text[l].isEmpty(), l != code - 1);
            QCOMPARE(r.level[code - 1], 3);
            got << r.text[code - 1];
        }
        QCOMPARE(got, expected);
    }

    void kdeSample_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addRow("German animals") << "de/animals.kvtml" << 1 << 3 << "Bär";
        QTest::addRow("French house") << "fr/maison.kvtml" << 0 << 4 << QString();
        QTest::addRow("Swedish list with an English locale")
            << "sv/clothing.kvtml" << 0 << 2 << QString();
    }
    void kdeSample() {
        QFETCH(QString, file);
        QFETCH(int, index);
        QFETCH(int, code);
        QFETCH(QString, text);
        const QByteArray data = test::readFile(kKdeData + u'/' + file);
        if (data.isEmpty())
            QSKIP("kdeedu-kvtml-data is not installed (test.sh installs it)");
        const ImportResult r = readOk(data);
        QVERIFY(r.records.size() > static_cast<size_t>(index));
        const WordRecord& w = r.records[static_cast<size_t>(index)];
        QVERIFY(!w.text[code - 1].isEmpty());
        if (!text.isEmpty())
            QCOMPARE(w.text[code - 1], text);
        QCOMPARE(w.wordClass, 0);
    }

    // Genders and articles become the stored forms, and the exercises split them back.
    void nounForms_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("type"); // container special type, or "draft:Type/Sub"
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("wordClass");
        QTest::addColumn<QString>("article");
        const auto row = [](const char* name, const char* locale, const QString& text,
                            const char* type, const QString& stored, int cls, const char* article) {
            QTest::addRow("%s", name) << locale << text << type << stored << cls << article;
        };
        row("German male", "de", "Hund", "noun/male", "der Hund", 1, "der");
        row("German female", "de_AT", "Katze", "noun female", "die Katze", 1, "die");
        row("German neutral", "de", "Haus", "noun/neutral", "das Haus", 1, "das");
        row("Swedish common", "sv", "hund", "noun/male", "en hund", 1, "en");
        row("Swedish female is common", "sv", "bok", "noun/female", "en bok", 1, "en");
        row("Swedish neuter", "sv_SE", "hus", "noun/neutral", "ett hus", 1, "ett");
        row("French male", "fr", "chien", "noun/male", "chien (m)", 1, "(m)");
        row("French female", "fr_CA", "table", "noun/female", "table (f)", 1, "(f)");
        row("Spanish male", "es", "perro", "noun/male", "perro (m)", 1, "(m)");
        row("Spanish female", "es_MX", "mesa", "noun/female", "mesa (f)", 1, "(f)");
        row("English has no article", "en", "dog", "noun/male", "dog", 1, "");
        row("English article dropped", "en_GB", "the dog", "noun", "dog", 1, "");
        row("French article gives the gender", "fr", "le chien", "noun", "chien (m)", 1, "(m)");
        row("Spanish plural article", "es", "los perros", "noun", "perros (mpl)", 1, "(mpl)");
        row("French l' tells no gender", "fr", "l'arbre", "noun", "l'arbre", 1, "");
        row("French les tells no gender", "fr", "les chiens", "noun", "les chiens", 1, "");
        row("capitalised article", "de", "Der Hund", "noun/male", "der Hund", 1, "der");
        row("stored form kept", "de", "der Hund", "noun/male", "der Hund", 1, "der");
        row("German noun without gender", "de", "Hund", "noun", "Hund", 1, "");
        row("untyped with an article", "de", "die Million", "", "die Million", 1, "die");
        row("untyped with a mark", "es", "casa (f)", "", "casa (f)", 1, "(f)");
        row("untyped word", "de", "Katze", "", "Katze", 0, "");
        row("verb", "de", "laufen", "verb", "laufen", 3, "");
        row("adjective", "fr", "grand", "adjective", "grand", 2, "");
        row("adverb", "fr", "vite", "adverb", "vite", 0, "");
        row("draft noun subtype", "de", "Hund", "draft:Noun/Male", "der Hund", 1, "der");
        row("draft subtype without definition", "sv", "hus", "draft:Substantiv/Neutral", "ett hus",
            1, "ett");
        row("draft adjective", "de", "rot", "draft:Adjective/", "rot", 2, "");
    }
    void nounForms() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, type);
        QFETCH(QString, stored);
        QFETCH(int, wordClass);
        QFETCH(QString, article);
        QString more;
        QString extra;
        if (type.startsWith("draft:")) {
            const QStringList t = type.mid(6).split(u'/');
            more = QStringLiteral(
                       "<wordtype><typename>%1</typename><subtypename>%2</subtypename></wordtype>")
                       .arg(t[0], t[1]);
            extra =
                "<wordtypedefinitions><wordtypedefinition><typename>Noun</typename>"
                "<specialwordtype>noun</specialwordtype><subwordtypedefinition><subtypename>Male"
                "</subtypename><specialwordtype>male</specialwordtype></subwordtypedefinition>"
                "</wordtypedefinition><wordtypedefinition><typename>Substantiv</typename>"
                "<specialwordtype>noun</specialwordtype></wordtypedefinition></"
                "wordtypedefinitions>";
        } else if (!type.isEmpty()) {
            // The entry sits in a child container without a type of its own.
            extra = QStringLiteral(
                        "<wordtypes><container><name>T</name><specialwordtype>%1"
                        "</specialwordtype><container><name>Sub</name><entry id=\"0\">"
                        "<translation id=\"0\"/></entry></container></container></wordtypes>")
                        .arg(type);
        }
        const ImportResult r = readOk(kvtml({{locale, {}}}, {translation(0, text, more)}, extra));
        QCOMPARE(r.records.size(), size_t(1));
        const int code = matchLanguage(locale).code;
        QCOMPARE(r.records[0].text[code - 1], stored);
        QCOMPARE(r.records[0].wordClass, wordClass);
        const WordForm form = SplitArticle(stored, wordClass, code);
        QCOMPARE(form.Article, article);
        QVERIFY(!form.Bare.isEmpty());
    }

    // Languages by locale or name; English in two spellings; the others named as skipped.
    void languages_data() {
        QTest::addColumn<QStringList>("identifiers"); // locale|name
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("stored"); // the five columns
        QTest::addColumn<QStringList>("skipped");
        QTest::addRow("names") << QStringList{"|Deutsch", "|Svenska", "x|Français"}
                               << QStringList{"Hund", "hund", "chien"}
                               << QStringList{"hund", "", "Hund", "chien", ""} << QStringList{};
        QTest::addRow("British and American")
            << QStringList{"en_GB|", "en-US|"} << QStringList{"colour", "color"}
            << QStringList{"", "colour/color", "", "", ""} << QStringList{};
        QTest::addRow("same in both")
            << QStringList{"en|English", "|English (US)"} << QStringList{"dog", "dog"}
            << QStringList{"", "dog", "", "", ""} << QStringList{};
        QTest::addRow("others skipped")
            << QStringList{"nb|Norsk", "es|", "es|Second"} << QStringList{"hund", "perro", "can"}
            << QStringList{"", "", "", "", "perro"} << QStringList{"Norsk", "Second"};
    }
    void languages() {
        QFETCH(QStringList, identifiers);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, skipped);
        QList<std::pair<QString, QString>> ids;
        QString entry;
        for (qsizetype i = 0; i < identifiers.size(); ++i) {
            const QStringList p = identifiers[i].split(u'|');
            ids.append({p[0], p[1].isEmpty() ? QString() : "<name>" + p[1] + "</name>"});
            entry += translation(int(i), texts[i]);
        }
        const ImportResult r = readOk(kvtml(ids, {entry}));
        QCOMPARE(r.records.size(), size_t(1));
        for (int l = 0; l < kLanguageCount; ++l)
            QCOMPARE(r.records[0].text[l], stored[l]);
        QCOMPARE(r.skippedLanguages, skipped);
    }

    // Vokabrix -> KVTML -> Vokabrix, and through the text form: every text, level and class.
    void roundTrip_data() {
        QTest::addColumn<std::vector<WordRecord>>("records");
        std::vector<WordRecord> builtIn;
        QString error;
        QVERIFY2(tsv::importDictionary(test::readFile(dataPath("dictionary.tsv")), "dictionary.tsv",
                                       false, builtIn, error),
                 qPrintable(error));
        QTest::addRow("built-in dictionary") << builtIn;
        std::vector<WordRecord> odd;
        const QStringList texts{
            "a & b <c> \"d\"", "der  Hund", "chien(m)", "ciseaux (mpl)", "enfant (mf)", "mum/mom",
            "Straße",          "œuvre €",   "ett",      "la casa (f)",   "Die Katze"};
        for (qsizetype i = 0; i < texts.size(); ++i)
            for (int cls = 0; cls <= 3; ++cls) {
                WordRecord r = test::record(texts[i], i % 2 ? texts[i] : QString(), texts[i],
                                            texts[i], texts[i], 1 + int(i + cls) % 5, cls);
                odd.push_back(r);
            }
        QTest::addRow("odd texts, every level and class") << odd;
    }
    void roundTrip() {
        QFETCH(std::vector<WordRecord>, records);
        const QByteArray file = writeKvtml(records, "dictionary");
        // KDE's trainers take an entry's translations by their place: each entry lists
        // every language in the order of the identifiers, empty ones included.
        const QString xml = QString::fromUtf8(file);
        const qsizetype languages = xml.count("<identifier id=");
        static const QRegularExpression entry(QStringLiteral("<entry id=\"\\d+\">(.*?)</entry>"),
                                              QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression id(QStringLiteral("<translation id=\"(\\d+)\""));
        for (const auto& e : entry.globalMatch(xml.left(xml.indexOf("</entries>")))) {
            QStringList ids;
            for (const auto& t : id.globalMatch(e.captured(1)))
                ids << t.captured(1);
            QCOMPARE(ids.size(), languages);
            for (qsizetype i = 0; i < ids.size(); ++i)
                QCOMPARE(ids[i], QString::number(i));
        }
        const ImportResult viaKvtml = readOk(file);
        QCOMPARE(viaKvtml.records.size(), records.size());
        for (size_t i = 0; i < records.size(); ++i)
            QCOMPARE(viaKvtml.records[i], records[i]);

        const TextList list = readTextList(writeTextList(records));
        ImportResult viaText;
        QString error;
        QVERIFY2(textRecords(list, list.header, "list.txt", viaText, error), qPrintable(error));
        QCOMPARE(viaText.records.size(), records.size());
        for (size_t i = 0; i < records.size(); ++i)
            QCOMPARE(viaText.records[i], records[i]);
    }

    // Text lists in each encoding and separator, with and without a header.
    void textLists_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("columns"); // for a list without a header
        QTest::addColumn<QStringList>("german");
        QTest::addColumn<QStringList>("english");
        QTest::addColumn<QList<int>>("classes");
        const QString text = "der Hund;dog\n\"Haus, \"\"alt\"\"\";\"old\nhouse\"\r\n;\nGroß;big\n";
        QStringEncoder cp1252("Windows-1252");
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        const QStringList german{"der Hund", "Haus, \"alt\"", "Groß"};
        const QStringList english{"dog", "old house", "big"};
        QTest::addRow("semicolons, UTF-8, no header")
            << text.toUtf8() << "de,en" << german << english << QList<int>{1, 0, 0};
        QTest::addRow("semicolons, Windows-1252") << QByteArray(cp1252.encode(text)) << "de,en"
                                                  << german << english << QList<int>{1, 0, 0};
        QString commas = "Deutsch,English (UK)\n" + text;
        commas.replace(u';', u',');
        QTest::addRow("commas, UTF-8 with BOM, header")
            << "\xEF\xBB\xBF" + commas.toUtf8() << "" << german << english << QList<int>{1, 0, 0};
        const QString tabs =
            "German\tGerman level\tEnglish\tWord class\nder Hund\t4\tdog\t3\n"
            "\"Haus, \"\"alt\"\"\"\t4\t\"old\nhouse\"\t3\r\n\t\t\t\nGroß\t4\tbig\t3\n";
        QTest::addRow("tabs, UTF-16, levels and classes")
            << QByteArray(utf16.encode(tabs)) << "" << german << english << QList<int>{3, 3, 3};
    }
    void textLists() {
        QFETCH(QByteArray, data);
        QFETCH(QString, columns);
        QFETCH(QStringList, german);
        QFETCH(QStringList, english);
        QFETCH(QList<int>, classes);
        const TextList list = readTextList(data);
        QList<TextColumn> cols = list.header;
        if (!columns.isEmpty()) {
            QVERIFY(cols.isEmpty());
            for (const QString& c : columns.split(u','))
                cols << headerColumn(c, 0);
        }
        ImportResult r;
        QString error;
        QVERIFY2(textRecords(list, cols, "list.txt", r, error), qPrintable(error));
        QCOMPARE(r.records.size(), size_t(german.size()));
        const bool levels = list.headerCells.contains("German level");
        for (qsizetype i = 0; i < german.size(); ++i) {
            const WordRecord& w = r.records[size_t(i)];
            QCOMPARE(w.text[2], german[i]);
            QCOMPARE(w.text[1], english[i]);
            QCOMPARE(w.level[2], levels ? 4 : 3);
            QCOMPARE(w.wordClass, classes[i]);
        }
    }

    // Bad input: a message naming the file and the place, and nothing read.
    void badInput_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("text");
        QTest::addColumn<QStringList>("message");
        const QByteArray de = kvtml({{"de", {}}}, {translation(0, "Hund")});
        QTest::addRow("malformed XML") << QByteArray(de).replace("</entries>", "") << false
                                       << QStringList{"list.kvtml, line", "not well-formed"};
        QTest::addRow("not KVTML") << QByteArray("<html><body/></html>") << false
                                   << QStringList{"list.kvtml is not a KVTML", "<html>"};
        QTest::addRow("KVTML 1")
            << QByteArray(
                   "<?xml version=\"1.0\"?><kvtml encoding=\"UTF-8\"><e><o>x</o></e></kvtml>")
            << false << QStringList{"version 1", "only KVTML 2.0"};
        QTest::addRow("none of the five")
            << kvtml({{"nb", "<name>Norsk</name>"}}, {translation(0, "hund")}) << false
            << QStringList{"none of the languages", "Norsk"};
        QTest::addRow("outside Windows-1252")
            << kvtml({{"de", {}}}, {translation(0, "Hund"), translation(0, "Győr")}) << false
            << QStringList{"entry 1 (line", "German", "\"ő\""};
        QTest::addRow("too long") << kvtml({{"fr", {}}}, {translation(0, QString(868, u'a'))})
                                  << false << QStringList{"entry 0", "French", "longer than 867"};
        QStringList many;
        for (int i = 0; i <= kMaxWordListRecords; ++i)
            many << translation(0, "w" + QString::number(i));
        QTest::addRow("more than 10000")
            << kvtml({{"sv", {}}}, many) << false << QStringList{"more than 10000 words"};
        QTest::addRow("text outside Windows-1252") << QByteArray("Deutsch\nHund\nŁódź\n") << true
                                                   << QStringList{"list.kvtml, line 3", "\"Ł\""};
    }
    void badInput() {
        QFETCH(QByteArray, data);
        QFETCH(bool, text);
        QFETCH(QStringList, message);
        ImportResult r;
        r.records.push_back(test::record("kvar", "", "", "", ""));
        QString error;
        const TextList list = readTextList(data);
        const bool ok = text ? textRecords(list, list.header, "list.kvtml", r, error)
                             : readKvtml(data, "list.kvtml", r, error);
        QVERIFY(!ok);
        for (const QString& m : message)
            QVERIFY2(error.contains(m), qPrintable(error));
        QVERIFY(r.records.empty());
    }
};

QTEST_GUILESS_MAIN(TstExchange)
#include "tst_exchange.moc"
