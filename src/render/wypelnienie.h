// Drawing the board and the player for less: under a software renderer the frame is bound by
// the pixels it shades, and the renderer's memory grows with every change of picture. Every
// switch leaves the picture exactly as it is; all are on in the game, and the render tests
// turn each off to compare frames.
#pragma once

struct OszczedzanieWypelnienia {
    bool odrzucanieTylow = true;   // GL_CULL_FACE on the opaque player's ball: its far half never shows
    bool podlogaNaKoniec = true;   // the floor after the opaque solids: depth rejects what they hide
    bool odPrzodu = true;          // wall blocks nearest the camera first, then the rest
    bool poRodzajach = true;       // the cells kind by kind, each kind's picture bound once
};
extern OszczedzanieWypelnienia Wypelnienie;

// Back faces off for a solid seen from outside, whose back faces depth always hides, when the
// switch allows it; a mirroring view is allowed for.
void OdrzucajTyly();
void PrzestanOdrzucac();           // back to drawing both faces, as everything else expects
