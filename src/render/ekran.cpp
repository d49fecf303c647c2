// Frame drawing and reshape. (Clears to grey until the drawing lands.)
#include "ekran.h"

#include "../platform/okno.h"

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

void Wyswietlaj()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    ZamienBufory();
}

void ZmianaRozmiaru(int w, int h)
{
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(55.0, static_cast<double>(w) / (h > 0 ? h : 1), 1.0, 25.0);
}
