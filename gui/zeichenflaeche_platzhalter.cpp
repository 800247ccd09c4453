// Stand-ins for the canvas until its drawing code is linked in: the real
// definitions replace these weak ones without any change here.
#include "gui/zeichenflaeche.h"

__attribute__((weak)) void ZeichenflaecheErzeugen(FL_FORM*) {}
__attribute__((weak)) void SystemZeichnen() {}
__attribute__((weak)) void ZeichenflaecheAnpassen() {}
