// Keyboard input. (Placeholder until the keys land.)
#include "klawisze.h"

void Klawisze(unsigned char, int, int) {}
void KlawiszeSpec(int, int, int) {}
