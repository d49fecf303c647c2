// The eleven textures made at start-up from data/gfx, and the slot table the drawing binds from.
#pragma once
#include <cstdint>
#include "shell/stale.h"

// The slots in the order start-up loads them; reordering or adding a picture is done here.
enum SlotTekstury : uint32_t {
    TEKSTURA_PODLOGI,     // the floor
    TEKSTURA_SCIANY,      // the inner wall blocks
    TEKSTURA_JEDZENIA,    // the pellets
    TEKSTURA_DUCHA,       // the ghosts
    TEKSTURA_BONUSU,      // the bonus spheres
    TEKSTURA_ZORBITA,     // the player's ball
    TEKSTURA_MURU,        // the outer wall strips
    TEKSTURA_CZCIONKI,    // the font's 16x16 glyph grid
    TEKSTURA_NOWEJ_GRY,   // the menu entry "Nowa gra"
    TEKSTURA_WYJSCIA,     // the menu entry "Wyjscie"
    TEKSTURA_KONCA,       // the end picture
    ILE_SLOTOW
};
static_assert(ILE_SLOTOW == ILE_TEKSTUR, "one file a slot");

// The file each slot is made from, by slot.
inline constexpr const char* PLIKI_TEKSTUR[ILE_TEKSTUR] = {
    "data/gfx/tekstura0.bmp", "data/gfx/tekstura1.bmp", "data/gfx/tekstura2.bmp",
    "data/gfx/duch.bmp",      "data/gfx/tekstura3.bmp", "data/gfx/zorbit.bmp",
    "data/gfx/mur.bmp",       "data/gfx/font.bmp",      "data/gfx/nowagra.bmp",
    "data/gfx/wyjscie.bmp",   "data/gfx/koniec.bmp",
};

extern uint32_t texture[ILE_TEKSTUR];  // texture names by load order; 0 where the file failed
extern uint32_t IndeksTekstury;        // slot the next LoadGLTextures fills

// Reads the bitmap at nazwa into texture[IndeksTekstury]; always advances the slot.
// Returns 1 when a texture was made, 0 otherwise. Needs a current GL context.
int LoadGLTextures(const char* nazwa);

// Start-up: the eleven files in their slot order.
void WczytajTekstury();
