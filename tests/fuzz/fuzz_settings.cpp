// The settings reader over any bytes: every key the exercise program reads, a write in place
// read back, and the whole reading of the Misc and Languages sections through a file.
#include "common/cp1252.h"
#include "fuzzcheck.h"
#include "words/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace vx;

FUZZ_TARGET {
    const QStringList lines = vx::textLines(bytes);
    const std::pair<QString, QString> keys[] = {{"Misc", "ColorScheme"},  {"Misc", "FullScreen"},
                                                {"Misc", "SeenWarranty"}, {"Languages", "From"},
                                                {"Languages", "FromSub"}, {"Languages", "To"}};
    for (const auto& [section, key] : keys) {
        QString value;
        if (ProfileFile::findValue(lines, section, key, value))
            (void)ProfileFile::parseInt(value);
        // A value written in place is the one read next.
        QString back;
        FUZZ_CHECK(ProfileFile::findValue(ProfileFile::withValue(lines, section, key, "7"), section,
                                          key, back) &&
                   back == QStringLiteral("7"));
    }
    // A key named by the input's first line, for names the fixed ones do not reach.
    QString value;
    (void)ProfileFile::findValue(lines, QStringLiteral("Misc"), lines.value(0), value);
    (void)ProfileFile::parseInt(lines.value(0));

    static const QString path = QDir::temp().filePath(
        QStringLiteral("vokabrix-fuzz-%1.ini").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), bytes.size());
        file.close();
        AppSettings settings;
        ReadMiscSettings(ProfileFile(path), settings);
        ReadLanguageSettings(ProfileFile(path), settings);
        FUZZ_CHECK(settings.colorScheme != 0 && settings.toLanguage != 0 &&
                   settings.fromLanguage != 0 && settings.fromLanguage != -1);
    }
}
