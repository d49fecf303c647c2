// What a replay shows of the game: the summary at its end and the dump, a line a game second.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>

// "level 2, score 57, lives 3"
std::string Podsumowanie();

// One game second: the state, level, score, lives, pellets left, bonus seconds, then the
// player's cell and each ghost's cell as row,column.
std::string LiniaZrzutu(uint32_t sekunda);

// The dump's pace: after each idle step, a line when the game clock has entered a new whole
// second since start-up (a frame longer than a second gives one line, for the last of them).
struct ZrzutSekund {
    uint32_t Start = 0;     // CzasStary at start-up
    uint32_t Ostatnia = 0;  // the second of the last line
    void PoKroku(std::ostream& wy);
};
