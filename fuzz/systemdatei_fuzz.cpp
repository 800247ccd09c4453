// Fuzz entry for the system file reader: the bytes become a file, the file
// is read, a System read is written and must read back, and everything is
// freed again.  Built with libFuzzer when VELKO_FUZZ is on, and replayed
// over the corpus by a plain test otherwise.
#include "core/programm.h"
#include "files/systemdatei.h"
#include "fuzz/fuzz_hilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    fuzz::Ruhe();
    const std::string pfad = fuzz::Pfad("eingabe.sysdat");
    fuzz::Belegen(pfad, daten, laenge);
    if (System* sys = SystemLesen(pfad.c_str())) {
        const long punkte = KeAnzahl(sys->Punkte), staebe = KeAnzahl(sys->Staebe);
        const long lasten =
            KeAnzahl(sys->Punktlasten) + KeAnzahl(sys->Streckenlasten) + KeAnzahl(sys->Temperaturlasten);
        const std::string kopie = fuzz::Pfad("kopie.sysdat");
        if (!SystemSchreiben(*sys, kopie.c_str())) fuzz::Verletzt("ein gelesenes System ist nicht schreibbar");
        System* wieder = SystemLesen(kopie.c_str());
        if (!wieder) fuzz::Verletzt("ein geschriebenes System ist nicht lesbar");
        if (KeAnzahl(wieder->Punkte) != punkte || KeAnzahl(wieder->Staebe) != staebe ||
            KeAnzahl(wieder->Punktlasten) + KeAnzahl(wieder->Streckenlasten) + KeAnzahl(wieder->Temperaturlasten) !=
                lasten)
            fuzz::Verletzt("das wieder gelesene System ist ein anderes");
    }
    ProgrammZuruecksetzen();
    return 0;
}
