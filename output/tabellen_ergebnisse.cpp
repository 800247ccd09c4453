#include "output/tabellen_ergebnisse.h"

#include <algorithm>
#include <vector>

#include "analysis/spannungen.h"
#include "core/datenmodell.h"
#include "core/umhuellende.h"

void UmhuellendeAusgeben(FILE* datei, const Umhuellende& huelle) {
    std::fputs("Stab\tx [m]", datei);
    for (const char* g : {"M", "Q", "N", "w", "u"}) std::fprintf(datei, "\tmax %s\tKomb\tmin %s\tKomb", g, g);
    std::fputs("\n", datei);
    for (const Stabhuelle& s : huelle.Staebe) {
        if (s.Stellen[0].Max[HUELLE_M].Kombination < 0) continue;
        for (int i = 0; i < HUELLSTELLEN; ++i) {
            const Huellstelle& h = s.Stellen[i];
            std::fprintf(datei, "%ld\t%.3f", s.Stab, HuellStelle(i) * s.Laenge);
            for (int g = 0; g < HUELLGROESSEN; ++g)
                std::fprintf(datei, "\t%.6f\t%ld\t%.6f\t%ld", h.Max[g].Wert, h.Max[g].Kombination, h.Min[g].Wert,
                             h.Min[g].Kombination);
            std::fputs("\n", datei);
        }
    }
}

void SpannungenAusgeben(FILE* datei, const System& system) {
    std::fputs("Stab\tx [m]\tsigma oben [N/mm2]\tsigma unten [N/mm2]\ttau mittel [N/mm2]\n", datei);
    std::vector<const Stab*> staebe;
    for (const Stab* s : Elemente<Stab>(system.Staebe)) staebe.push_back(s);
    std::stable_sort(staebe.begin(), staebe.end(), [](const Stab* a, const Stab* b) { return a->Nummer < b->Nummer; });
    for (const Stab* s : staebe) {
        for (int i = 0; i < HUELLSTELLEN; ++i) {
            const double t = HuellStelle(i);
            Spannungen sp;
            if (!SpannungenAn(s, t, sp)) break;
            std::fprintf(datei, "%ld\t%.3f\t%.3f\t%.3f\t%.3f\n", s->Nummer, t * s->Laenge, sp.SigmaOben, sp.SigmaUnten,
                         sp.TauMittel);
        }
    }
}
