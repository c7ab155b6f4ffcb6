// Word stores and tables of cases made in a test.
#pragma once

#include "words/wordstore.h"

#include <QFile>
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
inline QString unescaped(const QString& cell) {
    QString out;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != u'\\' || i + 1 == cell.size()) {
            out += cell[i];
        } else if (cell[++i] == u'x') {
            out += QChar(cell.mid(i + 1, 2).toUShort(nullptr, 16));
            i += 2;
        } else {
            out += cell[i] == u'r' ? u'\r' : cell[i] == u'n' ? u'\n' : cell[i];
        }
    }
    return out;
}

#ifdef VOKABRIX_TEST_DIR
// The rows of a tab-separated UTF-8 file of cases/, without the notes (lines starting with #).
inline QList<QStringList> cases(const char* file) {
    QFile f(QStringLiteral(VOKABRIX_TEST_DIR "/cases/") + QLatin1String(file));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no case file %s", file);
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        QStringList cells = line.split(u'\t');
        for (QString& cell : cells)
            cell = unescaped(cell);
        if (!line.startsWith(u'#'))
            rows << cells;
    }
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
