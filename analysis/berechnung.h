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
#include <memory>
#include <vector>

#include "analysis/duennloeser.h"
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
    // Removes the results of an earlier run (core/ergebnisstand.h) and
    // builds the model (cuts, load transfer, division, temperature loads).
    // False after a message when a bar lacks its points or degrees of freedom.
    bool ModellErzeugen();
    // The division of the model's elements other than the System's (-1:
    // the System's), for a run whose elements need none.
    void TeilungenVorgeben(long teilungen) { teilungen_ = teilungen; }
    // 1 when the model may be computed, else 0 after reporting the first
    // problem (no elements, missing material or cross-section, E, A or Iz
    // of 0, an element of length 0, a temperature difference on a
    // cross-section without depth).
    int ModellPruefen();
    // Number of model degrees of freedom (equations).
    int Anzahl() const;
    // Allocates the work vectors for Anzahl() equations; false when the
    // memory is short.
    bool ArbeitsdatenAnlegen();
    // Equation numbers; along the structure for the profile solver, which
    // takes models below 20,000 equations (DuennLoeserFuer); larger ones go
    // to the sparse solver, which orders them itself.
    void Nummerieren();
    void ErsatzlastenBerechnen();
    bool PrimalDualAufbauen();
    void ProfilBestimmen();
    // Assembles K with the given element stiffness (first-order theory:
    // ElementsteifigkeitErsterOrdnung()); the matrix is allocated on first
    // use, and so is the ordering of the sparse solver.  What the end
    // forces need is kept (the element matrices, or the sparse matrix).
    bool SteifigkeitAufbauen(const Elementsteifigkeit& elementsteifigkeit);
    Elementsteifigkeit ElementsteifigkeitErsterOrdnung();
    // False for a kinematic system (a pivot within the tolerance), and after
    // "Speicherfehler !" when the sparse solver runs short of memory
    // (Speicherfehler() then tells).  Rows with a negative pivot become -3
    // in the state vector, on either solver.  The progress runs row by row
    // unless `mitFortschritt` is false (a run that decomposes again and
    // again moves the bar itself).
    bool Zerlegen(bool mitFortschritt = true);
    bool Speicherfehler() const { return speicherfehler_; }
    // Rows of the last decomposition with a negative pivot.
    long NegativePivots() const;
    // fGesamt = fKnoten + fErsatz, then the solution into u; false after
    // "Speicherfehler !".
    bool Loesen();
    // A solution with the decomposed K for other vectors: on entry u holds
    // the prescribed displacements and f the loads (see
    // GleichungssystemLoesen); false when the sparse solver runs short of
    // memory.
    bool LoesenMit(double* u, double* f);
    // Nodal forces from the stiffness kept by the last assembly, the
    // solution into the model, element end forces.
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
        PMatrix* k = nullptr;             // profile solver
        Elementmatrizen elementmatrizen;  // what its end forces need
        DMatrix* kDuenn = nullptr;        // sparse solver of large models
        std::unique_ptr<DuennZerlegung> zerlegung;
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
    Modellfolge folge_;  // the model's records in chain order
    long teilungen_ = -1;
    Arbeitsdaten daten_;
    bool duenn_ = false;
    bool speicherfehler_ = false;
};

// The run by first-order theory of a System.  Everything is reported to
// `bericht`; returns true when the run completed (results are in the System).
bool TheorieIOrdnungBerechnen(System& system, const Kataloge& kataloge, Berichtsempfaenger& bericht);
