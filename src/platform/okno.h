// The window as the game sees it: redraw requests, buffer swaps, leaving the program.
#pragma once

void ZadajPrzerysowania();        // IdleStep: draw a frame after this step
void ZamienBufory();              // Wyswietlaj: show the finished frame
[[noreturn]] void ZakonczProgram(int status);  // menu exit: ends the process through std::exit

// Start-up, once the window is open: SIGTERM, SIGINT and the window's close also end the
// program through std::exit (status 128 + signal, or 0 for the close), so that every way out
// runs the cleanups registered with std::atexit.
void ZakonczenieZawszePrzezExit();

// Headless replay, before the game starts: there is no window, and redraw requests do nothing.
void BezOkna();
