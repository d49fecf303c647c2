// Recording a demo: every callback that steers the game's course writes its event first.
#include "shell/demo_nagrywanie.h"

#include "platform/zegar.h"
#include "render/ekran.h"
#include "shell/demo.h"
#include "shell/klawisze.h"
#include "shell/przebieg.h"
#include "shell/stale.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>

namespace {

std::ofstream Plik;
std::string SciezkaPliku;
std::ostream* Wyjscie = nullptr;
std::optional<ZapisDema> Zapis;

void Zapisz(RodzajZdarzenia rodzaj, uint32_t wartosc = 0)
{
    if (Zapis)
        Zapis->Dopisz({rodzaj, wartosc});
}

void NagrywajTimer(int numer)
{
    Zapisz(RodzajZdarzenia::Timer, static_cast<uint32_t>(numer));
}

// At exit: the buffered rest goes out; a disk that filled up is said, not kept quiet.
void ZamknijNagranie()
{
    NagrywajDo(nullptr);
    Plik.close();
    if (!Plik)
        std::cerr << "zorbit3d: " << SciezkaPliku << ": the demo could not be written completely\n";
}

} // namespace

std::string OtworzNagranie(const std::string& sciezka)
{
    Plik.open(sciezka, std::ios::out | std::ios::trunc);
    if (!Plik)
        return std::strerror(errno);
    SciezkaPliku = sciezka;
    std::atexit(ZamknijNagranie);
    NagrywajDo(&Plik);
    return "";
}

void NagrywajDo(std::ostream* wy)
{
    if (Zapis)
        Zapis->Dokoncz();
    Zapis.reset();
    Wyjscie = wy;
    if (wy)
        Zapis.emplace(*wy);
    PodgladajTimery(wy ? NagrywajTimer : nullptr);
}

void ZapiszPoczatek(unsigned ziarno)
{
    if (Wyjscie)
        ZapiszNaglowek(*Wyjscie, {WERSJA_DEMA, PoziomyGry(), ziarno, CzasStary});
}

// A key that ends the game (the menu's exit) leaves inside the callback: its line comes first.
void NagrywajKlawisze(unsigned char c, int x, int y)
{
    Zapisz(RodzajZdarzenia::Klawisz, c);
    Klawisze(c, x, y);
}

void NagrywajKlawiszeSpec(int key, int x, int y)
{
    Zapisz(RodzajZdarzenia::Specjalny, static_cast<uint32_t>(key));
    KlawiszeSpec(key, x, y);
}

// The frame time is known only once IdleStep has read the clock.
void NagrywajIdleStep()
{
    IdleStep();
    Zapisz(RodzajZdarzenia::Krok, Opoznienie);
}

void NagrywajWyswietlaj()
{
    Zapisz(RodzajZdarzenia::Obraz);
    Wyswietlaj();
}

void NagrywajKlatke()
{
    Zapisz(RodzajZdarzenia::Obraz);
    KlatkaBezObrazu();
}
