// The command line: our options are taken out, GLUT's stay in argv in their order.
#include "shell/opcje.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Wynik {
    Opcje opcje;
    std::vector<std::string> glut;   // what is left for glutInit, the program name first
};

Wynik Czytaj(std::vector<std::string> slowa)
{
    slowa.insert(slowa.begin(), "zorbit3d");
    std::vector<char*> argv;
    for (std::string& s : slowa)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(slowa.size());
    Wynik w{CzytajOpcje(argc, argv.data()), {}};
    for (int i = 0; i < argc; ++i)
        w.glut.emplace_back(argv[i]);
    EXPECT_EQ(argv[argc], nullptr);
    return w;
}

using Slowa = std::vector<std::string>;

TEST(Opcje, BezOpcjiPytaINicNieZabiera)
{
    const Wynik w = Czytaj({"-display", ":3", "-geometry", "320x200+5+5"});
    EXPECT_EQ(w.opcje.Tryb, TrybOkna::Zapytaj);
    EXPECT_TRUE(w.opcje.Blad.empty());
    EXPECT_FALSE(w.opcje.Pomoc || w.opcje.Wersja || w.opcje.Zrzut);
    EXPECT_EQ(w.glut, (Slowa{"zorbit3d", "-display", ":3", "-geometry", "320x200+5+5"}));
}

TEST(Opcje, NaszeWychodzaZArgv)
{
    const Wynik w = Czytaj({"-display", ":3", "--fullscreen", "--replay", "a.demo", "--dump", "-iconic"});
    EXPECT_EQ(w.opcje.Tryb, TrybOkna::PelnyEkran);
    EXPECT_EQ(w.opcje.Odtworz, "a.demo");
    EXPECT_TRUE(w.opcje.Zrzut);
    EXPECT_TRUE(w.opcje.Blad.empty());
    EXPECT_EQ(w.glut, (Slowa{"zorbit3d", "-display", ":3", "-iconic"}));
}

TEST(Opcje, OstatniTrybWygrywaAPlikMozeStacPoZnakuRownosci)
{
    const Wynik w = Czytaj({"--fullscreen", "--window", "--record=gra.demo"});
    EXPECT_EQ(w.opcje.Tryb, TrybOkna::Okno);
    EXPECT_EQ(w.opcje.Nagraj, "gra.demo");
}

TEST(Opcje, ZleLinieMowiaCoNieTak)
{
    const struct {
        Slowa slowa;
        const char* blad;
    } przypadki[] = {
        {{"--windowed"}, "unknown option --windowed"},
        {{"--help", "--bogus"}, "unknown option --bogus"},
        {{"--record"}, "option --record needs a file name"},
        {{"--replay="}, "option --replay needs a file name"},
        {{"--dump"}, "--dump goes with --replay"},
        {{"--record", "a", "--replay", "b"}, "--record and --replay cannot go together"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.slowa.front());
        EXPECT_EQ(Czytaj(p.slowa).opcje.Blad, p.blad);
    }
}

// The game may change into its data directory later: a demo's name must not depend on where it is.
TEST(Opcje, PlikiDemaZPelnaSciezka)
{
    Opcje o = Czytaj({"--record", "gra.demo"}).opcje;
    UstalSciezkiDema(o);
    EXPECT_EQ(o.Nagraj, (std::filesystem::current_path() / "gra.demo").string());
    EXPECT_EQ(o.Odtworz, "");

    o = Czytaj({"--replay=/tmp/x/a.demo"}).opcje;
    UstalSciezkiDema(o);
    EXPECT_EQ(o.Odtworz, "/tmp/x/a.demo");
    EXPECT_EQ(o.Nagraj, "");
}

TEST(Opcje, UzycieIWersja)
{
    std::ostringstream uzycie, wersja;
    DrukujUzycie(uzycie);
    DrukujWersje(wersja);
    for (const char* opcja : {"--window", "--fullscreen", "--record FILE", "--replay FILE", "--dump", "--help",
                              "--version", "-display"})
        EXPECT_NE(uzycie.str().find(opcja), std::string::npos) << opcja;
    EXPECT_EQ(wersja.str(), std::string("Zorbit3D ") + ZORBIT_WERSJA_TESTU + "\n");
}

} // namespace
