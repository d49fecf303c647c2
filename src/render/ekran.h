// Drawing a whole frame: cameras, the board and actors, the overlays; and the reshape.
#pragma once
#include "render/tekstury.h"

void UstawStanGL();                  // the fixed OpenGL state every frame relies on

// Start-up, once the window's context is current: the fixed state, the textures (by default
// the eleven pictures of data/gfx), the maze and font lists that bind them, the clear colour.
void PrzygotujGrafike(void (*tekstury)() = WczytajTekstury);
void Wyswietlaj();                   // display callback: one complete frame, then the swap
void KlatkaBezObrazu();              // headless replay: what Wyswietlaj changes in the game, undrawn
void ZmianaRozmiaru(int w, int h);   // reshape callback: viewport and perspective
