// The switches of the fill savings, and the culling they turn on and off.
#include "render/wypelnienie.h"

#include <GL/gl.h>

OszczedzanieWypelnienia Wypelnienie;

void OdrzucajTyly()
{
    if (Wypelnienie.odrzucanieTylow)
        glEnable(GL_CULL_FACE);
}

void PrzestanOdrzucac()
{
    glDisable(GL_CULL_FACE);
}
