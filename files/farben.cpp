#include "files/farben.h"

#include <cstdio>
#include <string>

#include "core/bericht.h"
#include "core/latin1.h"
#include "files/eingabedatei.h"
#include "files/sicher_schreiben.h"

namespace {

// 18 indices take a few dozen bytes.
constexpr std::size_t GROESSTE_FARBDATEI = 64 * 1024;

struct Rolle {
    const char* beschriftung;
    long vorgabe;
};

// Defaults as toolkit indices: 0 black, 1 red, 2 green, 3 yellow, 5 magenta,
// 6 cyan, 7 white, 16 FL_MCOL, 18 pale green.
const Rolle ROLLEN[FARBEN_ANZAHL] = {
    {"Hintergrund", 0},         {"Vordergrund", 7},           {"Punkt", 3},         {"Punktnummer", 3},
    {"Stab", 7},                {"selektierter Stab", 3},     {"Stabnummer", 1},    {"Freiheitsgrad dual", 6},
    {"Freiheitsgrad primal", 18}, {"Streckenlast", 6},        {"Punktlast", 6},     {"Lager", 18},
    {"Normalkraft", 2},         {"Querkraft", 5},             {"Moment", 1},        {"Raster", 16},
    {"Verschiebung", 1},        {"Feder", 3},
};

unsigned long IndexAlsPixel(long index) { return static_cast<unsigned long>(index); }

Pixelermittlung ermittlung = IndexAlsPixel;

Farbeinstellungen Vorgabewerte() {
    Farbeinstellungen f{};
    for (int i = 0; i < FARBEN_ANZAHL; ++i) {
        f.Index[i] = ROLLEN[i].vorgabe;
        f.Pixel[i] = IndexAlsPixel(ROLLEN[i].vorgabe);
    }
    return f;
}

bool Gueltig(int rolle) { return rolle >= 0 && rolle < FARBEN_ANZAHL; }

}  // namespace

Farbeinstellungen Farben = Vorgabewerte();

const char* FarbBeschriftung(int rolle) { return Gueltig(rolle) ? ROLLEN[rolle].beschriftung : ""; }

long FarbVorgabe(int rolle) { return Gueltig(rolle) ? ROLLEN[rolle].vorgabe : 0; }

void PixelermittlungSetzen(Pixelermittlung neu) {
    ermittlung = neu ? neu : IndexAlsPixel;
    for (int i = 0; i < FARBEN_ANZAHL; ++i) Farben.Pixel[i] = ermittlung(Farben.Index[i]);
}

void FarbeSetzen(int rolle, long index) {
    if (!Gueltig(rolle) || index < 0 || index >= FARBINDEX_GRENZE) return;
    Farben.Index[rolle] = index;
    Farben.Pixel[rolle] = ermittlung(index);
}

void FarbenVorgaben() {
    for (int i = 0; i < FARBEN_ANZAHL; ++i) FarbeSetzen(i, ROLLEN[i].vorgabe);
}

bool FarbenLesen(const char* pfad) {
    std::string text;
    const Einlesen e = DateiEinlesen(pfad, GROESSTE_FARBDATEI, text);
    if (e != Einlesen::Gelesen) {
        MeldungFormatiert("Datei %s konnte nicht geöffnet werden !"_l1, pfad ? pfad : "");
        if (e == Einlesen::KeineDatei || e == Einlesen::ZuGross)
            MeldungFormatiert("Datei %s %s !", pfad, EinlesefehlerText(e));
        return false;
    }
    // All or nothing: a file with anything but colour indices in it (a
    // binary file, a file of another kind) would paint the canvas at
    // random.  A short file of good indices sets those it has.
    long indizes[FARBEN_ANZAHL];
    int gelesen = 0;
    Wortleser w(text, 32);
    std::string_view wort;
    bool brauchbar = true;
    while (brauchbar && gelesen < FARBEN_ANZAHL && w.Wort(wort)) {
        long index = -1;
        brauchbar = !w.Zulang() && GanzzahlAusWort(wort, index) && index >= 0 && index < FARBINDEX_GRENZE;
        indizes[gelesen++] = index;
    }
    if (!brauchbar || gelesen == 0) {
        MeldungFormatiert("Datei %s enthält keine gültigen Farben, die bisherigen Farben bleiben !"_l1,
                          pfad);
        return false;
    }
    for (int i = 0; i < gelesen; ++i) FarbeSetzen(i, indizes[i]);
    return true;
}

bool FarbenSchreiben(const char* pfad) {
    SichereDatei datei(pfad ? pfad : "");
    bool gut = pfad && datei.Oeffnen() != nullptr;
    if (gut) {
        for (int i = 0; i < FARBEN_ANZAHL; ++i) fprintf(datei.Datei(), "%ld\n", Farben.Index[i]);
        gut = datei.Abschliessen();
    }
    if (!gut) {
        MeldungFormatiert("Datei %s konnte nicht geöffnet werden !"_l1, pfad ? pfad : "");
        return false;
    }
    MeldungAusgeben("Farben geschrieben.");
    return true;
}
