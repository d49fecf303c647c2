// One complete frame (camera, board, ghosts, player, overlays, swap), the reshape,
// and the fixed OpenGL state that start-up sets once.
#include "render/ekran.h"

#include "render/czcionka.h"
#include "render/nakladki.h"

#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "platform/okno.h"
#include "shell/stale.h"

#include <GL/gl.h>
#include <GL/glu.h>

void UstawStanGL()
{
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

void PrzygotujGrafike(void (*tekstury)())
{
    UstawStanGL();
    tekstury();
    GenerujListe();
    BuildFont();
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
}

namespace {

// In play the camera follows the player without turning; elsewhere it looks at the intro view.
void UstawKamere()
{
    if (Stan == Gra || Stan == MenuGra) {
        const double x = Zorbit.PozX, z = Zorbit.PozZ;
        gluLookAt(x - 2.0, KamY, z - 5.5, x, 0.0, z, 0.0, 1.0, 0.0);
    } else {
        gluLookAt(3.0, 15.0, 8.0, 10.0, 0.0, 12.0, 0.0, 1.0, 0.0);
    }
}

} // namespace

void Wyswietlaj()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    UstawKamere();
    glEnable(GL_TEXTURE_2D);

    Mapa.Rysuj();
    for (uint32_t i = 0; i < IleDuchow && i < MAX_DUCHOW; ++i)
        Duch[i].Rysuj();
    // The player's drawing may end the caught animation and change Stan: the overlays see the new one.
    Zorbit.Rysuj();

    RysujNakladki();
    ZamienBufory();
}

// Wyswietlaj's changes to the game, in its order: the board's animation, then the player's
// caught animation, which may take a life and change Stan.
void KlatkaBezObrazu()
{
    Mapa.Animuj();
    Zorbit.AnimujZlapanie();
}

void ZmianaRozmiaru(int w, int h)
{
    // A minimised window reports height 0: keep a valid projection by counting it as 1.
    if (h < 1)
        h = 1;
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(55.0, static_cast<double>(w) / h, 1.0, 25.0);
}
