#include "files/massstab.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "files/sicher_schreiben.h"

Massstabeinstellungen Massstaebe;

namespace {

const char* const VORGABEN[MASSSTAB_FELDER] = {"1", "1", "1", "20", "50", "0", "0"};
const char* const BESCHRIFTUNGEN[MASSSTAB_FELDER] = {"Schnittkraft", "Streckenlast", "Punktlast", "Verschiebung",
                                                     "System",       "x",            "y"};
// The order of the values in the scale file.
const int DATEIREIHENFOLGE[MASSSTAB_FELDER] = {MASSSTAB_SYSTEM,       MASSSTAB_VERSCHIEBUNG, MASSSTAB_PUNKTLAST,
                                               MASSSTAB_STRECKENLAST, MASSSTAB_SCHNITTKRAFT, MASSSTAB_POSITION_X,
                                               MASSSTAB_POSITION_Y};

bool Gueltig(int feld) { return feld >= 0 && feld < MASSSTAB_FELDER; }

void Benachrichtigen() { AenderungMelden(nullptr, AENDERUNG_MASSSTAB); }

}  // namespace

void Massstabeinstellungen::Vorgaben() {
    for (int i = 0; i < MASSSTAB_FELDER; ++i) texte_[i] = VORGABEN[i];
}

const std::string& Massstabeinstellungen::Text(int feld) const {
    static const std::string leer;
    return Gueltig(feld) ? texte_[feld] : leer;
}

void Massstabeinstellungen::Setzen(int feld, const std::string& text) {
    if (!Gueltig(feld)) return;
    // Each value is one token of the scale file: a blank inside it would
    // move every later value.
    const char* trenner = " \t\n\r\v\f";
    size_t anfang = text.find_first_not_of(trenner);
    std::string t = anfang == std::string::npos ? "" : text.substr(anfang, text.find_first_of(trenner, anfang) - anfang);
    if (t.size() > MASSSTAB_TEXT_MAX) t.resize(MASSSTAB_TEXT_MAX);
    texte_[feld] = t;
}

void Massstabeinstellungen::ZahlSetzen(int feld, double wert) {
    char text[64];
    snprintf(text, sizeof text, "%.2f", wert);
    Setzen(feld, text);
}

double Massstabeinstellungen::Wert(int feld) const { return Gueltig(feld) ? atof(texte_[feld].c_str()) : 0.0; }

const char* MassstabBeschriftung(int feld) { return Gueltig(feld) ? BESCHRIFTUNGEN[feld] : ""; }

std::string MassstabDateiname(const char* systempfad) {
    std::string pfad = systempfad ? systempfad : "";
    const std::string endung = ".sysdat";
    if (pfad.size() >= endung.size() && pfad.compare(pfad.size() - endung.size(), endung.size(), endung) == 0)
        pfad.resize(pfad.size() - endung.size());
    return pfad + ".massdat";
}

bool MassstabLesen(const char* systempfad) {
    std::string datei = MassstabDateiname(systempfad);
    FILE* f = fopen(datei.c_str(), "r");
    Massstaebe.Vorgaben();
    if (!f) {
        MeldungFormatiert("Datei %s konnte nicht geladen werden ", datei.c_str());
        Benachrichtigen();
        return false;
    }
    static_assert(MASSSTAB_TEXT_MAX == 63, "the fscanf width below");
    int gelesen = 0;
    char token[MASSSTAB_TEXT_MAX + 1];
    // Cut overlong tokens: read at most MASSSTAB_TEXT_MAX bytes, then skip
    // the rest of the token.
    while (gelesen < MASSSTAB_FELDER && fscanf(f, "%63s%*[^ \t\n\r\v\f]", token) == 1)
        Massstaebe.Setzen(DATEIREIHENFOLGE[gelesen++], token);
    fclose(f);
    Benachrichtigen();
    return gelesen == MASSSTAB_FELDER;
}

bool MassstabSchreiben(const char* systempfad) {
    std::string datei = MassstabDateiname(systempfad);
    SichereDatei ziel(datei);
    bool gut = ziel.Oeffnen() != nullptr;
    if (gut) {
        for (int feld : DATEIREIHENFOLGE) {
            // An empty input counts as 0 and must still fill its line.
            const std::string& t = Massstaebe.Text(feld);
            fprintf(ziel.Datei(), "%s\n", t.empty() ? "0" : t.c_str());
        }
        gut = ziel.Abschliessen();
    }
    if (!gut) MeldungFormatiert("Maßstab konnte nicht geschrieben werden ! [%s]"_l1, datei.c_str());
    return gut;
}
