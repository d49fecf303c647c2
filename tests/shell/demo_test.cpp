// The demo file: what is written reads back the same, runs of an event fold into one line,
// every kind of bad file is refused with the line at fault, and the level files are summed.
#include "shell/demo.h"
#include "support/katalog_gry.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using R = RodzajZdarzenia;

std::vector<Zdarzenie> CzytajWszystko(CzytnikDema& c)
{
    std::vector<Zdarzenie> z;
    Zdarzenie e{};
    while (c.Nastepne(e))
        z.push_back(e);
    return z;
}

constexpr const char* NAGLOWEK = "zorbit3d-demo 1 crc32 intro.map=- 1.map=0000abcd\nseed 7\nstart 250\n";

TEST(Demo, ZapisanyCzytaSieTakSamoAPowtorzeniaIdaJednaLinia)
{
    const NaglowekDema n{WERSJA_DEMA, {{"intro.map", false, 0}, {"1.map", true, 0xcbf43926}}, 4000000000u, 231};
    const std::vector<Zdarzenie> zdarzenia = {
        {R::Obraz, 0},  {R::Krok, 0},       {R::Krok, 0},      {R::Krok, 0},  {R::Klawisz, 13},
        {R::Klawisz, 13}, {R::Specjalny, 101}, {R::Timer, 0}, {R::Obraz, 0}, {R::Krok, 4294967295u},
    };
    std::ostringstream wy;
    ZapiszNaglowek(wy, n);
    ZapisDema zapis(wy);
    for (const Zdarzenie& z : zdarzenia)
        zapis.Dopisz(z);
    zapis.Dokoncz();
    EXPECT_EQ(wy.str(),
              "zorbit3d-demo 1 crc32 intro.map=- 1.map=cbf43926\nseed 4000000000\nstart 231\n"
              "d\ni 0 x3\nk 13 x2\ns 101\nt 0\nd\ni 4294967295\n");

    const std::string tekst = wy.str();
    CzytnikDema c(tekst, "a.demo");
    NaglowekDema przeczytany;
    ASSERT_TRUE(c.Naglowek(przeczytany)) << c.Blad();
    EXPECT_EQ(przeczytany.Poziomy, n.Poziomy);
    EXPECT_EQ(przeczytany.Ziarno, n.Ziarno);
    EXPECT_EQ(przeczytany.Start, n.Start);
    EXPECT_EQ(CzytajWszystko(c), zdarzenia);
    EXPECT_EQ(c.Blad(), "");
}

TEST(Demo, DlugiCiagDzieliSieNaLinie)
{
    std::ostringstream wy;
    ZapisDema zapis(wy);
    for (uint32_t i = 0; i < NAJDLUZSZY_CIAG + 2; ++i)
        zapis.Dopisz({R::Krok, 0});
    zapis.Dokoncz();
    EXPECT_EQ(wy.str(), "i 0 x" + std::to_string(NAJDLUZSZY_CIAG) + "\ni 0 x2\n");
}

TEST(Demo, WindowsoweKonceLiniiIBrakOstatniegoNieSzkodza)
{
    const std::string tekst = "zorbit3d-demo 1 crc32 intro.map=-\r\nseed 1\r\nstart 0\r\nk 27\r\nd";
    CzytnikDema c(tekst, "a.demo");
    NaglowekDema n;
    ASSERT_TRUE(c.Naglowek(n)) << c.Blad();
    EXPECT_EQ(CzytajWszystko(c), (std::vector<Zdarzenie>{{R::Klawisz, 27}, {R::Obraz, 0}}));
    EXPECT_EQ(c.Blad(), "");
}

// Each bad file gives one line: the file, the line at fault and what is wrong with it.
TEST(Demo, ZlePlikiMowiaCoIGdzie)
{
    const struct {
        std::string tekst;
        const char* blad;
    } przypadki[] = {
        {"", "a.demo: empty, not a Zorbit3D demo"},
        {"\x89PNG\r\n", "a.demo:1: not a Zorbit3D demo"},
        {"zorbit3d-demo 2 sha1 whatever\n", "a.demo: demo format version 2, this game plays version 1"},
        {"zorbit3d-demo 1 md5\n", "a.demo:1: level checksums \"crc32\" expected"},
        {"zorbit3d-demo 1 crc32 1.map=12345\n", "a.demo:1: cannot read the level file \"1.map=12345\""},
        {"zorbit3d-demo 1 crc32 =-\n", "a.demo:1: cannot read the level file \"=-\""},
        {"zorbit3d-demo 1 crc32\nseed 1\n", "a.demo:2: the header ends early"},
        {"zorbit3d-demo 1 crc32\nstart 1\nseed 1\n", "a.demo:2: \"seed NUMBER\" expected, not \"start 1\""},
        {"zorbit3d-demo 1 crc32\nseed -1\n", "a.demo:2: \"seed NUMBER\" expected, not \"seed -1\""},
        {std::string(NAGLOWEK) + "k 256\n", "a.demo:4: cannot read the event \"k 256\""},
        {std::string(NAGLOWEK) + "d\nx 5\n", "a.demo:5: cannot read the event \"x 5\""},
        {std::string(NAGLOWEK) + "d 3\n", "a.demo:4: cannot read the event \"d 3\""},
        {std::string(NAGLOWEK) + "i\n", "a.demo:4: cannot read the event \"i\""},
        {std::string(NAGLOWEK) + "i 4294967296\n", "a.demo:4: cannot read the event \"i 4294967296\""},
        {std::string(NAGLOWEK) + "t 2147483648\n", "a.demo:4: cannot read the event \"t 2147483648\""},
        {std::string(NAGLOWEK) + "i 5 x1\n", "a.demo:4: cannot read the event \"i 5 x1\""},
        {std::string(NAGLOWEK) + "i 5 x\n", "a.demo:4: cannot read the event \"i 5 x\""},
        {std::string(NAGLOWEK) + "i 5 x2 x2\n", "a.demo:4: cannot read the event \"i 5 x2 x2\""},
        {std::string(NAGLOWEK) + "i 0 x100001\n", "a.demo:4: cannot read the event \"i 0 x100001\""},
        {std::string(NAGLOWEK) + "\n", "a.demo:4: cannot read the event \"\""},
        {std::string(NAGLOWEK) + "k\x01\xff" + std::string(60, 'z') + "\n",
         "a.demo:4: cannot read the event \"k??zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz...\""},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.tekst);
        CzytnikDema c(p.tekst, "a.demo");
        NaglowekDema n;
        if (c.Naglowek(n))
            CzytajWszystko(c);
        EXPECT_EQ(c.Blad(), p.blad);
    }
}

TEST(Demo, Crc32JakZlib)
{
    EXPECT_EQ(Crc32("123456789", 9), 0xcbf43926u);
    EXPECT_EQ(Crc32("", 0), 0u);
    EXPECT_EQ(Crc32("6789", 4, Crc32("12345", 5)), 0xcbf43926u);   // in pieces as in one
}

// The game reads the intro and the numbered levels up to the first gap; nothing past it counts.
TEST(Demo, PoziomyDoPierwszejLuki)
{
    KatalogGry katalog;
    katalog.ZapiszMape("1.map", "123456789");
    katalog.ZapiszMape("2.map", "");
    katalog.ZapiszMape("4.map", "past the gap");
    katalog.ZapiszMape("inny.map", "not a level");
    const std::vector<PlikPoziomu> bez = PoziomyGry();
    EXPECT_EQ(bez, (std::vector<PlikPoziomu>{{"intro.map", false, 0}, {"1.map", true, 0xcbf43926}, {"2.map", true, 0}}));

    katalog.ZapiszMape("intro.map", "x");
    EXPECT_EQ(PoziomyGry().front().Jest, true);
}

TEST(Demo, RoznicaPoziomowMowiKtory)
{
    const std::vector<PlikPoziomu> demo = {{"intro.map", true, 1}, {"1.map", true, 2}, {"2.map", true, 3}};
    const struct {
        std::vector<PlikPoziomu> tutaj;
        const char* roznica;
    } przypadki[] = {
        {demo, ""},
        {{{"intro.map", true, 1}, {"1.map", true, 9}, {"2.map", true, 3}}, "1.map differs"},
        {{{"intro.map", true, 1}, {"1.map", true, 2}}, "2.map is missing"},
        {{{"intro.map", false, 0}, {"1.map", true, 2}, {"2.map", true, 3}}, "intro.map is missing"},
        {{{"intro.map", true, 1}, {"1.map", true, 2}, {"2.map", true, 3}, {"3.map", true, 4}}, "3.map is new"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(RoznicaPoziomow(demo, p.tutaj), p.roznica);
    EXPECT_EQ(RoznicaPoziomow({{"intro.map", false, 0}}, {{"intro.map", true, 5}}), "intro.map is new");
}

} // namespace
