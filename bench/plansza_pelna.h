// The full board both benchmarks play on: border walls, a wall pillar at every even (row, column)
// inside, 30 ghost starts spread over the board, four bonuses, the player in the corner and pellets
// everywhere else.
#pragma once

// Fills Tablica and IleJedzenia, resets the player for a new game and places every actor; Stan = Gra.
void NowaGraNaPelnejPlanszy();
