// Clock, timers, redraw and swap on GLUT; the random source and the exit on the C library.
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "platform/zegar.h"

#include <GL/freeglut.h>

#include <csignal>
#include <signal.h>   // sigaction
#include <cstdlib>

namespace {

volatile std::sig_atomic_t Sygnal = 0;

void ZapamietajSygnal(int numer)
{
    Sygnal = numer;
}

// Nothing but a flag may be touched in a handler: the exit itself happens here, between callbacks.
void StrazSygnalow(int)
{
    if (Sygnal != 0)
        std::exit(128 + Sygnal);
    glutTimerFunc(50, StrazSygnalow, 0);
}

} // namespace

unsigned CzasOdStartu()
{
    return static_cast<unsigned>(glutGet(GLUT_ELAPSED_TIME));
}

void UstawTimer(unsigned ms, void (*fn)(int), int wartosc)
{
    glutTimerFunc(ms, fn, wartosc);
}

void ZadajPrzerysowania()
{
    glutPostRedisplay();
}

void ZamienBufory()
{
    glutSwapBuffers();
}

void ZakonczProgram(int status)
{
    std::exit(status);
}

void ZakonczenieZawszePrzezExit()
{
    struct sigaction sa = {};
    sa.sa_handler = ZapamietajSygnal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutTimerFunc(50, StrazSygnalow, 0);
}

int Losuj()
{
    return std::rand();
}

void ZasiejLosowanie(unsigned ziarno)
{
    std::srand(ziarno);
}
