// Text and overlays: which glyphs glPrint draws and where, the bytes that are not glyphs,
// and the heads-up line, frame-rate line, banner, menu and end picture in each state.
#include "support/rys_pomoc.h"

using namespace rys;

namespace {

// Each glyph cell of the test font carries its own number in red, so a pixel names its glyph.
Kolor KodZnaku(int g)
{
    return {g, 255 - g, 60};
}

class Druk : public ::testing::Test {
protected:
    void SetUp() override
    {
        Przygotuj(640, 480);
        Czcionka(KodZnaku);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColor3f(1, 1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_TEXTURE_2D);
    }

    // Glyph squares overlap by half; drawn without blending the later one covers the
    // overlap, so the left half of each square shows its own glyph.
    static int ZnakW(int x, int y) { return Piksel(x + 5, y + 10)[0]; }
};

TEST_F(Druk, PlanszaToZnakiOdKoduMinus32)
{
    glPrint(0, 460, "plansza:", 0);
    const int znaki[] = {80, 76, 65, 78, 83, 90, 65, 26};
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(Jak(Piksel(10 * i + 5, 470), KodZnaku(znaki[i]))) << i;
    EXPECT_TRUE(Jak(Piksel(85, 470), KodZnaku(26))) << "the last square reaches 90";
    EXPECT_TRUE(Jak(Piksel(95, 470), CZARNY));
    EXPECT_TRUE(Jak(Piksel(5, 455), CZARNY)) << "squares are 20 high";
    EXPECT_TRUE(Jak(Piksel(5, 479), KodZnaku(80)));
}

TEST_F(Druk, ZestawyZnakow)
{
    const struct {
        int zestaw, znak;
    } przypadki[] = {{0, 33}, {1, 161}, {2, 161}, {7, 161}, {-1, 33}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.zestaw);
        glClear(GL_COLOR_BUFFER_BIT);
        glPrint(100, 100, "A", p.zestaw);
        EXPECT_EQ(ZnakW(100, 100), p.znak);
    }
    glPrint(200, 200, "0", 0);
    EXPECT_EQ(ZnakW(200, 200), 16) << "the digit 0 starts the second row";
}

// Bytes that are not glyphs only move the pen. Byte 31 would call the list just below the
// glyphs, the bonus sphere, whose texture bind would then colour every glyph after it.
TEST_F(Druk, BajtySpozaZnakowTylkoPrzesuwajaPioro)
{
    glPrint(100, 100, "\x1f" "A\xff" "B\x01", 0);
    EXPECT_TRUE(Jak(Piksel(105, 110), CZARNY));
    EXPECT_TRUE(Jak(Piksel(115, 110), KodZnaku(33)));
    EXPECT_TRUE(Jak(Piksel(135, 110), KodZnaku(34)));
    EXPECT_TRUE(Jak(Piksel(125, 110), KodZnaku(33))) << "nothing drawn for the 0xff byte";
    EXPECT_TRUE(Jak(Piksel(155, 110), CZARNY));
    EXPECT_TRUE(Jak(Piksel(145, 110), KodZnaku(34)));
}

// Whatever the state before: matrices as they were, lighting and depth test on, and an
// empty string draws nothing.
TEST_F(Druk, StanPoDruku)
{
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(3, 4, 5);
    GLfloat mv[16], pr[16], mv2[16], pr2[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    glGetFloatv(GL_PROJECTION_MATRIX, pr);
    for (const char* s : {"", "ab"}) {
        SCOPED_TRACE(s);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glMatrixMode(GL_PROJECTION);
        glClear(GL_COLOR_BUFFER_BIT);
        glPrint(50, 50, s, 0);
        GLint tryb;
        glGetIntegerv(GL_MATRIX_MODE, &tryb);
        EXPECT_EQ(tryb, GL_MODELVIEW);
        glGetFloatv(GL_MODELVIEW_MATRIX, mv2);
        glGetFloatv(GL_PROJECTION_MATRIX, pr2);
        EXPECT_EQ(0, std::memcmp(mv, mv2, sizeof mv));
        EXPECT_EQ(0, std::memcmp(pr, pr2, sizeof pr));
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_EQ(*s == 0, Jak(Piksel(55, 60), CZARNY));
    }
}

// Whole frames on a black scene with a white font: text adds 0.9 x its colour where one
// glyph square lies, pictures replace the frame with picture x brightness. The probes sit
// where the pictures and the banner do not overlap, or expect whichever the state shows.
constexpr Kolor POMARANCZ{230, 92, 0};
constexpr Kolor ZOLTY{230, 230, 0};
constexpr Kolor ROZ{230, 0, 115};
constexpr Kolor NOWAGRA{255, 255, 0};
constexpr Kolor WYJSCIE{0, 255, 255};
constexpr Kolor KONIEC{255, 0, 255};

Kolor Przyciemniony(Kolor k)
{
    return {k.r / 2, k.g / 2, k.b / 2};
}

struct Nakladki : ::testing::TestWithParam<int> {
    int k = GetParam() / 640;  // window pixels per overlay unit

    void SetUp() override
    {
        Przygotuj(640 * k, 480 * k);
        Jednolita(TEKSTURA_NOWEJ_GRY, NOWAGRA);
        Jednolita(TEKSTURA_WYJSCIA, WYJSCIE);
        Jednolita(TEKSTURA_KONCA, KONIEC);
    }

    std::array<uint8_t, 3> W(int x, int y) const { return Piksel(k * x + k / 2, k * y + k / 2); }
};

TEST_P(Nakladki, CoPokazujeKazdyStan)
{
    const struct {
        StanProgramu stan;
        bool pasek, menu, koniec, baner;
    } przypadki[] = {
        {Intro, false, false, false, false},      {Menu, false, true, false, false},
        {MenuGra, true, true, false, false},      {Gra, true, false, false, false},
        {NextPlansza, true, false, false, false}, {NextPlanszaTemp, true, false, false, true},
        {Reset, true, false, false, false},       {Koniec, true, false, false, false},
        {KoniecTemp, true, false, true, false},
    };
    for (const auto& p : przypadki)
        for (bool klatki : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "state " << p.stan << " fps " << klatki);
            Stan = p.stan;
            Klatki = klatki;
            Wyswietlaj();
            EXPECT_TRUE(Jak(W(5, 470), p.pasek ? POMARANCZ : CZARNY)) << "heads-up line";
            EXPECT_TRUE(Jak(W(5, 445), klatki ? ZOLTY : CZARNY)) << "frame-rate line";
            EXPECT_TRUE(Jak(W(320, 306), p.menu ? NOWAGRA : CZARNY)) << "new game";
            EXPECT_TRUE(Jak(W(320, 266), p.menu ? Przyciemniony(WYJSCIE) : p.koniec ? KONIEC : CZARNY))
                << "leave";
            EXPECT_TRUE(Jak(W(380, 286), p.koniec ? KONIEC : CZARNY)) << "end picture";
            EXPECT_TRUE(Jak(W(275, 286), p.baner ? ROZ : p.koniec ? KONIEC : CZARNY)) << "banner";
        }
}

TEST_P(Nakladki, WybranyWpisMenuBialy)
{
    Stan = Menu;
    for (uint32_t wybor : {1u, 2u}) {
        SCOPED_TRACE(wybor);
        WyborMenu = wybor;
        Wyswietlaj();
        EXPECT_TRUE(Jak(W(258, 321), wybor == 1 ? NOWAGRA : Przyciemniony(NOWAGRA))) << "new game";
        EXPECT_TRUE(Jak(W(382, 251), wybor == 2 ? WYJSCIE : Przyciemniony(WYJSCIE))) << "leave";
        EXPECT_TRUE(Jak(W(320, 286), CZARNY)) << "the gap between the entries";
        EXPECT_TRUE(Jak(W(250, 300), CZARNY));
        EXPECT_TRUE(Jak(W(390, 260), CZARNY));
    }
}

// Numbers start 5 units after their labels' pen ends; a single digit's square is 20 wide.
TEST_P(Nakladki, LiczbyZaEtykietami)
{
    Mapa.LicznikPliku = 3;
    Zorbit.Zycia = -1;
    Punkty = 1234;
    Klatki = true;
    fps = 7;
    for (bool bonus : {false, true}) {
        SCOPED_TRACE(bonus);
        Przezroczysty = bonus;
        BonusCzas = 4;
        Wyswietlaj();
        const struct {
            int x, y;
            bool swieci;
        } punkty[] = {
            {95, 470, true},  {110, 470, false},  // "3" at 85
            {135, 470, true},                     // "zycia:" at 130
            {220, 470, true}, {230, 470, false},  // "-1" at 195
            {245, 470, true},                     // "punkty:" at 240
            {360, 470, true}, {370, 470, false},  // "1234" at 315
            {405, 470, bonus}, {455, 470, bonus},  // "bonus:" at 400
            {480, 470, bonus}, {490, 470, false},  // "4" at 465
            {55, 445, true},  {70, 445, false},   // "7" at 45
        };
        for (const auto& q : punkty)
            EXPECT_EQ(q.swieci, !Jak(W(q.x, q.y), CZARNY)) << q.x << ", " << q.y;
    }
}

// A font lit only in the cell of '8': the bonus seconds print as 8 at 465, nothing else lights.
TEST_P(Nakladki, SekundyBonusuJakoOsemka)
{
    Czcionka([](int g) { return g == '8' - 32 ? Kolor{255, 255, 255} : CZARNY; });
    Przezroczysty = true;
    BonusCzas = 8;
    Wyswietlaj();
    EXPECT_TRUE(Jak(W(475, 470), POMARANCZ));
    for (int x : {5, 95, 205, 325, 405, 455, 495})
        EXPECT_TRUE(Jak(W(x, 470), CZARNY)) << x;
}

INSTANTIATE_TEST_SUITE_P(Okna, Nakladki, ::testing::Values(640, 1280));

} // namespace
