#pragma once

#include <QRandomGenerator>

namespace pipwell {

// Where the dice come from: the program draws from a random generator, tests script them.
class DiceSource {
public:
    virtual ~DiceSource() = default;
    /* A single-precision fraction r with 0 <= r < 1. */
    virtual float nextFraction() = 0;
};

/* floor(r * 6 + 1): 1 to 6 for every 0 <= r < 1. */
int dieFromFraction(float r);

// One generator for the whole run, seeded once, so the dice of one roll and successive
// rolls are independent of each other.
class RandomDice final : public DiceSource {
public:
    RandomDice(); // seeded by the system
    explicit RandomDice(quint32 seed);
    float nextFraction() override;

private:
    QRandomGenerator generator_;
};

} // namespace pipwell
