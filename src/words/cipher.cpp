#include "cipher.h"

namespace vx {
namespace {

constexpr int kRingLow = 45;
constexpr int kRingSize = 211;

int keyCode(qsizetype position) {
    return static_cast<unsigned char>(kCipherKey[(position - 1) % kCipherKeyLength]);
}

int decipherByte(int c, qsizetype position) {
    if (c < kRingLow)
        return c;
    int d = c - keyCode(position);
    while (d < kRingLow)
        d += kRingSize;
    return d;
}

int encipherByte(int d, qsizetype position) {
    if (d < kRingLow)
        return d;
    int c = d + keyCode(position);
    if (c > 255)
        c -= kRingSize;
    return c;
}

} // namespace

QByteArray DecipherText(QByteArrayView stored) {
    const qsizetype n = stored.size();
    if (n < 2)
        return {};
    QByteArray plain(n - 1, Qt::Uninitialized);
    for (qsizetype p = 1; p <= n - 1; ++p)
        plain[p - 1] = static_cast<char>(decipherByte(static_cast<unsigned char>(stored[p - 1]), p));
    const int check = decipherByte(static_cast<unsigned char>(stored[n - 1]), n);
    const int last = static_cast<unsigned char>(plain[n - 2]);
    if (check != last - 1)
        return {};
    return plain;
}

bool EncipherText(QByteArrayView plain, QByteArray& stored) {
    stored.clear();
    const qsizetype m = plain.size();
    if (m == 0)
        return true;
    const int last = static_cast<unsigned char>(plain[m - 1]);
    if (last == 0)
        return false;
    stored.resize(m + 1);
    for (qsizetype p = 1; p <= m; ++p)
        stored[p - 1] = static_cast<char>(encipherByte(static_cast<unsigned char>(plain[p - 1]), p));
    stored[m] = static_cast<char>(encipherByte(last - 1, m + 1));
    return true;
}

} // namespace vx
