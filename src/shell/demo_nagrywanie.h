// Recording a demo. With --record, start-up registers these callbacks in place of the game's
// own: each writes its event, then runs the game's callback, so the game plays as ever.
#pragma once
#include <iosfwd>
#include <string>

// Start-up, before the window: creates the file. Its writes are buffered and flushed at exit,
// which every way out passes (menu, window close, SIGTERM). "" when it is open, else why not.
std::string OtworzNagranie(const std::string& sciezka);

// The soak run and the demo maker: record into their own stream. nullptr stops recording and
// writes out what is still held back.
void NagrywajDo(std::ostream* wy);

// Start-up, once UruchomZegary has taken the start time: the header, from the seed the game
// was given and the level files under the working directory.
void ZapiszPoczatek(unsigned ziarno);

void NagrywajKlawisze(unsigned char c, int x, int y);
void NagrywajKlawiszeSpec(int key, int x, int y);
void NagrywajIdleStep();
void NagrywajWyswietlaj();   // with the window: Wyswietlaj
void NagrywajKlatke();       // without one (the soak, the demo maker): KlatkaBezObrazu
