// The one grid movement step that the player and every ghost run on their own fields.
#pragma once
#include <cstdint>

// The fields the step reads and writes; CZorbit and CDuch hold them in different orders.
struct PolaRuchu {
    float& NowaPozX;
    float& NowaPozZ;
    int32_t& KierX;
    int32_t& KierZ;
    int32_t& Kat;
    float& PozX;
    float& PozZ;
    int32_t& ChcianyKierX;
    int32_t& ChcianyKierZ;
};

template <class Aktor>
PolaRuchu Pola(Aktor& a)
{
    return {a.NowaPozX, a.NowaPozZ, a.KierX, a.KierZ, a.Kat,
            a.PozX, a.PozZ, a.ChcianyKierX, a.ChcianyKierZ};
}

// Step length and candidate: the first half of the step, before the four blocks.
void WyznaczKandydata(const PolaRuchu& p);
// The blocks plus-z, minus-z, plus-x, minus-x: turn or reversal, then stop or commit.
void PrzejdzBloki(const PolaRuchu& p);
// Both halves, as a ghost runs them.
void KrokSiatki(const PolaRuchu& p);
