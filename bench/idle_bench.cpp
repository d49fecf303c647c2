// One IdleStep in play with 30 ghosts on a full level, in nanoseconds per frame.
// Run: cmake --build build-aktorzy --target idle_bench && ./build-aktorzy/bench/idle_bench
#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "shell/przebieg.h"
#include "shell/stale.h"
#include "support/platform_fake.h"

#include <benchmark/benchmark.h>

namespace {

// Border walls, a wall pillar at every even (row, column) inside, pellets everywhere else,
// 30 ghost starts spread over the board and the player in the corner.
void PelnaPlansza()
{
    IleJedzenia = 0;
    for (int r = 0; r < MAX; ++r) {
        for (int c = 0; c < MAX; ++c) {
            const bool brzeg = r == 0 || c == 0 || r == MAX - 1 || c == MAX - 1;
            const bool slup = r % 2 == 0 && c % 2 == 0;
            Tablica[r][c] = brzeg || slup ? KOD_SCIANA : KOD_JEDZENIE;
            IleJedzenia += Tablica[r][c] == KOD_JEDZENIE;
        }
    }
    for (int i = 0; i < static_cast<int>(MAX_DUCHOW); ++i) {
        int8_t& k = Tablica[3 + 2 * (i % 10)][5 + 6 * (i / 10)];
        IleJedzenia -= k == KOD_JEDZENIE;
        k = KOD_START_DUCHA;
    }
    Tablica[1][1] = KOD_START_ZORBITA;
    --IleJedzenia;
}

void NowaRozgrywka()
{
    Zorbit.Inicjalizuj();
    PelnaPlansza();
    RozstawAktorow();
    Stan = Gra;
}

void IdleStepWGrze(benchmark::State& stan)
{
    fake::Wyczysc();
    SoundOn = true;
    Timer(0);
    NowaRozgrywka();
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
            NowaRozgrywka();
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
