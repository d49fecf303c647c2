// Redraw, swap and the exit on GLUT and the C library.
#include "platform/okno.h"

#include <GL/freeglut.h>

#include <csignal>
#include <signal.h>   // sigaction
#include <cstdlib>

namespace {

volatile std::sig_atomic_t Sygnal = 0;
bool Bezokienny = false;

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

void ZadajPrzerysowania()
{
    if (!Bezokienny)   // without glutInit, GLUT would end the program here
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

void BezOkna()
{
    Bezokienny = true;
}
