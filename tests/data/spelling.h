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
    QStringList problems;
};

inline SpellingExceptions readSpellingExceptions(const QString& path, const QStringList& codes) {
    SpellingExceptions ex;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ex.problems << path + QStringLiteral(" cannot be read");
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int number = 1; number <= lines.size(); ++number) {
        const QStringList parts = lines[number - 1].trimmed().split(u' ', Qt::SkipEmptyParts);
        if (parts.size() == 2 && codes.contains(parts[0]))
            ex.byCode[parts[0]].insert(parts[1]);
        else if (!parts.isEmpty() && !parts[0].startsWith(u'#'))
            ex.problems
                << path + QStringLiteral(", line %1 is not \"<language code> <word>\"").arg(number);
    }
    return ex;
}

// The words of a text that a hunspell dictionary does not know, each once in the order
// met; `error` names the Debian packages to install when hunspell or the dictionary is
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
    hunspell.waitForStarted(30000);
    hunspell.write((text + u'\n').toUtf8());
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(120000) || hunspell.exitStatus() != QProcess::NormalExit ||
        hunspell.exitCode() != 0)
        out.error = "hunspell -d " + dictionary + " failed: install hunspell and " + package;
    else
        out.words =
            QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    out.words.removeDuplicates();
    return out;
}

} // namespace vx::test
