// A small settings-file reader and writer with private-profile semantics: "[Section]" and
// "Key=Value" lines, names matched without regard to case, integers read from the leading
// sign and digits, a write replacing the key in place and leaving the rest untouched.
#pragma once

#include <QString>
#include <QStringList>

namespace vx {

class ProfileFile {
public:
    explicit ProfileFile(QString path) : m_path(std::move(path)) {}

    // The settings file VOKABRIX.INI in the user's configuration folder.
    static QString defaultPath();

    const QString& path() const { return m_path; }

    // The value as text, or nothing when the section or key is absent.
    bool getString(const QString& section, const QString& key, QString& value) const;
    int getInt(const QString& section, const QString& key, int defaultValue) const;
    // Replaces the key's value in place, or appends the key (and its section).
    bool writeString(const QString& section, const QString& key, const QString& value) const;

    // The same over the file's lines, for tests and for reading bytes from elsewhere.
    static bool findValue(const QStringList& lines, const QString& section, const QString& key,
                          QString& value);
    static QStringList withValue(QStringList lines, const QString& section, const QString& key,
                                 const QString& value);
    // Leading blanks skipped, an optional sign and the digits after it; no digits gives 0.
    static int parseInt(const QString& value);

private:
    QStringList readLines() const;
    QString m_path;
};

} // namespace vx
