#include "analysis/berechnung.h"

#include <cstdio>
#include <ctime>
#include <memory>
#include <new>
#include <vector>

#include "analysis/duennloeser.h"
#include "analysis/endlichkeit.h"
#include "analysis/gleichungsloeser.h"
#include "analysis/kernmodell.h"
#include "analysis/nachlauf.h"
#include "analysis/nummerierung.h"
#include "analysis/steifigkeit.h"
#include "core/bericht.h"
#include "core/oberflaeche.h"
#include "core/programm.h"

namespace {

// Every message shows at once, also while the run keeps the event loop busy.
void Melden(const char* text) {
    MeldungAusgeben(text);
    Ui()->Flush();
}

double Sekunden(std::clock_t von, std::clock_t bis) { return static_cast<double>(bis - von) / 1000000.0; }

// The work data of one run; the destructor frees whatever exists.
struct Arbeitsdaten {
    std::vector<double> u, fKnoten, fErsatz, fGesamt;
    std::vector<int> zustand, erste;
    PMatrix* k = nullptr;           // profile solver
    Elementmatrizen elementmatrizen;  // what its end forces need
    DMatrix* kDuenn = nullptr;        // sparse solver of large models
    std::unique_ptr<DuennZerlegung> zerlegung;
    std::size_t gebucht = 0;

    bool Anlegen(int n) {
        const std::size_t bytes = static_cast<std::size_t>(n) * (4 * sizeof(double) + 2 * sizeof(int));
        if (!ArbeitsspeicherReservieren(bytes)) return false;
        gebucht = bytes;
        try {
            u.assign(static_cast<std::size_t>(n), 0.0);
            fKnoten.assign(static_cast<std::size_t>(n), 0.0);
            fErsatz.assign(static_cast<std::size_t>(n), 0.0);
            fGesamt.assign(static_cast<std::size_t>(n), 0.0);
            zustand.assign(static_cast<std::size_t>(n), 0);
            erste.assign(static_cast<std::size_t>(n), 0);
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }
    ~Arbeitsdaten() {
        zerlegung.reset();
        FreeDMatrix(kDuenn);
        FreePMatrix(k);
        ArbeitsspeicherFreigeben(gebucht);
    }
};

}  // namespace

int ModellPruefen(const Modellfolge* folge) {
    const System* sys = Programm.AktuellesSystem;
    if (!sys || KeLeer(sys->Elemente)) {
        Melden("keine Stäbe im System !");
        return 0;
    }
    const KatalogIndex katalog;
    Modellfolge eigene;
    for (const Element* e : ModellfolgeVon(folge, eigene).Elemente) {
        const Material* m = katalog.MaterialZu(e->Material);
        if (!m) {
            Melden("es existieren Stäbe ohne Material !");
            return 0;
        }
        if (!(m->EModul > 0)) {
            Melden(m->EModul == 0 ? "es existiert Material mit E = 0 !" : "es existiert Material mit E < 0 !");
            return 0;
        }
        const Querschnitt* q = katalog.QuerschnittZu(e->Querschnitt);
        if (!q) {
            Melden("es existieren Stäbe ohne Querschnitt !");
            return 0;
        }
        if (!(q->Flaeche > 0)) {
            Melden(q->Flaeche == 0 ? "es existieren Querschnitte mit A = 0 !"
                                   : "es existieren Querschnitte mit A < 0 !");
            return 0;
        }
        if (!(q->Traegheitsmoment > 0)) {
            Melden(q->Traegheitsmoment == 0 ? "es existieren Querschnitte mit Iz = 0 !"
                                            : "es existieren Querschnitte mit Iz < 0 !");
            return 0;
        }
        // A bar whose end points coincide has no stiffness matrix (it
        // divides by its length) and would fill every result with NaN.
        if (!(e->Laenge > 0)) {
            Melden("es existieren Stäbe der Länge 0 !");
            return 0;
        }
    }
    return 1;
}

bool TheorieIOrdnungBerechnen() {
    System* sys = Programm.AktuellesSystem;
    if (!sys) return false;
    const std::clock_t t0 = std::clock();

    // The model's elements and degrees of freedom in arrays, which every
    // phase below goes over instead of the chains.
    Modellfolge folge;
    try {
        if (!KernmodellErzeugen(&folge)) {
            Ui()->Flush();
            FortschrittSetzen(0.0);
            return false;
        }
    } catch (const std::bad_alloc&) {
        std::fputs("Fehler !\n", stderr);
        Melden("Fehler beim Berechnen ! - zu wenig Speicher");
        FortschrittSetzen(0.0);
        return false;
    }
    FortschrittSetzen(0.1);
    Melden("Kernmodell erstellt ...");
    if (KeLeer(sys->Modellfreiheitsgrade)) {
        Melden("Fehler beim Berechnen ! - keine FG");
        return false;
    }
    if (KeLeer(sys->Elemente)) {
        Melden("Fehler beim Berechnen ! - keine Stäbe");
        return false;
    }
    const long anzahl = static_cast<long>(folge.Freiheitsgrade.size());
    const int n = static_cast<int>(anzahl);
    MeldungFormatiert("Anzahl Freiheitsgrade : %ld ... ", anzahl);
    Ui()->Flush();
    if (!ModellPruefen(&folge)) {
        FortschrittSetzen(0.0);
        return false;
    }

    Arbeitsdaten d;
    if (!d.Anlegen(n)) {
        std::fputs("Fehler !\n", stderr);
        Melden("Fehler beim Berechnen ! - zu wenig Speicher");
        FortschrittSetzen(0.0);
        return false;
    }
    const KatalogIndex katalog;

    // Large models go to the sparse solver, which orders the equations
    // itself; the profile solver needs them renumbered along the structure.
    const bool duenn = DuennLoeserFuer(n);
    FreiheitsgradeNummerieren(&folge);
    if (!duenn) FreiheitsgradeUmnummerieren();
    FortschrittSetzen(0.2);
    ErsatzlastenBerechnen(d.fErsatz.data(), n, &folge);
    FortschrittSetzen(0.3);
    if (!PrimalDualAufbauen(d.u.data(), d.fKnoten.data(), d.zustand.data(), n, &folge)) return false;
    if (duenn) {
        if (!SystemsteifigkeitAufbauen(d.kDuenn, n, &katalog, &folge)) return false;
        d.zerlegung.reset(new (std::nothrow) DuennZerlegung);
        bool vorbereitet = false;
        try {
            vorbereitet = d.zerlegung &&
                          d.zerlegung->Vorbereiten(*d.kDuenn, d.zustand.data(), Knotengruppen(n, &folge).data());
        } catch (const std::bad_alloc&) {
        }
        if (!vorbereitet) {
            Melden("Speicherfehler !");
            return false;
        }
    } else {
        ProfilBestimmen(d.erste.data(), n);
        if (!SystemsteifigkeitAufbauen(d.k, d.erste.data(), n, &katalog, &d.elementmatrizen, &folge)) return false;
    }

    Melden("Systemsteifigkeit aufgebaut ...");
    const std::clock_t t1 = std::clock();
    FortschrittSetzen(0.4);
    Melden("Zerlege Systemsteifigkeit ...");
    int singulaer = -1;
    const int zerlegt = duenn ? d.zerlegung->Zerlegen(*d.kDuenn, d.zustand.data(), &singulaer)
                              : SystemsteifigkeitZerlegen(n, d.zustand.data(), d.erste.data(), d.k, &singulaer);
    if (zerlegt == -2) {
        Melden("Fehler beim Zerlegen der SystemSteifigkeit ! System kinematisch !");
        return false;
    }
    if (zerlegt != 0) {
        Melden("Speicherfehler !");
        return false;
    }
    FortschrittSetzen(0.7);
    const std::clock_t t2 = std::clock();
    MeldungFormatiert("Gleichungssystem zerlegt [%.2f s] ... ", Sekunden(t1, t2));
    Ui()->Flush();

    for (int i = 0; i < n; ++i) d.fGesamt[i] = d.fKnoten[i] + d.fErsatz[i];
    if (duenn) {
        if (!d.zerlegung->Loesen(*d.kDuenn, d.zustand.data(), d.u.data(), d.fGesamt.data())) {
            Melden("Speicherfehler !");
            return false;
        }
    } else {
        GleichungssystemLoesen(n, d.zustand.data(), d.erste.data(), d.k, d.u.data(), d.fGesamt.data());
    }
    FortschrittSetzen(0.9);
    Melden("Gleichungssystem gelöst ... ");

    // The stiffness was kept (the element matrices, or the sparse matrix
    // beside its factor), so the end forces need no second assembly.
    if (duenn)
        KnotenkraefteBerechnen(*d.kDuenn, d.u.data(), d.fErsatz.data(), d.fKnoten.data());
    else
        KnotenkraefteBerechnen(d.elementmatrizen, d.u.data(), d.fErsatz.data(), d.fKnoten.data(), n, &folge);
    ErgebnisseUebernehmen(d.u.data(), d.fKnoten.data(), &folge);
    SchnittkraefteBerechnen(&katalog, &folge);
    if (!ErgebnisseEndlich(&folge)) return false;
    Melden("Nachlaufrechnung durchgeführt ... ");
    ErgebnisseInSystemUebernehmen(&folge);

    const std::clock_t t3 = std::clock();
    MeldungFormatiert("Rechenzeit : %.2f s", Sekunden(t0, t3));
    Ui()->Flush();
    Melden("-> System nach Theorie I.Ordnung berechnet !");
    Ui()->SystemZeichnen();
    FortschrittSetzen(1.0);
    Ui()->Flush();
    d.zerlegung.reset();
    FreeDMatrix(d.kDuenn);
    d.kDuenn = nullptr;
    FreePMatrix(d.k);
    d.k = nullptr;
    FortschrittSetzen(0.0);
    return true;
}
