// Clock, timers, redraw and swap on GLUT; the random source and the exit on the C library.
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "platform/zegar.h"

#include <GL/freeglut.h>

#include <cstdlib>

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

int Losuj()
{
    return std::rand();
}

void ZasiejLosowanie(unsigned ziarno)
{
    std::srand(ziarno);
}
