// Spelling checks with Debian's hunspell and a reviewed list of exceptions, shared by the
// checks of the built-in dictionary and of the help documents.
#pragma once

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QStringList>

namespace vx::test {

// A list of "<language code> <word>" lines, '#' starting a comment line.
struct SpellingExceptions {
    QHash<QString, QSet<QString>> byCode; // "de" -> {"App", ...}
    int count = 0;
    QStringList problems;
};

inline SpellingExceptions readSpellingExceptions(const QString& path, const QStringList& codes) {
    SpellingExceptions ex;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ex.problems << path + QStringLiteral(" cannot be read");
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList parts = lines[i].trimmed().split(u' ', Qt::SkipEmptyParts);
        if (parts.isEmpty() || parts[0].startsWith(u'#'))
            continue;
        if (parts.size() == 2 && codes.contains(parts[0])) {
            ex.byCode[parts[0]].insert(parts[1]);
            ++ex.count;
        } else {
            ex.problems << QStringLiteral("line %1: \"%2\" is not \"<language code> <word>\"")
                               .arg(i + 1)
                               .arg(lines[i]);
        }
    }
    return ex;
}

// The words of a text that a hunspell dictionary does not know, each once in the order
// met; `error` names the Debian package to install when hunspell or the dictionary is
// missing.
struct Misspelt {
    QStringList words;
    QString error;
};

inline Misspelt misspeltWords(const QString& dictionary, const QString& package,
                              const QString& text) {
    Misspelt out;
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"), {"-i", "UTF-8", "-d", dictionary, "-l"});
    if (!hunspell.waitForStarted(30000)) {
        out.error =
            QStringLiteral("hunspell cannot be started: install the Debian package hunspell");
        return out;
    }
    hunspell.write((text + u'\n').toUtf8());
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(120000))
        out.error = QStringLiteral("hunspell did not finish");
    else if (hunspell.exitStatus() != QProcess::NormalExit || hunspell.exitCode() != 0)
        out.error =
            QStringLiteral("hunspell has no dictionary %1 (%2): install the Debian package %3")
                .arg(dictionary, QString::fromUtf8(hunspell.readAllStandardError()).trimmed(),
                     package);
    else
        out.words =
            QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    out.words.removeDuplicates();
    return out;
}

} // namespace vx::test
