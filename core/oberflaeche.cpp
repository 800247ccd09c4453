// The silent user interface used without a GUI, and the switch to another one.
#include "core/oberflaeche.h"

#include "core/programm.h"

namespace {

Oberflaeche stille;
Oberflaeche* aktuelle = &stille;

}  // namespace

void Oberflaeche::ModusSetzen(int modus) { Programm.Modus = modus; }

Oberflaeche* Ui() { return aktuelle; }

Oberflaeche* OberflaecheSetzen(Oberflaeche* ui) {
    Oberflaeche* vorher = aktuelle;
    aktuelle = ui ? ui : &stille;
    return vorher;
}
