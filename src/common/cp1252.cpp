#include "cp1252.h"

namespace vx {
namespace {

// Characters of bytes 0x80..0x9F. Undefined positions keep their C1 control character.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString fromCp1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

int cp1252Byte(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == u)
            return 0x80 + i;
    }
    return -1;
}

bool toCp1252(const QString& text, QByteArray& out, qsizetype* badIndex) {
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = cp1252Byte(text[i]);
        if (b < 0) {
            if (badIndex)
                *badIndex = i;
            return false;
        }
        out[i] = static_cast<char>(b);
    }
    return true;
}

QByteArray toCp1252Lossy(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = cp1252Byte(text[i]);
        out[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

bool isCp1252(const QString& text) {
    for (QChar c : text) {
        if (cp1252Byte(c) < 0)
            return false;
    }
    return true;
}

QStringList textLines(QByteArrayView bytes) {
    QString text = fromCp1252(bytes);
    text.remove(u'\r');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace vx
