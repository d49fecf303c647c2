// One IdleStep in play with 30 ghosts on a full level, in nanoseconds per frame.
// Run: cmake --build build --target idle_bench && ./build/bench/idle_bench
#include "plansza_pelna.h"

#include "actors/zorbit.h"
#include "board/mapa.h"
#include "shell/przebieg.h"
#include "shell/stale.h"
#include "support/platform_fake.h"

#include <benchmark/benchmark.h>

namespace {

void IdleStepWGrze(benchmark::State& stan)
{
    fake::Wyczysc();
    SoundOn = true;
    Timer(0);
    NowaGraNaPelnejPlanszy();
    const int32_t KIERUNKI[4][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    unsigned klatka = 0;
    int64_t nowe = 0;
    for (auto _ : stan) {
        fake::PrzesunCzas(16);   // a 60 Hz frame; fires the ghosts' once-a-second decision
        if (++klatka % 128 == 0) {
            Zorbit.ChcianyKierX = KIERUNKI[(klatka / 128) % 4][0];
            Zorbit.ChcianyKierZ = KIERUNKI[(klatka / 128) % 4][1];
        }
        IdleStep();
        if (Stan != Gra || Zorbit.Zlapany || IleJedzenia < 10) {
            stan.PauseTiming();   // caught or nearly cleared: play on from the start
            fake::dzwieki.clear();
            NowaGraNaPelnejPlanszy();
            ++nowe;
            stan.ResumeTiming();
        }
    }
    stan.SetItemsProcessed(static_cast<int64_t>(stan.iterations()));
    stan.counters["restarts"] = static_cast<double>(nowe);
}
BENCHMARK(IdleStepWGrze);

} // namespace

BENCHMARK_MAIN();
