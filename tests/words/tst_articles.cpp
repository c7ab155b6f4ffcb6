// Splitting nouns into article and bare word for every language.
#include "words/articles.h"

#include <QTest>

using namespace vx;

class TstArticles : public QObject {
    Q_OBJECT
private slots:
    void tables_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<bool>>("genus");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::addRow("Swedish") << 1 << QStringList{"en", "ett"} << QList<bool>{true, true} << true << false;
        QTest::addRow("English") << 2 << QStringList{} << QList<bool>{} << false << true;
        QTest::addRow("German") << 3 << QStringList{"der", "das", "die"} << QList<bool>{true, true, true} << true << false;
        const QStringList marks{"(m)", "(f)", "(mpl)", "(fpl)", "(mf)"};
        const QList<bool> g{true, true, false, false, false};
        QTest::addRow("French") << 4 << marks << g << false << true;
        QTest::addRow("Spanish") << 5 << marks << g << false << true;
        QTest::addRow("unknown") << 9 << QStringList{} << QList<bool>{} << false << false;
    }
    void tables() {
        QFETCH(int, code);
        QFETCH(QStringList, texts);
        QFETCH(QList<bool>, genus);
        QFETCH(bool, before);
        QFETCH(bool, after);
        ArticleTable t;
        FillArticleTable(t, code);
        QCOMPARE(t.Count, texts.size());
        for (int i = 0; i < t.Count; ++i) {
            QCOMPARE(t.Entries[i + 1].Text, texts[i]);
            QCOMPARE(t.Entries[i + 1].Genus, genus[i]);
        }
        QCOMPARE(t.BeforeWord, before);
        QCOMPARE(t.AfterWord, after);
    }

    void split_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("wordClass");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("bare");
        QTest::addColumn<bool>("genus");
        QTest::addRow("en bil") << "en bil" << 1 << 1 << "en" << "bil" << true;
        QTest::addRow("ett hus") << "ett hus" << 1 << 1 << "ett" << "hus" << true;
        QTest::addRow("no blank") << "enbil" << 1 << 1 << "" << "enbil" << false;
        QTest::addRow("die Katze") << "die Katze" << 1 << 3 << "die" << "Katze" << true;
        QTest::addRow("case-sensitive") << "Die Katze" << 1 << 3 << "" << "Die Katze" << false;
        QTest::addRow("chien (m)") << "chien (m)" << 1 << 4 << "(m)" << "chien" << true;
        QTest::addRow("plural mark") << "chiens (mpl)" << 1 << 4 << "(mpl)" << "chiens" << false;
        QTest::addRow("mark without blank") << "chien(m)" << 1 << 4 << "(m)" << "chien" << true;
        QTest::addRow("Spanish (f)") << "mesa (f)" << 1 << 5 << "(f)" << "mesa" << true;
        QTest::addRow("only an article") << "der" << 1 << 3 << "" << "der" << false;
        QTest::addRow("not a noun") << " der Hund " << 3 << 3 << "" << " der Hund " << false;
        QTest::addRow("English") << "the dog" << 1 << 2 << "" << "the dog" << false;
        QTest::addRow("blanks trimmed") << "der  Hund " << 1 << 3 << "der" << "Hund" << true;
    }
    void split() {
        QFETCH(QString, word);
        QFETCH(int, wordClass);
        QFETCH(int, code);
        QFETCH(QString, article);
        QFETCH(QString, bare);
        QFETCH(bool, genus);
        const WordForm f = SplitArticle(word, wordClass, code);
        QCOMPARE(f.Article, article);
        QCOMPARE(f.Bare, bare);
        QCOMPARE(f.Genus, genus);
        if (!article.isEmpty()) {
            QCOMPARE(f.BeforeWord, code == 1 || code == 3);
            QCOMPARE(f.AfterWord, code >= 4);
        }
    }
};

QTEST_GUILESS_MAIN(TstArticles)
#include "tst_articles.moc"
