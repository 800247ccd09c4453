// Writes the example systems with their scale files into a directory
// (default: the beispiele folder of the sources) and reads each back.
//
//   velko-beispiele [verzeichnis]
#include <cstdio>
#include <string>

#include "beispiele/quelle/beispiele.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "files/systemdatei.h"

int main(int argc, char** argv) {
    const std::string ziel = argc > 1 ? argv[1] : std::string(VELKO_QUELLEN) + "/beispiele";
    int fehler = 0;
    for (const beispiele::Beispiel& b : beispiele::ALLE) {
        ProgrammZuruecksetzen();
        System* sys = b.Aufbauen();
        const std::string pfad = ziel + "/" + b.Name + SYSTEMDATEI_ENDUNG;
        if (!SystemSchreiben(*sys, pfad.c_str()) || !SystemLesen(pfad.c_str())) {
            std::fprintf(stderr, "%s: nicht geschrieben oder nicht lesbar\n", pfad.c_str());
            ++fehler;
        }
    }
    ProgrammZuruecksetzen();
    return fehler ? 1 : 0;
}
