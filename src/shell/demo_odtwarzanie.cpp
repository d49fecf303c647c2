// The replay: the demo's events, in order, through the game's callbacks.
#include "shell/demo_odtwarzanie.h"

#include "platform/dzwiek.h"
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "platform/zegar.h"
#include "render/ekran.h"
#include "shell/demo.h"
#include "shell/demo_zrzut.h"
#include "shell/klawisze.h"
#include "shell/przebieg.h"
#include "shell/stale.h"

#include <chrono>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <thread>
#include <utility>

namespace {

std::string Tekst;
std::string Nazwa;
std::optional<CzytnikDema> Czytnik;
NaglowekDema Naglowek;
std::optional<Zdarzenie> Czekajace;  // read ahead, so that the windowed pace can look at it
bool ZOknem = false;
std::ostream* Zrzut = nullptr;
ZrzutSekund Sekundy;
uint32_t Zegar = 0;                  // the demo's clock
uint64_t UplynieloDema = 0;          // its milliseconds since start, for the pace
std::optional<unsigned> StartMaszyny;
bool PozaKrokiem = false;
std::string Blad;

bool Podejrzyj()
{
    if (!Czekajace) {
        Zdarzenie z{};
        if (Czytnik->Nastepne(z))
            Czekajace = z;
    }
    return Czekajace.has_value();
}

void Krok(uint32_t ms)
{
    Zegar += ms;
    UplynieloDema += ms;
    UstawCzasDema(Zegar);
    IdleStep();
    if (Zrzut)
        Sekundy.PoKroku(*Zrzut);
}

} // namespace

std::string WczytajDemo(const std::string& sciezka)
{
    std::ifstream plik(sciezka, std::ios::binary);
    std::string tekst;
    try {
        if (plik)
            tekst.assign(std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {   // a directory's read error, or no memory for the text
        plik.setstate(std::ios::badbit);
    }
    if (!plik.is_open() || plik.bad())
        return sciezka + ": cannot be read";
    return WczytajDemoZTekstu(std::move(tekst), sciezka);
}

std::string WczytajDemoZTekstu(std::string tekst, const std::string& nazwa)
{
    CzytnikDema sprawdzenie(tekst, nazwa);
    NaglowekDema n;
    if (!sprawdzenie.Naglowek(n))
        return sprawdzenie.Blad();
    Zdarzenie z{};
    while (sprawdzenie.Nastepne(z)) {
    }
    if (!sprawdzenie.Blad().empty())
        return sprawdzenie.Blad();
    const std::string roznica = RoznicaPoziomow(n.Poziomy, PoziomyGry());
    if (!roznica.empty())
        return nazwa + ": recorded with other level files (" + roznica + ")";
    Tekst = std::move(tekst);
    Nazwa = nazwa;
    Naglowek = n;
    return "";
}

void ZacznijOdtwarzanie(bool zOknem, std::ostream* zrzut)
{
    Czytnik.emplace(Tekst, Nazwa);
    Czytnik->Naglowek(Naglowek);
    Czekajace.reset();
    ZOknem = zOknem;
    Zrzut = zrzut;
    Zegar = Naglowek.Start;
    UplynieloDema = 0;
    StartMaszyny.reset();
    PozaKrokiem = false;
    Sekundy = {Naglowek.Start, 0};
    if (!zOknem) {
        BezOkna();
        BezDzwieku();
    }
    // The game's own steps of start-up, in their order, on the demo's seed and clock.
    ZasiejLosowanie(Naglowek.Ziarno);
    Inicjalizuj();
    UstawCzasDema(Zegar);
    UruchomZegary();
}

Postep OdtworzZdarzenie()
{
    if (!Podejrzyj())
        return Postep::Koniec;
    const Zdarzenie z = *Czekajace;
    Czekajace.reset();
    switch (z.Rodzaj) {
    case RodzajZdarzenia::Klawisz: Klawisze(static_cast<unsigned char>(z.Wartosc), 0, 0); break;
    case RodzajZdarzenia::Specjalny: KlawiszeSpec(static_cast<int>(z.Wartosc), 0, 0); break;
    case RodzajZdarzenia::Obraz: ZOknem ? Wyswietlaj() : KlatkaBezObrazu(); break;
    case RodzajZdarzenia::Krok: Krok(z.Wartosc); break;
    case RodzajZdarzenia::Timer:
        if (!OdpalTimer(static_cast<int>(z.Wartosc))) {
            PozaKrokiem = true;
            Blad = Nazwa + ":" + std::to_string(Czytnik->NumerLinii()) + ": timer " + std::to_string(z.Wartosc)
                + " is not armed: the demo is out of step with this game";
            return Postep::PozaKrokiem;
        }
        break;
    }
    return Postep::Dalej;
}

int StatusOdtwarzania(Postep p)
{
    if (p != Postep::PozaKrokiem)
        return 0;
    std::cerr << "zorbit3d: " << Blad << "\n";
    return 2;
}

int OdtworzBezOkna()
{
    Postep p = Postep::Dalej;
    while (p == Postep::Dalej)
        p = OdtworzZdarzenie();
    return StatusOdtwarzania(p);
}

void OdtworzWTempie()
{
    if (!StartMaszyny)
        StartMaszyny = CzasRzeczywisty();
    const unsigned uplynelo = CzasRzeczywisty() - *StartMaszyny;
    for (;;) {
        const bool jest = Podejrzyj();
        if (jest && Czekajace->Rodzaj == RodzajZdarzenia::Krok && UplynieloDema + Czekajace->Wartosc > uplynelo) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));   // not due yet: leave the core be
            return;
        }
        const bool obraz = jest && Czekajace->Rodzaj == RodzajZdarzenia::Obraz;
        const Postep p = OdtworzZdarzenie();
        if (p != Postep::Dalej)
            ZakonczProgram(StatusOdtwarzania(p));
        if (obraz)
            return;   // a frame a pass, as GLUT drew them: the window's own events go on between
    }
}

void DrukujPodsumowanie()
{
    if (!PozaKrokiem)
        std::cout << Podsumowanie() << std::endl;
}
