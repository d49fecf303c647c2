// Start-up: the console question, the window, the fixed GL state, the pictures,
// the display lists, the callbacks and the toolkit's main loop.
#pragma once

int UruchomGre(int argc, char** argv);   // main: returns only if the main loop ever does
