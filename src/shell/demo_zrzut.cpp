// The replay's summary and dump lines, read from the game's globals.
#include "shell/demo_zrzut.h"

#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "shell/stale.h"

#include <ostream>
#include <sstream>

namespace {

const char* const NAZWY_STANOW[] = {"Intro", "Menu", "MenuGra", "Gra", "Restart", "NextPlansza",
                                    "NextPlanszaTemp", "Reset", "ResetTemp", "Koniec", "KoniecTemp"};

std::string NazwaStanu()
{
    const auto n = static_cast<std::size_t>(Stan);
    return n < std::size(NAZWY_STANOW) ? NAZWY_STANOW[n] : std::to_string(Stan);
}

void DopiszKomorke(std::ostream& wy, float x, float z)
{
    wy << ' ' << static_cast<int>(x) << ',' << static_cast<int>(z);
}

} // namespace

std::string Podsumowanie()
{
    return "level " + std::to_string(Mapa.LicznikPliku) + ", score " + std::to_string(Punkty) + ", lives "
        + std::to_string(Zorbit.Zycia);
}

std::string LiniaZrzutu(uint32_t sekunda)
{
    std::ostringstream wy;
    wy << sekunda << ' ' << NazwaStanu() << " level " << Mapa.LicznikPliku << " score " << Punkty << " lives "
       << Zorbit.Zycia << " pellets " << IleJedzenia << " bonus " << BonusCzas << " player";
    DopiszKomorke(wy, Zorbit.PozX, Zorbit.PozZ);
    wy << " ghosts";
    for (uint32_t i = 0; i < IleDuchow && i < MAX_DUCHOW; ++i)
        DopiszKomorke(wy, Duch[i].PozX, Duch[i].PozZ);
    return wy.str();
}

void ZrzutSekund::PoKroku(std::ostream& wy)
{
    const uint32_t sekunda = (Czas - Start) / 1000;
    if (sekunda <= Ostatnia)
        return;
    Ostatnia = sekunda;
    wy << LiniaZrzutu(sekunda) << '\n';
}
