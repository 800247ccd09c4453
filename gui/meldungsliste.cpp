// The message list and the progress slider of the main window as the
// receiver of every report.
//
// Lines show at once, also during a long analysis, because the X
// connection is flushed after each one.  A test may name a file in
// VELKO_MELDUNGSPROTOKOLL: every line is then also appended there, so that
// a test driving the window can read what the list shows.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/bericht.h"
#include "gui/hauptfenster.h"
#include "gui/xforms.h"
#include "workspace/fortschritt.h"

namespace {

class Meldungsfenster : public Berichtsempfaenger {
public:
    Meldungsfenster() : filter_(BalkenBreite()) {
        if (const char* p = std::getenv("VELKO_MELDUNGSPROTOKOLL")) protokoll_ = p;
    }

    void ZeileAnzeigen(const char* zeile) override {
        FL_OBJECT* liste = Haupt.Meldungen;
        if (liste) {
            fl_addto_browser(liste, zeile);
            // Keep the newest line in view.
            fl_set_browser_topline(liste, fl_get_browser_maxline(liste));
        }
        if (!protokoll_.empty()) {
            if (FILE* f = std::fopen(protokoll_.c_str(), "a")) {
                std::fprintf(f, "%s\n", zeile);
                std::fclose(f);
            }
        }
        Flush();
    }

    void Fortschritt(double wert) override {
        if (!Haupt.Fortschritt || !filter_.Aendern(wert)) return;
        fl_set_slider_value(Haupt.Fortschritt, wert);
        Flush();
    }

    // Diagnostics of reading and editing go to standard output, fatal lines
    // to standard error, as the program always wrote them.
    void Ausgeben(Ausgabekanal kanal, const char* text) override {
        std::FILE* ziel = kanal == Ausgabekanal::Fehler ? stderr : stdout;
        std::fputs(text ? text : "", ziel);
        std::fflush(ziel);
    }

private:
    static int BalkenBreite() {
        // The fill of the slider runs inside its border.
        FL_OBJECT* s = Haupt.Fortschritt;
        if (!s) return 256;
        int rand = s->bw < 0 ? -s->bw : s->bw;
        return s->w - 2 * rand;
    }
    static void Flush() {
        if (Display* d = fl_get_display()) XFlush(d);
    }

    Fortschrittsfilter filter_;
    std::string protokoll_;
};

}  // namespace

Berichtsempfaenger& Meldungsliste() {
    static Meldungsfenster liste;
    return liste;
}

void MeldungslisteAnschliessen() { BerichtSetzen(&Meldungsliste()); }
