// Playing a demo back: its events drive the game's own callbacks, with the clock, the timers,
// the seed and the keys all taken from the file; nothing the machine says enters the game.
#pragma once
#include <iosfwd>
#include <string>

// Start-up of a replay: reads the whole file and checks it. "" when it can be played, else the
// one line that says why not: it cannot be read, does not parse, is of another format version
// or was recorded with other level files. The game is left untouched either way.
std::string WczytajDemo(const std::string& sciezka);
std::string WczytajDemoZTekstu(std::string tekst, const std::string& nazwa);

// Then, once, in place of start-up's game steps: the demo's seed, the intro, the demo's clock
// and the first timer. zOknem: a drawn frame is Wyswietlaj, else only its effect on the game.
// zrzut: where the dump goes, a line a game second (nullptr: no dump).
void ZacznijOdtwarzanie(bool zOknem, std::ostream* zrzut);

enum class Postep { Dalej, Koniec, PozaKrokiem };
Postep OdtworzZdarzenie();   // plays the next event
// PozaKrokiem: a timer the game has not armed fires in the demo, which then belongs to another
// build or was edited. Says so on standard error; the exit status for the outcome (0 or 2).
int StatusOdtwarzania(Postep p);

int OdtworzBezOkna();        // --dump: every event as fast as it goes; the exit status
void OdtworzWTempie();       // the windowed replay's idle callback: the events due by the machine's clock
void DrukujPodsumowanie();   // at exit: the summary line on standard output, unless out of step
