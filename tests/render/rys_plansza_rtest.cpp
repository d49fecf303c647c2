// The board seen from straight above: the outer ring, wall blocks, pellets turning in
// whole degrees, the pulsing bonus and the texture its list leaves bound.
#include "support/rys_pomoc.h"

#include <cmath>

using namespace rys;

namespace {

constexpr Kolor MUR{255, 0, 0};
constexpr Kolor KLOCEK{0, 0, 255};
constexpr Kolor JEDZENIE{0, 255, 0};
constexpr Kolor BONUS{255, 255, 0};
// Light 0 head-on plus the ambient 0.2 saturates every tint: tops show their pictures as they are.
constexpr Kolor PODLOGA{128, 128, 128};

bool Zolty(std::array<uint8_t, 3> p)
{
    return p[0] > 100 && p[1] > 100 && p[2] < 30;
}

class Plansza : public ::testing::Test {
protected:
    void SetUp() override
    {
        Przygotuj(250, 250);
        Jednolita(TEKSTURA_PODLOGI, PODLOGA);
        Jednolita(TEKSTURA_SCIANY, KLOCEK);
        Jednolita(TEKSTURA_JEDZENIA, JEDZENIE);
        Jednolita(TEKSTURA_BONUSU, BONUS);
        Jednolita(TEKSTURA_MURU, MUR);
    }

    // The whole board at 10 pixels a cell, or one cell at 250 pixels.
    static void Calosc() { Klatka(0, 0, 25); }
    static void Komorka(int r, int c) { Klatka(float(r), float(c), 1); }

    static void Klatka(float x0, float z0, float bok)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        KameraZGory(x0, z0, bok);
        Mapa.Rysuj();
    }

    static std::array<uint8_t, 3> SrodekKomorki(int r, int c) { return Piksel(10 * r + 5, 10 * c + 5); }
};

TEST_F(Plansza, ListyToJedenBlokPieciu)
{
    EXPECT_NE(Sciana, 0u);
    EXPECT_EQ(Jedzenie, Sciana + 1);
    EXPECT_EQ(Podloga, Sciana + 2);
    EXPECT_EQ(Mur, Sciana + 3);
    EXPECT_EQ(Bonus, Sciana + 4);
    for (uint32_t l = Sciana; l <= Bonus; ++l)
        EXPECT_TRUE(glIsList(l));
}

// The ring is the wall strips' picture whatever the border cells hold, and the drawing
// leaves the model-view matrix as it found it.
TEST_F(Plansza, ObwodZMuruBezWzgleduNaKody)
{
    for (int8_t kod : {KOD_PODLOGA, KOD_SCIANA, KOD_JEDZENIE, KOD_BONUS}) {
        SCOPED_TRACE(int(kod));
        for (int i = 0; i < MAX; ++i)
            Tablica[i][0] = Tablica[i][MAX - 1] = Tablica[0][i] = Tablica[MAX - 1][i] = kod;
        GLfloat przed[16], po[16];
        KameraZGory(0, 0, 25);
        glGetFloatv(GL_MODELVIEW_MATRIX, przed);
        Calosc();
        glGetFloatv(GL_MODELVIEW_MATRIX, po);
        EXPECT_EQ(0, std::memcmp(przed, po, sizeof przed));
        for (int i = 0; i < MAX; ++i) {
            EXPECT_TRUE(Jak(SrodekKomorki(i, 0), MUR)) << "row " << i;
            EXPECT_TRUE(Jak(SrodekKomorki(i, MAX - 1), MUR)) << "row " << i;
            EXPECT_TRUE(Jak(SrodekKomorki(0, i), MUR)) << "column " << i;
            EXPECT_TRUE(Jak(SrodekKomorki(MAX - 1, i), MUR)) << "column " << i;
        }
        EXPECT_TRUE(Jak(SrodekKomorki(1, 1), PODLOGA));
        EXPECT_TRUE(Jak(SrodekKomorki(12, 12), PODLOGA));
    }
}

TEST_F(Plansza, KlocekTylkoWewnatrz)
{
    Tablica[6][17] = KOD_SCIANA;
    Tablica[1][1] = KOD_SCIANA;
    Calosc();
    EXPECT_TRUE(Jak(SrodekKomorki(6, 17), KLOCEK));
    EXPECT_TRUE(Jak(SrodekKomorki(1, 1), KLOCEK));
    EXPECT_TRUE(Jak(SrodekKomorki(6, 16), PODLOGA));
    EXPECT_TRUE(Jak(SrodekKomorki(7, 17), PODLOGA));
}

// A 0.3 square: at 0 degrees its corner region is covered, at 45 it is a diamond.
TEST_F(Plansza, JedzenieObracaSieOKatObrotu)
{
    Tablica[10][10] = KOD_JEDZENIE;
    const struct {
        uint32_t kat;
        bool kwadrat;
    } przypadki[] = {{0, true}, {45, false}, {90, true}, {405, false}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.kat);
        Mapa.KatObrotu = p.kat;
        Komorka(10, 10);
        EXPECT_TRUE(Jak(Piksel(125, 125), JEDZENIE));
        EXPECT_EQ(p.kwadrat, Jak(Piksel(125 + 32, 125 + 32), JEDZENIE)) << "corner";
        EXPECT_EQ(!p.kwadrat, Jak(Piksel(125 + 47, 125), JEDZENIE)) << "diamond tip";
        EXPECT_TRUE(Jak(Piksel(125, 125 + 80), PODLOGA));
    }
}

// The turn gains whole degrees per frame, dropping the fraction; the phase keeps it.
TEST_F(Plansza, KrokAnimacji)
{
    const struct {
        uint32_t opoznienie, kat;
    } przypadki[] = {{0, 0}, {9, 0}, {10, 1}, {16, 1}, {25, 2}, {1000, 100}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opoznienie);
        Mapa.KatObrotu = 7;
        Mapa.FazaBonusu = 1.0f;
        Opoznienie = p.opoznienie;
        Calosc();
        EXPECT_EQ(Mapa.KatObrotu, 7 + p.kat);
        EXPECT_FLOAT_EQ(Mapa.FazaBonusu, 1.0f + 0.005f * p.opoznienie);
    }
    // Nine 9 ms frames turn nothing at all.
    Mapa.KatObrotu = 0;
    Opoznienie = 9;
    for (int i = 0; i < 9; ++i)
        Calosc();
    EXPECT_EQ(Mapa.KatObrotu, 0u);
}

TEST_F(Plansza, KatZawijaSieJakLiczba32Bitowa)
{
    Mapa.KatObrotu = 0xFFFFFFFFu;
    Opoznienie = 20;
    Calosc();
    EXPECT_EQ(Mapa.KatObrotu, 1u);
}

// Scale sin(phase) + 0.3 on a sphere of radius 0.2, seen from above at 250 pixels a unit.
// The sphere's shading varies, so its colour is matched loosely.
TEST_F(Plansza, BonusPulsuje)
{
    Tablica[10][10] = KOD_BONUS;
    const struct {
        double faza;
        int wewnatrz;  // pixels from the centre still on the sphere, -1 for none
        int poza;      // pixels from the centre already off it
    } przypadki[] = {
        {std::asin(-0.3), -1, 1},   // scale 0: nothing at all
        {0.0, 7, 25},               // scale 0.3: radius 15 pixels
        {M_PI / 2, 55, 75},         // scale 1.3: radius 65 pixels
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.faza);
        Mapa.FazaBonusu = float(p.faza);
        Komorka(10, 10);
        if (p.wewnatrz >= 0) {
            EXPECT_TRUE(Zolty(Piksel(125, 125)));
            EXPECT_TRUE(Zolty(Piksel(125 + p.wewnatrz, 125)));
        } else {
            EXPECT_TRUE(Jak(Piksel(125, 125), PODLOGA));
        }
        EXPECT_TRUE(Jak(Piksel(125 + p.poza, 125), PODLOGA));
    }
}

// The bonus list binds the texture name slot 4 held when it was compiled, and leaves it
// bound: a quad drawn afterwards without a bind of its own shows that picture.
TEST_F(Plansza, BonusWiazeTeksturePrzyKompilacji)
{
    const uint32_t skompilowana = texture[TEKSTURA_BONUSU];
    texture[TEKSTURA_BONUSU] = 0;
    Jednolita(TEKSTURA_BONUSU, {0, 255, 255});  // a new name in the slot, after the list was made
    Tablica[20][20] = KOD_BONUS;
    Mapa.FazaBonusu = float(M_PI / 2);
    Calosc();
    EXPECT_TRUE(Zolty(SrodekKomorki(20, 20)));

    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    glVertex3f(3, 2, 3), glVertex3f(3, 2, 4), glVertex3f(4, 2, 4), glVertex3f(4, 2, 3);
    glEnd();
    EXPECT_TRUE(Jak(SrodekKomorki(3, 3), BONUS));

    glDeleteTextures(1, &texture[TEKSTURA_BONUSU]);
    texture[TEKSTURA_BONUSU] = skompilowana;
}

} // namespace
