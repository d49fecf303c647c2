// The full board of the benchmarks.
#include "plansza_pelna.h"

#include "actors/zorbit.h"
#include "board/mapa.h"
#include "shell/stale.h"

namespace {

void PelnaPlansza(Widok widok)
{
    IleJedzenia = 0;
    for (int r = 0; r < MAX; ++r) {
        for (int c = 0; c < MAX; ++c) {
            const bool brzeg = r == 0 || c == 0 || r == MAX - 1 || c == MAX - 1;
            const bool slup = r % 2 == 0 && c % 2 == 0;
            Tablica[r][c] = brzeg || slup ? KOD_SCIANA : KOD_JEDZENIE;
        }
    }
    for (int i = 0; i < static_cast<int>(MAX_DUCHOW); ++i)
        Tablica[3 + 2 * (i % 10)][5 + 6 * (i / 10)] = KOD_START_DUCHA;
    Tablica[3][3] = Tablica[3][21] = Tablica[21][3] = Tablica[21][21] = KOD_BONUS;
    if (widok == Widok::Srodek)
        Tablica[13][13] = KOD_START_ZORBITA;
    else
        Tablica[1][1] = KOD_START_ZORBITA;
    for (const auto& wiersz : Tablica)
        for (int8_t k : wiersz)
            IleJedzenia += k == KOD_JEDZENIE;
}

} // namespace

void NowaGraNaPelnejPlanszy(Widok widok)
{
    Zorbit.Inicjalizuj();
    PelnaPlansza(widok);
    RozstawAktorow();
    Mapa.LicznikPliku = 1;
    Stan = Gra;
}
