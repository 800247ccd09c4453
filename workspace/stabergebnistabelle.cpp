#include "workspace/stabergebnistabelle.h"

#include <cmath>
#include <cstdio>

#include "analysis/ergebnisse.h"
#include "analysis/spannungen.h"
#include "core/latin1.h"
#include "core/systemoperationen.h"

namespace {

std::string Format(const char* format, double wert) {
    char text[64];
    std::snprintf(text, sizeof text, format, wert);
    return text;
}

using Funktion = double (*)(const Stab*, double);
using Extremfunktion = double (*)(const Stab*, double*);

std::string Zeile(const Stab& stab, Funktion f, const char* format) {
    std::string z;
    for (int i = 0; i <= 10; ++i) z += Format(format, f(&stab, i / 10.0));
    return z;
}

bool IstSpannung(Stabtabelle art) { return art == Stabtabelle::Normalspannungen || art == Stabtabelle::Schubspannungen; }

// The rows of a stress table at t = i/9; rows stay empty without results
// (no stresses without forces), and a missing cross-section is said.
void SpannungenEintragen(const Stab& stab, Stabtabelle art, Stabtabelleninhalt& t) {
    const bool normal = art == Stabtabelle::Normalspannungen;
    const char* einheit = "[N/mm²]"_l1;
    if (normal) {
        t.Titel[0] = "oben";
        t.Titel[1] = "unten";
        t.Einheiten[0] = t.Einheiten[1] = einheit;
    } else {
        t.Titel[0] = "tau";
        t.Einheiten[0] = einheit;
    }
    if (!stab.Ergebnisse || stab.Ergebnisse->next == stab.Ergebnisse) return;
    const Querschnitt* q = QuerschnittSuchen(stab.Querschnitt);
    if (!q || !(q->Flaeche > 0.0)) {
        t.Zeilen[0] = " kein Querschnitt mit A > 0 !";
        return;
    }
    bool ohneRandabstand = false;
    for (int i = 0; i < 10; ++i) {
        Spannungen sp;
        SpannungenAn(&stab, i / 9.0, sp);
        ohneRandabstand = sp.OhneRandabstand;
        if (normal) {
            t.Zeilen[0] += Format(" %8.2f ", sp.SigmaOben);
            t.Zeilen[1] += Format(" %8.2f ", sp.SigmaUnten);
        } else {
            t.Zeilen[0] += Format(" %8.2f ", sp.TauMittel);
        }
    }
    if (!normal)
        t.Zeilen[1] = " Mittelwert tau = Q / A über den Querschnitt"_l1;
    else if (ohneRandabstand)
        t.Zeilen[2] = " max y = 0 : nur N / A, ohne Biegung (Randabstand fehlt)";
    else
        t.Zeilen[2] = " sigma = N / A -+ M * max y / Iz (oben: lokale +y-Seite)";
}

}  // namespace

Stabtabelleninhalt StabergebnisTabelle(const Stab& stab, Stabtabelle art) {
    Stabtabelleninhalt t;
    const double L = stab.Laenge;
    if (IstSpannung(art))
        for (int i = 0; i < 10; ++i) t.Stellen += Format(" %8.2f ", L * i / 9.0);
    else
        for (int i = 0; i <= 10; ++i) t.Stellen += Format(" %8.2f ", L * i / 10.0);
    // Without results the rows and extremes stay empty: a row of zeros
    // would read as computed values.
    const bool ergebnisse = stab.Ergebnisse && stab.Ergebnisse->next != stab.Ergebnisse;
    if (IstSpannung(art)) {
        SpannungenEintragen(stab, art, t);
    } else if (art == Stabtabelle::Schnittkraefte) {
        const char* titel[3] = {"M", "Q", "N"};
        const char* einheiten[3] = {"[kNm]", "[kN]", "[kN]"};
        const Funktion f[3] = {MomentAn, QuerkraftAn, NormalkraftAn};
        for (int i = 0; i < 3; ++i) {
            t.Titel[i] = titel[i];
            t.Einheiten[i] = einheiten[i];
            if (ergebnisse) t.Zeilen[i] = Zeile(stab, f[i], " %8.2f ");
        }
    } else if (art == Stabtabelle::Verschiebungen) {
        t.Titel[0] = "w";
        t.Titel[1] = "u";
        t.Einheiten[0] = t.Einheiten[1] = "[m]";
        if (ergebnisse) {
            t.Zeilen[0] = Zeile(stab, DurchbiegungAn, " %9.6f");
            t.Zeilen[1] = Zeile(stab, LaengsverschiebungAn, " %9.6f");
        }
    }
    if (!ergebnisse) return t;
    const Extremfunktion maxima[5] = {MaxMoment, MaxQuerkraft, MaxNormalkraft, MaxDurchbiegung,
                                      MaxLaengsverschiebung};
    const Extremfunktion minima[5] = {MinMoment, MinQuerkraft, MinNormalkraft, MinDurchbiegung,
                                      MinLaengsverschiebung};
    const char* formate[5] = {"%.3f", "%.3f", "%.3f", "%.4f", "%.6f"};
    for (int r = 0; r < 5; ++r) {
        double stelle = 0.0;
        const double max = maxima[r](&stab, &stelle);
        t.Extreme[r][0] = Format(formate[r], max);
        t.Extreme[r][1] = Format("%.3f", stelle * L);
        const double min = minima[r](&stab, &stelle);
        t.Extreme[r][2] = Format(formate[r], min);
        t.Extreme[r][3] = Format("%.3f", stelle * L);
    }
    return t;
}

Stellenwerte WerteAnStelle(const Stab& stab, Stabtabelle art, double abstand) {
    Stellenwerte w;
    const double t = abstand / stab.Laenge;
    // A bar of length 0 would give a position that is no number at all,
    // which the range test alone lets through.
    if (!(stab.Laenge > 0.0) || !std::isfinite(t) || t < 0.0 || t > 1.0) {
        w.Aendern = true;
        for (std::string& s : w.Text) s = "err";
        return w;
    }
    if (!stab.Ergebnisse || stab.Ergebnisse->next == stab.Ergebnisse) {
        w.Aendern = true;  // no results: nothing to show at any position
        return w;
    }
    if (art == Stabtabelle::Schnittkraefte) {
        w.Aendern = true;
        w.Text[0] = Format("%.3f", MomentAn(&stab, t));
        w.Text[1] = Format("%.3f", QuerkraftAn(&stab, t));
        w.Text[2] = Format("%.3f", NormalkraftAn(&stab, t));
    } else if (art == Stabtabelle::Verschiebungen) {
        w.Aendern = true;
        w.Text[0] = Format("%.7f", DurchbiegungAn(&stab, t));
        w.Text[1] = Format("%.7f", LaengsverschiebungAn(&stab, t));
    } else if (IstSpannung(art)) {
        Spannungen sp;
        if (!SpannungenAn(&stab, t, sp)) return w;  // nothing to show: the fields stay as they are
        w.Aendern = true;
        if (art == Stabtabelle::Normalspannungen) {
            w.Text[0] = Format("%.3f", sp.SigmaOben);
            w.Text[1] = Format("%.3f", sp.SigmaUnten);
        } else {
            w.Text[0] = Format("%.3f", sp.TauMittel);
        }
    }
    return w;
}
