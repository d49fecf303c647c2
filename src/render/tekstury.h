// The eleven textures made at start-up from data/gfx, and the slot table the drawing binds from.
#pragma once
#include <cstdint>
#include "../shell/stale.h"

extern uint32_t texture[ILE_TEKSTUR];  // texture names by load order; 0 where the file failed
extern uint32_t IndeksTekstury;        // slot the next LoadGLTextures fills

// Reads the bitmap at nazwa into texture[IndeksTekstury]; always advances the slot.
// Returns 1 when a texture was made, 0 otherwise. Needs a current GL context.
int LoadGLTextures(const char* nazwa);

// Start-up: the eleven files in their slot order.
void WczytajTekstury();
