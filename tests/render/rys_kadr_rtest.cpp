// Whole frames: the following and the fixed camera, the camera height, the reshape with
// the window's aspect (also a height of 0), and the swap at the end of the frame.
#include "support/rys_pomoc.h"

#include "support/platform_fake.h"

#include <cmath>

using namespace rys;

namespace {

struct Oko {
    double ex, ey, ez, cx, cz;
};

// Where the pellet's centre must land for the camera the game is meant to use.
Punkt Rzut(const Oko& o, double x, double y, double z, int w, int h)
{
    GLdouble mv[16], pr[16];
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(o.ex, o.ey, o.ez, o.cx, 0.0, o.cz, 0.0, 1.0, 0.0);
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(55.0, double(w) / h, 1.0, 25.0);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glPopMatrix();
    const GLint vp[4] = {0, 0, w, h};
    Punkt p{0, 0, 1};
    GLdouble z_;
    gluProject(x, y, z, mv, pr, vp, &p.x, &p.y, &z_);
    return p;
}

bool Zielony(int r, int g, int b)
{
    return g > 60 && r < 30 && b < 30;
}

// One green pellet on a black board; its spot on the screen shows the camera.
TEST(Kamera, WgStanuIPolozeniaGracza)
{
    const struct {
        StanProgramu stan;
        uint32_t kamY;
        float px, pz;
        int r, c;  // the pellet's cell
        int w, h;
    } przypadki[] = {
        {Gra, 9, 5.5f, 5.5f, 7, 8, 640, 480},
        {Gra, 9, 15.2f, 12.7f, 17, 15, 640, 480},   // the same offset from the player
        {MenuGra, 9, 9.5f, 4.5f, 11, 7, 640, 480},
        {Gra, 8, 10.5f, 10.5f, 12, 13, 640, 480},
        {Gra, 18, 10.5f, 10.5f, 12, 13, 640, 480},
        {Gra, 9, 10.5f, 10.5f, 12, 13, 1280, 960},
        {Gra, 9, 10.5f, 10.5f, 12, 13, 800, 300},   // a wide window: the aspect follows it
        {Intro, 9, 10.5f, 10.5f, 12, 15, 640, 480},
        {Intro, 9, 4.5f, 20.5f, 12, 15, 640, 480},  // the player elsewhere: the view stays
        {Menu, 18, 4.5f, 20.5f, 14, 12, 640, 480},
        {NextPlanszaTemp, 9, 4.5f, 20.5f, 14, 12, 640, 480},
        {KoniecTemp, 9, 4.5f, 20.5f, 9, 16, 640, 480},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(::testing::Message() << "state " << p.stan << " KamY " << p.kamY << " player " << p.px
                                          << ", " << p.pz << " window " << p.w << "x" << p.h);
        Przygotuj(p.w, p.h);
        Jednolita(TEKSTURA_JEDZENIA, {0, 255, 0});
        Stan = p.stan;
        KamY = p.kamY;
        Zorbit.PozX = p.px;
        Zorbit.PozZ = p.pz;
        Tablica[p.r][p.c] = KOD_JEDZENIE;
        const bool podaza = p.stan == Gra || p.stan == MenuGra;
        const Oko oko = podaza ? Oko{p.px - 2.0, double(p.kamY), p.pz - 5.5, p.px, p.pz} : Oko{3, 15, 8, 10, 12};
        const Punkt cel = Rzut(oko, p.r + 0.5, 0.5, p.c + 0.5, p.w, p.h);
        Wyswietlaj();
        const Punkt s = Srodek(p.w, p.h, Zielony);
        ASSERT_GT(s.ile, 10);
        EXPECT_NEAR(s.x, cel.x, 1.0);
        EXPECT_NEAR(s.y, cel.y, 1.0);
    }
}

// The follow camera looks at the player's point on the floor, which is the screen's centre;
// the first two cases of the table above also land on one spot. Here: the same offset from
// the player lands on the same spot wherever the player is, for every camera height.
TEST(Kamera, PodazaniePrzesuwaSieZGraczem)
{
    for (uint32_t kamY : {8u, 13u, 18u}) {
        Punkt pierwszy{0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(::testing::Message() << "KamY " << kamY << " place " << i);
            Przygotuj(640, 480);
            Jednolita(TEKSTURA_JEDZENIA, {0, 255, 0});
            KamY = kamY;
            Zorbit.PozX = 4.5f + 6 * i;
            Zorbit.PozZ = 3.5f + 5 * i;
            Tablica[5 + 6 * i][6 + 5 * i] = KOD_JEDZENIE;
            Wyswietlaj();
            const Punkt s = Srodek(640, 480, Zielony);
            ASSERT_GT(s.ile, 10);
            if (i == 0)
                pierwszy = s;
            EXPECT_NEAR(s.x, pierwszy.x, 0.5);
            EXPECT_NEAR(s.y, pierwszy.y, 0.5);
        }
    }
}

// The last frame of the caught animation with the last life: the camera was chosen while
// the state was still play, the overlays already belong to the end screen.
TEST(Kamera, KoniecZlapaniaWTejSamejKlatce)
{
    Przygotuj(640, 480);
    Jednolita(TEKSTURA_JEDZENIA, {0, 255, 0});
    Jednolita(TEKSTURA_KONCA, {255, 0, 255});
    Zorbit.PozX = 6.5f;
    Zorbit.PozZ = 8.5f;
    Zorbit.Zycia = 1;
    Zorbit.Zlapany = true;
    Zorbit.FazaZlapania = 5.0f;
    Tablica[8][11] = KOD_JEDZENIE;
    const Punkt cel = Rzut({4.5, 9, 3.0, 6.5, 8.5}, 8.5, 0.5, 11.5, 640, 480);
    Wyswietlaj();
    ASSERT_EQ(Stan, KoniecTemp);
    const Punkt s = Srodek(640, 480, Zielony);
    EXPECT_NEAR(s.x, cel.x, 1.0);
    EXPECT_NEAR(s.y, cel.y, 1.0);
    EXPECT_TRUE(Jak(Piksel(380, 286), {255, 0, 255})) << "end picture";
    EXPECT_TRUE(Jak(Piksel(5, 470), {230, 92, 0})) << "heads-up line";
}

// A minimised window reports height 0: the projection stays finite, and a later real size
// gives the normal view again.
TEST(Okno, WysokoscZeroDajeWaznaProjekcje)
{
    Przygotuj(64, 48);
    ZmianaRozmiaru(64, 0);
    GLdouble pr[16];
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    for (double v : pr)
        EXPECT_TRUE(std::isfinite(v));
    fake::zamiany = 0;
    Wyswietlaj();
    ZmianaRozmiaru(64, 48);
    Jednolita(TEKSTURA_JEDZENIA, {0, 255, 0});
    Tablica[13][13] = KOD_JEDZENIE;
    Zorbit.PozX = Zorbit.PozZ = 12.5f;
    Wyswietlaj();
    EXPECT_GT(Srodek(64, 48, Zielony).ile, 0);
    EXPECT_EQ(fake::zamiany, 2) << "every frame ends in one swap";
}

} // namespace
