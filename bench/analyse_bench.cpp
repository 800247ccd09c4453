// Timing of the analysis phases on rectangular frames.
//
//   analyse_bench [--benchmark_filter=...]
//
// Every benchmark computes one frame once and reports the phases as
// counters in seconds, with the number of equations, the stored entries of
// the decomposed matrix (the profile after the structure numbering, or the
// sparse factor), the profile the chain order would give, and the peak
// resident memory of the run.
#include <benchmark/benchmark.h>

#include <ctime>
#include <malloc.h>
#include <cstdio>
#include <cstring>
#include <tuple>
#include <vector>

#include "analysis/berechnung.h"
#include "analysis/duennloeser.h"
#include "analysis/gleichungsloeser.h"
#include "analysis/kernmodell.h"
#include "analysis/nachlauf.h"
#include "analysis/nummerierung.h"
#include "analysis/steifigkeit.h"
#include "bench/rahmen.h"
#include "core/bericht.h"
#include "core/programm.h"

namespace {

class Still : public Berichtsempfaenger {
public:
    void ZeileAnzeigen(const char*) override {}
    void Fortschritt(double) override {}
};

// Peak resident set since the last reset, in MB (Linux).  Memory freed by
// the previous benchmark goes back to the system first, so that the peak
// belongs to this run.
void SpitzeZuruecksetzen() {
    malloc_trim(0);
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}
double SpitzeMB() {
    double kb = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char zeile[256];
        while (std::fgets(zeile, sizeof zeile, f))
            if (std::strncmp(zeile, "VmHWM:", 6) == 0) kb = std::atof(zeile + 6);
        std::fclose(f);
    }
    return kb / 1024.0;
}

// Phases are timed in processor time of the process, which stays
// meaningful on a machine that is busy with other work.
struct Uhr {
    static std::clock_t now() { return std::clock(); }
};
double Seit(std::clock_t t) { return static_cast<double>(std::clock() - t) / CLOCKS_PER_SEC; }

void Phasen(benchmark::State& state) {
    Still still;
    BerichtSetzen(&still);
    const Rahmenmasse masse = RahmenAus(state.range(0), state.range(1), state.range(2));
    for (auto _ : state) {
        state.PauseTiming();
        ProgrammZuruecksetzen();
        System* sys = RahmenErzeugen(masse);
        SpitzeZuruecksetzen();
        state.ResumeTiming();

        // The steps of the run one by one, as a driver of its own calls them.
        Berechnung b(*sys, Programm, still);
        auto t = Uhr::now();
        b.ModellErzeugen();
        state.counters["Modell_s"] = Seit(t);
        const int n = b.Anzahl();
        if (!b.ArbeitsdatenAnlegen()) state.SkipWithError("zu wenig Speicher");

        // The profile the chain order would give, for comparison only.
        FreiheitsgradeNummerieren(b.Modell());
        const double kette = static_cast<double>(ProfilFuerNummerierung(b.Modell(), {}));
        t = Uhr::now();
        b.Nummerieren();
        b.ProfilBestimmen();
        state.counters["Nummerierung_s"] = Seit(t);

        t = Uhr::now();
        b.ErsatzlastenBerechnen();
        b.PrimalDualAufbauen();
        const Elementsteifigkeit steifigkeit = b.ElementsteifigkeitErsterOrdnung();
        b.SteifigkeitAufbauen(steifigkeit);
        state.counters["Aufbau_s"] = Seit(t);

        t = Uhr::now();
        if (!b.Zerlegen()) state.SkipWithError("kinematisch");
        state.counters["Zerlegung_s"] = Seit(t);

        t = Uhr::now();
        b.Loesen();
        state.counters["Loesung_s"] = Seit(t);

        t = Uhr::now();
        b.Nachlaufrechnung();
        b.ErgebnisseUebernehmen();
        state.counters["Nachlauf_s"] = Seit(t);

        state.counters["Gleichungen"] = n;
        // Stored entries of the matrix that is decomposed: the profile, or
        // the sparse factor.
        state.counters["Profil"] = static_cast<double>(b.Daten().zerlegung ? b.Daten().zerlegung->FaktorEintraege()
                                                                           : b.Daten().k->Eintraege);
        state.counters["Profil_Kette"] = kette;
        state.counters["Spitze_MB"] = SpitzeMB();
    }
    ProgrammZuruecksetzen();
    BerichtSetzen(nullptr);
}

// The whole run as the program does it, messages and all.
void Gesamt(benchmark::State& state) {
    Still still;
    BerichtSetzen(&still);
    const Rahmenmasse masse = RahmenAus(state.range(0), state.range(1), state.range(2));
    for (auto _ : state) {
        state.PauseTiming();
        ProgrammZuruecksetzen();
        System* sys = RahmenErzeugen(masse);
        SpitzeZuruecksetzen();
        state.ResumeTiming();
        if (!TheorieIOrdnungBerechnen(*sys, Programm, still)) state.SkipWithError("Berechnung abgebrochen");
        state.counters["Spitze_MB"] = SpitzeMB();
    }
    ProgrammZuruecksetzen();
    BerichtSetzen(nullptr);
}

// The whole run on either solver (fourth argument: 1 = profile, 2 = sparse),
// for the size from which on the sparse one takes over.
void Loeser(benchmark::State& state) {
    Still still;
    BerichtSetzen(&still);
    const Rahmenmasse masse = RahmenAus(state.range(0), state.range(1), state.range(2));
    DuennLoeserGrenzeSetzen(state.range(3) == 1 ? 1 << 30 : 1);
    for (auto _ : state) {
        state.PauseTiming();
        ProgrammZuruecksetzen();
        System* sys = RahmenErzeugen(masse);
        state.ResumeTiming();
        if (!TheorieIOrdnungBerechnen(*sys, Programm, still)) state.SkipWithError("Berechnung abgebrochen");
    }
    DuennLoeserGrenzeSetzen(0);
    ProgrammZuruecksetzen();
    BerichtSetzen(nullptr);
}

void LoeserGroessen(benchmark::internal::Benchmark* b) {
    // frames, and three bars divided into many pieces
    for (auto [felder, geschosse, teilungen] : {std::tuple{10, 5, 2}, std::tuple{10, 5, 10}, std::tuple{20, 10, 10},
                                                std::tuple{30, 10, 10}, std::tuple{50, 20, 2}, std::tuple{50, 20, 10},
                                                std::tuple{100, 50, 1}, std::tuple{1, 1, 1000}})
        for (int loeser : {1, 2}) b->Args({felder, geschosse, teilungen, loeser});
    b->ArgNames({"Felder", "Geschosse", "Teilungen", "Loeser"});
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

void Groessen(benchmark::internal::Benchmark* b) {
    for (auto [felder, geschosse] : {std::pair{10, 5}, std::pair{50, 20}, std::pair{100, 50}, std::pair{200, 100}})
        for (int teilungen : {1, 2, 10}) b->Args({felder, geschosse, teilungen});
    b->ArgNames({"Felder", "Geschosse", "Teilungen"});
    b->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

BENCHMARK(Phasen)->Apply(Groessen);
BENCHMARK(Gesamt)->Apply(Groessen);
BENCHMARK(Loeser)->Apply(LoeserGroessen);
BENCHMARK_MAIN();
