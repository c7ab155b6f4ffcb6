#include "textconv.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace vx {

QString trimLeftBlanks(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    return s.mid(i);
}

QString trimRightBlanks(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.left(n);
}

QString trimBlanks(const QString& s) { return trimRightBlanks(trimLeftBlanks(s)); }

QString ucase(const QString& s) {
    QString out = s;
    for (QChar& c : out) {
        const QChar u = c.toUpper();
        c = u;
    }
    return out;
}

QString lcase(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        c = c.toLower();
    return out;
}

double val(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    QString num;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        num += s[i++];
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c >= u'0' && c <= u'9') {
            num += c;
            digits = true;
        } else if (c == u'.' && !point) {
            num += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok ? v : 0.0;
}

QString str(long long v) {
    return v < 0 ? QString::number(v) : QStringLiteral(" ") + QString::number(v);
}

QString str(double v) {
    QString digits = QString::number(v, 'g', 15);
    return v < 0 ? digits : QStringLiteral(" ") + digits;
}

long long roundHalfEven(double v) {
    // A number beyond the range of the result gives the end of the range, as the callers
    // clamp it further; converting it would be undefined.
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (std::isnan(v))
        return 0;
    if (v >= kLimit)
        return std::numeric_limits<long long>::max();
    if (v < -kLimit)
        return std::numeric_limits<long long>::min();
    // nearbyint follows the current rounding mode, which is to-nearest-even unless
    // someone changed it; say so explicitly rather than rely on it.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(saved);
    return static_cast<long long>(r);
}

QString formatWhole(double v) {
    const double r = v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5);
    return QString::number(static_cast<long long>(r));
}

} // namespace vx
