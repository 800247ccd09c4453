// The program-wide state and its reset.
#include "core/programm.h"

#include "core/systemoperationen.h"

Programmzustand Programm;

void ProgrammZuruecksetzen() {
    while (Programm.Systeme && Programm.Systeme->next != Programm.Systeme)
        SystemLoeschen(static_cast<System*>(Programm.Systeme->next->element));
    if (Programm.Systeme) KetteLoeschen(Programm.Systeme);

    if (Programm.Materialien) {
        for (Material* m : Elemente<Material>(Programm.Materialien)) delete m;
        KetteLoeschen(Programm.Materialien);
    }
    if (Programm.Querschnitte) {
        for (Querschnitt* q : Elemente<Querschnitt>(Programm.Querschnitte)) delete q;
        KetteLoeschen(Programm.Querschnitte);
    }
    Programm = Programmzustand{};
}
