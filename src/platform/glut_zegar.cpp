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

// GLUT (or the replay) hands back the number; the table gives the game's callback and value.
// False when no timer of that number is armed.
bool Odpal(int numer)
{
    const auto it = std::find_if(Uzbrojone.begin(), Uzbrojone.end(),
                                 [numer](const Uzbrojony& u) { return u.numer == numer; });
    if (it == Uzbrojone.end())
        return false;
    const Uzbrojony u = *it;
    Uzbrojone.erase(it);
    if (Podgladacz)
        Podgladacz(numer);
    u.fn(u.wartosc);
    return true;
}

void OdpalZGlut(int numer)
{
    Odpal(numer);
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
        glutTimerFunc(ms, OdpalZGlut, numer);
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
    return Odpal(numer);
}

unsigned CzasRzeczywisty()
{
    return static_cast<unsigned>(glutGet(GLUT_ELAPSED_TIME));
}
