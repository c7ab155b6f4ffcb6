// Word lists of other vocabulary programs: KDE's KVTML files as Debian ships them, nouns
// turned into the forms the exercises split, round trips, text lists and bad input.
#include "exchange/kvtml.h"
#include "exchange/tablerows.h"
#include "exchange/textlist.h"
#include "tools/dicttool/tsv.h"
#include "words/articles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace vx;
using namespace vx::exchange;

namespace {

// KDE's word lists, from Debian's kdeedu-kvtml-data (test.sh installs it).
const QString kKdeData = QStringLiteral("/usr/share/apps/kvtml");

// A KVTML 2.0 document: identifiers as "locale|name", entries as the XML of their
// translations, `extra` after the entries (word types, definitions).
QByteArray kvtml(const QStringList& identifiers, const QStringList& entries,
                 const QString& extra = {}) {
    QString x = "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n<identifiers>\n";
    for (qsizetype i = 0; i < identifiers.size(); ++i)
        x += QStringLiteral("<identifier id=\"%1\"><locale>%2</locale><name>%3</name>"
                            "</identifier>\n")
                 .arg(QString::number(i), identifiers[i].section(u'|', 0, 0),
                      identifiers[i].section(u'|', 1));
    x += "</identifiers>\n<entries>\n";
    for (qsizetype i = 0; i < entries.size(); ++i)
        x += QStringLiteral("<entry id=\"%1\">%2</entry>\n").arg(i).arg(entries[i]);
    return (x + "</entries>\n" + extra + "</kvtml>\n").toUtf8();
}

QString translation(qsizetype id, const QString& text, const QString& more = {}) {
    return QStringLiteral("<translation id=\"%1\"><text>%2</text>%3</translation>")
        .arg(QString::number(id), text, more);
}

} // namespace

class TstExchange : public QObject {
    Q_OBJECT
private slots:
    // Every list of KDE's data for the five languages imports, one record a word, into
    // the column of its locale at level 3; or it is refused with a message naming it.
    void kdeDataFiles_data() {
        QTest::addColumn<QString>("path");
        if (!QDir(kKdeData).exists())
            QSKIP("kdeedu-kvtml-data is not installed (test.sh installs it)");
        for (const QString lang : {"sv", "en", "en_GB", "de", "fr", "es"})
            for (const QFileInfo& f :
                 QDir(kKdeData + u'/' + lang).entryInfoList({"*.kvtml"}, QDir::Files))
                QTest::addRow("%s", qPrintable(lang + u'/' + f.fileName())) << f.filePath();
    }
    void kdeDataFiles() {
        QFETCH(QString, path);
        const QByteArray data = test::readFile(path);
        ImportResult result;
        QString error;
        if (!readKvtml(data, QFileInfo(path).fileName(), result, error)) {
            QVERIFY2(error.startsWith(QFileInfo(path).fileName()) && result.records.empty(),
                     qPrintable(error));
            return;
        }
        // The words, found apart from the reader: these lists have one language,
        // identifier 0; the texts of translation 1 are hints that belong to no language.
        static const QRegularExpression text("<translation id=\"0\"\\s*>\\s*<text>([^<]*)</text>"),
            locale("<locale>([^<]*)</locale>");
        QStringList expected, got;
        for (const auto& m : text.globalMatch(QString::fromUtf8(data)))
            if (!m.captured(1).trimmed().isEmpty())
                expected << m.captured(1).trimmed().replace("&amp;", "&");
        const int l = matchLanguage(locale.match(QString::fromUtf8(data)).captured(1)).code - 1;
        for (const WordRecord& r : result.records) {
            for (int i = 0; i < kLanguageCount; ++i)
                QCOMPARE(r.level[size_t(i)], i == l ? 3 : 0); // and no text
            got << r.text[size_t(l)];
        }
        QCOMPARE(got, expected);
    }

    // Genders and articles become the stored forms, and the exercises split them back.
    void nounForms_data() { test::addTableRows(VOKABRIX_TEST_DIR "/nouns.tsv"); }
    void nounForms() {
        QFETCH(QStringList, c); // locale, text, type, stored, class, article, exported
        // The earlier type definitions, and a container holding the entry in a child.
        const QStringList types =
            QString::fromUtf8(test::readFile(VOKABRIX_TEST_DIR "/wordtypes.xml")).split(u'\n');
        QString more, extra;
        if (c[2].startsWith("draft:")) {
            more = types[2].arg(c[2].mid(6).section(u'/', 0, 0), c[2].section(u'/', 1));
            extra = types[0];
        } else if (!c[2].isEmpty()) {
            extra = types[1].arg(c[2]); // in a child container without a type of its own
        }
        ImportResult read;
        QString error;
        const QByteArray data = kvtml({c[0]}, {translation(0, c[1], more)}, extra);
        QVERIFY2(readKvtml(data, "list.kvtml", read, error), qPrintable(error));
        const std::vector<WordRecord>& r = read.records;
        QCOMPARE(r.size(), size_t(1));
        const int code = matchLanguage(c[0]).code;
        QCOMPARE(r[0].text[size_t(code - 1)], c[3]);
        QCOMPARE(r[0].wordClass, c[4].toInt());
        QCOMPARE(SplitArticle(c[3], r[0].wordClass, code).Article, c[5]);
        // They leave as KDE's trainers keep them: the bare word, the gender given by the type.
        QVERIFY(QString::fromUtf8(writeKvtml(r, "d")).contains("<text>" + c[6] + "</text>"));
    }

    // Languages by locale or name; English in two spellings; the others named as skipped; a
    // list refused with a message naming the entry, its line and language, and nothing read.
    void languages_data() { test::addTableRows(VOKABRIX_TEST_DIR "/languages.tsv"); }
    void languages() {
        QFETCH(QStringList, c); // identifiers, entries, stored, skipped, message
        QStringList entries(c[1].startsWith(u'#') ? c[1].mid(1).toInt() : 0, translation(0, "w"));
        for (const QString& e : c[1].startsWith(u'#') ? QStringList() : c[1].split(u';')) {
            const QStringList texts = e.split(u',');
            entries << "";
            for (qsizetype i = 0; i < texts.size(); ++i)
                entries.back() += translation(i, texts[i]);
        }
        ImportResult r{{test::record("kvar", "", "", "", "")}}; // cleared by a refusal
        QString error;
        const QByteArray data =
            c[0].startsWith(u'<') ? c[0].toUtf8() : kvtml(c[0].split(u','), entries);
        QCOMPARE(readKvtml(data, "list.kvtml", r, error), c[4].isEmpty());
        for (const QString& m : c[4].split(u'|', Qt::SkipEmptyParts))
            QVERIFY2(error.contains(m), qPrintable(error));
        const QStringList stored = c[2].split(u',');
        QCOMPARE(r.records, c[2].isEmpty()
                                ? std::vector<WordRecord>{}
                                : std::vector<WordRecord>{test::record(
                                      stored[0], stored[1], stored[2], stored[3], stored[4])});
        QCOMPARE(r.skippedLanguages, c[3].split(u',', Qt::SkipEmptyParts));
    }

    // Vokabrix -> KVTML -> Vokabrix, and through the text form: every text, level and class, of
    // the built-in dictionary and of odd texts.
    void roundTrip_data() {
        QTest::addColumn<QString>("file");
        QTest::addRow("dictionary.tsv") << QStringLiteral(VOKABRIX_DATA_DIR "/dictionary.tsv");
        QTest::addRow("oddtexts.tsv") << QStringLiteral(VOKABRIX_TEST_DIR "/oddtexts.tsv");
    }
    void roundTrip() {
        QFETCH(QString, file);
        std::vector<WordRecord> records;
        ImportResult viaKvtml, viaText;
        QString error;
        QVERIFY2(tsv::importDictionary(test::readFile(file), file, false, records, error),
                 qPrintable(error));
        const QString xml = QString::fromUtf8(writeKvtml(records, "dictionary"));
        // KDE's trainers take an entry's translations by their place: each entry lists
        // every language in the order of the identifiers, empty ones included.
        static const QRegularExpression id("<translation id=\"(\\d+)\"");
        QString expected, ids;
        for (qsizetype i = 0; i < xml.count("<identifier id="); ++i)
            expected += QString::number(i);
        for (const auto& t : id.globalMatch(xml.left(xml.indexOf("</entries>"))))
            ids += t.captured(1);
        QCOMPARE(ids, expected.repeated(qsizetype(records.size())));
        QVERIFY2(readKvtml(xml.toUtf8(), "list.kvtml", viaKvtml, error), qPrintable(error));
        QCOMPARE(viaKvtml.records, records);
        const TextList list = readTextList(writeTextList(records));
        QVERIFY2(textRecords(list, list.header, "list.txt", viaText, error), qPrintable(error));
        QCOMPARE(viaText.records, records);
    }

    // Text lists in each encoding and separator, with and without a header.
    void textLists_data() { test::addTableRows(VOKABRIX_TEST_DIR "/textlists.tsv"); }
    void textLists() {
        QFETCH(QStringList, c); // file, columns without a header, level, class of the first row
        const TextList list = readTextList(test::readFile(VOKABRIX_TEST_DIR "/" + c[0]));
        QList<TextColumn> cols = list.header;
        QCOMPARE(cols.isEmpty(), !c[1].isEmpty());
        for (const QString& name : c[1].split(u',', Qt::SkipEmptyParts))
            cols << headerColumn(name, 0);
        ImportResult r;
        QString error;
        QVERIFY2(textRecords(list, cols, "list.txt", r, error), qPrintable(error));
        // German at the level given, English at 3; the other rows without a class.
        std::vector<WordRecord> expected{
            test::record("", "dog", "der Hund", "", "", 3, c[3].toInt()),
            test::record("", "old house", "Haus, \"alt\"", "", ""),
            test::record("", "big", "Groß", "", "")};
        for (WordRecord& w : expected)
            w.level[2] = c[2].toInt();
        QCOMPARE(r.records, expected);
    }
};

QTEST_GUILESS_MAIN(TstExchange)
#include "tst_exchange.moc"
