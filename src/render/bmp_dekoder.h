// Inside the BMP reader: a bounded view of the file, the headers as read, and the decoders.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace bmp {

enum class Wynik { Dobrze, NieznanyFormat, BladKonwersji, BrakPamieci };

enum RodzajKompresji : uint32_t { BezKompresji = 0, Rle8 = 1, Rle4 = 2, PolaBitowe = 3 };

// The file's bytes; every read goes through Jest first, so nothing past the end is touched.
struct Bajty {
    const uint8_t* Dane;
    size_t Rozmiar;

    bool Jest(uint64_t od, uint64_t ile) const { return od <= Rozmiar && ile <= Rozmiar - od; }
    uint16_t U16(size_t od) const { return uint16_t(Dane[od] | Dane[od + 1] << 8); }
    uint32_t U32(size_t od) const { return U16(od) | uint32_t(U16(od + 2)) << 16; }
};

using Rgb = std::array<uint8_t, 3>;

// What the headers say, checked: sizes within bounds, depth and compression a pair we decode.
struct Opis {
    int32_t Szerokosc = 0;
    int32_t Wysokosc = 0;     // always positive
    bool OdGory = false;      // rows stored top row first (negative height in the file)
    uint16_t Bity = 0;
    uint32_t Kompresja = BezKompresji;
    uint32_t Maski[3] = {};   // red, green, blue bits of a 16-, 24- or 32-bit pixel
    std::vector<Rgb> Paleta;  // the colour table, at most 256 entries, as red, green, blue
    size_t PoczatekPikseli = 0;
};

Wynik CzytajNaglowek(const Bajty& plik, Opis& opis);

// Before the picture is allocated: whether the file holds enough pixel data for its size.
// Rows have an exact size; a run-length byte pair gives at most 255 pixels, so a picture
// larger than 255 pixels per pair of the stream is refused.
bool DaneWystarcza(const Bajty& plik, const Opis& opis);

// Fills wynik (szerokosc*wysokosc*3 bytes, zeroed) bottom row first.
Wynik DekodujPiksele(const Bajty& plik, const Opis& opis, uint8_t* wynik);

} // namespace bmp
