// The maze display lists and the board drawing. (Placeholder until the drawing lands.)
#include "mapa.h"

uint32_t Sciana = 0, Jedzenie = 0, Podloga = 0, Mur = 0, Bonus = 0;

void GenerujListe() {}

void CMapa::Rysuj() {}
