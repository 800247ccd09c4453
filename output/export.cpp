// Export, print and preview of a System.
#include "output/export.h"

#include <cmath>
#include <cstdlib>

#include "core/bericht.h"
#include "core/datenmodell.h"
#include "core/latin1.h"
#include "files/ausgabepruefung.h"
#include "files/pfade.h"
#include "files/sicher_schreiben.h"
#include "output/druckauftrag.h"
#include "output/druckoptionen.h"
#include "output/liste.h"
#include "output/pdf.h"
#include "output/plot.h"
#include "output/tabellen_ergebnisse.h"

namespace {

void PlotExportieren(FILE* datei, System& system) { PlotSchreiben(datei, &system, Druckeinstellungen); }
void TabelleExportieren(FILE* datei, System& system) { TabelleAusgeben(datei, &system); }
void ListeExportieren(FILE* datei, System& system) { ListeAusgeben(datei, &system, system.Staebe); }
void UmhuellendeExportieren(FILE* datei, System& system) {
    if (system.Huelle) UmhuellendeAusgeben(datei, *system.Huelle);
}

// Writes a format through a temporary file beside `pfad`; `fehler` is the
// result of a failure (the file could not be written).
Exportergebnis FormatSchreiben(System& system, int format, const std::string& pfad, Exportergebnis fehler) {
    SichereDatei datei(pfad);
    FILE* f = datei.Oeffnen();
    if (!f) return fehler;
    if (Exportformate[format].AlsPdf) {
        switch (PdfSchreiben(datei, [&](FILE* ps) { return PlotSchreiben(ps, &system, Druckeinstellungen); })) {
        case PdfErgebnis::Geschrieben:
        case PdfErgebnis::KeineSeiten: break;
        case PdfErgebnis::KeinGhostscript: return Exportergebnis::KeinGhostscript;
        case PdfErgebnis::Umwandlungsfehler: return Exportergebnis::PdfFehler;
        case PdfErgebnis::Dateifehler: return fehler;
        }
    } else {
        Exportformate[format].Schreiber(f, system);
    }
    return datei.Abschliessen() ? Exportergebnis::Geschrieben : fehler;
}

Exportergebnis Pruefen(const System* system, int format) {
    if (format < 0 || format >= ExportformatAnzahl()) return Exportergebnis::KeinFormat;
    if (!system) return Exportergebnis::KeinSystem;
    // Refused before a file is touched: an empty table would pass for an
    // envelope without any extremes.
    if (Exportformate[format].BrauchtUmhuellende && !system->Huelle) return Exportergebnis::KeineUmhuellende;
    return Exportergebnis::Geschrieben;
}

}  // namespace

const Exportformat Exportformate[] = {
    {PlotExportieren, "PostScript", "*.ps", true},
    {TabelleExportieren, "Tab Delimited", "*.tab", false},
    {ListeExportieren, "Liste aller Stäbe"_l1, "*.list", false},
    {PlotExportieren, "PDF", "*.pdf", true, true},
    {UmhuellendeExportieren, "Umhüllende"_l1, "*.tab", false, false, true},
    {nullptr, "", "", false},
};

int ExportformatAnzahl() {
    int n = 0;
    while (Exportformate[n].Name[0]) ++n;
    return n;
}

std::string Druckkommando = "lpr";

Exportergebnis InDateiExportieren(System* system, int format, const char* pfad, std::string* konflikt) {
    Exportergebnis e = Pruefen(system, format);
    if (e != Exportergebnis::Geschrieben) return e;
    if (!pfad || !*pfad) return Exportergebnis::KeinDateiname;
    const std::string meldung = AusgabenPruefen(GeschuetzteDateien(nullptr), {pfad});
    if (!meldung.empty()) {
        if (konflikt) *konflikt = meldung;
        return Exportergebnis::Ueberschreibt;
    }
    e = FormatSchreiben(*system, format, pfad, Exportergebnis::DateiFehler);
    if (e != Exportergebnis::Geschrieben) return e;
    MeldungFormatiert("Datei %s geschrieben ", pfad);
    return Exportergebnis::Geschrieben;
}

Exportergebnis Drucken(System* system, int format, const char* kommando, std::string* druckfehler) {
    Exportergebnis e = Pruefen(system, format);
    if (e != Exportergebnis::Geschrieben) return e;
    Druckkommando = kommando ? kommando : "";
    if (Druckkommando.size() > static_cast<std::size_t>(DRUCKKOMMANDO_MAX)) Druckkommando.resize(DRUCKKOMMANDO_MAX);
    const std::string pfad = Pfade.Tempverzeichnis + "/tmp";
    e = FormatSchreiben(*system, format, pfad, Exportergebnis::TempFehler);
    if (e != Exportergebnis::Geschrieben) return e;
    Druckergebnis d = DruckauftragAusfuehren(pfad.c_str(), Druckkommando.c_str());
    if (d == Druckergebnis::Gestartet) return Exportergebnis::Geschrieben;
    if (druckfehler) *druckfehler = DruckergebnisText(d);
    return Exportergebnis::Druckfehler;
}

void ExportergebnisText(Exportergebnis ergebnis, const char** zeile1, const char** zeile2) {
    *zeile2 = "";
    switch (ergebnis) {
    case Exportergebnis::Geschrieben: *zeile1 = ""; break;
    case Exportergebnis::KeinFormat: *zeile1 = "kein Export-Format ausgewählt"_l1; break;
    case Exportergebnis::KeinSystem: *zeile1 = "kein System definiert !"; break;
    case Exportergebnis::KeinDateiname:
        *zeile1 = "kein Dateiname zum";
        *zeile2 = "Exportieren ausgewählt "_l1;
        break;
    case Exportergebnis::DateiFehler: *zeile1 = "Fehler beim Öffnen der Datei"_l1; break;
    case Exportergebnis::TempFehler: *zeile1 = "Fehler beim Öffnen der tmp. Datei"_l1; break;
    case Exportergebnis::Druckfehler: *zeile1 = "Fehler beim Drucken !"; break;
    case Exportergebnis::KeinGhostscript: *zeile1 = PdfErgebnisText(PdfErgebnis::KeinGhostscript); break;
    case Exportergebnis::PdfFehler: *zeile1 = PdfErgebnisText(PdfErgebnis::Umwandlungsfehler); break;
    case Exportergebnis::Ueberschreibt:
        *zeile1 = "Die Datei darf nicht";
        *zeile2 = "überschrieben werden !"_l1;
        break;
    case Exportergebnis::KeineUmhuellende:
        *zeile1 = "keine Umhüllende berechnet !"_l1;
        *zeile2 = "(Berechnen - Umhüllende aller Kombinationen)"_l1;
        break;
    }
}

bool PsVorschau(System* system) {
    const std::string pfad = Pfade.Tempverzeichnis + "/tmp.ps";
    SichereDatei datei(pfad);
    FILE* f = datei.Oeffnen();
    if (f) PlotSchreiben(f, system, Druckeinstellungen);
    // A plot cut short by a full disk is reported like one never opened:
    // the viewer would show an incomplete document.
    if (!f || !datei.Abschliessen()) {
        MeldungAusgeben("Temporäre PS-Datei konnte nicht geschrieben werden ! "_l1);
        return false;
    }
    MeldungAusgeben("Vorschau ...");
    if (Pfade.PsBetrachter.empty()) {
        MeldungAusgeben("PS - Viewer konnte nicht geladen werden ! ");
        return false;
    }
    switch (ProgrammStarten({Pfade.PsBetrachter, pfad})) {
    case Startergebnis::Gestartet: return true;
    case Startergebnis::KeinProzess: MeldungAusgeben("fork error !"); break;
    case Startergebnis::NichtAusfuehrbar:
        // Said rather than passed over: otherwise the user waits for a
        // viewer that never comes.
        MeldungFormatiert("PS - Viewer konnte nicht geladen werden ! '%s' ist nicht ausführbar."_l1,
                          Pfade.PsBetrachter.c_str());
        break;
    }
    return false;
}

double PlotmassstabLesen(const char* text, double bisher) {
    double wert = text ? std::atof(text) : 0.0;
    return std::isfinite(wert) ? wert : bisher;
}
