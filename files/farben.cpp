#include "files/farben.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "core/bericht.h"
#include "files/sicher_schreiben.h"

namespace {

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
    FILE* f = pfad ? fopen(pfad, "r") : nullptr;
    if (!f) {
        MeldungFormatiert("Datei %s konnte nicht geöffnet werden !", pfad ? pfad : "");
        return false;
    }
    for (int i = 0; i < FARBEN_ANZAHL; ++i) {
        char token[64];
        if (fscanf(f, "%63s", token) != 1) break;
        char* ende = nullptr;
        errno = 0;
        long index = strtol(token, &ende, 10);
        if (*ende != '\0' || errno == ERANGE) break;  // the rest of a damaged file is ignored
        FarbeSetzen(i, index);
    }
    fclose(f);
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
        MeldungFormatiert("Datei %s konnte nicht geöffnet werden !", pfad ? pfad : "");
        return false;
    }
    MeldungAusgeben("Farben geschrieben.");
    return true;
}
