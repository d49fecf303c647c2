// The real platform as a replay uses it, without a window: the demo's clock, timers fired by
// their numbers, the seeded draws, no redraws and no sound.
#include "platform/dzwiek.h"
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "platform/zegar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Slad;

void Zapamietaj(int wartosc)
{
    Slad.push_back("fn " + std::to_string(wartosc));
}

void Podglad(int numer)
{
    Slad.push_back("timer " + std::to_string(numer));
}

// One test: the demo's clock is for the whole process, and timers are numbered from its start.
TEST(ZegarDema, CzasINumerowaneTimeryZDema)
{
    UstawCzasDema(500);
    EXPECT_EQ(CzasOdStartu(), 500u);
    UstawCzasDema(4294967295u);
    EXPECT_EQ(CzasOdStartu(), 4294967295u);

    PodgladajTimery(Podglad);
    UstawTimer(1000, Zapamietaj, 10);   // number 0
    UstawTimer(1000, Zapamietaj, 11);   // 1
    UstawTimer(5, Zapamietaj, 12);      // 2: its delay means nothing to a replay
    EXPECT_TRUE(OdpalTimer(1));
    EXPECT_FALSE(OdpalTimer(1));        // fired once only
    EXPECT_FALSE(OdpalTimer(3));        // never armed
    EXPECT_TRUE(OdpalTimer(2));
    PodgladajTimery(nullptr);
    EXPECT_TRUE(OdpalTimer(0));
    EXPECT_EQ(Slad, (std::vector<std::string>{"timer 1", "fn 11", "timer 2", "fn 12", "fn 10"}));
}

// The fake platform draws from the same generator, so a game recorded on it replays here.
TEST(ZegarDema, LosowanieZZiarnaJakGenerator)
{
    for (unsigned ziarno : {0u, 1u, 1712345678u}) {
        ZasiejLosowanie(ziarno);
        GeneratorLosow wzor(ziarno);
        for (int i = 0; i < 100; ++i) {
            const int los = Losuj();
            EXPECT_GE(los, 0);
            EXPECT_EQ(los, LosZ(wzor));
        }
    }
}

TEST(ZegarDema, BezOknaIDzwieku)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string dzwiek = std::string(ZORBIT_ZRODLO) + "/data/sfx/menu1.wav";
    ASSERT_TRUE(PlaySoundA(dzwiek.c_str(), nullptr, SND_ASYNC));   // the dummy driver plays it
    BezDzwieku();
    EXPECT_FALSE(PlaySoundA(dzwiek.c_str(), nullptr, SND_ASYNC));
    BezOkna();
    ZadajPrzerysowania();   // without glutInit GLUT would have ended the program here
}

} // namespace
