#include "RandomNumber.h"

#include "Variant.h"

#include <QTime>
#include <random>

int32_t RandomNumber(int32_t max)
{
    if (max <= 0)
        return 0; // nothing to choose from; a negative bound would never be met
    // Re-seeded from the time of day on every call; the draw counter keeps draws inside one
    // clock tick apart.
    static std::mt19937 generator;
    static uint32_t draws = 0;
    const double secondsSinceMidnight = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    const auto seed = static_cast<uint32_t>(secondsSinceMidnight / 3.0);
    generator.seed(seed ^ (++draws * 0x9E3779B9u));
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (;;) {
        const double n = RoundHalfEven(fraction(generator) * max);
        if (n >= 0 && n <= max)
            return static_cast<int32_t>(n);
    }
}
