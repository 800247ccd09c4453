// Fuzz entry for the scale file reader: every value it takes is a finite
// number or text, no longer than an input holds, and survives writing.
#include <cmath>

#include "files/massstab.h"
#include "fuzz/fuzz_hilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    fuzz::Ruhe();
    static const std::string system = fuzz::Pfad("ein.sysdat"), kopie = fuzz::Pfad("aus.sysdat");
    fuzz::Belegen(MassstabDateiname(system.c_str()), daten, laenge);
    MassstabLesen(system.c_str());
    std::string texte[MASSSTAB_FELDER];
    for (int i = 0; i < MASSSTAB_FELDER; ++i) {
        texte[i] = Massstaebe.Text(i);
        if (texte[i].size() > MASSSTAB_TEXT_MAX) fuzz::Verletzt("Massstabtext zu lang");
        if (texte[i].find_first_of(" \t\n\r\v\f") != std::string::npos) fuzz::Verletzt("Massstabtext mit Leerraum");
        if (!std::isfinite(Massstaebe.Wert(i))) fuzz::Verletzt("Massstab nicht endlich");
    }
    if (!MassstabSchreiben(kopie.c_str())) fuzz::Verletzt("Massstab nicht schreibbar");
    MassstabLesen(kopie.c_str());
    for (int i = 0; i < MASSSTAB_FELDER; ++i) {
        // An empty text is written as "0", which means the same.
        const std::string erwartet = texte[i].empty() ? "0" : texte[i];
        if (Massstaebe.Text(i) != erwartet) fuzz::Verletzt("geschriebener Massstab kommt anders zurueck");
    }
    return 0;
}
