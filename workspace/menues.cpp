// Menu tables of the main window and the bar pop-up menu.
#include "workspace/menues.h"

#include <cstdio>

#include "core/latin1.h"
#include "files/uebersetzen.h"

namespace {

using V = std::vector<Menueeintrag>;

}  // namespace

const V& ProgrammMenue() {
    static const V t = {
        {nullptr, " Info", false, menue::Info},
        {" %s%%l", "Hilfe", true, menue::Hilfe},
        {" %s", "Beenden", true, menue::Beenden},
    };
    return t;
}

const V& DatenbankMenue() {
    static const V t = {
        {" %s%%l%%x4 ", "neues Projekt", true, menue::NeuesProjekt},
        {" %s %%x1%%m", "System", true, menue::System},
        {" %s %%x3", "Material", true, menue::Material},
        {" %s %%x5", "Querschnitte", true, menue::Querschnitte},
    };
    return t;
}

const V& SystemUntermenue() {
    static const V t = {
        {" %s%%x10%%l", "neues System", true, menue::NeuesSystem},
        {" %s%%x11", "System öffnen"_l1, true, menue::SystemOeffnen},
        {" %s%%x12", "System sichern", true, menue::SystemSichern},
        {" %s%%x13%%l", "System sichern als ...", true, menue::SystemSichernAls},
        {nullptr, " System schließen %x14"_l1, false, menue::SystemSchliessen},
    };
    return t;
}

const V& BearbeitenMenue() {
    static const V t = {
        {nullptr, "Rückgängig"_l1, false, menue::Rueckgaengig},
        {nullptr, "Wiederherstellen", false, menue::Wiederherstellen},
    };
    return t;
}

const V& BerechnenMenue() {
    static const V t = {
        {nullptr, "Theorie I. Ordnung", true, menue::TheorieI},
        {nullptr, "Theorie II. Ordnung", true, menue::TheorieII},
        {nullptr, "Umhüllende aller Kombinationen"_l1, true, menue::Umhuellende},
        {nullptr, "Umhüllende nach Theorie II. Ordnung"_l1, true, menue::UmhuellendeII},
    };
    return t;
}

const V& TabellenMenue() {
    static const V t = {
        {nullptr, "Stäbe"_l1, true, menue::Staebe},
        {nullptr, "Punkte", true, menue::Punkte},
    };
    return t;
}

const V& AusgabeMenue() {
    static const V t = {
        {nullptr, " Bildschirm, alle Stäbe"_l1, false, menue::BildschirmAlle},
        {nullptr, " Bildschirm, markierte Stäbe"_l1, false, menue::BildschirmMarkierte},
        {nullptr, " Ausgabe", false, menue::Exportieren},
    };
    return t;
}

const V& EinstellungenMenue() {
    static const V t = {
        {nullptr, "Raster / Fang", true, menue::RasterFang},
        {nullptr, "Stab erzeugen", true, menue::StabErzeugen},
        {nullptr, "Pfade", true, menue::Pfade},
        {nullptr, "FG auch an biegesteifen Verbindungen", true, menue::FgBiegesteif},
        {nullptr, "Prozessor", true, menue::Prozessor},
    };
    return t;
}

const V& StabMenue() {
    static const V t = {
        {"%s %%l", "STAB", true, menue::Titel},
        {nullptr, "Geometrie / Topologie", false, menue::Geometrie},
        {nullptr, "Material / Querschnitt", false, menue::Zuordnung},
        {nullptr, "Schnittkräfte / Verschiebungen"_l1, false, menue::Ergebnisse},
        {nullptr, "Freiheitsgrade", true, menue::Freiheitsgrade},
        {nullptr, "Belastung", true, menue::Belastung},
        {nullptr, "Belastung kopieren", true, menue::BelastungKopieren},
        {nullptr, " Stab teilen%m%l", false, menue::Teilen},
        {"%s %%m", "Löschen"_l1, true, menue::Loeschen},
    };
    return t;
}

const V& StabTeilenUntermenue() {
    static const V t = {
        {nullptr, " 2 x %x20", false, menue::Teilen2},
        {nullptr, " 3 x %x21", false, menue::Teilen3},
        {nullptr, " 4 x %x22", false, menue::Teilen4},
    };
    return t;
}

const V& LoeschenUntermenue() {
    static const V t = {
        {"%s %%x30", "Quittieren", true, menue::LoeschenQuittieren},
        {"%s %%x31", "Abbruch", true, menue::LoeschenAbbruch},
    };
    return t;
}

std::string Eintragstext(const Menueeintrag& eintrag) {
    const char* text = eintrag.Text ? eintrag.Text : "";
    if (eintrag.Uebersetzt) text = Uebersetzen(text);
    if (!eintrag.Format) return text;
    // The format is ours; only the text may bring a stray '%'.
    std::string sicher;
    for (const char* c = text; *c; ++c) {
        sicher += *c;
        if (*c == '%') sicher += '%';
    }
    int n = std::snprintf(nullptr, 0, eintrag.Format, sicher.c_str());
    std::string ergebnis(n > 0 ? n : 0, '\0');
    std::snprintf(ergebnis.data(), ergebnis.size() + 1, eintrag.Format, sicher.c_str());
    return ergebnis;
}

std::string BearbeitenEintrag(int wert, const std::string& aktion) {
    std::string text;
    for (const Menueeintrag& e : BearbeitenMenue())
        if (e.Wert == wert) text = e.Text;
    if (!aktion.empty()) text += ": " + aktion;
    // Through a format, so that a '%' in the action is shown, not read.
    return Eintragstext(Menueeintrag{"%s", text.c_str(), false, wert});
}

std::string Fenstertitel() { return std::string("Velko ") + PROGRAMMVERSION; }
std::string Versionstext() { return std::string("Version ") + PROGRAMMVERSION; }
