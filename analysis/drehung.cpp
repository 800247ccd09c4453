#include "analysis/drehung.h"

#include <cmath>
#include <cstdint>
#include <cstring>

Drehung DrehungZu(double winkel) {
    // The program computes in one thread; the kept pair starts as the
    // values of +0.0.
    static std::uint64_t letzter = 0;
    static Drehung d{1.0, 0.0};
    std::uint64_t bits;
    std::memcpy(&bits, &winkel, sizeof bits);
    if (bits != letzter) {
        d = {std::cos(winkel), std::sin(winkel)};
        letzter = bits;
    }
    return d;
}
