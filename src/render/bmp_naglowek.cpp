// The BMP headers: the optional 14-byte file header, the 12- or 40-byte info header,
// the bit-field masks and the colour table, each checked against the file's length.
#include "bmp_dekoder.h"

#include <algorithm>

namespace bmp {
namespace {

constexpr uint32_t RozmiarPliku = 14;
constexpr uint32_t RozmiarRdzenia = 12;
constexpr uint32_t RozmiarInfo = 40;
// Far beyond any texture we draw, small enough that width*height*3 never nears overflow.
constexpr int64_t MaksBok = 16384;

struct Info {
    uint32_t rozmiar;
    int64_t szerokosc;
    int64_t wysokosc;
    uint16_t bity;
    uint32_t kompresja;
    uint32_t koloryUzyte;
};

Wynik CzytajInfo(const Bajty& plik, size_t od, Info& info)
{
    if (!plik.Jest(od, 4))
        return Wynik::BladKonwersji;
    info.rozmiar = plik.U32(od);
    if (info.rozmiar != RozmiarRdzenia && info.rozmiar != RozmiarInfo)
        return Wynik::NieznanyFormat;
    if (!plik.Jest(od, info.rozmiar))
        return Wynik::BladKonwersji;
    if (info.rozmiar == RozmiarRdzenia) {
        info.szerokosc = plik.U16(od + 4);
        info.wysokosc = plik.U16(od + 6);
        info.bity = plik.U16(od + 10);
        info.kompresja = BezKompresji;
        info.koloryUzyte = 0;
    } else {
        info.szerokosc = int32_t(plik.U32(od + 4));
        info.wysokosc = int32_t(plik.U32(od + 8));
        info.bity = plik.U16(od + 14);
        info.kompresja = plik.U32(od + 16);
        info.koloryUzyte = plik.U32(od + 32);
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
    const int64_t wysokosc = info.wysokosc < 0 ? -info.wysokosc : info.wysokosc;
    if (info.szerokosc <= 0 || info.szerokosc > MaksBok || wysokosc == 0 || wysokosc > MaksBok)
        return Wynik::BladKonwersji;
    if (!ZnanaGlebia(info.bity, info.kompresja))
        return Wynik::BladKonwersji;
    const bool rle = info.kompresja == Rle8 || info.kompresja == Rle4;
    if (info.wysokosc < 0 && rle)   // run-length data is only ever stored bottom-up
        return Wynik::BladKonwersji;
    opis.szerokosc = int32_t(info.szerokosc);
    opis.wysokosc = int32_t(wysokosc);
    opis.odGory = info.wysokosc < 0;
    opis.bity = info.bity;
    opis.kompresja = info.kompresja;
    return Wynik::Dobrze;
}

void DomyslneMaski(Opis& opis)
{
    static const uint32_t piecPiecPiec[3] = {0x7C00, 0x03E0, 0x001F};
    static const uint32_t bajty[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    std::copy_n(opis.bity == 16 ? piecPiecPiec : bajty, 3, opis.maski);
}

uint64_t WpisyPalety(const Info& info)
{
    if (info.rozmiar == RozmiarInfo && info.koloryUzyte != 0)
        return info.koloryUzyte;
    switch (info.bity) {
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
    opis.paleta.resize(potrzebne);
    for (size_t i = 0; i < potrzebne; ++i) {
        const uint8_t* wpis = plik.dane + od + i * rozmiarWpisu;   // blue, green, red[, 0]
        opis.paleta[i] = {wpis[2], wpis[1], wpis[0]};
    }
    return Wynik::Dobrze;
}

} // namespace

Wynik CzytajNaglowek(const Bajty& plik, Opis& opis)
{
    const bool naglowekPliku = plik.Jest(0, 2) && plik.dane[0] == 'B' && plik.dane[1] == 'M';
    if (naglowekPliku && !plik.Jest(0, RozmiarPliku))
        return Wynik::BladKonwersji;
    const size_t poczatekInfo = naglowekPliku ? RozmiarPliku : 0;
    Info info;
    Wynik wynik = CzytajInfo(plik, poczatekInfo, info);
    if (wynik == Wynik::Dobrze)
        wynik = SprawdzWymiary(info, opis);
    if (wynik != Wynik::Dobrze)
        return wynik;

    uint64_t poczatekPalety = poczatekInfo + info.rozmiar;
    DomyslneMaski(opis);
    if (opis.kompresja == PolaBitowe) {
        if (!plik.Jest(poczatekPalety, 12))
            return Wynik::BladKonwersji;
        for (int i = 0; i < 3; ++i)
            opis.maski[i] = plik.U32(size_t(poczatekPalety) + 4 * i);
        poczatekPalety += 12;
    }
    const uint64_t wpisy = WpisyPalety(info);
    const uint32_t rozmiarWpisu = info.rozmiar == RozmiarRdzenia ? 3 : 4;
    wynik = CzytajPalete(plik, poczatekPalety, wpisy, rozmiarWpisu, opis);
    if (wynik != Wynik::Dobrze)
        return wynik;

    const uint64_t poczatekPikseli =
        naglowekPliku ? plik.U32(10) : poczatekPalety + wpisy * rozmiarWpisu;
    if (poczatekPikseli > plik.rozmiar)
        return Wynik::BladKonwersji;
    opis.poczatekPikseli = size_t(poczatekPikseli);
    return Wynik::Dobrze;
}

} // namespace bmp
