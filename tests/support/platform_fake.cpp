// A fake of every platform seam, for tests of the game logic without a window.
#include "support/platform_fake.h"

#include "platform/dzwiek.h"
#include "platform/komunikat.h"
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "platform/zegar.h"

#include <algorithm>
#include <optional>

namespace fake {

unsigned czas = 0;
std::vector<Timer> timery;
std::vector<Dzwiek> dzwieki;
std::deque<int> losy;
std::vector<std::string> bledy;
int przerysowania = 0;
int zamiany = 0;

namespace {

int nastepnyNumer = 0;
void (*podgladacz)(int) = nullptr;
std::optional<GeneratorLosow> generator;

void Odpal(std::vector<Timer>::iterator it)
{
    const Timer t = *it;
    timery.erase(it);
    if (podgladacz)
        podgladacz(t.numer);
    t.fn(t.wartosc);
}

} // namespace

void Wyczysc()
{
    czas = 0;
    timery.clear();
    dzwieki.clear();
    losy.clear();
    bledy.clear();
    przerysowania = 0;
    zamiany = 0;
    nastepnyNumer = 0;
    podgladacz = nullptr;
    generator.reset();
}

void PrzesunCzas(unsigned ms)
{
    const unsigned cel = czas + ms;
    for (;;) {
        auto najblizszy = std::min_element(timery.begin(), timery.end(),
            [](const Timer& a, const Timer& b) { return a.kiedy < b.kiedy; });
        if (najblizszy == timery.end() || najblizszy->kiedy > cel)
            break;
        czas = najblizszy->kiedy;
        Odpal(najblizszy);
    }
    czas = cel;
}

} // namespace fake

bool PlaySoundA(const char* nazwa, void*, unsigned flagi)
{
    fake::dzwieki.push_back({nazwa ? nazwa : "", flagi});
    return true;
}

void UruchomDzwiek() {}
void ZamknijDzwiek() {}

unsigned CzasOdStartu()
{
    return fake::czas;
}

void UstawTimer(unsigned ms, void (*fn)(int), int wartosc)
{
    fake::timery.push_back({fake::czas + ms, fn, wartosc, fake::nastepnyNumer++});
}

void PodgladajTimery(void (*kto)(int))
{
    fake::podgladacz = kto;
}

// The fake clock is already under the test's control: a demo's time simply sets it.
void UstawCzasDema(unsigned ms)
{
    fake::czas = ms;
}

bool OdpalTimer(int numer)
{
    const auto it = std::find_if(fake::timery.begin(), fake::timery.end(),
                                 [numer](const fake::Timer& t) { return t.numer == numer; });
    if (it == fake::timery.end())
        return false;
    fake::Odpal(it);
    return true;
}

unsigned CzasRzeczywisty()
{
    return fake::czas;
}

void ZadajPrzerysowania()
{
    ++fake::przerysowania;
}

void ZamienBufory()
{
    ++fake::zamiany;
}

void BezOkna() {}
void BezDzwieku() {}

void ZakonczProgram(int status)
{
    throw fake::Wyjscie{status};
}

int Losuj()
{
    if (fake::losy.empty())
        return fake::generator ? LosZ(*fake::generator) : 0;
    int r = fake::losy.front();
    fake::losy.pop_front();
    return r;
}

// Scripted draws come first; a seed gives the rest the real source's sequence, so that a game
// played on the fake replays the same in the real program.
void ZasiejLosowanie(unsigned ziarno)
{
    fake::generator.emplace(ziarno);
}

void PokazBlad(const char* tekst)
{
    fake::bledy.push_back(tekst);
}
