// BMP pixel data to packed RGB: uncompressed rows of 1 to 32 bits, and 4- and 8-bit
// run-length streams.
#include "render/bmp_dekoder.h"

#include <cstring>

namespace bmp {
namespace {

void Zapisz(const Opis& opis, uint8_t* wynik, uint64_t x, uint64_t y, const Rgb& kolor)
{
    std::memcpy(wynik + (y * uint64_t(opis.Szerokosc) + x) * 3, kolor.data(), 3);
}

// One channel of a 16-, 24- or 32-bit pixel, scaled from its mask's range to 0..255.
uint8_t Kanal(uint32_t piksel, uint32_t maska)
{
    if (maska == 0)
        return 0;
    const int przesuniecie = __builtin_ctz(maska);
    const uint64_t najwiecej = maska >> przesuniecie;
    const uint64_t wartosc = (piksel & maska) >> przesuniecie;
    return uint8_t((wartosc * 255 + najwiecej / 2) / najwiecej);
}

// The raw value of pixel x in a stored row: a palette index or a little-endian pixel.
uint32_t Wartosc(const uint8_t* wiersz, size_t x, unsigned bity)
{
    switch (bity) {
    case 1: return (wiersz[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (wiersz[x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
    case 8: return wiersz[x];
    default: break;
    }
    const uint8_t* p = wiersz + x * (bity / 8);
    uint32_t wartosc = 0;
    for (unsigned i = 0; i < bity / 8; ++i)
        wartosc |= uint32_t(p[i]) << (8 * i);
    return wartosc;
}

bool Kolor(const Opis& opis, uint32_t wartosc, Rgb& kolor)
{
    if (opis.Bity > 8) {
        kolor = {Kanal(wartosc, opis.Maski[0]), Kanal(wartosc, opis.Maski[1]),
                 Kanal(wartosc, opis.Maski[2])};
        return true;
    }
    if (wartosc >= opis.Paleta.size())   // a colour the table does not define: a broken file
        return false;
    kolor = opis.Paleta[wartosc];
    return true;
}

bool Rle(const Opis& opis)
{
    return opis.Kompresja == Rle8 || opis.Kompresja == Rle4;
}

// Bytes of one stored row, padded to 4.
uint64_t Krok(const Opis& opis)
{
    return (uint64_t(opis.Szerokosc) * opis.Bity + 31) / 32 * 4;
}

Wynik DekodujWiersze(const Bajty& plik, const Opis& opis, uint8_t* wynik)
{
    const uint64_t szerokosc = uint64_t(opis.Szerokosc);
    const uint64_t krok = Krok(opis);
    if (!DaneWystarcza(plik, opis))
        return Wynik::BladKonwersji;
    for (uint64_t s = 0; s < uint64_t(opis.Wysokosc); ++s) {
        const uint8_t* wiersz = plik.Dane + opis.PoczatekPikseli + s * krok;
        const uint64_t y = opis.OdGory ? uint64_t(opis.Wysokosc) - 1 - s : s;
        // 24-bit rows are always blue-green-red bytes (bit fields are refused there): they are
        // only put in order, as the general path would spend most of a big picture's load on them.
        if (opis.Bity == 24) {
            uint8_t* cel = wynik + y * szerokosc * 3;
            for (uint64_t x = 0; x < szerokosc; ++x) {
                cel[3 * x] = wiersz[3 * x + 2];
                cel[3 * x + 1] = wiersz[3 * x + 1];
                cel[3 * x + 2] = wiersz[3 * x];
            }
            continue;
        }
        for (uint64_t x = 0; x < szerokosc; ++x) {
            Rgb kolor;
            if (!Kolor(opis, Wartosc(wiersz, size_t(x), opis.Bity), kolor))
                return Wynik::BladKonwersji;
            Zapisz(opis, wynik, x, y, kolor);
        }
    }
    return Wynik::Dobrze;
}

// The cursor of a run-length stream. Pixels that land right of the row or above the
// top row are dropped: some writers encode the row padding as pixels.
class PisakRle {
public:
    PisakRle(const Opis& opis, uint8_t* wynik) : opis_(opis), wynik_(wynik) {}

    bool Piksel(uint32_t indeks)
    {
        if (x_ < uint64_t(opis_.Szerokosc) && y_ < uint64_t(opis_.Wysokosc)) {
            Rgb kolor;
            if (!Kolor(opis_, indeks, kolor))
                return false;
            Zapisz(opis_, wynik_, x_, y_, kolor);
        }
        ++x_;
        return true;
    }
    void KoniecWiersza() { x_ = 0; ++y_; }
    void Przesun(uint8_t dx, uint8_t dy) { x_ += dx; y_ += dy; }

private:
    const Opis& opis_;
    uint8_t* wynik_;
    uint64_t x_ = 0;
    uint64_t y_ = 0;
};

class StrumienRle {
public:
    StrumienRle(const Bajty& plik, size_t od) : plik_(plik), p_(od) {}

    bool Bajt(uint8_t& b)
    {
        if (!plik_.Jest(p_, 1))
            return false;
        b = plik_.Dane[p_++];
        return true;
    }
    // Absolute mode: n pixels, whole bytes padded to an even count.
    bool Doslowne(uint8_t n, bool czworki, PisakRle& pisak)
    {
        const size_t bajty = czworki ? (n + 1u) / 2 : n;
        if (!plik_.Jest(p_, bajty))
            return false;
        for (unsigned i = 0; i < n; ++i) {
            const uint8_t b = plik_.Dane[p_ + (czworki ? i / 2 : i)];
            if (!pisak.Piksel(czworki ? (i % 2 ? b & 0xF : b >> 4) : b))
                return false;
        }
        p_ += bajty + bajty % 2;
        return true;
    }

private:
    const Bajty& plik_;
    size_t p_;
};

// A stream that ends before its end-of-bitmap mark was cut short: an error.
Wynik DekodujRle(const Bajty& plik, const Opis& opis, uint8_t* wynik)
{
    const bool czworki = opis.Kompresja == Rle4;
    StrumienRle strumien(plik, opis.PoczatekPikseli);
    PisakRle pisak(opis, wynik);
    uint8_t n, b;
    while (strumien.Bajt(n) && strumien.Bajt(b)) {
        bool dobrze = true;
        if (n > 0) {
            for (unsigned i = 0; i < n && dobrze; ++i)
                dobrze = pisak.Piksel(czworki ? (i % 2 ? b & 0xF : b >> 4) : b);
        } else if (b == 0) {
            pisak.KoniecWiersza();
        } else if (b == 1) {
            return Wynik::Dobrze;
        } else if (b == 2) {
            uint8_t dx, dy;
            dobrze = strumien.Bajt(dx) && strumien.Bajt(dy);
            if (dobrze)
                pisak.Przesun(dx, dy);
        } else {
            dobrze = strumien.Doslowne(b, czworki, pisak);
        }
        if (!dobrze)
            return Wynik::BladKonwersji;
    }
    return Wynik::BladKonwersji;
}

} // namespace

bool DaneWystarcza(const Bajty& plik, const Opis& opis)
{
    const uint64_t pikseli = uint64_t(opis.Szerokosc) * uint64_t(opis.Wysokosc);
    if (!Rle(opis))
        return plik.Jest(opis.PoczatekPikseli, Krok(opis) * uint64_t(opis.Wysokosc));
    // Kept narrow on purpose: a picture that would be mostly skips (end-of-row, delta) is refused too.
    const uint64_t strumien = plik.Rozmiar - opis.PoczatekPikseli;
    return pikseli <= 255 * (strumien / 2);
}

Wynik DekodujPiksele(const Bajty& plik, const Opis& opis, uint8_t* wynik)
{
    if (Rle(opis))
        return DekodujRle(plik, opis, wynik);
    return DekodujWiersze(plik, opis, wynik);
}

} // namespace bmp
