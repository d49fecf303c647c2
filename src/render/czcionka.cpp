// The bitmap font: 256 glyph display lists cut from the 16x16 grid of font.bmp,
// and glPrint, which prints a string with them in the 640x480 overlay space.
#include "render/czcionka.h"

#include "render/tekstury.h"

#include <GL/gl.h>

uint32_t base = 0;

namespace {

constexpr double KROK = 10.0;  // pen advance of every glyph

void KompilujZnak(uint32_t g)
{
    const float cx = static_cast<float>(g % 16) / 16.0f;
    const float cy = static_cast<float>(g / 16) / 16.0f;
    glNewList(base + g, GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2f(cx, 1.0f - cy - 0.0625f);
    glVertex2i(0, 0);
    glTexCoord2f(cx + 0.0625f, 1.0f - cy - 0.0625f);
    glVertex2i(20, 0);
    glTexCoord2f(cx + 0.0625f, 1.0f - cy);
    glVertex2i(20, 20);
    glTexCoord2f(cx, 1.0f - cy);
    glVertex2i(0, 20);
    glEnd();
    glTranslated(KROK, 0.0, 0.0);
    glEndList();
}

// Bytes below 32 (as signed bytes, so also 128..255) would call lists below the glyphs,
// which belong to the maze or to nobody: they only move the pen.
bool JestZnakiem(char c)
{
    return static_cast<signed char>(c) >= 32;
}

void WywolajZnaki(const char* s)
{
    while (*s) {
        const char* poczatek = s;
        while (*s && JestZnakiem(*s))
            ++s;
        if (s > poczatek)
            glCallLists(static_cast<GLsizei>(s - poczatek), GL_BYTE, poczatek);
        for (; *s && !JestZnakiem(*s); ++s)
            glTranslated(KROK, 0.0, 0.0);
    }
}

} // namespace

void BuildFont()
{
    base = glGenLists(256);
    glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_CZCIONKI]);
    for (uint32_t g = 0; g < 256; ++g)
        KompilujZnak(g);
}

void WlaczRzutNakladek()
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 640.0, 0.0, 480.0, -1.0, 1.0);
}

void glPrint(int x, int y, const char* string, int set)
{
    // Only sets 0 and 1 exist; a negative set would reach below the glyphs.
    if (set > 1)
        set = 1;
    if (set < 0)
        set = 0;
    glDisable(GL_LIGHTING);
    glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_CZCIONKI]);
    glDisable(GL_DEPTH_TEST);

    WlaczRzutNakladek();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, y, 0.0);

    glListBase(base - 32 + 128 * set);
    WywolajZnaki(string);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
