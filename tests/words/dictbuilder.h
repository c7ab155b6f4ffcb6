// Builds dictionary files for tests.
#pragma once

#include "words/dictfile.h"

#include <QFile>
#include <QString>

namespace vx::test {

inline WordRecord record(const QString& sv, const QString& en, const QString& de, const QString& fr,
                         const QString& es, int level = 3, int wordClass = 0) {
    WordRecord r{{sv, en, de, fr, es}, {}, wordClass};
    for (int l = 0; l < kLanguageCount; ++l)
        r.level[l] = r.text[l].isEmpty() ? 0 : level;
    return r;
}

inline QByteArray encode(const std::vector<WordRecord>& records, bool enciphered = false) {
    QByteArray out;
    QString error;
    if (!encodeDictionary(records, enciphered, out, error))
        qFatal("cannot encode: %s", qPrintable(error));
    return out;
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(data);
}

// A record whose German word is numbered, for filling stores.
inline std::vector<WordRecord> numberedRecords(int count, int firstNumber = 1) {
    std::vector<WordRecord> out;
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(firstNumber + i);
        out.push_back(record(QStringLiteral("ord") + n, QStringLiteral("word") + n,
                             QStringLiteral("Wort") + n, QStringLiteral("mot") + n,
                             QStringLiteral("palabra") + n));
    }
    return out;
}

} // namespace vx::test
