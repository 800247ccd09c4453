// Start-up of the program window and the event loop.
#include <clocale>
#include <cstdlib>

#include "core/latin1.h"
#include "core/programm.h"
#include "files/kataloge.h"
#include "files/pfade.h"
#include "files/systemdatei.h"
#include "gui/auffrischung.h"
#include "gui/hauptfenster.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/zeichenflaeche.h"
#include "output/druckauftrag.h"
#include "workspace/kommandozeile.h"
#include "workspace/menues.h"

namespace {

void DeutscheBeschriftungen() {
    fl_set_resource(FLAlertDismissLabel, "OK");
    fl_set_resource(FLAlertTitle, "Hinweis");
    fl_set_resource(FLQuestionYesLabel, "Ja");
    fl_set_resource(FLQuestionNoLabel, "Nein");
    fl_set_resource(FLQuestionTitle, "Frage");
    fl_set_resource(FLOKLabel, "OK");
    fl_set_resource(FLInputCancelLabel, "Abbrechen");
    fl_set_resource(FLInputClearLabel, "Löschen"_l1);
    fl_set_resource(FLInputTitle, "Eingabe");
    fl_set_resource(FLChoiceTitle, "Auswahl");
}

// A 24-bit TrueColor visual: the default of some servers is a 32-bit one
// whose pop-ups do not show in screenshots of the root window.
void VisualWaehlen() {
    FL_IOPT optionen{};
    optionen.vclass = TrueColor;
    optionen.depth = 24;
    fl_set_defaults(FL_PDVisual | FL_PDDepth, &optionen);
}

int HauptfensterAtclose(FL_FORM*, void*) {
    ProgrammBeenden();
    return FL_IGNORE;
}

// Children started for printing, preview and help are collected now and then.
void KinderTimeout(int, void*) {
    KinderEinsammeln();
    fl_add_timeout(2000, KinderTimeout, nullptr);
}

void StartFortsetzen() {
    MaterialienLesen();
    QuerschnitteLesen();
    Programm.Modus = 0;
    fl_set_fselector_placement(FL_PLACE_CENTER);
    FarbenEinrichten();
    HauptfensterEinrichten(Haupt.Form);
    HauptfensterZeigen();
    MenuesAufbauen();
    InfoEinrichten();
    ZeichenflaecheErzeugen(Haupt.Form);
    WerkzeugfensterPlatzieren();
}

}  // namespace

int main(int argc, char** argv) {
    VisualWaehlen();
    if (!fl_initialize(&argc, argv, PROGRAMMVERSION, nullptr, 0)) return 1;
    // Numbers in files, dialogs and listings always use the decimal point;
    // nothing else of the user's locale is taken over.
    std::setlocale(LC_NUMERIC, "C");
    Kommandozeile kommandozeile = KommandozeileAuswerten(argc, argv);
    DeutscheBeschriftungen();

    // Tooltips: black on light yellow.
    fl_mapcolor(271, 255, 255, 204);
    fl_set_tooltip_color(FL_BLACK, 271);
    fl_set_font_name(17, "-*-lucidatypewriter-medium-r-*-*-*-120-*-*-*-*-iso8859-1");
    TooltipsInitialisieren();

    HauptformErzeugen();
    fl_set_form_atclose(Haupt.Form, HauptfensterAtclose, nullptr);
    MeldungslisteAnschliessen();
    AuffrischungAnschliessen();
    DialogeErzeugen();

    if (!PfadeLesen()) ErststartDialog();
    StartFortsetzen();
    // Also after the first-run dialog: the file the user named is opened.
    if (kommandozeile.Systemdatei) SystemOeffnen(kommandozeile.Systemdatei);
    // For the tests of the exit question: the System opened from the command
    // line counts as changed.
    if (std::getenv("VELKO_TESTAENDERUNG") && Aktuell()) ++Aktuell()->Aenderungen;
    fl_add_timeout(2000, KinderTimeout, nullptr);
    // The loop hands back objects without a callback of their own (inputs
    // the user left, radio buttons); their values are read when needed.
    for (;;) fl_do_forms();
}
