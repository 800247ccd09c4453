// Second-order theory against first-order theory on the same frames, side
// by side in one run: every iteration computes the frame by both theories,
// one after the other, and reports both times and their ratio.
//
//   theorie2_bench [--benchmark_filter=...]
//
// The second-order run is the whole run the program makes: the first-order
// solution, the iteration of the axial forces to 1e-10 and the critical load
// factor to 1e-6; besides, the critical load factor alone.  Processor time,
// averaged over the iterations.
#include <benchmark/benchmark.h>

#include <ctime>

#include "analysis/berechnung.h"
#include "analysis/theorie2ordnung.h"
#include "bench/rahmen.h"
#include "core/bericht.h"
#include "core/programm.h"

namespace {

// Counts the iterations from the messages, drops everything else.
class Zaehler : public Berichtsempfaenger {
public:
    void ZeileAnzeigen(const char* text) override {
        if (std::string(text).find("Iteration ") != std::string::npos) ++Iterationen;
    }
    void Fortschritt(double) override {}
    int Iterationen = 0;
};

// Processor time of the process: meaningful also on a machine busy with
// other work.
double Prozessorzeit() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

void Vergleich(benchmark::State& state) {
    Zaehler bericht;
    BerichtSetzen(&bericht);
    const Rahmenmasse masse = RahmenAus(state.range(0), state.range(1), state.range(2));
    double erste = 0.0, zweite = 0.0, verzweigung = 0.0;
    int laeufe = 0;
    for (auto _ : state) {
        ProgrammZuruecksetzen();
        System* sys = RahmenErzeugen(masse);
        double t = Prozessorzeit();
        if (!TheorieIOrdnungBerechnen(*sys, Programm, bericht)) state.SkipWithError("Theorie I abgebrochen");
        erste += Prozessorzeit() - t;
        ProgrammZuruecksetzen();
        sys = RahmenErzeugen(masse);
        bericht.Iterationen = 0;
        t = Prozessorzeit();
        if (!TheorieIIOrdnungBerechnen(*sys, Programm, bericht)) state.SkipWithError("Theorie II abgebrochen");
        zweite += Prozessorzeit() - t;
        state.counters["alpha_cr"] = sys->Verzweigungslastfaktor;
        // the critical load factor alone (velko-rechnen --verzweigungslast)
        ProgrammZuruecksetzen();
        sys = RahmenErzeugen(masse);
        Verzweigungslast v;
        t = Prozessorzeit();
        if (!VerzweigungslastfaktorBerechnen(*sys, Programm, bericht, v)) state.SkipWithError("abgebrochen");
        verzweigung += Prozessorzeit() - t;
        ++laeufe;
    }
    state.counters["TheorieI_ms"] = 1e3 * erste / laeufe;
    state.counters["TheorieII_ms"] = 1e3 * zweite / laeufe;
    state.counters["Verzweigung_ms"] = 1e3 * verzweigung / laeufe;
    state.counters["Verhaeltnis"] = zweite / erste;
    state.counters["Iterationen"] = bericht.Iterationen;
    ProgrammZuruecksetzen();
    BerichtSetzen(nullptr);
}

}  // namespace

BENCHMARK(Vergleich)
    ->Args({10, 5, 2})
    ->Args({10, 5, 10})
    ->Args({50, 20, 2})
    ->Args({50, 20, 10})
    ->ArgNames({"Felder", "Geschosse", "Teilungen"})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
