// The ghosts: reset, the once-a-second random decision, the per-frame step and the catch.
#include "actors/duch.h"

#include "actors/ruch.h"
#include "actors/zorbit.h"
#include "platform/dzwiek.h"
#include "platform/losowanie.h"
#include "render/kwadryka.h"

CDuch Duch[MAX_DUCHOW];

namespace {

int32_t Strona(int los)
{
    return los % 2 == 1 ? 1 : -1;
}

} // namespace

void CDuch::Inicjalizuj()
{
    KierX = KierZ = 0;
    ChcianyKierX = ChcianyKierZ = 0;
    Kat = 0;
    DajKwadryke(Kwadryka);
}

// A moving ghost wishes for a side turn, never a reversal; a standing one sets off at once.
void CDuch::UstalKierunek()
{
    const int32_t r = Strona(Losuj());
    if (KierX != 0) {
        ChcianyKierX = 0;
        ChcianyKierZ = r;
    }
    if (KierZ != 0) {
        ChcianyKierX = r;
        ChcianyKierZ = 0;
    }
    if (KierX == 0 && KierZ == 0) {
        const int32_t r2 = Strona(Losuj());
        KierX = ChcianyKierX = r > 0 ? r2 : 0;
        KierZ = ChcianyKierZ = r > 0 ? 0 : r2;
    }
}

void CDuch::Idz()
{
    if (KierX == 0 && KierZ == 0)
        UstalKierunek();
    KrokSiatki(Pola(*this));
    const bool taSamaKomorka = static_cast<int>(PozX) == static_cast<int>(Zorbit.PozX)
        && static_cast<int>(PozZ) == static_cast<int>(Zorbit.PozZ);
    if (Stan == Gra && !Przezroczysty && taSamaKomorka) {
        // Once a catch: a ghost staying in the cell would restart the sound every frame.
        if (!Zorbit.Zlapany)
            Graj("data/sfx/au.wav", SND_ASYNC);
        Zorbit.Zlapany = true;
    }
}
