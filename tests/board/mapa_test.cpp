// Level files, their names and the start-cell scan.
#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "support/katalog_gry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class MapaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(Tablica, 0, sizeof Tablica);
        IleJedzenia = 0;
        Stan = Gra;
        Mapa.Inicjalizuj();
        Mapa.NazwaPliku = "data/mapy/t.map";
    }
    bool Wczytaj(const std::string& bajty)
    {
        dir.ZapiszMape("t.map", bajty);
        return Mapa.WczytajMape();
    }
    KatalogGry dir;
};

// 625 cells numbered 0..4 cycling, as raw bytes, with optional separator after each row.
std::string Wzor(const std::string& poWierszu)
{
    std::string s;
    for (int r = 0; r < MAX; ++r) {
        for (int c = 0; c < MAX; ++c)
            s += static_cast<char>(((r * MAX + c) % 3 == 0) ? KOD_JEDZENIE : KOD_SCIANA);
        s += poWierszu;
    }
    return s;
}

TEST_F(MapaTest, KonceLiniiNieZmieniajaPlanszy)
{
    ASSERT_TRUE(Wczytaj(Wzor("")));
    int8_t bez[MAX][MAX];
    std::memcpy(bez, Tablica, sizeof bez);
    const uint32_t pelletsBez = IleJedzenia;
    for (const char* koniec : {"\n", "\r\n", " \t"}) {
        IleJedzenia = 0;
        std::memset(Tablica, 7, sizeof Tablica);
        ASSERT_TRUE(Wczytaj(Wzor(koniec))) << koniec;
        EXPECT_EQ(0, std::memcmp(bez, Tablica, sizeof bez)) << "separator " << int(koniec[0]);
        EXPECT_EQ(pelletsBez, IleJedzenia);
    }
    EXPECT_EQ(209u, pelletsBez);   // every third of 625 cells
}

TEST_F(MapaTest, SpacjaWWierszuPrzesuwaDalszeKomorki)
{
    std::string bajty(625, KOD_SCIANA);
    bajty[3] = KOD_JEDZENIE;
    bajty.insert(2, " ");
    ASSERT_TRUE(Wczytaj(bajty));
    EXPECT_EQ(KOD_JEDZENIE, Tablica[0][3]);
    bajty.insert(1, "\t\t");   // two more: the pellet still lands on column 3
    ASSERT_TRUE(Wczytaj(bajty));
    EXPECT_EQ(KOD_JEDZENIE, Tablica[0][3]);
    EXPECT_EQ(KOD_SCIANA, Tablica[24][24]);
}

TEST_F(MapaTest, KrotkiPlikDopelniaZerami)
{
    std::string bajty(600, KOD_JEDZENIE);
    std::memset(Tablica, KOD_SCIANA, sizeof Tablica);
    ASSERT_TRUE(Wczytaj(bajty));
    EXPECT_EQ(600u, IleJedzenia);
    EXPECT_EQ(KOD_JEDZENIE, Tablica[23][24]);
    for (int c = 0; c < MAX; ++c)
        EXPECT_EQ(KOD_PODLOGA, Tablica[24][c]);
}

TEST_F(MapaTest, PustyPlikToSamaPodloga)
{
    std::memset(Tablica, KOD_SCIANA, sizeof Tablica);
    ASSERT_TRUE(Wczytaj(""));
    for (int r = 0; r < MAX; ++r)
        for (int c = 0; c < MAX; ++c)
            ASSERT_EQ(KOD_PODLOGA, Tablica[r][c]);
    EXPECT_EQ(0u, IleJedzenia);
}

TEST_F(MapaTest, DluzszyPlikCzytaTylko625Komorek)
{
    std::string bajty(625, KOD_SCIANA);
    bajty += std::string(50, KOD_JEDZENIE);
    ASSERT_TRUE(Wczytaj(bajty));
    EXPECT_EQ(0u, IleJedzenia);
}

// A directory opens on Linux but every read fails: it counts as no file at all.
TEST_F(MapaTest, BrakPlikuNiczegoNieRusza)
{
    std::filesystem::create_directory(dir.Sciezka() / "data/mapy/katalog.map");
    for (const char* nazwa : {"data/mapy/nie-ma.map", "data/mapy/katalog.map"}) {
        std::memset(Tablica, KOD_JEDZENIE, sizeof Tablica);
        IleJedzenia = 17;
        Mapa.NazwaPliku = nazwa;
        EXPECT_FALSE(Mapa.WczytajMape()) << nazwa;
        EXPECT_EQ(17u, IleJedzenia) << nazwa;
        EXPECT_EQ(KOD_JEDZENIE, Tablica[12][12]) << nazwa;
        EXPECT_EQ(KOD_JEDZENIE, Tablica[0][0]) << nazwa;
    }
}

TEST_F(MapaTest, CyfryZamiastBajtowNicNieZnacza)
{
    std::string bajty(625, '1');
    bajty[30] = '2';
    bajty[40] = '3';
    bajty[50] = '5';
    ASSERT_TRUE(Wczytaj(bajty));
    EXPECT_EQ(0u, IleJedzenia);
    EXPECT_EQ('1', Tablica[0][0]);   // code 49: walkable, no wall
    Zorbit.PozX = Zorbit.PozZ = 7.0f;
    EXPECT_EQ(0, InicjalizujDuchy());
    EXPECT_EQ(7.0f, Zorbit.PozX);
}

TEST_F(MapaTest, PastylkiDodajaSieDoLicznika)
{
    IleJedzenia = 5;
    std::string bajty(625, KOD_PODLOGA);
    bajty[100] = KOD_JEDZENIE;
    ASSERT_TRUE(Wczytaj(bajty));
    EXPECT_EQ(6u, IleJedzenia);
}

TEST(NazwaPliku, KolejneNumeryIIntro)
{
    Mapa.LicznikPliku = 9;
    Stan = Menu;
    EXPECT_EQ("data/mapy/10.map", Mapa.GetNazwaPliku());
    EXPECT_EQ(10, Mapa.LicznikPliku);
    EXPECT_EQ("data/mapy/10.map", Mapa.NazwaPliku);
    Stan = Intro;
    EXPECT_EQ("data/mapy/intro.map", Mapa.GetNazwaPliku());
    EXPECT_EQ(10, Mapa.LicznikPliku);
    Mapa.KatObrotu = 33;
    Mapa.FazaBonusu = 1.5f;
    Mapa.Inicjalizuj();
    EXPECT_EQ(0, Mapa.LicznikPliku);
    EXPECT_EQ(0u, Mapa.KatObrotu);
    EXPECT_EQ(1.5f, Mapa.FazaBonusu);
    EXPECT_EQ("data/mapy/intro.map", Mapa.NazwaPliku);
}

TEST(StartDuchow, TrzydziestuDuchowIOstatniGracz)
{
    std::memset(Tablica, KOD_PODLOGA, sizeof Tablica);
    for (int i = 0; i < 31; ++i)
        Tablica[1 + i / 20][1 + i % 20] = KOD_START_DUCHA;
    Tablica[5][6] = KOD_START_ZORBITA;
    Tablica[20][3] = KOD_START_ZORBITA;
    EXPECT_EQ(30, InicjalizujDuchy());
    EXPECT_FLOAT_EQ(1.5f, Duch[0].PozX);
    EXPECT_FLOAT_EQ(1.5f, Duch[0].PozZ);
    EXPECT_FLOAT_EQ(2.5f, Duch[29].PozX);   // the 30th cell: row 2, column 10
    EXPECT_FLOAT_EQ(10.5f, Duch[29].PozZ);
    EXPECT_FLOAT_EQ(20.5f, Zorbit.PozX);
    EXPECT_FLOAT_EQ(3.5f, Zorbit.PozZ);
    EXPECT_EQ(KOD_START_DUCHA, Tablica[2][11]);   // the 31st stays a plain walkable cell
}

} // namespace
