// What the toolkit-free operations ask of the window: the systems choice,
// the dialogs that show System settings, the canvas and the X connection.
#include <string>

#include "core/oberflaeche.h"
#include "core/programm.h"
#include "gui/anschluesse.h"
#include "gui/hauptfenster.h"
#include "gui/xforms.h"
#include "gui/zeichenflaeche.h"
#include "workspace/systemauswahl.h"

namespace {

// The choice entry of a System (1-based), or 0.
int Eintrag(long systemnummer) {
    FL_OBJECT* ob = Haupt.Systemauswahl;
    int n = fl_get_choice_maxitems(ob);
    for (int i = 1; i <= n; ++i)
        if (SystemauswahlNummer(fl_get_choice_item_text(ob, i)) == systemnummer) return i;
    return 0;
}

class FensterOberflaeche : public Oberflaeche {
public:
    void SystemEintragen(System* sys) override {
        if (!sys || !Haupt.Systemauswahl) return;
        std::string zeile = FuerAuswahlSchuetzen(SystemauswahlZeile(sys));
        fl_addto_choice(Haupt.Systemauswahl, zeile.c_str());
        fl_set_choice(Haupt.Systemauswahl, fl_get_choice_maxitems(Haupt.Systemauswahl));
    }
    void SystemAustragen(System* sys) override {
        if (!sys || !Haupt.Systemauswahl) return;
        if (int i = Eintrag(sys->Systemnummer)) fl_delete_choice(Haupt.Systemauswahl, i);
    }
    void SystemUmbenennen(System* sys) override {
        if (!sys || !Haupt.Systemauswahl) return;
        if (int i = Eintrag(sys->Systemnummer)) {
            std::string zeile = FuerAuswahlSchuetzen(SystemauswahlZeile(sys));
            fl_replace_choice(Haupt.Systemauswahl, i, zeile.c_str());
        }
    }
    void SystemAuswahlZeigen(System*) override { SystemauswahlAbgleichen(); }
    void SystemdialogeAktualisieren() override {
        StabteilungenAktualisieren();
        ::LastfalllisteFuellen();
        ::KombinationslisteFuellen();
        SystemdialogeErgaenzen();
        SystemauswahlAbgleichen();
    }
    void LastfalllistenLeeren() override { ::LastfalllistenLeeren(); }
    void LastfalllisteFuellen() override { ::LastfalllisteFuellen(); }
    void KombinationslisteFuellen() override { ::KombinationslisteFuellen(); }
    void ModusSetzen(int modus) override {
        Oberflaeche::ModusSetzen(modus);
        CursorSetzen(modus);
    }
    void SystemZeichnen() override { ::SystemZeichnen(); }
    void Flush() override {
        if (Display* d = fl_get_display()) XFlush(d);
    }
    void ZuordnungsdialogOeffnen(Stab* stab) override { ::ZuordnungsdialogOeffnen(stab); }
    void EingabedialogVerbergen() override { ::EingabedialogVerbergen(); }
};

}  // namespace

void OberflaecheAnschliessen() {
    static FensterOberflaeche ui;
    OberflaecheSetzen(&ui);
}
