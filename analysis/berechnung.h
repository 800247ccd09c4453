// The analysis of one System: an object that owns its computational model
// and the work data of one run, takes the System, the catalogues and the
// receiver of its messages, and writes the results into the System's bars
// and degrees of freedom at the end.
//
// TheorieIOrdnung() is the whole run by first-order theory.  Its steps are
// members of their own, so that another driver (second-order theory) can
// run them in its own order, with its own element stiffness, and repeat the
// assembly, decomposition and solution as often as it needs.
#pragma once

#include <cstddef>
#include <vector>

#include "analysis/kernmodell.h"
#include "analysis/nachlauf.h"
#include "analysis/steifigkeit.h"

class Berichtsempfaenger;

class Berechnung {
public:
    Berechnung(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht);
    ~Berechnung();
    Berechnung(const Berechnung&) = delete;
    Berechnung& operator=(const Berechnung&) = delete;

    // The whole run by first-order theory, with the messages and progress
    // values of the run.  True when the results are in the System.
    bool TheorieIOrdnung();

    // --- the steps, in the order of a run
    // Builds the model (cuts, load transfer, division).  False after a
    // message when a bar lacks its points or degrees of freedom.
    bool ModellErzeugen();
    // The division of the model's elements other than the System's (-1:
    // the System's), for a run whose elements need none.
    void TeilungenVorgeben(long teilungen) { teilungen_ = teilungen; }
    // 1 when the model may be computed, else 0 after reporting the first
    // problem (no elements, missing material or cross-section, E, A or Iz
    // of 0, an element of length 0).
    int ModellPruefen();
    // Number of model degrees of freedom (equations).
    int Anzahl() const;
    // Allocates the work vectors for Anzahl() equations; false when the
    // memory is short.
    bool ArbeitsdatenAnlegen();
    // Equation numbers along the structure.
    void Nummerieren();
    void ErsatzlastenBerechnen();
    bool PrimalDualAufbauen();
    void ProfilBestimmen();
    // Assembles K with the given element stiffness (first-order theory:
    // ElementsteifigkeitErsterOrdnung()); the matrix is allocated on first use.
    bool SteifigkeitAufbauen(const Elementsteifigkeit& elementsteifigkeit);
    Elementsteifigkeit ElementsteifigkeitErsterOrdnung();
    // False for a kinematic system (a pivot within the tolerance).  The
    // progress runs row by row unless `mitFortschritt` is false (a run that
    // decomposes again and again moves the bar itself).
    bool Zerlegen(bool mitFortschritt = true);
    // Rows of the last decomposition with a negative pivot.
    long NegativePivots() const;
    // fGesamt = fKnoten + fErsatz, then the solution into u.
    void Loesen();
    // A solution with the decomposed K for other vectors: on entry u holds
    // the prescribed displacements and f the loads (see GleichungssystemLoesen).
    void LoesenMit(double* u, double* f);
    // After K was assembled again: nodal forces, the solution into the
    // model, element end forces.
    void Nachlaufrechnung();
    // False after a message, with the bars' results removed, when the
    // solution overflowed (see analysis/endlichkeit.h).
    bool ErgebnisseEndlich();
    // The results into the System's bars and degrees of freedom, computed
    // by `theorie`; `ergaenzen` adds to every record what the theory keeps
    // of its element.
    void ErgebnisseUebernehmen(long theorie = THEORIE_I, const Abschnittergaenzung& ergaenzen = {});

    Kernmodell& Modell() { return modell_; }
    const Kernmodell& Modell() const { return modell_; }
    const KatalogIndex& Katalog() const { return katalog_; }
    Berichtsempfaenger& Bericht() { return bericht_; }
    // The work data of the run (valid after ArbeitsdatenAnlegen).
    struct Arbeitsdaten {
        std::vector<double> u, fKnoten, fErsatz, fGesamt;
        std::vector<int> zustand, erste;
        PMatrix* k = nullptr;
        std::size_t gebucht = 0;  // bytes booked against the work-storage limit
    };
    Arbeitsdaten& Daten() { return daten_; }
    const Arbeitsdaten& Daten() const { return daten_; }

private:
    void Melden(const char* text);
    void Fortschritt(double wert);

    System& system_;
    Berichtsempfaenger& bericht_;
    KatalogIndex katalog_;
    Kernmodell modell_;
    long teilungen_ = -1;
    Arbeitsdaten daten_;
};

// The run by first-order theory of a System.  Everything is reported to
// `bericht`; returns true when the run completed (results are in the System).
bool TheorieIOrdnungBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht);
