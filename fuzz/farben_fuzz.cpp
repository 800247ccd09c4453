// Fuzz entry for the colour file reader: whatever it takes must be a valid
// toolkit index, and must come back unchanged after writing.
#include <cstring>

#include "files/farben.h"
#include "fuzz/fuzz_hilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    fuzz::Ruhe();
    static const std::string ein = fuzz::Pfad("ein.col"), aus = fuzz::Pfad("aus.col");
    FarbenVorgaben();
    fuzz::Belegen(ein, daten, laenge);
    const bool gelesen = FarbenLesen(ein.c_str());
    for (long index : Farben.Index)
        if (index < 0 || index >= FARBINDEX_GRENZE) fuzz::Verletzt("Farbindex ausserhalb des Werkzeugsatzes");
    if (!gelesen) {
        // An unusable file changes nothing.
        for (int i = 0; i < FARBEN_ANZAHL; ++i)
            if (Farben.Index[i] != FarbVorgabe(i)) fuzz::Verletzt("eine verworfene Datei hat Farben geaendert");
        return 0;
    }
    long vorher[FARBEN_ANZAHL];
    std::memcpy(vorher, Farben.Index, sizeof vorher);
    if (!FarbenSchreiben(aus.c_str())) fuzz::Verletzt("Farben nicht schreibbar");
    FarbenVorgaben();
    if (!FarbenLesen(aus.c_str()) || std::memcmp(vorher, Farben.Index, sizeof vorher) != 0)
        fuzz::Verletzt("geschriebene Farben kommen anders zurueck");
    return 0;
}
