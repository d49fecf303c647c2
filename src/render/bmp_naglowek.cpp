// The BMP headers: the optional 14-byte file header, the 12- or 40-byte info header,
// the bit-field masks and the colour table, each checked against the file's length.
#include "render/bmp_dekoder.h"

#include <algorithm>

namespace bmp {
namespace {

constexpr uint32_t ROZMIAR_NAGLOWKA_PLIKU = 14;
constexpr uint32_t ROZMIAR_RDZENIA = 12;
constexpr uint32_t ROZMIAR_INFO = 40;
// Far beyond any texture we draw, small enough that width*height*3 never nears overflow.
constexpr int64_t MAKS_BOK = 16384;

struct Info {
    uint32_t Rozmiar;
    int64_t Szerokosc;
    int64_t Wysokosc;
    uint16_t Bity;
    uint32_t Kompresja;
    uint32_t KoloryUzyte;
};

Wynik CzytajInfo(const Bajty& plik, size_t od, Info& info)
{
    if (!plik.Jest(od, 4))
        return Wynik::BladKonwersji;
    info.Rozmiar = plik.U32(od);
    if (info.Rozmiar != ROZMIAR_RDZENIA && info.Rozmiar != ROZMIAR_INFO)
        return Wynik::NieznanyFormat;
    if (!plik.Jest(od, info.Rozmiar))
        return Wynik::BladKonwersji;
    if (info.Rozmiar == ROZMIAR_RDZENIA) {
        info.Szerokosc = plik.U16(od + 4);
        info.Wysokosc = plik.U16(od + 6);
        info.Bity = plik.U16(od + 10);
        info.Kompresja = BezKompresji;
        info.KoloryUzyte = 0;
    } else {
        info.Szerokosc = int32_t(plik.U32(od + 4));
        info.Wysokosc = int32_t(plik.U32(od + 8));
        info.Bity = plik.U16(od + 14);
        info.Kompresja = plik.U32(od + 16);
        info.KoloryUzyte = plik.U32(od + 32);
    }
    return Wynik::Dobrze;
}

bool ZnanaGlebia(uint16_t bity, uint32_t kompresja)
{
    switch (kompresja) {
    case BezKompresji:
        return bity == 1 || bity == 4 || bity == 8 || bity == 16 || bity == 24 || bity == 32;
    case Rle8:
        return bity == 8;
    case Rle4:
        return bity == 4;
    case PolaBitowe:
        return bity == 16 || bity == 32;
    default:
        return false;
    }
}

Wynik SprawdzWymiary(const Info& info, Opis& opis)
{
    const int64_t wysokosc = info.Wysokosc < 0 ? -info.Wysokosc : info.Wysokosc;
    if (info.Szerokosc <= 0 || info.Szerokosc > MAKS_BOK || wysokosc == 0 || wysokosc > MAKS_BOK)
        return Wynik::BladKonwersji;
    if (!ZnanaGlebia(info.Bity, info.Kompresja))
        return Wynik::BladKonwersji;
    const bool rle = info.Kompresja == Rle8 || info.Kompresja == Rle4;
    if (info.Wysokosc < 0 && rle)   // run-length data is only ever stored bottom-up
        return Wynik::BladKonwersji;
    opis.Szerokosc = int32_t(info.Szerokosc);
    opis.Wysokosc = int32_t(wysokosc);
    opis.OdGory = info.Wysokosc < 0;
    opis.Bity = info.Bity;
    opis.Kompresja = info.Kompresja;
    return Wynik::Dobrze;
}

void DomyslneMaski(Opis& opis)
{
    static const uint32_t piecPiecPiec[3] = {0x7C00, 0x03E0, 0x001F};
    static const uint32_t bajty[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    std::copy_n(opis.Bity == 16 ? piecPiecPiec : bajty, 3, opis.Maski);
}

uint64_t WpisyPalety(const Info& info)
{
    if (info.Rozmiar == ROZMIAR_INFO && info.KoloryUzyte != 0)
        return info.KoloryUzyte;
    switch (info.Bity) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

Wynik CzytajPalete(const Bajty& plik, uint64_t od, uint64_t wpisy, uint32_t rozmiarWpisu, Opis& opis)
{
    if (!plik.Jest(od, wpisy * rozmiarWpisu))
        return Wynik::BladKonwersji;
    // No index of 8 bits or fewer reaches past entry 255.
    const size_t potrzebne = size_t(std::min<uint64_t>(wpisy, 256));
    opis.Paleta.resize(potrzebne);
    for (size_t i = 0; i < potrzebne; ++i) {
        const uint8_t* wpis = plik.Dane + od + i * rozmiarWpisu;   // blue, green, red[, 0]
        opis.Paleta[i] = {wpis[2], wpis[1], wpis[0]};
    }
    return Wynik::Dobrze;
}

} // namespace

Wynik CzytajNaglowek(const Bajty& plik, Opis& opis)
{
    const bool naglowekPliku = plik.Jest(0, 2) && plik.Dane[0] == 'B' && plik.Dane[1] == 'M';
    if (naglowekPliku && !plik.Jest(0, ROZMIAR_NAGLOWKA_PLIKU))
        return Wynik::BladKonwersji;
    const size_t poczatekInfo = naglowekPliku ? ROZMIAR_NAGLOWKA_PLIKU : 0;
    Info info;
    Wynik wynik = CzytajInfo(plik, poczatekInfo, info);
    if (wynik == Wynik::Dobrze)
        wynik = SprawdzWymiary(info, opis);
    if (wynik != Wynik::Dobrze)
        return wynik;

    uint64_t poczatekPalety = poczatekInfo + info.Rozmiar;
    DomyslneMaski(opis);
    if (opis.Kompresja == PolaBitowe) {
        if (!plik.Jest(poczatekPalety, 12))
            return Wynik::BladKonwersji;
        for (int i = 0; i < 3; ++i)
            opis.Maski[i] = plik.U32(size_t(poczatekPalety) + 4 * i);
        poczatekPalety += 12;
    }
    const uint64_t wpisy = WpisyPalety(info);
    const uint32_t rozmiarWpisu = info.Rozmiar == ROZMIAR_RDZENIA ? 3 : 4;
    wynik = CzytajPalete(plik, poczatekPalety, wpisy, rozmiarWpisu, opis);
    if (wynik != Wynik::Dobrze)
        return wynik;

    const uint64_t poczatekPikseli =
        naglowekPliku ? plik.U32(10) : poczatekPalety + wpisy * rozmiarWpisu;
    if (poczatekPikseli > plik.Rozmiar)
        return Wynik::BladKonwersji;
    opis.PoczatekPikseli = size_t(poczatekPikseli);
    return Wynik::Dobrze;
}

} // namespace bmp
