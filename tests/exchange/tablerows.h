// Test cases kept as data: a case a line, its cells separated by tabs, the first the case's
// name; empty lines and lines starting with # are skipped. In a cell, \t, \n and \r stand for
// a tab, a line feed and a carriage return.
#pragma once

#include "words/dictbuilder.h"

#include <QTest>

namespace vx::test {

inline void addTableRows(const QString& path) {
    QTest::addColumn<QStringList>("c");
    for (const QString& line : QString::fromUtf8(readFile(path)).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList c = line.split(u'\t');
        for (QString& cell : c)
            cell.replace("\\t", "\t").replace("\\n", "\n").replace("\\r", "\r");
        QTest::addRow("%s", qPrintable(c.takeFirst())) << c;
    }
}

// Records 1..recordCount as a store holds them.
template <class Store> std::vector<WordRecord> storeRecords(const Store& store) {
    std::vector<WordRecord> out;
    for (int r = 1; r <= store.recordCount; ++r)
        out.push_back(store.record(r));
    return out;
}

} // namespace vx::test
