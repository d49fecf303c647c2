// Test helpers for the BMP reader: bitmaps built byte by byte, and the pictures they
// should decode to, as packed RGB bottom row first (what RgbImage holds).
#pragma once
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace bmp_test {

using Bajty = std::vector<uint8_t>;
using Wiersze = std::vector<std::vector<uint32_t>>;   // top row first; 0xRRGGBB or raw values

struct Plik {
    int32_t szerokosc = 0;
    int32_t wysokosc = 0;
    uint16_t bity = 24;
    uint32_t kompresja = 0;
    uint32_t rozmiarNaglowka = 40;   // 12 writes the old core header; anything else a 40-byte one, padded
    bool naglowekPliku = true;       // false: a bare bitmap
    uint32_t koloryUzyte = 0;
    std::vector<uint32_t> maski;     // written after the info header
    std::vector<uint32_t> paleta;    // 0xRRGGBB
    Bajty piksele;                   // the pixel data as stored
};

inline void Dopisz(Bajty& b, uint32_t wartosc, int bajty)
{
    for (int i = 0; i < bajty; ++i)
        b.push_back(uint8_t(wartosc >> (8 * i)));
}

inline Bajty Zbuduj(const Plik& p)
{
    Bajty info;
    Dopisz(info, p.rozmiarNaglowka, 4);
    if (p.rozmiarNaglowka == 12) {
        Dopisz(info, uint32_t(p.szerokosc), 2);
        Dopisz(info, uint32_t(p.wysokosc), 2);
        Dopisz(info, 1, 2);
        Dopisz(info, p.bity, 2);
    } else {
        Dopisz(info, uint32_t(p.szerokosc), 4);
        Dopisz(info, uint32_t(p.wysokosc), 4);
        Dopisz(info, 1, 2);
        Dopisz(info, p.bity, 2);
        Dopisz(info, p.kompresja, 4);
        Dopisz(info, uint32_t(p.piksele.size()), 4);
        Dopisz(info, 2835, 4);
        Dopisz(info, 2835, 4);
        Dopisz(info, p.koloryUzyte, 4);
        Dopisz(info, 0, 4);
        info.resize(std::max<size_t>(info.size(), p.rozmiarNaglowka), 0);
    }
    for (uint32_t m : p.maski)
        Dopisz(info, m, 4);
    for (uint32_t k : p.paleta)
        Dopisz(info, k, p.rozmiarNaglowka == 12 ? 3 : 4);   // blue, green, red[, 0]

    Bajty plik;
    if (p.naglowekPliku) {
        const uint32_t poczatek = 14 + uint32_t(info.size());
        plik = {'B', 'M'};
        Dopisz(plik, poczatek + uint32_t(p.piksele.size()), 4);
        Dopisz(plik, 0, 4);
        Dopisz(plik, poczatek, 4);
    }
    plik.insert(plik.end(), info.begin(), info.end());
    plik.insert(plik.end(), p.piksele.begin(), p.piksele.end());
    return plik;
}

// Rows of raw pixel values stored bottom row first (or as given when odGory),
// packed at the depth, each padded to 4 bytes.
inline Bajty Uloz(unsigned bity, const Wiersze& wiersze, bool odGory = false)
{
    Bajty wynik;
    for (size_t i = 0; i < wiersze.size(); ++i) {
        const auto& wiersz = wiersze[odGory ? i : wiersze.size() - 1 - i];
        Bajty rzad((wiersz.size() * bity + 31) / 32 * 4, 0);
        for (size_t x = 0; x < wiersz.size(); ++x) {
            const size_t bit = x * bity;
            if (bity < 8)
                rzad[bit / 8] |= uint8_t(wiersz[x] << (8 - bity - bit % 8));
            else
                for (unsigned j = 0; j < bity / 8; ++j)
                    rzad[bit / 8 + j] = uint8_t(wiersz[x] >> (8 * j));
        }
        wynik.insert(wynik.end(), rzad.begin(), rzad.end());
    }
    return wynik;
}

// What the reader should give for a picture written top row first in 0xRRGGBB.
inline Bajty Rgb(const Wiersze& wiersze)
{
    Bajty wynik;
    for (auto w = wiersze.rbegin(); w != wiersze.rend(); ++w)
        for (uint32_t k : *w)
            wynik.insert(wynik.end(), {uint8_t(k >> 16), uint8_t(k >> 8), uint8_t(k)});
    return wynik;
}

// A plain PPM (P3) or PBM (P1, 1 is black), as RGB bottom row first.
struct Wzor {
    int szerokosc = 0;
    int wysokosc = 0;
    Bajty rgb;
};

inline Wzor CzytajWzor(const std::string& sciezka)
{
    std::ifstream plik(sciezka);
    std::string magia;
    Wzor w;
    int maks = 1;
    plik >> magia >> w.szerokosc >> w.wysokosc;
    if (magia == "P3")
        plik >> maks;
    Wiersze wiersze(size_t(w.wysokosc), std::vector<uint32_t>(size_t(w.szerokosc)));
    for (auto& wiersz : wiersze)
        for (auto& k : wiersz) {
            unsigned r = 0, g = 0, b = 0;
            if (magia == "P3")
                plik >> r >> g >> b;
            else {
                plik >> r;
                r = g = b = r ? 0 : 255;
            }
            k = r << 16 | g << 8 | b;
        }
    w.rgb = plik ? Rgb(wiersze) : Bajty();
    return w;
}

inline Bajty CzytajPlik(const std::string& sciezka)
{
    std::ifstream plik(sciezka, std::ios::binary);
    return Bajty(std::istreambuf_iterator<char>(plik), {});
}

inline void ZapiszPlik(const std::string& sciezka, const Bajty& b)
{
    std::ofstream(sciezka, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                                   std::streamsize(b.size()));
}

} // namespace bmp_test
