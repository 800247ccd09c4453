// One full redraw of a computed 2,000-bar frame with every layer switched
// on, drawn with Xlib into a real window (run it under Xvfb).
//
//   zeichnen_x_bench [Wiederholungen]
//
// Prints, per redraw, the number of X protocol requests (from Xlib's
// request counter, so state changes folded into a GC update count as
// they go over the wire) and the best and median wall time until the
// server has processed everything (XSync).
#include "core/datenmodell.h"

#include "gui/xforms.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "analysis/berechnung.h"
#include "bench/rahmen.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "files/farben.h"
#include "files/massstab.h"
#include "workspace/ansicht.h"
#include "gui/xmaler.h"
#include "workspace/zeichnen.h"

namespace {

class Still : public Berichtsempfaenger {
public:
    void ZeileAnzeigen(const char*) override {}
    void Fortschritt(double) override {}
};

unsigned long ToolkitPixel(long index) { return fl_get_pixel(static_cast<FL_COLOR>(index)); }

}  // namespace

int main(int argc, char** argv) {
    if (!fl_initialize(&argc, argv, "zeichnen_x_bench", nullptr, 0)) {
        std::fprintf(stderr, "keine Verbindung zum X-Server\n");
        return 1;
    }
    const int wiederholungen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    Still still;
    BerichtSetzen(&still);
    PixelermittlungSetzen(ToolkitPixel);
    FarbenVorgaben();

    Rahmenmasse masse;
    masse.Felder = 12;
    masse.Geschosse = 80;
    System* sys = RahmenErzeugen(masse);
    if (!TheorieIOrdnungBerechnen(*sys, Programm, *Bericht())) {
        std::fprintf(stderr, "Berechnung fehlgeschlagen\n");
        return 1;
    }

    const int breite = 1200, hoehe = 900;
    Display* d = fl_get_display();
    Window w = XCreateSimpleWindow(d, fl_root, 0, 0, breite, hoehe, 0, 0, Farben.Pixel[ROLLE_HINTERGRUND]);
    XMapRaised(d, w);
    GC gc = XCreateGC(d, w, 0, nullptr);
    XSync(d, False);

    Massstabeinstellungen eingaben;
    Positionierer positionierer;
    ZoomAlles(sys, breite, hoehe, eingaben, positionierer);
    Zeichenschalter alle;
    for (bool* b : {&alle.System, &alle.Verschiebung, &alle.VBeschriften, &alle.Moment, &alle.Querkraft,
                    &alle.Normalkraft, &alle.SKBeschriften, &alle.Lager, &alle.Lagergroessen, &alle.Punktlasten,
                    &alle.PLBeschriftung, &alle.Streckenlasten, &alle.SLBeschriftung, &alle.Punkte,
                    &alle.Punktnummern, &alle.Stabnummern, &alle.Freiheitsgrade, &alle.Bezugsfaser,
                    &alle.Ursprung, &alle.Achsenbeschriftung, &alle.AchsenHervorheben,
                    &alle.FgAnBiegesteifenVerbindungen})
        *b = true;
    sys->RasterAnzeigen = 1;

    // The switches at start-up with the moment diagram added: what a user
    // typically has on after computing.
    Zeichenschalter ueblich;
    ueblich.Moment = true;

    XMaler maler(d, w, gc);
    std::printf("Rahmen: %ld Staebe; ein Neuzeichnen (%d x %d Pixel) in ein X-Fenster, %d Wiederholungen:\n",
                KeAnzahl(sys->Staebe), breite, hoehe, wiederholungen);
    struct Fall {
        const char* Name;
        const Zeichenschalter* Schalter;
    };
    for (Fall f : {Fall{"alle Ebenen", &alle}, Fall{"Anfangsschalter + Moment", &ueblich}}) {
        std::vector<double> zeiten;
        unsigned long anfragen = 0;
        for (int i = 0; i < wiederholungen; ++i) {
            const unsigned long vorher = XNextRequest(d);
            const auto t = std::chrono::steady_clock::now();
            const Ansicht ansicht = AnsichtErmitteln(eingaben, positionierer, breite, hoehe);
            SystemZeichnen(maler, ansicht, *f.Schalter, sys);
            XSync(d, False);
            zeiten.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count());
            // XSync itself is one request (GetInputFocus).
            anfragen = XNextRequest(d) - vorher - 1;
        }
        std::sort(zeiten.begin(), zeiten.end());
        std::printf("  %-26s X-Anfragen %7lu; bis der Server fertig ist: bestes %.2f ms, Median %.2f ms\n", f.Name,
                    anfragen, zeiten.front() * 1e3, zeiten[zeiten.size() / 2] * 1e3);
    }
    XFreeGC(d, gc);
    XDestroyWindow(d, w);
    ProgrammZuruecksetzen();
    BerichtSetzen(nullptr);
    fl_finish();
    return 0;
}
