// Frames per second of the real frame in play: IdleStep then Wyswietlaj (with the swap) in a
// GLUT window, on a full board with 30 ghosts. Prints the rate and the CPU time per frame of
// the game step and of the drawing (process CPU time, so the renderer's threads count too).
//   kadr_fps WIDTH HEIGHT SECONDS [corner|middle]   (where the player stands; corner by default)
#include "plansza_pelna.h"

#include "actors/zorbit.h"
#include "platform/zegar.h"
#include "render/ekran.h"
#include "shell/przebieg.h"
#include "shell/stale.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

double CzasCpu()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// What the measured callbacks add up, and when to stop.
struct Pomiar {
    long klatki = 0;
    double krok = 0, rysowanie = 0, sekundy = 5;
    std::chrono::steady_clock::time_point start;
} P;

double Uplynelo()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - P.start).count();
}

void MierzonyKrok()
{
    const double t0 = CzasCpu();
    IdleStep();
    P.krok += CzasCpu() - t0;
    if (Uplynelo() >= P.sekundy)
        glutLeaveMainLoop();
}

void MierzonaKlatka()
{
    const double t0 = CzasCpu();
    Wyswietlaj();
    P.rysowanie += CzasCpu() - t0;
    ++P.klatki;
    if (Stan != Gra) {  // a ghost caught the player: keep measuring play
        Zorbit.Zlapany = false;
        Stan = Gra;
    }
}

} // namespace

// The game's own loop: freeglut runs the display after each idle step that asked for it.
int main(int argc, char** argv)
{
    const int w = argc > 1 ? std::atoi(argv[1]) : 640;
    const int h = argc > 2 ? std::atoi(argv[2]) : 480;
    P.sekundy = argc > 3 ? std::atof(argv[3]) : 5.0;
    const Widok widok = argc > 4 && std::strcmp(argv[4], "middle") == 0 ? Widok::Srodek : Widok::Naroznik;
    int argcGlut = 1;
    glutInit(&argcGlut, argv);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(w, h);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Zorbit3D");
    PrzygotujGrafike();
    NowaGraNaPelnejPlanszy(widok);

    glutDisplayFunc(MierzonaKlatka);
    glutReshapeFunc(ZmianaRozmiaru);
    glutIdleFunc(MierzonyKrok);
    UstawTimer(1000, Timer, 0);
    CzasStary = CzasOdStartu();
    P.start = std::chrono::steady_clock::now();
    glutMainLoop();

    const double s = Uplynelo();
    std::printf("%dx%d: %.1f fps over %ld frames; CPU per frame: game step %.3f ms, drawing %.3f ms\n", w, h,
                P.klatki / s, P.klatki, 1000 * P.krok / P.klatki, 1000 * P.rysowanie / P.klatki);
    return 0;
}
