// Drawing a whole frame: cameras, the board and actors, the overlays; and the reshape.
#pragma once

void UstawStanGL();                  // start-up: the fixed OpenGL state every frame relies on
void Wyswietlaj();                   // display callback: one complete frame, then the swap
void ZmianaRozmiaru(int w, int h);   // reshape callback: viewport and perspective
