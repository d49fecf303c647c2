// Frames per second of the real frame in play: IdleStep then Wyswietlaj (with the swap) in a
// GLUT window, on a full board with 30 ghosts. Prints the rate and the CPU time per frame of
// the game step and of the drawing (process CPU time, so the renderer's threads count too).
//   kadr_fps WIDTH HEIGHT SECONDS
#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "platform/zegar.h"
#include "render/czcionka.h"
#include "render/ekran.h"
#include "render/tekstury.h"
#include "shell/przebieg.h"
#include "shell/stale.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

bool Istnieje(const char* nazwa)
{
    std::FILE* f = std::fopen(nazwa, "rb");
    if (f)
        std::fclose(f);
    return f != nullptr;
}

// The shipped pictures where they exist; elsewhere a 128x128 mipmapped checker of the same cost.
void Tekstury()
{
    std::vector<unsigned char> szachy(128 * 128 * 3);
    for (int i = 0; i < 128 * 128; ++i)
        for (int k = 0; k < 3; ++k)
            szachy[i * 3 + k] = static_cast<unsigned char>((((i % 128) / 16 + (i / 128) / 16) % 2) ? 220 : 60 + 50 * k);
    for (uint32_t slot = 0; slot < ILE_TEKSTUR; ++slot) {
        IndeksTekstury = slot;
        if (Istnieje(PLIKI_TEKSTUR[slot]) && LoadGLTextures(PLIKI_TEKSTUR[slot]))
            continue;
        glGenTextures(1, &texture[slot]);
        glBindTexture(GL_TEXTURE_2D, texture[slot]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 128, 128, GL_RGB, GL_UNSIGNED_BYTE, szachy.data());
    }
}

// A full level: the border, a wall in every other cell of every other row, pellets everywhere
// else, four bonuses, the player in a corner and 30 ghosts spread over the board.
void PelnaPlansza()
{
    int duchy = 0;
    IleJedzenia = 0;
    for (int r = 0; r < MAX; ++r)
        for (int c = 0; c < MAX; ++c) {
            int8_t& k = Tablica[r][c];
            if (r == 0 || c == 0 || r == MAX - 1 || c == MAX - 1 || (r % 2 == 0 && c % 2 == 0))
                k = KOD_SCIANA;
            else if ((r * 7 + c * 3) % 11 == 0 && duchy < 30)
                k = KOD_START_DUCHA, ++duchy;
            else
                k = KOD_JEDZENIE, ++IleJedzenia;
        }
    Tablica[1][1] = KOD_START_ZORBITA;
    Tablica[3][3] = Tablica[3][21] = Tablica[21][3] = Tablica[21][21] = KOD_BONUS;
    IleJedzenia -= 5;
    Zorbit.Inicjalizuj();
    RozstawAktorow();
    Mapa.LicznikPliku = 1;
    Stan = Gra;
}

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
    int argcGlut = 1;
    glutInit(&argcGlut, argv);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(w, h);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Zorbit3D");
    UstawStanGL();
    Tekstury();
    GenerujListe();
    BuildFont();
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    PelnaPlansza();

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
