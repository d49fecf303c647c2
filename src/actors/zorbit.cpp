// The player: reset and re-placement, the per-frame update with eating, score and the
// bonus, the bonus countdown, and the end of the caught animation.
#include "actors/zorbit.h"

#include "actors/ruch.h"
#include "board/mapa.h"
#include "platform/dzwiek.h"
#include "platform/zegar.h"
#include "render/kwadryka.h"
#include "shell/stale.h"

CZorbit Zorbit;
uint32_t BonusCzas = 0;
bool Przezroczysty = false;
float Predkosc = 0.003f;

namespace {

constexpr uint32_t PUNKTY_ZA_ZYCIE = 300;
constexpr uint32_t SEKUNDY_BONUSU = 8;

// The countdown chain now alive; a tick armed by an older chain dies when it fires.
// Without this an item taken while a tick was pending started a second chain and the
// bonus ran down twice as fast.
int Lancuch = 0;

void NowyLancuch()
{
    Lancuch = Lancuch == 0x7fffffff ? 1 : Lancuch + 1;
}

int8_t& KomorkaPod(float x, float z)
{
    return Tablica[static_cast<int>(x)][static_cast<int>(z)];
}

void Zjedz(int8_t& komorka)
{
    Graj("data/sfx/jedz.wav", SND_ASYNC | SND_NOSTOP);
    komorka = KOD_PODLOGA;
    ++Punkty;
    --IleJedzenia;
    // Kept: a life only when a pellet lands on a multiple of 300; a bonus's 5 points can step over it.
    if (Punkty % PUNKTY_ZA_ZYCIE == 0)
        ++Zorbit.Zycia;
    if (IleJedzenia == 0)
        Stan = NextPlansza;   // Kept: the rest of this frame's update still runs
}

void WezBonus(int8_t& komorka)
{
    Graj("data/sfx/bonus.wav", SND_ASYNC);
    komorka = KOD_PODLOGA;
    Przezroczysty = true;
    Punkty += 5;
    BonusCzas += SEKUNDY_BONUSU;
    if (BonusCzas <= SEKUNDY_BONUSU)
        BonusTimer(0);   // nothing was left: start the countdown
}

} // namespace

void CZorbit::Ustaw()
{
    PozX = PozZ = 1.5f;
    KierX = KierZ = 0;
    ChcianyKierX = ChcianyKierZ = 0;
    Kat = 180;   // Kept: a re-placed player faces 180 degrees, a new game's 0
    FazaZlapania = 0.5f;
    ObrotZlapania = 0;
    Zlapany = false;
    Przezroczysty = false;
}

void CZorbit::Inicjalizuj()
{
    Ustaw();
    Kat = 0;
    Zycia = 3;
    BonusCzas = 0;
    DajKwadryke(Kwadryka);
}

void CZorbit::Idz()
{
    const PolaRuchu p = Pola(*this);
    WyznaczKandydata(p);
    if (KierX == 0 && KierZ == 0) {
        KierX = ChcianyKierX;   // Kept: the candidate stays where it was, movement starts next frame
        KierZ = ChcianyKierZ;
    }
    if (Komorka(PozX, PozZ) == KOD_JEDZENIE)
        Zjedz(KomorkaPod(PozX, PozZ));
    if (Komorka(PozX, PozZ) == KOD_BONUS)
        WezBonus(KomorkaPod(PozX, PozZ));
    PrzejdzBloki(p);
}

void CZorbit::AnimujZlapanie()
{
    if (!Zlapany)
        return;
    ObrotZlapania += static_cast<float>(Opoznienie) * 0.5f;
    if (FazaZlapania < 5.0f) {
        FazaZlapania += static_cast<float>(Opoznienie) * 0.003f;
        return;
    }
    // A key on the end screen sets Koniec; the toolkit may draw before the idle step turns
    // it into the intro. Taking a life here would throw the player back to the end screen.
    if (Stan == Koniec)
        return;
    if (Stan != KoniecTemp)
        --Zycia;
    Stan = Zycia >= 1 ? Reset : KoniecTemp;
}

// wartosc 0 is a direct call (the pick-up): it starts a new chain and so ends any other.
// A re-armed tick carries its chain's number.
void BonusTimer(int wartosc)
{
    if (wartosc == 0)
        NowyLancuch();
    else if (wartosc != Lancuch)
        return;
    if (BonusCzas == 0) {
        Przezroczysty = false;
        return;
    }
    if (Stan != MenuGra)
        --BonusCzas;   // the in-game menu holds the count
    UstawTimer(1000, BonusTimer, Lancuch);
}
