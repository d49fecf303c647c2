// Definitions of the shell's globals, with their start values.
#include "stale.h"

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
