// The window as the game sees it: redraw requests, buffer swaps, leaving the program.
#pragma once

void ZadajPrzerysowania();        // IdleStep: draw a frame after this step
void ZamienBufory();              // Wyswietlaj: show the finished frame
[[noreturn]] void ZakonczProgram(int status);  // menu exit: ends the process
