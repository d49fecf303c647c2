// The game's one random source.
#pragma once

// Ghosts' decisions: a non-negative random number; the game uses it modulo 2.
int Losuj();

// Start-up: seeds the source once, so that a run can be repeated from its seed.
void ZasiejLosowanie(unsigned ziarno);
