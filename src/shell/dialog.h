// The display-mode question asked on the console before the window opens.
#pragma once
#include <iosfwd>
#include <string>

// Asks until the answer is exactly "1" or "2" and returns it. When the input
// ends first it says so in one line and returns "2" (a window) instead of asking forever.
std::string ZapytajOTryb(std::istream& we, std::ostream& wy);
