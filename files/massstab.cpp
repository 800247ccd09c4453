#include "files/massstab.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/latin1.h"
#include "files/eingabedatei.h"
#include "files/sicher_schreiben.h"

Massstabeinstellungen Massstaebe;

namespace {

// Seven short values; anything much larger is no scale file.
constexpr std::size_t GROESSTE_MASSSTABDATEI = 64 * 1024;

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
    std::string text;
    const Einlesen e = DateiEinlesen(datei.c_str(), GROESSTE_MASSSTABDATEI, text);
    Massstaebe.Vorgaben();
    if (e != Einlesen::Gelesen) {
        MeldungFormatiert("Datei %s konnte nicht geladen werden ", datei.c_str());
        if (e == Einlesen::KeineDatei || e == Einlesen::ZuGross)
            MeldungFormatiert("Datei %s %s !", datei.c_str(), EinlesefehlerText(e));
        Benachrichtigen();
        return false;
    }
    // Overlong tokens are cut by Setzen.
    Wortleser w(text, MASSSTAB_TEXT_MAX);
    int gelesen = 0;
    bool unendlich = false;
    std::string_view wort;
    while (gelesen < MASSSTAB_FELDER && w.Wort(wort)) {
        const int feld = DATEIREIHENFOLGE[gelesen++];
        // "inf" or "nan" as a scale would put no pixel anywhere: the
        // default stays.
        if (!std::isfinite(std::atof(std::string(wort).c_str()))) {
            unendlich = true;
            continue;
        }
        // A NUL byte would end the text when it is written.
        Massstaebe.Setzen(feld, std::string(wort.substr(0, wort.find('\0'))));
    }
    if (unendlich) MeldungFormatiert("Datei %s: Werte ohne endlichen Betrag durch Vorgaben ersetzt", datei.c_str());
    Benachrichtigen();
    return gelesen == MASSSTAB_FELDER && !unendlich;
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
