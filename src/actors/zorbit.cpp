// The player. (Placement and reset values only, until movement lands.)
#include "zorbit.h"

CZorbit Zorbit;
uint32_t BonusCzas = 0;
bool Przezroczysty = false;
float Predkosc = 0.003f;

void CZorbit::Ustaw()
{
    PozX = PozZ = 1.5f;
    KierX = KierZ = 0;
    ChcianyKierX = ChcianyKierZ = 0;
    Kat = 180;
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
}

void CZorbit::Idz() {}
void CZorbit::AnimujZlapanie() {}
void BonusTimer(int) {}
