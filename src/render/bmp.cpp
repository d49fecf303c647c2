// Reading a bitmap file into memory and turning it into an RgbImage, with the reader's
// four messages.
#include "render/obraz.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>

#include <sys/stat.h>

#include "platform/komunikat.h"
#include "render/bmp_dekoder.h"

namespace {

// 8192 by 8192 still fits; a bigger claim is refused before anything is allocated.
constexpr uint64_t MAKS_BAJTOW_OBRAZU = uint64_t(256) << 20;
// What the biggest picture we accept can need: both headers, bit-field masks, a full colour
// table and its pixels at 32 bits. Bytes past this are never read: no picture needs them.
constexpr size_t MAKS_BAJTOW_PLIKU = 14 + 40 + 12 + 256 * 4 + MAKS_BAJTOW_OBRAZU / 3 * 4;

const char* Tekst(bmp::Wynik wynik)
{
    switch (wynik) {
    case bmp::Wynik::NieznanyFormat: return "Unknown DIB file format.";
    case bmp::Wynik::BrakPamieci: return "Out of memory.";
    default: return "Image file conversion error.";
    }
}

std::unique_ptr<RgbImage> Dekoduj(const uint8_t* dane, size_t rozmiar, bmp::Wynik& wynik)
{
    const bmp::Bajty plik{dane, rozmiar};
    bmp::Opis opis;
    wynik = bmp::CzytajNaglowek(plik, opis);
    if (wynik != bmp::Wynik::Dobrze)
        return nullptr;
    const uint64_t bajty = uint64_t(opis.Szerokosc) * uint64_t(opis.Wysokosc) * 3;
    if (bajty > MAKS_BAJTOW_OBRAZU) {
        wynik = bmp::Wynik::BrakPamieci;
        return nullptr;
    }
    if (!bmp::DaneWystarcza(plik, opis)) {   // a header promising more than the file holds
        wynik = bmp::Wynik::BladKonwersji;
        return nullptr;
    }
    auto obraz = std::make_unique<RgbImage>();
    obraz->width = opis.Szerokosc;
    obraz->height = opis.Wysokosc;
    obraz->pixels.assign(size_t(bajty), 0);   // what a run-length stream skips stays black
    wynik = bmp::DekodujPiksele(plik, opis, obraz->pixels.data());
    if (wynik != bmp::Wynik::Dobrze)
        return nullptr;
    return obraz;
}

enum class Odczyt { Dobrze, Niemozliwy, ZaDuzy };

// The length of a regular file, 0 for anything else (a pipe, a directory).
size_t Dlugosc(std::FILE* plik)
{
    struct stat st {};
    if (fstat(fileno(plik), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0)
        return 0;
    return size_t(st.st_size);
}

// The file, read in bounded pieces up to MAKS_BAJTOW_PLIKU: a longer file is decoded from
// that much, as its picture (if any) lies within it. An empty file counts as one we could not read.
Odczyt CzytajPlik(const char* sciezka, std::vector<uint8_t>& dane)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> plik(std::fopen(sciezka, "rb"), std::fclose);
    if (!plik)
        return Odczyt::Niemozliwy;
    constexpr size_t KAWALEK = 1 << 16;
    try {
        dane.reserve(std::min(Dlugosc(plik.get()), MAKS_BAJTOW_PLIKU));   // no doubling on the way
        size_t przeczytane = 0, chciane = 0;
        do {
            chciane = std::min(KAWALEK, MAKS_BAJTOW_PLIKU - dane.size());
            dane.resize(dane.size() + chciane);
            przeczytane = std::fread(dane.data() + dane.size() - chciane, 1, chciane, plik.get());
            dane.resize(dane.size() - chciane + przeczytane);
        } while (przeczytane == chciane && dane.size() < MAKS_BAJTOW_PLIKU);
    } catch (const std::bad_alloc&) {
        return Odczyt::ZaDuzy;
    }
    if (std::ferror(plik.get()) || dane.empty())
        return Odczyt::Niemozliwy;
    return Odczyt::Dobrze;
}

} // namespace

std::unique_ptr<RgbImage> ReadDIBMemory(const uint8_t* dane, size_t rozmiar)
{
    bmp::Wynik wynik = bmp::Wynik::BrakPamieci;
    try {
        if (auto obraz = Dekoduj(dane, rozmiar, wynik))
            return obraz;
    } catch (const std::bad_alloc&) {
        wynik = bmp::Wynik::BrakPamieci;
    }
    PokazBlad(Tekst(wynik));
    return nullptr;
}

std::unique_ptr<RgbImage> ReadDIBFile(const char* path)
{
    std::vector<uint8_t> dane;
    switch (CzytajPlik(path, dane)) {
    case Odczyt::Niemozliwy:
        PokazBlad(("Failed to open DIB file " + std::string(path) + ".\n").c_str());
        return nullptr;
    case Odczyt::ZaDuzy:
        PokazBlad(Tekst(bmp::Wynik::BrakPamieci));
        return nullptr;
    case Odczyt::Dobrze:
        break;
    }
    return ReadDIBMemory(dane.data(), dane.size());
}

std::unique_ptr<RgbImage> LoadBMP(const char* filename)
{
    if (filename == nullptr)
        return nullptr;
    // Only a test that the file can be opened at all: a missing picture is silent.
    std::FILE* plik = std::fopen(filename, "r");
    if (plik == nullptr)
        return nullptr;
    std::fclose(plik);
    return ReadDIBFile(filename);
}
