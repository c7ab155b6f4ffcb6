// The text cipher: the ring of 211 codes, the key wrapping every 21 positions and the
// check character.
#include "words/cipher.h"

#include <QTest>

using namespace vx;

class TstCipher : public QObject {
    Q_OBJECT
private slots:
    void decipher_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("plain");
        QTest::addRow("empty") << QByteArray() << QByteArray();
        QTest::addRow("one character") << QByteArray("A") << QByteArray();
        QTest::addRow("codes below 45 pass") << QByteArray("('") << QByteArray("(");
        QTest::addRow("check fails") << QByteArray("((") << QByteArray();
        // 'M' is the first key character (77): 'a' (97) + 77 = 174; check 'a' - 1 = 96 at
        // position 2 with key 'o' (111) gives 207.
        QTest::addRow("one letter") << QByteArray("\xae\xcf") << QByteArray("a");
        // 255 + 'M' (77) = 332 - 211 = 121; check 254 + 'o' (111) = 365 - 211 = 154.
        QTest::addRow("ring wraps") << QByteArray("\x79\x9a") << QByteArray("\xff");
    }
    void decipher() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, plain);
        QCOMPARE(DecipherText(stored), plain);
    }

    void keyWrapsAtPosition22() {
        // 22 letters: position 22 must use key position 1 again.
        const QByteArray plain(22, 'a');
        QByteArray stored;
        QVERIFY(EncipherText(plain, stored));
        QCOMPARE(stored.size(), 23);
        QCOMPARE(static_cast<unsigned char>(stored[21]), static_cast<unsigned char>(stored[0]));
        QVERIFY(static_cast<unsigned char>(stored[20]) != static_cast<unsigned char>(stored[0]));
        QCOMPARE(DecipherText(stored), plain);
    }

    void everyCharacterAtEveryPosition() {
        // A text of n - 1 blanks before the character puts it at position n.
        for (int position = 1; position <= 23; ++position) {
            for (int code = 1; code <= 255; ++code) {
                QByteArray plain(position - 1, 'x');
                plain.append(static_cast<char>(code));
                plain.append('y');
                QByteArray stored;
                QVERIFY(EncipherText(plain, stored));
                QCOMPARE(stored.size(), plain.size() + 1);
                QCOMPARE(DecipherText(stored), plain);
            }
        }
    }

    void checkCharacterIsLastMinusOne() {
        for (int code = 1; code <= 255; ++code) {
            QByteArray stored;
            QVERIFY(EncipherText(QByteArray(1, static_cast<char>(code)), stored));
            QCOMPARE(DecipherText(stored), QByteArray(1, static_cast<char>(code)));
            stored[1] = static_cast<char>(static_cast<unsigned char>(stored[1]) ^ 1);
            QCOMPARE(DecipherText(stored), QByteArray());
        }
    }
};

QTEST_GUILESS_MAIN(TstCipher)
#include "tst_cipher.moc"
