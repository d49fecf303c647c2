// The board: the grid of the current level, its cell codes, the map object with
// the level files and their sequence, the start-cell scan, and the maze display lists.
#pragma once
#include <cstdint>
#include <string>
#include "shell/stale.h"

// Cell codes: the byte stored in a cell. Only KOD_SCIANA blocks movement.
constexpr int8_t KOD_PODLOGA = 0;
constexpr int8_t KOD_SCIANA = 1;
constexpr int8_t KOD_JEDZENIE = 2;
constexpr int8_t KOD_START_DUCHA = 3;
constexpr int8_t KOD_BONUS = 4;
constexpr int8_t KOD_START_ZORBITA = 5;

extern int8_t Tablica[MAX][MAX];  // [row = x][column = z] of the current level
extern uint32_t IleJedzenia;    // pellets left on the board
extern uint32_t IleDuchow;      // ghosts in play: Duch[0 .. IleDuchow-1]

// Movement and eating: the cell code under the point (x, z); a point outside the grid reads as a wall.
int8_t Komorka(float x, float z);

// The level file with this number: 0 the intro board, n the n-th level ("data/mapy/n.map").
std::string NazwaPlikuPoziomu(int32_t numer);

class CMapa {
public:
    std::string NazwaPliku;   // level file chosen by GetNazwaPliku
    uint32_t KatObrotu;       // turn of pellets and bonuses, whole degrees
    float FazaBonusu;         // pulse phase of the bonuses, radians
    int32_t LicznikPliku;     // number of the current level file, 0 at the intro

    void Inicjalizuj();             // level counter and turn back to 0
    std::string GetNazwaPliku();    // names the next file to read (intro or next number)
    bool WczytajMape();             // reads NazwaPliku into Tablica; false if it cannot be opened or read
    void Rysuj();                   // draws the board, then Animuj
    void Animuj();                  // turns the pellets and pulses the bonuses by the frame time
};
extern CMapa Mapa;

// Start scan: puts ghosts on their start cells and the player on its start cell;
// returns the number of ghosts placed (at most MAX_DUCHOW).
int InicjalizujDuchy();
// A new board in Tablica: the start scan, then every ghost found comes into play standing.
// IleDuchow becomes their number. The player's own reset is the caller's.
void RozstawAktorow();

// Maze display lists, five consecutive names made once by GenerujListe.
extern uint32_t Sciana, Jedzenie, Podloga, Mur, Bonus;
void GenerujListe();   // start-up, after the textures: compiles the five lists
