#include "textlist.h"

#include "common/cp1252.h"

#include <QStringDecoder>

namespace vx::exchange {

namespace {

QString decode(QByteArrayView data, QString& encoding) {
    const auto starts = [&data](const char* bom) { return data.startsWith(QByteArrayView(bom)); };
    if (starts("\xEF\xBB\xBF")) {
        encoding = QStringLiteral("UTF-8");
        return QString::fromUtf8(data.sliced(3));
    }
    if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        encoding = QStringLiteral("UTF-16");
        QStringDecoder utf16(QStringDecoder::Utf16, QStringDecoder::Flag::Stateless);
        return utf16.decode(data);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError()) {
        encoding = QStringLiteral("UTF-8");
        return text;
    }
    encoding = QStringLiteral("Windows-1252");
    return fromCp1252(data);
}

QChar findSeparator(const QString& text) {
    const qsizetype end = text.indexOf(u'\n');
    const QStringView first = QStringView(text).left(end < 0 ? text.size() : end);
    if (first.contains(u'\t'))
        return u'\t';
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (QChar c : first) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    if (commas == 0 && semicolons == 0)
        return u'\t';
    return semicolons >= commas ? u';' : u',';
}

int levelCell(const QString& cell) {
    bool ok = false;
    const int v = cell.trimmed().toInt(&ok);
    return ok && v >= 1 && v <= 5 ? v : 3;
}

QString quoted(const QString& cell) {
    if (!cell.contains(u'\t') && !cell.contains(u'"') && !cell.contains(u'\n') &&
        !cell.contains(u'\r'))
        return cell;
    QString q = cell;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace

int TextList::columnCount() const {
    qsizetype n = 0;
    for (const QStringList& r : rows)
        n = std::max(n, r.size());
    return static_cast<int>(n);
}

TextList readTextList(QByteArrayView data) {
    TextList list;
    const QString text = decode(data, list.encoding);
    list.separator = findSeparator(text);

    QStringList row;
    QString cell;
    bool inQuotes = false;
    bool wasQuoted = false;
    int line = 1;
    int rowLine = 1;
    const auto endCell = [&] {
        row << (wasQuoted ? cell : cell.trimmed());
        cell.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endCell();
        bool any = false;
        for (const QString& c : row)
            any = any || !c.isEmpty();
        if (any) {
            list.rows << row;
            list.lines << rowLine;
        }
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                if (c == u'\n')
                    ++line;
                cell += c;
            }
        } else if (c == u'"' && cell.trimmed().isEmpty() && !wasQuoted) {
            cell.clear();
            inQuotes = wasQuoted = true;
        } else if (c == list.separator) {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
            rowLine = ++line;
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty() || wasQuoted)
        endRow();

    // The first row is a header when it names a language and nothing else it cannot tell,
    // or when it names two languages (other cells are columns to leave out: "Notes").
    if (!list.rows.isEmpty()) {
        QList<TextColumn> columns;
        bool unknown = false;
        QList<TextColumn> languages;
        int previous = 0;
        for (const QString& c : list.rows.front()) {
            const TextColumn col = headerColumn(c, previous);
            unknown = unknown || (col.kind == TextColumn::Kind::Ignored && !c.isEmpty());
            if (col.kind == TextColumn::Kind::Text) {
                if (!languages.contains(col))
                    languages << col;
                previous = col.code;
            }
            columns << col;
        }
        if (languages.size() >= 2 || (languages.size() == 1 && !unknown)) {
            list.header = columns;
            list.headerCells = list.rows.front();
        }
    }
    return list;
}

TextColumn headerColumn(const QString& cell, int previous) {
    using K = TextColumn::Kind;
    const QString c = cell.trimmed().toLower();
    if (c.isEmpty())
        return {};
    if (c == QLatin1String("word class") || c == QLatin1String("class"))
        return {K::WordClass};
    for (const char* level : {"level", "diff", "difficulty"}) {
        const QLatin1StringView word(level);
        if (c == word)
            return previous ? TextColumn{K::Level, previous} : TextColumn{};
        if (c.endsWith(u' ' + QString(word))) {
            const LanguageMatch m = matchLanguage(c.chopped(word.size() + 1));
            return m.code ? TextColumn{K::Level, m.code} : TextColumn{};
        }
    }
    const LanguageMatch m = matchLanguage(c);
    return m.code ? TextColumn{K::Text, m.code, m.american} : TextColumn{};
}

bool textRecords(const TextList& list, const QList<TextColumn>& columns, const QString& label,
                 ImportResult& result, QString& error) {
    result = ImportResult{};
    ImportResult out;
    bool anyText = false;
    for (const TextColumn& c : columns)
        anyText = anyText || c.kind == TextColumn::Kind::Text;
    if (!anyText) {
        error = QStringLiteral("%1: no column holds words of a language.").arg(label);
        return false;
    }
    if (!list.header.isEmpty())
        for (qsizetype i = 0; i < list.headerCells.size() && i < columns.size(); ++i)
            if (columns[i].kind == TextColumn::Kind::Ignored && !list.headerCells[i].isEmpty())
                out.ignoredColumns << list.headerCells[i];

    for (qsizetype r = list.header.isEmpty() ? 0 : 1; r < list.rows.size(); ++r) {
        const QStringList& row = list.rows[r];
        QString british[6], american[6];
        QString levels[6];
        QString wordClass;
        for (qsizetype i = 0; i < row.size() && i < columns.size(); ++i) {
            const TextColumn& c = columns[i];
            switch (c.kind) {
            case TextColumn::Kind::Text:
                (c.american ? american : british)[c.code] = cleanText(row[i]);
                break;
            case TextColumn::Kind::Level:
                levels[c.code] = row[i];
                break;
            case TextColumn::Kind::WordClass:
                wordClass = row[i];
                break;
            case TextColumn::Kind::Ignored:
                break;
            }
        }
        WordRecord rec;
        for (int code = 1; code <= 5; ++code) {
            QString text = british[code];
            if (text.isEmpty())
                text = american[code];
            else if (!american[code].isEmpty() && american[code] != text)
                text += u'/' + american[code];
            rec.text[code - 1] = text;
            rec.level[code - 1] = text.isEmpty() ? 0 : levelCell(levels[code]);
        }
        bool classGiven = false;
        const int cls = wordClass.trimmed().toInt(&classGiven);
        if (classGiven && cls >= -32768 && cls <= kMaxStorable) {
            rec.wordClass = cls;
        } else {
            for (int code = 1; code <= 5 && rec.wordClass == 0; ++code)
                if (hasNounMark(code, rec.text[code - 1]))
                    rec.wordClass = static_cast<int>(WordClass::Noun);
        }
        if (!addRecord(out, rec, label, QStringLiteral("line %1").arg(list.lines[r]), error))
            return false;
    }
    result = std::move(out);
    return true;
}

QByteArray writeTextList(const std::vector<WordRecord>& records) {
    QStringList header;
    for (int code = 1; code <= 5; ++code)
        header << languageName(code) << languageName(code) + QStringLiteral(" level");
    header << QStringLiteral("Word class");
    QString out = header.join(u'\t') + u'\n';
    for (const WordRecord& r : records) {
        QStringList cells;
        bool any = false;
        for (int l = 0; l < kLanguageCount; ++l) {
            any = any || !r.text[l].isEmpty();
            cells << quoted(r.text[l])
                  << (r.text[l].isEmpty() ? QString() : QString::number(r.level[l]));
        }
        if (!any)
            continue;
        cells << QString::number(r.wordClass);
        out += cells.join(u'\t') + u'\n';
    }
    return out.toUtf8();
}

} // namespace vx::exchange
