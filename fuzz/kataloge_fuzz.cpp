// Fuzz entry for the catalogue readers: the bytes become both material.dat
// and querschnitte.dat; what is read must be written and read back as the
// very same numbers.
#include <cstring>
#include <filesystem>
#include <string>

#include "core/programm.h"
#include "files/kataloge.h"
#include "fuzz/fuzz_hilfen.h"

namespace {

// Every entry as text: number, name and the bits of the three reals, so
// that even the sign of a zero must survive.
std::string Bits(double x) {
    unsigned char b[sizeof x];
    std::memcpy(b, &x, sizeof x);
    return std::string(reinterpret_cast<const char*>(b), sizeof b);
}

std::string Abbild(Kette materialien, Kette querschnitte) {
    std::string text;
    for (const Material* m : Elemente<Material>(materialien))
        text += std::to_string(m->Nummer) + ":" + std::string(m->Name, strnlen(m->Name, sizeof m->Name)) + ":" +
                Bits(m->EModul) + Bits(m->Querkontraktion) + Bits(m->Waermedehnzahl);
    for (const Querschnitt* q : Elemente<Querschnitt>(querschnitte))
        text += std::to_string(q->Nummer) + ":" + std::string(q->Name, strnlen(q->Name, sizeof q->Name)) + ":" +
                Bits(q->Flaeche) + Bits(q->Traegheitsmoment) + Bits(q->MaxY);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    fuzz::Ruhe();
    static const std::string ein = fuzz::Pfad("ein"), aus = fuzz::Pfad("aus");
    static const bool angelegt = [] {
        std::filesystem::create_directories(ein);
        return std::filesystem::create_directories(aus);
    }();
    (void)angelegt;
    fuzz::Belegen(ein + "/material.dat", daten, laenge);
    fuzz::Belegen(ein + "/querschnitte.dat", daten, laenge);
    const bool material = MaterialienLesen(ein.c_str());
    const bool querschnitte = QuerschnitteLesen(ein.c_str());
    if (material && querschnitte) {
        const std::string vorher = Abbild(Programm.Materialien, Programm.Querschnitte);
        if (!MaterialienSchreiben(aus.c_str()) || !QuerschnitteSchreiben(aus.c_str()))
            fuzz::Verletzt("ein gelesener Katalog ist nicht schreibbar");
        // Written entries come back in reverse order; twice is the original.
        for (int runde = 0; runde < 2; ++runde)
            if (!MaterialienLesen(aus.c_str()) || !QuerschnitteLesen(aus.c_str()) ||
                !MaterialienSchreiben(aus.c_str()) || !QuerschnitteSchreiben(aus.c_str()))
                fuzz::Verletzt("ein geschriebener Katalog ist nicht lesbar");
        if (Abbild(Programm.Materialien, Programm.Querschnitte) != vorher)
            fuzz::Verletzt("ein Katalogwert hat sich beim Schreiben veraendert");
    }
    ProgrammZuruecksetzen();
    return 0;
}
