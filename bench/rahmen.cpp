#include "bench/rahmen.h"

#include <vector>

#include "core/stabgeometrie.h"
#include "core/programm.h"
#include "core/systemoperationen.h"

namespace {

void KatalogErgaenzen() {
    if (!MaterialSuchen(1)) {
        Material* m = NeuerDatensatz<Material>();
        m->Nummer = 1;
        NameSetzen(m->Name, "Stahl");
        m->EModul = 2.1e8;
        KeVorneEintragen(Programm.Materialien, m);
    }
    if (!QuerschnittSuchen(1)) {
        Querschnitt* q = NeuerDatensatz<Querschnitt>();
        q->Nummer = 1;
        NameSetzen(q->Name, "Profil");
        q->Flaeche = 0.01;
        q->Traegheitsmoment = 2e-4;
        q->MaxY = 0.15;
        KeVorneEintragen(Programm.Querschnitte, q);
    }
}

}  // namespace

System* RahmenErzeugen(const Rahmenmasse& masse) {
    KatalogErgaenzen();
    System* sys = SystemErzeugen();
    sys->Stabteilungen = masse.Stabteilungen;

    const int spalten = masse.Felder + 1, ebenen = masse.Geschosse + 1;
    auto nr = [&](int i, int j) { return static_cast<long>(j) * spalten + i; };
    std::vector<Punkt*> punkte(static_cast<std::size_t>(spalten * ebenen));
    // The three degrees of freedom of every joint, shared by all its bars.
    std::vector<Freiheitsgrad*> fg(static_cast<std::size_t>(3 * spalten * ebenen), nullptr);
    for (int j = 0; j < ebenen; ++j)
        for (int i = 0; i < spalten; ++i)
            punkte[static_cast<std::size_t>(nr(i, j))] =
                PunktErzeugen(*sys, i * masse.Feldweite, j * masse.Geschosshoehe, nr(i, j));

    long stabnummer = 0;
    auto stab = [&](int ia, int ja, int ib, int jb) {
        Stab* s = StabAnlegen(*sys, stabnummer++);
        s->PunktA = punkte[static_cast<std::size_t>(nr(ia, ja))];
        s->PunktB = punkte[static_cast<std::size_t>(nr(ib, jb))];
        s->Material = 1;
        s->Querschnitt = 1;
        for (int slot = 0; slot < 6; ++slot) {
            const long knoten = slot < 3 ? nr(ia, ja) : nr(ib, jb);
            Freiheitsgrad*& f = fg[static_cast<std::size_t>(3 * knoten + slot % 3)];
            if (f)
                s->Freiheitsgrade[slot] = f;
            else
                f = FreiheitsgradAnlegen(*sys, s, slot);
        }
        StabGeometrie(s);
        return s;
    };

    Lastfall* lf = LastfallErzeugen(*sys, 0, "Riegellast", -1);
    lf->Aktiv = 1;
    lf->Gewicht = 1.0;
    for (int j = 1; j < ebenen; ++j) {
        for (int i = 0; i < spalten; ++i) stab(i, j - 1, i, j);
        for (int i = 1; i < spalten; ++i) {
            Stab* riegel = stab(i - 1, j, i, j);
            Streckenlast* sl = StreckenlastErzeugen(*sys, lf->Kennung, -1);
            sl->Stab = riegel->Nummer;
            sl->PositionA = 0.0;
            sl->PositionB = 1.0;
            sl->GroesseA = sl->GroesseB = masse.Riegellast;
            sl->Koordinatensystem = KOORD_GLOBAL;
            if (i == 1 && masse.Horizontallast != 0.0) {
                Punktlast* pl = PunktlastErzeugen(*sys, lf->Kennung, -1);
                pl->Stab = riegel->Nummer;
                pl->Position = 0.0;
                pl->Groesse = masse.Horizontallast;
                pl->Winkel = PI_HALBE_GERUNDET;  // along +x
                pl->Koordinatensystem = KOORD_GLOBAL;
                pl->Positionsbezug = 1;
                pl->Art = ART_KRAFT;
            }
        }
    }
    for (int i = 0; i < spalten; ++i)
        for (int r = 0; r < 3; ++r) {
            Freiheitsgrad* f = fg[static_cast<std::size_t>(3 * nr(i, 0) + r)];
            f->Status = STATUS_PRIMAL;
            f->Wert = 0.0;
        }
    sys->Aenderungen = 0;
    return sys;
}
