// The language file reader and the caption helpers.
#include "words/langfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

namespace {

QByteArray languageFile(const std::vector<LanguageEntry>& entries) {
    QByteArray out;
    QString error;
    if (!encodeLanguageFile(entries, 5, out, error))
        qFatal("%s", qPrintable(error));
    return out;
}

LanguageEntry entry(int number, const QString& prefix) {
    LanguageEntry e{number, {}};
    for (const char* code : {"sv", "en", "de", "fr", "es"})
        e.texts << prefix + QLatin1String(code);
    return e;
}

} // namespace

class TstLangFile : public QObject {
    Q_OBJECT
private slots:
    void readsTheOwnLanguage() {
        const QByteArray data = languageFile({entry(0, "title-"), entry(350, "last-"), entry(7, "Å&x-")});
        for (int code = 1; code <= 5; ++code) {
            TextTable t;
            CollectingReporter r;
            QCOMPARE(ReadLanguageBytes(data, code, t, r), LanguageFileResult::Read);
            const QString suffix = QStringList{"sv", "en", "de", "fr", "es"}[code - 1];
            QCOMPARE(t.uiText[0], "title-" + suffix);
            QCOMPARE(t.uiText[350], "last-" + suffix);
            QCOMPARE(t.uiText[7], "Å&x-" + suffix);
            QVERIFY(t.uiText[8].isEmpty());
            QVERIFY(r.messages.isEmpty());
        }
    }

    void textNumberAbove350IsAReadError() {
        QByteArray data = languageFile({entry(1, "a"), entry(2, "b"), entry(3, "c")});
        // Patch the third entry's number to 351.
        const qsizetype third = languageFile({entry(1, "a"), entry(2, "b")}).size();
        data[third] = static_cast<char>(351 & 0xFF);
        data[third + 1] = static_cast<char>(351 >> 8);
        TextTable t;
        CollectingReporter r;
        QCOMPARE(ReadLanguageBytes(data, 2, t, r), LanguageFileResult::ReadError);
        QCOMPARE(t.uiText[2], QStringLiteral("ben")); // what was read before stays
        QCOMPARE(r.messages.size(), 1);
        QVERIFY(r.messages[0].startsWith(QStringLiteral("Error reading LANG.CRP: ")));
        QVERIFY(r.messages[0].endsWith(QStringLiteral(". Vokabrix should be reinstalled.")));
    }

    void cutAnywhereNeverCrashes() {
        const QByteArray data = languageFile({entry(1, "alpha"), entry(2, "beta")});
        for (qsizetype cut = 0; cut < data.size(); ++cut) {
            TextTable t;
            CollectingReporter r;
            ReadLanguageBytes(data.left(cut), 1, t, r);
            QVERIFY(r.messages.size() <= 1);
        }
    }

    void missingFile() {
        QTemporaryDir dir;
        TextTable t;
        CollectingReporter r;
        QCOMPARE(ReadLanguageFile(ProgramFolder(dir.path()), 1, t, r), LanguageFileResult::Missing);
        QCOMPARE(r.messages, QStringList{"The file LANG.CRP was not found. Vokabrix must be reinstalled."});
        QFile f(dir.filePath("lang.crp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(languageFile({entry(5, "x")}));
        f.close();
        QCOMPARE(ReadLanguageFile(ProgramFolder(dir.path()), 4, t, r), LanguageFileResult::Read);
        QCOMPARE(t.uiText[5], QStringLiteral("xfr"));
    }

    void stripAmpersands_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addRow("access key") << "&Worm" << "Worm";
        QTest::addRow("inside") << "E&xit" << "Exit";
        QTest::addRow("double") << "Salt && pepper" << "Salt & pepper";
        QTest::addRow("triple") << "a&&&b" << "a&&b";
        QTest::addRow("trailing") << "end&" << "end";
        QTest::addRow("none") << "plain" << "plain";
    }
    void stripAmpersands() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(StripAmpersands(in), out);
    }

    void tagNumbers() {
        QCOMPARE(tagNumber(QStringLiteral("NOMAX")), 0);
        QCOMPARE(tagNumber(QStringLiteral("0")), 0);
        QCOMPARE(tagNumber(QStringLiteral("306")), 306);
    }
};

QTEST_GUILESS_MAIN(TstLangFile)
#include "tst_langfile.moc"
