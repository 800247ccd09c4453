#include "output/zahlformat.h"

#include <charconv>
#include <cstdint>
#include <cstring>
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
    if (stellen < 0 || stellen > 9) return false;
    std::uint64_t bits;
    std::memcpy(&bits, &wert, sizeof bits);
    const int roh = static_cast<int>((bits >> 52) & 0x7FF);
    if (roh == 0x7FF) return false;  // infinite or no number
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e;
    if (roh == 0) {
        e = -1074;  // subnormal (or zero)
    } else {
        m |= std::uint64_t{1} << 52;
        e = roh - 1075;
    }
    std::uint64_t zehner = 1;
    for (int i = 0; i < stellen; ++i) zehner *= 10;
    const unsigned __int128 x = static_cast<unsigned __int128>(m) * zehner;  // below 2^83
    unsigned __int128 n;
    if (e >= 0) {
        if (e > 40) return false;
        n = x << e;
    } else if (-e >= 120) {
        n = 0;  // far below half a unit of the last place
    } else {
        const int s = -e;
        n = x >> s;
        const unsigned __int128 rest = x & ((static_cast<unsigned __int128>(1) << s) - 1);
        const unsigned __int128 halb = static_cast<unsigned __int128>(1) << (s - 1);
        if (rest > halb || (rest == halb && (n & 1))) ++n;
    }
    if (n >> 64) return false;  // more digits than the listing ever shows
    std::uint64_t ziffern64 = static_cast<std::uint64_t>(n);
    char ziffern[32];
    char* ende = ziffern + sizeof ziffern;
    char* p = ende;
    int stelle = 0;
    do {
        if (stelle == stellen && stellen > 0) *--p = '.';
        *--p = static_cast<char>('0' + ziffern64 % 10);
        ziffern64 /= 10;
        ++stelle;
    } while (ziffern64 != 0 || stelle <= stellen);
    if (bits >> 63) *--p = '-';
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
