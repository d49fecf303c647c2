// An offscreen OpenGL context for render tests: Mesa through EGL, no X server,
// drawing into a framebuffer object of the size asked for (RGBA colour, 24-bit depth).
#pragma once
#include <array>
#include <cstdint>

// Makes the context current with a w by h framebuffer; false when it cannot be had.
// A later call with another size replaces the framebuffer, keeping the context.
bool UtworzKontekstGL(int w, int h);

// The colour at window pixel (x, y), origin at the lower left, as red, green, blue.
std::array<uint8_t, 3> Piksel(int x, int y);

// Writes the framebuffer as a binary PPM (for looking at a failing case).
bool ZapiszPPM(const char* sciezka);
