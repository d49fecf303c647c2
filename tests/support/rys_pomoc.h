// Shared set-up of the drawing tests: an offscreen context with the game's fixed state,
// solid test textures in the slots, the maze and font lists, a top-down camera and pixel probes.
#pragma once
#include "support/gl_kontekst.h"

#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "render/czcionka.h"
#include "render/ekran.h"
#include "render/tekstury.h"
#include "shell/stale.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace rys {

struct Kolor {
    int r, g, b;
};

constexpr Kolor CZARNY{0, 0, 0};

// Uploads a w x h RGB picture into texture[slot], keeping the slot's name once it has one
// (the Bonus list holds the name it saw when it was compiled).
inline void Tekstura(uint32_t slot, int w, int h, const std::vector<uint8_t>& rgb)
{
    if (texture[slot] == 0)
        glGenTextures(1, &texture[slot]);
    glBindTexture(GL_TEXTURE_2D, texture[slot]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, w, h, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

inline void Jednolita(uint32_t slot, Kolor k)
{
    Tekstura(slot, 1, 1, {uint8_t(k.r), uint8_t(k.g), uint8_t(k.b)});
}

// A 16x16 font picture, one texel per glyph cell, coloured by a function of the glyph number.
template <class F>
void Czcionka(F kolorZnaku)
{
    std::vector<uint8_t> rgb(16 * 16 * 3);
    for (int g = 0; g < 256; ++g) {
        const int wiersz = 15 - g / 16;  // glyph rows count from the top of the picture
        const Kolor k = kolorZnaku(g);
        uint8_t* p = &rgb[(wiersz * 16 + g % 16) * 3];
        p[0] = uint8_t(k.r), p[1] = uint8_t(k.g), p[2] = uint8_t(k.b);
    }
    Tekstura(TEKSTURA_CZCIONKI, 16, 16, rgb);
}

inline void KwadrykaDla(GLUquadric*& q)
{
    if (q)
        return;
    q = gluNewQuadric();
    gluQuadricDrawStyle(q, GLU_FILL);
    gluQuadricNormals(q, GLU_SMOOTH);
    gluQuadricOrientation(q, GLU_OUTSIDE);
    gluQuadricTexture(q, GL_TRUE);
}

// Everything black on black, font white: a test paints only what it looks at.
inline void CzarnaScena()
{
    for (uint32_t s = 0; s < ILE_TEKSTUR; ++s)
        Jednolita(s, CZARNY);
    Czcionka([](int) { return Kolor{255, 255, 255}; });
}

// A w x h frame with the fixed state, the lists and the font; a board of plain floor,
// no ghosts, the player standing still, no overlays switched on.
inline void Przygotuj(int w, int h)
{
    static bool gotowe = false;
    ASSERT_TRUE(UtworzKontekstGL(w, h));
    if (!gotowe) {
        PrzygotujGrafike(CzarnaScena);
        gotowe = true;
    }
    CzarnaScena();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    ZmianaRozmiaru(w, h);
    std::memset(Tablica, 0, sizeof Tablica);
    IleDuchow = 0;
    Opoznienie = 0;
    Mapa.KatObrotu = 0;
    Mapa.FazaBonusu = 0.0f;
    Mapa.LicznikPliku = 1;
    Stan = Gra;
    KamY = 9;
    Klatki = false;
    WyborMenu = 1;
    Punkty = 0;
    BonusCzas = 0;
    Przezroczysty = false;
    Zorbit.PozX = Zorbit.PozZ = 12.5f;
    Zorbit.Kat = 0;
    Zorbit.Zlapany = false;
    Zorbit.FazaZlapania = 0.5f;
    Zorbit.ObrotZlapania = 0.0f;
    Zorbit.Zycia = 3;
    KwadrykaDla(Zorbit.Kwadryka);
    for (CDuch& d : Duch)
        KwadrykaDla(d.Kwadryka);
}

// Looks straight down at the square [x0, x0+bok] x [z0, z0+bok] of the board: world x to
// the right, world z up the screen, higher y nearer. The light (from the eye) falls on tops.
inline void KameraZGory(float x0, float z0, float bok)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(x0, x0 + bok, z0, z0 + bok, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    const GLfloat m[16] = {1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    glLoadMatrixf(m);
    glEnable(GL_TEXTURE_2D);
}

inline ::testing::AssertionResult Jak(std::array<uint8_t, 3> p, Kolor k, int tol = 4)
{
    if (std::abs(p[0] - k.r) <= tol && std::abs(p[1] - k.g) <= tol && std::abs(p[2] - k.b) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << int(p[0]) << ", " << int(p[1]) << ", " << int(p[2])
                                         << "), wanted (" << k.r << ", " << k.g << ", " << k.b << ")";
}

struct Punkt {
    double x, y;
    int ile;
};

// Centre of the pixels whose colour passes the test, over the whole frame.
template <class F>
Punkt Srodek(int w, int h, F pasuje)
{
    std::vector<uint8_t> rgba(size_t(w) * h * 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    Punkt s{0, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = &rgba[(size_t(y) * w + x) * 4];
            if (pasuje(p[0], p[1], p[2])) {
                s.x += x + 0.5, s.y += y + 0.5;
                ++s.ile;
            }
        }
    if (s.ile)
        s.x /= s.ile, s.y /= s.ile;
    return s;
}

} // namespace rys
