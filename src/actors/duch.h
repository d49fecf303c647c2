// The ghosts: random roaming on the grid and catching the player.
#pragma once
#include <cstdint>
#include "shell/stale.h"

struct GLUquadric;

class CDuch {
public:
    float NowaPozX;        // candidate x of this frame's step
    float NowaPozZ;
    int32_t KierX;         // current direction
    int32_t KierZ;
    int32_t Kat;           // heading in degrees
    GLUquadric* Kwadryka;  // the quadric the ghost is drawn with
    float PozX;            // committed position
    float PozZ;
    int32_t ChcianyKierX;  // wanted direction, set by the random decision
    int32_t ChcianyKierZ;

    void Inicjalizuj();    // standing, no wish, heading 0
    void UstalKierunek();  // the once-a-second random decision
    void Idz();            // one frame of movement, then the catch test
    void Rysuj();          // draws the ghost
};
extern CDuch Duch[MAX_DUCHOW];
