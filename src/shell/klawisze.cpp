// Keyboard input: character keys move the game between its screens and flip the switches;
// special keys move the menu selection, steer the player and raise or lower the camera.
#include "shell/klawisze.h"

#include "actors/zorbit.h"
#include "platform/dzwiek.h"
#include "platform/okno.h"
#include "shell/przebieg.h"
#include "shell/stale.h"

namespace {

constexpr unsigned char ENTER = 13;
constexpr unsigned char ESC = 27;
constexpr uint32_t KAMERA_NAJNIZEJ = 8;
constexpr uint32_t KAMERA_NAJWYZEJ = 18;
constexpr const char* DZWIEK_WYBORU = "data/sfx/menu2.wav";   // a screen opens or closes
constexpr const char* DZWIEK_KLIKU = "data/sfx/menu1.wav";    // the selection moves

bool WMenu()
{
    return Stan == Menu || Stan == MenuGra;
}

// Any key on the title opens the main menu.
void ZamknijIntro()
{
    Graj(DZWIEK_WYBORU, SND_ASYNC);
    Stan = Menu;
}

// Enter and Esc on either menu; true when the key is used up.
bool KlawiszMenu(unsigned char c)
{
    if (c == ENTER && WyborMenu == 1) {
        // Kept: in the in-game menu too "Nowa gra" starts over from level 1; only Esc resumes.
        Graj(DZWIEK_WYBORU, SND_ASYNC);
        NowaGra();
        // The screen the new game opens (the banner, or the end screen without a first level)
        // must not take this Enter as its own key.
        return true;
    }
    if (c == ENTER && WyborMenu == 2) {
        Graj(DZWIEK_WYBORU, SND_SYNC);   // heard to its end before the window goes
        ZakonczProgram(0);
    }
    if (Stan == MenuGra && c == ESC) {
        Stan = Gra;   // used up, so the same press does not open the menu again
        return true;
    }
    return false;
}

// Up and down on either menu; the selection stops at both ends and clicks only when it moves.
void PrzesunWybor(int key)
{
    if (key == KLAWISZ_GORA && WyborMenu > 1) {
        Graj(DZWIEK_KLIKU, SND_ASYNC);
        --WyborMenu;
    } else if (key == KLAWISZ_DOL && WyborMenu < 2) {
        Graj(DZWIEK_KLIKU, SND_ASYNC);
        ++WyborMenu;
    }
}

void Chce(int32_t x, int32_t z)
{
    Zorbit.ChcianyKierX = x;
    Zorbit.ChcianyKierZ = z;
}

// Kept: in every state, menus included: the wish waits for play to resume. The follow camera
// looks along +z, so left on the keyboard is +x on the board.
void Steruj(int key)
{
    switch (key) {
    case KLAWISZ_LEWO: Chce(1, 0); break;
    case KLAWISZ_GORA: Chce(0, 1); break;
    case KLAWISZ_PRAWO: Chce(-1, 0); break;
    case KLAWISZ_DOL: Chce(0, -1); break;
    case KLAWISZ_PGUP:
        if (KamY < KAMERA_NAJWYZEJ)
            ++KamY;
        break;
    case KLAWISZ_PGDN:
        if (KamY > KAMERA_NAJNIZEJ)
            --KamY;
        break;
    default: break;
    }
}

} // namespace

// The steps run one after another on the state as the earlier ones left it; a key that has
// changed the screen is used up and the later steps never see it.
void Klawisze(unsigned char c, int, int)
{
    if (c == 'f' || c == 'F')
        Klatki = !Klatki;
    if (c == 'm' || c == 'M')
        SoundOn = !SoundOn;   // first, so "m" on the title is already heard (or not) in the new mode
    if (Stan == Intro) {
        ZamknijIntro();
        return;
    }
    // Kept: only character keys leave the banner and the end screen; arrows just set the wish.
    if (Stan == NextPlanszaTemp) {
        Stan = Gra;
        return;
    }
    if (WMenu() && KlawiszMenu(c))
        return;
    if (Stan == Gra && c == ESC) {
        Graj(DZWIEK_WYBORU, SND_ASYNC);
        Stan = MenuGra;
    }
    if (Stan == KoniecTemp)
        Stan = Koniec;
}

void KlawiszeSpec(int key, int, int)
{
    if (Stan == Intro)
        ZamknijIntro();   // Kept: the key goes on, so Down on the title also moves the selection
    if (WMenu())
        PrzesunWybor(key);
    Steruj(key);
}
