#include "sequential.h"

#include "cp1252.h"
#include "textconv.h"

namespace vx {

QStringList readSequentialFields(QByteArrayView data) {
    const QString text = fromCp1252(data);
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto atLineEnd = [&](qsizetype k) { return k < n && (text[k] == u'\r' || text[k] == u'\n'); };
    auto skipTerminator = [&]() {
        if (i < n && text[i] == u',') {
            ++i;
        } else if (atLineEnd(i)) {
            if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            ++i;
        }
    };
    while (i < n) {
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        QString field;
        if (i < n && text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = text.mid(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
            // Anything between the closing quote and the separator is dropped.
            while (i < n && text[i] != u',' && !atLineEnd(i))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && !atLineEnd(i))
                ++i;
            field = trimRightBlanks(text.mid(start, i - start));
        }
        fields << field;
        skipTerminator();
    }
    return fields;
}

} // namespace vx
