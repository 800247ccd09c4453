// rahmen-schreiben FELDER GESCHOSSE DATEI: writes a generated rectangular
// frame (fixed bases, rigid joints, loaded beams) as a system file, for
// timing velko-rechnen on large structures and for its end-to-end tests.

#include <cstdio>
#include <cstdlib>

#include "bench/rahmen.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "files/systemdatei.h"

int main(int argc, char** argv) {
    if (argc != 4 || atoi(argv[1]) < 1 || atoi(argv[2]) < 1) {
        fprintf(stderr, "Aufruf: rahmen-schreiben FELDER GESCHOSSE DATEI\n");
        return 2;
    }
    SammelBericht still;
    BerichtSetzen(&still);
    Rahmenmasse masse;
    masse.Felder = atoi(argv[1]);
    masse.Geschosse = atoi(argv[2]);
    System* sys = RahmenErzeugen(masse);
    const bool geschrieben = SystemSchreiben(*sys, argv[3]);
    ProgrammZuruecksetzen();
    BerichtSetzen(nullptr);
    if (!geschrieben) {
        fprintf(stderr, "%s konnte nicht geschrieben werden\n", argv[3]);
        return 1;
    }
    return 0;
}
