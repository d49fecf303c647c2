// Definitions of the shell's globals, with their start values, and the one gate every sound passes.
#include "shell/stale.h"

#include "platform/dzwiek.h"

StanProgramu Stan = Intro;
uint32_t Czas = 0;
uint32_t CzasStary = 0;
uint32_t Opoznienie = 0;
uint32_t LiczbaKlatek = 0;
uint32_t CzasStaryFPS = 0;
uint32_t fps = 0;
uint32_t Punkty = 0;
uint32_t WyborMenu = 0;
bool SoundOn = true;
bool Klatki = false;
uint32_t KamY = 9;

void Graj(const char* plik, unsigned flagi)
{
    if (SoundOn)
        PlaySoundA(plik, nullptr, flagi);   // the result is never looked at
}
