#include "core/freiheitsgradbearbeitung.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/kette.h"
#include "core/systemoperationen.h"

namespace {

bool GueltigesEnde(const Stab* stab, int ende, int richtung) {
    return stab && ende >= 0 && ende <= 1 && richtung >= 0 && richtung <= 2;
}

// Lets go of the record in one slot.  The shared release deletes a record
// that a single bar uses; when this very bar also holds it in another slot
// (both ends coupled to one record) that would leave the other slot
// dangling, so then the record stays.
bool SlotFreigeben(System& sys, Stab* stab, int slot) {
    Freiheitsgrad* fg = stab->Freiheitsgrade[slot];
    if (!fg) return false;
    for (int anderer = 0; anderer < 6; ++anderer)
        if (anderer != slot && stab->Freiheitsgrade[anderer] == fg) return false;
    return FreiheitsgradFreigeben(sys, fg) != 0;
}

// Bar ends of the System whose x and y slots hold these two records.
long EndenMitPaar(System* sys, const Freiheitsgrad* x, const Freiheitsgrad* y) {
    long n = 0;
    for (Stab* s : Elemente<Stab>(sys->Staebe))
        for (int ende = 0; ende < 2; ++ende)
            if (s->Freiheitsgrade[3 * ende] == x && s->Freiheitsgrade[3 * ende + 1] == y) ++n;
    return n;
}

template <class F>
bool Aendern(System& sys, long nummer, F tun) {
    Freiheitsgrad* fg = FreiheitsgradSuchen(sys.Freiheitsgrade, nummer);
    if (!fg) return false;
    const Freiheitsgrad vorher = *fg;
    tun(fg);
    if (fg->Status != vorher.Status || fg->Wert != vorher.Wert || fg->Feder != vorher.Feder) {
        ++sys.Aenderungen;
        AenderungMelden(&sys, AENDERUNG_FREIHEITSGRADE);
    }
    return true;
}

}  // namespace

Stab* ErsterMarkierterStab(const System& sys) {
    for (Stab* s : Elemente<Stab>(sys.Staebe))
        if (s->Markiert == 1) return s;
    return nullptr;
}

void WinkelSetzen(System& sys, long nummer, double winkel) {
    std::vector<long> menge{nummer};
    auto aufnehmen = [&menge](const void* fg) {
        if (!fg) return;
        long n = static_cast<const Freiheitsgrad*>(fg)->Nummer;
        if (std::find(menge.begin(), menge.end(), n) == menge.end()) menge.push_back(n);
    };
    Stapel* paare = sys.FgRelationen;
    for (size_t i = 0; i < menge.size(); ++i) {
        if (!paare) break;
        for (int k = 1; k <= paare->top; ++k) {
            const Paar* p = static_cast<const Paar*>(paare->items[k]);
            if (!p || !p->first || !p->second) continue;
            if (static_cast<const Freiheitsgrad*>(p->first)->Nummer == menge[i]) aufnehmen(p->second);
            if (static_cast<const Freiheitsgrad*>(p->second)->Nummer == menge[i]) aufnehmen(p->first);
        }
    }
    bool geaendert = false;
    for (Freiheitsgrad* fg : Elemente<Freiheitsgrad>(sys.Freiheitsgrade))
        if (std::find(menge.begin(), menge.end(), fg->Nummer) != menge.end() && fg->Winkel != winkel) {
            fg->Winkel = winkel;
            geaendert = true;
        }
    if (geaendert) {
        ++sys.Aenderungen;
        AenderungMelden(&sys, AENDERUNG_FREIHEITSGRADE);
    }
}

Freiheitsgrad* NeuenFgErzeugen(System& sys, Stab* stab, int ende, int richtung, bool auflager, double winkel) {
    if (!GueltigesEnde(stab, ende, richtung)) return nullptr;
    const int slot = 3 * ende + richtung;
    const bool geloescht = SlotFreigeben(sys, stab, slot);
    if (geloescht) stab->Freiheitsgrade[slot] = nullptr;
    if (!geloescht && richtung < 2) {
        Freiheitsgrad* x = stab->Freiheitsgrade[3 * ende];
        Freiheitsgrad* y = stab->Freiheitsgrade[3 * ende + 1];
        if (x && y && EndenMitPaar(&sys, x, y) <= 1) PaarAustragen(sys.FgRelationen, x, y);
    }
    Freiheitsgrad* neu = FreiheitsgradAnlegen(sys, stab, slot);
    neu->Status = auflager ? STATUS_PRIMAL : STATUS_DUAL;
    neu->Winkel = winkel;
    if (richtung < 2) {
        if (!sys.FgRelationen) sys.FgRelationen = StapelAnlegen();
        Freiheitsgrad* x = stab->Freiheitsgrade[3 * ende];
        Freiheitsgrad* y = stab->Freiheitsgrade[3 * ende + 1];
        if (x && y) PaarAufnehmen(sys.FgRelationen, x, y);
    }
    ++sys.Aenderungen;
    return neu;
}

FgNummerFolge FgNummerSetzen(System& sys, Stab* stab, int ende, int richtung, long nummer, bool auflager,
                             double winkel) {
    if (!GueltigesEnde(stab, ende, richtung)) return FgNummerFolge::Unveraendert;
    const int slot = 3 * ende + richtung;
    Freiheitsgrad* aktuell = stab->Freiheitsgrade[slot];
    if (aktuell && aktuell->Nummer == nummer) return FgNummerFolge::Unveraendert;
    Freiheitsgrad* gefunden = FreiheitsgradSuchen(sys.Freiheitsgrade, nummer);
    if (!gefunden) {
        DiagnoseAusgeben("FG noch nicht vorhanden \n");
        NeuenFgErzeugen(sys, stab, ende, richtung, auflager, winkel);
        return FgNummerFolge::Neu;
    }
    if (gefunden->Richtung != richtung) return FgNummerFolge::AndereRichtung;
    SlotFreigeben(sys, stab, slot);
    stab->Freiheitsgrade[slot] = gefunden;
    ++sys.Aenderungen;
    AenderungMelden(&sys, AENDERUNG_FREIHEITSGRADE);
    return FgNummerFolge::Verbunden;
}

bool FgWertSetzen(System& sys, long nummer, double wert) {
    return Aendern(sys, nummer, [wert](Freiheitsgrad* fg) { fg->Wert = wert; });
}

bool FgFederSetzen(System& sys, long nummer, double feder) {
    return Aendern(sys, nummer, [feder](Freiheitsgrad* fg) { fg->Feder = feder; });
}

bool FgAuflagerSetzen(System& sys, long nummer, double wert) {
    return Aendern(sys, nummer, [wert](Freiheitsgrad* fg) {
        fg->Status = STATUS_PRIMAL;
        fg->Wert = wert;
    });
}

bool FgEinwirkungSetzen(System& sys, long nummer, double feder) {
    return Aendern(sys, nummer, [feder](Freiheitsgrad* fg) {
        fg->Status = STATUS_DUAL;
        fg->Feder = feder;
    });
}

bool IstAuflager(const Freiheitsgrad* fg) { return fg && fg->Status == STATUS_PRIMAL; }
