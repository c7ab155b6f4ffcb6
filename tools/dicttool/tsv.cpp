#include "tsv.h"

#include "common/cp1252.h"

#include <QStringList>

namespace vx::tsv {

QString escape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\t': out += QStringLiteral("\\t"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'#': out += QStringLiteral("\\#"); break;
        default: out += c;
        }
    }
    return out;
}

bool unescape(const QString& field, QString& text) {
    text.clear();
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            text += field[i];
            continue;
        }
        if (++i >= field.size())
            return false;
        switch (field[i].unicode()) {
        case u't': text += u'\t'; break;
        case u'n': text += u'\n'; break;
        case u'r': text += u'\r'; break;
        case u'\\': text += u'\\'; break;
        case u'#': text += u'#'; break;
        default: return false;
        }
    }
    return true;
}

namespace {

// The lines that carry data, with their numbers: empty lines and comments skipped.
struct Line {
    int number;
    QString text;
};

QList<Line> dataLines(const QByteArray& utf8) {
    QList<Line> out;
    const QStringList lines = QString::fromUtf8(utf8).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        out.push_back({i + 1, line});
    }
    return out;
}

bool wholeNumber(const QString& s, int low, int high, int& value) {
    bool ok = false;
    const int v = s.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

} // namespace

QByteArray exportDictionary(const std::vector<WordRecord>& records) {
    QString out;
    for (const WordRecord& r : records) {
        QStringList cells;
        for (int l = 0; l < kLanguageCount; ++l) {
            cells << escape(r.text[l]);
            cells << (r.level[l] == 0 ? QString() : QString::number(r.level[l]));
        }
        cells << QString::number(r.wordClass);
        out += cells.join(u'\t') + u'\n';
    }
    return out.toUtf8();
}

bool importDictionary(const QByteArray& utf8, const QString& label, bool enciphered,
                      std::vector<WordRecord>& records, QString& error) {
    records.clear();
    constexpr int kColumns = 2 * kLanguageCount + 1;
    for (const Line& line : dataLines(utf8)) {
        auto fail = [&](const QString& what) {
            error = QStringLiteral("%1, line %2: %3").arg(label).arg(line.number).arg(what);
            records.clear();
            return false;
        };
        const QStringList cells = line.text.split(u'\t');
        if (cells.size() != kColumns)
            return fail(QStringLiteral("%1 columns instead of %2").arg(cells.size()).arg(kColumns));
        WordRecord r;
        for (int l = 0; l < kLanguageCount; ++l) {
            if (!unescape(cells[2 * l], r.text[l]))
                return fail(QStringLiteral("a bad backslash escape in the %1 text")
                                .arg(languageName(l + 1)));
            const QString& level = cells[2 * l + 1];
            if (level.isEmpty())
                r.level[l] = 0;
            else if (!wholeNumber(level, kMinStorable, kMaxStorable, r.level[l]))
                return fail(QStringLiteral("the %1 level \"%2\" is not a whole number from %3 to %4")
                                .arg(languageName(l + 1), level)
                                .arg(kMinStorable)
                                .arg(kMaxStorable));
        }
        if (!wholeNumber(cells[kColumns - 1], kMinStorable, kMaxStorable, r.wordClass))
            return fail(QStringLiteral("the word class \"%1\" is not a whole number from %2 to %3")
                            .arg(cells[kColumns - 1])
                            .arg(kMinStorable)
                            .arg(kMaxStorable));
        const QString problem = checkStorable(r, enciphered ? 1 : 0);
        if (!problem.isEmpty())
            return fail(problem);
        if (enciphered) {
            for (int l = 0; l < kLanguageCount; ++l) {
                if (r.text[l].endsWith(QChar(0)))
                    return fail(QStringLiteral("%1: a text ending in a NUL character cannot be enciphered")
                                    .arg(languageName(l + 1)));
            }
        }
        records.push_back(std::move(r));
    }
    return true;
}

QByteArray exportLanguage(const std::vector<LanguageEntry>& entries) {
    QString out;
    for (const LanguageEntry& e : entries) {
        QStringList cells{QString::number(e.number)};
        for (const QString& t : e.texts)
            cells << escape(t);
        out += cells.join(u'\t') + u'\n';
    }
    return out.toUtf8();
}

bool importLanguage(const QByteArray& utf8, const QString& label,
                    std::vector<LanguageEntry>& entries, QString& error) {
    entries.clear();
    for (const Line& line : dataLines(utf8)) {
        auto fail = [&](const QString& what) {
            error = QStringLiteral("%1, line %2: %3").arg(label).arg(line.number).arg(what);
            entries.clear();
            return false;
        };
        const QStringList cells = line.text.split(u'\t');
        if (cells.size() != 1 + kLanguageCount)
            return fail(QStringLiteral("%1 columns instead of %2").arg(cells.size()).arg(1 + kLanguageCount));
        LanguageEntry e;
        if (!wholeNumber(cells[0], 0, kLastTextNumber, e.number))
            return fail(QStringLiteral("the text number \"%1\" is not a whole number from 0 to %2")
                            .arg(cells[0])
                            .arg(kLastTextNumber));
        for (int n = 1; n <= kLanguageCount; ++n) {
            QString text;
            if (!unescape(cells[n], text))
                return fail(QStringLiteral("a bad backslash escape in the %1 text").arg(languageName(n)));
            QByteArray bytes;
            qsizetype bad = 0;
            if (!toCp1252(text, bytes, &bad))
                return fail(QStringLiteral("%1: the character \"%2\" cannot be stored")
                                .arg(languageName(n), text.mid(bad, 1)));
            if (bytes.size() + 1 > kMaxStorable)
                return fail(QStringLiteral("%1: the text is longer than %2 characters")
                                .arg(languageName(n))
                                .arg(kMaxStorable - 1));
            if (bytes.endsWith('\0'))
                return fail(QStringLiteral("%1: a text ending in a NUL character cannot be enciphered")
                                .arg(languageName(n)));
            e.texts << text;
        }
        entries.push_back(std::move(e));
    }
    return true;
}

} // namespace vx::tsv
