// The settings file: defaults, corrections and the written forms.
#include "words/settings.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

namespace {

QString readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll());
}

void writeAll(const QString& path, const QByteArray& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write");
    f.write(text);
}

} // namespace

class TstSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void corrections_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("fromSub");
        QTest::addColumn<int>("to");
        QTest::addRow("no file") << QByteArray() << 1 << false << 2 << 1 << 3;
        QTest::addRow("From 0") << QByteArray("[Languages]\nFrom=0\nFromSub=0\nTo=5\n") << 1 << false << 2 << 1 << 5;
        QTest::addRow("From -1") << QByteArray("[languages]\nfrom= -1\nFromSub=0\n") << 1 << false << 2 << 1 << 3;
        QTest::addRow("From 65535") << QByteArray("[Languages]\nFrom=65535\n") << 1 << false << 2 << 1 << 3;
        QTest::addRow("From 7 stays") << QByteArray("[Languages]\nFrom= 7\nFromSub= 0\nTo= 1\n") << 1 << false << 7 << 0 << 1;
        QTest::addRow("To 0") << QByteArray("[Languages]\nFrom= 4\nTo=0\n") << 1 << false << 4 << 0 << 3;
        QTest::addRow("scheme 0") << QByteArray("[Misc]\nColorScheme=0\n") << 1 << false << 2 << 1 << 3;
        QTest::addRow("scheme 3, full screen 5") << QByteArray("[MISC]\r\nColorScheme= 3\r\nFullScreen=5\r\n") << 3 << true << 2 << 1 << 3;
        QTest::addRow("no digits") << QByteArray("[Misc]\nColorScheme=x\nFullScreen=abc\n") << 0 << false << 2 << 1 << 3;
    }
    void corrections() {
        QFETCH(QByteArray, file);
        QFETCH(int, scheme);
        QFETCH(bool, fullScreen);
        QFETCH(int, from);
        QFETCH(int, fromSub);
        QFETCH(int, to);
        QTemporaryDir dir;
        const QString path = dir.filePath("VOKABRIX.INI");
        if (!file.isEmpty())
            writeAll(path, file);
        const ProfileFile profile(path);
        AppSettings s;
        ReadMiscSettings(profile, s);
        ReadLanguageSettings(profile, s);
        // A stored ColorScheme without digits reads as 0 and is then corrected to 1.
        QCOMPARE(s.colorScheme, scheme == 0 ? 1 : scheme);
        QCOMPARE(s.fullScreen, fullScreen);
        QCOMPARE(int(s.fromLanguage), from);
        QCOMPARE(int(s.fromSub), fromSub);
        QCOMPARE(int(s.toLanguage), to);
    }

    void firstStartThenExit() {
        QTemporaryDir dir;
        const ProfileFile profile(dir.filePath("VOKABRIX.INI"));
        AppSettings s;
        ReadMiscSettings(profile, s);
        ReadLanguageSettings(profile, s);
        MarkWarrantySeen(profile);
        QCOMPARE(profile.getInt("Misc", "SeenWarranty", 0), 1);
        SaveExitSettings(profile, s);
        const QString text = readAll(profile.path());
        QVERIFY2(text.contains("From= 2\r\nFromSub= 1\r\nTo= 3\r\n"), qPrintable(text));
        QVERIFY(text.contains("ColorScheme= 1\r\n"));
        QVERIFY(text.contains("FullScreen=0\r\n"));
        QVERIFY(text.contains("SeenWarranty=1\r\n"));
    }

    void writtenForms() {
        QTemporaryDir dir;
        const ProfileFile profile(dir.filePath("VOKABRIX.INI"));
        writeAll(profile.path(), "; kept\n[Misc]\nFullScreen=5\nSpeak=2\nOther=x\n\n[Languages]\nTo=4\n");
        AppSettings s;
        ReadMiscSettings(profile, s);
        s.fromLanguage = -1;
        s.fromSub = 0;
        s.toLanguage = 4;
        s.colorScheme = 3;
        SaveExitSettings(profile, s);
        const QString text = readAll(profile.path());
        QCOMPARE(text, QStringLiteral("; kept\r\n[Misc]\r\nFullScreen=1\r\nSpeak=1\r\nOther=x\r\nColorScheme= 3\r\n\r\n"
                                      "[Languages]\r\nTo= 4\r\nFrom=-1\r\nFromSub= 0\r\n"));
    }

    void defaultPathIsTheConfigFolder() {
        QVERIFY(ProfileFile::defaultPath().endsWith("/VOKABRIX.INI"));
        QVERIFY(ProfileFile::defaultPath().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
