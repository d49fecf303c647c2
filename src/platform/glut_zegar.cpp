// Clock and timers on GLUT, with the numbering a demo records and the demo's own clock for a replay.
#include "platform/zegar.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <vector>

namespace {

struct Uzbrojony {
    int numer;
    void (*fn)(int);
    int wartosc;
};

std::vector<Uzbrojony> Uzbrojone;   // armed and not yet fired; a handful at most
int NastepnyNumer = 0;
void (*Podgladacz)(int) = nullptr;
bool ZDema = false;
unsigned CzasDema = 0;

// GLUT hands back the number; the table gives the game's callback and value.
void Odpal(int numer)
{
    const auto it = std::find_if(Uzbrojone.begin(), Uzbrojone.end(),
                                 [numer](const Uzbrojony& u) { return u.numer == numer; });
    if (it == Uzbrojone.end())
        return;
    const Uzbrojony u = *it;
    Uzbrojone.erase(it);
    if (Podgladacz)
        Podgladacz(numer);
    u.fn(u.wartosc);
}

} // namespace

unsigned CzasOdStartu()
{
    return ZDema ? CzasDema : CzasRzeczywisty();
}

void UstawTimer(unsigned ms, void (*fn)(int), int wartosc)
{
    const int numer = NastepnyNumer++;
    Uzbrojone.push_back({numer, fn, wartosc});
    if (!ZDema)
        glutTimerFunc(ms, Odpal, numer);
}

void PodgladajTimery(void (*kto)(int))
{
    Podgladacz = kto;
}

void UstawCzasDema(unsigned ms)
{
    ZDema = true;
    CzasDema = ms;
}

bool OdpalTimer(int numer)
{
    const bool jest = std::any_of(Uzbrojone.begin(), Uzbrojone.end(),
                                  [numer](const Uzbrojony& u) { return u.numer == numer; });
    if (jest)
        Odpal(numer);
    return jest;
}

unsigned CzasRzeczywisty()
{
    return static_cast<unsigned>(glutGet(GLUT_ELAPSED_TIME));
}
