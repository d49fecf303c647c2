// Shared constants, the game state and the globals of the game flow.
// Every room reads these; the shell defines them (stale.cpp).
#pragma once
#include <cstdint>

constexpr int MAX = 25;                 // side of the board, in cells
constexpr uint32_t MAX_DUCHOW = 30;     // capacity of the ghost array
constexpr uint32_t ILE_TEKSTUR = 11;    // texture slots loaded at start-up

// Values are fixed: level banner, end screen and the tests rely on them.
enum StanProgramu : int32_t {
    Intro = 0,
    Menu = 1,
    MenuGra = 2,
    Gra = 3,
    Restart = 4,          // Kept: never entered, but its number is
    NextPlansza = 5,
    NextPlanszaTemp = 6,
    Reset = 7,
    ResetTemp = 8,        // Kept: never entered, but its number is
    Koniec = 9,
    KoniecTemp = 10,
};

extern StanProgramu Stan;      // current game state
extern uint32_t Czas;          // toolkit time of this idle step, ms
extern uint32_t CzasStary;     // Czas of the previous idle step
extern uint32_t Opoznienie;    // previous frame's duration, ms; all movement scales by it
extern uint32_t LiczbaKlatek;  // frames since the last frame-rate update
extern uint32_t CzasStaryFPS;  // Czas at the last frame-rate update
extern uint32_t fps;           // last computed frames per second
extern uint32_t Punkty;        // score of the current game
extern uint32_t WyborMenu;     // selected menu entry: 1 new game, 2 exit
extern bool SoundOn;           // sound effects on
extern bool Klatki;            // frame-rate line shown
extern uint32_t KamY;          // eye height of the follow camera, 8..18

// Every game sound goes through here: plays plik with PlaySoundA's flags while SoundOn is set.
void Graj(const char* plik, unsigned flagi);
