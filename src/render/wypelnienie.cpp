// The switches of the drawing savings, and the culling they turn on and off.
#include "render/wypelnienie.h"

#include <GL/gl.h>

OszczedzanieWypelnienia Wypelnienie;

namespace {

// A mirroring model-view (a negative determinant) turns outside faces clockwise on screen.
bool LustrzanyWidok()
{
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const float wyznacznik = m[0] * (m[5] * m[10] - m[9] * m[6]) - m[4] * (m[1] * m[10] - m[9] * m[2]) +
                             m[8] * (m[1] * m[6] - m[5] * m[2]);
    return wyznacznik < 0.0f;
}

} // namespace

void OdrzucajTyly()
{
    if (!Wypelnienie.odrzucanieTylow)
        return;
    glFrontFace(LustrzanyWidok() ? GL_CW : GL_CCW);
    glEnable(GL_CULL_FACE);
}

void PrzestanOdrzucac()
{
    glDisable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
}
