// The one random-number generator of the process. Drills draw through it so that a test
// can seed it, or script the exact sequence of draws.
#pragma once

#include <QList>
#include <cstdint>
#include <random>

namespace vx {

class Random {
public:
    // A uniform number in [0, 1).
    double rnd();

    // Int(rnd * n) + 1: a whole number 1..n; never n + 1, whatever the rounding of the product.
    // n must be at least 1.
    int draw(int n);

    // Seed from a value (a test) or from the clock the caller passes in (an exercise start).
    void seed(std::uint64_t value);
    void randomize(std::uint64_t clockValue) { seed(clockValue); }

    // Make the next draws return these values, in order, before the generator resumes.
    void script(QList<double> values);

private:
    std::mt19937_64 m_engine{20260101};
    QList<double> m_script;
};

// The process-wide instance used by the windows.
Random& processRandom();

// A seed taken from the clock, for the windows' randomize calls.
std::uint64_t clockSeed();

} // namespace vx
