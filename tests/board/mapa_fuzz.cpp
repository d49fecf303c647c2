// libFuzzer target for the map loader: any bytes as a level file load, and afterwards the
// pellet count, the ghosts and the start cells agree with a reading of the bytes done here.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"

// The loader's neighbours, without the rest of the game: the state it reads and the actors it places.
StanProgramu Stan = Gra;
CDuch Duch[MAX_DUCHOW];
CZorbit Zorbit;
void CDuch::Inicjalizuj() {}   // named by RozstawAktorow, which the fuzzer leaves alone

namespace {

struct Odczyt {
    uint32_t jedzenie = 0;
    int duchy = 0;
    float duchX[MAX_DUCHOW] = {}, duchZ[MAX_DUCHOW] = {};
    float graczX = -1.0f, graczZ = -1.0f;   // no player cell: the player stays where it was
};

bool Bialy(uint8_t b)
{
    return (b >= 0x09 && b <= 0x0D) || b == 0x20;
}

// Cells are the first 625 bytes that are not white space, row by row; the rest is floor.
Odczyt Przeczytaj(const uint8_t* dane, size_t rozmiar)
{
    Odczyt o;
    int komorka = 0;
    for (size_t i = 0; i < rozmiar && komorka < MAX * MAX; ++i) {
        if (Bialy(dane[i]))
            continue;
        const float x = komorka / MAX + 0.5f, z = komorka % MAX + 0.5f;
        const int8_t kod = static_cast<int8_t>(dane[i]);
        o.jedzenie += kod == KOD_JEDZENIE;
        if (kod == KOD_START_DUCHA && o.duchy < static_cast<int>(MAX_DUCHOW)) {
            o.duchX[o.duchy] = x;
            o.duchZ[o.duchy++] = z;
        }
        if (kod == KOD_START_ZORBITA) {
            o.graczX = x;
            o.graczZ = z;
        }
        ++komorka;
    }
    return o;
}

const std::string& Plik()
{
    static const std::string nazwa = "/tmp/zorbit-mapa-fuzz-" + std::to_string(getpid()) + ".map";
    return nazwa;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar)
{
    FILE* f = std::fopen(Plik().c_str(), "wb");
    if (f == nullptr || std::fwrite(dane, 1, rozmiar, f) != rozmiar || std::fclose(f) != 0)
        std::abort();
    IleJedzenia = 0;
    Zorbit.PozX = Zorbit.PozZ = -1.0f;
    Mapa.NazwaPliku = Plik();
    if (!Mapa.WczytajMape())
        std::abort();
    const int duchy = InicjalizujDuchy();
    const Odczyt o = Przeczytaj(dane, rozmiar);
    bool zgodne = IleJedzenia == o.jedzenie && duchy == o.duchy
        && Zorbit.PozX == o.graczX && Zorbit.PozZ == o.graczZ;
    for (int k = 0; k < duchy && zgodne; ++k)
        zgodne = Duch[k].PozX == o.duchX[k] && Duch[k].PozZ == o.duchZ[k];
    if (!zgodne)
        std::abort();
    std::remove(Plik().c_str());
    return 0;
}
