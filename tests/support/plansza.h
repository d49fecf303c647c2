// Small boards for the actor tests, drawn as text, and a clean slate of the globals they touch.
#pragma once
#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "platform/dzwiek.h"
#include "shell/stale.h"
#include "support/platform_fake.h"

#include <cstring>
#include <initializer_list>

// '#' wall, '.' pellet, 'B' bonus, 'G' ghost start, 'P' player start, ' ' floor; row r of the
// text is Tablica[r]. Cells the text leaves out are filled with `reszta`.
inline void UstawPlansze(std::initializer_list<const char*> wiersze, int8_t reszta = KOD_SCIANA)
{
    std::memset(Tablica, reszta, sizeof Tablica);
    int r = 0;
    for (const char* w : wiersze) {
        for (int c = 0; w[c] && c < MAX; ++c) {
            switch (w[c]) {
            case '#': Tablica[r][c] = KOD_SCIANA; break;
            case '.': Tablica[r][c] = KOD_JEDZENIE; break;
            case 'B': Tablica[r][c] = KOD_BONUS; break;
            case 'G': Tablica[r][c] = KOD_START_DUCHA; break;
            case 'P': Tablica[r][c] = KOD_START_ZORBITA; break;
            default: Tablica[r][c] = KOD_PODLOGA; break;
            }
        }
        ++r;
    }
}

// Play state with sound on, no bonus, no score, a freshly reset player and fake platform.
inline void CzystyStart()
{
    fake::Wyczysc();
    Stan = Gra;
    SoundOn = true;
    Punkty = 0;
    IleJedzenia = 0;
    Opoznienie = 0;
    Zorbit.Inicjalizuj();
    Przezroczysty = false;
}
