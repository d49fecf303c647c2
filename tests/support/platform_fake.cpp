// A fake of every platform seam, for tests of the game logic without a window.
#include "support/platform_fake.h"

#include "platform/dzwiek.h"
#include "platform/komunikat.h"
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "platform/zegar.h"

#include <algorithm>

namespace fake {

unsigned czas = 0;
std::vector<Timer> timery;
std::vector<Dzwiek> dzwieki;
std::deque<int> losy;
std::vector<std::string> bledy;
int przerysowania = 0;
int zamiany = 0;

void Wyczysc()
{
    czas = 0;
    timery.clear();
    dzwieki.clear();
    losy.clear();
    bledy.clear();
    przerysowania = 0;
    zamiany = 0;
}

void PrzesunCzas(unsigned ms)
{
    const unsigned cel = czas + ms;
    for (;;) {
        auto najblizszy = std::min_element(timery.begin(), timery.end(),
            [](const Timer& a, const Timer& b) { return a.kiedy < b.kiedy; });
        if (najblizszy == timery.end() || najblizszy->kiedy > cel)
            break;
        Timer t = *najblizszy;
        timery.erase(najblizszy);
        czas = t.kiedy;
        t.fn(t.wartosc);
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
    fake::timery.push_back({fake::czas + ms, fn, wartosc});
}

void ZadajPrzerysowania()
{
    ++fake::przerysowania;
}

void ZamienBufory()
{
    ++fake::zamiany;
}

void ZakonczProgram(int status)
{
    throw fake::Wyjscie{status};
}

int Losuj()
{
    if (fake::losy.empty())
        return 0;
    int r = fake::losy.front();
    fake::losy.pop_front();
    return r;
}

// The draws are scripted: a seed changes nothing.
void ZasiejLosowanie(unsigned) {}

void PokazBlad(const char* tekst)
{
    fake::bledy.push_back(tekst);
}
