#include "profile.h"

#include "common/cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace vx {

namespace {

bool isSectionLine(const QString& line, QString* name = nullptr) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    if (name)
        *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool keyOf(const QString& line, QString& key, QString& value) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1);
    return true;
}

} // namespace

QString ProfileFile::defaultPath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(dir).filePath(QStringLiteral("VOKABRIX.INI"));
}

QStringList ProfileFile::readLines() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return textLines(file.readAll());
}

bool ProfileFile::findValue(const QStringList& lines, const QString& section, const QString& key,
                            QString& value) {
    bool inSection = false;
    for (const QString& line : lines) {
        QString name;
        if (isSectionLine(line, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString k;
        QString v;
        if (inSection && keyOf(line, k, v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            value = v.trimmed();
            return true;
        }
    }
    return false;
}

QStringList ProfileFile::withValue(QStringList lines, const QString& section, const QString& key,
                                   const QString& value) {
    const QString entry = key + u'=' + value;
    qsizetype sectionStart = -1;
    qsizetype sectionEnd = -1; // index after the section's last non-empty line
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSectionLine(lines[i], &name)) {
            if (sectionStart >= 0)
                break;
            if (name.compare(section, Qt::CaseInsensitive) == 0) {
                sectionStart = i;
                sectionEnd = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        QString k;
        QString v;
        if (keyOf(lines[i], k, v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            return lines;
        }
        if (!lines[i].trimmed().isEmpty())
            sectionEnd = i + 1;
    }
    if (sectionStart < 0) {
        lines << u'[' + section + u']' << entry;
        return lines;
    }
    lines.insert(sectionEnd, entry);
    return lines;
}

int ProfileFile::parseInt(const QString& value) {
    qsizetype i = 0;
    while (i < value.size() && value[i].isSpace())
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == u'-' || value[i] == u'+'))
        negative = value[i++] == u'-';
    long long n = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
        n = n * 10 + (value[i].unicode() - u'0');
        if (n > 0xFFFFFFFFLL)
            n = 0xFFFFFFFFLL;
    }
    // The platform call returns an unsigned 32-bit number; as an int it wraps.
    return static_cast<int>(static_cast<quint32>(negative ? -n : n));
}

bool ProfileFile::getString(const QString& section, const QString& key, QString& value) const {
    return findValue(readLines(), section, key, value);
}

int ProfileFile::getInt(const QString& section, const QString& key, int defaultValue) const {
    QString value;
    if (!getString(section, key, value))
        return defaultValue;
    return parseInt(value);
}

bool ProfileFile::writeString(const QString& section, const QString& key,
                              const QString& value) const {
    const QStringList lines = withValue(readLines(), section, key, value);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(toCp1252Lossy(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return file.commit();
}

} // namespace vx
