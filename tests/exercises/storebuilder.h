// Word stores and tables of cases made in a test.
#pragma once

#include "words/wordstore.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace vx::test {

// Appends a word: practised-language text, own-language text, level, class.
inline int addWord(WordStore& store, const QString& to, const QString& from, int level = 3,
                   int wordClass = 0) {
    const int slot = ++store.wordCount;
    store.SetWord(slot, 1, to);
    store.SetWord(slot, 2, from);
    store.wordLevel[slot] = static_cast<qint16>(level);
    store.wordClass[slot] = static_cast<qint16>(wordClass);
    store.wordUsed[slot] = 0;
    return slot;
}

// A cell of a case file, where \r, \n and \xHH stand for those characters.
inline QString unescaped(QString cell) {
    static const QRegularExpression hex(QStringLiteral(R"(\\x([0-9a-f]{2}))"));
    for (QRegularExpressionMatch m; (m = hex.match(cell)).hasMatch();)
        cell.replace(m.capturedStart(), 4, QChar(m.captured(1).toUShort(nullptr, 16)));
    return cell.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
        .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

#ifdef VOKABRIX_TEST_DIR
// The rows of a tab-separated UTF-8 file of cases/, without the notes (lines starting with #).
inline QList<QStringList> cases(const char* file) {
    QFile f(QStringLiteral(VOKABRIX_TEST_DIR "/cases/") + QLatin1String(file));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no case file %s", file);
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#'))
            rows << unescaped(line).split(u'\t');
    return rows;
}

// The cases of `file` as column "c" of the running test's table, each named by its first cell.
inline void addCases(const char* file) {
    QTest::addColumn<QStringList>("c");
    for (const QStringList& c : cases(file))
        QTest::addRow("%s", qPrintable(c[0])) << c;
}
#endif

} // namespace vx::test
