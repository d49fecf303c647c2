// Shading each screen pixel about once: under a software renderer the frame is bound by the
// pixels it shades. Every switch leaves the picture exactly as it is; all are on in the game,
// and the render tests turn each off to compare frames.
#pragma once

struct OszczedzanieWypelnienia {
    bool odrzucanieTylow = true;   // GL_CULL_FACE on the closed solids seen from outside
    bool podlogaNaKoniec = true;   // the floor after the opaque solids: depth rejects what they hide
    bool odPrzodu = true;          // wall blocks nearest the camera first, then the rest
};
extern OszczedzanieWypelnienia Wypelnienie;

// Back faces off for a solid whose back faces depth always hides, when the switch allows it.
void OdrzucajTyly();
void PrzestanOdrzucac();           // back to drawing both faces, as everything else expects
