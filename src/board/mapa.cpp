// The board grid, the level files and their names, and the start-cell scan.
#include "board/mapa.h"

#include "actors/duch.h"
#include "actors/zorbit.h"

#include <cstdio>
#include <sstream>

int8_t Tablica[MAX][MAX];
uint32_t IleJedzenia = 0;
uint32_t IleDuchow = 0;
CMapa Mapa;

namespace {

bool BialyZnak(int b)
{
    return b == 0x09 || b == 0x0A || b == 0x0B || b == 0x0C || b == 0x0D || b == 0x20;
}

} // namespace

void CMapa::Inicjalizuj()
{
    LicznikPliku = 0;
    KatObrotu = 0;
}

std::string NazwaPlikuPoziomu(int32_t numer)
{
    if (numer == 0)
        return "data/mapy/intro.map";
    std::ostringstream nazwa;
    nazwa << "data/mapy/" << numer << ".map";
    return nazwa.str();
}

std::string CMapa::GetNazwaPliku()
{
    if (Stan == Intro) {
        NazwaPliku = NazwaPlikuPoziomu(0);
    } else {
        ++LicznikPliku;
        NazwaPliku = NazwaPlikuPoziomu(LicznikPliku);
    }
    return NazwaPliku;
}

bool CMapa::WczytajMape()
{
    FILE* plik = std::fopen(NazwaPliku.c_str(), "rb");
    if (plik == nullptr)
        return false;
    bool koniec = false;
    for (int r = 0; r < MAX; ++r) {
        for (int c = 0; c < MAX; ++c) {
            int b = EOF;
            if (!koniec) {
                do
                    b = std::fgetc(plik);
                while (b != EOF && BialyZnak(b));
                koniec = (b == EOF);
            }
            Tablica[r][c] = koniec ? KOD_PODLOGA : static_cast<int8_t>(b);
            if (Tablica[r][c] == KOD_JEDZENIE)
                ++IleJedzenia;
        }
    }
    std::fclose(plik);
    return true;
}

int8_t Komorka(float x, float z)
{
    if (!(x >= 0.0f && x < MAX && z >= 0.0f && z < MAX))
        return KOD_SCIANA;
    return Tablica[static_cast<int>(x)][static_cast<int>(z)];
}

int InicjalizujDuchy()
{
    int k = 0;
    for (int r = 0; r < MAX; ++r) {
        for (int c = 0; c < MAX; ++c) {
            if (Tablica[r][c] == KOD_START_DUCHA && k < static_cast<int>(MAX_DUCHOW)) {
                Duch[k].PozX = r + 0.5f;
                Duch[k].PozZ = c + 0.5f;
                ++k;
            }
            if (Tablica[r][c] == KOD_START_ZORBITA) {
                Zorbit.PozX = r + 0.5f;
                Zorbit.PozZ = c + 0.5f;
            }
        }
    }
    return k;
}

void RozstawAktorow()
{
    IleDuchow = static_cast<uint32_t>(InicjalizujDuchy());
    for (uint32_t i = 0; i < IleDuchow; ++i)
        Duch[i].Inicjalizuj();
}
