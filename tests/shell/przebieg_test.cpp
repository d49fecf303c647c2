// The frame loop and the transitions, driven by the fake clock.
#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "platform/dzwiek.h"
#include "shell/przebieg.h"
#include "shell/stale.h"
#include "support/katalog_gry.h"
#include "support/platform_fake.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char* const POZIOM[25] = {
    "#########################",
    "#P.......#.........G....#",
    "#.........B.............#",
    "#...........G...........#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#.......................#",
    "#......................G#",
    "#########################",
};

const char* const INTRO[25] = {
    "#########################", "#G                     G#", "#                       #",
    "#           P           #", "#                       #", "#                       #",
    "#                       #", "#                       #", "#                       #",
    "#                       #", "#                       #", "#                       #",
    "#                       #", "#                       #", "#                       #",
    "#                       #", "#                       #", "#                       #",
    "#                       #", "#                       #", "#                       #",
    "#                       #", "#                       #", "#                       #",
    "#########################",
};

class Przebieg : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Wyczysc();
        std::memset(Tablica, 0, sizeof Tablica);
        Czas = CzasStary = Opoznienie = LiczbaKlatek = CzasStaryFPS = fps = 0;
        SoundOn = true;
        dir.ZapiszMape("intro.map", KatalogGry::Plansza(INTRO));
        for (const char* n : {"1.map", "2.map", "3.map"})
            dir.ZapiszMape(n, KatalogGry::Plansza(POZIOM));
        Stan = Intro;
        Inicjalizuj();
    }
    // One idle step at fake time t (ms).
    void Krok(unsigned t)
    {
        fake::czas = t;
        IdleStep();
    }
    int Fanfary() const
    {
        int n = 0;
        for (const auto& d : fake::dzwieki)
            n += d == fake::Dzwiek{"data/sfx/fanfary.wav", SND_ASYNC};
        return n;
    }
    KatalogGry dir;
};

TEST_F(Przebieg, InicjalizujStawiaIntro)
{
    EXPECT_EQ(Intro, Stan);
    EXPECT_EQ(1u, WyborMenu);
    EXPECT_EQ(0, Mapa.LicznikPliku);
    EXPECT_EQ("data/mapy/intro.map", Mapa.NazwaPliku);
    EXPECT_EQ(2u, IleDuchow);
    EXPECT_EQ(3, Zorbit.Zycia);
    EXPECT_FLOAT_EQ(3.5f, Zorbit.PozX);
    EXPECT_FLOAT_EQ(12.5f, Zorbit.PozZ);
}

TEST_F(Przebieg, PierwszyKrokNieRusza)
{
    Duch[0].KierX = 1;   // travelling, so only a zero frame time keeps it in place
    Duch[0].ChcianyKierX = 1;
    CzasStary = 4000;    // what start-up reads just before the main loop
    Krok(4100);
    EXPECT_FLOAT_EQ(1.5f, Duch[0].PozX);
    EXPECT_EQ(100u, Opoznienie);
    EXPECT_EQ(4100u, CzasStary);
    EXPECT_EQ(1, fake::przerysowania);
    Krok(4200);
    EXPECT_GT(Duch[0].PozX, 1.5f);
}

TEST_F(Przebieg, KolejnePoziomyAzDoKonca)
{
    Stan = Menu;
    NowaGra();
    EXPECT_EQ(NextPlanszaTemp, Stan);
    EXPECT_EQ(1, Mapa.LicznikPliku);
    EXPECT_EQ(523u, IleJedzenia);   // 23 x 23 inside, less P, B, three G and one wall
    EXPECT_EQ(3u, IleDuchow);
    for (int poziom = 2; poziom <= 4; ++poziom) {
        Stan = NextPlansza;   // as the last pellet leaves it
        IleJedzenia = 0;
        Krok(1000u * poziom);
        EXPECT_EQ(poziom, Mapa.LicznikPliku);
        EXPECT_EQ(poziom <= 3 ? NextPlanszaTemp : KoniecTemp, Stan) << poziom;
        EXPECT_EQ(poziom - 1, Fanfary());
    }
    EXPECT_EQ("data/mapy/4.map", Mapa.NazwaPliku);
    EXPECT_EQ(KOD_BONUS, Tablica[2][10]);   // the cleared board stays behind the end screen
    EXPECT_EQ(3, Zorbit.Zycia);
}

TEST_F(Przebieg, BezDzwiekuBezFanfar)
{
    Stan = Menu;
    NowaGra();
    SoundOn = false;
    Stan = NextPlansza;
    Krok(10);
    EXPECT_EQ(NextPlanszaTemp, Stan);
    EXPECT_EQ(0, Fanfary());
}

TEST_F(Przebieg, NowaGraBezPierwszegoPoziomuKonczyGre)
{
    std::filesystem::remove(dir.Sciezka() / "data/mapy/1.map");
    Punkty = 40;
    Stan = Menu;
    NowaGra();
    EXPECT_EQ(KoniecTemp, Stan);
    EXPECT_EQ(1, Mapa.LicznikPliku);
    EXPECT_EQ(0u, Punkty);
}

// A level with no pellet is cleared as soon as it is read: the game goes on to the next
// file with its fanfare, as if the last pellet had just been eaten. An unreadable file
// (a directory) is a missing one.
struct PlanszaBezJedzenia {
    const char* opis;
    const char* pliki[3];   // 1.map .. 3.map: "P" a playable level, "" empty, "F" 0xFF bytes,
                            // "#" walls only, "D" a directory, nullptr no file
    bool pierwszaZjedzona;  // level 1 is played to its last pellet first
    int32_t licznik;        // LicznikPliku once the game waits again
    StanProgramu stan;
    int fanfary;
};

void PrintTo(const PlanszaBezJedzenia& p, std::ostream* os)
{
    *os << p.opis;
}

class BezJedzenia : public Przebieg, public ::testing::WithParamInterface<PlanszaBezJedzenia> {};

TEST_P(BezJedzenia, PlanszaZaliczonaOdRazu)
{
    const auto& p = GetParam();
    for (int i = 0; i < 3; ++i) {
        const std::string nazwa = std::to_string(i + 1) + ".map";
        std::filesystem::remove(dir.Sciezka() / "data/mapy" / nazwa);
        const std::string rodzaj = p.pliki[i] ? p.pliki[i] : "-";
        if (rodzaj == "P")
            dir.ZapiszMape(nazwa, KatalogGry::Plansza(POZIOM));
        else if (rodzaj == "F")
            dir.ZapiszMape(nazwa, std::string(700, '\xFF'));
        else if (rodzaj == "#")
            dir.ZapiszMape(nazwa, std::string(625, KOD_SCIANA));
        else if (rodzaj == "D")
            std::filesystem::create_directory(dir.Sciezka() / "data/mapy" / nazwa);
        else if (rodzaj.empty())
            dir.ZapiszMape(nazwa, "");
    }
    Stan = Menu;
    NowaGra();
    if (p.pierwszaZjedzona) {
        ASSERT_EQ(NextPlanszaTemp, Stan);
        Stan = NextPlansza;   // as the last pellet leaves it
        IleJedzenia = 0;
    }
    for (unsigned t = 10; t <= 100 && (Stan == NextPlansza); t += 10)
        Krok(t);
    EXPECT_EQ(p.stan, Stan);
    EXPECT_EQ(p.licznik, Mapa.LicznikPliku);
    EXPECT_EQ(p.fanfary, Fanfary());
    EXPECT_EQ(p.stan == NextPlanszaTemp ? 523u : 0u, IleJedzenia);
}

INSTANTIATE_TEST_SUITE_P(Przypadki, BezJedzenia, ::testing::Values(
    PlanszaBezJedzenia{"pusta_pierwsza", {"", "P", "P"}, false, 2, NextPlanszaTemp, 1},
    PlanszaBezJedzenia{"FF_pierwsza_i_ostatnia", {"F", nullptr, nullptr}, false, 2, KoniecTemp, 1},
    PlanszaBezJedzenia{"katalog_pierwsza", {"D", "P", "P"}, false, 1, KoniecTemp, 0},
    PlanszaBezJedzenia{"dwie_puste_po_pierwszej", {"P", "#", ""}, true, 4, KoniecTemp, 3},
    PlanszaBezJedzenia{"pusta_druga", {"P", "F", "P"}, true, 3, NextPlanszaTemp, 2},
    PlanszaBezJedzenia{"katalog_druga", {"P", "D", "P"}, true, 2, KoniecTemp, 1}),
    [](const auto& info) { return std::string(info.param.opis); });

TEST_F(Przebieg, StanyPrzejscioweZnikajaWJednymKroku)
{
    Stan = Menu;
    NowaGra();
    Stan = Gra;
    Zorbit.PozX = 9.5f;
    Zorbit.Zlapany = true;
    Duch[1].PozX = 20.5f;
    Duch[1].KierZ = -1;
    Punkty = 77;
    Stan = Reset;
    Krok(50);
    EXPECT_EQ(Gra, Stan);
    EXPECT_FALSE(Zorbit.Zlapany);
    EXPECT_FLOAT_EQ(1.5f, Zorbit.PozX);
    EXPECT_EQ(-1, Duch[1].KierZ);   // ghosts go home keeping their direction
    EXPECT_EQ(77u, Punkty);

    Stan = Koniec;
    Krok(100);
    EXPECT_EQ(Intro, Stan);
    EXPECT_EQ(0u, Punkty);
    EXPECT_EQ(0, Mapa.LicznikPliku);
    EXPECT_EQ("data/mapy/intro.map", Mapa.NazwaPliku);
}

TEST_F(Przebieg, WMenuGraINaBanerzeNicSieNieRusza)
{
    Stan = Menu;
    NowaGra();
    for (StanProgramu zamrozony : {MenuGra, NextPlanszaTemp}) {
        Stan = zamrozony;
        Duch[0].KierZ = -1;
        const float z = Duch[0].PozZ;
        Opoznienie = 100;
        Krok(fake::czas + 100);
        EXPECT_FLOAT_EQ(z, Duch[0].PozZ) << zamrozony;
        EXPECT_EQ(zamrozony, Stan);
    }
}

TEST_F(Przebieg, TimerDzialaWKazdymStanieIWznawiaSie)
{
    Stan = MenuGra;
    Duch[0].KierX = 1;
    Duch[0].ChcianyKierX = Duch[0].ChcianyKierZ = 0;
    fake::losy = {1};
    Timer(0);
    EXPECT_EQ(1, Duch[0].ChcianyKierZ);
    ASSERT_EQ(1u, fake::timery.size());
    EXPECT_EQ(1000u, fake::timery[0].kiedy);
}

struct PrzypadekFPS {
    unsigned odOstatniego;  // ms since the last update
    uint32_t klatek;        // frames counted before this one
    uint32_t fps;           // expected after the update
    bool przeliczone;
};

void PrintTo(const PrzypadekFPS& p, std::ostream* os)
{
    *os << p.odOstatniego << "ms_" << p.klatek << "klatek";
}

class LicznikKlatek : public ::testing::TestWithParam<PrzypadekFPS> {};

TEST_P(LicznikKlatek, TylkoPelneSekundy)
{
    const auto p = GetParam();
    CzasStaryFPS = 10000;
    Czas = 10000 + p.odOstatniego;
    LiczbaKlatek = p.klatek;
    fps = 7;
    UpdateFPS();
    EXPECT_EQ(p.fps, fps);
    EXPECT_EQ(p.przeliczone ? 0u : p.klatek + 1, LiczbaKlatek);
    EXPECT_EQ(p.przeliczone ? Czas : 10000u, CzasStaryFPS);
}

INSTANTIATE_TEST_SUITE_P(Przypadki, LicznikKlatek, ::testing::Values(
    PrzypadekFPS{999, 50, 7, false},    // not yet a whole second
    PrzypadekFPS{1000, 59, 60, true},
    PrzypadekFPS{1900, 99, 100, true},  // 1.9 s counts as 1
    PrzypadekFPS{2000, 99, 50, true},
    PrzypadekFPS{3000, 100, 33, true})); // truncated

TEST(LicznikKlatekStart, ZeroDoPierwszejSekundy)
{
    Czas = CzasStaryFPS = LiczbaKlatek = fps = 0;
    for (Czas = 0; Czas < 1000; Czas += 16)
        UpdateFPS();
    EXPECT_EQ(0u, fps);
}

} // namespace
