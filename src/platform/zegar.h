// The clock and the one-shot timers. Only the shell and the bonus countdown use them.
#pragma once

// IdleStep and start-up: milliseconds since the toolkit was initialised (in a replay, the demo's).
unsigned CzasOdStartu();

// Timer and BonusTimer: call fn(wartosc) once, ms milliseconds from now. Each timer gets the
// next number, counted from 0 in the order they are armed: a demo names a firing by it.
void UstawTimer(unsigned ms, void (*fn)(int), int wartosc);

// Recording a demo: kto(numer) runs just before each timer armed by UstawTimer fires.
void PodgladajTimery(void (*kto)(int numer));

// Replaying a demo, from start-up on: the toolkit's clock and timers are no longer used.
// CzasOdStartu returns what the last call set, and armed timers fire only through OdpalTimer.
void UstawCzasDema(unsigned ms);
bool OdpalTimer(int numer);   // the replay: fires timer numer; false when it is not armed

// The windowed replay's pace: the machine's own milliseconds, also while a demo sets the clock.
unsigned CzasRzeczywisty();
