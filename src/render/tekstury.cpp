// Textures from the bitmaps. (Placeholder until the image reader lands.)
#include "tekstury.h"

uint32_t texture[ILE_TEKSTUR];
uint32_t IndeksTekstury = 0;

int LoadGLTextures(const char*)
{
    ++IndeksTekstury;
    return 0;
}

void WczytajTekstury()
{
    static const char* const pliki[ILE_TEKSTUR] = {
        "data/gfx/tekstura0.bmp", "data/gfx/tekstura1.bmp", "data/gfx/tekstura2.bmp",
        "data/gfx/duch.bmp",      "data/gfx/tekstura3.bmp", "data/gfx/zorbit.bmp",
        "data/gfx/mur.bmp",       "data/gfx/font.bmp",      "data/gfx/nowagra.bmp",
        "data/gfx/wyjscie.bmp",   "data/gfx/koniec.bmp",
    };
    for (const char* plik : pliki)
        LoadGLTextures(plik);
}
