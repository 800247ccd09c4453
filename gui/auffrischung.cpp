// The refresh of the window after each event.
#include "gui/auffrischung.h"

#include "core/aenderungen.h"
#include "core/programm.h"
#include "gui/hauptfenster.h"
#include "gui/lasten.h"
#include "gui/systeme.h"
#include "gui/werkzeugfenster.h"
#include "gui/xforms.h"
#include "gui/zeichenflaeche.h"

namespace {

class Auffrischung : public Aenderungsempfaenger {
public:
    void Geaendert(const System* system, unsigned arten) override {
        satz_.Hinzufuegen(system, arten);
        Vormerken();
    }
    void SystemGeloescht(const System* system) override {
        satz_.SystemEntfernen(system);
        // The load editor works on the System's records; it closes before
        // they are freed, and the lists of "Lastfälle" empty.
        LastfalllistenLeeren();
        // Nothing may keep showing a System that is gone.
        if (Programm.AktuellesSystem == system) {
            Programm.AktuellesSystem = nullptr;
            systemwechsel_ = true;
        }
        if (gezeigt_ == system) gezeigt_ = nullptr;
        Vormerken();
    }

    void Vormerken() {
        if (vorgemerkt_ || beendet_) return;
        vorgemerkt_ = true;
        fl_add_timeout(0, [](int, void* selbst) { static_cast<Auffrischung*>(selbst)->Ausfuehren(); }, this);
    }
    void Systemwechsel() {
        systemwechsel_ = true;
        Vormerken();
    }
    void Beenden() { beendet_ = true; }

private:
    void Ausfuehren() {
        vorgemerkt_ = false;
        if (beendet_) return;
        const Aenderungssatz satz = satz_;
        satz_ = Aenderungssatz{};
        System* sys = Programm.AktuellesSystem;
        const bool wechsel = systemwechsel_ || sys != gezeigt_;
        systemwechsel_ = false;
        gezeigt_ = sys;

        if (wechsel || (satz.Arten() & (AENDERUNG_SYSTEME | AENDERUNG_DATEI))) SystemauswahlAufbauen();
        if (wechsel) {
            SystemdialogeAktualisieren();
        } else {
            const unsigned arten = satz.ArtenVon(sys);
            if (arten & AENDERUNG_RASTER) SystemdialogeErgaenzen();
            if (arten & AENDERUNG_TEILUNG) StabteilungenAktualisieren();
        }
        if (satz.Arten() & AENDERUNG_MASSSTAB) MassstabfensterAktualisieren();
        ModusAbgleichen();

        // The change set of this event is complete here.  Results that the
        // set makes invalid (satz.ErgebnisseBetroffen(), by System) and the
        // end of an undo step (satz.Arten() & BEARBEITUNG) belong here.

        ZeichenflaecheZeichnen();
    }

    Aenderungssatz satz_;
    const System* gezeigt_ = nullptr;
    bool vorgemerkt_ = false;
    bool systemwechsel_ = false;
    bool beendet_ = false;
};

Auffrischung auffrischung;

}  // namespace

void AuffrischungAnschliessen() { AenderungsempfaengerSetzen(&auffrischung); }

void AuffrischungBeenden() {
    auffrischung.Beenden();
    AenderungsempfaengerSetzen(nullptr);
}

void NeuZeichnen() { auffrischung.Vormerken(); }

void SystemwechselMelden() { auffrischung.Systemwechsel(); }
