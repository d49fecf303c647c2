// The game's one random source.
#pragma once
#include <random>

// Ghosts' decisions: a non-negative random number; the game uses it modulo 2.
int Losuj();

// Start-up (and a replayed demo, with its recorded seed): seeds the source once, so that a
// run can be repeated from its seed.
void ZasiejLosowanie(unsigned ziarno);

// The generator behind Losuj. Its sequence is fixed by the C++ standard, not by the C library,
// so a seed gives the same draws on every machine: what a demo needs to replay from its seed.
using GeneratorLosow = std::mt19937;
inline int LosZ(GeneratorLosow& g)
{
    return static_cast<int>(g() >> 1);
}
