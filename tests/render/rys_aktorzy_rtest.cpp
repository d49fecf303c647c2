// The player and the ghosts seen from above: the opaque and the see-through bonus looks,
// blending off again afterwards, the caught look, and the ghost's heading.
#include "support/rys_pomoc.h"

#include <cmath>

using namespace rys;

namespace {

constexpr Kolor TLO{0, 0, 64};

class Aktorzy : public ::testing::Test {
protected:
    void SetUp() override
    {
        Przygotuj(100, 100);
        Jednolita(TEKSTURA_PODLOGI, {255, 255, 255});
        Jednolita(TEKSTURA_ZORBITA, {128, 128, 128});
        Zorbit.PozX = Zorbit.PozZ = 10.5f;
        KameraZGory(9.5f, 9.5f, 2.0f);  // 50 pixels a unit, the actor's centre at (50, 50)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // An unlit dark-blue sheet under the actor, at floor height.
    static void Tlo()
    {
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glColor3ub(TLO.r, TLO.g, TLO.b);
        Kwadrat(0.0f);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_LIGHTING);
    }

    static void Kwadrat(float y)
    {
        glBegin(GL_QUADS);
        glNormal3f(0, 1, 0);
        glVertex3f(9.5f, y, 9.5f), glVertex3f(9.5f, y, 11.5f), glVertex3f(11.5f, y, 11.5f), glVertex3f(11.5f, y, 9.5f);
        glEnd();
    }
};

// Grey 128 lit head-on is 128: opaque it replaces the sheet. See-through, the ball's far side
// (drawn first, lit by the ambient 0.2 alone) adds too: alpha x 1.2 x 128 over the sheet.
TEST_F(Aktorzy, GraczPrzezroczystyZAlfaWgSekundBonusu)
{
    const struct {
        bool bonus;
        uint32_t sekundy;
        Kolor srodek;
    } przypadki[] = {
        {false, 0, {128, 128, 128}},
        {false, 5, {128, 128, 128}},
        {true, 5, {61, 61, 64 + 61}},
        {true, 3, {61, 61, 64 + 61}},
        {true, 2, {92, 92, 64 + 92}},
        {true, 1, {123, 123, 64 + 123}},
        {true, 0, {154, 154, 64 + 154}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(::testing::Message() << "bonus " << p.bonus << " seconds " << p.sekundy);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Tlo();
        Przezroczysty = p.bonus;
        BonusCzas = p.sekundy;
        Zorbit.Rysuj();
        EXPECT_TRUE(Jak(Piksel(50, 50), p.srodek));
        EXPECT_TRUE(Jak(Piksel(50, 80), TLO)) << "outside the ball";

        // Blending is off again: a half-alpha quad drawn over replaces what is there.
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glColor4ub(0, 200, 0, 128);
        Kwadrat(2.0f);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_LIGHTING);
        EXPECT_TRUE(Jak(Piksel(50, 50), {0, 200, 0}));
    }
}

TEST_F(Aktorzy, ZlapanyGraczJestMagentaIToniePodPodloga)
{
    Jednolita(TEKSTURA_ZORBITA, {255, 255, 255});
    const struct {
        float faza;
        bool widac;
    } przypadki[] = {{0.5f, true}, {1.6f, true}, {3.0f, true}, {4.4f, false}, {4.9f, false}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.faza);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Mapa.Rysuj();
        Zorbit.Zlapany = true;
        Zorbit.FazaZlapania = p.faza;
        Zorbit.ObrotZlapania = 123.0f;
        Zorbit.Rysuj();
        if (p.widac)
            EXPECT_TRUE(Jak(Piksel(50, 50), {255, 51, 255}, 8));
        else
            EXPECT_TRUE(Jak(Piksel(50, 50), {255, 255, 255})) << "the floor hides it";
    }
}

// The advance belongs to the next frame: a phase of 0.5 drawn with a long frame time still
// shows the ball above the floor, though the phase it leaves behind is below it.
TEST_F(Aktorzy, ZlapanyRysowanyZeStarejFazy)
{
    Jednolita(TEKSTURA_ZORBITA, {255, 255, 255});
    Mapa.Rysuj();
    Zorbit.Zlapany = true;
    Zorbit.FazaZlapania = 0.5f;
    Opoznienie = 1300;
    Zorbit.Rysuj();
    EXPECT_TRUE(Jak(Piksel(50, 50), {255, 51, 255}, 8));
}

// Left half of the ghost's picture red, right half green: seen from above the two halves
// split the ghost's top, and headings 180 (toward plus z) and 0 (toward minus z) swap them.
TEST_F(Aktorzy, DuchyWPrzeciwnychKierunkachObroconeO180)
{
    Tekstura(TEKSTURA_DUCHA, 2, 1, {255, 0, 0, 0, 255, 0});
    IleDuchow = 1;
    Duch[0].PozX = Duch[0].PozZ = 10.5f;
    const int dx[] = {12, -12, -12, 12}, dz[] = {12, 12, -12, -12};
    std::array<std::array<uint8_t, 3>, 4> widok[2];
    const int32_t katy[2] = {180, 0};
    for (int k = 0; k < 2; ++k) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Duch[0].Kat = katy[k];
        Duch[0].Rysuj();
        for (int i = 0; i < 4; ++i)
            widok[k][i] = Piksel(50 + dx[i], 50 + dz[i]);
    }
    bool rozne = false;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Jak(widok[1][(i + 2) % 4], {widok[0][i][0], widok[0][i][1], widok[0][i][2]}, 10)) << i;
        rozne = rozne || !Jak(widok[0][i], {widok[0][(i + 2) % 4][0], widok[0][(i + 2) % 4][1], widok[0][(i + 2) % 4][2]}, 10);
    }
    EXPECT_TRUE(rozne) << "the picture should not look the same turned round";
}

// An upright ellipsoid 1 wide: from above it covers a disc of radius 0.5 about its point.
TEST_F(Aktorzy, DuchStoiWSwoimPunkcie)
{
    Jednolita(TEKSTURA_DUCHA, {0, 255, 0});
    Duch[0].PozX = 10.2f;
    Duch[0].PozZ = 10.9f;
    Duch[0].Kat = -90;
    Duch[0].Rysuj();
    const Punkt s = Srodek(100, 100, [](int r, int g, int) { return g > 60 && r < 20; });
    EXPECT_NEAR(s.x, 50 + 0.3 * -50 + 50 * 0.0, 1.5);
    EXPECT_NEAR(s.y, 50 + 0.4 * 50, 1.5);
}

} // namespace
