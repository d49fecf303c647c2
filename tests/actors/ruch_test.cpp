// The grid movement step, frame by frame on small boards, driven through the player's update.
#include "support/plansza.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Klatka {
    uint32_t ms;      // Opoznienie of this frame
    int32_t chcX;     // wish held during it
    int32_t chcZ;
};

struct Przypadek {
    const char* nazwa;
    float x, z;
    int32_t kierX, kierZ, kat;
    std::vector<Klatka> klatki;
    float koniecX, koniecZ;
    int32_t koniecKierX, koniecKierZ, koniecKat;
};

// Row 2 is a corridor along z from column 1 to 7; (1,3) opens off it on the minus-x side.
void Korytarz()
{
    UstawPlansze({
        "#########",
        "### #####",
        "#       #",
        "#########",
    });
}

const Klatka PLUS_Z{100, 0, 1};
const Klatka W_PRAWO{100, -1, 0};   // right arrow: wish (-1, 0)

const std::vector<Przypadek> PRZYPADKI = {
    {"prosto_100ms_to_0_3", 2.5f, 1.5f, 0, 1, 180, {PLUS_Z}, 2.5f, 1.8f, 0, 1, 180},
    {"prosto_200ms_obciete_do_0_4", 2.5f, 1.5f, 0, 1, 180, {{200, 0, 1}}, 2.5f, 1.9f, 0, 1, 180},
    {"skret_w_z_3_8_cofa_na_srodek", 2.5f, 3.5f, 0, 1, 180, {W_PRAWO}, 2.5f, 3.5f, -1, 0, 90},
    {"skret_nie_przed_srodkiem_3_2", 2.5f, 2.9f, 0, 1, 180, {W_PRAWO}, 2.5f, 3.2f, 0, 1, 180},
    {"skret_na_srodku_w_nastepnej_klatce", 2.5f, 2.9f, 0, 1, 180, {W_PRAWO, W_PRAWO},
     2.5f, 3.5f, -1, 0, 90},
    {"4_1_za_kolumna_otwarcie_stracone", 2.5f, 3.7f, 0, 1, 180, {{200, -1, 0}},
     2.5f, 4.1f, 0, 1, 180},
    // Turns at column 3, goes up to row 1 and stops before the outer wall (minus-x stop).
    {"zyczenie_w_sciane_czeka_na_otwarcie", 2.5f, 1.5f, 0, 1, 180,
     std::vector<Klatka>(11, W_PRAWO), 1.5f, 3.5f, 0, 0, 90},
    // From x to z the heading changes only in the next frame.
    {"skret_z_x_na_z_kat_klatke_pozniej", 1.5f, 3.5f, 1, 0, -90,
     std::vector<Klatka>(4, PLUS_Z), 2.5f, 3.5f, 0, 1, -90},
    {"nawrot_z_plus_na_minus_jeszcze_krok", 2.5f, 2.5f, 0, 1, 180, {{100, 0, -1}},
     2.5f, 2.8f, 0, -1, 0},
    {"nawrot_z_minus_na_plus_stoi", 2.5f, 2.5f, 0, -1, 0, {PLUS_Z}, 2.5f, 2.5f, 0, 1, 0},
    {"stop_plus_na_srodku", 2.5f, 7.2f, 0, 1, 180, {PLUS_Z}, 2.5f, 7.5f, 0, 0, 180},
    {"plus_przed_srodkiem_jedzie", 2.5f, 7.1f, 0, 1, 180, {PLUS_Z}, 2.5f, 7.4f, 0, 1, 180},
    {"stop_minus_0_1_przed_srodkiem", 2.5f, 1.8f, 0, -1, 0, {{100, 0, -1}}, 2.5f, 1.5f, 0, 0, 0},
    {"minus_dalej_jedzie", 2.5f, 2.0f, 0, -1, 0, {{100, 0, -1}}, 2.5f, 1.7f, 0, -1, 0},
    {"z_miejsca_najpierw_kat_potem_ruch", 2.5f, 1.5f, 0, 0, 0, {PLUS_Z}, 2.5f, 1.5f, 0, 1, 180},
    {"z_miejsca_druga_klatka_jedzie", 2.5f, 1.5f, 0, 0, 0, {PLUS_Z, PLUS_Z}, 2.5f, 1.8f, 0, 1, 180},
    {"z_miejsca_w_sciane_stoi_z_katem", 2.5f, 1.5f, 0, 0, 0, {{100, 1, 0}}, 2.5f, 1.5f, 0, 0, 0},
    // Reversing twice near a wall leaves the player past the stop point; the next plus
    // step must not be snapped onto the wall cell's centre.
    {"dwa_nawroty_przy_scianie", 2.5f, 7.4f, 0, 1, 180,
     {{200, 0, -1}, {200, 0, 1}, {200, 0, 1}}, 2.5f, 7.5f, 0, 0, 0},
};

void PrintTo(const Przypadek& p, std::ostream* os)
{
    *os << p.nazwa;
}

class Ruch : public ::testing::TestWithParam<Przypadek> {};

TEST_P(Ruch, KoniecPoKlatkach)
{
    const Przypadek& p = GetParam();
    CzystyStart();
    Korytarz();
    Zorbit.PozX = p.x;
    Zorbit.PozZ = p.z;
    Zorbit.KierX = p.kierX;
    Zorbit.KierZ = p.kierZ;
    Zorbit.Kat = p.kat;
    for (const Klatka& k : p.klatki) {
        Opoznienie = k.ms;
        Zorbit.ChcianyKierX = k.chcX;
        Zorbit.ChcianyKierZ = k.chcZ;
        Zorbit.Idz();
    }
    EXPECT_NEAR(p.koniecX, Zorbit.PozX, 1e-4);
    EXPECT_NEAR(p.koniecZ, Zorbit.PozZ, 1e-4);
    EXPECT_EQ(p.koniecKierX, Zorbit.KierX);
    EXPECT_EQ(p.koniecKierZ, Zorbit.KierZ);
    EXPECT_EQ(p.koniecKat, Zorbit.Kat);
}

INSTANTIATE_TEST_SUITE_P(Plansze, Ruch, ::testing::ValuesIn(PRZYPADKI),
    [](const ::testing::TestParamInfo<Przypadek>& i) { return std::string(i.param.nazwa); });

// With no border walls the edge of the grid stops an actor like a wall, on every side.
TEST(RuchNaKrawedzi, PozaSiatkaToSciana)
{
    struct Krawedz { float x, z; int32_t kx, kz; float ex, ez; };
    const Krawedz KRAWEDZIE[] = {
        {0.5f, 3.5f, 0, -1, 0.5f, 0.5f}, {0.5f, 3.5f, 0, 1, 0.5f, 24.5f},
        {3.5f, 0.5f, -1, 0, 0.5f, 0.5f}, {3.5f, 0.5f, 1, 0, 24.5f, 0.5f},
    };
    for (const Krawedz& k : KRAWEDZIE) {
        CzystyStart();
        UstawPlansze({}, KOD_PODLOGA);
        Zorbit.PozX = k.x;
        Zorbit.PozZ = k.z;
        Zorbit.ChcianyKierX = k.kx;
        Zorbit.ChcianyKierZ = k.kz;
        Opoznienie = 500;
        for (int i = 0; i < 100; ++i)
            Zorbit.Idz();
        EXPECT_NEAR(k.ex, Zorbit.PozX, 1e-4) << k.kx << "," << k.kz;
        EXPECT_NEAR(k.ez, Zorbit.PozZ, 1e-4) << k.kx << "," << k.kz;
        EXPECT_EQ(0, Zorbit.KierX | Zorbit.KierZ);
    }
}

} // namespace
