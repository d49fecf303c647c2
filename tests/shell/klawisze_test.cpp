// The keyboard: every screen change, the menu selection, steering, camera height, the
// switches and their sounds, and the way back from the end screen after a lost game.
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "platform/dzwiek.h"
#include "shell/klawisze.h"
#include "shell/przebieg.h"
#include "shell/stale.h"
#include "support/katalog_gry.h"
#include "support/platform_fake.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

using Dzwieki = std::vector<fake::Dzwiek>;

const fake::Dzwiek WYBOR{"data/sfx/menu2.wav", SND_ASYNC};
const fake::Dzwiek WYBOR_DO_KONCA{"data/sfx/menu2.wav", SND_SYNC};
const fake::Dzwiek KLIK{"data/sfx/menu1.wav", SND_ASYNC};

constexpr unsigned char ENTER = 13, ESC = 27;

const StanProgramu WSZYSTKIE_STANY[] = {Intro, Menu, MenuGra, Gra, Restart, NextPlansza,
                                        NextPlanszaTemp, Reset, ResetTemp, Koniec, KoniecTemp};

// Raw cell bytes; the loader fills the rest of the board with floor.
const char INTRO_MAPA[] = "\x01\x03\x05";            // player start at (0, 2)
const char PIERWSZY_POZIOM[] = "\x01\x05\x02\x02\x03";   // two pellets

class Klawiatura : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Wyczysc();
        std::memset(Tablica, 0, sizeof Tablica);
        dir.ZapiszMape("intro.map", INTRO_MAPA);
        dir.ZapiszMape("1.map", PIERWSZY_POZIOM);
        SoundOn = true;
        Klatki = false;
        KamY = 9;
        Punkty = 0;
        Inicjalizuj();
    }
    // Puts the game in state s with the given selection, as the menus would leave it.
    void Ustaw(StanProgramu s, uint32_t wybor = 1)
    {
        Stan = s;
        WyborMenu = wybor;
        fake::dzwieki.clear();
    }
    KatalogGry dir;
};

struct Znak {
    StanProgramu przed;
    uint32_t wybor;
    unsigned char c;
    bool dzwiek;          // SoundOn before the key
    StanProgramu po;
    Dzwieki slychac;
};

class KlawiszeZnak : public Klawiatura, public ::testing::WithParamInterface<Znak> {};

TEST_P(KlawiszeZnak, PrzejscieIDzwiek)
{
    const Znak& p = GetParam();
    Ustaw(p.przed, p.wybor);
    SoundOn = p.dzwiek;
    Klawisze(p.c, 0, 0);
    EXPECT_EQ(p.po, Stan);
    EXPECT_EQ(p.slychac, fake::dzwieki);
    EXPECT_EQ(p.wybor, WyborMenu);   // no character key moves the selection
    // Only Enter on entry 1 starts a game; every other key leaves the board alone.
    EXPECT_EQ(p.po == NextPlanszaTemp && p.przed != NextPlanszaTemp ? 1 : 0, Mapa.LicznikPliku);
}

INSTANTIATE_TEST_SUITE_P(Tabela, KlawiszeZnak, ::testing::Values(
    Znak{Intro, 1, 'a', true, Menu, {WYBOR}},
    Znak{Intro, 1, ENTER, true, Menu, {WYBOR}},              // only opens the menu
    Znak{Intro, 1, ESC, false, Menu, {}},
    Znak{Intro, 1, 'm', true, Menu, {}},                     // switched off first
    Znak{Intro, 1, 'M', false, Menu, {WYBOR}},               // switched on first
    Znak{Menu, 1, ENTER, true, NextPlanszaTemp, {WYBOR}},
    Znak{MenuGra, 1, ENTER, true, NextPlanszaTemp, {WYBOR}},  // a new game, not a resume
    Znak{Menu, 1, ENTER, false, NextPlanszaTemp, {}},
    Znak{Menu, 1, ESC, true, Menu, {}},
    Znak{Menu, 2, 'x', true, Menu, {}},
    Znak{MenuGra, 2, ESC, true, Gra, {}},                    // used up: the menu stays shut
    Znak{MenuGra, 1, 'x', true, MenuGra, {}},
    Znak{Gra, 1, ESC, true, MenuGra, {WYBOR}},
    Znak{Gra, 1, ESC, false, MenuGra, {}},
    Znak{Gra, 1, ENTER, true, Gra, {}},
    Znak{Gra, 1, 'x', true, Gra, {}},
    Znak{NextPlanszaTemp, 1, ESC, true, Gra, {}},            // starts play, opens no menu
    Znak{NextPlanszaTemp, 1, 'x', true, Gra, {}},
    Znak{KoniecTemp, 1, 'x', true, Koniec, {}},
    Znak{KoniecTemp, 1, ENTER, true, Koniec, {}},
    Znak{KoniecTemp, 1, '\0', true, Koniec, {}},
    Znak{Koniec, 1, ESC, true, Koniec, {}},
    Znak{Reset, 1, ESC, true, Reset, {}},
    Znak{NextPlansza, 1, ENTER, true, NextPlansza, {}}));

TEST_F(Klawiatura, PrzelacznikiWKazdymStanie)
{
    const StanProgramu zmieniaja[][2] = {{Intro, Menu}, {NextPlanszaTemp, Gra}, {KoniecTemp, Koniec}};
    for (StanProgramu s : WSZYSTKIE_STANY) {
        StanProgramu po = s;
        for (const auto& z : zmieniaja)
            po = z[0] == s ? z[1] : po;
        for (unsigned char c : {'f', 'F', 'm', 'M'}) {
            SCOPED_TRACE(std::string(1, static_cast<char>(c)) + " in state " + std::to_string(s));
            Ustaw(s);
            const bool klatki = Klatki, dzwiek = SoundOn;
            Klawisze(c, 0, 0);
            const bool f = c == 'f' || c == 'F';
            EXPECT_EQ(f ? !klatki : klatki, Klatki);
            EXPECT_EQ(f ? dzwiek : !dzwiek, SoundOn);
            EXPECT_EQ(po, Stan);
        }
    }
}

TEST_F(Klawiatura, WyjscieZMenuPoDzwieku)
{
    for (StanProgramu s : {Menu, MenuGra}) {
        for (bool dzwiek : {true, false}) {
            SCOPED_TRACE(std::to_string(s) + (dzwiek ? " sound on" : " sound off"));
            Ustaw(s, 2);
            SoundOn = dzwiek;
            try {
                Klawisze(ENTER, 0, 0);
                ADD_FAILURE() << "Enter on entry 2 did not end the program";
            } catch (const fake::Wyjscie& w) {
                EXPECT_EQ(0, w.status);
            }
            EXPECT_EQ(dzwiek ? Dzwieki{WYBOR_DO_KONCA} : Dzwieki{}, fake::dzwieki);
        }
    }
}

// Without a first level the new game opens the end screen; the Enter that chose the
// game must not also leave it.
TEST_F(Klawiatura, NowaGraBezPoziomuZostajeNaEkranieKonca)
{
    std::filesystem::remove(dir.Sciezka() / "data/mapy/1.map");
    Ustaw(Menu, 1);
    Klawisze(ENTER, 0, 0);
    EXPECT_EQ(KoniecTemp, Stan);
    Klawisze(' ', 0, 0);
    EXPECT_EQ(Koniec, Stan);
}

struct Specjalny {
    StanProgramu przed;
    uint32_t wybor;
    int key;
    StanProgramu po;
    uint32_t wyborPo;
    Dzwieki slychac;
};

// Readable test names in CTest instead of the struct's bytes.
void PrintTo(const Specjalny& p, std::ostream* os)
{
    *os << "stan" << p.przed << "_wybor" << p.wybor << "_klawisz" << p.key;
}

class KlawiszeSpecjalne : public Klawiatura, public ::testing::WithParamInterface<Specjalny> {};

TEST_P(KlawiszeSpecjalne, WyborIDzwiek)
{
    const Specjalny& p = GetParam();
    Ustaw(p.przed, p.wybor);
    KlawiszeSpec(p.key, 0, 0);
    EXPECT_EQ(p.po, Stan);
    EXPECT_EQ(p.wyborPo, WyborMenu);
    EXPECT_EQ(p.slychac, fake::dzwieki);

    // The same press in silence: the same flow, nothing heard.
    Ustaw(p.przed, p.wybor);
    SoundOn = false;
    KlawiszeSpec(p.key, 0, 0);
    EXPECT_EQ(p.po, Stan);
    EXPECT_EQ(p.wyborPo, WyborMenu);
    EXPECT_TRUE(fake::dzwieki.empty());
}

INSTANTIATE_TEST_SUITE_P(Tabela, KlawiszeSpecjalne, ::testing::Values(
    Specjalny{Intro, 1, KLAWISZ_DOL, Menu, 2, {WYBOR, KLIK}},   // opens the menu and moves on
    Specjalny{Intro, 1, KLAWISZ_GORA, Menu, 1, {WYBOR}},
    Specjalny{Intro, 1, KLAWISZ_PGUP, Menu, 1, {WYBOR}},
    Specjalny{Intro, 1, 1, Menu, 1, {WYBOR}},                  // any special key, F1 too
    Specjalny{Menu, 1, KLAWISZ_DOL, Menu, 2, {KLIK}},
    Specjalny{Menu, 2, KLAWISZ_DOL, Menu, 2, {}},              // stops, no click
    Specjalny{Menu, 2, KLAWISZ_GORA, Menu, 1, {KLIK}},
    Specjalny{Menu, 1, KLAWISZ_GORA, Menu, 1, {}},
    Specjalny{MenuGra, 1, KLAWISZ_DOL, MenuGra, 2, {KLIK}},
    Specjalny{MenuGra, 2, KLAWISZ_GORA, MenuGra, 1, {KLIK}},
    Specjalny{Menu, 1, KLAWISZ_LEWO, Menu, 1, {}},
    Specjalny{Gra, 1, KLAWISZ_DOL, Gra, 1, {}},
    Specjalny{NextPlanszaTemp, 1, KLAWISZ_DOL, NextPlanszaTemp, 1, {}},   // only character keys
    Specjalny{KoniecTemp, 1, KLAWISZ_GORA, KoniecTemp, 1, {}}));           // leave these two

TEST_F(Klawiatura, StrzalkiUstawiajaZyczenieWKazdymStanie)
{
    struct {
        int key;
        int32_t x, z;
    } const strzalki[] = {{KLAWISZ_LEWO, 1, 0}, {KLAWISZ_GORA, 0, 1}, {KLAWISZ_PRAWO, -1, 0},
                          {KLAWISZ_DOL, 0, -1}};
    for (StanProgramu s : WSZYSTKIE_STANY) {
        for (const auto& k : strzalki) {
            SCOPED_TRACE("key " + std::to_string(k.key) + " in state " + std::to_string(s));
            Ustaw(s);
            Zorbit.ChcianyKierX = Zorbit.ChcianyKierZ = 7;
            KlawiszeSpec(k.key, 0, 0);
            EXPECT_EQ(k.x, Zorbit.ChcianyKierX);
            EXPECT_EQ(k.z, Zorbit.ChcianyKierZ);
        }
        // Keys without a meaning leave the wish and the camera alone.
        Ustaw(s);
        Zorbit.ChcianyKierX = Zorbit.ChcianyKierZ = 7;
        for (int inny : {1, 99, 106, 112})
            KlawiszeSpec(inny, 0, 0);
        EXPECT_EQ(7, Zorbit.ChcianyKierX);
        EXPECT_EQ(7, Zorbit.ChcianyKierZ);
        EXPECT_EQ(9u, KamY);
    }
}

TEST_F(Klawiatura, KameraMiedzy8A18)
{
    for (StanProgramu s : {Gra, Menu, KoniecTemp}) {
        SCOPED_TRACE(s);
        Ustaw(s);
        KamY = 9;
        std::vector<uint32_t> wysokosci;
        for (int i = 0; i < 11; ++i) {
            KlawiszeSpec(KLAWISZ_PGUP, 0, 0);
            wysokosci.push_back(KamY);
        }
        EXPECT_EQ((std::vector<uint32_t>{10, 11, 12, 13, 14, 15, 16, 17, 18, 18, 18}), wysokosci);
        for (int i = 0; i < 12; ++i)
            KlawiszeSpec(KLAWISZ_PGDN, 0, 0);
        EXPECT_EQ(8u, KamY);
        KlawiszeSpec(KLAWISZ_PGUP, 0, 0);
        EXPECT_EQ(9u, KamY);
    }
}

// The menu in the middle of a game keeps the wish of the arrows pressed in it, and Esc
// brings the same game back; entry 1 starts from level 1 with a clean player.
TEST_F(Klawiatura, MenuWGrzeWznawiaTylkoEsc)
{
    Klawisze('x', 0, 0);
    Klawisze(ENTER, 0, 0);
    Klawisze('x', 0, 0);
    ASSERT_EQ(Gra, Stan);
    Punkty = 42;
    Klawisze(ESC, 0, 0);
    KlawiszeSpec(KLAWISZ_DOL, 0, 0);
    KlawiszeSpec(KLAWISZ_GORA, 0, 0);
    Klawisze(ESC, 0, 0);
    EXPECT_EQ(Gra, Stan);
    EXPECT_EQ(42u, Punkty);
    EXPECT_EQ(1u, WyborMenu);
    EXPECT_EQ(1, Zorbit.ChcianyKierZ);

    Klawisze(ESC, 0, 0);
    Klawisze(ENTER, 0, 0);
    EXPECT_EQ(NextPlanszaTemp, Stan);
    EXPECT_EQ(0u, Punkty);
    EXPECT_EQ(0, Zorbit.ChcianyKierZ);
    EXPECT_EQ(2u, IleJedzenia);
}

// A lost game, then one key on the end screen. freeglut draws before its next idle call,
// so the player's drawing may see the caught flag once more before Inicjalizuj clears it;
// either order has to reach the title with a fresh game.
class PowrotPoPrzegranej : public Klawiatura, public ::testing::WithParamInterface<bool> {};

TEST_P(PowrotPoPrzegranej, JedenKlawiszDoIntro)
{
    const bool najpierwRysunek = GetParam();
    Klawisze('x', 0, 0);
    Klawisze(ENTER, 0, 0);
    Klawisze('x', 0, 0);
    ASSERT_EQ(Gra, Stan);
    Punkty = 120;
    Zorbit.Zycia = 1;
    Zorbit.Zlapany = true;
    Zorbit.FazaZlapania = 5.0f;   // the caught animation ends on the next drawn frame
    Opoznienie = 16;
    Zorbit.AnimujZlapanie();
    ASSERT_EQ(KoniecTemp, Stan) << "the end of the caught animation did not end the game";
    Zorbit.AnimujZlapanie();   // the end screen keeps being drawn
    EXPECT_EQ(KoniecTemp, Stan);
    EXPECT_EQ(0, Zorbit.Zycia);

    Klawisze('x', 0, 0);
    fake::czas = 5000;
    if (najpierwRysunek) {
        Zorbit.AnimujZlapanie();
        IdleStep();
    } else {
        IdleStep();
        Zorbit.AnimujZlapanie();
    }
    Zorbit.AnimujZlapanie();   // and the frames after
    IdleStep();

    EXPECT_EQ(Intro, Stan);
    EXPECT_EQ(3, Zorbit.Zycia);
    EXPECT_FALSE(Zorbit.Zlapany);
    EXPECT_EQ(0u, Punkty);
    EXPECT_EQ(0, Mapa.LicznikPliku);
    EXPECT_EQ("data/mapy/intro.map", Mapa.NazwaPliku);
    EXPECT_EQ(KOD_START_ZORBITA, Tablica[0][2]);   // the intro board is back
}

INSTANTIATE_TEST_SUITE_P(ObieKolejnosci, PowrotPoPrzegranej, ::testing::Bool(),
    [](const ::testing::TestParamInfo<bool>& i) {
        return i.param ? "RysunekPrzedKrokiem" : "KrokPrzedRysunkiem";
    });

} // namespace
