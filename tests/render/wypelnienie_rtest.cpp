// The drawing savings change no pixel: frames of the full board with the game's own pictures,
// drawn with every saving off, with each one alone and with all of them, read back and
// compared exactly. The views are the ones that stress them: the start corner, the middle
// among ghosts at every camera height, the see-through player, the bonus sphere shrunk to a
// point and inside out, the caught animation above and under the floor, the intro and menus.
#include "plansza_pelna.h"

#include "support/gl_kontekst.h"

#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "render/ekran.h"
#include "render/tekstury.h"
#include "render/wypelnienie.h"
#include "shell/stale.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace {

struct Widok {
    const char* nazwa;
    void (*ustaw)();
};

void Gracz(float x, float z)
{
    Zorbit.PozX = x;
    Zorbit.PozZ = z;
}

const Widok WIDOKI[] = {
    {"start corner", [] {}},
    {"middle among ghosts", [] { Gracz(13.5f, 13.5f); }},
    {"middle, camera lowest", [] { Gracz(13.5f, 13.5f); KamY = 8; }},
    {"middle, camera highest", [] { Gracz(13.5f, 13.5f); KamY = 18; }},
    {"far corner, frame rate shown", [] { Gracz(23.5f, 23.5f); Klatki = true; }},
    {"see-through player", [] { Gracz(11.5f, 13.5f); Przezroczysty = true; BonusCzas = 5; }},
    {"see-through player, last second", [] { Gracz(11.5f, 13.5f); Przezroczysty = true; BonusCzas = 0; }},
    {"bonus sphere shrunk to a point", [] { Gracz(5.5f, 5.5f); Mapa.FazaBonusu = 3.446286f; }},
    {"bonus sphere inside out", [] { Gracz(5.5f, 5.5f); Mapa.FazaBonusu = 4.2f; }},
    {"caught, rising", [] { Gracz(9.5f, 7.5f); Zorbit.Zlapany = true; Zorbit.FazaZlapania = 1.2f; Zorbit.ObrotZlapania = 40.0f; }},
    {"caught, under the floor", [] { Gracz(9.5f, 7.5f); Zorbit.Zlapany = true; Zorbit.FazaZlapania = 4.3f; Zorbit.ObrotZlapania = 300.0f; }},
    {"intro camera", [] { Stan = Intro; }},
    {"menu", [] { Stan = Menu; }},
    {"in-game menu", [] { Gracz(13.5f, 13.5f); Stan = MenuGra; }},
};

const struct {
    const char* nazwa;
    OszczedzanieWypelnienia o;
} OSZCZEDNOSCI[] = {
    {"culling alone", {true, false, false, false}},
    {"floor last alone", {false, true, false, false}},
    {"walls front to back alone", {false, false, true, false}},
    {"kind by kind alone", {false, false, false, true}},
    {"all, as the game draws", {}},
};

class Wypelnianie : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::filesystem::current_path(ZORBIT_ZRODLO);  // the game's pictures in data/gfx
        ASSERT_TRUE(UtworzKontekstGL(640, 480));
        PrzygotujGrafike();
        glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    }

    void TearDown() override { Wypelnienie = {}; }

    // The view's frame at w x h with these savings, read back whole.
    static std::vector<uint8_t> Klatka(const Widok& widok, int w, int h, OszczedzanieWypelnienia o)
    {
        NowaGraNaPelnejPlanszy();
        KamY = 9;
        Klatki = false;
        Opoznienie = 0;  // the frame's animations stand still: every drawing of a view is the same
        Mapa.KatObrotu = 37;
        Mapa.FazaBonusu = 0.0f;
        widok.ustaw();
        Wypelnienie = o;
        EXPECT_TRUE(UtworzKontekstGL(w, h));
        ZmianaRozmiaru(w, h);
        Wyswietlaj();
        EXPECT_FALSE(glIsEnabled(GL_CULL_FACE)) << "culling left on after the frame";
        std::vector<uint8_t> rgba(size_t(w) * h * 4);
        glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    static void Porownaj(int w, int h)
    {
        ASSERT_NE(texture[TEKSTURA_PODLOGI], 0u) << "the game's pictures were not found";
        for (const Widok& widok : WIDOKI) {
            const std::vector<uint8_t> wzor = Klatka(widok, w, h, {false, false, false, false});
            for (const auto& s : OSZCZEDNOSCI) {
                SCOPED_TRACE(::testing::Message() << widok.nazwa << ", " << s.nazwa << ", " << w << "x" << h);
                const std::vector<uint8_t> k = Klatka(widok, w, h, s.o);
                size_t rozne = 0, pierwszy = 0;
                for (size_t i = 0; i < k.size(); i += 4)
                    if (k[i] != wzor[i] || k[i + 1] != wzor[i + 1] || k[i + 2] != wzor[i + 2])
                        pierwszy = rozne++ ? pierwszy : i / 4;
                EXPECT_EQ(rozne, 0u) << "first at (" << pierwszy % w << ", " << pierwszy / w << ")";
            }
        }
    }
};

TEST_F(Wypelnianie, KazdaOszczednoscDajeTeSamePikseleMalyEkran)
{
    Porownaj(640, 480);
}

TEST_F(Wypelnianie, KazdaOszczednoscDajeTeSamePikseleDuzyEkran)
{
    Porownaj(1280, 960);
}

} // namespace
