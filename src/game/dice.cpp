#include "dice.h"

#include <cmath>

namespace pipwell {

int dieFromFraction(float r) {
    // In double, so the largest float below 1 still gives 6 and never rounds up to 7.
    return static_cast<int>(std::floor(static_cast<double>(r) * 6.0 + 1.0));
}

RandomDice::RandomDice()
    : generator_(QRandomGenerator::securelySeeded()) {}

RandomDice::RandomDice(quint32 seed)
    : generator_(seed) {}

float RandomDice::nextFraction() {
    // 24 random bits fill a float's mantissa exactly, so the result is uniform and below 1.
    constexpr float scale = 1.0F / 16777216.0F;
    return static_cast<float>(generator_.generate() >> 8U) * scale;
}

} // namespace pipwell
