// The refresh of the window after each event.
#include "gui/auffrischung.h"

#include <string>

#include "core/aenderungen.h"
#include "core/programm.h"
#include "core/verlauf.h"
#include "gui/hauptfenster.h"
#include "gui/lasten.h"
#include "gui/rueckgaengig.h"
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

    void Benennen(const char* aktion) {
        if (aktion_.empty() && aktion) aktion_ = aktion;
        // The name must not outlive its event even when nothing changed.
        Vormerken();
    }
    void Wiederhergestellt() {
        wiederhergestellt_ = true;
        Vormerken();
    }

    // The edits reported so far end one step of each System's history.
    // While a bar is drawn (modes 2 and 3) its step stays open: the start
    // point and the bar are one step, and a bar given up leaves none.
    void SchritteSchliessen() {
        const bool zeichnet = Programm.Modus == 2 || Programm.Modus == 3;
        for (const auto& [system, arten] : satz_.Systeme()) {
            const unsigned bearbeitet = arten & BEARBEITUNG;
            Verlauf* verlauf = VerlaufVon(system);
            if (!bearbeitet || !verlauf) continue;
            if (zeichnet && system == Programm.AktuellesSystem) verlauf->Vormerken(bearbeitet, aktion_);
            else verlauf->Schliessen(*system, bearbeitet, aktion_);
        }
        // A step left open while drawing closes once the drawing is over.
        if (!zeichnet && Programm.AktuellesSystem)
            if (Verlauf* verlauf = VerlaufVon(Programm.AktuellesSystem); verlauf && verlauf->SchrittOffen())
                verlauf->Schliessen(*Programm.AktuellesSystem);
        aktion_.clear();
    }

private:
    void Ausfuehren() {
        vorgemerkt_ = false;
        if (beendet_) return;
        SchritteSchliessen();
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
        // set makes invalid (satz.ErgebnisseBetroffen(), by System) belong
        // here; its edits closed their undo step above.
        if (wiederhergestellt_) {
            wiederhergestellt_ = false;
            if (!wechsel) SystemdialogeAktualisieren();
            OffeneDialogeAuffrischen();
        }
        BearbeitenMenueAktualisieren();

        ZeichenflaecheZeichnen();
    }

    Aenderungssatz satz_;
    const System* gezeigt_ = nullptr;
    bool vorgemerkt_ = false;
    bool systemwechsel_ = false;
    bool beendet_ = false;
    bool wiederhergestellt_ = false;
    std::string aktion_;
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

void AktionBenennen(const char* aktion) { auffrischung.Benennen(aktion); }

void SchritteAbschliessen() { auffrischung.SchritteSchliessen(); }

void WiederherstellungMelden() { auffrischung.Wiederhergestellt(); }
