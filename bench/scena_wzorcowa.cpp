// The reference of the performance report: a plain GLUT scene that makes the calls one game
// frame makes (625 display list calls, 31 spheres, 12 strings, lit, depth-tested, double
// buffered, uncapped) with nothing of the game in it, and plays a tone through SDL2 on a key
// press with the 512-sample chunk the game used to mix with. Its figures are what this machine
// gives any program of that size; the report divides the game's by them.
//   scena_wzorcowa WIDTH HEIGHT SECONDS   (SECONDS 0: run until the window is closed)
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int KRATKA = 25;
constexpr int KULE = 31;
constexpr int NAPISY = 12;

GLuint Kostka = 0;
GLUquadric* Kwadryka = nullptr;
SDL_AudioDeviceID Urzadzenie = 0;
std::vector<int16_t> Ton;   // 100 ms, stereo, at the device's rate
int Szer = 640, Wys = 480;
double Sekundy = 5;
long Klatki = 0;
std::chrono::steady_clock::time_point Start;

void KompilujKostke()
{
    // A block on every cell, untextured: the list calls of the maze and about its fill.
    static const float SCIANY[6][4][3] = {
        {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}, {{1, 0, 0}, {0, 0, 0}, {0, 1, 0}, {1, 1, 0}},
        {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}, {{1, 0, 1}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}},
        {{0, 1, 1}, {1, 1, 1}, {1, 1, 0}, {0, 1, 0}}, {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}};
    static const float NORMALNE[6][3] = {{0, 0, 1}, {0, 0, -1}, {-1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    Kostka = glGenLists(1);
    glNewList(Kostka, GL_COMPILE);
    glBegin(GL_QUADS);
    for (int s = 0; s < 6; ++s) {
        glNormal3fv(NORMALNE[s]);
        for (const auto& v : SCIANY[s])
            glVertex3f(0.1f + 0.8f * v[0], 0.8f * v[1], 0.1f + 0.8f * v[2]);
    }
    glEnd();
    glEndList();
}

void OtworzDzwiek()
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    SDL_AudioSpec chce{};
    chce.freq = 22050;
    chce.format = AUDIO_S16LSB;
    chce.channels = 2;
    chce.samples = 512;
    Urzadzenie = SDL_OpenAudioDevice(nullptr, 0, &chce, nullptr, 0);
    if (Urzadzenie == 0)
        return;
    for (int i = 0; i < chce.freq / 10; ++i) {
        const int16_t poziom = (i / 25) % 2 ? 6000 : -6000;
        Ton.push_back(poziom);
        Ton.push_back(poziom);
    }
    SDL_PauseAudioDevice(Urzadzenie, 0);
}

void Klawisz(unsigned char, int, int)
{
    if (Urzadzenie == 0)
        return;
    SDL_ClearQueuedAudio(Urzadzenie);
    SDL_QueueAudio(Urzadzenie, Ton.data(), static_cast<Uint32>(Ton.size() * sizeof(int16_t)));
}

void Rysuj()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The game's follow camera over the middle of the board.
    gluLookAt(10.5, 9.0, 7.0, 12.5, 0.0, 12.5, 0.0, 1.0, 0.0);
    glEnable(GL_LIGHTING);
    glColor3f(0.8f, 0.7f, 0.6f);
    for (int r = 0; r < KRATKA; ++r)
        for (int c = 0; c < KRATKA; ++c) {
            glPushMatrix();
            glTranslatef(static_cast<float>(r), 0.0f, static_cast<float>(c));
            glCallList(Kostka);
            glPopMatrix();
        }
    glColor3f(0.3f, 0.5f, 0.9f);
    for (int i = 0; i < KULE; ++i) {
        glPushMatrix();
        glTranslatef(3.5f + 2.0f * (i % 10), 0.5f, 5.5f + 6.0f * (i / 10));
        gluSphere(Kwadryka, 0.5, i == KULE - 1 ? 15 : 10, i == KULE - 1 ? 15 : 10);
        glPopMatrix();
    }
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, 640, 0, 480);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    for (int i = 0; i < NAPISY; ++i) {
        glRasterPos2i(10, 460 - 20 * i);
        glutBitmapString(GLUT_BITMAP_9_BY_15, reinterpret_cast<const unsigned char*>("Score 000000 Lives 3"));
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glutSwapBuffers();
    ++Klatki;
}

double Uplynelo()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

void Bezczynnosc()
{
    if (Sekundy > 0 && Uplynelo() >= Sekundy)
        glutLeaveMainLoop();
    glutPostRedisplay();
}

void Rozmiar(int w, int h)
{
    glViewport(0, 0, w, h > 0 ? h : 1);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(55.0, static_cast<double>(w) / (h > 0 ? h : 1), 1.0, 25.0);
}

} // namespace

int main(int argc, char** argv)
{
    Szer = argc > 1 ? std::atoi(argv[1]) : 640;
    Wys = argc > 2 ? std::atoi(argv[2]) : 480;
    Sekundy = argc > 3 ? std::atof(argv[3]) : 5.0;
    int argcGlut = 1;
    glutInit(&argcGlut, argv);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(Szer, Wys);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Zorbit3D reference");
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    Kwadryka = gluNewQuadric();
    KompilujKostke();
    OtworzDzwiek();
    glutDisplayFunc(Rysuj);
    glutReshapeFunc(Rozmiar);
    glutIdleFunc(Bezczynnosc);
    glutKeyboardFunc(Klawisz);
    Start = std::chrono::steady_clock::now();
    glutMainLoop();
    const double s = Uplynelo();
    std::printf("%dx%d: %.1f fps over %ld frames\n", Szer, Wys, Klatki / s, Klatki);
    if (Urzadzenie != 0)
        SDL_CloseAudioDevice(Urzadzenie);
    SDL_Quit();
    return 0;
}
