#pragma once

namespace pipwell {

/* Of the 36 equally likely throws, how many can shut tile 1 to 9: die 1, die 2 or the sum
   equals it. */
constexpr int throwsThatShut(int tile) {
    int count = 0;
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b) {
            if (a == tile || b == tile || a + b == tile)
                ++count;
        }
    }
    return count;
}

} // namespace pipwell
