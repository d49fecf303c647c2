// The board grid, the level files and their names, and the start-cell scan.
#include "board/mapa.h"

#include "actors/duch.h"
#include "actors/zorbit.h"

#include <cstdio>
#include <cstring>
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
    // Read into a copy first: a file that fails half-way (a directory opens but cannot be read)
    // leaves the board and the counter as a missing file does.
    int8_t nowa[MAX][MAX];
    uint32_t jedzenie = 0;
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
            // Kept: any other byte is stored as it is and walks like floor; a short file ends in floor.
            nowa[r][c] = koniec ? KOD_PODLOGA : static_cast<int8_t>(b);
            if (nowa[r][c] == KOD_JEDZENIE)
                ++jedzenie;
        }
    }
    const bool blad = std::ferror(plik) != 0;
    std::fclose(plik);
    if (blad)
        return false;
    std::memcpy(Tablica, nowa, sizeof Tablica);
    IleJedzenia += jedzenie;
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
