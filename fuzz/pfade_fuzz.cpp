// Fuzz entry for the reader of ~/.velko.  Its settings are not written
// back here: writing creates the directories they name.  What is read must
// be fit to be written: one line each, trimmed, not longer than the limit.
#include "files/pfade.h"
#include "fuzz/fuzz_hilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    fuzz::Ruhe();
    static const std::string home = fuzz::Arbeitsverzeichnis();
    fuzz::Belegen(home + "/.velko", daten, laenge);
    Pfade = Pfadeinstellungen{};
    if (PfadeLesen(home.c_str())) {
        for (const std::string* s : {&Pfade.Programmverzeichnis, &Pfade.Katalogverzeichnis, &Pfade.Projektverzeichnis,
                                     &Pfade.Tempverzeichnis, &Pfade.HtmlBetrachter, &Pfade.PsBetrachter}) {
            if (s->size() > PFAD_EINSTELLUNG_MAX) fuzz::Verletzt("Einstellung zu lang");
            if (s->find_first_of("\r\n") != std::string::npos) fuzz::Verletzt("Einstellung mit Zeilenumbruch");
            if (*s != PfadBereinigen(*s)) fuzz::Verletzt("Einstellung nicht bereinigt");
        }
        if (Pfade.Verwaltungsverzeichnis != VerwaltungsverzeichnisVon(Pfade.Programmverzeichnis))
            fuzz::Verletzt("Verwaltungsverzeichnis passt nicht");
    }
    return 0;
}
