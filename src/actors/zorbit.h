// The player: grid movement, eating, score, lives, the bonus and the caught sequence.
#pragma once
#include <cstdint>

struct GLUquadric;

class CZorbit {
public:
    float NowaPozX;        // candidate x of this frame's step
    float NowaPozZ;        // candidate z
    int32_t KierX;         // current direction, x step
    int32_t KierZ;         // current direction, z step
    int32_t Kat;           // heading in degrees
    float FazaZlapania;    // caught animation phase, 0.5 when not caught
    float ObrotZlapania;   // caught animation spin, degrees
    int32_t Zycia;         // lives left
    GLUquadric* Kwadryka;  // the quadric the ball is drawn with
    bool Zlapany;          // a ghost caught the player: the caught animation runs
    float PozX;            // committed position
    float PozZ;
    int32_t ChcianyKierX;  // wanted direction, written by the arrow keys
    int32_t ChcianyKierZ;

    void Inicjalizuj();    // full reset for a new game: three lives
    void Ustaw();          // re-placement for a new level or a lost life
    void Idz();            // one frame of movement, eating and bonus pick-up
    void Rysuj();          // draws the ball and runs the caught animation
    void AnimujZlapanie(); // the caught animation's advance and end, called by Rysuj
};
extern CZorbit Zorbit;

extern uint32_t BonusCzas;    // bonus seconds left
extern bool Przezroczysty;    // a bonus is running: no catching, see-through look
extern float Predkosc;        // speed of every actor, cells per millisecond

void BonusTimer(int value);   // one bonus second: counts down, re-arms itself while any are left
