#include "analysis/nachlauf.h"

#include <cmath>
#include <memory>
#include <unordered_map>

#include "analysis/drehung.h"
#include "analysis/steifigkeit.h"
#include "core/ergebnisstand.h"
#include "core/systemoperationen.h"

void SchnittkraefteBerechnen(Kernmodell& modell, const KatalogIndex& katalog, const Modellfolge* folge) {
    Modellfolge eigene;
    for (Element* e : ModellfolgeVon(modell, folge, eigene).Elemente) {
        const Material* mat = katalog.MaterialZu(e->Material);
        const Querschnitt* qs = katalog.QuerschnittZu(e->Querschnitt);
        Matrix6 k;
        if (mat && qs)
            LokaleSteifigkeit(k, mat->EModul, qs->Flaeche, qs->Traegheitsmoment, e->Laenge);
        else
            LokaleSteifigkeit(k, 0.0, 0.0, 0.0, 1.0);  // no stiffness: end forces from the loads only
        double d[6];
        for (int s = 0; s < 6; ++s) d[s] = e->Fg[s]->Wert;
        // The y slots are taken as turned like the x slots of the same end.
        const Drehung a0 = DrehungZu(e->Winkel - e->Fg[0]->Winkel);
        const Drehung a3 = DrehungZu(e->Winkel - e->Fg[3]->Winkel);
        const double l[6] = {a0.c * d[0] + a0.s * d[1], -a0.s * d[0] + a0.c * d[1], d[2],
                             a3.c * d[3] + a3.s * d[4], -a3.s * d[3] + a3.c * d[4], d[5]};
        double f[6];
        LokaleErsatzlasten(e, f);
        double s[6];
        for (int i = 0; i < 6; ++i) {
            double summe = 0.0;
            for (int j = 0; j < 6; ++j) summe += k[i][j] * l[j];
            s[i] = summe - f[i];
        }
        e->Schnittkraefte[0] = -s[0];
        e->Schnittkraefte[1] = s[1];
        e->Schnittkraefte[2] = -s[2];
        e->Schnittkraefte[3] = s[3];
        e->Schnittkraefte[4] = -s[4];
        e->Schnittkraefte[5] = s[5];
    }
}

void ErgebnisseInSystemUebernehmen(const Kernmodell& modell, System& sys, const Modellfolge* folge,
                                   const Abschnittergaenzung& ergaenzen) {
    std::unordered_map<long, Stab*> staebe;  // first bar of the chain with the number
    for (Stab* s : Elemente<Stab>(sys.Staebe)) {
        ErgebnisseLoeschen(s);
        staebe.try_emplace(s->Nummer, s);
    }
    Modellfolge eigene;
    for (const Element* e : ModellfolgeVon(modell, folge, eigene).Elemente) {
        auto it = staebe.find(e->Stabnummer);
        if (it == staebe.end()) continue;
        Stab* stab = it->second;
        if (e->tAnfang == 0.0)
            for (int s = 0; s < 3; ++s)
                if (stab->Freiheitsgrade[s]) {
                    stab->Freiheitsgrade[s]->Reaktion = e->Fg[s]->Reaktion;
                    stab->Freiheitsgrade[s]->Wert = e->Fg[s]->Wert;
                }
        if (e->tEnde == 1.0)
            for (int s = 3; s < 6; ++s)
                if (stab->Freiheitsgrade[s]) {
                    stab->Freiheitsgrade[s]->Reaktion = e->Fg[s]->Reaktion;
                    stab->Freiheitsgrade[s]->Wert = e->Fg[s]->Wert;
                }
        // Owned here until it is entered in the bar's chain.
        std::unique_ptr<Stababschnitt> r(ZuteilungVersagt() ? nullptr : new (std::nothrow) Stababschnitt{});
        if (!r) Speicherfehler();
        r->tAnfang = e->tAnfang;
        r->tEnde = e->tEnde;
        r->xA = e->KnotenA->X;
        r->xB = e->KnotenB->X;
        r->yA = e->KnotenA->Y;
        r->yB = e->KnotenB->Y;
        r->qAnfang = e->qAnfang;
        r->qEnde = e->qEnde;
        r->nAnfang = e->nAnfang;
        r->nEnde = e->nEnde;
        r->NA = e->Schnittkraefte[0];
        r->QA = e->Schnittkraefte[1];
        r->MA = e->Schnittkraefte[2];
        r->NE = e->Schnittkraefte[3];
        r->QE = e->Schnittkraefte[4];
        r->ME = e->Schnittkraefte[5];
        for (int s = 0; s < 6; ++s) r->Verschiebungen[s] = e->Fg[s]->Wert;
        r->Laenge = e->Laenge;
        r->WinkelA = e->Fg[0]->Winkel;
        r->WinkelE = e->Fg[3]->Winkel;
        r->Winkel = e->Winkel;
        if (ergaenzen) ergaenzen(*e, *r);
        KeVorneEintragen(stab->Ergebnisse, r.get());
        r.release();
    }
    ErgebnisseEingetragen(sys);
}
