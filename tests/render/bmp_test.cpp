// The BMP reader: every layout decoded pixel by pixel against the picture it encodes,
// and broken files each refused with its message, never read past their end.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "render/obraz.h"
#include "support/bmp_budowa.h"
#include "support/platform_fake.h"

using namespace bmp_test;

namespace {

const std::string Fiksy = std::string(ZORBIT_ZRODLO) + "/tests/render/bmp/";

// The picture's colours by index, for the hand-built palette cases.
std::vector<uint32_t> Szarosci(int ile)
{
    std::vector<uint32_t> paleta;
    for (int i = 0; i < ile; ++i)
        paleta.push_back(uint32_t(i) * 0x111111u);
    return paleta;
}

Wiersze Kolory(const Wiersze& indeksy, const std::vector<uint32_t>& paleta)
{
    Wiersze wynik = indeksy;
    for (auto& w : wynik)
        for (auto& k : w)
            k = paleta[k];
    return wynik;
}

Plik RleStrumien(uint32_t kompresja, int32_t szer, int32_t wys, int kolory, Bajty strumien)
{
    Plik p;
    p.szerokosc = szer;
    p.wysokosc = wys;
    p.bity = kompresja == 2 ? 4 : 8;
    p.kompresja = kompresja;
    p.koloryUzyte = uint32_t(kolory);
    p.paleta = Szarosci(kolory);
    p.piksele = std::move(strumien);
    return p;
}

struct Przypadek {
    const char* nazwa;
    Bajty plik;
    Bajty oczekiwane;   // RGB bottom row first
    int szerokosc;
    int wysokosc;
};

void SprawdzObraz(const Przypadek& c)
{
    SCOPED_TRACE(c.nazwa);
    fake::Wyczysc();
    auto obraz = ReadDIBMemory(c.plik.data(), c.plik.size());
    ASSERT_TRUE(obraz) << (fake::bledy.empty() ? "" : fake::bledy[0]);
    EXPECT_EQ(obraz->width, c.szerokosc);
    EXPECT_EQ(obraz->height, c.wysokosc);
    EXPECT_EQ(obraz->pixels, c.oczekiwane);
    EXPECT_TRUE(fake::bledy.empty());
}

std::string Blad(const Bajty& plik)
{
    fake::Wyczysc();
    auto obraz = ReadDIBMemory(plik.data(), plik.size());
    EXPECT_FALSE(obraz);
    EXPECT_EQ(fake::bledy.size(), 1u);
    return fake::bledy.empty() ? "" : fake::bledy[0];
}

const char* const Konwersja = "Image file conversion error.";
const char* const Nieznany = "Unknown DIB file format.";
const char* const Pamiec = "Out of memory.";

// Runs cialo in a child whose address space may grow by at most zapas bytes; true when it
// returned true there. A reader that allocates more than that gets "Out of memory.".
bool WGranicyPamieci(size_t zapas, const std::function<bool()>& cialo)
{
    const pid_t pid = fork();
    if (pid == 0) {
        long strony = 0;
        std::ifstream("/proc/self/statm") >> strony;
        const rlim_t granica = rlim_t(strony) * rlim_t(sysconf(_SC_PAGESIZE)) + zapas;
        const rlimit r{granica, granica};
        _exit(setrlimit(RLIMIT_AS, &r) == 0 && cialo() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// Written by ImageMagick (tests/render/bmp/zrob.sh), compared with the PPM it came from.
TEST(BmpCzytnik, PlikiImageMagickaDajaSwojObraz)
{
    const struct {
        const char* bmp;
        const char* wzor;
    } pliki[] = {
        {"im_24.bmp", "obraz.ppm"},       {"im_24_rdzen.bmp", "obraz.ppm"},
        {"im_4.bmp", "obraz.ppm"},        {"im_8.bmp", "paski.ppm"},
        {"im_8_rdzen.bmp", "paski.ppm"},  {"im_rle8.bmp", "paski.ppm"},
        {"im_1.bmp", "czb.pbm"},
    };
    for (const auto& p : pliki) {
        SCOPED_TRACE(p.bmp);
        const Wzor wzor = CzytajWzor(Fiksy + p.wzor);
        ASSERT_FALSE(wzor.rgb.empty());
        fake::Wyczysc();
        auto obraz = LoadBMP((Fiksy + p.bmp).c_str());
        ASSERT_TRUE(obraz) << (fake::bledy.empty() ? "" : fake::bledy[0]);
        EXPECT_EQ(obraz->width, wzor.szerokosc);
        EXPECT_EQ(obraz->height, wzor.wysokosc);
        EXPECT_EQ(obraz->pixels, wzor.rgb);
        EXPECT_TRUE(fake::bledy.empty());
    }
}

// Width 5: the file's rows are 16 bytes (one of padding), ours 15 back to back,
// and the first three bytes are the bottom-left pixel's red, green, blue.
TEST(BmpCzytnik, WierszeBezPrzerwOdLewegoDolnegoPiksela)
{
    auto obraz = LoadBMP((Fiksy + "im_24.bmp").c_str());
    ASSERT_TRUE(obraz);
    ASSERT_EQ(obraz->pixels.size(), 5u * 3 * 3);
    const Bajty poczatek(obraz->pixels.begin(), obraz->pixels.begin() + 3);
    const Bajty drugiWiersz(obraz->pixels.begin() + 15, obraz->pixels.begin() + 18);
    EXPECT_EQ(poczatek, (Bajty{0, 0, 132}));
    EXPECT_EQ(drugiWiersz, (Bajty{0, 255, 255}));
}

// What ImageMagick does not write: built here byte by byte.
TEST(BmpCzytnik, UkladyRecznieZbudowane)
{
    std::vector<Przypadek> przypadki;

    {   // Old 12-byte header, bare, 8 bits: the table is 256 three-byte entries.
        Plik p;
        p.rozmiarNaglowka = 12;
        p.naglowekPliku = false;
        p.szerokosc = 5, p.wysokosc = 2, p.bity = 8;
        p.paleta = std::vector<uint32_t>(256, 0);
        p.paleta[1] = 0xFF0000, p.paleta[2] = 0x00FF00, p.paleta[3] = 0x123456;
        const Wiersze indeksy = {{0, 1, 2, 3, 0}, {3, 3, 2, 1, 1}};
        p.piksele = Uloz(8, indeksy);
        przypadki.push_back({"12 bajtow, bez naglowka pliku", Zbuduj(p), Rgb(Kolory(indeksy, p.paleta)), 5, 2});
    }
    {   // Bare 40-byte header with a short table: the pixels follow its three entries.
        Plik p;
        p.naglowekPliku = false;
        p.szerokosc = 5, p.wysokosc = 2, p.bity = 4, p.koloryUzyte = 3;
        p.paleta = {0xABCDEF, 0x00FF00, 0xFF00FF};
        const Wiersze indeksy = {{0, 1, 2, 1, 0}, {2, 2, 0, 0, 1}};
        p.piksele = Uloz(4, indeksy);
        przypadki.push_back({"40 bajtow, bez naglowka pliku, 4 bity", Zbuduj(p), Rgb(Kolory(indeksy, p.paleta)), 5, 2});
    }
    {   // 16 bits without masks: 5-5-5, the top bit ignored.
        Plik p;
        p.szerokosc = 3, p.wysokosc = 2, p.bity = 16;
        p.piksele = Uloz(16, {{31u << 10, 31u << 5, 31u}, {16u << 10 | 8u << 5 | 1u, 0x8000, 0xFFFF}});
        przypadki.push_back({"16 bitow 5-5-5", Zbuduj(p),
                             Rgb({{0xFF0000, 0x00FF00, 0x0000FF}, {0x844208, 0x000000, 0xFFFFFF}}), 3, 2});
    }
    {   // Bare, so the pixels start after the three masks.
        Plik p;
        p.naglowekPliku = false;
        p.szerokosc = 3, p.wysokosc = 1, p.bity = 16, p.kompresja = 3;
        p.maski = {0xF800, 0x07E0, 0x001F};
        p.piksele = Uloz(16, {{0xFFFF, 32u << 5, 1u << 11 | 1u << 5 | 1u}});
        przypadki.push_back({"16 bitow, pola 5-6-5, bez naglowka pliku", Zbuduj(p), Rgb({{0xFFFFFF, 0x008200, 0x080408}}), 3, 1});
    }
    {   // The fourth byte of a 32-bit pixel is not a colour.
        Plik p;
        p.szerokosc = 2, p.wysokosc = 2, p.bity = 32;
        p.piksele = Uloz(32, {{0xFF123456, 0x7F00FF00}, {0x00000001, 0xAAFFFFFF}});
        przypadki.push_back({"32 bity", Zbuduj(p), Rgb({{0x123456, 0x00FF00}, {0x000001, 0xFFFFFF}}), 2, 2});
    }
    {   // Ten bits a channel, blue lowest: scaled to 8 bits, rounded.
        Plik p;
        p.szerokosc = 2, p.wysokosc = 1, p.bity = 32, p.kompresja = 3;
        p.maski = {0x3FF00000, 0x000FFC00, 0x000003FF};
        p.piksele = Uloz(32, {{1023u << 20 | 512u << 10, 1u << 20 | 1023u}});
        przypadki.push_back({"32 bity, pola 10-10-10", Zbuduj(p), Rgb({{0xFF8000, 0x0000FF}}), 2, 1});
    }
    {   // Negative height: rows stored top first, still given bottom row first.
        const Wiersze obraz = {{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x010203},
                               {0x111111, 0x222222, 0x333333, 0x444444, 0x555555},
                               {0xA00000, 0x00A000, 0x0000A0, 0xA0A0A0, 0x0A0B0C}};
        Plik p;
        p.szerokosc = 5, p.wysokosc = -3, p.bity = 24;
        p.piksele = Uloz(24, obraz, true);
        przypadki.push_back({"od gory, 24 bity, szerokosc 5", Zbuduj(p), Rgb(obraz), 5, 3});
    }
    {   // Runs, an absolute run of odd length (padded), a delta, end of line, end of bitmap.
        const Bajty strumien = {0x06, 0x12, 0x00, 0x00,
                                0x00, 0x03, 0x34, 0x50, 0x00, 0x02, 0x02, 0x00, 0x01, 0x70, 0x00, 0x00,
                                0x00, 0x05, 0xAB, 0xCD, 0xE0, 0x00, 0x00, 0x01};
        const Wiersze indeksy = {{10, 11, 12, 13, 14, 0}, {3, 4, 5, 0, 0, 7}, {1, 2, 1, 2, 1, 2}};
        Plik p = RleStrumien(2, 6, 3, 16, strumien);
        przypadki.push_back({"RLE4", Zbuduj(p), Rgb(Kolory(indeksy, p.paleta)), 6, 3});
    }
    {   // What a delta jumps over stays black.
        const Bajty strumien = {0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x01, 0x04, 0x00, 0x00,
                                0x00, 0x02, 0x01, 0x01, 0x02, 0x05, 0x00, 0x01};
        const Wiersze indeksy = {{0, 5, 5, 0}, {0, 0, 0, 0}, {1, 2, 3, 4}};
        Plik p = RleStrumien(1, 4, 3, 8, strumien);
        przypadki.push_back({"RLE8, dosłowne i przesuniecie", Zbuduj(p), Rgb(Kolory(indeksy, p.paleta)), 4, 3});
    }
    // Pixels right of the row or above the image are dropped, not wrapped: ImageMagick
    // itself encodes the row padding as a run.
    {
        Plik p = RleStrumien(1, 3, 2, 4, {0x05, 0x01, 0x00, 0x00, 0x01, 0x02, 0x00, 0x01});
        przypadki.push_back({"RLE8, seria poza wiersz", Zbuduj(p), Rgb(Kolory({{2, 0, 0}, {1, 1, 1}}, p.paleta)), 3, 2});
    }
    {
        Plik p = RleStrumien(2, 2, 1, 4, {0x00, 0x03, 0x12, 0x30, 0x00, 0x00, 0x02, 0x01,
                                          0x00, 0x02, 0xFF, 0xFF, 0x03, 0x22, 0x00, 0x01});
        przypadki.push_back({"RLE4, dosłowne poza wiersz, zapis nad obrazem", Zbuduj(p),
                             Rgb(Kolory({{1, 2}}, p.paleta)), 2, 1});
    }

    for (const auto& c : przypadki)
        SprawdzObraz(c);
}

TEST(BmpCzytnik, ZepsutePlikiDajaSwojKomunikat)
{
    const auto maly = [](const std::function<void(Plik&)>& zmiana) {
        Plik p;
        p.szerokosc = 2, p.wysokosc = 2, p.bity = 24;
        p.piksele = Uloz(24, {{1, 2}, {3, 4}});
        zmiana(p);
        return Zbuduj(p);
    };
    const auto rle = [](int32_t szer, int32_t wys, Bajty strumien) {
        return Zbuduj(RleStrumien(1, szer, wys, 4, std::move(strumien)));
    };
    const auto zmienU32 = [](Bajty b, size_t od, uint32_t wartosc) {
        for (int i = 0; i < 4; ++i)
            b[od + size_t(i)] = uint8_t(wartosc >> (8 * i));
        return b;
    };
    const Bajty dobry = maly([](Plik&) {});

    const struct {
        const char* nazwa;
        Bajty plik;
        const char* komunikat;
    } przypadki[] = {
        {"sam podpis BM", {'B', 'M'}, Konwersja},
        {"naglowek pliku bez naglowka obrazu", Bajty(dobry.begin(), dobry.begin() + 14), Konwersja},
        {"naglowek 108 bajtow", maly([](Plik& p) { p.rozmiarNaglowka = 108; }), Nieznany},
        {"naglowek 124 bajty (ImageMagick)", CzytajPlik(Fiksy + "im_24_v5.bmp"), Nieznany},
        {"naglowek 64 bajty", maly([](Plik& p) { p.rozmiarNaglowka = 64; }), Nieznany},
        {"rozmiar naglowka 0", maly([](Plik& p) { p.rozmiarNaglowka = 0; }), Nieznany},
        {"szerokosc 0", maly([](Plik& p) { p.szerokosc = 0; }), Konwersja},
        {"szerokosc ujemna", maly([](Plik& p) { p.szerokosc = -2; }), Konwersja},
        {"wysokosc 0", maly([](Plik& p) { p.wysokosc = 0; }), Konwersja},
        {"szerokosc 16385", maly([](Plik& p) { p.szerokosc = 16385; }), Konwersja},
        {"wysokosc -16385", maly([](Plik& p) { p.wysokosc = -16385; }), Konwersja},
        {"wysokosc INT32_MIN", maly([](Plik& p) { p.wysokosc = INT32_MIN; }), Konwersja},
        {"szerokosc INT32_MAX", maly([](Plik& p) { p.szerokosc = INT32_MAX; }), Konwersja},
        {"16384 x 16384 w kilku bajtach RLE", rle(16384, 16384, {0x00, 0x01}), Pamiec},
        {"10000 x 10000, 24 bity", maly([](Plik& p) { p.szerokosc = p.wysokosc = 10000; }), Pamiec},
        {"2 bity", maly([](Plik& p) { p.bity = 2; }), Konwersja},
        {"0 bitow", maly([](Plik& p) { p.bity = 0; }), Konwersja},
        {"RLE8 przy 24 bitach", maly([](Plik& p) { p.kompresja = 1; }), Konwersja},
        {"pola bitowe przy 24 bitach", maly([](Plik& p) { p.kompresja = 3; p.maski = {1, 2, 4}; }), Konwersja},
        {"kompresja JPEG", maly([](Plik& p) { p.kompresja = 4; }), Konwersja},
        {"RLE od gory", rle(2, -2, {0x02, 0x01, 0x00, 0x01}), Konwersja},
        {"paleta 2^32-1 wpisow", maly([](Plik& p) { p.koloryUzyte = 0xFFFFFFFF; }), Konwersja},
        {"paleta ucieta", maly([](Plik& p) { p.bity = 8; p.paleta = {1, 2, 3}; p.piksele.clear(); }), Konwersja},
        {"maski uciete", Bajty(dobry.begin(), dobry.begin() + 60), Konwersja},
        {"piksele za koncem pliku", zmienU32(dobry, 10, uint32_t(dobry.size()) + 1), Konwersja},
        {"piksele o bajt za krotkie", Bajty(dobry.begin(), dobry.end() - 1), Konwersja},
        {"indeks 8 bitow poza paleta", maly([](Plik& p) {
             p.bity = 8, p.koloryUzyte = 2, p.paleta = {0, 0xFFFFFF};
             p.piksele = Uloz(8, {{0, 1}, {5, 0}});
         }), Konwersja},
        {"indeks 1 bitu poza paleta", maly([](Plik& p) {
             p.bity = 1, p.koloryUzyte = 1, p.paleta = {0};
             p.piksele = Uloz(1, {{0, 0}, {0, 1}});
         }), Konwersja},
        {"indeks RLE4 poza paleta",
         Zbuduj(RleStrumien(2, 2, 1, 3, {0x02, 0x17, 0x00, 0x01})), Konwersja},
        {"RLE bez konca obrazu", rle(2, 1, {0x02, 0x01, 0x00, 0x00}), Konwersja},
        {"RLE uciete w serii", rle(2, 1, {0x02}), Konwersja},
        {"RLE uciete w dosłownych", rle(4, 1, {0x00, 0x04, 0x01, 0x02}), Konwersja},
        {"RLE uciete w przesunieciu", rle(4, 1, {0x00, 0x02, 0x01}), Konwersja},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        EXPECT_EQ(Blad(c.plik), c.komunikat);
    }
}

// A header promising more pixels than the file can hold is refused before the picture is
// allocated: rows have an exact size, a run-length pair gives at most 255 pixels.
TEST(BmpCzytnik, ObietnicaPonadPlikBezWielkiejPamieci)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit a lowered address-space limit";
#endif
    const auto wielki = [](uint16_t bity, uint32_t kompresja, Bajty piksele) {
        Plik p;
        p.szerokosc = p.wysokosc = 8192;
        p.bity = bity;
        p.kompresja = kompresja;
        p.paleta = bity == 8 ? Szarosci(4) : std::vector<uint32_t>{};
        p.koloryUzyte = bity == 8 ? 4 : 0;
        p.piksele = std::move(piksele);
        return Zbuduj(p);
    };
    const struct {
        const char* nazwa;
        Bajty plik;
        const char* komunikat;   // nullptr: decoded
    } przypadki[] = {
        {"8192 x 8192, 24 bity, 54 bajty", wielki(24, 0, {}), Konwersja},
        {"8192 x 8192, 8 bitow, jeden wiersz", wielki(8, 0, Bajty(8192, 1)), Konwersja},
        {"8192 x 8192 RLE8, kilka bajtow", wielki(8, 1, {0xFF, 0x01, 0x00, 0x01}), Konwersja},
        {"RLE8 510 x 1 z 4 bajtow", Zbuduj(RleStrumien(1, 510, 1, 4, {0xFF, 0x01, 0x00, 0x01})), nullptr},
        {"RLE8 511 x 1 z 4 bajtow", Zbuduj(RleStrumien(1, 511, 1, 4, {0xFF, 0x01, 0x00, 0x01})), Konwersja},
        {"RLE4 2 x 255 z 4 bajtow", Zbuduj(RleStrumien(2, 2, 255, 4, {0x00, 0x01, 0x00, 0x00})), nullptr},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        // 64 MiB: far less than any of the big promises, far more than any of these files needs.
        EXPECT_TRUE(WGranicyPamieci(size_t(64) << 20, [&] {
            fake::Wyczysc();
            const bool jest = ReadDIBMemory(c.plik.data(), c.plik.size()) != nullptr;
            return c.komunikat ? !jest && fake::bledy == std::vector<std::string>{c.komunikat}
                               : jest && fake::bledy.empty();
        }));
    }
}

// A small picture followed by a gigabyte of nothing (a sparse file): read only as far as the
// biggest accepted picture could need, and decoded from that.
TEST(BmpCzytnik, OgromnyPlikCzytanyTylkoDoGranicy)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit a lowered address-space limit";
#endif
    char wzor[] = "/tmp/zorbit-bmp-XXXXXX";
    ASSERT_TRUE(mkdtemp(wzor));
    const std::string sciezka = std::string(wzor) + "/ogromny.bmp";
    Plik p;
    p.szerokosc = p.wysokosc = 2;
    p.piksele = Uloz(24, {{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}});
    ZapiszPlik(sciezka, Zbuduj(p));
    ASSERT_EQ(0, truncate(sciezka.c_str(), off_t(1) << 30));
    // The bound is about 342 MiB; reading on towards the gigabyte would pass 400 MiB.
    EXPECT_TRUE(WGranicyPamieci(size_t(400) << 20, [&] {
        fake::Wyczysc();
        auto obraz = ReadDIBFile(sciezka.c_str());
        return obraz && fake::bledy.empty()
            && obraz->pixels == Rgb({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}});
    }));
    std::remove(sciezka.c_str());
    rmdir(wzor);
}

// Every good fixture cut short anywhere, from one byte to one byte less than whole.
TEST(BmpCzytnik, KazdyUcietyPlikToBladKonwersji)
{
    const char* const pliki[] = {"im_24.bmp", "im_24_rdzen.bmp", "im_4.bmp", "im_8.bmp",
                                 "im_8_rdzen.bmp", "im_rle8.bmp", "im_1.bmp"};
    for (const char* nazwa : pliki) {
        const Bajty plik = CzytajPlik(Fiksy + nazwa);
        ASSERT_FALSE(plik.empty()) << nazwa;
        for (size_t n = 1; n < plik.size(); ++n) {
            SCOPED_TRACE(std::string(nazwa) + " cut to " + std::to_string(n));
            // A copy of exactly n bytes, so that ASan sees any read past them.
            const Bajty ucinek(plik.begin(), plik.begin() + long(n));
            ASSERT_EQ(Blad(ucinek), Konwersja);
        }
    }
}

TEST(BmpCzytnik, PlikiKtorychNieMaPusteIKatalogi)
{
    char wzor[] = "/tmp/zorbit-bmp-XXXXXX";
    ASSERT_TRUE(mkdtemp(wzor));
    const std::string katalog = wzor;
    const std::string pusty = katalog + "/pusty.bmp";
    ZapiszPlik(pusty, {});

    fake::Wyczysc();
    EXPECT_FALSE(LoadBMP(nullptr));
    EXPECT_FALSE(LoadBMP((katalog + "/nie-ma.bmp").c_str()));
    EXPECT_TRUE(fake::bledy.empty()) << "a missing picture is silent";

    EXPECT_FALSE(LoadBMP(pusty.c_str()));
    EXPECT_FALSE(LoadBMP(katalog.c_str()));   // opens for reading on Linux, then cannot be read
    EXPECT_EQ(fake::bledy, (std::vector<std::string>{"Failed to open DIB file " + pusty + ".\n",
                                                    "Failed to open DIB file " + katalog + ".\n"}));
    std::remove(pusty.c_str());
    rmdir(katalog.c_str());
}
