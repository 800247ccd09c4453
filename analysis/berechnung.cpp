#include "analysis/berechnung.h"

#include <ctime>
#include <memory>
#include <new>
#include <unordered_set>

#include "analysis/endlichkeit.h"
#include "analysis/gleichungsloeser.h"
#include "analysis/lastuebernahme.h"
#include "analysis/nachlauf.h"
#include "analysis/nummerierung.h"
#include "analysis/speichermangel.h"
#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/ergebnisstand.h"
#include "core/latin1.h"

namespace {

double Sekunden(std::clock_t von, std::clock_t bis) { return static_cast<double>(bis - von) / 1000000.0; }

}  // namespace

Berechnung::Berechnung(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht)
    : system_(system), bericht_(bericht), katalog_(kataloge) {}

Berechnung::~Berechnung() {
    daten_.zerlegung.reset();
    FreeDMatrix(daten_.kDuenn);
    FreePMatrix(daten_.k);
    ArbeitsspeicherFreigeben(daten_.gebucht);
}

void Berechnung::Melden(const char* text) { MeldungAusgeben(bericht_, text); }

void Berechnung::Fortschritt(double wert) { bericht_.Fortschritt(wert); }

bool Berechnung::ModellErzeugen() {
    // The results of an earlier run go first: whatever this run ends with,
    // none of them may stay shown as if they belonged to it.
    if (ErgebnisseEntfernen(system_)) AenderungMelden(&system_, AENDERUNG_ERGEBNISSE);
    if (!KernmodellErzeugen(modell_, system_, bericht_, &folge_, teilungen_)) return false;
    TemperaturlastenUebernehmen(modell_, system_, katalog_);
    return true;
}

namespace {

// Bars with a temperature difference of an active load case: their curvature
// divides by the depth of the cross-section.
std::unordered_set<long> StaebeMitTemperaturunterschied(const System& sys) {
    std::unordered_set<long> aktiv, staebe;
    for (const Lastfall* lf : Elemente<Lastfall>(sys.Lastfaelle))
        if (lf->Aktiv == 1) aktiv.insert(lf->Kennung);
    for (const Temperaturlast* t : Elemente<Temperaturlast>(sys.Temperaturlasten))
        if (t->DeltaTM != 0.0 && aktiv.count(t->Lastfall)) staebe.insert(t->Stab);
    return staebe;
}

}  // namespace

int Berechnung::ModellPruefen() {
    if (KeLeer(modell_.Elemente)) {
        Melden("keine Stäbe im System !"_l1);
        return 0;
    }
    const std::unordered_set<long> temperaturunterschied = StaebeMitTemperaturunterschied(system_);
    for (const Element* e : folge_.Elemente) {
        const Material* m = katalog_.MaterialZu(e->Material);
        if (!m) {
            Melden("es existieren Stäbe ohne Material !"_l1);
            return 0;
        }
        if (!(m->EModul > 0)) {
            Melden(m->EModul == 0 ? "es existiert Material mit E = 0 !" : "es existiert Material mit E < 0 !");
            return 0;
        }
        const Querschnitt* q = katalog_.QuerschnittZu(e->Querschnitt);
        if (!q) {
            Melden("es existieren Stäbe ohne Querschnitt !"_l1);
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
        // An element whose end points coincide has no stiffness matrix (it
        // divides by its length) and would fill every result with NaN.
        if (!(e->Laenge > 0)) {
            Melden("es existieren Stäbe der Länge 0 !"_l1);
            return 0;
        }
        if (temperaturunterschied.count(e->Stabnummer) && !(q->MaxY > 0)) {
            Melden(q->MaxY == 0 ? "es existieren Querschnitte mit max y = 0 bei Temperaturlasten !"
                                : "es existieren Querschnitte mit max y < 0 bei Temperaturlasten !");
            return 0;
        }
    }
    return 1;
}

int Berechnung::Anzahl() const { return static_cast<int>(folge_.Freiheitsgrade.size()); }

bool Berechnung::ArbeitsdatenAnlegen() {
    const int n = Anzahl();
    const std::size_t bytes = static_cast<std::size_t>(n) * (4 * sizeof(double) + 2 * sizeof(int));
    if (!ArbeitsspeicherReservieren(bytes)) return false;
    daten_.gebucht += bytes;
    try {
        daten_.u.assign(static_cast<std::size_t>(n), 0.0);
        daten_.fKnoten.assign(static_cast<std::size_t>(n), 0.0);
        daten_.fErsatz.assign(static_cast<std::size_t>(n), 0.0);
        daten_.fGesamt.assign(static_cast<std::size_t>(n), 0.0);
        daten_.zustand.assign(static_cast<std::size_t>(n), 0);
        daten_.erste.assign(static_cast<std::size_t>(n), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void Berechnung::Nummerieren() {
    duenn_ = DuennLoeserFuer(Anzahl());
    FreiheitsgradeNummerieren(modell_, &folge_);
    if (!duenn_) FreiheitsgradeUmnummerieren(modell_);
}

void Berechnung::ErsatzlastenBerechnen() {
    ::ErsatzlastenBerechnen(modell_, daten_.fErsatz.data(), Anzahl(), &folge_);
}

bool Berechnung::PrimalDualAufbauen() {
    return ::PrimalDualAufbauen(modell_, daten_.u.data(), daten_.fKnoten.data(), daten_.zustand.data(), Anzahl(),
                                bericht_, &folge_) != 0;
}

void Berechnung::ProfilBestimmen() {
    if (!duenn_) ::ProfilBestimmen(modell_, daten_.erste.data(), Anzahl());
}

Elementsteifigkeit Berechnung::ElementsteifigkeitErsterOrdnung() {
    return [this](Matrix6 ke, const Element* e) { return ElementsteifigkeitBerechnen(ke, e, katalog_, bericht_); };
}

bool Berechnung::SteifigkeitAufbauen(const Elementsteifigkeit& elementsteifigkeit) {
    const int n = Anzahl();
    if (!duenn_)
        return SystemsteifigkeitAufbauen(modell_, daten_.k, daten_.erste.data(), n, elementsteifigkeit, bericht_,
                                         &daten_.elementmatrizen, &folge_) != 0;
    if (!SystemsteifigkeitAufbauen(modell_, daten_.kDuenn, n, elementsteifigkeit, bericht_, &folge_)) return false;
    if (daten_.zerlegung) return true;  // ordered and laid out by the first assembly
    bool vorbereitet = false;
    try {
        daten_.zerlegung = std::make_unique<DuennZerlegung>();
        vorbereitet = daten_.zerlegung->Vorbereiten(*daten_.kDuenn, daten_.zustand.data(),
                                                    Knotengruppen(modell_, n, &folge_).data());
    } catch (const std::bad_alloc&) {
    }
    if (!vorbereitet) {
        daten_.zerlegung.reset();
        Melden("Speicherfehler !");
    }
    return vorbereitet;
}

bool Berechnung::Zerlegen(bool mitFortschritt) {
    int singulaer = -1;
    speicherfehler_ = false;
    if (!duenn_)
        return SystemsteifigkeitZerlegen(Anzahl(), daten_.zustand.data(), daten_.erste.data(), daten_.k,
                                         &singulaer, mitFortschritt ? &bericht_ : nullptr) != -2;
    const int zerlegt = daten_.zerlegung->Zerlegen(*daten_.kDuenn, daten_.zustand.data(), &singulaer,
                                                   mitFortschritt ? &bericht_ : nullptr);
    if (zerlegt == -1) {
        speicherfehler_ = true;
        Melden("Speicherfehler !");
    }
    return zerlegt == 0;
}

long Berechnung::NegativePivots() const {
    long n = 0;
    for (int z : daten_.zustand) n += z == STATUS_NEGATIV;
    return n;
}

bool Berechnung::Loesen() {
    const int n = Anzahl();
    for (int i = 0; i < n; ++i) daten_.fGesamt[i] = daten_.fKnoten[i] + daten_.fErsatz[i];
    return LoesenMit(daten_.u.data(), daten_.fGesamt.data());
}

bool Berechnung::LoesenMit(double* u, double* f) {
    if (!duenn_) {
        GleichungssystemLoesen(Anzahl(), daten_.zustand.data(), daten_.erste.data(), daten_.k, u, f);
        return true;
    }
    if (daten_.zerlegung->Loesen(*daten_.kDuenn, daten_.zustand.data(), u, f)) return true;
    Melden("Speicherfehler !");
    return false;
}

void Berechnung::Nachlaufrechnung() {
    if (duenn_)
        KnotenkraefteBerechnen(*daten_.kDuenn, daten_.u.data(), daten_.fErsatz.data(), daten_.fKnoten.data());
    else
        KnotenkraefteBerechnen(modell_, daten_.elementmatrizen, daten_.u.data(), daten_.fErsatz.data(),
                               daten_.fKnoten.data(), Anzahl(), &folge_);
    ::ErgebnisseUebernehmen(modell_, daten_.u.data(), daten_.fKnoten.data(), &folge_);
    SchnittkraefteBerechnen(modell_, katalog_, &folge_);
}

bool Berechnung::ErgebnisseEndlich() { return ::ErgebnisseEndlich(modell_, system_, bericht_, &folge_); }

void Berechnung::ErgebnisseUebernehmen(long theorie, const Abschnittergaenzung& ergaenzen) {
    ErgebnisseInSystemUebernehmen(modell_, system_, &folge_, ergaenzen);
    system_.Theorie = theorie;
    // A second-order run sets the critical load factor afterwards.
    system_.Verzweigung = VERZWEIGUNG_KEINE_DRUCKKRAEFTE;
    system_.Verzweigungslastfaktor = 0.0;
    AenderungMelden(&system_, AENDERUNG_ERGEBNISSE);
}

bool Berechnung::TheorieIOrdnung() {
    const std::clock_t t0 = std::clock();

    if (!ModellErzeugen()) {
        Fortschritt(0.0);
        return false;
    }
    Fortschritt(0.1);
    Melden("Kernmodell erstellt ...");
    if (KeLeer(modell_.Modellfreiheitsgrade)) {
        Melden("Fehler beim Berechnen ! - keine FG");
        return false;
    }
    if (KeLeer(modell_.Elemente)) {
        Melden("Fehler beim Berechnen ! - keine Stäbe"_l1);
        return false;
    }
    MeldungFormatiert(bericht_, "Anzahl Freiheitsgrade : %ld ... ", static_cast<long>(Anzahl()));
    if (!ModellPruefen()) {
        Fortschritt(0.0);
        return false;
    }

    if (!ArbeitsdatenAnlegen()) {
        bericht_.Ausgeben(Ausgabekanal::Fehler, "Fehler !\n");
        Melden("Fehler beim Berechnen ! - zu wenig Speicher");
        Fortschritt(0.0);
        return false;
    }

    Nummerieren();
    Fortschritt(0.2);
    ErsatzlastenBerechnen();
    Fortschritt(0.3);
    if (!PrimalDualAufbauen()) return false;
    ProfilBestimmen();
    const Elementsteifigkeit steifigkeit = ElementsteifigkeitErsterOrdnung();
    if (!SteifigkeitAufbauen(steifigkeit)) return false;

    Melden("Systemsteifigkeit aufgebaut ...");
    const std::clock_t t1 = std::clock();
    Fortschritt(0.4);
    Melden("Zerlege Systemsteifigkeit ...");
    if (!Zerlegen()) {
        if (!Speicherfehler()) Melden("Fehler beim Zerlegen der SystemSteifigkeit ! System kinematisch !");
        return false;
    }
    Fortschritt(0.7);
    const std::clock_t t2 = std::clock();
    MeldungFormatiert(bericht_, "Gleichungssystem zerlegt [%.2f s] ... ", Sekunden(t1, t2));

    if (!Loesen()) return false;
    Fortschritt(0.9);
    Melden("Gleichungssystem gelöst ... "_l1);

    // The stiffness was kept (the element matrices, or the sparse matrix
    // beside its factor), so the end forces need no second assembly.
    Nachlaufrechnung();
    if (!ErgebnisseEndlich()) return false;
    Melden("Nachlaufrechnung durchgeführt ... "_l1);
    ErgebnisseUebernehmen();

    const std::clock_t t3 = std::clock();
    MeldungFormatiert(bericht_, "Rechenzeit : %.2f s", Sekunden(t0, t3));
    Melden("-> System nach Theorie I.Ordnung berechnet !");
    Fortschritt(1.0);
    daten_.zerlegung.reset();
    FreeDMatrix(daten_.kDuenn);
    daten_.kDuenn = nullptr;
    FreePMatrix(daten_.k);
    daten_.k = nullptr;
    Fortschritt(0.0);
    return true;
}

bool TheorieIOrdnungBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht) {
    return BeiSpeichermangelAbbrechen(system, bericht, [&] {
        Berechnung berechnung(system, kataloge, bericht);
        return berechnung.TheorieIOrdnung();
    });
}
