// The seven values of the scale window and the scale file "<system>.massdat"
// that stores them beside the system file.
//
// The values are kept as the texts the user typed; the drawing reads them
// as numbers the way atof does (text that is no number counts as 0).
#pragma once

#include <cstddef>
#include <string>

// The inputs in window order (top to bottom, then the position).
enum Massstabfeld : int {
    MASSSTAB_SCHNITTKRAFT = 0,
    MASSSTAB_STRECKENLAST,
    MASSSTAB_PUNKTLAST,
    MASSSTAB_VERSCHIEBUNG,
    MASSSTAB_SYSTEM,
    MASSSTAB_POSITION_X,
    MASSSTAB_POSITION_Y,
    MASSSTAB_FELDER
};

// Longest text kept per input.
constexpr std::size_t MASSSTAB_TEXT_MAX = 63;

class Massstabeinstellungen {
public:
    Massstabeinstellungen() { Vorgaben(); }
    // "1", "1", "1", "20", "50" for the scales, "0", "0" for the position.
    void Vorgaben();
    const std::string& Text(int feld) const;
    // Takes a typed text: surrounding blanks and anything after the first
    // blank or line break are dropped, and it is cut to MASSSTAB_TEXT_MAX.
    void Setzen(int feld, const std::string& text);
    // A number written back by zoom and pan ("%.2f").
    void ZahlSetzen(int feld, double wert);
    double Wert(int feld) const;

    double Schnittkraft() const { return Wert(MASSSTAB_SCHNITTKRAFT); }
    double Streckenlast() const { return Wert(MASSSTAB_STRECKENLAST); }
    double Punktlast() const { return Wert(MASSSTAB_PUNKTLAST); }
    double Verschiebung() const { return Wert(MASSSTAB_VERSCHIEBUNG); }
    double System() const { return Wert(MASSSTAB_SYSTEM); }
    double PositionX() const { return Wert(MASSSTAB_POSITION_X); }
    double PositionY() const { return Wert(MASSSTAB_POSITION_Y); }

private:
    std::string texte_[MASSSTAB_FELDER];
};

// The values the scale window shows and the drawing uses.
extern Massstabeinstellungen Massstaebe;

// Label of an input: "Schnittkraft", "Streckenlast", "Punktlast",
// "Verschiebung", "System", "x", "y".
const char* MassstabBeschriftung(int feld);

// "<system file path without .sysdat>.massdat"; a path that does not end in
// ".sysdat" keeps its whole name.
std::string MassstabDateiname(const char* systempfad);

// Reads the scale file of a system file into `Massstaebe`.  When it cannot
// be opened: reports "Datei %s konnte nicht geladen werden " and sets the
// defaults.  Values missing from a short file take their defaults.  Returns
// true when all seven values were read.
bool MassstabLesen(const char* systempfad);
// Writes the scale file through a temporary file; on failure reports
// "Maßstab konnte nicht geschrieben werden ! [%s]" and keeps the old file.
bool MassstabSchreiben(const char* systempfad);
