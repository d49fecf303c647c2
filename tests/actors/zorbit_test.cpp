// The player's update: eating and scoring, the bonus countdown, the caught sequence, resets.
#include "support/plansza.h"

#include <gtest/gtest.h>

namespace {

int IleTykowBonusu()
{
    int n = 0;
    for (const fake::Timer& t : fake::timery)
        n += t.fn == BonusTimer;
    return n;
}

// The player stands on (1,1) of a one-cell room holding `kod`, with `punkty` scored so far.
void NaKomorce(int8_t kod, uint32_t punkty)
{
    CzystyStart();
    UstawPlansze({});
    Tablica[1][1] = kod;
    Punkty = punkty;
    IleJedzenia = 10;
    Opoznienie = 16;
}

TEST(Jedzenie, PunktyIZycia)
{
    struct Przypadek { int8_t kod; uint32_t przed, po; int32_t zycia; };
    const Przypadek PRZYPADKI[] = {
        {KOD_JEDZENIE, 0, 1, 3},
        {KOD_JEDZENIE, 299, 300, 4},
        {KOD_JEDZENIE, 300, 301, 3},
        {KOD_JEDZENIE, 599, 600, 4},
        {KOD_BONUS, 298, 303, 3},    // a bonus never gives a life, not even across 300
        {KOD_BONUS, 295, 300, 3},
        {KOD_PODLOGA, 299, 299, 3},
    };
    for (const Przypadek& p : PRZYPADKI) {
        NaKomorce(p.kod, p.przed);
        Zorbit.Idz();
        EXPECT_EQ(p.po, Punkty) << int(p.kod) << " from " << p.przed;
        EXPECT_EQ(p.zycia, Zorbit.Zycia) << int(p.kod) << " from " << p.przed;
        EXPECT_EQ(KOD_PODLOGA, Tablica[1][1]);
        EXPECT_EQ(p.kod == KOD_JEDZENIE ? 9u : 10u, IleJedzenia);
    }
}

TEST(Jedzenie, DzwiekiTylkoZWlaczonym)
{
    NaKomorce(KOD_JEDZENIE, 0);
    Zorbit.Idz();
    Tablica[1][1] = KOD_BONUS;
    Zorbit.Idz();
    const std::vector<fake::Dzwiek> oczekiwane = {
        {"data/sfx/jedz.wav", SND_ASYNC | SND_NOSTOP}, {"data/sfx/bonus.wav", SND_ASYNC}};
    EXPECT_EQ(oczekiwane, fake::dzwieki);

    NaKomorce(KOD_JEDZENIE, 0);
    SoundOn = false;
    Zorbit.Idz();
    Tablica[1][1] = KOD_BONUS;
    Zorbit.Idz();
    EXPECT_TRUE(fake::dzwieki.empty());
    EXPECT_EQ(6u, Punkty);
}

// The pellet is eaten from the committed position of the frame before; the last one ends
// the level, and the movement of that frame still happens.
TEST(Jedzenie, OstatniaKulkaKonczyPlanszeARuchTrwa)
{
    CzystyStart();
    UstawPlansze({"#####", "#  .#", "#####"});
    IleJedzenia = 1;
    Zorbit.PozZ = 2.9f;
    Zorbit.KierZ = Zorbit.ChcianyKierZ = 1;
    Opoznienie = 100;
    Zorbit.Idz();   // enters the pellet's cell
    EXPECT_EQ(KOD_JEDZENIE, Tablica[1][3]);
    EXPECT_EQ(Gra, Stan);
    Zorbit.Idz();   // eats it, and still moves on to the centre
    EXPECT_EQ(KOD_PODLOGA, Tablica[1][3]);
    EXPECT_EQ(0u, IleJedzenia);
    EXPECT_EQ(NextPlansza, Stan);
    EXPECT_NEAR(3.5f, Zorbit.PozZ, 1e-4);
    EXPECT_EQ(0, Zorbit.KierZ);
}

class Bonus : public ::testing::Test {
protected:
    void SetUp() override { NaKomorce(KOD_BONUS, 0); }
    // Runs the clock on until the bonus is over; returns how long it took.
    unsigned DoKonca()
    {
        unsigned ms = 0;
        while (Przezroczysty && ms < 60000) {
            fake::PrzesunCzas(1);
            ++ms;
        }
        return ms;
    }
};

TEST_F(Bonus, OsiemSekundJedenLancuch)
{
    Zorbit.Idz();
    EXPECT_TRUE(Przezroczysty);
    EXPECT_EQ(7u, BonusCzas);   // the first tick runs at once
    EXPECT_EQ(1, IleTykowBonusu());
    fake::PrzesunCzas(999);
    EXPECT_EQ(7u, BonusCzas);
    fake::PrzesunCzas(1);
    EXPECT_EQ(6u, BonusCzas);
    EXPECT_EQ(8000u, 1000 + DoKonca());   // the tick that finds 0 ends it, 8 s after the pick-up
    EXPECT_EQ(0u, BonusCzas);
    EXPECT_EQ(0, IleTykowBonusu());
}

TEST_F(Bonus, DrugiPrzedmiotDokladaBezDrugiegoLancucha)
{
    Zorbit.Idz();
    fake::PrzesunCzas(2000);
    ASSERT_EQ(5u, BonusCzas);
    Tablica[1][1] = KOD_BONUS;
    Zorbit.Idz();
    EXPECT_EQ(13u, BonusCzas);
    EXPECT_EQ(1, IleTykowBonusu());
    fake::PrzesunCzas(1000);
    EXPECT_EQ(12u, BonusCzas);
}

// In the last second (0 left, a tick pending) and after a new game cleared the count, an
// item must not leave two chains counting down: every second lasts a second.
TEST_F(Bonus, PrzedmiotPrzyOczekujacymTykuNieDublujeOdliczania)
{
    for (bool nowaGra : {false, true}) {
        SetUp();
        Zorbit.Idz();
        fake::PrzesunCzas(7500);
        ASSERT_EQ(0u, BonusCzas);
        ASSERT_TRUE(Przezroczysty);
        if (nowaGra)
            Zorbit.Inicjalizuj();
        Tablica[1][1] = KOD_BONUS;
        Zorbit.Idz();
        EXPECT_EQ(7u, BonusCzas);
        fake::PrzesunCzas(999);
        EXPECT_EQ(7u, BonusCzas) << nowaGra;
        EXPECT_EQ(8000u, DoKonca() + 999) << nowaGra;
    }
}

TEST_F(Bonus, MenuGraWstrzymujeOdliczanie)
{
    Zorbit.Idz();
    Stan = MenuGra;
    fake::PrzesunCzas(5000);
    EXPECT_EQ(7u, BonusCzas);
    EXPECT_EQ(1, IleTykowBonusu());
    Stan = Gra;
    fake::PrzesunCzas(1000);
    EXPECT_EQ(6u, BonusCzas);
}

// Ustaw (new level, lost life) clears the look but the seconds keep counting unseen.
TEST_F(Bonus, UstawZostawiaSekundy)
{
    Zorbit.Idz();
    Zorbit.Ustaw();
    EXPECT_FALSE(Przezroczysty);
    EXPECT_EQ(7u, BonusCzas);
    fake::PrzesunCzas(3000);
    EXPECT_EQ(4u, BonusCzas);
}

// Frames of 100 ms until the caught animation has ended (or a safety limit).
int AnimujDoKonca(StanProgramu stan)
{
    Zorbit.Zlapany = true;
    Stan = stan;
    Opoznienie = 100;
    int klatki = 0;
    while (Stan == stan && klatki < 100) {
        Zorbit.AnimujZlapanie();
        ++klatki;
    }
    return klatki;
}

TEST(Zlapanie, KoniecAnimacjiZabieraZycie)
{
    struct Przypadek { StanProgramu przed; int32_t zycia; StanProgramu po; int32_t zyciaPo; };
    const Przypadek PRZYPADKI[] = {
        {Gra, 2, Reset, 1},
        {Gra, 1, KoniecTemp, 0},
        {MenuGra, 2, Reset, 1},   // the menu does not stop the drawing, nor the animation
    };
    for (const Przypadek& p : PRZYPADKI) {
        CzystyStart();
        Zorbit.Zycia = p.zycia;
        EXPECT_EQ(16, AnimujDoKonca(p.przed)) << p.zycia;   // 1.5 s of phase, then the end
        EXPECT_EQ(p.po, Stan);
        EXPECT_EQ(p.zyciaPo, Zorbit.Zycia);
        EXPECT_FLOAT_EQ(16 * 50.0f, Zorbit.ObrotZlapania);
    }
}

// On the end screen the animation has ended already: no further life, no state change.
// Koniec (a key pressed there, the idle step not yet run) must stay for the idle step.
TEST(Zlapanie, EkranKoncowyNieZabieraZycia)
{
    for (StanProgramu stan : {KoniecTemp, Koniec}) {
        CzystyStart();
        Zorbit.Zycia = 0;
        Zorbit.Zlapany = true;
        Zorbit.FazaZlapania = 5.0f;
        Stan = stan;
        Opoznienie = 16;
        for (int i = 0; i < 3; ++i)
            Zorbit.AnimujZlapanie();
        EXPECT_EQ(stan, Stan);
        EXPECT_EQ(0, Zorbit.Zycia);
    }
}

TEST(Zlapanie, NiezlapanyNieAnimuje)
{
    CzystyStart();
    Opoznienie = 100;
    Zorbit.AnimujZlapanie();
    EXPECT_EQ(0.5f, Zorbit.FazaZlapania);
    EXPECT_EQ(0.0f, Zorbit.ObrotZlapania);
}

TEST(Reset, InicjalizujIUstaw)
{
    CzystyStart();
    GLUquadric* kwadryka = Zorbit.Kwadryka;
    ASSERT_NE(nullptr, kwadryka);
    Zorbit.Zycia = 5;
    BonusCzas = 4;
    Zorbit.PozX = 7.5f;
    Zorbit.Zlapany = true;
    Zorbit.Ustaw();
    EXPECT_EQ(1.5f, Zorbit.PozX);
    EXPECT_EQ(1.5f, Zorbit.PozZ);
    EXPECT_EQ(180, Zorbit.Kat);
    EXPECT_FALSE(Zorbit.Zlapany);
    EXPECT_EQ(5, Zorbit.Zycia);
    EXPECT_EQ(4u, BonusCzas);
    Zorbit.Inicjalizuj();
    EXPECT_EQ(0, Zorbit.Kat);
    EXPECT_EQ(3, Zorbit.Zycia);
    EXPECT_EQ(0u, BonusCzas);
    EXPECT_EQ(kwadryka, Zorbit.Kwadryka);   // made once, kept by every reset
}

} // namespace
