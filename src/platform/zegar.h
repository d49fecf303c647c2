// The clock and the one-shot timers. Only the shell and the bonus countdown use them.
#pragma once

// IdleStep and start-up: milliseconds since the toolkit was initialised.
unsigned CzasOdStartu();

// Timer and BonusTimer: call fn(wartosc) once, ms milliseconds from now.
void UstawTimer(unsigned ms, void (*fn)(int), int wartosc);
