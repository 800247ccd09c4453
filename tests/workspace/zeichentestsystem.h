// A System built through the System operations for the drawing tests, with
// the default view of an 800 x 600 canvas (origin at (400, 300), 50 px/m).
#pragma once

#include "core/stabgeometrie.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "workspace/ansicht.h"
#include "workspace/aufzeichnungsmaler.h"
#include "workspace/zeichnen.h"

#include <gtest/gtest.h>

class Zeichentest : public ::testing::Test {
protected:
    void SetUp() override {
        vorher_ = BerichtSetzen(&bericht);
        sys = SystemErzeugen();
        Programm.Modus = 1;  // as the window sets it for a new System
        ansicht = AnsichtBerechnen(Massstabwerte{}, Positionierer{}, 800, 600);
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        BerichtSetzen(vorher_);
    }

    // A bar with fresh records in all six slots (nothing shared).
    Stab* Stab_(Punkt* a, Punkt* b) {
        Stab* s = StabAnlegen(*sys);
        s->PunktA = a;
        s->PunktB = b;
        for (int i = 0; i < 6; ++i) FreiheitsgradAnlegen(*sys, s, i);
        StabGeometrie(s);
        return s;
    }
    Stab* Stab_(double x1, double y1, double x2, double y2) {
        return Stab_(PunktErzeugen(*sys, x1, y1, -1), PunktErzeugen(*sys, x2, y2, -1));
    }
    // Joins end `ende` (0 = A, 1 = B) of `neu` rigidly to end `endeAlt` of `alt`.
    static void Biegesteif(Stab* alt, int endeAlt, Stab* neu, int ende) {
        for (int i = 0; i < 3; ++i) neu->Freiheitsgrade[3 * ende + i] = alt->Freiheitsgrade[3 * endeAlt + i];
    }
    Lastfall* Lastfall_(bool aktiv = true, double gewicht = 1.0) {
        Lastfall* l = LastfallErzeugen(*sys, -1, "LF", -1);
        l->Aktiv = aktiv ? 1 : -1;
        l->Gewicht = gewicht;
        return l;
    }
    // One result record covering the whole bar.
    static Stababschnitt* Abschnitt(Stab* s) {
        Stababschnitt* r = new Stababschnitt{};
        r->tAnfang = 0.0;
        r->tEnde = 1.0;
        r->xA = s->PunktA->X;
        r->yA = s->PunktA->Y;
        r->xB = s->PunktB->X;
        r->yB = s->PunktB->Y;
        r->Laenge = s->Laenge;
        r->Winkel = s->Winkel;
        KeVorneEintragen(s->Ergebnisse, r);
        return r;
    }

    // Draws one layer set: everything off except what the test switches on.
    static Zeichenschalter AllesAus() {
        Zeichenschalter z;
        z.System = z.Lager = z.Punktlasten = z.Streckenlasten = z.Punkte = false;
        z.Bezugsfaser = z.Achsenbeschriftung = false;
        return z;
    }

    SammelBericht bericht;
    System* sys = nullptr;
    Ansicht ansicht;
    Aufzeichnungsmaler maler;

private:
    Berichtsempfaenger* vorher_ = nullptr;
};

inline std::vector<int> W(const Malaufruf& a) { return a.Werte; }
