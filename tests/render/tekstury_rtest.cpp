// The start-up textures in a real GL context: slots in load order with a picture
// missing, the parameters and environment read back, and the pixels as uploaded.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "render/tekstury.h"
#include "support/bmp_budowa.h"
#include "support/gl_kontekst.h"
#include "support/katalog_gry.h"
#include "support/platform_fake.h"

using namespace bmp_test;

namespace {

const Wiersze Kratka = {{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}};

Bajty Obraz24(const Wiersze& wiersze)
{
    Plik p;
    p.szerokosc = int32_t(wiersze[0].size());
    p.wysokosc = int32_t(wiersze.size());
    p.piksele = Uloz(24, wiersze);
    return Zbuduj(p);
}

class Tekstury : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UtworzKontekstGL(16, 16));
        std::filesystem::create_directories("data/gfx");
        std::fill(std::begin(texture), std::end(texture), 0u);
        IndeksTekstury = 0;
        fake::Wyczysc();
    }

    KatalogGry katalog_;   // the working directory for the test; changes back at the end
};

GLint Parametr(GLenum nazwa)
{
    GLint wartosc = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, nazwa, &wartosc);
    return wartosc;
}

} // namespace

// Ten pictures and no duch.bmp: slot 3 stays empty, tekstura3 still lands in slot 4.
TEST_F(Tekstury, BrakDuchaZostawiaPustySlotTrzeci)
{
    const char* const pliki[] = {"tekstura0", "tekstura1", "tekstura2", "tekstura3", "zorbit",
                                 "mur", "font", "nowagra", "wyjscie", "koniec"};
    for (const char* nazwa : pliki) {
        const bool czwarty = std::string(nazwa) == "tekstura3";
        ZapiszPlik(std::string("data/gfx/") + nazwa + ".bmp",
                   Obraz24(czwarty ? Kratka : Wiersze{{0x808080, 0x808080, 0x101010}}));
    }
    WczytajTekstury();

    EXPECT_EQ(IndeksTekstury, uint32_t(ILE_TEKSTUR));
    EXPECT_EQ(texture[TEKSTURA_DUCHA], 0u);
    std::set<uint32_t> nazwy;
    for (uint32_t i = 0; i < ILE_TEKSTUR; ++i)
        if (i != TEKSTURA_DUCHA) {
            EXPECT_TRUE(glIsTexture(texture[i])) << "slot " << i;
            nazwy.insert(texture[i]);
        }
    EXPECT_EQ(nazwy.size(), size_t(ILE_TEKSTUR - 1));
    EXPECT_TRUE(fake::bledy.empty()) << "a missing picture is silent";

    glBindTexture(GL_TEXTURE_2D, texture[TEKSTURA_BONUSU]);
    EXPECT_EQ(Parametr(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(Parametr(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(Parametr(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(Parametr(GL_TEXTURE_WRAP_T), GL_REPEAT);
    GLint tryb = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &tryb);
    EXPECT_EQ(tryb, GL_MODULATE);

    // Rows of 6 bytes: read with GL's default 4-byte alignment they would come out wrong.
    Bajty poziom0(2 * 2 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, poziom0.data());
    EXPECT_EQ(poziom0, Rgb(Kratka));
    GLint szerokosc1 = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &szerokosc1);
    EXPECT_EQ(szerokosc1, 1) << "the mipmap chain is built";
}

// A broken picture says why, keeps its slot empty, and the next file keeps its own slot.
TEST_F(Tekstury, ZepsutyPlikZostawiaSlotIIdzieDalej)
{
    Plik zly;
    zly.rozmiarNaglowka = 108;
    zly.szerokosc = 1, zly.wysokosc = 1, zly.piksele = {1, 2, 3, 0};
    ZapiszPlik("data/gfx/zly.bmp", Zbuduj(zly));
    ZapiszPlik("data/gfx/dobry.bmp", Obraz24(Kratka));

    EXPECT_EQ(LoadGLTextures("data/gfx/zly.bmp"), 0);
    EXPECT_EQ(LoadGLTextures("data/gfx/dobry.bmp"), 1);
    EXPECT_EQ(texture[TEKSTURA_PODLOGI], 0u);
    EXPECT_NE(texture[TEKSTURA_SCIANY], 0u);
    EXPECT_EQ(IndeksTekstury, 2u);
    EXPECT_EQ(fake::bledy, std::vector<std::string>{"Unknown DIB file format."});
}

// More calls than slots: nothing is written past the table, the count still moves on.
TEST_F(Tekstury, WywolaniePoOstatnimSlocie)
{
    ZapiszPlik("data/gfx/dobry.bmp", Obraz24(Kratka));
    IndeksTekstury = ILE_TEKSTUR;
    EXPECT_EQ(LoadGLTextures("data/gfx/dobry.bmp"), 0);
    EXPECT_EQ(IndeksTekstury, uint32_t(ILE_TEKSTUR + 1));
}
