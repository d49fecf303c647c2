// Quadric set-up shared by the actors and the maze's bonus sphere.
#include "render/kwadryka.h"

#include <GL/glu.h>

void DajKwadryke(GLUquadric*& kwadryka)
{
    if (kwadryka)
        return;
    kwadryka = gluNewQuadric();
    if (!kwadryka)
        return;
    gluQuadricDrawStyle(kwadryka, GLU_FILL);
    gluQuadricNormals(kwadryka, GLU_SMOOTH);
    gluQuadricOrientation(kwadryka, GLU_OUTSIDE);
    gluQuadricTexture(kwadryka, GL_TRUE);
}
