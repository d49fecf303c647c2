// The bitmap font: 256 glyph display lists cut from font.bmp, and the text printer.
#pragma once
#include <cstdint>

extern uint32_t base;  // first of the 256 glyph lists

void BuildFont();   // start-up, after the textures and the maze lists
// Prints string with its first glyph's lower-left corner at (x, y) of the 640x480 overlay space.
void glPrint(int x, int y, const char* string, int set);

// Selects the projection matrix, pushes it and puts the 640x480 overlay space in its place.
void WlaczRzutNakladek();
