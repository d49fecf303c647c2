// The eleven textures made at start-up from data/gfx, each a mipmapped texture object.
#include "render/tekstury.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/obraz.h"

uint32_t texture[ILE_TEKSTUR];
uint32_t IndeksTekstury = 0;

namespace {

void ZbudujTeksture(GLuint& nazwa, const RgbImage& obraz)
{
    glGenTextures(1, &nazwa);
    glBindTexture(GL_TEXTURE_2D, nazwa);
    // Our rows are packed 3*width bytes with no padding; GL's default assumes 4-byte rows.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, obraz.width, obraz.height, GL_RGB, GL_UNSIGNED_BYTE,
                      obraz.pixels.data());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}

} // namespace

int LoadGLTextures(const char* nazwa)
{
    int wynik = 0;
    // A call past the last slot still reads nothing into the table: there is no slot for it.
    if (IndeksTekstury < ILE_TEKSTUR) {
        if (std::unique_ptr<RgbImage> obraz = LoadBMP(nazwa)) {
            ZbudujTeksture(texture[IndeksTekstury], *obraz);
            wynik = 1;
        }
    }
    ++IndeksTekstury;
    return wynik;
}

void WczytajTekstury()
{
    for (const char* plik : PLIKI_TEKSTUR)
        LoadGLTextures(plik);
}
