#include "random.h"

#include <QDateTime>
#include <QtGlobal>
#include <algorithm>

namespace vx {

double Random::rnd() {
    if (!m_script.isEmpty()) {
        const double v = m_script.takeFirst();
        return std::clamp(v, 0.0, std::nextafter(1.0, 0.0));
    }
    // 53 random bits make a double in [0, 1) with every value equally likely.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

int Random::draw(int n) {
    // There is no draw from nothing: every caller makes sure it has something to draw from.
    // Should one fail to, it gets 0, which is no slot, rather than slot 1 of an empty store.
    Q_ASSERT_X(n > 0, "Random::draw", "nothing to draw from");
    if (n <= 0)
        return 0;
    const int k = static_cast<int>(rnd() * n) + 1;
    return std::min(k, n);
}

void Random::seed(std::uint64_t value) {
    m_engine.seed(value);
    m_script.clear();
}

void Random::script(QList<double> values) { m_script = std::move(values); }

Random& processRandom() {
    static Random instance;
    return instance;
}

std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace vx
