// The game's one random source.
#pragma once

// Ghosts' decisions: a non-negative random number; the game uses it modulo 2.
int Losuj();
