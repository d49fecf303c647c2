// Keyboard input: the whole game flow, the menu, steering, camera height and the switches.
#pragma once

constexpr int KLAWISZ_LEWO = 100, KLAWISZ_GORA = 101, KLAWISZ_PRAWO = 102, KLAWISZ_DOL = 103,
              KLAWISZ_PGUP = 104, KLAWISZ_PGDN = 105;   // GLUT's special-key codes

void Klawisze(unsigned char c, int x, int y);   // character keys; x, y ignored
void KlawiszeSpec(int key, int x, int y);       // arrows, Page Up, Page Down; x, y ignored
