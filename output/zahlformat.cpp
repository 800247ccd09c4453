#include "output/zahlformat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

void Rechtsbuendig(std::string& text, const char* anfang, const char* ende, int breite) {
    const long laenge = ende - anfang;
    if (laenge < breite) text.append(static_cast<std::size_t>(breite - laenge), ' ');
    text.append(anfang, ende);
}

// "%.<stellen>f" by integer arithmetic on the exact binary value: with
// wert = m 2^e, the digits are m 10^stellen 2^e rounded half to even, as
// printf rounds.  False for values beyond 128 bits (and for no number),
// which go the general way.
bool FestGanzzahlig(std::string& text, double wert, int breite, int stellen) {
    if (!std::isfinite(wert) || stellen < 0 || stellen > 9) return false;
    int e = 0;
    const double bruch = std::frexp(std::fabs(wert), &e);  // |wert| = bruch 2^e, 0.5 <= bruch < 1
    const auto m = static_cast<std::uint64_t>(std::ldexp(bruch, 53));
    e -= 53;
    unsigned __int128 zehner = 1;
    for (int i = 0; i < stellen; ++i) zehner *= 10;
    unsigned __int128 n;
    if (e >= 0) {
        if (e > 40) return false;  // m 10^9 2^40 still fits
        n = (static_cast<unsigned __int128>(m) * zehner) << e;
    } else {
        const unsigned __int128 x = static_cast<unsigned __int128>(m) * zehner;  // below 2^83
        if (-e >= 120) {
            n = 0;  // far below half a unit of the last place
        } else {
            const int s = -e;
            n = x >> s;
            const unsigned __int128 rest = x & ((static_cast<unsigned __int128>(1) << s) - 1);
            const unsigned __int128 halb = static_cast<unsigned __int128>(1) << (s - 1);
            if (rest > halb || (rest == halb && (n & 1))) ++n;
        }
    }
    char ziffern[64];
    char* ende = ziffern + sizeof ziffern;
    char* p = ende;
    int stelle = 0;
    do {
        if (stelle == stellen && stellen > 0) *--p = '.';
        *--p = static_cast<char>('0' + static_cast<int>(n % 10));
        n /= 10;
        ++stelle;
    } while (n != 0 || stelle <= stellen);
    if (std::signbit(wert)) *--p = '-';
    const long laenge = ende - p;
    if (laenge < breite) text.append(static_cast<std::size_t>(breite - laenge), ' ');
    text.append(p, ende);
    return true;
}

void Zahl(std::string& text, double wert, int breite, int stellen, std::chars_format art) {
    if (art == std::chars_format::fixed && FestGanzzahlig(text, wert, breite, stellen)) return;
    char ziffern[400];  // the longest fixed double with six places
    const auto [ende, fehler] = std::to_chars(ziffern, ziffern + sizeof ziffern, wert, art, stellen);
    if (fehler == std::errc()) {
        Rechtsbuendig(text, ziffern, ende, breite);
        return;
    }
    // Only for more places than the listing ever asks for.
    char format[24];
    std::snprintf(format, sizeof format, "%%%d.%d%c", breite, stellen, art == std::chars_format::fixed ? 'f' : 'e');
    const int laenge = std::snprintf(nullptr, 0, format, wert);
    std::string zahl(static_cast<std::size_t>(laenge > 0 ? laenge : 0) + 1, '\0');
    std::snprintf(zahl.data(), zahl.size(), format, wert);
    zahl.pop_back();
    text += zahl;
}

}  // namespace

void FestAnhaengen(std::string& text, double wert, int breite, int stellen) {
    Zahl(text, wert, breite, stellen, std::chars_format::fixed);
}

void ExponentAnhaengen(std::string& text, double wert, int stellen) {
    Zahl(text, wert, 0, stellen, std::chars_format::scientific);
}

void GanzAnhaengen(std::string& text, long wert, int breite) {
    char ziffern[24];  // every long
    const auto [ende, fehler] = std::to_chars(ziffern, ziffern + sizeof ziffern, wert);
    (void)fehler;
    Rechtsbuendig(text, ziffern, ende, breite);
}
