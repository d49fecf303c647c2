// The 2D overlays: heads-up line, frame-rate line, level banner (text), and the menu
// entries and end picture (textured quads), each in the state that shows it.
#include "render/nakladki.h"

#include "render/czcionka.h"
#include "render/tekstury.h"

#include "actors/zorbit.h"
#include "board/mapa.h"
#include "shell/stale.h"

#include <GL/gl.h>

#include <cstdio>

namespace {

// Numbers go through a stack buffer: nothing is allocated per frame.
void DrukujLiczbe(int x, int y, long long liczba)
{
    char bufor[24];
    std::snprintf(bufor, sizeof bufor, "%lld", liczba);
    glPrint(x, y, bufor, 0);
}

// Text is added onto the frame (blend source alpha, one) and blending goes off after each group.
void ZacznijNapisy(float r, float g, float b)
{
    glEnable(GL_BLEND);
    glColor4f(r, g, b, 0.9f);
}

void PasekStanu()
{
    ZacznijNapisy(1.0f, 0.4f, 0.0f);
    glPrint(0, 460, "plansza:", 0);
    DrukujLiczbe(85, 460, Mapa.LicznikPliku);
    glPrint(130, 460, "zycia:", 0);
    DrukujLiczbe(195, 460, Zorbit.Zycia);
    glPrint(240, 460, "punkty:", 0);
    DrukujLiczbe(315, 460, Punkty);
    if (Przezroczysty) {
        glPrint(400, 460, "bonus:", 0);
        DrukujLiczbe(465, 460, BonusCzas);
    }
    glDisable(GL_BLEND);
}

void LiniaKlatek()
{
    ZacznijNapisy(1.0f, 1.0f, 0.0f);
    glPrint(0, 435, "fps:", 0);
    DrukujLiczbe(45, 435, fps);
    glDisable(GL_BLEND);
}

void NapisPlanszy()
{
    ZacznijNapisy(1.0f, 0.0f, 0.5f);
    glPrint(270, 270, "plansza:", 0);
    DrukujLiczbe(355, 270, Mapa.LicznikPliku);
    glDisable(GL_BLEND);
}

// One upright 128x32 picture with its lower-left corner at the current origin.
void Obrazek(SlotTekstury slot, float jasnosc)
{
    glColor3f(jasnosc, jasnosc, jasnosc);
    glBindTexture(GL_TEXTURE_2D, texture[slot]);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(0, 0);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(0, 32);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(128, 32);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(128, 0);
    glEnd();
}

// Pictures are drawn unlit under the overlay projection. Kept: the matrix mode stays on the
// projection; the next frame selects the model-view matrix first thing.
void ZacznijObrazki(int x, int y)
{
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    WlaczRzutNakladek();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushMatrix();
    glTranslated(x, y, 0.0);
}

void ZakonczObrazki()
{
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glEnable(GL_LIGHTING);
}

float JasnoscWpisu(uint32_t wpis)
{
    return WyborMenu == wpis ? 1.0f : 0.5f;
}

void EkranKonca()
{
    ZacznijObrazki(256, 260);
    Obrazek(TEKSTURA_KONCA, 1.0f);
    ZakonczObrazki();
}

void MenuWpisy()
{
    ZacznijObrazki(256, 250);
    Obrazek(TEKSTURA_WYJSCIA, JasnoscWpisu(2));
    glTranslated(0.0, 40.0, 0.0);
    Obrazek(TEKSTURA_NOWEJ_GRY, JasnoscWpisu(1));
    ZakonczObrazki();
}

} // namespace

void RysujNakladki()
{
    if (Stan != Intro && Stan != Menu)
        PasekStanu();
    if (Klatki)
        LiniaKlatek();
    if (Stan == KoniecTemp)
        EkranKonca();
    if (Stan == Menu || Stan == MenuGra)
        MenuWpisy();
    if (Stan == NextPlanszaTemp)
        NapisPlanszy();
}
