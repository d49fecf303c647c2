// Recording and replaying on the fake platform: a recorded game replays to the same game,
// second by second; the recorder writes the callbacks in the order they ran; a demo that does
// not belong to these level files or to this game is refused or stopped.
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "platform/losowanie.h"
#include "shell/demo.h"
#include "shell/demo_nagrywanie.h"
#include "shell/demo_odtwarzanie.h"
#include "shell/demo_zrzut.h"
#include "shell/klawisze.h"
#include "shell/przebieg.h"
#include "shell/stale.h"
#include "support/demo_gracz.h"
#include "support/katalog_gry.h"
#include "support/platform_fake.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const char* const KORYTARZ[25] = {
    "#########################", "#PB.........G..........G#", "#.###########.###########",
    "#.............G.........#", "#########################", "#########################",
    "#########################", "#########################", "#########################",
    "#########################", "#########################", "#########################",
    "#########################", "#########################", "#########################",
    "#########################", "#########################", "#########################",
    "#########################", "#########################", "#########################",
    "#########################", "#########################", "#########################",
    "#########################",
};

class Demo : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog.ZapiszMape("intro.map", KatalogGry::Plansza(KORYTARZ));
        katalog.ZapiszMape("1.map", KatalogGry::Plansza(KORYTARZ));
    }

    // A game with all kinds of input: the menus, steering, the bonus, the in-game menu,
    // uneven frames, ghosts deciding once a second. Returns the demo; zrzut gets the dump.
    std::string Zagraj(std::ostringstream& zrzut)
    {
        GraczDemo gra(20240611, &zrzut);
        const int KLAWISZE[] = {KLAWISZ_GORA, KLAWISZ_DOL, KLAWISZ_LEWO, KLAWISZ_PRAWO};
        gra.Przebieg(30);
        gra.Klawisz(13);
        gra.Klawisz(13);
        gra.Przebieg(16);
        gra.Specjalny(KLAWISZ_GORA);
        gra.Klawisz('x');
        for (unsigned k = 0; k < 1500; ++k) {
            if (k % 97 == 0)
                gra.Specjalny(KLAWISZE[k / 97 % 4]);
            if (k == 400 || k == 480)
                gra.Klawisz(27);   // the in-game menu for 80 frames
            if (Stan == KoniecTemp || Stan == NextPlanszaTemp)
                gra.Klawisz(13);
            gra.Przebieg(5 + (k * 37) % 60);
        }
        zrzut << Podsumowanie() << "\n" << LiniaZrzutu(0) << "\n";
        return gra.Zakoncz();
    }

    KatalogGry katalog;
};

TEST_F(Demo, NagranaGraOdtwarzaSieTaSama)
{
    std::ostringstream zagrany;
    const std::string demo = Zagraj(zagrany);
    ASSERT_NE(demo.find("\nt "), std::string::npos);   // timers fired,
    ASSERT_NE(zagrany.str().find(" MenuGra "), std::string::npos);   // the menu was open,
    ASSERT_NE(zagrany.str().find("lives 2"), std::string::npos);     // a ghost caught the player

    // The same game from its file, kept with its levels elsewhere, in a fresh start.
    const fs::path plik = ZachowajGre(demo, katalog.Sciezka() / "kopia");
    fs::current_path(plik.parent_path());
    JakNowyProces();
    ASSERT_EQ(WczytajDemo(plik.filename().string()), "");
    std::ostringstream odtworzony;
    ZacznijOdtwarzanie(false, &odtworzony);
    EXPECT_EQ(OdtworzBezOkna(), 0);
    odtworzony << Podsumowanie() << "\n" << LiniaZrzutu(0) << "\n";
    EXPECT_EQ(odtworzony.str(), zagrany.str());
}

TEST_F(Demo, InnePoziomyInnaWersjaNicNieGraja)
{
    std::ostringstream zrzut;
    const std::string demo = Zagraj(zrzut);
    Stan = KoniecTemp;
    katalog.ZapiszMape("2.map", KatalogGry::Plansza(KORYTARZ));
    EXPECT_EQ(WczytajDemoZTekstu(demo, "a.demo"), "a.demo: recorded with other level files (2.map is new)");
    std::string inna = demo;
    inna.replace(0, std::string("zorbit3d-demo 1").size(), "zorbit3d-demo 9");
    EXPECT_EQ(WczytajDemoZTekstu(inna, "a.demo"), "a.demo: demo format version 9, this game plays version 1");
    EXPECT_EQ(WczytajDemo("brak.demo"), "brak.demo: cannot be read");
    EXPECT_EQ(WczytajDemo("data"), "data: cannot be read");   // a directory, which throws as it is read
    std::ofstream("pusty.demo").close();
    EXPECT_EQ(WczytajDemo("pusty.demo"), "pusty.demo: empty, not a Zorbit3D demo");
    EXPECT_EQ(Stan, KoniecTemp);   // the game is as it was
}

// A timer the game never armed: the demo was made by another build or edited by hand.
TEST_F(Demo, ObcyTimerZatrzymujeOdtwarzanie)
{
    std::ostringstream demo;
    ZapiszNaglowek(demo, {WERSJA_DEMA, PoziomyGry(), 1, 100});
    demo << "d\ni 20\nt 0\nt 0\nd\n";
    JakNowyProces();
    ASSERT_EQ(WczytajDemoZTekstu(demo.str(), "a.demo"), "");
    ZacznijOdtwarzanie(false, nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(OdtworzBezOkna(), 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "zorbit3d: a.demo:7: timer 0 is not armed: the demo is out of step with this game\n");
    EXPECT_EQ(Czas, 120u);   // the demo's clock, not the machine's
}

// Every line comes before its callback runs, so the menu's exit, which leaves inside it, is kept.
TEST_F(Demo, NagranieWKolejnosciWywolan)
{
    std::ostringstream wy;
    JakNowyProces();
    NagrywajDo(&wy);
    Inicjalizuj();
    UruchomZegary();
    fake::PrzesunCzas(1000);   // Timer fires and arms the next as number 1
    NagrywajKlatke();
    NagrywajKlawiszeSpec(KLAWISZ_DOL, 0, 0);   // the title gives way to the menu, entry 2
    fake::PrzesunCzas(40);
    NagrywajIdleStep();
    NagrywajIdleStep();
    fake::PrzesunCzas(1000);
    EXPECT_THROW(NagrywajKlawisze(13, 0, 0), fake::Wyjscie);   // "Wyjscie"
    NagrywajDo(nullptr);
    EXPECT_EQ(wy.str(), "t 0\nd\ns 103\ni 1040\ni 0\nt 1\nk 13\n");
}

// The real platform draws from the same generator (tests/platform/zegar_dema.cpp), so a game
// played on the fake replays in the real program.
TEST_F(Demo, FalszywyLosujePoZiarnieJakPrawdziwy)
{
    fake::Wyczysc();
    fake::losy = {1, 1};
    ZasiejLosowanie(77);
    GeneratorLosow wzor(77);
    EXPECT_EQ(Losuj(), 1);   // the script still comes first
    EXPECT_EQ(Losuj(), 1);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(Losuj(), LosZ(wzor));
}

TEST_F(Demo, NagranieBezPlikuMowiDlaczego)
{
    EXPECT_EQ(OtworzNagranie((katalog.Sciezka() / "nie" / "ma.demo").string()), "No such file or directory");
}

} // namespace
