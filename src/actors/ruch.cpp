// The grid movement step shared by the player and the ghosts.
#include "actors/ruch.h"

#include "actors/zorbit.h"
#include "board/mapa.h"
#include "shell/stale.h"

#include <cmath>

namespace {

float Srodek(float v)
{
    return std::trunc(v) + 0.5f;
}

// Kept: 0.6 on the minus side; from a centre, minus 0.5 would truncate to the actor's own cell.
float Proba(float v, int kier)
{
    return kier > 0 ? v + 0.5f : v - 0.6f;
}

bool Zamknieta(float x, float z)
{
    return Komorka(x, z) == KOD_SCIANA;
}

// One axis of an actor: committed position, candidate, direction and wish along it.
struct Os {
    float& poz;
    float kand;
    int32_t& kier;
    int32_t& chciany;
    bool naX;
    bool Zamknieta(float wzdluz, float wpoprzek) const
    {
        return naX ? ::Zamknieta(wzdluz, wpoprzek) : ::Zamknieta(wpoprzek, wzdluz);
    }
};

// The turn into a side cell, taken once the candidate is in the far half of its cell.
bool Skrec(Os& wzdluz, Os& wpoprzek, int d)
{
    const float c = wzdluz.kand;
    const float k = wpoprzek.kand;
    const bool zaSrodkiem = d > 0 ? c >= Srodek(c) : c <= Srodek(c);
    for (int bok : {+1, -1}) {
        if (wpoprzek.chciany == bok && !wzdluz.Zamknieta(c, Proba(k, bok)) && zaSrodkiem) {
            wpoprzek.poz = k;
            wzdluz.poz = Srodek(c);
            wpoprzek.kier = bok;
            wzdluz.kier = 0;
            return true;
        }
    }
    return false;
}

// One block, run while the direction has step d along wzdluz.
void Blok(const PolaRuchu& p, Os& wzdluz, Os& wpoprzek, int d, int32_t kat)
{
    if (Skrec(wzdluz, wpoprzek, d))
        return;
    if (wzdluz.chciany == -d)
        wzdluz.kier = -d;
    if (wzdluz.kier != d)
        return;
    const float c = wzdluz.kand;
    if (wzdluz.Zamknieta(Proba(c, d), wpoprzek.kand)) {
        wzdluz.kier = 0;
        wzdluz.poz = Srodek(c);
    } else {
        p.Kat = kat;
        wzdluz.poz = c;
    }
}

// A candidate that has crossed into a wall cell falls back to the centre of the cell it
// left. Only a reversal can bring this about: plus-to-minus commits a step past the centre
// (the minus block probes behind), minus-to-plus stands still, and the next plus step
// would then start beyond the stop point and be snapped onto the wall cell's centre.
float Dopuszczalny(float kand, float poz, bool naX, float drugi)
{
    const bool sciana = naX ? Zamknieta(kand, drugi) : Zamknieta(drugi, kand);
    if (sciana && std::trunc(kand) != std::trunc(poz))
        return Srodek(poz);
    return kand;
}

} // namespace

void WyznaczKandydata(const PolaRuchu& p)
{
    float s = static_cast<float>(Opoznienie) * Predkosc;
    if (s > 0.4f)
        s = 0.4f;   // no frame may carry an actor over a whole cell
    const float cx = p.PozX + static_cast<float>(p.KierX) * s;
    const float cz = p.PozZ + static_cast<float>(p.KierZ) * s;
    p.NowaPozX = Dopuszczalny(cx, p.PozX, true, p.PozZ);
    p.NowaPozZ = Dopuszczalny(cz, p.PozZ, false, p.PozX);
}

void PrzejdzBloki(const PolaRuchu& p)
{
    Os x{p.PozX, p.NowaPozX, p.KierX, p.ChcianyKierX, true};
    Os z{p.PozZ, p.NowaPozZ, p.KierZ, p.ChcianyKierZ, false};
    if (p.KierZ == 1)
        Blok(p, z, x, +1, 180);
    if (p.KierZ == -1)
        Blok(p, z, x, -1, 0);
    if (p.KierX == 1)
        Blok(p, x, z, +1, -90);
    if (p.KierX == -1)
        Blok(p, x, z, -1, 90);
}

void KrokSiatki(const PolaRuchu& p)
{
    WyznaczKandydata(p);
    PrzejdzBloki(p);
}
