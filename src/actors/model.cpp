// How the player and the ghosts are drawn: textured GLU spheres, the see-through bonus
// look and the spinning, sinking caught look.
#include "actors/duch.h"
#include "actors/zorbit.h"

#include "render/tekstury.h"
#include "render/wypelnienie.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

// The picture turns with the heading; the sphere's pole is stood upright.
void ObrocWgKursu(int32_t kat)
{
    glRotatef(static_cast<float>(kat), 0.0f, 1.0f, 0.0f);
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
}

// Brighter in the last three bonus seconds; the alpha only shows while blending is on.
float AlfaBonusu()
{
    if (!Przezroczysty)
        return 0.4f;
    switch (BonusCzas) {
    case 2: return 0.6f;
    case 1: return 0.8f;
    case 0: return 1.0f;
    default: return 0.4f;
    }
}

} // namespace

void CDuch::Rysuj()
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_DUCHA]);
    glColor3f(1.0f, 1.0f, 1.0f);
    glPushMatrix();
    glTranslatef(PozX, 0.1f, PozZ);
    ObrocWgKursu(Kat);
    glScalef(1.0f, 1.0f, 2.0f);
    if (Kwadryka)  // made by the reset; an actor never reset has nothing to draw with
        gluSphere(Kwadryka, 0.5, 10, 10);
    glPopMatrix();
}

void CZorbit::Rysuj()
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_ZORBITA]);
    glPushMatrix();
    if (!Zlapany) {
        glColor4f(1.0f, 1.0f, 1.0f, AlfaBonusu());
        // Blended, the far side of the ball adds to the picture: both faces are drawn then.
        if (Przezroczysty)
            glEnable(GL_BLEND);
        else
            OdrzucajTyly();
        glTranslatef(PozX, 0.5f, PozZ);
        ObrocWgKursu(Kat);
    } else {
        glColor3f(1.0f, 0.0f, 1.0f);
        glTranslatef(PozX, static_cast<float>(std::sin(FazaZlapania)), PozZ);
        ObrocWgKursu(Kat);
        glRotatef(ObrotZlapania, 0.0f, 0.0f, 1.0f);
        OdrzucajTyly();
        // The matrix already holds this frame's values; the advance is for the next one.
        AnimujZlapanie();
    }
    if (Kwadryka)
        gluSphere(Kwadryka, 0.5, 15, 15);
    PrzestanOdrzucac();
    glPopMatrix();
    if (Przezroczysty)
        glDisable(GL_BLEND);
}
