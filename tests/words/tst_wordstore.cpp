// The word store and its loader, on dictionary files made in a temporary program folder.
#include "dictbuilder.h"
#include "words/wordstore.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vx;
using namespace vx::test;

namespace {

LoadContext context(const QTemporaryDir& dir, CollectingReporter& reporter, int from = 2,
                    int fromSub = 0, int to = 3) {
    LoadContext c;
    c.folder = ProgramFolder(dir.path());
    c.fromLanguage = from;
    c.fromSub = fromSub;
    c.toLanguage = to;
    c.reporter = &reporter;
    return c;
}

} // namespace

class TstWordStore : public QObject {
    Q_OBJECT
private slots:
    void accessors() {
        WordStore s;
        s.SetWord(5, 1, QStringLiteral("der Hund"));
        s.SetWord(5, 2, QStringLiteral("dog"));
        s.SetWord(5, 3, QStringLiteral("x"));
        QCOMPARE(s.GetWord(5, 1), QStringLiteral("der Hund"));
        QCOMPARE(s.GetWord(5, 2), QStringLiteral("dog"));
        QCOMPARE(s.GetWord(5, 3), QString());
        s.SetWord(WordStore::kCapacity + 1, 1, QStringLiteral("outside"));
        QCOMPARE(s.GetWord(WordStore::kCapacity + 1, 1), QString());
        QCOMPARE(NormalizeText(QStringLiteral("  straße ")), QStringLiteral("STRAßE"));
    }

    void encipheredField_data() {
        QTest::addColumn<int>("field");
        QTest::addRow("plain") << 0;
        QTest::addRow("one") << 1;
        QTest::addRow("minus one") << -1;
        QTest::addRow("seven") << 7;
    }
    void encipheredField() {
        QFETCH(int, field);
        QByteArray data = encode({record("en hund", "dog", "der Hund", "chien (m)", "perro (m)", 2, 1)},
                                 field != 0);
        data[0] = static_cast<char>(field & 0xFF);
        data[1] = static_cast<char>((field >> 8) & 0xFF);
        WordStore s;
        CollectingReporter r;
        QTemporaryDir dir;
        LoadDictionaryBytes(s, data, QStringLiteral("x.dct"), context(dir, r));
        QCOMPARE(s.wordCount, 1);
        QCOMPARE(s.toWord[1], QStringLiteral("der Hund"));
        QCOMPARE(s.fromWord[1], QStringLiteral("dog"));
        QCOMPARE(s.wordClass[1], qint16(1));
        QCOMPARE(s.wordLevel[1], qint16(2));
        QVERIFY(r.messages.isEmpty());
    }

    void emptyAndTruncatedFiles() {
        QTemporaryDir dir;
        CollectingReporter r;
        const QByteArray two = encode({});
        QCOMPARE(two.size(), 2);
        WordStore s;
        LoadDictionaryBytes(s, two, QStringLiteral("x"), context(dir, r));
        QCOMPARE(s.wordCount, 0);
        // Every cut inside the second record keeps the first word and drops the second.
        const QByteArray one = encode({record("a", "b", "c", "d", "e")});
        const QByteArray both = encode({record("a", "b", "c", "d", "e"), record("f", "g", "h", "i", "j")});
        for (qsizetype cut = one.size() + 1; cut < both.size(); ++cut) {
            WordStore t;
            LoadDictionaryBytes(t, both.left(cut), QStringLiteral("x"), context(dir, r));
            QCOMPARE(t.wordCount, 1);
            QCOMPARE(t.toWord[1], QStringLiteral("c"));
        }
        QVERIFY(r.messages.isEmpty());
    }

    void slashSpellings_data() {
        QTest::addColumn<int>("fromSub");
        QTest::addColumn<QString>("from");
        QTest::addRow("British") << 0 << QStringLiteral("colour");
        QTest::addRow("American") << 1 << QStringLiteral("color/x");
        QTest::addRow("other variant keeps all") << 2 << QStringLiteral("colour/color/x");
    }
    void slashSpellings() {
        QFETCH(int, fromSub);
        QFETCH(QString, from);
        QTemporaryDir dir;
        CollectingReporter r;
        WordStore s;
        // Own language English, practised English too would give nothing: practise German
        // with an English own side, and check the practised side with English practised.
        LoadDictionaryBytes(s, encode({record("färg", "colour/color/x", "die Farbe", "couleur (f)", "color (m)")}),
                            QStringLiteral("x"), context(dir, r, 2, fromSub, 3));
        QCOMPARE(s.fromWord[1], from);
        WordStore t;
        LoadDictionaryBytes(t, encode({record("färg", "colour/color", "die Farbe", "couleur (f)", "color (m)")}),
                            QStringLiteral("x"), context(dir, r, 3, 0, 2));
        QCOMPARE(t.toWord[1], QStringLiteral("colour"));
    }

    void recordsWithoutBothSidesAreDropped() {
        QTemporaryDir dir;
        CollectingReporter r;
        WordStore s;
        LoadDictionaryBytes(s, encode({record("a", "b", "", "d", "e"), record("f", "", "h", "i", "j"),
                                       record("k", "l", "m", "n", "o")}),
                            QStringLiteral("x"), context(dir, r));
        QCOMPARE(s.wordCount, 1);
        QCOMPARE(s.toWord[1], QStringLiteral("m"));
        // Own language equal to the practised one: no record has both sides.
        WordStore same;
        LoadDictionaryBytes(same, encode({record("a", "b", "c", "d", "e")}), QStringLiteral("x"),
                            context(dir, r, 3, 0, 3));
        QCOMPARE(same.wordCount, 0);
    }

    void storeFullFiresOnThe3500thWord_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("message");
        QTest::addRow("3499") << 3499 << false;
        QTest::addRow("3500") << 3500 << true;
        QTest::addRow("3501") << 3501 << true;
    }
    void storeFullFiresOnThe3500thWord() {
        QFETCH(int, words);
        QFETCH(bool, message);
        QTemporaryDir dir;
        CollectingReporter r;
        WordStore s;
        LoadDictionaryBytes(s, encode(numberedRecords(words)), QStringLiteral("x"), context(dir, r));
        QCOMPARE(s.wordCount, std::min(words, 3500));
        QCOMPARE(r.messages.size(), message ? 1 : 0);
        if (message)
            QCOMPARE(r.messages[0], QStringLiteral("Your dictionaries contain more than 3500 words. "
                                                   "Only 3500 words will be used."));
        // A further file adds nothing to a full store.
        LoadDictionaryBytes(s, encode(numberedRecords(3)), QStringLiteral("y"), context(dir, r));
        QCOMPARE(s.wordCount, std::min(words + 3, 3500));
    }

    void defaultFilesInOrderAndMissingOwn() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Vokabrix.dct"), encode(numberedRecords(2, 1), true));
        CollectingReporter r;
        WordStore s;
        LoadDictionaries(s, context(dir, r));
        QCOMPARE(s.wordCount, 2);
        QCOMPARE(r.messages, QStringList{QStringLiteral("The dictionary file ") +
                                         dir.filePath("OWN.DCT") + QStringLiteral("was not found.")});
        writeFile(dir.filePath("own.dct"), encode(numberedRecords(1, 10)));
        LoadDictionaries(s, context(dir, r)); // the store is filled: nothing happens
        QCOMPARE(s.wordCount, 2);
        s.wordCount = 0;
        LoadDictionaries(s, context(dir, r));
        QCOMPARE(s.wordCount, 3);
        QCOMPARE(s.toWord[1], QStringLiteral("Wort1"));
        QCOMPARE(s.toWord[3], QStringLiteral("Wort10"));
    }

    void chosenFilesAndCommandLine() {
        QTemporaryDir dir;
        writeFile(dir.filePath("VOKABRIX.DCT"), encode(numberedRecords(2, 1), true));
        writeFile(dir.filePath("a.dct"), encode(numberedRecords(1, 20)));
        writeFile(dir.filePath("B.DCT"), encode(numberedRecords(1, 30)));
        CollectingReporter r;
        WordStore s;
        s.dictFiles = {QStringLiteral("b.dct"), QStringLiteral("a.dct")};
        LoadDictionaries(s, context(dir, r));
        QCOMPARE(s.wordCount, 2);
        QCOMPARE(s.toWord[1], QStringLiteral("Wort30"));
        QCOMPARE(s.toWord[2], QStringLiteral("Wort20"));
        WordStore t;
        LoadContext c = context(dir, r);
        c.commandLineFile = dir.filePath("a.dct");
        LoadDictionaries(t, c);
        QCOMPARE(t.wordCount, 1);
        QVERIFY(r.messages.isEmpty());
    }

    void readErrorKeepsWordsBefore() {
        QTemporaryDir dir;
        QByteArray data = encode(numberedRecords(3));
        const qsizetype third = encode(numberedRecords(2)).size();
        data[third] = static_cast<char>(0x9b); // length 31899: below the stored offset
        data[third + 1] = static_cast<char>(0x7c);
        writeFile(dir.filePath("bad.dct"), data);
        CollectingReporter r;
        WordStore s;
        int pumps = 0;
        LoadContext c = context(dir, r);
        c.pumpEvents = [&pumps] { ++pumps; };
        LoadDictionaryFile(s, QStringLiteral("bad.dct"), c);
        QCOMPARE(s.wordCount, 2);
        QCOMPARE(r.messages.size(), 1);
        QVERIFY(r.messages[0].startsWith(QStringLiteral("Error reading file ") + dir.filePath("bad.dct") + ": "));
        QCOMPARE(pumps, 2);
    }
};

QTEST_GUILESS_MAIN(TstWordStore)
#include "tst_wordstore.moc"
