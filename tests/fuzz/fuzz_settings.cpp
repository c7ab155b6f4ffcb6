// The settings reader over any bytes: the lines of the input as the settings file gives
// them, every key the exercise program reads, a write in place read back, and the whole
// reading of the Misc and Languages sections through a file.
#include "common/cp1252.h"
#include "fuzzcheck.h"
#include "words/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace vx;

namespace {

struct Key {
    const char* section;
    const char* key;
};

constexpr Key kKeys[] = {
    {"Misc", "ColorScheme"}, {"Misc", "FullScreen"},   {"Misc", "SeenWarranty"},
    {"Languages", "From"},   {"Languages", "FromSub"}, {"Languages", "To"},
};

const QString& settingsPath() {
    static const QString path = QDir::temp().filePath(
        QStringLiteral("vokabrix-fuzz-%1.ini").arg(QCoreApplication::applicationPid()));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const QStringList lines = vx::textLines(bytes);

    for (const Key& k : kKeys) {
        const QString section = QString::fromLatin1(k.section);
        const QString key = QString::fromLatin1(k.key);
        QString value;
        if (ProfileFile::findValue(lines, section, key, value))
            (void)ProfileFile::parseInt(value);
        // A value written in place is the one read next.
        const QStringList written =
            ProfileFile::withValue(lines, section, key, QStringLiteral("7"));
        QString back;
        FUZZ_CHECK(
            ProfileFile::findValue(written, section, key, back) && back == QStringLiteral("7"),
            QStringLiteral("[%1] %2 written as 7, read back as \"%3\"").arg(section, key, back));
    }
    // A key named by the input's first line, for names the fixed ones do not reach.
    if (!lines.isEmpty()) {
        QString value;
        (void)ProfileFile::findValue(lines, QStringLiteral("Misc"), lines.first(), value);
        (void)ProfileFile::parseInt(lines.first());
    }

    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), bytes.size());
        file.close();
        const ProfileFile profile(settingsPath());
        AppSettings settings;
        ReadMiscSettings(profile, settings);
        ReadLanguageSettings(profile, settings);
        FUZZ_CHECK(settings.colorScheme != 0 && settings.toLanguage != 0 &&
                       settings.fromLanguage != 0 && settings.fromLanguage != -1,
                   QStringLiteral("settings left uncorrected"));
    }
    return 0;
}
