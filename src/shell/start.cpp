// Start-up, step by step, ending in GLUT's main loop.
#include "start.h"

#include "../board/mapa.h"
#include "../platform/dzwiek.h"
#include "../platform/zegar.h"
#include "../render/czcionka.h"
#include "../render/ekran.h"
#include "../render/tekstury.h"
#include "dialog.h"
#include "klawisze.h"
#include "przebieg.h"
#include "stale.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <ctime>
#include <iostream>

int UruchomGre(int argc, char** argv)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const std::string tryb = ZapytajOTryb(std::cin, std::cout);
    Inicjalizuj();

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(640, 480);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Zorbit3D");
    if (tryb == "1") {
        glutFullScreen();
        glutSetCursor(GLUT_CURSOR_NONE);
    }
    UruchomDzwiek();

    UstawStanGL();
    WczytajTekstury();
    GenerujListe();
    BuildFont();
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);

    glutDisplayFunc(Wyswietlaj);
    glutReshapeFunc(ZmianaRozmiaru);
    glutSpecialFunc(KlawiszeSpec);
    glutKeyboardFunc(Klawisze);
    glutIdleFunc(IdleStep);
    UstawTimer(1000, Timer, 0);
    CzasStary = CzasOdStartu();
    glutMainLoop();
    return 0;
}
