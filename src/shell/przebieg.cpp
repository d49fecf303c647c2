// The frame loop, the one-second ghost timer and the four transitions between states.
#include "shell/przebieg.h"

#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "platform/dzwiek.h"
#include "platform/okno.h"
#include "platform/zegar.h"
#include "shell/stale.h"

namespace {

// After a level file is read: no file ends the game; a board with no pellet counts as
// cleared at once, as if its last pellet had just been eaten, so the game moves on.
StanProgramu StanPoWczytaniu(bool wczytana)
{
    if (!wczytana)
        return KoniecTemp;
    return IleJedzenia == 0 ? NextPlansza : NextPlanszaTemp;
}

} // namespace

void IdleStep()
{
    Czas = CzasOdStartu();
    if (Stan == Gra && !Zorbit.Zlapany)
        Zorbit.Idz();
    if (Stan == NextPlansza)
        NastepnaPlansza();
    if (Stan == Reset)
        ResetPlanszy();
    if (Stan == Koniec)
        Inicjalizuj();
    if (Stan != NextPlanszaTemp && Stan != MenuGra) {
        for (uint32_t i = 0; i < IleDuchow; ++i)
            Duch[i].Idz();
    }
    ZadajPrzerysowania();
    Opoznienie = Czas - CzasStary;
    CzasStary = Czas;
    UpdateFPS();
}

void UpdateFPS()
{
    ++LiczbaKlatek;
    const float sekundy = static_cast<float>((Czas - CzasStaryFPS) / 1000);   // Kept: whole seconds only
    if (sekundy > 0.5f) {
        fps = static_cast<uint32_t>(static_cast<float>(LiczbaKlatek) / sekundy);
        CzasStaryFPS = Czas;
        LiczbaKlatek = 0;
    }
}

void Timer(int)
{
    for (uint32_t i = 0; i < IleDuchow; ++i)
        Duch[i].UstalKierunek();
    UstawTimer(1000, Timer, 0);
}

void UruchomZegary()
{
    UstawTimer(1000, Timer, 0);
    CzasStary = CzasOdStartu();   // the first frame time is measured from here
}

void Inicjalizuj()
{
    Stan = Intro;
    WyborMenu = 1;
    IleJedzenia = 0;
    Punkty = 0;
    Mapa.Inicjalizuj();
    Mapa.GetNazwaPliku();
    Mapa.WczytajMape();   // Kept: a missing intro board leaves the board as it was
    Zorbit.Inicjalizuj();
    RozstawAktorow();
}

void NowaGra()
{
    IleJedzenia = 0;
    Zorbit.Inicjalizuj();
    Mapa.Inicjalizuj();
    Mapa.GetNazwaPliku();
    const bool wczytana = Mapa.WczytajMape();
    RozstawAktorow();
    Punkty = 0;
    // Without a first level there is nothing to clear: end the game as a missing next level does.
    Stan = StanPoWczytaniu(wczytana);
}

void NastepnaPlansza()
{
    Zorbit.Ustaw();
    // Kept: past the last level LicznikPliku stays at the number not found, and the heads-up shows it.
    Mapa.GetNazwaPliku();
    Stan = StanPoWczytaniu(Mapa.WczytajMape());
    RozstawAktorow();
    Graj("data/sfx/fanfary.wav", SND_ASYNC);   // Kept: also on the way to the end screen
}

void ResetPlanszy()
{
    Zorbit.Ustaw();
    InicjalizujDuchy();   // Kept: ghosts go home but keep their directions; IleDuchow stays
    Stan = Gra;
}
