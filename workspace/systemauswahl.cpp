// Lines of the systems choice.
#include "workspace/systemauswahl.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "core/datenmodell.h"

std::string SystemauswahlZeile(long systemnummer, const char* dateiname) {
    const char* name = (dateiname && *dateiname) ? dateiname : "noname";
    int n = std::snprintf(nullptr, 0, "%3ld %s", systemnummer, name);
    std::string zeile(n, '\0');
    std::snprintf(zeile.data(), zeile.size() + 1, "%3ld %s", systemnummer, name);
    return zeile;
}

std::string SystemauswahlZeile(const System* system) {
    return SystemauswahlZeile(system->Systemnummer, system->Dateiname);
}

long SystemauswahlNummer(const char* zeile) {
    if (!zeile) return -1;
    const char* c = zeile;
    while (*c == ' ') ++c;
    if (!std::isdigit(static_cast<unsigned char>(*c))) return -1;
    char* ende = nullptr;
    long nummer = std::strtol(c, &ende, 10);
    // The number must be followed by the separating blank (or end the line).
    if (*ende != ' ' && *ende != '\0') return -1;
    return nummer;
}

std::string FuerAuswahlSchuetzen(const std::string& zeile) {
    std::string ergebnis;
    for (char c : zeile) {
        ergebnis += c == '|' ? '/' : c;
    }
    return ergebnis;
}
