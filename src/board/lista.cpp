// The maze display lists (floor, outer wall strip, wall block, pellet, bonus sphere)
// and the board drawing with the turning and pulsing of pellets and bonuses.
#include "board/mapa.h"

#include "render/kwadryka.h"
#include "render/tekstury.h"
#include "render/wypelnienie.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

uint32_t Sciana = 0, Jedzenie = 0, Podloga = 0, Mur = 0, Bonus = 0;

namespace {

struct Naroznik {
    float x, y, z, s, t;
};

struct Bok {
    float nx, ny, nz;
    Naroznik n[4];
};

void RysujBoki(const Bok* boki, int ile)
{
    glBegin(GL_QUADS);
    for (int i = 0; i < ile; ++i) {
        glNormal3f(boki[i].nx, boki[i].ny, boki[i].nz);
        for (const Naroznik& n : boki[i].n) {
            glTexCoord2f(n.s, n.t);
            glVertex3f(n.x, n.y, n.z);
        }
    }
    glEnd();
}

// Five faces of the box (0,0,0)-(dl,1,1); no bottom. The long faces carry the picture once
// per unit of length. The strip's top runs its picture along the strip; the block's top
// has its own mapping, turned a quarter from it.
void KompilujSkrzynke(uint32_t lista, float dl, bool gornaJakMur)
{
    const Bok boki[5] = {
        {0, 0, 1, {{0, 0, 1, 0, 0}, {0, 1, 1, 0, 1}, {dl, 1, 1, dl, 1}, {dl, 0, 1, dl, 0}}},
        {0, 0, -1, {{0, 0, 0, 0, 0}, {0, 1, 0, 0, 1}, {dl, 1, 0, dl, 1}, {dl, 0, 0, dl, 0}}},
        {-1, 0, 0, {{0, 0, 0, 0, 0}, {0, 1, 0, 0, 1}, {0, 1, 1, 1, 1}, {0, 0, 1, 1, 0}}},
        {1, 0, 0, {{dl, 0, 0, 0, 0}, {dl, 1, 0, 0, 1}, {dl, 1, 1, 1, 1}, {dl, 0, 1, 1, 0}}},
        gornaJakMur
            ? Bok{0, 1, 0, {{0, 1, 0, 0, 1}, {dl, 1, 0, dl, 1}, {dl, 1, 1, dl, 0}, {0, 1, 1, 0, 0}}}
            : Bok{0, 1, 0, {{0, 1, 0, 0, 0}, {dl, 1, 0, 0, 1}, {dl, 1, 1, 1, 1}, {0, 1, 1, 1, 0}}},
    };
    glNewList(lista, GL_COMPILE);
    glColor3f(1.0f, 1.0f, 1.0f);
    RysujBoki(boki, 5);
    glEndList();
}

void KompilujPlaska(uint32_t lista, float r, float g, float b, const Bok& plaska)
{
    glNewList(lista, GL_COMPILE);
    glColor3f(r, g, b);
    RysujBoki(&plaska, 1);
    glEndList();
}

// The name the bonus list binds: the slot's when the list was compiled.
uint32_t TeksturaListyBonusu = 0;

void KompilujBonus()
{
    // The quadric lives as long as the list that used it: it goes at exit with the others.
    GLUquadric* kula = nullptr;
    DajKwadryke(kula);
    TeksturaListyBonusu = texture[TEKSTURA_BONUSU];
    glNewList(Bonus, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, TeksturaListyBonusu);
    if (kula)
        gluSphere(kula, 0.2, 10, 10);
    glEndList();
}

void RysujMury()
{
    glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_MURU]);
    glPushMatrix();
    glCallList(Mur);
    glTranslatef(0.0f, 0.0f, 24.0f);
    glTranslatef(1.0f, 0.0f, 0.0f);
    glCallList(Mur);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(0.0f, 0.0f, 25.0f);
    glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
    glCallList(Mur);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(24.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, 24.0f);
    glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
    glCallList(Mur);
    glPopMatrix();
}

bool NaObwodzie(int r, int c)
{
    return r == 0 || r == MAX - 1 || c == 0 || c == MAX - 1;
}

// Pellets and bonuses float at half the wall height in the middle of their cell.
void RysujJedzenie(uint32_t kat)
{
    glPushMatrix();
    glTranslatef(0.5f, 0.5f, 0.5f);
    glRotatef(static_cast<float>(kat), 0.0f, 1.0f, 0.0f);
    glCallList(Jedzenie);
    glPopMatrix();
}

void RysujBonus(float skala, uint32_t kat)
{
    glPushMatrix();
    glTranslatef(0.5f, 0.5f, 0.5f);
    glScalef(skala, skala, skala);
    glRotatef(static_cast<float>(kat), 0.0f, 1.0f, 0.0f);
    glCallList(Bonus);
    glPopMatrix();
}

bool Rysowana(uint8_t kod)
{
    return kod == KOD_SCIANA || kod == KOD_JEDZENIE || kod == KOD_BONUS;
}

// The picture a kind of cell is drawn with (the bonus list binds its own) and the colour.
void Wiaz(uint8_t kod)
{
    if (kod == KOD_SCIANA)
        glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_SCIANY]);
    else if (kod == KOD_JEDZENIE)
        glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_JEDZENIA]);
    else
        glColor3f(1.0f, 1.0f, 1.0f);
}

// A cell of one of the drawn kinds, its picture already bound.
void RysujKsztalt(int r, int c, float skalaBonusu, uint32_t kat)
{
    const uint8_t kod = Tablica[r][c];
    // Kept: a border wall is bound but not drawn; the outer strips already cover it.
    if (kod == KOD_SCIANA && NaObwodzie(r, c))
        return;
    glPushMatrix();
    glTranslatef(static_cast<float>(r), 0.0f, static_cast<float>(c));
    if (kod == KOD_SCIANA)
        glCallList(Sciana);
    else if (kod == KOD_JEDZENIE)
        RysujJedzenie(kat);
    else
        RysujBonus(skalaBonusu, kat);
    glPopMatrix();
}

struct Komorka {
    float glebia;  // the centre's distance in front of the camera, along its view
    int r, c;
};

// The inner wall cells, in row order or nearest the camera first; the inverse of the view is
// not needed, the model-view's third row gives each centre's depth.
const Komorka* ScianyWewnetrzne(int& ile, bool odPrzodu)
{
    static Komorka sciany[MAX * MAX];
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    ile = 0;
    for (int r = 1; r < MAX - 1; ++r)
        for (int c = 1; c < MAX - 1; ++c)
            if (Tablica[r][c] == KOD_SCIANA) {
                const float x = r + 0.5f, y = 0.5f, z = c + 0.5f;
                sciany[ile++] = {-(m[2] * x + m[6] * y + m[10] * z + m[14]), r, c};
            }
    if (odPrzodu)
        std::stable_sort(sciany, sciany + ile, [](const Komorka& a, const Komorka& b) { return a.glebia < b.glebia; });
    return sciany;
}

// The wall blocks together. Not culled: a block's back face drawn before a front face that
// shares its edge wins the tie of depth on a few edge pixels, and culling would change them.
void RysujSciany(float skalaBonusu, uint32_t kat)
{
    int ile = 0;
    const Komorka* sciany = ScianyWewnetrzne(ile, Wypelnienie.odPrzodu);
    Wiaz(KOD_SCIANA);
    for (int i = 0; i < ile; ++i)
        RysujKsztalt(sciany[i].r, sciany[i].c, skalaBonusu, kat);
}

void RysujRodzaj(uint8_t kod, float skalaBonusu, uint32_t kat)
{
    Wiaz(kod);
    for (int r = 0; r < MAX; ++r)
        for (int c = 0; c < MAX; ++c)
            if (Tablica[r][c] == kod)
                RysujKsztalt(r, c, skalaBonusu, kat);
}

// Row order binds each cell's picture.
void RysujWierszami(float skalaBonusu, uint32_t kat)
{
    for (int r = 0; r < MAX; ++r)
        for (int c = 0; c < MAX; ++c) {
            const uint8_t kod = Tablica[r][c];
            if (!Rysowana(kod))
                continue;
            Wiaz(kod);
            RysujKsztalt(r, c, skalaBonusu, kat);
        }
}

// In row order; or the wall blocks first (nearest the camera first, so that depth rejects
// what they hide), then the pellets, then the bonuses, so that each picture is bound once:
// the renderer keeps state for every change of picture it is given within a frame.
void RysujKomorki(float skalaBonusu, uint32_t kat)
{
    if (!Wypelnienie.odPrzodu && !Wypelnienie.poRodzajach) {
        RysujWierszami(skalaBonusu, kat);
        return;
    }
    RysujSciany(skalaBonusu, kat);
    RysujRodzaj(KOD_JEDZENIE, skalaBonusu, kat);
    RysujRodzaj(KOD_BONUS, skalaBonusu, kat);
}

// Drawn first, the floor won every tie of depth; drawn last, it wins them by passing on equal.
void RysujPodloge()
{
    glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_PODLOGI]);
    if (Wypelnienie.podlogaNaKoniec)
        glDepthFunc(GL_LEQUAL);
    glCallList(Podloga);
    glDepthFunc(GL_LESS);
}

// What row order leaves bound and set after the board: the last drawn cell's picture, or
// the outer strips' when no cell is drawn, and white.
void ZostawJakWierszami()
{
    uint32_t ostatnia = texture[TEKSTURA_MURU];
    for (int i = MAX * MAX - 1; i >= 0; --i) {
        const uint8_t kod = Tablica[i / MAX][i % MAX];
        if (Rysowana(kod)) {
            ostatnia = kod == KOD_SCIANA     ? texture[TEKSTURA_SCIANY]
                       : kod == KOD_JEDZENIE ? texture[TEKSTURA_JEDZENIA]
                                             : TeksturaListyBonusu;
            break;
        }
    }
    glBindTexture(GL_TEXTURE_2D, ostatnia);
    glColor3f(1.0f, 1.0f, 1.0f);
}

} // namespace

void GenerujListe()
{
    Sciana = glGenLists(5);
    Jedzenie = Sciana + 1;
    Podloga = Sciana + 2;
    Mur = Sciana + 3;
    Bonus = Sciana + 4;

    KompilujSkrzynke(Sciana, 1.0f, false);
    KompilujPlaska(Jedzenie, 1.0f, 1.0f, 1.0f,
                   {0, 1, 0, {{-0.15f, 0, -0.15f, 0, 0}, {0.15f, 0, -0.15f, 0, 1},
                              {0.15f, 0, 0.15f, 1, 1}, {-0.15f, 0, 0.15f, 1, 0}}});
    KompilujPlaska(Podloga, 1.0f, 0.9f, 1.0f,
                   {0, 1, 0, {{0, 0, 0, 0, 0}, {0, 0, 25, 25, 0}, {25, 0, 25, 25, 25}, {25, 0, 0, 0, 25}}});
    KompilujSkrzynke(Mur, 24.0f, true);
    KompilujBonus();
}

void CMapa::Rysuj()
{
    if (!Wypelnienie.podlogaNaKoniec)
        RysujPodloge();
    RysujMury();
    // Kept: a scale of zero or below is used as it comes: the sphere shrinks to a point or turns inside out.
    const float skala = static_cast<float>(std::sin(static_cast<double>(FazaBonusu)) + 0.3);
    RysujKomorki(skala, KatObrotu);
    if (Wypelnienie.podlogaNaKoniec)
        RysujPodloge();
    ZostawJakWierszami();
    Animuj();
}

void CMapa::Animuj()
{
    // Kept: whole degrees only, so frames under 10 ms do not turn the pellets at all.
    const double kat = KatObrotu + 0.1 * Opoznienie;
    KatObrotu = static_cast<uint32_t>(static_cast<uint64_t>(kat));
    FazaBonusu = static_cast<float>(FazaBonusu + 0.005 * Opoznienie);
}
