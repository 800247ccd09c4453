// One full redraw of a computed 2,000-bar frame with every layer switched
// on, into a painter that only counts the requests.
//
//   zeichnen_bench [Wiederholungen]
//
// Prints the analysis set-up time, then per redraw the number of painter
// requests by kind (each is one X request in the Xlib painter, apart from
// the state changes that Xlib folds into the next drawing request) and the
// best and median time of the repetitions.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "analysis/berechnung.h"
#include "bench/rahmen.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "files/massstab.h"
#include "workspace/ansicht.h"
#include "workspace/aufzeichnungsmaler.h"
#include "workspace/zeichnen.h"

namespace {

class Still : public Berichtsempfaenger {
public:
    void ZeileAnzeigen(const char*) override {}
    void Fortschritt(double) override {}
};

double Sekunden(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// CPU time of the process: on a busy machine the wall time also counts the
// other processes.
double Rechenzeit() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
    const int wiederholungen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    Still still;
    BerichtSetzen(&still);

    // 12 bays, 80 storeys: 13 x 80 columns + 12 x 80 beams = 2,000 bars.
    Rahmenmasse masse;
    masse.Felder = 12;
    masse.Geschosse = 80;
    const auto t0 = std::chrono::steady_clock::now();
    System* sys = RahmenErzeugen(masse);
    if (!TheorieIOrdnungBerechnen(*sys, Programm, *Bericht())) {
        std::fprintf(stderr, "Berechnung fehlgeschlagen\n");
        return 1;
    }
    const double aufbau = Sekunden(std::chrono::steady_clock::now() - t0);

    const int breite = 1200, hoehe = 900;
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

    Zaehlmaler zaehler;
    std::vector<double> zeiten, cpu;
    for (int i = 0; i < wiederholungen; ++i) {
        zaehler = Zaehlmaler{};
        const auto t = std::chrono::steady_clock::now();
        const double c = Rechenzeit();
        // As the program does it: the view is read afresh for every redraw.
        const Ansicht ansicht = AnsichtErmitteln(eingaben, positionierer, breite, hoehe);
        SystemZeichnen(zaehler, ansicht, alle, sys);
        cpu.push_back(Rechenzeit() - c);
        zeiten.push_back(Sekunden(std::chrono::steady_clock::now() - t));
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::sort(cpu.begin(), cpu.end());

    std::printf("Rahmen: %ld Staebe, %ld Punkte, %ld Freiheitsgrade; Aufbau und Berechnung %.3f s\n",
                KeAnzahl(sys->Staebe), KeAnzahl(sys->Punkte), KeAnzahl(sys->Freiheitsgrade), aufbau);
    std::printf("Ein Neuzeichnen mit allen Ebenen (%d x %d Pixel):\n", breite, hoehe);
    for (int a = 0; a < MALARTEN; ++a)
        if (zaehler.Anzahl[a]) std::printf("  %-16s %8ld\n", MalartName(static_cast<Malart>(a)), zaehler.Anzahl[a]);
    std::printf("  %-16s %8ld (davon zeichnend %ld, Punkte in Linienzuegen %ld)\n", "Summe", zaehler.Summe(),
                zaehler.Zeichenaufrufe(), zaehler.Linienzugpunkte);
    std::printf("Zeit je Neuzeichnen (%d Wiederholungen): Uhr bestes %.2f ms, Median %.2f ms; "
                "Rechenzeit bestes %.2f ms, Median %.2f ms\n",
                wiederholungen, zeiten.front() * 1e3, zeiten[zeiten.size() / 2] * 1e3, cpu.front() * 1e3,
                cpu[cpu.size() / 2] * 1e3);
    ProgrammZuruecksetzen();
    BerichtSetzen(nullptr);
    return 0;
}
