#include "output/zahlformat.h"

#include <charconv>
#include <cstdio>

namespace {

void Rechtsbuendig(std::string& text, const char* anfang, const char* ende, int breite) {
    const long laenge = ende - anfang;
    if (laenge < breite) text.append(static_cast<std::size_t>(breite - laenge), ' ');
    text.append(anfang, ende);
}

void Zahl(std::string& text, double wert, int breite, int stellen, std::chars_format art) {
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
