// Ghosts with scripted draws: the random decision, leaving a dead end, and the catch.
#include "platform/dzwiek.h"
#include "shell/przebieg.h"
#include "support/plansza.h"

#include <gtest/gtest.h>

namespace {

TEST(Decyzja, BokiDlaJadacegoCzteryStronyDlaStojacego)
{
    struct Przypadek {
        int32_t kx, kz;
        std::deque<int> losy;
        int32_t chcX, chcZ, poKx, poKz;
    };
    const Przypadek PRZYPADKI[] = {
        {1, 0, {1}, 0, 1, 1, 0},      // moving: a side wish only, the direction stays
        {-1, 0, {0}, 0, -1, -1, 0},
        {0, 1, {3}, 1, 0, 0, 1},      // draws are taken modulo 2
        {0, -1, {2}, -1, 0, 0, -1},
        {0, 0, {1, 1}, 1, 0, 1, 0},   // standing: two draws, off at once
        {0, 0, {1, 0}, -1, 0, -1, 0},
        {0, 0, {0, 1}, 0, 1, 0, 1},
        {0, 0, {0, 0}, 0, -1, 0, -1},
    };
    for (const Przypadek& p : PRZYPADKI) {
        fake::Wyczysc();
        fake::losy = p.losy;
        fake::losy.push_back(7);   // must be left for later
        CDuch d{};
        d.KierX = p.kx;
        d.KierZ = p.kz;
        d.UstalKierunek();
        EXPECT_EQ(p.chcX, d.ChcianyKierX) << p.kx << "," << p.kz << " " << p.losy.front();
        EXPECT_EQ(p.chcZ, d.ChcianyKierZ) << p.kx << "," << p.kz << " " << p.losy.front();
        EXPECT_EQ(p.poKx, d.KierX);
        EXPECT_EQ(p.poKz, d.KierZ);
        EXPECT_EQ(1u, fake::losy.size());
    }
}

// A dead end open only on plus-z: draws that pick a wall leave the ghost on its centre for
// that frame; the one that picks the opening sets it off in the same frame.
TEST(Decyzja, ZSlepegoZaulkaTylkoOtwartaStrona)
{
    CzystyStart();
    Stan = Intro;
    UstawPlansze({"#####", "#   #", "#####"});
    CDuch& d = Duch[0];   // the quadric it is given lives as long as the program, as in the game
    d.PozX = 1.5f;
    d.PozZ = 1.5f;
    d.Inicjalizuj();
    fake::losy = {1, 1, 1, 0, 0, 0, 0, 1};   // +x, -x, -z walls, then +z
    Opoznienie = 100;
    for (int i = 0; i < 3; ++i) {
        d.Idz();
        EXPECT_EQ(1.5f, d.PozX);
        EXPECT_EQ(1.5f, d.PozZ);
        EXPECT_EQ(0, d.KierX | d.KierZ) << i;
    }
    d.Idz();
    EXPECT_NEAR(1.8f, d.PozZ, 1e-4);
    EXPECT_EQ(1, d.KierZ);
    EXPECT_EQ(180, d.Kat);
    EXPECT_TRUE(fake::losy.empty());
    EXPECT_NE(nullptr, d.Kwadryka);
}

// A ghost sideways-wishing along a corridor turns into the first opening on that side.
TEST(Decyzja, SkretWPierwszeOtwarcie)
{
    CzystyStart();
    Stan = Intro;
    UstawPlansze({"#######", "#   # #", "#     #", "#######"});
    CDuch d{};
    d.PozX = 2.5f;
    d.PozZ = 1.5f;
    d.KierZ = 1;
    d.ChcianyKierX = -1;
    Opoznienie = 100;
    for (int i = 0; i < 20; ++i)
        d.Idz();
    EXPECT_EQ(1.5f, d.PozX);   // went up at column 1, the first opening
    EXPECT_EQ(1.5f, d.PozZ);
}

// A lost life sends the ghosts home without a reset: each sets off the way it was going.
TEST(Decyzja, PoStracieZyciaTenSamKierunek)
{
    CzystyStart();
    UstawPlansze({"#######", "#P   G#", "#######"});
    IleDuchow = static_cast<uint32_t>(InicjalizujDuchy());
    ASSERT_EQ(1u, IleDuchow);
    Duch[0].Inicjalizuj();
    Duch[0].KierZ = Duch[0].ChcianyKierZ = -1;
    Opoznienie = 100;
    Duch[0].Idz();
    ASSERT_NEAR(5.2f, Duch[0].PozZ, 1e-4);
    fake::losy = {1, 1};   // would send a standing ghost plus-x
    Stan = Reset;
    ResetPlanszy();
    EXPECT_EQ(5.5f, Duch[0].PozZ);
    EXPECT_EQ(-1, Duch[0].KierZ);
    EXPECT_EQ(0, Duch[0].Kat);
    Duch[0].Idz();
    EXPECT_NEAR(5.2f, Duch[0].PozZ, 1e-4);
    EXPECT_EQ(2u, fake::losy.size());
}

class Zlapanie : public ::testing::Test {
protected:
    CDuch duch{};
    // Player and ghost where asked on an open floor; no frame time, so nothing moves and the
    // ghost goes on wishing what it wishes (it is moving: no draw, no turn).
    void SetUp() override
    {
        CzystyStart();
        UstawPlansze({}, KOD_PODLOGA);
        Opoznienie = 0;
        duch.KierZ = duch.ChcianyKierZ = 1;
    }
    bool Lapie(float gx, float gz, float zx, float zz)
    {
        Zorbit.Zlapany = false;
        fake::dzwieki.clear();
        duch.PozX = gx;
        duch.PozZ = gz;
        Zorbit.PozX = zx;
        Zorbit.PozZ = zz;
        duch.Idz();
        EXPECT_EQ(Zorbit.Zlapany ? 1u : 0u, fake::dzwieki.size());
        return Zorbit.Zlapany;
    }
};

TEST_F(Zlapanie, TaSamaKomorkaTakSasiedniaNigdy)
{
    EXPECT_TRUE(Lapie(3.5f, 3.5f, 3.5f, 3.5f));
    EXPECT_EQ((fake::Dzwiek{"data/sfx/au.wav", SND_ASYNC}), fake::dzwieki.at(0));
    EXPECT_TRUE(Lapie(3.01f, 3.99f, 3.99f, 3.01f));
    EXPECT_FALSE(Lapie(3.5f, 3.99f, 3.5f, 4.01f));
    EXPECT_FALSE(Lapie(2.99f, 3.5f, 3.01f, 3.5f));
    EXPECT_FALSE(Lapie(4.5f, 4.5f, 3.5f, 3.5f));
}

// The caught player stands still while the animation runs; a ghost (or two) staying in its
// cell must not restart the sound on every frame. The reset after the lost life re-arms it.
TEST_F(Zlapanie, JedenDzwiekNaZlapanie)
{
    CDuch drugi{};
    drugi.KierZ = drugi.ChcianyKierZ = 1;
    drugi.PozX = drugi.PozZ = 3.5f;
    for (int zlapanie = 1; zlapanie <= 2; ++zlapanie) {
        duch.PozX = duch.PozZ = Zorbit.PozX = Zorbit.PozZ = 3.5f;
        for (int klatka = 0; klatka < 20; ++klatka) {
            duch.Idz();
            drugi.Idz();
            EXPECT_TRUE(Zorbit.Zlapany);
        }
        ASSERT_EQ(static_cast<size_t>(zlapanie), fake::dzwieki.size());
        EXPECT_EQ((fake::Dzwiek{"data/sfx/au.wav", SND_ASYNC}), fake::dzwieki.back());
        ResetPlanszy();
        EXPECT_FALSE(Zorbit.Zlapany);
    }
}

TEST_F(Zlapanie, TylkoWGrze)
{
    for (StanProgramu s : {Intro, Menu, KoniecTemp, Koniec}) {
        Stan = s;
        EXPECT_FALSE(Lapie(3.5f, 3.5f, 3.5f, 3.5f)) << s;
    }
}

TEST_F(Zlapanie, BezDzwiekuGdyWylaczony)
{
    SoundOn = false;
    duch.PozX = duch.PozZ = Zorbit.PozX = Zorbit.PozZ = 3.5f;
    duch.Idz();
    EXPECT_TRUE(Zorbit.Zlapany);
    EXPECT_TRUE(fake::dzwieki.empty());
}

// During a bonus the ghost passes through; the first frame after the last tick catches.
TEST_F(Zlapanie, BonusChroniDoKonca)
{
    Tablica[3][3] = KOD_BONUS;
    Zorbit.PozX = Zorbit.PozZ = 3.5f;
    Zorbit.Idz();
    ASSERT_TRUE(Przezroczysty);
    fake::PrzesunCzas(7999);
    EXPECT_FALSE(Lapie(3.5f, 3.5f, 3.5f, 3.5f));
    fake::PrzesunCzas(1);
    EXPECT_TRUE(Lapie(3.5f, 3.5f, 3.5f, 3.5f));
}

} // namespace
