// The ghosts. (Reset only, until roaming lands.)
#include "duch.h"

CDuch Duch[MAX_DUCHOW];

void CDuch::Inicjalizuj()
{
    KierX = KierZ = 0;
    ChcianyKierX = ChcianyKierZ = 0;
    Kat = 0;
}

void CDuch::UstalKierunek() {}
void CDuch::Idz() {}
