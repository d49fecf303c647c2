// The platform layer as the unit tests drive it: a clock they set, timers they fire,
// random draws they script, and a record of sounds, redraws, swaps, errors and exits.
#pragma once
#include <deque>
#include <string>
#include <vector>

namespace fake {

struct Dzwiek {
    std::string nazwa;
    unsigned flagi;
    bool operator==(const Dzwiek& o) const { return nazwa == o.nazwa && flagi == o.flagi; }
};

struct Timer {
    unsigned kiedy;        // fake time at which it is due
    void (*fn)(int);
    int wartosc;
    int numer;             // from 0 in arming order, as the real platform counts
};

extern unsigned czas;                 // what CzasOdStartu returns
extern std::vector<Timer> timery;     // armed and not yet fired
extern std::vector<Dzwiek> dzwieki;   // every PlaySoundA call
extern std::deque<int> losy;          // next Losuj results; empty means 0, or after
                                      // ZasiejLosowanie the real source's draws from that seed
extern std::vector<std::string> bledy;  // every PokazBlad text
extern int przerysowania;             // ZadajPrzerysowania calls
extern int zamiany;                   // ZamienBufory calls

// Thrown by ZakonczProgram so that a test can see the exit and carry on.
struct Wyjscie {
    int status;
};

void Wyczysc();                  // forget everything recorded, time back to 0, timers counted from 0
void PrzesunCzas(unsigned ms);   // advance the clock, firing the timers that fall due, in order

} // namespace fake
