// Quadric set-up shared by the actors and the maze's bonus sphere, and their release at exit.
#include "render/kwadryka.h"

#include <GL/glu.h>

#include <cstdlib>
#include <vector>

namespace {

// Every quadric made, for the exit. At namespace scope, so it outlives the atexit handler.
std::vector<GLUquadric*> Zrobione;

// Every way out passes std::exit; the holders are not drawn again after it.
void ZwolnijKwadryki()
{
    for (GLUquadric* kwadryka : Zrobione)
        gluDeleteQuadric(kwadryka);
    Zrobione.clear();
}

} // namespace

void DajKwadryke(GLUquadric*& kwadryka)
{
    if (kwadryka)
        return;
    kwadryka = gluNewQuadric();
    if (!kwadryka)
        return;
    static const bool zarejestrowane = std::atexit(ZwolnijKwadryki) == 0;
    (void)zarejestrowane;
    Zrobione.push_back(kwadryka);
    gluQuadricDrawStyle(kwadryka, GLU_FILL);
    gluQuadricNormals(kwadryka, GLU_SMOOTH);
    gluQuadricOrientation(kwadryka, GLU_OUTSIDE);
    gluQuadricTexture(kwadryka, GL_TRUE);
}
