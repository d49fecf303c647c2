// How the player and the ghosts are drawn. (Placeholder until the drawing lands.)
#include "duch.h"
#include "zorbit.h"

void CZorbit::Rysuj() { AnimujZlapanie(); }
void CDuch::Rysuj() {}
