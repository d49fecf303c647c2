// Start-up, step by step, ending in GLUT's main loop: a game as ever, a recorded one, or a replay.
#include "shell/start.h"

#include "platform/dzwiek.h"
#include "platform/losowanie.h"
#include "platform/okno.h"
#include "render/ekran.h"
#include "shell/demo_nagrywanie.h"
#include "shell/demo_odtwarzanie.h"
#include "shell/dialog.h"
#include "shell/katalog_danych.h"
#include "shell/klawisze.h"
#include "shell/opcje.h"
#include "shell/przebieg.h"

#include <GL/freeglut.h>

#include <cstdlib>
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

void (*Rysowanie)() = nullptr;

// The sound opens once the first frame is up, so that the player sees the window without
// waiting for SDL and its audio libraries to load; a sound asked for sooner opens it itself.
void PierwszaKlatka()
{
    Rysowanie();
    glutDisplayFunc(Rysowanie);
    UruchomDzwiek();
}

void RysujPoPierwszejKlatce(void (*rysowanie)())
{
    Rysowanie = rysowanie;
    glutDisplayFunc(PierwszaKlatka);
}

// The window with its fixed GL state, pictures and lists, and every way out through exit.
void OtworzOkno(int& argc, char** argv, bool pelnyEkran)
{
    // Size and place before glutInit, so that GLUT's own -geometry, when given, overrides them.
    glutInitWindowSize(640, 480);
    glutInitWindowPosition(0, 0);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("Zorbit3D");
    if (pelnyEkran) {
        glutFullScreen();
        glutSetCursor(GLUT_CURSOR_NONE);
    }
    ZakonczenieZawszePrzezExit();

    PrzygotujGrafike();
    glutReshapeFunc(ZmianaRozmiaru);
}

int Zagraj(const Opcje& opcje, int argc, char** argv)
{
    const unsigned ziarno = static_cast<unsigned>(std::time(nullptr));
    ZasiejLosowanie(ziarno);
    const bool nagrywaj = !opcje.Nagraj.empty();
    if (nagrywaj) {
        const std::string blad = OtworzNagranie(opcje.Nagraj);
        if (!blad.empty()) {
            std::cerr << "zorbit3d: " << opcje.Nagraj << ": " << blad << "\n";
            return 2;
        }
    }
    const bool pelnyEkran = PelnyEkran(opcje.Tryb);
    Inicjalizuj();
    OtworzOkno(argc, argv, pelnyEkran);

    RysujPoPierwszejKlatce(nagrywaj ? NagrywajWyswietlaj : Wyswietlaj);
    glutSpecialFunc(nagrywaj ? NagrywajKlawiszeSpec : KlawiszeSpec);
    glutKeyboardFunc(nagrywaj ? NagrywajKlawisze : Klawisze);
    glutIdleFunc(nagrywaj ? NagrywajIdleStep : IdleStep);
    UruchomZegary();
    if (nagrywaj)
        ZapiszPoczatek(ziarno);
    glutMainLoop();   // returns when the window is closed
    return 0;
}

// In a replay GLUT's own redraws draw nothing: a frame is drawn where the demo has one, since
// drawing moves the caught animation on.
void BezRysowania() {}

int Odtworz(const Opcje& opcje, int argc, char** argv)
{
    const std::string blad = WczytajDemo(opcje.Odtworz);
    if (!blad.empty()) {
        std::cerr << "zorbit3d: " << blad << "\n";
        return 2;
    }
    std::atexit(DrukujPodsumowanie);   // also when the demo's game leaves through its menu
    if (opcje.Zrzut) {
        ZacznijOdtwarzanie(false, &std::cout);
        return OdtworzBezOkna();
    }
    OtworzOkno(argc, argv, opcje.Tryb == TrybOkna::PelnyEkran);
    RysujPoPierwszejKlatce(BezRysowania);
    glutIdleFunc(OdtworzWTempie);
    ZacznijOdtwarzanie(true, nullptr);
    glutMainLoop();
    return 0;
}

} // namespace

int UruchomGre(int argc, char** argv)
{
    Opcje opcje = CzytajOpcje(argc, argv);
    UstalSciezkiDema(opcje);
    if (!opcje.Blad.empty()) {
        std::cerr << "zorbit3d: " << opcje.Blad << "\n";
        DrukujUzycie(std::cerr);
        return 2;
    }
    if (opcje.Pomoc || opcje.Wersja) {
        opcje.Pomoc ? DrukujUzycie(std::cout) : DrukujWersje(std::cout);
        return 0;
    }
    WejdzDoKatalogDanych(std::cerr);   // after the demo paths are made absolute
    return opcje.Odtworz.empty() ? Zagraj(opcje, argc, argv) : Odtworz(opcje, argc, argv);
}
