// Start-up, step by step, ending in GLUT's main loop.
#include "shell/start.h"

#include "platform/dzwiek.h"
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "platform/zegar.h"
#include "render/ekran.h"
#include "shell/dialog.h"
#include "shell/katalog_danych.h"
#include "shell/klawisze.h"
#include "shell/opcje.h"
#include "shell/przebieg.h"
#include "shell/stale.h"

#include <GL/freeglut.h>

#include <ctime>
#include <iostream>

namespace {

// The console question, unless the command line has answered it.
bool PelnyEkran(TrybOkna tryb)
{
    if (tryb == TrybOkna::Zapytaj)
        return ZapytajOTryb(std::cin, std::cout) == "1";
    return tryb == TrybOkna::PelnyEkran;
}

} // namespace

int UruchomGre(int argc, char** argv)
{
    const Opcje opcje = CzytajOpcje(argc, argv);
    if (!opcje.Blad.empty()) {
        std::cerr << "zorbit3d: " << opcje.Blad << "\n";
        DrukujUzycie(std::cerr);
        return 2;
    }
    if (opcje.Pomoc || opcje.Wersja) {
        opcje.Pomoc ? DrukujUzycie(std::cout) : DrukujWersje(std::cout);
        return 0;
    }
    WejdzDoKatalogDanych(std::cerr);
    ZasiejLosowanie(static_cast<unsigned>(std::time(nullptr)));
    const bool pelnyEkran = PelnyEkran(opcje.Tryb);
    Inicjalizuj();

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(640, 480);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Zorbit3D");
    if (pelnyEkran) {
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
