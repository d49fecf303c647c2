// The full board both benchmarks play on: border walls, a wall pillar at every even (row, column)
// inside, 30 ghost starts spread over the board, four bonuses, the player and pellets everywhere else.
#pragma once

// Where the player starts: the start corner, where half the follow camera's view is outside the
// board, or the middle, where it sees maze from edge to edge.
enum class Widok { Naroznik, Srodek };

// Fills Tablica and IleJedzenia, resets the player for a new game and places every actor; Stan = Gra.
void NowaGraNaPelnejPlanszy(Widok widok = Widok::Naroznik);
