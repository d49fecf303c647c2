// Start-up, step by step, ending in GLUT's main loop.
#include "shell/start.h"

#include "platform/dzwiek.h"
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "platform/zegar.h"
#include "render/ekran.h"
#include "shell/dialog.h"
#include "shell/klawisze.h"
#include "shell/przebieg.h"
#include "shell/stale.h"

#include <GL/freeglut.h>

#include <ctime>
#include <iostream>

int UruchomGre(int argc, char** argv)
{
    ZasiejLosowanie(static_cast<unsigned>(std::time(nullptr)));
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
    ZakonczenieZawszePrzezExit();

    PrzygotujGrafike();

    glutDisplayFunc(Wyswietlaj);
    glutReshapeFunc(ZmianaRozmiaru);
    glutSpecialFunc(KlawiszeSpec);
    glutKeyboardFunc(Klawisze);
    glutIdleFunc(IdleStep);
    UstawTimer(1000, Timer, 0);
    CzasStary = CzasOdStartu();
    glutMainLoop();   // returns when the window is closed
    return 0;
}
