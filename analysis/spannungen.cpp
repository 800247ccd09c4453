#include "analysis/spannungen.h"

#include "analysis/ergebnisse.h"
#include "core/systemoperationen.h"

bool SpannungenAus(double n, double q, double m, const Querschnitt& qs, Spannungen& e) {
    e = Spannungen{};
    if (!(qs.Flaeche > 0.0)) return false;
    constexpr double JE_MM2 = 1.0 / 1000.0;  // kN/m^2 -> N/mm^2
    const double mittel = n / qs.Flaeche;
    e.OhneRandabstand = !(qs.MaxY > 0.0) || !(qs.Traegheitsmoment > 0.0);
    const double biegung = e.OhneRandabstand ? 0.0 : m * qs.MaxY / qs.Traegheitsmoment;
    e.SigmaOben = (mittel - biegung) * JE_MM2;
    e.SigmaUnten = (mittel + biegung) * JE_MM2;
    e.TauMittel = q / qs.Flaeche * JE_MM2;
    return true;
}

bool SpannungenAn(const Stab* stab, double t, Spannungen& e) {
    e = Spannungen{};
    if (!stab || !stab->Ergebnisse || stab->Ergebnisse->next == stab->Ergebnisse) return false;
    const Querschnitt* qs = QuerschnittSuchen(stab->Querschnitt);
    if (!qs) return false;
    return SpannungenAus(NormalkraftAn(stab, t), QuerkraftAn(stab, t), MomentAn(stab, t), *qs, e);
}
